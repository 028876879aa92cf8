#include "data/record_file.h"

#include <gtest/gtest.h>

#include "data/record_layout.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"

namespace mdc::data {
namespace {

constexpr std::size_t kLength = 8;

class RecordFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  FileSlots slots_{env_, folder_.path()};
};

TEST_F(RecordFileTest, RecordsAreNumberedFromOneAndReadWhole) {
  folder_.write("F.WDO", "AAAAAAAABBBBBBBBCCC");  // a truncated third record
  RecordFile& file = slots_.open(1, "F.WDO", kLength);
  EXPECT_EQ(file.read(1), "AAAAAAAA");
  EXPECT_EQ(file.read(2), "BBBBBBBB");
  EXPECT_EQ(file.read(3), std::string("CCC") + std::string(5, '\0'));
  EXPECT_EQ(file.read(4), std::string(kLength, '\0'));
  EXPECT_EQ(file.read(0), std::string(kLength, '\0'));
  EXPECT_EQ(file.read(-5), std::string(kLength, '\0'));
  EXPECT_EQ(file.records_held(), 3);
}

TEST_F(RecordFileTest, WritingBeyondTheEndExtendsTheFile) {
  RecordFile& file = slots_.open(1, "F.WDO", kLength);
  ASSERT_TRUE(folder_.exists("F.WDO"));
  EXPECT_EQ(folder_.read("F.WDO"), "");
  EXPECT_TRUE(file.write(3, "33333333"));
  EXPECT_EQ(folder_.read("F.WDO"), std::string(16, '\0') + "33333333");
  EXPECT_FALSE(file.write(0, "00000000"));
  EXPECT_FALSE(file.write(1, "short"));
}

TEST_F(RecordFileTest, BlockReadsMatchRecordReads) {
  std::string content;
  for (char c = 'a'; c <= 'j'; ++c) content += std::string(kLength, c);
  content += "xyz";
  folder_.write("F.WDO", content);
  RecordFile& file = slots_.open(1, "F.WDO", kLength);
  std::string block;
  file.read_block(9, 4, block);
  ASSERT_EQ(block.size(), 4 * kLength);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(block.substr(i * kLength, kLength), file.read(9 + i)) << i;
  }
}

TEST_F(RecordFileTest, NamesFollowWindowsRules) {
  folder_.write("W_CAI064.WDO", "12345678");
  EXPECT_EQ(slots_.open(1, "w_cai064.wdo  ", kLength).read(1), "12345678");
  EXPECT_FALSE(folder_.exists("w_cai064.wdo"));
}

TEST_F(RecordFileTest, ReopeningASlotClosesWhatItHeld) {
  folder_.write("A.WDO", "AAAAAAAA");
  folder_.write("B.WDO", "BBBBBBBB");
  slots_.open(5, "A.WDO", kLength);
  slots_.open(5, "B.WDO", kLength);
  ASSERT_NE(slots_.get(5), nullptr);
  EXPECT_EQ(slots_.get(5)->read(1), "BBBBBBBB");
  EXPECT_EQ(slots_.first_free_slot(), 1);
  slots_.open(1, "A.WDO", kLength);
  EXPECT_EQ(slots_.first_free_slot(), 2);
  slots_.close_all();
  EXPECT_EQ(slots_.get(5), nullptr);
}

TEST_F(RecordFileTest, AFolderWhereAFileShouldBeReadsZerosAndFailsWrites) {
  ASSERT_TRUE(env_.make_folder(folder_.file("F.WDO")));
  RecordFile& file = slots_.open(1, "F.WDO", kLength);
  EXPECT_FALSE(file.is_open());
  EXPECT_EQ(file.read(1), std::string(kLength, '\0'));
  EXPECT_FALSE(file.write(1, "12345678"));
}

TEST_F(RecordFileTest, AFailedWriteIsReported) {
  RecordFile& file = slots_.open(1, "F.WDO", kLength);
  env_.fail_write(1);
  EXPECT_FALSE(file.write(1, "12345678"));
  EXPECT_TRUE(file.write(1, "12345678"));
}

bool valid_header(const Record& header) { return has_init_marker(header); }

TEST_F(RecordFileTest, ReinitialisingAForeignFileKeepsACopy) {
  folder_.write("F.WDO", "#init#xxSETTINGS");
  RecordFile& file = slots_.open(1, "F.WDO", kLength);
  EXPECT_EQ(confirm_reinitialise(env_, file, valid_header), Reinitialise::kYes);
  EXPECT_EQ(folder_.read("F.WDO.bak"), "#init#xxSETTINGS");
}

TEST_F(RecordFileTest, ReinitialisingIsRefused) {
  const struct {
    const char* content;
    bool fail_copy;
    Reinitialise expected;
  } kCases[] = {
      {"", false, Reinitialise::kYes},                // nothing to lose
      {"#INIT#xx", false, Reinitialise::kNo},         // valid on the re-read
      {"FOREIGN!", true, Reinitialise::kNo},          // no copy, no overwrite
  };
  for (const auto& c : kCases) {
    folder_.write("F.WDO", c.content);
    RecordFile& file = slots_.open(1, "F.WDO", kLength);
    env_.fail_write(c.fail_copy ? 1 : 0);
    EXPECT_EQ(confirm_reinitialise(env_, file, valid_header), c.expected)
        << '"' << c.content << '"';
    EXPECT_EQ(folder_.read("F.WDO"), c.content);
  }
}

TEST(Stamps, AreMonthFirstForHeadersAndDayFirstForDates) {
  const platform::LocalDateTime t{2026, 3, 7, 9, 5, 2};
  EXPECT_EQ(date_stamp(t), "03-07-2026");
  EXPECT_EQ(time_stamp(t), "09:05:02");
  EXPECT_EQ(date_text(t), "07-03-2026");
}

TEST(Layout, FieldsReadAndWriteTheirBytes) {
  constexpr Field kText{"text", 0, 5, FieldKind::kText};
  constexpr Field kShort{"short", 5, 2, FieldKind::kInt16};
  constexpr Field kLong{"long", 7, 4, FieldKind::kInt32};
  constexpr Field kAmount{"amount", 11, 8, FieldKind::kDouble};
  static_assert(covers_record(std::array<Field, 4>{kText, kShort, kLong, kAmount}, 19));
  static_assert(!covers_record(std::array<Field, 2>{kText, kLong}, 9));
  Record r(19, '\0');
  set_text(r, kText, "toolong");
  set_int16(r, kShort, -2);
  set_int32(r, kLong, 0x01020304);
  set_double(r, kAmount, 12.5);
  EXPECT_EQ(r.substr(0, 5), "toolo");
  EXPECT_EQ(r.substr(5, 2), "\xFE\xFF");
  EXPECT_EQ(r.substr(7, 4), "\x04\x03\x02\x01");
  EXPECT_EQ(get_int16(r, kShort), -2);
  EXPECT_EQ(get_int32(r, kLong), 0x01020304);
  EXPECT_EQ(get_double(r, kAmount), 12.5);
  set_text(r, kText, "ab");
  EXPECT_EQ(get_text(r, kText), "ab   ");
  EXPECT_EQ(trim("  a b  "), "a b");
  EXPECT_EQ(trim(std::string("\0a ", 3)), std::string("\0a", 2));
}

}  // namespace
}  // namespace mdc::data
