// Numbered settings lines.
#include "state/settings.h"

namespace taluvin {

const std::string& Settings::empty_() {
  static const std::string kEmpty;
  return kEmpty;
}

void Settings::set(size_t index, std::string value) {
  if (lines_.size() <= index) lines_.resize(index + 1);
  lines_[index] = std::move(value);
}

void Settings::padForWriting() {
  if (lines_.size() < kMinWrittenLines) lines_.resize(kMinWrittenLines);
}

}  // namespace taluvin
