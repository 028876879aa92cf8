// Dates as the user types them and as the suite keeps them ("dd-mm-yyyy"),
// with the calendar arithmetic of the period presets.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "platform/core/env.h"

namespace mdc::data {

using CalendarDate = std::chrono::year_month_day;

// The range of years a typed date may take.
inline constexpr int kEarliestYear = 1900;
inline constexpr int kLatestYear = 2040;
inline constexpr std::size_t kDateTextWidth = 10;  // "dd-mm-yyyy"

CalendarDate calendar_date(const platform::LocalDateTime& t);
// "dd-mm-yyyy"; the year on four digits (a year beyond them is written whole).
std::string format_date(CalendarDate date);
// "yyyy".
std::string format_year(std::chrono::year year);

// Day, month and year taken from characters 1-2, 4-5 and 7-10 of a text, as
// their leading numbers; an overflow is carried over (day 32 of January is 1
// February, month 13 is January of the next year, month 0 is December of the
// previous year, day 0 the last day of the previous month).
CalendarDate carried_date(std::string_view text);

struct NormalisedDate {
  std::string text;     // "dd-mm-yyyy" when the digits allowed it
  CalendarDate value;   // carried_date(text)
};

// Turns a typed text into "dd-mm-yyyy": only its digits count; six digits
// take a century (the current one when the two-digit year is not later than
// today's, else the one before), eight digits are split into day, month and
// year; any other count is kept as digits. A text whose leading number is 0
// (no digits, day "00") gives today.
NormalisedDate normalise_date(std::string_view typed, CalendarDate today);

// True when the text is "dd-mm-yyyy" and names a day between kEarliestYear
// and kLatestYear; February has 29 days in the years divisible by 4.
bool date_is_valid(std::string_view text);
// The message shown for a wrong date (UTF-8, CR LF between its lines).
std::string wrong_date_message(std::string_view text);

// How a date check tells the user: shows the message and returns once it has
// been read.
using ShowMessage = std::function<void(const std::string& message)>;
// date_is_valid; when false, wrong_date_message has been shown through `show`
// before it returns.
bool verifie_date(std::string_view text, const ShowMessage& show);

CalendarDate monday_on_or_before(CalendarDate date);
// 28 to 31, after the Gregorian calendar.
unsigned last_day_of_month(std::chrono::year year, std::chrono::month month);

}  // namespace mdc::data
