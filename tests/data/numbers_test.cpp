#include "data/numbers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace mdc::data {
namespace {

TEST(ParseNumber, ReadsTheLeadingNumber) {
  const struct {
    const char* text;
    double expected;
  } kCases[] = {
      {"", 0},          {"   ", 0},       {"abc", 0},        {"12", 12},
      {"  12", 12},     {"12abc", 12},    {"-1", -1},        {"+3", 3},
      {"- 4", -4},      {"1.5", 1.5},     {"1.5.6", 1.5},    {".5", 0.5},
      {"1,5", 1},       {"1E2", 100},     {"1e2", 100},      {"2E-1", 0.2},
      {"3E", 3},        {"3Ex", 3},       {"1 ", 1},         {" 1", 1},
      {"x1", 0},        {"-", 0},         {".", 0},          {"1E999", 0},
      {"00012.50", 12.5},
  };
  for (const auto& c : kCases) {
    EXPECT_DOUBLE_EQ(parse_number(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseNumber, HundredDigitsDoNotOverflowTheReader) {
  EXPECT_DOUBLE_EQ(parse_number(std::string(100, '9')), 1e100);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    std::int64_t expected;
  } kCases[] = {{2.5, 2},  {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},
                {1.5, 2},  {2.4999, 2}, {2.5001, 3}, {0, 0},   {-0.4, 0}};
  for (const auto& c : kCases) {
    EXPECT_EQ(round_half_even(c.value), c.expected) << c.value;
  }
  EXPECT_EQ(round_half_even(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(round_half_even(std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(to_int16(40000), 32767);
  EXPECT_EQ(to_int16(-40000), -32768);
  EXPECT_EQ(to_int16(-1), -1);
}

TEST(FormatAmount, FollowsTheNumberFormat) {
  const struct {
    double value;
    const char* format;
    char separator;
    const char* expected;
  } kCases[] = {
      {12.5, "0.00", ',', "12,50"},
      {12.5, "0.00", '.', "12.50"},
      {0.004, "0.00", ',', "0,00"},
      {0.005, "0.00", ',', "0,01"},
      {2.675, "0.00", '.', "2.68"},      // read at 15 digits, half away from zero
      {1.005, "0.00", '.', "1.01"},
      {-2.675, "0.00", '.', "-2.68"},
      {-0.001, "0.00", '.', "0.00"},     // no minus on a shown zero
      {0.1 + 0.2, "0.00", '.', "0.30"},
      {9.999, "0.00", '.', "10.00"},
      {1234567.891, "#,##0.00", ',', "1 234 567,89"},
      {1234567.891, "#,##0.00", '.', "1,234,567.89"},
      {999.5, "#,##0", '.', "1,000"},
      {12.3456, "0.000", ',', "12,346"},
      {12.5, "0", ',', "13"},
      {0.5, "#.##", '.', ".5"},
      {3, "0.##", '.', "3"},
      {7, "00", '.', "07"},
      {12.5, "0.00 \"EUR\"", ',', "12,50 EUR"},
      {-5, "0.00;(0.00)", '.', "(5.00)"},
      {1e15, "0", '.', "1000000000000000"},
      {0, "0.00", ',', "0,00"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(format_amount(c.value, c.format, c.separator), c.expected)
        << c.value << " with " << c.format;
  }
}

TEST(FormatAmount, NonFiniteAmountsShowNothing) {
  EXPECT_EQ(format_amount(std::numeric_limits<double>::quiet_NaN(), "0.00", ','), "");
  EXPECT_EQ(format_amount(std::numeric_limits<double>::infinity(), "0.00", ','), "");
}

TEST(ReadShownFigure, ReadsWhatWasShown) {
  const struct {
    const char* shown;
    char separator;
    double expected;
  } kCases[] = {
      {"", ',', 0},          {"0,50", ',', 0.5},     {"0.50", '.', 0.5},
      {"0,00", ',', 0},      {"1 234,56", ',', 1234.56},
      {"1,234.56", '.', 1234.56},                    {"-3,20", ',', -3.2},
      {"12", ',', 12},       {"12,50 EUR", ',', 12.5},
  };
  for (const auto& c : kCases) {
    EXPECT_DOUBLE_EQ(read_shown_figure(c.shown, c.separator), c.expected)
        << '"' << c.shown << '"';
  }
  // A figure reads 0 exactly when it shows zero at its format's precision.
  EXPECT_EQ(read_shown_figure(format_amount(0.004, "0.00", ','), ','), 0);
  EXPECT_EQ(read_shown_figure(format_amount(0.5, "0.00", ','), ','), 0.5);
}

}  // namespace
}  // namespace mdc::data
