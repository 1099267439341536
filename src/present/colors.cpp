// Colour conversion from the scripts' RRGGBB to painted colours.
#include "present/colors.h"

#include "base/numbers.h"
#include "base/run_abort.h"

namespace taluvin {

namespace {
std::string piece(const std::string& text, size_t from) { return from < text.size() ? text.substr(from, 2) : ""; }
}  // namespace

std::string platformColorText(const std::string& rrggbb) {
  return "$" + piece(rrggbb, 4) + piece(rrggbb, 2) + piece(rrggbb, 0);
}

QColor paintColor(const std::string& rrggbb, QColor whenEmpty) {
  if (rrggbb.empty()) return whenEmpty;
  const std::string text = platformColorText(rrggbb);
  const auto value = parseInt(text);
  if (!value) abortNotAnInteger(text);
  const auto v = static_cast<uint32_t>(*value);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

}  // namespace taluvin
