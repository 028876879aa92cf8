#include "data/payment_modes.h"

#include <gtest/gtest.h>

#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::data {
namespace {

constexpr std::size_t kLength = kPaymentModeRecordLength;

class PaymentModesTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  Context ctx_{env_, folder_.path()};

  std::string entry(int record) const {
    return trim(
        folder_.read("W_CAI064.WDO").substr((record - 1) * kLength, kLength));
  }
};

TEST_F(PaymentModesTest, NewTableHoldsTheDefaultModes) {
  ensure_payment_modes(ctx_);
  EXPECT_TRUE(ctx_.slots().is_open(kPaymentModesSlot));
  ASSERT_EQ(folder_.read("W_CAI064.WDO").size(), 3280u);
  const struct {
    int record;
    std::string_view text;
  } kCases[] = {{1, "#INIT#:12-11-2026:10:30:00"},
                {2, "CB :Carte Bleue"},
                {3, "CHQ:Ch\xE8que"},
                {4,
                 "ESP:Esp\xE8"
                 "ces"},  // "è" is one byte
                {5, "MCA:Master Card"},
                {6, "AME:American Express"},
                {7, "VIR:Virement"},
                {8, "TIR:Ticket Resto"},
                {9, "DIV:Divers"},
                {41, "DIV:Divers"}};
  for (const auto& c : kCases) EXPECT_EQ(entry(c.record), c.text) << c.record;

  const auto codes = read_payment_mode_codes(ctx_);
  EXPECT_EQ(codes[0], "CB ");
  EXPECT_EQ(codes[2], "ESP");
  for (int k = 8; k <= 40; ++k) EXPECT_EQ(codes[k - 1], "DIV") << k;
}

TEST_F(PaymentModesTest, TableWithItsMarkerIsNeverWritten) {
  const std::string blank_slots =
      "#INIT#" + std::string(kLength - 6, ' ') + std::string(2 * kLength, ' ');
  folder_.write("W_CAI064.WDO", blank_slots);
  ensure_payment_modes(ctx_);
  EXPECT_EQ(folder_.read("W_CAI064.WDO"), blank_slots);
  const auto codes = read_payment_mode_codes(ctx_);
  EXPECT_EQ(codes[1], "   ");
  EXPECT_EQ(codes[39], std::string(3, '\0'));  // beyond the end of the file
}

TEST_F(PaymentModesTest, ForeignTableIsCopiedThenGivenItsDefaults) {
  ASSERT_TRUE(fixtures::write_payment_modes(folder_.file("W_CAI064.WDO"),
                                            {"BON:Bon d'achat"}));
  std::string foreign = folder_.read("W_CAI064.WDO");
  foreign.replace(0, 6, "#INIT ");
  folder_.write("W_CAI064.WDO", foreign);
  ensure_payment_modes(ctx_);
  EXPECT_EQ(folder_.read("W_CAI064.WDO.bak"), foreign);
  EXPECT_EQ(entry(2), "CB :Carte Bleue");
}

TEST_F(PaymentModesTest, AFailingWriteLeavesATableMadeAgainNextTime) {
  env_.fail_write(5, true);
  ensure_payment_modes(ctx_);
  EXPECT_NE(entry(1).substr(0, 6), "#INIT#");
  env_.fail_write(0);
  ensure_payment_modes(ctx_);
  EXPECT_EQ(entry(1).substr(0, 6), "#INIT#");
  EXPECT_EQ(entry(41), "DIV:Divers");
}

}  // namespace
}  // namespace mdc::data
