// Numbers read from the suite's files and shown on its screens.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mdc::data {

// The leading number of a text: blanks skipped, an optional sign, digits with
// at most one "." and an optional exponent ("E" and digits); reading stops at
// the first other character. A text with no number gives 0. The decimal
// point is always ".".
double parse_number(std::string_view text);

// Nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Values outside the 64-bit range, and NaN, give 0.
std::int64_t round_half_even(double value);

// round_half_even kept within the range of a 16-bit integer (beyond it the
// nearest end of the range).
std::int16_t to_int16(double value);
// Same, within the range of a 32-bit integer.
std::int32_t to_int32(double value);

// An amount written with a number format as spreadsheets know them: digit
// placeholders "0" (always shown) and "#" (shown when significant), one "."
// for the decimal point, "," for thousands grouping, any other character
// (or one quoted with "\" or between double quotes) as literal text; a second
// section after ";" is the format of negative amounts. The decimal point of
// the result is `decimal_separator`, and grouping uses the space in French
// usage when the separator is "," (otherwise ","). Halves round away from
// zero at the last shown digit, on the value read at 15 significant digits.
// NaN and infinities are shown as an empty text.
std::string format_amount(double value, std::string_view format,
                          char decimal_separator);

// A whole number with the format "0".
std::string format_count(double value);

// Reads back a figure that the system formatted itself: an empty text reads
// 0, `decimal_separator` is the decimal point, grouping characters and other
// text are ignored.
double read_shown_figure(std::string_view shown, char decimal_separator);

}  // namespace mdc::data
