#include "monitors/core/period.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data/record_layout.h"
#include "data/sales_journal.h"
#include "data/settings.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"

namespace mdc::monitors {
namespace {

using namespace std::chrono;
using data::CalendarDate;

// Collects the messages a check shows, in order.
struct Messages {
  std::vector<std::string> shown;
  data::ShowMessage sink() {
    return [this](const std::string& m) { shown.push_back(m); };
  }
};

TEST(ControleDate, TypedDatesAreNormalisedOrReplacedByToday) {
  const CalendarDate today = 2020y / June / 15;
  const struct {
    std::string typed;
    const char* box;    // the end box after the check
    std::optional<std::string> wrong;  // the text named by the message
  } kCases[] = {
      {"1/5/2020", "15-06-2020", "15-20-2020"},  // read as day 15, month 20
      {"010520", "01-05-2020", std::nullopt},
      {"010521", "01-05-1921", std::nullopt},
      {"01052020", "01-05-2020", std::nullopt},
      {"01-05-2020", "01-05-2020", std::nullopt},
      {"01/05/2020", "01-05-2020", std::nullopt},
      {"  01 05 2020 ", "01-05-2020", std::nullopt},
      {"01-05-2020abc", "01-05-2020", std::nullopt},
      {"00-05-2020", "15-06-2020", std::nullopt},
      {"31-04-2020", "15-06-2020", "31-04-2020"},
      {"29-02-2021", "15-06-2020", "29-02-2021"},
      {"01-01-2041", "15-06-2020", "01-01-2041"},
      {"29-02-2020", "29-02-2020", std::nullopt},
      {"29-02-1900", "29-02-1900", std::nullopt},  // every fourth year has 29 February
      {"", "15-06-2020", std::nullopt},
      {"abc", "15-06-2020", std::nullopt},
      {"\xEF\xBC\x92\xEF\xBC\x90 \xE6\x97\xA5\xF0\x9F\x98\x80", "15-06-2020",
       std::nullopt},  // full-width digits, CJK and an emoji: no digit at all
      {std::string(100, '7'), "15-06-2020", std::string(100, '7')},
      {"0110512020", "15-06-2020", "0110512020"},  // digits only, no dashes
  };
  for (const auto& c : kCases) {
    Messages messages;
    PeriodTexts boxes{"01-01-1900", c.typed};
    const std::string marks = controle_date(boxes, today, messages.sink());
    EXPECT_EQ(boxes.end, c.box) << c.typed;
    EXPECT_EQ(boxes.start, "01-01-1900") << c.typed;
    if (c.wrong) {
      EXPECT_EQ(marks, "2") << c.typed;
      ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
      EXPECT_EQ(messages.shown[0], data::wrong_date_message(*c.wrong));
    } else {
      EXPECT_EQ(marks, "") << c.typed;
      EXPECT_TRUE(messages.shown.empty()) << c.typed;
    }
  }
}

TEST(ControleDate, AnEndBeforeTheStartBringsTheStartToIt) {
  Messages messages;
  PeriodTexts boxes{"10-05-2020", "01-05-2020"};
  EXPECT_EQ(controle_date(boxes, 2020y / June / 15, messages.sink()), "");
  EXPECT_EQ(boxes, (PeriodTexts{"01-05-2020", "01-05-2020"}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST(ControleDate, TwoWrongDatesGiveTwoMessagesTheStartFirst) {
  Messages messages;
  PeriodTexts boxes{"31-04-2020", "32-05-2020"};
  EXPECT_EQ(controle_date(boxes, 2020y / June / 15, messages.sink()), "12");
  EXPECT_EQ(boxes, (PeriodTexts{"15-06-2020", "15-06-2020"}));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0], data::wrong_date_message("31-04-2020"));
  EXPECT_EQ(messages.shown[1], data::wrong_date_message("32-05-2020"));
}

TEST(ControleDate, AReplacedStartStillComparesAsTyped) {
  // 31-04-2020 stands for 1 May 2020, later than the end: the start takes
  // the end's text rather than today.
  Messages messages;
  PeriodTexts boxes{"31-04-2020", "20-04-2020"};
  EXPECT_EQ(controle_date(boxes, 2020y / June / 15, messages.sink()), "1");
  EXPECT_EQ(boxes, (PeriodTexts{"20-04-2020", "20-04-2020"}));
}

TEST(Presets, DatesFollowTheCalendarOfToday) {
  const struct {
    CalendarDate today;
    Preset preset;
    PeriodTexts expected;
  } kCases[] = {
      // Monday 7 December 2026.
      {2026y / December / 7, Preset::kYesterday, {"06-12-2026", "06-12-2026"}},
      {2026y / December / 7, Preset::kToday, {"07-12-2026", "07-12-2026"}},
      {2026y / December / 7, Preset::kLastWeek, {"30-11-2026", "06-12-2026"}},
      {2026y / December / 7, Preset::kThisWeek, {"07-12-2026", "13-12-2026"}},
      // Sunday 13 December 2026.
      {2026y / December / 13, Preset::kLastWeek, {"30-11-2026", "06-12-2026"}},
      {2026y / December / 13, Preset::kThisWeek, {"07-12-2026", "13-12-2026"}},
      // Across the turn of a year.
      {2027y / January / 1, Preset::kYesterday, {"31-12-2026", "31-12-2026"}},
      {2027y / January / 3, Preset::kThisWeek, {"28-12-2026", "03-01-2027"}},
      {2024y / March / 1, Preset::kYesterday, {"29-02-2024", "29-02-2024"}},
      // The previous calendar year, late December included.
      {2026y / December / 11, Preset::kLastYear, {"01-01-2025", "31-12-2025"}},
      {2026y / December / 26, Preset::kLastYear, {"01-01-2025", "31-12-2025"}},
      {2026y / December / 27, Preset::kLastYear, {"01-01-2026", "31-12-2026"}},
      {2024y / December / 25, Preset::kLastYear, {"01-01-2023", "31-12-2023"}},
      {2024y / December / 26, Preset::kLastYear, {"01-01-2024", "31-12-2024"}},
      {2027y / January / 1, Preset::kLastYear, {"01-01-2026", "31-12-2026"}},
      {2026y / December / 27, Preset::kThisYear, {"01-01-2026", "31-12-2026"}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(preset_period(c.preset, c.today), c.expected)
        << data::format_date(c.today) << " preset " << static_cast<int>(c.preset);
  }
}

TEST(Presets, YearCaptionsFollowTheirDates) {
  const struct {
    CalendarDate today;
    const char* last_year;
    const char* this_year;
  } kCases[] = {
      {2026y / December / 26, "2025", "2026"},
      {2026y / December / 27, "2026", "2026"},  // 360 days back is this year
      {2026y / January / 1, "2025", "2026"},
      {2024y / December / 31, "2024", "2024"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(preset_caption(Preset::kLastYear, c.today), c.last_year);
    EXPECT_EQ(preset_caption(Preset::kThisYear, c.today), c.this_year);
  }
  EXPECT_EQ(preset_caption(Preset::kLastWeek, 2026y / May / 1),
            "La Semaine Dernière");
}

TEST(MonthPeriod, CoversTheWholeMonthOfTheListedYear) {
  const struct {
    int month;
    const char* year;
    PeriodTexts expected;
  } kCases[] = {
      {2, "2024", {"01-02-2024", "29-02-2024"}},
      {2, "2023", {"01-02-2023", "28-02-2023"}},
      {4, "2023", {"01-04-2023", "30-04-2023"}},
      {12, "2015", {"01-12-2015", "31-12-2015"}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(month_period(c.month, c.year), c.expected)
        << c.month << " " << c.year;
  }
}

// A data folder with its register settings file open, as after start-up.
class StoredPeriod : public ::testing::Test {
 protected:
  StoredPeriod() { data::open_register_settings(ctx_); }

  test::TempFolder folder_;
  platform::FakeEnv env_{{2026, 12, 11, 10, 0, 0}};
  data::Context ctx_{env_, folder_.path()};
};

TEST_F(StoredPeriod, RoundTripsThroughRecord40) {
  EXPECT_EQ(load_stored_period(ctx_), (PeriodTexts{"", ""}));  // never written
  ASSERT_TRUE(store_period(ctx_, "01-05-202031-05-2020"));
  EXPECT_EQ(load_stored_period(ctx_), (PeriodTexts{"01-05-2020", "31-05-2020"}));
  const std::string file = folder_.read("w_cai020.wdo");
  ASSERT_EQ(file.size(), 40 * data::kRegisterSettingsRecordLength);
  EXPECT_EQ(file.substr(39 * 20), "01-05-202031-05-2020");
  EXPECT_EQ(file.substr(0, 39 * 20).find_first_not_of('\0'), std::string::npos);
}

TEST_F(StoredPeriod, TextOutsideTheCodePageIsStoredAsQuestionMarks) {
  ASSERT_TRUE(store_period(ctx_, "d\xC3\xA9" "but \xE6\x97\xA5\xF0\x9F\x98\x80"));
  const data::Record stored =
      data::read_register_setting(ctx_, data::kChosenPeriodRecord);
  EXPECT_EQ(stored, "d\xE9" "but ??            ");
}

TEST_F(StoredPeriod, RandomBytesLoadAsTextThatValidationReplaces) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 50; ++round) {
    data::Record bytes(data::kRegisterSettingsRecordLength, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    ASSERT_TRUE(ctx_.slots().get(data::kRegisterSettingsSlot)->write(40, bytes));
    PeriodTexts boxes = load_stored_period(ctx_);
    for (const std::string* box : {&boxes.start, &boxes.end}) {
      for (const char c : *box) {
        EXPECT_GE(static_cast<unsigned char>(c), 0x20u);  // no control bytes
      }
    }
    controle_date(boxes, 2026y / December / 11, nullptr);
    EXPECT_TRUE(data::date_is_valid(boxes.start)) << boxes.start;
    EXPECT_TRUE(data::date_is_valid(boxes.end)) << boxes.end;
  }
}

TEST_F(StoredPeriod, AFailedWriteIsReported) {
  env_.fail_write(1);
  EXPECT_FALSE(store_period(ctx_, "01-05-202031-05-2020"));
}

// The date of the local journal's first record, with the header's count.
void write_journal(const test::TempFolder& folder, int count,
                   const std::vector<std::string>& dates) {
  std::string file;
  data::Record header(data::kJournalRecordLength, ' ');
  data::set_int32(header, data::journal::record_count, count);
  file += header;
  for (const std::string& date : dates) {
    data::Record r(data::kJournalRecordLength, ' ');
    data::set_text(r, data::journal::date_text, date);
    file += r;
  }
  folder.write("W_CAI028.WDO", file);
}

TEST_F(StoredPeriod, EverythingStartsAtTheFirstJournalRecord) {
  write_journal(folder_, 2, {"03-01-2019", "04-01-2019"});
  EXPECT_EQ(first_journal_date(ctx_), "03-01-2019");
}

TEST_F(StoredPeriod, EverythingOnAnEmptyJournalStartsBlank) {
  write_journal(folder_, 0, {});
  EXPECT_EQ(first_journal_date(ctx_), "");
  PeriodTexts boxes{first_journal_date(ctx_),
                    data::format_date(2026y / December / 11)};
  Messages messages;
  controle_date(boxes, 2026y / December / 11, messages.sink());
  EXPECT_EQ(boxes.start, "11-12-2026");
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace mdc::monitors
