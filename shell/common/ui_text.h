// Where the suite's code page 1252 texts meet the screen: every record text
// shown in a control, and every typed text stored in a record, goes through
// these two functions (and through the one codec of data/cp1252.h).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace mdc::shell {

// Code page 1252 bytes from a record, as text for a control.
QString from_cp1252(std::string_view cp1252);
// Text of a control as code page 1252 bytes; a character the code page does
// not hold becomes "?".
std::string to_cp1252(const QString& text);

// UTF-8 (the encoding of the program's own literals and of the exchange
// fields) to and from a control's text.
QString from_utf8(std::string_view utf8);
std::string to_utf8(const QString& text);

}  // namespace mdc::shell
