#include "tools/fixtures/demo_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "data/journal_scan.h"
#include "data/keyed_values.h"
#include "data/local_stations.h"
#include "data/numbers.h"
#include "data/payment_modes.h"
#include "data/remote_stations.h"
#include "data/sales_journal.h"
#include "data/settings.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"

namespace mdc::fixtures {
namespace {

constexpr platform::LocalDateTime kNow{2026, 12, 11, 15, 40, 0};
constexpr std::string_view kToday = "11-12-2026";

long long cents(double amount) { return std::llround(amount * 100); }

// The sum of a breakdown's amounts, in cents; a blank breakdown is none.
long long breakdown_cents(std::string_view breakdown) {
  long long total = 0;
  while (breakdown.size() > 3) {
    total += cents(data::parse_number(breakdown.substr(3)));
    const std::size_t bar = breakdown.find('|');
    if (bar == std::string_view::npos) break;
    breakdown.remove_prefix(bar + 1);
  }
  return total;
}

class DemoDataTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_{kNow};
  data::Context ctx_{env_, folder_.path()};

  void SetUp() override {
    summary_ = make_demo_data(folder_.path(), kNow);
    ASSERT_TRUE(summary_.made) << summary_.message;
  }
  DemoSummary summary_;
};

TEST_F(DemoDataTest, LocalTicketsAddUpToTheirLinesAndTheirPayments) {
  data::open_sales_journal(ctx_);
  const std::string journal_before = folder_.read("W_CAI028.WDO");
  std::set<int> registers_today;
  std::set<char> departments;
  std::map<std::string, int> kinds;
  long long lines = 0;
  int tickets_today = 0;
  int long_details = 0;
  std::string last_time_today;
  const data::ScanResult result = data::scan_journal(
      *ctx_.slots().get(data::kJournalSlot), [&](const data::JournalView& v) {
        if (v.is_sale_line()) {
          lines += cents(v.amount());
          departments.insert(v.kind_code()[0]);
          return;
        }
        ASSERT_TRUE(v.is_ticket());
        EXPECT_EQ(cents(v.amount()), lines) << v.number();
        lines = 0;
        const std::string kind(v.kind_code());
        ++kinds[kind];
        const std::string breakdown =
            data::trim(data::resolve_payment_detail(ctx_, v.payment_detail()));
        if (v.payment_detail().substr(0, 7) == "##FICA:") ++long_details;
        if (kind == "#M#" && breakdown.empty()) return;  // all in cash
        EXPECT_EQ(breakdown_cents(breakdown), cents(v.amount())) << v.number();
        if (kind != "#M#") {
          EXPECT_EQ(breakdown.substr(0, 3), kind);
        }
        if (v.date_text() == kToday) {
          ++tickets_today;
          registers_today.insert(v.register_number());
          last_time_today = std::string(v.time_text());
        }
      });
  EXPECT_EQ(result.visited, summary_.local_records);
  EXPECT_EQ(result.record_count, summary_.local_records);
  EXPECT_GT(tickets_today, 100);
  EXPECT_EQ(registers_today, (std::set<int>{0, 1, 2, 3}));
  EXPECT_LE(last_time_today, "15:40");
  EXPECT_GE(departments.size(), 10u);
  for (const char* kind : {"CB ", "ESP", "CHQ", "TIR", "#M#"}) {
    EXPECT_GT(kinds[kind], 0) << kind;
  }
  EXPECT_GT(long_details, 0);
  EXPECT_EQ(folder_.read("W_CAI028.WDO"), journal_before);
}

TEST_F(DemoDataTest, TablesAndSettingsAreThoseTheMonitorsRead) {
  const auto stations = data::read_local_stations(ctx_);
  EXPECT_EQ(data::trim(stations[0].station_name), "Caisse Boulangerie");
  EXPECT_EQ(data::trim(stations[15].station_name), "Poste N\xB0 16");

  data::ouvre_postes_distants(ctx_);
  EXPECT_EQ(folder_.read("w_posd86.wdo.bak"), "");  // kept as it was made
  int active = 0;
  for (int n = 1; n <= summary_.remote_registers; ++n) {
    const data::poste_distant line = data::read_poste_distant(ctx_, n);
    ASSERT_TRUE(line.in_use()) << n;
    active += line.is_active();
    const std::string path = data::remote_journal_path(ctx_, line.chemin());
    int tickets = 0;
    data::scan_journal_file(
        ctx_, data::kJournalSlot, path,
        [&](const data::JournalView& v) { tickets += v.is_ticket(); });
    EXPECT_GT(tickets, 100) << path;
  }
  EXPECT_EQ(active, 3);

  data::open_register_settings(ctx_);
  data::load_amount_format(ctx_);
  data::load_department_names(ctx_);
  EXPECT_EQ(ctx_.settings().amount_format, "0.00");
  EXPECT_EQ(ctx_.settings().department_names[4], "E \xC9picerie");
  EXPECT_EQ(
      data::trim(data::read_register_setting(ctx_, data::kChosenPeriodRecord)),
      "01-12-2026" + std::string(kToday));

  data::ensure_payment_modes(ctx_);
  EXPECT_EQ(data::read_payment_mode_codes(ctx_)[2], "ESP");
  EXPECT_GT(data::parse_number(data::keyed_value_get(ctx_, "CAQUOT")), 0);
}

TEST(DemoDataMaking, SameDayGivesTheSameFilesAndAJournalIsNeverReplaced) {
  test::TempFolder a, b;
  ASSERT_TRUE(make_demo_data(a.path(), kNow).made);
  ASSERT_TRUE(make_demo_data(b.path() + "/new", kNow).made);
  for (const char* name : {"W_CAI028.WDO", "W_FIJO33.WDO", "w_posd86.wdo",
                           "DIST02/W_CAI028.WDO", "w_cai020.wdo"}) {
    EXPECT_EQ(a.read(name), b.read(std::string("new/") + name)) << name;
  }
  const std::string journal = a.read("W_CAI028.WDO");
  const DemoSummary again = make_demo_data(a.path(), {2027, 1, 5, 9, 0, 0});
  EXPECT_FALSE(again.made);
  EXPECT_FALSE(again.message.empty());
  EXPECT_EQ(a.read("W_CAI028.WDO"), journal);

  a.write("AFILE", "x");
  EXPECT_FALSE(make_demo_data(a.file("AFILE"), kNow).made);
}

}  // namespace
}  // namespace mdc::fixtures
