#include "data/settings.h"

#include <gtest/gtest.h>

#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"

namespace mdc::data {
namespace {

constexpr std::size_t kLength = kParameterRecordLength;

std::string padded(std::string_view text, std::size_t width = kLength) {
  std::string out(text);
  out.resize(width, ' ');
  return out;
}

// A parameter file with a valid header and the given records (1-based).
std::string parameter_file(std::initializer_list<std::pair<int, std::string_view>> records,
                           int count = 201) {
  std::string file = padded("#INIT#01-02-2020");
  file.resize(count * kLength, ' ');
  for (const auto& [n, text] : records) {
    file.replace((n - 1) * kLength, kLength, padded(text));
  }
  return file;
}

// A register settings file holding the given records.
std::string register_file(std::initializer_list<std::pair<int, std::string_view>> records) {
  std::string file;
  for (const auto& [n, text] : records) {
    if (file.size() < n * kLength) file.resize(n * kLength, ' ');
    file.replace((n - 1) * kLength, kLength, padded(text));
  }
  return file;
}

std::string switch_file(std::string_view header, std::string_view switches) {
  return padded(header, kSwitchHeaderWidth) + padded(switches, kSwitchStringWidth);
}

class SettingsTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  Context ctx_{env_, folder_.path()};

  std::string record(std::string_view file, int n) const {
    return folder_.read(file).substr((n - 1) * kLength, kLength);
  }
};

TEST_F(SettingsTest, NewParameterFileHoldsHeaderAndTwoHundredBlankRecords) {
  ensure_parameter_file(ctx_);
  load_colour_table(ctx_);
  const std::string file = folder_.read("WFICH142.WDO");
  ASSERT_EQ(file.size(), 4020u);
  EXPECT_EQ(file.substr(0, kLength), padded("#INIT#12-11-2026"));
  EXPECT_EQ(file.substr(kLength), std::string(200 * kLength, ' '));
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(ctx_.settings().colours.foreground[k], kColourNotSet) << k;
    EXPECT_EQ(ctx_.settings().colours.background[k], kColourNotSet) << k;
  }
  EXPECT_EQ(ctx_.settings().colours.foreground[0], 0);
  EXPECT_EQ(ctx_.settings().colours.background[10], 0);
}

TEST_F(SettingsTest, ColourRecordsGiveTheirNumberOnlyAfterThePrefix) {
  const struct {
    std::string_view text;
    std::int32_t colour;
  } kCases[] = {
      {"#I#255", 255},
      {"#I#", 0},             // prefix alone: black
      {"255", kColourNotSet},  // no prefix
      {"#i#255", kColourNotSet},
      {" #I#255", kColourNotSet},
      {"#I# 8421504", 8421504},
      {"#I#16777215xyz", 16777215},
      {"#I#1E3", 1000},
      {"#I#abc", 0},
      {"", kColourNotSet},
  };
  for (const auto& c : kCases) {
    folder_.write("WFICH142.WDO", parameter_file({{173, c.text}, {184, c.text}}));
    ensure_parameter_file(ctx_);
    load_colour_table(ctx_);
    EXPECT_EQ(ctx_.settings().colours.foreground[3], c.colour) << c.text;
    EXPECT_EQ(ctx_.settings().colours.background[4], c.colour) << c.text;
  }
}

TEST_F(SettingsTest, ColoursBeyondTheEndOfAShortFileAreNotSet) {
  folder_.write("WFICH142.WDO", parameter_file({{171, "#I#12"}}, 175));
  ensure_parameter_file(ctx_);
  load_colour_table(ctx_);
  EXPECT_EQ(ctx_.settings().colours.foreground[1], 12);
  EXPECT_EQ(ctx_.settings().colours.background[1], kColourNotSet);
}

TEST_F(SettingsTest, ForeignParameterFileIsReinitialisedAfterACopyIsKept) {
  // A marker in lower case is not the marker: colours and start command go.
  std::string foreign = parameter_file({{171, "#I#255"}, {195, "#MONICA#"}});
  foreign.replace(0, 6, "#init#");
  folder_.write("WFICH142.WDO", foreign);

  ensure_parameter_file(ctx_);
  load_colour_table(ctx_);

  EXPECT_EQ(folder_.read("WFICH142.WDO.bak"), foreign);
  EXPECT_EQ(record("WFICH142.WDO", 1), padded("#INIT#12-11-2026"));
  EXPECT_EQ(record("WFICH142.WDO", 195), padded(""));
  EXPECT_EQ(ctx_.settings().colours.foreground[1], kColourNotSet);
  EXPECT_EQ(read_start_command(ctx_), "");
}

TEST_F(SettingsTest, FailingCopyLeavesAForeignParameterFileUntouched) {
  const std::string foreign = "#init# do not lose me";
  folder_.write("WFICH142.WDO", foreign);
  env_.fail_write(1);  // the copy
  ensure_parameter_file(ctx_);
  EXPECT_EQ(folder_.read("WFICH142.WDO"), foreign);
  EXPECT_FALSE(folder_.exists("WFICH142.WDO.bak"));
}

TEST_F(SettingsTest, ValidParameterFileIsLeftAsItIs) {
  const std::string file = parameter_file({{171, "#I#255"}});
  folder_.write("WFICH142.WDO", file);
  ensure_parameter_file(ctx_);
  EXPECT_EQ(folder_.read("WFICH142.WDO"), file);
  EXPECT_FALSE(folder_.exists("WFICH142.WDO.bak"));
}

TEST_F(SettingsTest, StartCommandIsReadTrimmedAndBlankedWhateverItHolds) {
  const struct {
    std::string_view record;
    std::string_view command;
  } kCases[] = {
      {"#MONICA#", "#MONICA#"},
      {"  #POSTDIST#   ", "#POSTDIST#"},
      {"#monica#", "#monica#"},
      {"rubbish", "rubbish"},
      {"", ""},
  };
  for (const auto& c : kCases) {
    folder_.write("WFICH142.WDO", parameter_file({{195, c.record}}));
    ensure_parameter_file(ctx_);
    EXPECT_EQ(read_start_command(ctx_), c.command) << c.record;
    EXPECT_EQ(record("WFICH142.WDO", 195), padded("")) << c.record;
    EXPECT_EQ(read_start_command(ctx_), "") << "consumed: " << c.record;
  }
}

TEST_F(SettingsTest, AmountFormatNeedsItsPrefix) {
  const struct {
    std::string_view record;
    std::string_view format;
  } kCases[] = {
      {"#.#0.000", "0.000"},
      {"0.000", "0.00"},
      {"#.#  0.0   ", "0.0"},
      {"#.#", ""},
      {"#,#0.000", "0.00"},
  };
  for (const auto& c : kCases) {
    folder_.write("w_cai020.wdo", register_file({{kAmountFormatRecord, c.record}}));
    open_register_settings(ctx_);
    load_amount_format(ctx_);
    EXPECT_EQ(ctx_.settings().amount_format, c.format) << c.record;
  }
}

TEST_F(SettingsTest, MissingRegisterSettingsGiveDefaultsAndAnEmptyFile) {
  open_register_settings(ctx_);
  load_amount_format(ctx_);
  load_department_names(ctx_);
  EXPECT_TRUE(folder_.exists("w_cai020.wdo"));
  EXPECT_EQ(folder_.read("w_cai020.wdo"), "");
  EXPECT_EQ(ctx_.settings().amount_format, "0.00");
  // Records that do not exist read as zero bytes, which trimming keeps.
  EXPECT_EQ(ctx_.settings().department_names[0], "A " + std::string(kLength, '\0'));
  EXPECT_EQ(ctx_.settings().department_names[19], "T " + std::string(kLength, '\0'));
}

TEST_F(SettingsTest, DepartmentNamesAreLetterSpaceAndTrimmedName) {
  folder_.write("w_cai020.wdo", register_file({{100, ""},
                                               {102, "  Boissons  "},
                                               {119, "\xC9picerie fine"}}));
  open_register_settings(ctx_);
  load_department_names(ctx_);
  EXPECT_EQ(ctx_.settings().department_names[0], "A ");
  EXPECT_EQ(ctx_.settings().department_names[2], "C Boissons");
  EXPECT_EQ(ctx_.settings().department_names[19], "T \xC9picerie fine");
}

TEST_F(SettingsTest, NewSwitchFileTurnsOnlySwitch44OnAndIsClosedAfterLoading) {
  load_switches(ctx_);
  const std::string file = folder_.read("switch63.wdo");
  ASSERT_EQ(file.size(), 1024u);
  EXPECT_EQ(file.substr(0, kSwitchHeaderWidth), "#INIT#12-11-202610:30:00");
  std::string switches(kSwitchStringWidth, ' ');
  switches.replace(2 * kDefaultOnSwitch, 2, "1 ");
  EXPECT_EQ(file.substr(kSwitchHeaderWidth), switches);
  EXPECT_FALSE(ctx_.slots().is_open(kSwitchSlot));
  EXPECT_EQ(switch_value(ctx_, kDefaultOnSwitch), 1);
  EXPECT_EQ(switch_value(ctx_, kColourThemeSwitch), 0);
}

TEST_F(SettingsTest, SwitchReadsTheLeadingNumberOfItsTwoCharacters) {
  const struct {
    std::string_view value;
    std::int16_t expected;
  } kCases[] = {
      {"1 ", 1}, {" 1", 1}, {"-1", -1}, {"x1", 0}, {"  ", 0}, {"99", 99}, {"1x", 1},
  };
  for (const auto& c : kCases) {
    std::string switches(kSwitchStringWidth, ' ');
    switches.replace(2 * kColourThemeSwitch, 2, c.value);
    folder_.write("switch63.wdo", switch_file("#INIT#01-02-202012:00:00", switches));
    load_switches(ctx_);
    EXPECT_EQ(switch_value(ctx_, kColourThemeSwitch), c.expected) << c.value;
    EXPECT_EQ(switch_value(ctx_, kColourThemeSwitch + 1), 0) << c.value;
  }
}

TEST_F(SettingsTest, SwitchesReadZeroBeforeLoadingAndOutsideTheirRange) {
  EXPECT_EQ(switch_value(ctx_, kColourThemeSwitch), 0);
  std::string switches(kSwitchStringWidth, '9');
  folder_.write("switch63.wdo", switch_file("#INIT#01-02-202012:00:00", switches));
  load_switches(ctx_);
  EXPECT_EQ(switch_value(ctx_, 0), 99);
  EXPECT_EQ(switch_value(ctx_, kSwitchCount - 1), 99);
  EXPECT_EQ(switch_value(ctx_, kSwitchCount), 0);
  EXPECT_EQ(switch_value(ctx_, -1), 0);
}

TEST_F(SettingsTest, ForeignSwitchFileIsResetAfterACopyIsKept) {
  const std::string foreign = switch_file("SWITCH V2", std::string(kSwitchStringWidth, '1'));
  folder_.write("switch63.wdo", foreign);
  load_switches(ctx_);
  EXPECT_EQ(folder_.read("switch63.wdo.bak"), foreign);
  EXPECT_EQ(switch_value(ctx_, kDefaultOnSwitch), 1);
  EXPECT_EQ(switch_value(ctx_, kColourThemeSwitch), 0);
  EXPECT_EQ(switch_value(ctx_, 0), 0);
}

}  // namespace
}  // namespace mdc::data
