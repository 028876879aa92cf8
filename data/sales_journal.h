// The sales journal W_CAI028.WDO, in which the point-of-sale program appends
// every ticket and sale line; its companion file W_CSIS28.WDO; and the long
// payment detail file W_FIJO33.WDO. This system only reads the journal and
// the long detail file; it creates the companion file once.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/record_layout.h"

namespace mdc::data {

// Slots: the local journal, and in turn each remote journal, in slot 8; a
// remote journal read by the remote-station register in slot 117.
inline constexpr int kJournalSlot = 8;
inline constexpr int kRegisterJournalSlot = 117;
inline constexpr int kCompanionSlot = 118;
inline constexpr int kLongDetailSlot = 33;

inline constexpr std::string_view kJournalFile = "W_CAI028.WDO";
inline constexpr std::string_view kCompanionFile = "W_CSIS28.WDO";
inline constexpr std::string_view kLongDetailFile = "W_FIJO33.WDO";

inline constexpr std::size_t kJournalRecordLength = 192;
inline constexpr std::size_t kCompanionRecordLength = 384;
inline constexpr std::size_t kLongDetailRecordLength = 256;

// Record 1 is the header; data records are 2 to record_count + 1.
inline constexpr std::int64_t kJournalHeaderRecord = 1;
inline constexpr std::int64_t kFirstJournalDataRecord = 2;

// Journal layout, shared by the header and the data records.
namespace journal {
inline constexpr Field date_text{"date_text", 0, 10, FieldKind::kText};
inline constexpr Field time_text{"time_text", 10, 5, FieldKind::kText};
inline constexpr Field text_15{"", 15, 15, FieldKind::kText};
inline constexpr Field text_30{"", 30, 40, FieldKind::kText};
inline constexpr Field bytes_70{"", 70, 4, FieldKind::kBytes};
inline constexpr Field amount{"amount", 74, 8, FieldKind::kDouble};
inline constexpr Field bytes_82{"", 82, 4, FieldKind::kBytes};
inline constexpr Field kind_code{"kind_code", 86, 3, FieldKind::kText};
inline constexpr Field record_type{"record_type", 89, 1, FieldKind::kText};
inline constexpr Field payment_detail{"payment_detail", 90, 28,
                                      FieldKind::kText};
inline constexpr Field record_count{"record_count", 118, 4, FieldKind::kInt32};
inline constexpr Field bytes_122{"", 122, 4, FieldKind::kBytes};
inline constexpr Field station_text{"station_text", 126, 56, FieldKind::kText};
inline constexpr Field bytes_182{"", 182, 8, FieldKind::kBytes};
inline constexpr Field text_190{"", 190, 2, FieldKind::kText};

inline constexpr std::array<Field, 15> kLayout = {
    date_text,    time_text, text_15,      text_30,     bytes_70,
    amount,       bytes_82,  kind_code,    record_type, payment_detail,
    record_count, bytes_122, station_text, bytes_182,   text_190};
static_assert(covers_record(kLayout, kJournalRecordLength));

// The register number: characters 3 and 4 of station_text.
inline constexpr std::size_t kRegisterOffset = 2;
inline constexpr std::size_t kRegisterWidth = 2;
// time_text: hours in characters 1 and 2, minutes in characters 4 and 5.
inline constexpr std::size_t kHourOffset = 0;
inline constexpr std::size_t kMinuteOffset = 3;
inline constexpr std::size_t kTimePartWidth = 2;
}  // namespace journal

inline constexpr char kTicketRecord = 'T';
inline constexpr char kSaleLineRecord = 'L';
inline constexpr std::string_view kSeveralModesCode = "#M#";
inline constexpr std::string_view kCashModeCode = "ESP";
inline constexpr std::string_view kScaCode = "SCA";
inline constexpr std::string_view kLongDetailPrefix = "##FICA:";
inline constexpr int kLocalStationMax = 16;  // registers 1 to 16; 0 the server

// Companion file layout.
namespace companion {
inline constexpr Field status_text{"status_text", 0, 332, FieldKind::kText};
inline constexpr Field zero_bytes{"", 332, 24, FieldKind::kBytes};
inline constexpr Field ok_text{"ok_text", 356, 27, FieldKind::kText};
inline constexpr Field last_text{"", 383, 1, FieldKind::kText};
inline constexpr std::array<Field, 4> kLayout = {status_text, zero_bytes,
                                                 ok_text, last_text};
static_assert(covers_record(kLayout, kCompanionRecordLength));

inline constexpr std::string_view kOk = "#OK#";
inline constexpr std::string_view kStatusPrefix = "#I#|";
inline constexpr std::string_view kStatusEnd = ":";
// A companion file longer than this holds a complete record and is kept.
inline constexpr std::uint64_t kRebuildLimitBytes = 300;
}  // namespace companion

// Long payment detail file layout: record n + 1 holds reference n.
namespace long_detail {
inline constexpr Field text_0{"", 0, 15, FieldKind::kText};
inline constexpr Field breakdown{"breakdown", 15, 200, FieldKind::kText};
inline constexpr Field text_215{"", 215, 18, FieldKind::kText};
inline constexpr Field bytes_233{"", 233, 8, FieldKind::kBytes};
inline constexpr Field text_241{"", 241, 12, FieldKind::kText};
inline constexpr Field text_253{"", 253, 1, FieldKind::kText};
inline constexpr Field text_254{"", 254, 2, FieldKind::kText};
inline constexpr std::array<Field, 7> kLayout = {
    text_0, breakdown, text_215, bytes_233, text_241, text_253, text_254};
static_assert(covers_record(kLayout, kLongDetailRecordLength));
}  // namespace long_detail

// The fields of one journal record, decoded. Texts are code page 1252 bytes
// with their padding.
struct JournalRecord {
  std::string date_text;
  std::string time_text;
  double amount = 0;
  std::string kind_code;
  char record_type = '\0';
  std::string payment_detail;
  std::int32_t record_count = 0;
  std::string station_text;
};

// Decodes a 192-byte journal record.
JournalRecord decode_journal_record(const Record& record);

// The register number held in characters 3 and 4 of station_text: their
// leading number, halves to even; anything above 16 or below 0 is the
// server, 0.
int register_number(std::string_view station_text);
// The minute of the day of a time_text: leading number of its characters 1
// and 2 times 60 plus that of its characters 4 and 5. Not range-checked.
int minute_of_day(std::string_view time_text);

// Opens the local journal in slot 8 and its companion file in slot 118, and
// builds the companion file when it holds no complete record. The journal
// itself is never written.
void open_sales_journal(Context& ctx);

// Opens the journal at `path` (a path of this machine, as given by
// remote_journal_path) in `slot`, closing the slot first. A missing file is
// not created: it reads as an empty journal.
RecordFile& open_journal_file(Context& ctx, int slot, const std::string& path);

// record_count of the header of the journal held in `slot` (0 when the slot
// is empty).
std::int32_t journal_record_count(Context& ctx, int slot = kJournalSlot);

// Reads record n of the journal in `slot` into the current journal record of
// the context and returns it decoded.
JournalRecord read_journal_record(Context& ctx, std::int64_t n,
                                  int slot = kJournalSlot);

// "yyyymmdd" from "dd-mm-yyyy": the last four characters, then characters 4
// and 5, then characters 1 and 2, taken as they are without checking the
// form (a text shorter than 10 characters gives what its positions hold).
std::string date_key(std::string_view date_text);

// The payment breakdown of the current journal record: payment_detail as
// stored (28 characters), or, for a "##FICA:" reference, the trimmed
// breakdown of the referenced record of W_FIJO33.WDO.
std::string resolve_payment_detail(Context& ctx);
// Same, for a given payment_detail (as a journal scan hands it).
std::string resolve_payment_detail(Context& ctx,
                                   std::string_view payment_detail);

// Opens W_FIJO33.WDO in slot 33, closing the slot first.
RecordFile& open_long_detail_file(Context& ctx);

}  // namespace mdc::data
