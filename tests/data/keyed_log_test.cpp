#include "data/keyed_log.h"

#include <gtest/gtest.h>

#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"

namespace mdc::data {
namespace {

constexpr std::size_t kLength = kKeyedLogRecordLength;

class KeyedLogTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  Context ctx_{env_, folder_.path()};

  std::string file() const { return folder_.read("W_intlog.wdo"); }
  Record record(int n) const {
    return file().substr((n - 1) * kLength, kLength);
  }
};

std::string padded(std::string_view text, std::size_t width) {
  std::string out(text);
  out.resize(width, ' ');
  return out;
}

TEST_F(KeyedLogTest, ReadingANewFileCreatesItAndFindsNothing) {
  EXPECT_EQ(lit_valeur(ctx_, "SIG-DN02"), "");
  ASSERT_EQ(file().size(), 2 * kLength);
  EXPECT_EQ(get_text(record(1), ligne_log::cle), padded("#INIT#", 15));
  EXPECT_EQ(get_int32(record(1), ligne_log::nombre), 0);
  Record blank(kLength, ' ');
  set_int32(blank, ligne_log::nombre, 0);
  EXPECT_EQ(record(2), blank);
  // Every operation closes the file again.
  EXPECT_EQ(ctx_.slots().first_free_slot(), 1);
}

TEST_F(KeyedLogTest, ValueStoredUnderALowerCaseKeyReadsBackPadded) {
  ecrit_valeur(ctx_, "sig-dn02", "AUTO");
  EXPECT_EQ(lit_valeur(ctx_, "SIG-DN02"), padded("AUTO", 40));
  EXPECT_EQ(lit_valeur(ctx_, "  Sig-Dn02 "), padded("AUTO", 40));
  ASSERT_EQ(file().size(), 2 * kLength);
  EXPECT_EQ(get_int32(record(1), ligne_log::nombre), 1);
  EXPECT_EQ(get_text(record(2), ligne_log::cle), padded("SIG-DN02", 15));
  EXPECT_EQ(ctx_.slots().first_free_slot(), 1);
}

TEST_F(KeyedLogTest, KeysAndValuesKeepTheirWidths) {
  ecrit_valeur(ctx_, "SIG-DN02", "AUTO");
  ecrit_valeur(ctx_, "SIG-DN02", "");  // emptied, as the other program does
  ecrit_valeur(ctx_, "ABCDEFGHIJKLMNO-one", "1");
  ecrit_valeur(ctx_, "ABCDEFGHIJKLMNO-two", std::string(50, 'v'));
  ecrit_valeur(ctx_, "caf\xE9", "x");  // code page 1252 letters too
  const struct {
    std::string key;
    std::string value;
  } kCases[] = {
      {"SIG-DN02", std::string(40, ' ')},
      {"ABCDEFGHIJKLMNO", std::string(40, 'v')},
      {"CAF\xC9", padded("x", 40)},
      {"ABSENT", ""},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(lit_valeur(ctx_, c.key), c.value) << c.key;
  EXPECT_EQ(get_int32(record(1), ligne_log::nombre), 3);
}

TEST_F(KeyedLogTest, StepsShareTheirState) {
  KeyedLog log(ctx_);
  log.ouvre_log();
  EXPECT_TRUE(log.ready());
  EXPECT_EQ(log.count(), 0);
  log.set_key("k");
  log.cherche_cle();
  EXPECT_EQ(log.found(), kKeyNotFound);
  log.ajoute_ligne();
  EXPECT_EQ(log.found(), 1);
  EXPECT_EQ(log.count(), 1);
  log.ferme_log();
  EXPECT_EQ(get_int32(record(1), ligne_log::nombre), 1);
}

TEST_F(KeyedLogTest, ForeignHeaderIsCopiedThenRestartedAtCountZero) {
  ecrit_valeur(ctx_, "OLD", "old value");
  std::string foreign = file();
  foreign.replace(0, 6, "#init#");
  folder_.write("W_intlog.wdo", foreign);
  EXPECT_EQ(lit_valeur(ctx_, "OLD"), "");
  EXPECT_EQ(folder_.read("W_intlog.wdo.bak"), foreign);
  EXPECT_EQ(get_text(record(1), ligne_log::cle), padded("#INIT#", 15));
  ecrit_valeur(ctx_, "NEW", "n");
  EXPECT_EQ(get_text(record(2), ligne_log::cle), padded("NEW", 15));
}

TEST_F(KeyedLogTest, CountPastTheRecordsNeitherHangsNorWritesFarAway) {
  ecrit_valeur(ctx_, "A", "1");
  for (std::int32_t count : {9, 2'000'000'000, -4}) {
    Record header = record(1);
    set_int32(header, ligne_log::nombre, count);
    std::string bytes = file();
    bytes.replace(0, kLength, header);
    bytes.resize(2 * kLength);
    folder_.write("W_intlog.wdo", bytes);

    EXPECT_EQ(lit_valeur(ctx_, "B"), "") << count;
    ecrit_valeur(ctx_, "B", "2");
    EXPECT_LE(file().size(), 3 * kLength) << count;
    EXPECT_EQ(lit_valeur(ctx_, "B"), padded("2", 40)) << count;
  }
}

TEST_F(KeyedLogTest, FileThatCannotBeSetAsideIsLeftAsItIs) {
  const std::string foreign(3 * kLength, 'f');
  folder_.write("W_intlog.wdo", foreign);
  env_.fail_write(1);  // the copy to ".bak"
  ecrit_valeur(ctx_, "SIG-DN02", "AUTO");
  EXPECT_EQ(file(), foreign);
  EXPECT_EQ(ctx_.slots().first_free_slot(), 1);
}

}  // namespace
}  // namespace mdc::data
