#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace norvil {

// Reads the leading number of one version component.
//
// Blanks, tabs and line feeds anywhere in the text are skipped. After them come an optional
// sign and decimal digits with an optional exponent (E, then an optionally signed integer), or
// &H and hexadecimal digits, or &O and octal digits; the letters may be of either case. Reading
// stops at the first character that does not fit, and a text without a number reads as 0.
// A fraction (only an exponent such as 5e-1 can make one) rounds to the nearest integer, ties
// to even.
//
// Returns no value when the number lies outside the signed 32-bit range. Runs in time linear
// in the length of the text, whatever the digits or the exponent.
std::optional<std::int32_t> ReadLeadingNumber(std::u16string_view text);

} // namespace norvil
