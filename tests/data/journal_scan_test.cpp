#include "data/journal_scan.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::data {
namespace {

// Records with distinct, recognisable bytes everywhere.
std::vector<Record> numbered_records(int count) {
  std::vector<Record> records;
  for (int i = 0; i < count; ++i) {
    Record r = fixtures::journal_record(
        {"11-12-2026", "10:00", i * 1.25, "CB ", i % 3 ? 'L' : 'T',
         "CB " + std::to_string(i), i, fixtures::station_text(i % 17)});
    set_text(r, journal::text_30, "record " + std::to_string(i));
    records.push_back(r);
  }
  return records;
}

class JournalScanTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  Context ctx_{env_, folder_.path()};

  RecordFile& journal() {
    return open_journal_file(ctx_, kJournalSlot, folder_.file("W_CAI028.WDO"));
  }

  // What a reading of records first to count + 1, one at a time, gives:
  // the records the file holds, and how many it does not hold.
  std::pair<std::vector<std::pair<std::int64_t, Record>>, std::int64_t>
  one_by_one(std::int64_t first) {
    RecordFile& file = journal();
    const std::int64_t count = get_int32(file.read(1), journal::record_count);
    const std::int64_t held = file.records_held();
    std::vector<std::pair<std::int64_t, Record>> seen;
    std::int64_t not_held = 0;
    for (std::int64_t n = std::max<std::int64_t>(first, 2); n <= count + 1;
         ++n) {
      if (n > held) {
        // Reading on would give zeros only; count what remains.
        not_held = count + 1 - n + 1;
        break;
      }
      seen.emplace_back(n, file.read(n));
    }
    return {seen, not_held};
  }

  std::vector<std::pair<std::int64_t, Record>> scanned(std::int64_t first,
                                                       ScanResult* result) {
    std::vector<std::pair<std::int64_t, Record>> seen;
    *result = scan_journal(
        journal(),
        [&](const JournalView& v) {
          seen.emplace_back(v.number(), v.record());
        },
        first);
    return seen;
  }
};

TEST_F(JournalScanTest, GivesWhatARecordByRecordReadingGives) {
  const int kBlock = static_cast<int>(JournalScan::kBlockRecords);
  const struct {
    std::string_view name;
    int records;            // data records in the file
    std::int32_t count;     // announced by the header
    std::size_t cut_bytes;  // removed from the end of the file
    std::int64_t first;     // first record asked for
  } kCases[] = {
      {"empty", 0, 0, 0, 2},
      {"count below held", 10, 4, 0, 2},
      {"count equal", 10, 10, 0, 2},
      {"count above held", 10, 25, 0, 2},
      {"count far past the end", 10, 2'000'000'000, 0, 2},
      {"negative count", 10, -5, 0, 2},
      {"truncated last record", 10, 10, 50, 2},
      {"truncated, count above", 10, 12, 191, 2},
      {"several blocks", 2 * kBlock + 7, 2 * kBlock + 7, 0, 2},
      {"several blocks, count above", kBlock + 3, kBlock + 40, 100, 2},
      {"from a start record", 2 * kBlock + 7, 2 * kBlock + 7, 0, kBlock},
      {"start past the count", 10, 10, 0, 50},
      {"start below 2", 10, 10, 0, -3},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(fixtures::write_journal_records(
        folder_.file("W_CAI028.WDO"), numbered_records(c.records), c.count));
    if (c.cut_bytes > 0) {
      std::string bytes = folder_.read("W_CAI028.WDO");
      bytes.resize(bytes.size() - c.cut_bytes);
      folder_.write("W_CAI028.WDO", bytes);
    }
    const auto [expected, not_held] = one_by_one(c.first);
    ScanResult result;
    const auto seen = scanned(c.first, &result);
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i].first, expected[i].first);
      EXPECT_EQ(seen[i].second, expected[i].second) << seen[i].first;
    }
    EXPECT_EQ(result.record_count, c.count);
    EXPECT_EQ(result.visited, static_cast<std::int64_t>(seen.size()));
    EXPECT_EQ(result.not_held, not_held);
  }
}

TEST_F(JournalScanTest, AVisitReturningFalseStopsTheScan) {
  ASSERT_TRUE(fixtures::write_journal_records(folder_.file("W_CAI028.WDO"),
                                              numbered_records(3000)));
  std::int64_t last = 0;
  const ScanResult result = scan_journal(journal(), [&](const JournalView& v) {
    last = v.number();
    return v.number() < 1500;
  });
  EXPECT_EQ(last, 1500);
  EXPECT_EQ(result.visited, 1499);
  EXPECT_TRUE(result.stopped);
}

TEST_F(JournalScanTest, ViewFieldsMatchTheDecodedRecord) {
  std::mt19937 random(42);
  std::vector<Record> records;
  for (int i = 0; i < 200; ++i) {
    Record r(kJournalRecordLength, '\0');
    for (char& c : r) c = static_cast<char>(random());
    records.push_back(r);
  }
  ASSERT_TRUE(
      fixtures::write_journal_records(folder_.file("W_CAI028.WDO"), records));
  int seen = 0;
  scan_journal(journal(), [&](const JournalView& v) {
    const JournalRecord j = decode_journal_record(records[seen++]);
    EXPECT_EQ(v.date_text(), j.date_text);
    EXPECT_EQ(v.time_text(), j.time_text);
    EXPECT_EQ(v.kind_code(), j.kind_code);
    EXPECT_EQ(v.record_type(), j.record_type);
    EXPECT_EQ(v.payment_detail(), j.payment_detail);
    EXPECT_EQ(v.station_text(), j.station_text);
    EXPECT_EQ(v.record_count(), j.record_count);
    const double a = v.amount();
    EXPECT_TRUE(a == j.amount || (a != a && j.amount != j.amount));
    EXPECT_EQ(v.register_number(), register_number(j.station_text));
    EXPECT_GE(v.register_number(), 0);
    EXPECT_LE(v.register_number(), kLocalStationMax);
    EXPECT_EQ(v.minute_of_day(), minute_of_day(j.time_text));
  });
  EXPECT_EQ(seen, 200);
}

TEST_F(JournalScanTest, ScansAJournalByPathWithoutWritingIt) {
  ASSERT_TRUE(env_.make_folder(folder_.file("DIST01")));
  const std::string path = folder_.file("DIST01/W_CAI028.WDO");
  ASSERT_TRUE(fixtures::write_journal(
      path,
      {{"11-12-2026", "10:05", 12.5, 3, "CB ", "", {{'A', 10}, {'C', 2.5}}},
       {"11-12-2026", "11:00", 4, 0, "ESP", "", {{'B', 4}}}}));
  const std::string before = folder_.read("DIST01/W_CAI028.WDO");
  double tickets = 0;
  const ScanResult result =
      scan_journal_file(ctx_, kJournalSlot, path, [&](const JournalView& v) {
        if (v.is_ticket() && v.date_text() == "11-12-2026")
          tickets += v.amount();
      });
  EXPECT_EQ(tickets, 16.5);
  EXPECT_EQ(result.visited, 5);
  EXPECT_TRUE(ctx_.slots().is_open(kJournalSlot));
  EXPECT_EQ(folder_.read("DIST01/W_CAI028.WDO"), before);
}

}  // namespace
}  // namespace mdc::data
