#include "monitors/core/live_figures.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "data/sales_journal.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::monitors {
namespace {

using fixtures::Ticket;

constexpr const char* kDay = "11-12-2026";
constexpr const char* kDayBefore = "10-12-2026";

// A ticket paid in cash, without sale lines.
Ticket tk(const char* date, const char* time, double amount, int station) {
  Ticket t;
  t.date = date;
  t.time = time;
  t.amount = amount;
  t.station = station;
  return t;
}

class LiveFiguresTest : public ::testing::Test {
 protected:
  std::string journal_path() const { return folder_.file("W_CAI028.WDO"); }

  void write_tickets(const std::vector<Ticket>& tickets) {
    ASSERT_TRUE(fixtures::write_journal(journal_path(), tickets));
  }

  // A refresh of `shown` for a window loaded on kDay.
  LiveFigures refresh(const std::string& shown, double base = 1000) {
    LiveQuery query;
    query.shown_date = shown;
    query.load_day = kDay;
    query.load_day_start = find_local_start_record(ctx_, kDay);
    query.daily_base = base;
    return compute_live_figures(ctx_, query, {});
  }

  test::TempFolder folder_;
  platform::FakeEnv env_{{2026, 12, 11, 14, 5, 30}};
  data::Context ctx_{env_, folder_.path(), ','};
};

TEST(TicketMinuteTest, MinuteOfTheDayOrNoneOutsideTheDay) {
  const struct {
    const char* time;
    int minute;
  } kCases[] = {
      {"00:00", 0},  {"23:59", 1439}, {"12:30", 750}, {"9:05 ", 545},
      {"24:00", -1}, {"10:60", -1},   {"-1:05", -1},  {"99:99", -1},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ticket_minute(c.time), c.minute) << c.time;
  }
}

TEST(MinuteTakingsTest, RoundsAfterEveryTicketHalvesToEven) {
  MinuteTakings takings;
  ASSERT_TRUE(takings.add("10:15", 10.50));
  EXPECT_EQ(takings.at(615), 10);
  ASSERT_TRUE(takings.add("10:15", 10.49));
  EXPECT_EQ(takings.at(615), 20);
  EXPECT_FALSE(takings.add("25:00", 5));
  // Takings beyond 32 bits stay at its end instead of wrapping.
  takings.add("00:00", 1e12);
  takings.add("00:00", 1e12);
  EXPECT_EQ(takings.at(0), std::numeric_limits<std::int32_t>::max());
}

TEST_F(LiveFiguresTest, StationRowsOfTheShownDay) {
  write_tickets({
      tk(kDay, "08:05", 12.50, 1),
      tk(kDay, "09:10", 7.50, 1),
      tk(kDay, "09:30", 20.00, 0),
      tk(kDayBefore, "09:30", 500.00, 1),  // another day
      tk(kDay, "10:00", 10.00, 17),        // above 16: the server
  });
  const LiveFigures f = refresh(kDay);
  EXPECT_EQ(f.local[1].amount, "20,00");
  EXPECT_EQ(f.local[1].first_time, "08:05");
  EXPECT_EQ(f.local[1].last_time, "09:10");
  EXPECT_EQ(f.local[1].count, "2");
  EXPECT_EQ(f.local[1].average, "10,00 ");
  EXPECT_EQ(f.local[1].share, "40,00  % ");
  EXPECT_EQ(f.local[0].amount, "30,00");
  EXPECT_EQ(f.local[0].count, "2");
  EXPECT_EQ(f.local[0].share, "60,00  % ");
  // A station without tickets shows nothing at all.
  EXPECT_EQ(f.local[2].amount, "");
  EXPECT_EQ(f.local[2].count, "");
  EXPECT_EQ(f.local[2].average, "");
  EXPECT_EQ(f.local[2].share, "");
  EXPECT_EQ(f.grand_total_text, "50,00 ");
  EXPECT_EQ(f.refresh_time, "14:05");
}

TEST_F(LiveFiguresTest, OnlyTicketRecordsCount) {
  Ticket ticket{kDay, "11:00", 30.0, 3, "ESP", "", {{'A', 30.0}}};
  std::vector<data::Record> records = fixtures::journal_records({ticket});
  // A record of another letter on the same day, with an amount.
  records.push_back(fixtures::journal_record(
      {kDay, "11:01", 99.0, "ESP", 'X', "", 0, fixtures::station_text(3)}));
  ASSERT_TRUE(fixtures::write_journal_records(journal_path(), records));
  const LiveFigures f = refresh(kDay);
  EXPECT_EQ(f.local[3].amount, "30,00");
  EXPECT_EQ(f.local[3].count, "1");
  EXPECT_EQ(f.grand_total_text, "30,00 ");
}

TEST_F(LiveFiguresTest, StationNumbersOutOfRangeCountUnderTheServer) {
  std::vector<data::Record> records;
  for (const char* station : {"0117", "0199", "01-3"}) {
    records.push_back(fixtures::journal_record(
        {kDay, "12:00", 1.0, "ESP", 'T', "", 0, station}));
  }
  ASSERT_TRUE(fixtures::write_journal_records(journal_path(), records));
  const LiveFigures f = refresh(kDay);
  EXPECT_EQ(f.local[0].count, "3");
  EXPECT_EQ(f.local[0].amount, "3,00");
}

TEST_F(LiveFiguresTest, SmallTotalsShowWhenTheyShowAsAFigure) {
  write_tickets({tk(kDay, "10:00", 0.50, 1), tk(kDay, "10:00", 0.004, 2)});
  const LiveFigures f = refresh(kDay);
  EXPECT_EQ(f.local[1].amount, "0,50");
  EXPECT_EQ(f.local[1].share, "99,21  % ");
  EXPECT_EQ(f.local[2].amount, "");  // 0.004 shows 0,00
  EXPECT_EQ(f.local[2].count, "1");
}

TEST_F(LiveFiguresTest, ADaySummingToZeroShowsNoShares) {
  const struct {
    const char* name;
    std::vector<double> amounts;
  } kCases[] = {
      {"exact zero", {10.00, -10.00}},
      // 0.1 + 0.2 - 0.3 is 5.55e-17 in binary: still a day of zero.
      {"zero at the cents", {0.10, 0.20, -0.30}},
  };
  for (const auto& c : kCases) {
    std::vector<Ticket> tickets;
    for (double a : c.amounts) tickets.push_back(tk(kDay, "10:00", a, 1));
    write_tickets(tickets);
    const LiveFigures f = refresh(kDay);
    for (int s = 0; s < kLocalRows; ++s) {
      const FigureRow& row = f.local[static_cast<std::size_t>(s)];
      EXPECT_EQ(row.amount, "") << c.name << " row " << s;
      EXPECT_EQ(row.first_time, "") << c.name << " row " << s;
      EXPECT_EQ(row.last_time, "") << c.name << " row " << s;
      EXPECT_EQ(row.count, "") << c.name << " row " << s;
      EXPECT_EQ(row.average, "") << c.name << " row " << s;
      EXPECT_EQ(row.share, "") << c.name << " row " << s;
    }
  }
}

TEST_F(LiveFiguresTest, AnEmptyJournalGivesEmptyRowsAndAFlatGraph) {
  const LiveFigures f = refresh(kDay);
  for (const FigureRow& row : f.local) EXPECT_EQ(row.amount, "");
  for (const Bar& bar : f.bars) EXPECT_EQ(bar.top, graph::kBaseline);
  EXPECT_EQ(f.grand_total_text, "0,00 ");
}

TEST_F(LiveFiguresTest, BarsStandAtTheirMinuteAndAreCutAtThePicture) {
  write_tickets({
      tk(kDay, "00:00", 500.0, 1),   // half the base: 700 twips high
      tk(kDay, "23:59", 1000.0, 1),  // the whole base: 1400 twips
      tk(kDay, "12:00", 5000.0, 1),  // past the top
      tk(kDay, "12:01", -3000.0, 1), // a refund, past the bottom
  });
  const LiveFigures f = refresh(kDay, 1000);
  ASSERT_EQ(f.bars.size(), static_cast<std::size_t>(kMinutesPerDay));
  const struct {
    int minute;
    int left;
    int top;
  } kCases[] = {
      {0, 700, 800},
      {1439, 700 + 7 * 1439, 100},
      {720, 700 + 7 * 720, 0},
      {721, 700 + 7 * 721, graph::kHeight},
      {1, 707, graph::kBaseline},
  };
  for (const auto& c : kCases) {
    const Bar& bar = f.bars[static_cast<std::size_t>(c.minute)];
    EXPECT_EQ(bar.left, c.left) << c.minute;
    EXPECT_EQ(bar.right, c.left + graph::kBarWidth) << c.minute;
    EXPECT_EQ(bar.top, c.top) << c.minute;
  }
}

TEST(ScaleLabelsTest, FifthsOfTheBaseFromTheBaselineUp) {
  const auto labels = scale_labels(1000);
  const char* kTexts[] = {"0", "200", "400", "600", "800", "1000"};
  for (int k = 0; k < graph::kScaleLabels; ++k) {
    EXPECT_EQ(labels[static_cast<std::size_t>(k)].text, kTexts[k]);
    EXPECT_EQ(labels[static_cast<std::size_t>(k)].top, 1500 - 280 * k);
  }
  EXPECT_EQ(scale_labels(50)[1].text, "10");
}

TEST_F(LiveFiguresTest, EveryTicketOfAnotherShownDayCounts) {
  // Day before first, then the load day: the load day's start record lies
  // past every ticket of the day before.
  write_tickets({
      tk(kDayBefore, "09:00", 11.0, 2),
      tk(kDayBefore, "18:00", 22.0, 2),
      tk(kDay, "08:00", 5.0, 2),
      tk(kDay, "09:00", 6.0, 2),
  });
  EXPECT_EQ(find_local_start_record(ctx_, kDay), 4);
  EXPECT_EQ(find_local_start_record(ctx_, "01-01-2000"), 2);

  const LiveFigures load_day = refresh(kDay);
  EXPECT_EQ(load_day.scan_start, 4);
  EXPECT_EQ(load_day.records_scanned, 2);
  EXPECT_EQ(load_day.local[2].amount, "11,00");

  const LiveFigures before = refresh(kDayBefore);
  EXPECT_EQ(before.scan_start, 2);
  EXPECT_EQ(before.local[2].amount, "33,00");
  EXPECT_EQ(before.local[2].first_time, "09:00");
  EXPECT_EQ(before.local[2].last_time, "18:00");
}

TEST_F(LiveFiguresTest, DamagedJournalsGiveFiguresAndAreNeverWritten) {
  std::mt19937 random(7);
  std::string noise(192 * 40 + 17, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  std::string huge_count = fixtures::journal_header(
      std::numeric_limits<std::int32_t>::max());
  huge_count += fixtures::ticket_record(tk(kDay, "10:00", 4.0, 1));
  const struct {
    const char* name;
    std::string bytes;
  } kCases[] = {
      {"random bytes", noise},
      {"count past the end", huge_count},
      {"negative count",
       fixtures::journal_header(-5) +
           fixtures::ticket_record(tk(kDay, "10:00", 4.0, 1))},
      {"truncated header", std::string("\x01\x02", 2)},
  };
  for (const auto& c : kCases) {
    ASSERT_TRUE(fixtures::write_file_bytes(journal_path(), c.bytes));
    const LiveFigures f = refresh(kDay);
    EXPECT_EQ(fixtures::read_file_bytes(journal_path()), c.bytes) << c.name;
    EXPECT_EQ(f.bars.size(), static_cast<std::size_t>(kMinutesPerDay));
  }
  ASSERT_TRUE(fixtures::write_file_bytes(journal_path(), huge_count));
  EXPECT_EQ(refresh(kDay).local[1].amount, "4,00");
}

TEST(DailyBaseTest, LoadCommitAndRefresh) {
  const struct {
    const char* stored;
    const char* shown;
  } kAtLoad[] = {{"", "1000"},   {"0", "1000"},     {"abc", "1000"},
                 {"-5", "1000"}, {" 250 ", "250"}, {"50", "50"}};
  for (const auto& c : kAtLoad) {
    EXPECT_EQ(daily_base_at_load(c.stored), c.shown) << c.stored;
  }
  const struct {
    const char* typed;
    const char* stored;
  } kCommits[] = {{"50", "100"}, {"100", "100"}, {"2500", "2500"},
                  {"", "100"},   {"-900", "100"}};
  for (const auto& c : kCommits) {
    EXPECT_EQ(committed_daily_base(c.typed), c.stored) << c.typed;
  }
  const struct {
    const char* typed;
    double committed;
    double used;
  } kRefresh[] = {{"300", 750, 300}, {"", 750, 750}, {"0", 750, 750},
                  {"-20", 750, 750}, {"50", 750, 50}};
  for (const auto& c : kRefresh) {
    EXPECT_EQ(refresh_daily_base(c.typed, c.committed), c.used) << c.typed;
  }
}

TEST(StepDayTest, CalendarDaysBackAndForward) {
  const struct {
    const char* from;
    int days;
    const char* to;
  } kCases[] = {
      {"01-03-2024", -1, "29-02-2024"}, {"31-12-2023", 1, "01-01-2024"},
      {"28-02-2023", 1, "01-03-2023"},  {"01-01-2024", -1, "31-12-2023"},
      {"29-02-2024", 1, "01-03-2024"},  {"15-06-2026", 1, "16-06-2026"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(step_day(c.from, c.days), c.to) << c.from << " " << c.days;
  }
}

}  // namespace
}  // namespace mdc::monitors
