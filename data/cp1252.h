// The one codec between the suite's code page 1252 texts and UTF-8, the
// encoding of everything the program shows or is typed into it.
#pragma once

#include <string>
#include <string_view>

namespace mdc::data {

// Bytes of code page 1252 to UTF-8. The five bytes that the code page leaves
// undefined come out as the C1 controls of the same value, so nothing is lost.
std::string cp1252_to_utf8(std::string_view cp1252);

// UTF-8 to code page 1252. A character the code page does not hold, or a
// broken UTF-8 sequence, becomes "?", so a record never receives broken
// bytes.
std::string utf8_to_cp1252(std::string_view utf8);

}  // namespace mdc::data
