#include "data/sales_journal.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "data/numbers.h"

namespace mdc::data {
namespace {

std::string_view part(std::string_view text, std::size_t offset,
                      std::size_t width) {
  if (offset >= text.size()) return {};
  return text.substr(offset, width);
}

// Companion records written per call when the companion file is built.
constexpr int kCompanionBlockRecords = 512;

constexpr std::int64_t kMaxLongDetailReference =
    std::numeric_limits<std::int32_t>::max();

int leading_int(std::string_view text) {
  return static_cast<int>(to_int32(parse_number(text)));
}

}  // namespace

JournalRecord decode_journal_record(const Record& record) {
  JournalRecord r;
  r.date_text = get_text(record, journal::date_text);
  r.time_text = get_text(record, journal::time_text);
  r.amount = get_double(record, journal::amount);
  r.kind_code = get_text(record, journal::kind_code);
  r.record_type = record[journal::record_type.offset];
  r.payment_detail = get_text(record, journal::payment_detail);
  r.record_count = get_int32(record, journal::record_count);
  r.station_text = get_text(record, journal::station_text);
  return r;
}

int register_number(std::string_view station_text) {
  const int n = leading_int(
      part(station_text, journal::kRegisterOffset, journal::kRegisterWidth));
  return n < 0 || n > kLocalStationMax ? 0 : n;
}

int minute_of_day(std::string_view time_text) {
  const int hours = leading_int(
      part(time_text, journal::kHourOffset, journal::kTimePartWidth));
  const int minutes = leading_int(
      part(time_text, journal::kMinuteOffset, journal::kTimePartWidth));
  return hours * 60 + minutes;
}

void open_sales_journal(Context& ctx) {
  RecordFile& journal =
      ctx.slots().open(kJournalSlot, kJournalFile, kJournalRecordLength);
  RecordFile& companion =
      ctx.slots().open(kCompanionSlot, kCompanionFile, kCompanionRecordLength);
  if (companion.size_bytes() > companion::kRebuildLimitBytes) return;
  // A companion file that cannot be opened is left alone.
  if (!companion.is_open()) return;

  // One blank record per data record the journal holds: a count announcing
  // more (a damaged header, an append under way) would otherwise make the
  // companion file grow without bound.
  const std::int64_t count = std::clamp<std::int64_t>(
      get_int32(journal.read(kJournalHeaderRecord), journal::record_count), 0,
      std::max<std::int64_t>(journal.records_held() - 1, 0));
  Record buffer(kCompanionRecordLength, ' ');
  set_text(buffer, companion::status_text, "");
  set_bytes(buffer, companion::zero_bytes, '\0');
  set_text(buffer, companion::ok_text, companion::kOk);
  set_text(buffer, companion::last_text, "");
  std::string block;
  for (int i = 0; i < kCompanionBlockRecords; ++i) block += buffer;
  for (std::int64_t n = 2; n <= count + 1; n += kCompanionBlockRecords) {
    const std::int64_t records =
        std::min<std::int64_t>(kCompanionBlockRecords, count + 2 - n);
    if (!companion.write_block(n, std::string_view(block).substr(
                                      0, static_cast<std::size_t>(records) *
                                             kCompanionRecordLength))) {
      return;  // without its status record, the file is built again next time
    }
  }
  const platform::LocalDateTime now = ctx.now();
  std::string status(companion::kStatusPrefix);
  status += date_stamp(now);
  status += time_stamp(now);
  status += companion::kStatusEnd;
  set_text(buffer, companion::status_text, status);
  companion.write(1, buffer);
}

RecordFile& open_journal_file(Context& ctx, int slot, const std::string& path) {
  return ctx.slots().open_path(slot, path, kJournalRecordLength,
                               platform::OpenMode::kExistingOnly);
}

std::int32_t journal_record_count(Context& ctx, int slot) {
  RecordFile* journal = ctx.slots().get(slot);
  if (!journal) return 0;
  return get_int32(journal->read(kJournalHeaderRecord), journal::record_count);
}

JournalRecord read_journal_record(Context& ctx, std::int64_t n, int slot) {
  RecordFile* journal = ctx.slots().get(slot);
  ctx.journal_record =
      journal ? journal->read(n) : Record(kJournalRecordLength, '\0');
  return decode_journal_record(ctx.journal_record);
}

std::string date_key(std::string_view date_text) {
  constexpr std::size_t kYearWidth = 4;
  constexpr std::size_t kMonthOffset = 3;
  constexpr std::size_t kDayOffset = 0;
  constexpr std::size_t kPartWidth = 2;
  std::string key;
  const std::size_t year_from =
      date_text.size() > kYearWidth ? date_text.size() - kYearWidth : 0;
  key += date_text.substr(year_from);
  key += part(date_text, kMonthOffset, kPartWidth);
  key += part(date_text, kDayOffset, kPartWidth);
  return key;
}

std::string resolve_payment_detail(Context& ctx) {
  if (ctx.journal_record.size() < kJournalRecordLength) {
    return std::string(journal::payment_detail.width, '\0');
  }
  return resolve_payment_detail(ctx,
                                std::string_view(ctx.journal_record)
                                    .substr(journal::payment_detail.offset,
                                            journal::payment_detail.width));
}

std::string resolve_payment_detail(Context& ctx,
                                   std::string_view payment_detail) {
  if (payment_detail.substr(0, kLongDetailPrefix.size()) != kLongDetailPrefix) {
    return std::string(payment_detail);
  }
  const double reference =
      parse_number(payment_detail.substr(kLongDetailPrefix.size()));
  RecordFile& details = open_long_detail_file(ctx);
  // A reference below 0 or beyond any record number names no record: it
  // reads as zero bytes, like a record the file does not hold.
  const bool names_a_record =
      reference > -0.5 &&
      reference < static_cast<double>(kMaxLongDetailReference);
  const Record record = names_a_record
                            ? details.read(round_half_even(reference) + 1)
                            : Record(kLongDetailRecordLength, '\0');
  std::string breakdown = trim(get_text(record, long_detail::breakdown));
  ctx.slots().close(kLongDetailSlot);
  return breakdown;
}

RecordFile& open_long_detail_file(Context& ctx) {
  return ctx.slots().open(kLongDetailSlot, kLongDetailFile,
                          kLongDetailRecordLength);
}

}  // namespace mdc::data
