// Decimal number forms registers are shown in.
#pragma once

#include <optional>
#include <string>

namespace taluvin {

// A decimal number as text, grouped in thousands with at most five decimals and no trailing
// zeros; nothing when the text is no number.
std::optional<std::string> formatGroupedNumber(const std::string& text);

}  // namespace taluvin
