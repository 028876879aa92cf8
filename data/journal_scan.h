// The one way the monitors walk the data records of a sales journal: the
// record count is read once at the start, the records are read in large
// blocks into one reused buffer, and each is handed to the caller as a light
// view whose fields decode only when asked for.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "data/record_file.h"
#include "data/sales_journal.h"

namespace mdc::data {

// One journal record inside the scan's buffer; valid only during the visit.
class JournalView {
 public:
  JournalView(const char* bytes, std::int64_t number)
      : bytes_(bytes), number_(number) {}

  // The record's number in the journal (2 for the oldest data record).
  std::int64_t number() const { return number_; }

  char record_type() const { return bytes_[journal::record_type.offset]; }
  bool is_ticket() const { return record_type() == kTicketRecord; }
  bool is_sale_line() const { return record_type() == kSaleLineRecord; }

  std::string_view date_text() const { return text(journal::date_text); }
  std::string_view time_text() const { return text(journal::time_text); }
  std::string_view kind_code() const { return text(journal::kind_code); }
  std::string_view payment_detail() const {
    return text(journal::payment_detail);
  }
  std::string_view station_text() const { return text(journal::station_text); }
  double amount() const { return load_le<double>(journal::amount.offset); }
  std::int32_t record_count() const {
    return load_le<std::int32_t>(journal::record_count.offset);
  }

  int register_number() const { return data::register_number(station_text()); }
  int minute_of_day() const { return data::minute_of_day(time_text()); }

  // The whole record, copied (for the current journal record).
  Record record() const { return Record(bytes_, kJournalRecordLength); }
  JournalRecord decode() const { return decode_journal_record(record()); }

 private:
  std::string_view text(const Field& f) const {
    return std::string_view(bytes_ + f.offset, f.width);
  }
  // A little-endian number at `offset`, without copying the record.
  template <typename T>
  T load_le(std::size_t offset) const {
    if constexpr (std::endian::native == std::endian::little) {
      T value;
      std::memcpy(&value, bytes_ + offset, sizeof value);
      return value;
    } else {
      Record copy(bytes_ + offset, sizeof(T));
      return get_le<T>(copy, 0);
    }
  }

  const char* bytes_;
  std::int64_t number_;
};

// What a scan saw of its journal.
struct ScanResult {
  // record_count of the header, read once at the start.
  std::int32_t record_count = 0;
  // Records announced by the count but past the end of the file: they read
  // as zero bytes, match nothing, and are not handed to the caller.
  std::int64_t not_held = 0;
  // Records handed to the caller.
  std::int64_t visited = 0;
  // True when the caller stopped the scan early.
  bool stopped = false;
};

// Walks records first_record to record_count + 1 of a journal in blocks. A
// negative count gives no records; a truncated last record is handed with
// its missing bytes as zeros.
class JournalScan {
 public:
  // Records read per block (192 KiB): large enough to cost one system call
  // per thousand records, small enough to stay in the processor's cache.
  static constexpr std::int64_t kBlockRecords = 1024;

  explicit JournalScan(RecordFile& journal,
                       std::int64_t first_record = kFirstJournalDataRecord);

  // Reads the next block; false when no record is left.
  bool next_block();
  std::int64_t block_first() const { return block_first_; }
  std::int64_t block_records() const { return block_records_; }
  JournalView at(std::int64_t i) const {
    return JournalView(buffer_.data() + i * kJournalRecordLength,
                       block_first_ + i);
  }

  ScanResult& result() { return result_; }

 private:
  RecordFile& journal_;
  std::string buffer_;
  std::int64_t next_ = 0;  // next record to read
  std::int64_t end_ = 0;   // one past the last record to read
  std::int64_t block_first_ = 0;
  std::int64_t block_records_ = 0;
  ScanResult result_;
};

// Hands each data record from `first_record` on to visit(const JournalView&),
// in order. A visit that returns bool stops the scan by returning false.
template <typename Visit>
ScanResult scan_journal(RecordFile& journal, Visit&& visit,
                        std::int64_t first_record = kFirstJournalDataRecord) {
  JournalScan scan(journal, first_record);
  using Returned = std::invoke_result_t<Visit&, const JournalView&>;
  while (scan.next_block()) {
    const std::int64_t n = scan.block_records();
    for (std::int64_t i = 0; i < n; ++i) {
      const JournalView view = scan.at(i);
      if constexpr (std::is_same_v<Returned, bool>) {
        if (!visit(view)) {
          scan.result().visited += i + 1;
          scan.result().stopped = true;
          return scan.result();
        }
      } else {
        visit(view);
      }
    }
    scan.result().visited += n;
  }
  return scan.result();
}

// Opens the journal at `path` in `slot` (see open_journal_file) and scans it.
// The journal stays open in the slot.
template <typename Visit>
ScanResult scan_journal_file(
    Context& ctx, int slot, const std::string& path, Visit&& visit,
    std::int64_t first_record = kFirstJournalDataRecord) {
  return scan_journal(open_journal_file(ctx, slot, path),
                      std::forward<Visit>(visit), first_record);
}

}  // namespace mdc::data
