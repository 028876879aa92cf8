#include "data/journal_scan.h"

#include <algorithm>
#include <cstring>

namespace mdc::data {

JournalScan::JournalScan(RecordFile& journal, std::int64_t first_record)
    : journal_(journal) {
  result_.record_count =
      get_int32(journal_.read(kJournalHeaderRecord), journal::record_count);
  const std::int64_t last_announced =
      static_cast<std::int64_t>(result_.record_count) + 1;
  // Only what the file holds now is read; the rest would read as zeros.
  const std::int64_t last_held = journal_.records_held();
  next_ = std::max(first_record, kFirstJournalDataRecord);
  const std::int64_t last = std::min(last_announced, last_held);
  end_ = std::max(next_, last + 1);
  result_.not_held = std::max<std::int64_t>(
      0, last_announced - std::max(last_held, next_ - 1));
}

bool JournalScan::next_block() {
  if (next_ >= end_) return false;
  block_first_ = next_;
  block_records_ = std::min(kBlockRecords, end_ - next_);
  const std::size_t bytes =
      static_cast<std::size_t>(block_records_) * kJournalRecordLength;
  if (buffer_.size() < bytes) buffer_.resize(bytes);
  const std::size_t got =
      journal_.read_raw(block_first_, std::span<char>(buffer_.data(), bytes));
  if (got < bytes) {
    // The file ended (a truncated last record, or a file that shrank since
    // the scan began): what was not read is zero bytes.
    std::memset(buffer_.data() + got, 0, bytes - got);
  }
  next_ += block_records_;
  return true;
}

}  // namespace mdc::data
