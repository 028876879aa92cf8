// The day of one register as the live monitor adds it up, and the reading of
// a remote register's own journal in its folder (lit_caisse_dist without its
// grid row).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/journal_scan.h"
#include "data/remote_stations.h"

namespace mdc::monitors {

inline constexpr int kMinutesPerDay = 24 * 60;
inline constexpr int kHoursPerDay = 24;
inline constexpr int kMinutesPerHour = 60;

// Takings of each minute of the day, whole numbers: every ticket is added to
// its minute and the sum is rounded at once, halves to even, so 10.50 then
// 10.49 give 10 then 20.
class MinuteTakings {
 public:
  // Adds a ticket to the minute of its time_text. A time outside 00:00 to
  // 23:59 has no minute: nothing is added and false is returned.
  bool add(std::string_view time_text, double amount);
  std::int32_t at(int minute) const { return takings_.at(minute); }
  const std::array<std::int32_t, kMinutesPerDay>& values() const {
    return takings_;
  }

 private:
  std::array<std::int32_t, kMinutesPerDay> takings_{};
};

// The minute of the day of a time_text (hours in characters 1 and 2, minutes
// in characters 4 and 5, each read as its leading number), or -1 when the
// hours are not 0 to 23 or the minutes not 0 to 59.
int ticket_minute(std::string_view time_text);

// One register's tickets of the shown date.
struct RegisterDay {
  double total = 0;
  std::string first_time;  // time_text of the first ticket, as recorded
  std::string last_time;   // time_text of the last ticket
  std::int64_t count = 0;
  // Tickets whose time had no minute of the day: in the total, not in the
  // graph.
  std::int64_t untimed = 0;

  // Counts one ticket and adds it to its minute.
  void add_ticket(const data::JournalView& ticket, MinuteTakings& takings);
};

// A ticket of the shown date: exact text comparison of date_text, record
// type "T".
bool is_ticket_of(const data::JournalView& record, std::string_view shown_date);

enum class RemoteOutcome {
  kRead,        // the journal was read (a missing journal reads as empty)
  kNoFolder,    // the folder is blank, does not exist or is not a folder
  kUnreadable,  // the journal exists but cannot be opened
};

struct RemoteDay {
  RemoteOutcome outcome = RemoteOutcome::kRead;
  RegisterDay day;
  std::string journal_path;
};

// Reads the journal of one remote register in its folder, from its first
// data record, in the journal slot (the local journal is closed first, and
// the remote one is closed before returning). Every ticket of the shown date
// belongs to this register, whatever station it names, and is added to
// `takings`. The journal is never written, nor created when missing.
RemoteDay read_remote_day(data::Context& ctx, const data::poste_distant& line,
                          std::string_view shown_date, MinuteTakings& takings);

}  // namespace mdc::monitors
