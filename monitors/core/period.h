// The period chooser's logic without its window: the presets, the month
// lists, the check of both date boxes, and the stored period (record 40 of
// w_cai020.wdo). Texts are UTF-8, as shown and typed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/dates.h"

namespace mdc::monitors {

inline constexpr std::size_t kPeriodWidth = 2 * data::kDateTextWidth;

// Start and end date texts.
struct PeriodTexts {
  std::string start;
  std::string end;
  friend bool operator==(const PeriodTexts&, const PeriodTexts&) = default;
};

enum class Preset {
  kYesterday = 0,
  kToday = 1,
  kLastWeek = 2,
  kThisWeek = 3,
  kLastYear = 4,
  kThisYear = 5,
  kEverything = 6,
};
inline constexpr int kPresetCount = 7;

// The caption of a preset's button.
std::string preset_caption(Preset preset, data::CalendarDate today);
// The dates of every preset but kEverything, "dd-mm-yyyy".
PeriodTexts preset_period(Preset preset, data::CalendarDate today);
// Start of kEverything: the date of the local journal's first record (record
// 2), trimmed; empty when the journal holds none. Opens the journal.
std::string first_journal_date(data::Context& ctx);

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
    "Juillet", "Aout",    "Septembre", "Octobre", "Novembre", "Décembre"};
inline constexpr int kListedYears = 12;  // the current year and 11 before

// The whole month `month` (1 to 12) of the year read as the leading number
// of `year_text`.
PeriodTexts month_period(int month, std::string_view year_text);

// The error marks of the date boxes' check: "1" for a wrong start, "2" for a
// wrong end.
inline constexpr char kStartMark = '1';
inline constexpr char kEndMark = '2';

// Normalises both boxes, replaces a wrong date by today (after `show` has
// told the user, the start first), and brings the start to the end when the
// end, as typed, is earlier. Returns the marks of the wrong dates.
std::string controle_date(PeriodTexts& boxes, data::CalendarDate today,
                          const data::ShowMessage& show);

// The stored period as the boxes get it: characters 1 to 10 and 11 to 20 of
// record 40, decoded, without their control characters (a record that does
// not exist reads as blank).
PeriodTexts load_stored_period(data::Context& ctx);
// Writes the period as record 40; false when the write failed.
bool store_period(data::Context& ctx, std::string_view period);

}  // namespace mdc::monitors
