#include "data/dates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mdc::data {
namespace {

using namespace std::chrono;

TEST(CarriedDate, OverflowGoesIntoTheNextOrPreviousMonthOrYear) {
  const struct {
    const char* text;
    CalendarDate expected;
  } kCases[] = {
      {"15-05-2020", 2020y / May / 15},
      {"32-01-2020", 2020y / February / 1},
      {"01-13-2020", 2021y / January / 1},
      {"01-00-2020", 2019y / December / 1},
      {"00-03-2020", 2020y / February / 29},   // day 0: last of the month before
      {"00-03-2021", 2021y / February / 28},
      {"99-99-9999", CalendarDate{sys_days{10007y / March / 1} + days{98}}},
      {"", CalendarDate{sys_days{year{0} / January / 1} - days{32}}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(carried_date(c.text), c.expected) << c.text;
  }
}

TEST(NormaliseDate, SixDigitsTakeTheCenturyOfTodayUnlessTheYearIsLater) {
  const struct {
    const char* typed;
    CalendarDate today;
    const char* expected;
  } kCases[] = {
      {"010520", 2020y / June / 1, "01-05-2020"},
      {"010521", 2020y / June / 1, "01-05-1921"},
      {"010521", 2026y / June / 1, "01-05-2021"},
      {"010526", 2026y / June / 1, "01-05-2026"},
      {"010527", 2026y / June / 1, "01-05-1927"},
      {"311299", 2026y / June / 1, "31-12-1999"},
      {"010100", 2026y / June / 1, "01-01-2000"},
      {"010199", 2100y / June / 1, "01-01-2099"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(normalise_date(c.typed, c.today).text, c.expected)
        << c.typed << " on " << format_date(c.today);
  }
}

TEST(NormaliseDate, GivesTheValueOfTheTextItReturns) {
  const CalendarDate today = 2026y / December / 11;
  EXPECT_EQ(normalise_date("31/04/2020", today).value, 2020y / May / 1);
  EXPECT_EQ(normalise_date("", today).value, today);
  EXPECT_EQ(normalise_date(std::string(100, '9'), today).text,
            std::string(100, '9'));
}

TEST(DateIsValid, WantsTheFullFormAndARealDay) {
  const struct {
    const char* text;
    bool valid;
  } kCases[] = {
      {"01-01-1900", true},  {"31-12-2040", true},  {"31-12-1899", false},
      {"01-01-2041", false}, {"29-02-2000", true},  {"29-02-2100", false},
      {"29-02-1900", true}, {"31-06-2020", false}, {"00-01-2020", false},
      {"0110512020", false},  // the right digits at the right places, no dashes
      {"1-05-2020", false},  {"01-05-20201", false}, {"+1-05-2020", false},
      {"", false},           {"01.05.2020", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(date_is_valid(c.text), c.valid) << c.text;
  }
}

TEST(VerifieDate, ShowsTheWrongTextBetweenApostrophes) {
  std::vector<std::string> shown;
  const ShowMessage show = [&](const std::string& m) { shown.push_back(m); };
  EXPECT_TRUE(verifie_date("01-05-2020", show));
  EXPECT_TRUE(shown.empty());
  EXPECT_FALSE(verifie_date("31-04-2020", show));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "La date \r\n' 31-04-2020 '\r\n saisie est incorrecte !");
  EXPECT_FALSE(verifie_date("x", nullptr));  // no one to tell: still false
}

TEST(CalendarArithmetic, MondaysAndMonthEnds) {
  EXPECT_EQ(monday_on_or_before(2026y / December / 7), 2026y / December / 7);
  EXPECT_EQ(monday_on_or_before(2026y / December / 13), 2026y / December / 7);
  EXPECT_EQ(monday_on_or_before(2027y / January / 2), 2026y / December / 28);
  EXPECT_EQ(last_day_of_month(2024y, February), 29u);
  EXPECT_EQ(last_day_of_month(2100y, February), 28u);
  EXPECT_EQ(format_date(2026y / March / 5), "05-03-2026");
}

}  // namespace
}  // namespace mdc::data
