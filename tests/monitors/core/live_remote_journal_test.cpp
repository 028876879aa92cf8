#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "data/remote_stations.h"
#include "monitors/core/live_figures.h"
#include "monitors/core/remote_journal.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::monitors {
namespace {

using fixtures::RemoteStationLine;
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

class LiveRemoteTest : public ::testing::Test {
 protected:
  // A remote register's folder under the data folder, with its journal.
  void remote_journal(const std::string& folder,
                      const std::vector<Ticket>& tickets) {
    std::filesystem::create_directories(folder_.file(folder));
    ASSERT_TRUE(fixtures::write_journal(
        folder_.file(folder + "/W_CAI028.WDO"), tickets));
  }
  void remote_table(const std::vector<RemoteStationLine>& lines) {
    ASSERT_TRUE(
        fixtures::write_remote_stations(folder_.file("w_posd86.wdo"), lines));
  }
  LiveFigures refresh(const std::string& shown = kDay) {
    const LiveLabels labels = read_live_labels(ctx_);
    LiveQuery query;
    query.shown_date = shown;
    query.load_day = kDay;
    return compute_live_figures(ctx_, query, labels.remote_lines);
  }

  test::TempFolder folder_;
  platform::FakeEnv env_;
  data::Context ctx_{env_, folder_.path(), ','};
};

TEST_F(LiveRemoteTest, RemoteTicketsBelongToTheirRegisterWhateverStation) {
  remote_journal("DIST01", {
                               tk(kDayBefore, "09:00", 40.0, 2),
                               tk(kDay, "09:15", 12.0, 5),
                               tk(kDay, "10:45", 8.0, 5),
                           });
  remote_table({{"Magasin Nord", "DIST01\\", "", "", true}});
  ASSERT_TRUE(fixtures::write_journal(folder_.file("W_CAI028.WDO"),
                                      {tk(kDay, "08:00", 30.0, 1)}));

  const LiveFigures f = refresh();
  EXPECT_EQ(f.remote_state[0], RemoteRowState::kRead);
  EXPECT_EQ(f.remote[0].amount, "20,00");
  EXPECT_EQ(f.remote[0].first_time, "09:15");
  EXPECT_EQ(f.remote[0].last_time, "10:45");
  EXPECT_EQ(f.remote[0].count, "2");
  EXPECT_EQ(f.remote[0].average, "10,00 ");
  EXPECT_EQ(f.remote[0].share, "");
  // Local station 5 gets nothing; shares stay shares of the local total.
  EXPECT_EQ(f.local[5].amount, "");
  EXPECT_EQ(f.local[1].share, "100,00  % ");
  EXPECT_EQ(f.grand_total_text, "50,00 ");

  // The day before, from the remote journal's first record.
  const LiveFigures before = refresh(kDayBefore);
  EXPECT_EQ(before.remote[0].amount, "40,00");
  EXPECT_EQ(before.remote[0].count, "1");
}

TEST_F(LiveRemoteTest, TwoRegistersInOneMinuteShareItsBar) {
  remote_journal("A", {tk(kDay, "14:30", 10.50, 1)});
  remote_journal("B", {tk(kDay, "14:30", 10.49, 1)});
  remote_table({{"A", "A\\", "", "", true}, {"B", "B\\", "", "", true}});
  const LiveFigures f = refresh();
  EXPECT_EQ(f.takings.at(14 * 60 + 30), 20);
  EXPECT_EQ(f.grand_total_text, "20,99 ");
}

TEST_F(LiveRemoteTest, WhichRegistersAreReadAndHowEachRowEnds) {
  remote_journal("R1", {tk(kDay, "10:00", 5.0, 1)});
  remote_journal("EMPTY", {});
  std::filesystem::create_directories(folder_.file("NOJOURNAL"));
  // A folder in place of the journal: it exists and cannot be read.
  std::filesystem::create_directories(folder_.file("BROKEN/W_CAI028.WDO"));
  std::vector<RemoteStationLine> lines = {
      {"Actif", "R1\\", "", "", true},
      {"Inactif", "R1\\", "", "", false},
      {"Sans dossier", "MISSING\\", "", "", true},
      {"Dossier vide", "", "", "", true},
      {"Journal vide", "EMPTY\\", "", "", true},
      {"Sans journal", "NOJOURNAL\\", "", "", true},
      {"Illisible", "BROKEN\\", "", "", true},
  };
  while (lines.size() < 16) lines.push_back({"", "", "", "", false});
  lines.push_back({"Dix-septième", "R1\\", "", "", true});
  remote_table(lines);

  const LiveFigures f = refresh();
  const struct {
    int reg;
    RemoteRowState state;
    const char* amount;
  } kCases[] = {
      {1, RemoteRowState::kRead, "5,00"},
      {2, RemoteRowState::kInactive, ""},
      {3, RemoteRowState::kNoFolder, ""},
      {4, RemoteRowState::kNoFolder, ""},
      {5, RemoteRowState::kRead, "0,00"},
      {6, RemoteRowState::kRead, "0,00"},
      {7, RemoteRowState::kUnreadable, ""},
      {17, RemoteRowState::kNotRead, ""},
  };
  for (const auto& c : kCases) {
    const auto i = static_cast<std::size_t>(c.reg - 1);
    EXPECT_EQ(f.remote_state[i], c.state) << c.reg;
    EXPECT_EQ(f.remote[i].amount, c.amount) << c.reg;
    EXPECT_EQ(f.remote[i].count, c.reg == 1 ? "1" : "") << c.reg;
  }
  EXPECT_EQ(f.grand_total_text, "5,00 ");
  // Reading never makes a journal where there was none.
  EXPECT_FALSE(folder_.exists("NOJOURNAL/W_CAI028.WDO"));
  EXPECT_FALSE(ctx_.file_slots().is_open(data::kJournalSlot));
}

TEST_F(LiveRemoteTest, ActiveFlagIsItsLeadingNumber) {
  remote_journal("R", {tk(kDay, "10:00", 5.0, 1)});
  const struct {
    const char* flag;
    RemoteRowState state;
  } kCases[] = {{"1", RemoteRowState::kRead},
                {"0", RemoteRowState::kInactive},
                {" ", RemoteRowState::kInactive},
                {"2", RemoteRowState::kRead}};
  for (const auto& c : kCases) {
    data::poste_distant line;
    line.set_nom("R");
    line.set_chemin("R\\");
    line.set_actif(c.flag);
    const LiveFigures f = compute_live_figures(ctx_, {kDay, kDay, 2, 1000}, {line});
    EXPECT_EQ(f.remote_state[0], c.state) << "'" << c.flag << "'";
  }
}

TEST_F(LiveRemoteTest, RemoteTablesAndJournalsOfRandomBytes) {
  std::mt19937 random(11);
  std::string noise(51200, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  ASSERT_TRUE(fixtures::write_file_bytes(folder_.file("w_posd86.wdo"), noise));
  ASSERT_TRUE(fixtures::write_journal(folder_.file("W_CAI028.WDO"),
                                      {tk(kDay, "08:00", 30.0, 1)}));
  const LiveFigures f = refresh();
  EXPECT_EQ(f.local[1].amount, "30,00");
  for (RemoteRowState state : f.remote_state) {
    EXPECT_EQ(state, RemoteRowState::kInactive);
  }

  // A remote journal of random bytes is read as what it holds.
  std::filesystem::create_directories(folder_.file("R"));
  const std::string remote = folder_.file("R/W_CAI028.WDO");
  ASSERT_TRUE(fixtures::write_file_bytes(remote, noise));
  remote_table({{"R", "R\\", "", "", true}});
  const LiveFigures g = refresh();
  EXPECT_EQ(g.remote_state[0], RemoteRowState::kRead);
  EXPECT_EQ(fixtures::read_file_bytes(remote), noise);
}

}  // namespace
}  // namespace mdc::monitors
