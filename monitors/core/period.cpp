#include "monitors/core/period.h"

#include "data/cp1252.h"
#include "data/numbers.h"
#include "data/sales_journal.h"
#include "data/settings.h"

namespace mdc::monitors {
namespace {

using namespace std::chrono;
using data::CalendarDate;
using data::format_date;

constexpr int kDaysInWeek = 7;

PeriodTexts same_day(CalendarDate date) {
  return {format_date(date), format_date(date)};
}

PeriodTexts week_from(CalendarDate monday) {
  return {format_date(monday),
          format_date(CalendarDate{sys_days{monday} + days{kDaysInWeek - 1}})};
}

PeriodTexts whole_year(year y) {
  return {format_date(y / January / 1), format_date(y / December / 31)};
}

CalendarDate days_before(CalendarDate date, int count) {
  return CalendarDate{sys_days{date} - days{count}};
}

// Days back to the "last year" preset's year. It is 360, not a year: from
// 27 December on (26 in a leap year) the preset gives the current year.
constexpr int kLastYearPresetDays = 360;

year last_year(CalendarDate today) {
  return days_before(today, kLastYearPresetDays).year();
}

// What a record's text shows in a box: the suite's code page decoded, and
// the characters that cannot be typed (NUL padding of a missing record,
// other controls) left out.
std::string shown_text(std::string_view cp1252) {
  std::string kept;
  for (char c : cp1252) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) kept += c;
  }
  return data::cp1252_to_utf8(kept);
}

}  // namespace

std::string preset_caption(Preset preset, CalendarDate today) {
  switch (preset) {
    case Preset::kYesterday: return "Hier";
    case Preset::kToday: return "Aujourd'hui";
    case Preset::kLastWeek: return "La Semaine Dernière";
    case Preset::kThisWeek: return "Cette Semaine";
    case Preset::kLastYear: return data::format_year(last_year(today));
    case Preset::kThisYear: return data::format_year(today.year());
    case Preset::kEverything: return "Totalité";
  }
  return {};
}

PeriodTexts preset_period(Preset preset, CalendarDate today) {
  switch (preset) {
    case Preset::kYesterday: return same_day(days_before(today, 1));
    case Preset::kToday: return same_day(today);
    case Preset::kLastWeek:
      return week_from(
          data::monday_on_or_before(days_before(today, kDaysInWeek)));
    case Preset::kThisWeek: return week_from(data::monday_on_or_before(today));
    case Preset::kLastYear: return whole_year(last_year(today));
    case Preset::kThisYear: return whole_year(today.year());
    case Preset::kEverything: break;
  }
  return {};
}

std::string first_journal_date(data::Context& ctx) {
  data::open_sales_journal(ctx);
  const data::JournalRecord first =
      data::read_journal_record(ctx, data::kFirstJournalDataRecord);
  return data::trim(shown_text(first.date_text));
}

PeriodTexts month_period(int month_number, std::string_view year_text) {
  const int y = static_cast<int>(data::round_half_even(data::parse_number(year_text)));
  const month m{static_cast<unsigned>(month_number)};
  const year_month_day first{year{y} / m / 1};
  const year_month_day last{year_month_day_last{year{y} / m / std::chrono::last}};
  return {format_date(first), format_date(last)};
}

std::string controle_date(PeriodTexts& boxes, CalendarDate today,
                          const data::ShowMessage& show) {
  std::string marks;
  const data::NormalisedDate start = data::normalise_date(boxes.start, today);
  boxes.start = start.text;
  if (!data::verifie_date(boxes.start, show)) {
    boxes.start = format_date(today);
    marks += kStartMark;
  }
  const data::NormalisedDate end = data::normalise_date(boxes.end, today);
  boxes.end = end.text;
  if (!data::verifie_date(boxes.end, show)) {
    boxes.end = format_date(today);
    marks += kEndMark;
  }
  // The values of the dates as typed decide, even where a wrong one has just
  // been replaced by today.
  if (sys_days{end.value} < sys_days{start.value}) boxes.start = boxes.end;
  return marks;
}

PeriodTexts load_stored_period(data::Context& ctx) {
  data::Record stored =
      data::read_register_setting(ctx, data::kChosenPeriodRecord);
  stored.resize(kPeriodWidth, '\0');
  const std::string_view text(stored);
  return {shown_text(text.substr(0, data::kDateTextWidth)),
          shown_text(text.substr(data::kDateTextWidth, data::kDateTextWidth))};
}

bool store_period(data::Context& ctx, std::string_view period) {
  return data::write_register_setting(ctx, data::kChosenPeriodRecord,
                                      data::utf8_to_cp1252(period));
}

}  // namespace mdc::monitors
