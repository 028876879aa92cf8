#include "data/keyed_values.h"

#include <gtest/gtest.h>

#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"

namespace mdc::data {
namespace {

constexpr std::size_t kLength = kKeyedValueRecordLength;

class KeyedValuesTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  Context ctx_{env_, folder_.path()};

  std::string file() const { return folder_.read("WFICH_IA.WDO"); }
  Record record(int n) const {
    return file().substr((n - 1) * kLength, kLength);
  }
};

TEST_F(KeyedValuesTest, FirstStoreCreatesTheHeaderAndOneEntry) {
  EXPECT_EQ(keyed_value_get(ctx_, "CAQUOT"), "");
  ASSERT_TRUE(keyed_value_set(ctx_, "CAQUOT", "2500"));
  EXPECT_TRUE(ctx_.slots().is_open(kKeyedValuesSlot));
  ASSERT_EQ(file().size(), 2 * kLength);
  EXPECT_EQ(get_int32(record(1), keyed_value::count), 1);
  const Record entry = record(2);
  EXPECT_EQ(get_text(entry, keyed_value::value),
            "2500" + std::string(102, ' '));
  EXPECT_EQ(get_text(entry, keyed_value::key), "CAQUOT" + std::string(19, ' '));
  EXPECT_EQ(get_int32(entry, keyed_value::int_106), 0);
  EXPECT_EQ(get_int32(entry, keyed_value::count), 0);
  EXPECT_EQ(get_int32(entry, keyed_value::int_114), 0);
  EXPECT_EQ(keyed_value_get(ctx_, "CAQUOT"), "2500");
}

TEST_F(KeyedValuesTest, StoringAgainReplacesTheValue) {
  ASSERT_TRUE(keyed_value_set(ctx_, "CAQUOT", "2500"));
  ASSERT_TRUE(keyed_value_set(ctx_, "AUTRE", "x"));
  ASSERT_TRUE(keyed_value_set(ctx_, "CAQUOT", "  1800.5 "));
  EXPECT_EQ(file().size(), 3 * kLength);
  EXPECT_EQ(get_int32(record(1), keyed_value::count), 2);
  EXPECT_EQ(keyed_value_get(ctx_, "CAQUOT"), "1800.5");
  EXPECT_EQ(keyed_value_get(ctx_, "AUTRE"), "x");
}

TEST_F(KeyedValuesTest, KeysArePaddedAndCutToTwentyFiveCaseKept) {
  const std::string long_key(30, 'K');
  ASSERT_TRUE(keyed_value_set(ctx_, "CAQUOT", "1"));
  ASSERT_TRUE(keyed_value_set(ctx_, long_key, "2"));
  const struct {
    std::string key;
    std::string value;
  } kCases[] = {
      {"CAQUOT", "1"},
      {"CAQUOT      ", "1"},
      {"caquot", ""},
      {" CAQUOT", ""},
      {long_key, "2"},
      {std::string(25, 'K'), "2"},
      {std::string(25, 'K') + "other", "2"},
      {std::string(24, 'K'), ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(keyed_value_get(ctx_, c.key), c.value) << c.key;
  }
}

TEST_F(KeyedValuesTest, LongValueIsCutTo106Characters) {
  ASSERT_TRUE(keyed_value_set(ctx_, "K", std::string(200, 'v')));
  EXPECT_EQ(keyed_value_get(ctx_, "K"), std::string(106, 'v'));
}

TEST_F(KeyedValuesTest, CountPastTheRecordsFindsNothingAndAppendsAtTheEnd) {
  ASSERT_TRUE(keyed_value_set(ctx_, "A", "1"));
  for (std::int32_t count : {5, 2'000'000'000, -3}) {
    Record header = record(1);
    set_int32(header, keyed_value::count, count);
    std::string bytes = file();
    bytes.replace(0, kLength, header);
    bytes.resize(2 * kLength);
    folder_.write("WFICH_IA.WDO", bytes);

    EXPECT_EQ(keyed_value_get(ctx_, "B"), "") << count;
    ASSERT_TRUE(keyed_value_set(ctx_, "B", "2"));
    const std::size_t entries = count < 0 ? 1 : 2;
    EXPECT_EQ(file().size(), (entries + 1) * kLength) << count;
    EXPECT_EQ(keyed_value_get(ctx_, "B"), "2") << count;
  }
}

TEST_F(KeyedValuesTest, AFailedWriteIsReported) {
  env_.fail_write(1);
  EXPECT_FALSE(keyed_value_set(ctx_, "CAQUOT", "2500"));
  EXPECT_EQ(keyed_value_get(ctx_, "CAQUOT"), "");
}

}  // namespace
}  // namespace mdc::data
