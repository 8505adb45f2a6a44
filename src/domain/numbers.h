// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program turns texts into numbers and numbers into texts:
// every frequency, interval and delay read from the store, a text box or a
// label goes through leadingNumber and, where an integer is needed, through
// toInt32 or toInt16. All of it ignores the C locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace volna {

// The value of the decimal number at the start of text. Blanks, tabs, carriage
// returns and line feeds anywhere in the text are dropped first ("145 500" reads
// as 145500). Then an optional sign, digits, an optional '.' and fraction digits,
// up to the first character that cannot continue the number ("145500abc" reads
// as 145500). A text without a leading number reads as 0. No exponents, no
// other radixes. Too many digits for a double give +/- infinity.
double leadingNumber(std::string_view text);

// Whether text starts with a number as leadingNumber reads it: false for the
// empty text and for "abc", whose leadingNumber is 0 all the same.
bool hasLeadingNumber(std::string_view text);

// An ASCII digit, 0 to 9, whatever the locale.
bool isDigit(char c);

// value rounded to the nearest integer, halves to the even neighbour (20.5 gives
// 20, 21.5 gives 22), clamped to the type's range (infinities too); NaN gives 0.
std::int32_t toInt32(double value);
std::int16_t toInt16(double value);

// The plain decimal text the program shows for a number: whole values as
// integer digits without a point ("133300", "-600"), others with at most 15
// significant digits and no trailing zeros ("133299.5"). Values of magnitude
// below 1e15 never use exponent notation.
std::string formatNumber(double value);

} // namespace volna
