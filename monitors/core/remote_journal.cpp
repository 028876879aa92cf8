#include "monitors/core/remote_journal.h"

#include "data/numbers.h"
#include "data/sales_journal.h"

namespace mdc::monitors {
namespace {

// The leading number of `width` characters at `offset`, as a whole number;
// a text too short gives what it holds.
std::int64_t leading_whole(std::string_view text, std::size_t offset,
                           std::size_t width) {
  if (offset >= text.size()) return 0;
  return data::round_half_even(data::parse_number(text.substr(offset, width)));
}

}  // namespace

int ticket_minute(std::string_view time_text) {
  const std::int64_t hours = leading_whole(
      time_text, data::journal::kHourOffset, data::journal::kTimePartWidth);
  const std::int64_t minutes = leading_whole(
      time_text, data::journal::kMinuteOffset, data::journal::kTimePartWidth);
  if (hours < 0 || hours >= kHoursPerDay || minutes < 0 ||
      minutes >= kMinutesPerHour) {
    return -1;
  }
  return static_cast<int>(hours * kMinutesPerHour + minutes);
}

bool MinuteTakings::add(std::string_view time_text, double amount) {
  const int minute = ticket_minute(time_text);
  if (minute < 0) return false;
  std::int32_t& slot = takings_[static_cast<std::size_t>(minute)];
  slot = data::to_int32(static_cast<double>(slot) + amount);
  return true;
}

void RegisterDay::add_ticket(const data::JournalView& ticket,
                             MinuteTakings& takings) {
  const double amount = ticket.amount();
  total += amount;
  const std::string_view time = ticket.time_text();
  if (first_time.empty()) first_time = time;
  last_time = time;
  ++count;
  if (!takings.add(time, amount)) ++untimed;
}

bool is_ticket_of(const data::JournalView& record,
                  std::string_view shown_date) {
  return record.is_ticket() && record.date_text() == shown_date;
}

RemoteDay read_remote_day(data::Context& ctx, const data::poste_distant& line,
                          std::string_view shown_date, MinuteTakings& takings) {
  RemoteDay result;
  data::FileSlots& slots = ctx.file_slots();
  slots.close(data::kJournalSlot);

  const std::string folder = data::remote_folder_path(ctx, line.chemin());
  if (folder.empty() || !ctx.env().is_folder(folder)) {
    result.outcome = RemoteOutcome::kNoFolder;
    return result;
  }
  result.journal_path = data::remote_journal_path(ctx, line.chemin());
  data::RecordFile& journal =
      data::open_journal_file(ctx, data::kJournalSlot, result.journal_path);
  if (!journal.is_open() && ctx.env().exists(result.journal_path)) {
    result.outcome = RemoteOutcome::kUnreadable;
    slots.close(data::kJournalSlot);
    return result;
  }
  data::scan_journal(journal, [&](const data::JournalView& record) {
    if (is_ticket_of(record, shown_date)) result.day.add_ticket(record, takings);
  });
  slots.close(data::kJournalSlot);
  return result;
}

}  // namespace mdc::monitors
