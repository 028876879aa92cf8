#include "data/dates.h"

#include <cstdio>

#include "data/numbers.h"

namespace mdc::data {
namespace {

using namespace std::chrono;

constexpr std::size_t kDayAt = 0;
constexpr std::size_t kMonthAt = 3;
constexpr std::size_t kYearAt = 6;
constexpr std::size_t kPairWidth = 2;
constexpr std::size_t kYearWidth = 4;
constexpr std::size_t kShortDigits = 6;  // ddmmyy
constexpr std::size_t kLongDigits = 8;   // ddmmyyyy
constexpr int kCenturyLength = 100;

// Characters [at, at + width) of a text, or what of them it holds.
std::string_view slice(std::string_view text, std::size_t at, std::size_t width) {
  return at < text.size() ? text.substr(at, width) : std::string_view();
}

long long leading_whole_number(std::string_view text) {
  return round_half_even(parse_number(text));
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CalendarDate calendar_date(const platform::LocalDateTime& t) {
  return year{t.year} / month{static_cast<unsigned>(t.month)} /
         day{static_cast<unsigned>(t.day)};
}

std::string format_date(CalendarDate date) {
  char text[32];
  std::snprintf(text, sizeof text, "%02u-%02u-%04d", unsigned{date.day()},
                unsigned{date.month()}, int{date.year()});
  return text;
}

std::string format_year(year y) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", int{y});
  return text;
}

CalendarDate carried_date(std::string_view text) {
  // Two-digit day and month and a four-digit year stay far inside the range
  // of the calendar types, so the carry cannot overflow.
  const long long d = leading_whole_number(slice(text, kDayAt, kPairWidth));
  const long long m = leading_whole_number(slice(text, kMonthAt, kPairWidth));
  const long long y = leading_whole_number(slice(text, kYearAt, kYearWidth));
  const year_month first_month =
      year{static_cast<int>(y)} / January + months{m - 1};
  return CalendarDate{sys_days{first_month / 1} + days{d - 1}};
}

NormalisedDate normalise_date(std::string_view typed, CalendarDate today) {
  std::string digits;
  for (char c : typed) {
    if (is_digit(c)) digits += c;
  }
  if (digits.size() == kShortDigits) {
    const int short_year = std::stoi(digits.substr(4));
    const int this_year = int{today.year()};
    const int century = this_year - this_year % kCenturyLength;
    const int this_short_year = this_year % kCenturyLength;
    const int full_year =
        short_year <= this_short_year ? century + short_year
                                      : century - kCenturyLength + short_year;
    digits = digits.substr(0, 4) + format_year(year{full_year});
  }
  std::string text = digits;
  if (digits.size() == kLongDigits) {
    text = digits.substr(0, 2) + "-" + digits.substr(2, 2) + "-" +
           digits.substr(4, 4);
  }
  if (parse_number(text) == 0) text = format_date(today);
  NormalisedDate result{text, carried_date(text)};
  return result;
}

bool date_is_valid(std::string_view text) {
  if (text.size() != kDateTextWidth) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool separator = i == kMonthAt - 1 || i == kYearAt - 1;
    if (separator ? text[i] != '-' : !is_digit(text[i])) return false;
  }
  const long long d = leading_whole_number(slice(text, kDayAt, kPairWidth));
  const long long m = leading_whole_number(slice(text, kMonthAt, kPairWidth));
  const long long y = leading_whole_number(slice(text, kYearAt, kYearWidth));
  if (y < kEarliestYear || y > kLatestYear || m < 1 || m > 12) return false;
  // February has 29 days in every year divisible by 4, 1900 included, as
  // the point-of-sale program counts them.
  const bool february = m == 2;
  const long long length =
      february ? (y % 4 == 0 ? 29 : 28)
               : unsigned{year_month_day_last{year{static_cast<int>(y)} /
                                             month{static_cast<unsigned>(m)} /
                                             last}.day()};
  return d >= 1 && d <= length;
}

std::string wrong_date_message(std::string_view text) {
  return "La date \r\n' " + std::string(text) + " '\r\n saisie est incorrecte !";
}

bool verifie_date(std::string_view text, const ShowMessage& show) {
  if (date_is_valid(text)) return true;
  if (show) show(wrong_date_message(text));
  return false;
}

CalendarDate monday_on_or_before(CalendarDate date) {
  const sys_days d{date};
  return CalendarDate{d - (weekday{d} - Monday)};
}

unsigned last_day_of_month(year y, month m) {
  return unsigned{year_month_day_last{y / m / last}.day()};
}

}  // namespace mdc::data
