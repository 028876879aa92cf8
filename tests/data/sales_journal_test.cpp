#include "data/sales_journal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/journal_scan.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::data {
namespace {

using fixtures::Ticket;

class SalesJournalTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_{{2026, 12, 11, 10, 30, 5}};
  Context ctx_{env_, folder_.path()};

  void write_journal(const std::vector<Ticket>& tickets,
                     std::optional<std::int32_t> count = std::nullopt) {
    ASSERT_TRUE(
        fixtures::write_journal(folder_.file("W_CAI028.WDO"), tickets, count));
  }
};

std::string companion_record(std::string_view status) {
  Record r(kCompanionRecordLength, ' ');
  set_text(r, companion::status_text, status);
  set_bytes(r, companion::zero_bytes, '\0');
  set_text(r, companion::ok_text, "#OK#");
  return r;
}

TEST_F(SalesJournalTest, CompanionOfAnEmptyJournalIsItsStatusRecordAlone) {
  open_sales_journal(ctx_);
  EXPECT_TRUE(ctx_.slots().is_open(kJournalSlot));
  EXPECT_TRUE(ctx_.slots().is_open(kCompanionSlot));
  EXPECT_TRUE(folder_.exists("W_CAI028.WDO"));
  EXPECT_EQ(folder_.read("W_CAI028.WDO"), "");
  EXPECT_EQ(folder_.read("W_CSIS28.WDO"),
            companion_record("#I#|12-11-202610:30:05:"));
  EXPECT_EQ(folder_.read("W_CSIS28.WDO").size(), 384u);
}

TEST_F(SalesJournalTest, CompanionGetsOneBlankRecordPerJournalRecord) {
  write_journal({{"11-12-2026", "10:05", 12.5, 3, "CB ", "", {{'A', 12.5}}}});
  open_sales_journal(ctx_);
  const std::string companion = folder_.read("W_CSIS28.WDO");
  ASSERT_EQ(companion.size(), 3 * kCompanionRecordLength);
  EXPECT_EQ(companion.substr(0, kCompanionRecordLength),
            companion_record("#I#|12-11-202610:30:05:"));
  EXPECT_EQ(companion.substr(kCompanionRecordLength, kCompanionRecordLength),
            companion_record(""));
  EXPECT_EQ(companion.substr(2 * kCompanionRecordLength), companion_record(""));
}

TEST_F(SalesJournalTest, CompanionCountsOnlyTheRecordsTheJournalHolds) {
  const struct {
    std::int32_t count;
    int held;
    std::size_t companion_records;
  } kCases[] = {
      {2'000'000'000, 3, 4}, {-7, 3, 1}, {2, 3, 3}, {1500, 1200, 1201}};
  for (const auto& c : kCases) {
    std::vector<Ticket> tickets(c.held,
                                {"11-12-2026", "10:05", 1, 1, "ESP", "", {}});
    write_journal(tickets, c.count);
    folder_.write("W_CSIS28.WDO", "");
    open_sales_journal(ctx_);
    const std::string companion = folder_.read("W_CSIS28.WDO");
    EXPECT_EQ(companion.size(), c.companion_records * kCompanionRecordLength)
        << c.count;
    EXPECT_EQ(companion.substr(companion.size() - kCompanionRecordLength),
              c.companion_records == 1
                  ? companion_record("#I#|12-11-202610:30:05:")
                  : companion_record(""));
  }
}

TEST_F(SalesJournalTest, CompanionLeftWithoutStatusWhenAWriteFails) {
  write_journal({{"11-12-2026", "10:05", 1, 1, "ESP", "", {}}});
  env_.fail_write(1);
  open_sales_journal(ctx_);
  EXPECT_LE(folder_.read("W_CSIS28.WDO").size(), 300u);
  open_sales_journal(ctx_);
  EXPECT_EQ(folder_.read("W_CSIS28.WDO").substr(0, 4), "#I#|");
}

TEST_F(SalesJournalTest, CompanionIsRebuiltOnlyWhenItHoldsNoCompleteRecord) {
  const struct {
    std::size_t size;
    bool rebuilt;
  } kCases[] = {{0, true},    {1, true},    {300, true},
                {301, false}, {384, false}, {1000, false}};
  write_journal({{"11-12-2026", "10:05", 1, 1, "ESP", "", {}},
                 {"11-12-2026", "10:06", 2, 1, "ESP", "", {}}});
  for (const auto& c : kCases) {
    const std::string before(c.size, 'x');
    folder_.write("W_CSIS28.WDO", before);
    open_sales_journal(ctx_);
    const std::string after = folder_.read("W_CSIS28.WDO");
    if (c.rebuilt) {
      EXPECT_EQ(after.size(), std::max<std::size_t>(3 * 384, c.size)) << c.size;
      EXPECT_EQ(after.substr(0, 23), "#I#|12-11-202610:30:05:") << c.size;
    } else {
      EXPECT_EQ(after, before) << c.size;
    }
  }
}

TEST_F(SalesJournalTest, ReadingNeverWritesTheJournalOrTheLongDetails) {
  write_journal({{"11-12-2026", "10:05", 20, 1, "#M#", "##FICA:0", {}},
                 {"11-12-2026", "10:06", 5, 2, "ESP", "", {{'B', 5}}}},
                7);
  ASSERT_TRUE(fixtures::write_long_details(folder_.file("W_FIJO33.WDO"),
                                           {"CB 12.50|ESP7.50|"}));
  const std::string journal = folder_.read("W_CAI028.WDO");
  const std::string details = folder_.read("W_FIJO33.WDO");
  open_sales_journal(ctx_);
  for (std::int64_t n = 1; n <= 9; ++n) {
    read_journal_record(ctx_, n);
    resolve_payment_detail(ctx_);
  }
  scan_journal(*ctx_.slots().get(kJournalSlot), [&](const JournalView& v) {
    resolve_payment_detail(ctx_, v.payment_detail());
  });
  EXPECT_EQ(folder_.read("W_CAI028.WDO"), journal);
  EXPECT_EQ(folder_.read("W_FIJO33.WDO"), details);
}

TEST_F(SalesJournalTest, JournalRecordFieldsDecode) {
  const Record r = fixtures::journal_record(
      {"11-12-2026", "09:41", 12.34, "CB ", 'T', "CB 12.34|", 77, "0107xyz"});
  const JournalRecord j = decode_journal_record(r);
  EXPECT_EQ(j.date_text, "11-12-2026");
  EXPECT_EQ(j.time_text, "09:41");
  EXPECT_EQ(j.amount, 12.34);
  EXPECT_EQ(j.kind_code, "CB ");
  EXPECT_EQ(j.record_type, 'T');
  EXPECT_EQ(j.payment_detail, "CB 12.34|" + std::string(19, ' '));
  EXPECT_EQ(j.record_count, 77);
  EXPECT_EQ(j.station_text, "0107xyz" + std::string(49, ' '));
  EXPECT_EQ(register_number(j.station_text), 7);
}

TEST_F(SalesJournalTest, JournalFieldsLieAtTheirBytes) {
  Record r(kJournalRecordLength, '\0');
  r.replace(0, 15, "11-12-202609:41");
  r.replace(86, 4, "CHQT");
  r.replace(90, 9, "CHQ30.00|");
  r.replace(126, 4, "0112");
  const unsigned char amount_bytes[8] = {0, 0, 0, 0, 0, 0, 0x3E, 0x40};  // 30.0
  r.replace(74, 8, reinterpret_cast<const char*>(amount_bytes), 8);
  r.replace(118, 4, std::string("\x01\x02\x00\x00", 4));
  const JournalRecord j = decode_journal_record(r);
  EXPECT_EQ(j.date_text, "11-12-2026");
  EXPECT_EQ(j.time_text, "09:41");
  EXPECT_EQ(j.amount, 30.0);
  EXPECT_EQ(j.kind_code, "CHQ");
  EXPECT_EQ(j.record_type, 'T');
  EXPECT_EQ(j.payment_detail.substr(0, 9), "CHQ30.00|");
  EXPECT_EQ(j.record_count, 0x0201);
  EXPECT_EQ(register_number(j.station_text), 12);
  // The fixture writer puts the same fields at the same bytes.
  const Record written = fixtures::journal_record(
      {"11-12-2026", "09:41", 30.0, "CHQ", 'T', "CHQ30.00|", 0x0201, "0112"});
  for (const auto& [offset, width] :
       {std::pair<std::size_t, std::size_t>{0, 15},
        {74, 8},
        {86, 13},
        {118, 4},
        {126, 4}}) {
    EXPECT_EQ(written.substr(offset, width), r.substr(offset, width)) << offset;
  }
}

TEST_F(SalesJournalTest, ReadingARecordFillsTheCurrentJournalRecord) {
  write_journal({{"11-12-2026", "10:05", 12.5, 3, "CB ", "", {}}});
  open_sales_journal(ctx_);
  EXPECT_EQ(journal_record_count(ctx_), 1);
  EXPECT_EQ(read_journal_record(ctx_, 2).amount, 12.5);
  EXPECT_EQ(ctx_.journal_record.size(), kJournalRecordLength);
  EXPECT_EQ(read_journal_record(ctx_, 50).record_type, '\0');
  EXPECT_EQ(ctx_.journal_record, Record(kJournalRecordLength, '\0'));
}

TEST_F(SalesJournalTest, OddAmountsDecodeWithoutHarm) {
  const double kAmounts[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::denorm_min()};
  for (double amount : kAmounts) {
    Record r = fixtures::journal_record({});
    set_double(r, journal::amount, amount);
    const double got = decode_journal_record(r).amount;
    EXPECT_TRUE(std::isnan(amount) ? std::isnan(got) : got == amount);
  }
}

TEST(RegisterNumberTest, CharactersThreeAndFourNameTheRegister) {
  const struct {
    std::string_view station_text;
    int expected;
  } kCases[] = {
      {"0107", 7},
      {"XX07", 7},
      {"0116", 16},
      {"0117", 0},
      {"0199", 0},
      {"0100", 0},
      {"01 5", 5},
      {"015x", 5},
      {"01-1", 0},
      {"01ab", 0},
      {"01", 0},
      {"", 0},
      {std::string_view("\0\0\0\0", 4), 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(register_number(c.station_text), c.expected) << c.station_text;
  }
}

TEST(MinuteOfDayTest, HoursAndMinutesFromTheirCharacters) {
  const struct {
    std::string_view time_text;
    int expected;
  } kCases[] = {{"10:05", 605}, {"00:00", 0}, {"23:59", 1439}, {" 9:5 ", 545},
                {"ab:cd", 0},   {"", 0},      {"25:70", 1570}};
  for (const auto& c : kCases) {
    EXPECT_EQ(minute_of_day(c.time_text), c.expected) << c.time_text;
  }
}

TEST(DateKeyTest, YearMonthDayTakenByPosition) {
  const struct {
    std::string_view date;
    std::string_view key;
  } kCases[] = {{"05-11-2017", "20171105"},
                {"31-12-2017", "20171231"},
                {"5-11-2017", "20171-5-"},
                {"", ""},
                {"2017", "2017720"}};
  for (const auto& c : kCases) EXPECT_EQ(date_key(c.date), c.key) << c.date;
  EXPECT_LT(date_key("31-12-2017"), date_key("01-01-2018"));
}

TEST_F(SalesJournalTest, PaymentDetailsResolveThroughTheLongDetailFile) {
  std::vector<std::string> details(14);
  details[0] = "CHQ30.00|";
  details[2] = "TIR9.00|";
  details[12] = "  CB 12.50|ESP7.50|  ";
  ASSERT_TRUE(
      fixtures::write_long_details(folder_.file("W_FIJO33.WDO"), details));
  const auto padded = [](std::string_view s) {
    std::string out(s);
    out.resize(journal::payment_detail.width, ' ');
    return out;
  };
  const struct {
    std::string_view payment_detail;
    std::string expected;
  } kCases[] = {
      {"CB 12.50|", padded("CB 12.50|")},
      {"##FICA:12", "CB 12.50|ESP7.50|"},
      {"##FICA: 12   ", "CB 12.50|ESP7.50|"},
      {"##FICA:", "CHQ30.00|"},
      {"##FICA:abc", "CHQ30.00|"},
      {"##FICA:2.5", "TIR9.00|"},  // halves to even
      {"##fica:12", padded("##fica:12")},
      {"#FICA:12", padded("#FICA:12")},
      {"##FICA:500", std::string(200, '\0')},
      {"##FICA:-3", std::string(200, '\0')},
      {"##FICA:99999999999999999999", std::string(200, '\0')},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(resolve_payment_detail(ctx_, padded(c.payment_detail)),
              c.expected)
        << c.payment_detail;
    EXPECT_FALSE(ctx_.slots().is_open(kLongDetailSlot));
  }
}

TEST_F(SalesJournalTest, CurrentRecordReferenceResolvesFromAMissingFile) {
  ctx_.journal_record = fixtures::journal_record(
      {"11-12-2026", "10:00", 1, "#M#", 'T', "##FICA:4", 0, "0101"});
  EXPECT_EQ(resolve_payment_detail(ctx_), std::string(200, '\0'));
  EXPECT_TRUE(folder_.exists("W_FIJO33.WDO"));
  EXPECT_EQ(folder_.read("W_FIJO33.WDO"), "");
  ctx_.journal_record.clear();
  EXPECT_EQ(resolve_payment_detail(ctx_), std::string(28, '\0'));
}

TEST_F(SalesJournalTest, JournalOpenedByPathIsNeverCreated) {
  folder_.write("AFILE", "x");
  const std::string kPaths[] = {
      folder_.file("DIST01/W_CAI028.WDO"),  // missing folder
      folder_.file("AFILE/W_CAI028.WDO"),   // a file, not a folder
      folder_.file("W_CAI028.WDO"),         // missing journal
      folder_.path(),                       // a folder, not a journal
  };
  for (const std::string& path : kPaths) {
    RecordFile& journal = open_journal_file(ctx_, kJournalSlot, path);
    EXPECT_EQ(journal_record_count(ctx_), 0) << path;
    EXPECT_EQ(scan_journal(journal, [](const JournalView&) {}).visited, 0);
  }
  EXPECT_FALSE(folder_.exists("W_CAI028.WDO"));
  EXPECT_FALSE(folder_.exists("DIST01"));
}

}  // namespace
}  // namespace mdc::data
