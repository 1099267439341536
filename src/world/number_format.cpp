// Decimal number forms.
#include "world/number_format.h"

#include "script/numbers.h"

namespace taluvin {

std::optional<std::string> formatGroupedNumber(const std::string& text) {
  auto value = parseInt(text);
  if (!value) return std::nullopt;
  return intToText(*value);
}

}  // namespace taluvin
