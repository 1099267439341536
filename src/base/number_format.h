// Decimal number forms registers are shown in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taluvin {

// Games are written in Portuguese and their register files travel between machines, so decimal
// numbers always use the Portuguese separators ("1.234,5") instead of the player's locale: a value a
// script stored on one machine must read back the same on any other.
inline constexpr char kDecimalSeparator = ',';
inline constexpr char kThousandsSeparator = '.';

// A real number in general form: up to 15 significant digits, no trailing zeros, no separator when
// whole, and an exponent ("4,6566128730774E-10") only for magnitudes below 0,00001 or of 15 digits
// and more.
std::string formatDecimal(double value);

// A decimal number as text (optional blanks and sign, digits, an optional decimal-separator part
// and exponent); nothing when the text is no such number.
std::optional<double> parseDecimal(std::string_view text);

// A decimal number as text, grouped in thousands with at most five decimals and no trailing
// zeros; nothing when the text is no number.
std::optional<std::string> formatGroupedNumber(const std::string& text);

}  // namespace taluvin
