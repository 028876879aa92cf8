#include "data/remote_stations.h"

#include <gtest/gtest.h>

#include "data/sales_journal.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::data {
namespace {

constexpr std::size_t kLength = kRemoteStationRecordLength;

class RemoteStationsTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  Context ctx_{env_, folder_.path()};

  std::string table() const { return folder_.read("w_posd86.wdo"); }
};

std::string padded(std::string_view text, std::size_t width) {
  std::string out(text);
  out.resize(width, ' ');
  return out;
}

TEST_F(RemoteStationsTest, MissingOrEmptyTableIsCreatedWithItsNinetyNineLines) {
  for (bool empty_file : {false, true}) {
    if (empty_file) folder_.write("w_posd86.wdo", "");
    ouvre_postes_distants(ctx_);
    const std::string bytes = table();
    ASSERT_EQ(bytes.size(), 51200u);
    // The stamp is cut to 15 characters: the year loses its last digit.
    EXPECT_EQ(bytes.substr(0, kLength), padded("#INIT#12-11-202", kLength));
    EXPECT_EQ(bytes.substr(kLength, kLength), padded("D01", kLength));
    EXPECT_EQ(bytes.substr(99 * kLength, kLength), padded("D99", kLength));
    EXPECT_TRUE(ctx_.slots().is_open(kRemoteStationsSlot));
    EXPECT_FALSE(folder_.exists("w_posd86.wdo.bak"));
    folder_.write("w_posd86.wdo", "");
  }
}

TEST_F(RemoteStationsTest, TableWithItsMarkerIsNeverRewritten) {
  const std::string kept = "#INIT#" + std::string(1000, '\x7f');
  folder_.write("W_POSD86.WDO", kept);
  ouvre_postes_distants(ctx_);
  EXPECT_EQ(folder_.read("W_POSD86.WDO"), kept);
  EXPECT_FALSE(folder_.exists("w_posd86.wdo"));
}

TEST_F(RemoteStationsTest, DamagedHeaderRewritesTheTableAfterACopy) {
  ASSERT_TRUE(fixtures::write_remote_stations(
      folder_.file("w_posd86.wdo"),
      {{"Boutique Gare", "DIST01\\", "", "", true}}));
  std::string damaged = table();
  damaged.replace(0, 6, "#init#");
  folder_.write("w_posd86.wdo", damaged);
  ouvre_postes_distants(ctx_);
  EXPECT_EQ(folder_.read("w_posd86.wdo.bak"), damaged);
  EXPECT_EQ(table().substr(0, 6), "#INIT#");
  EXPECT_FALSE(read_poste_distant(ctx_, 1).in_use());
}

TEST_F(RemoteStationsTest, AFailingWriteLeavesATableMadeAgainNextTime) {
  env_.fail_write(40, true);
  ouvre_postes_distants(ctx_);
  EXPECT_NE(table().substr(0, 6), "#INIT#");
  env_.fail_write(0);
  ouvre_postes_distants(ctx_);
  EXPECT_EQ(table().substr(0, 6), "#INIT#");
  EXPECT_EQ(trim(read_poste_distant(ctx_, 99).ref()), "D99");
}

TEST_F(RemoteStationsTest, NameWrittenFromPosition21ReadsBackFrom11) {
  poste_distant line(Record(kLength, 'z'));
  line.set_nom("Épicerie du Port");
  EXPECT_EQ(line.nom(), "Épicerie du Port");
  EXPECT_EQ(line.record().substr(466, 19), std::string(19, ' '));
  EXPECT_EQ(line.record()[465], 'z');  // actif untouched
  line.set_nom("");
  EXPECT_FALSE(line.in_use());
}

TEST_F(RemoteStationsTest, SettersReplaceOnlyTheirSubField) {
  poste_distant line(Record(kLength, 'z'));
  line.set_chemin("C:\\CAISSE\\");
  line.set_categorie("Franchise");
  line.set_fichier("boutique01");
  line.set_actif("1");
  const Record& r = line.record();
  EXPECT_EQ(r.substr(0, 15), std::string(15, 'z'));
  EXPECT_EQ(line.chemin(), padded("C:\\CAISSE\\", 200));
  EXPECT_EQ(r.substr(215, 99), std::string(99, 'z'));
  EXPECT_EQ(line.categorie(), padded("Franchise", 15));
  EXPECT_EQ(line.fichier(), padded("boutique01", 30));
  EXPECT_EQ(line.actif(), "1");
}

TEST_F(RemoteStationsTest, ActiveWhenTheFlagReadsAsANonZeroNumber) {
  const struct {
    std::string_view actif;
    bool active;
  } kCases[] = {{"1", true},  {"2", true},  {"0", false},
                {" ", false}, {"x", false}, {std::string_view("\0", 1), false}};
  for (const auto& c : kCases) {
    poste_distant line;
    line.set_actif(c.actif);
    EXPECT_EQ(line.is_active(), c.active) << c.actif;
  }
}

TEST_F(RemoteStationsTest, LinesAreReadAndWrittenWhole) {
  ouvre_postes_distants(ctx_);
  poste_distant line = read_poste_distant(ctx_, 7);
  EXPECT_EQ(trim(line.ref()), "D07");
  line.set_nom("Marché couvert");
  EXPECT_TRUE(write_poste_distant(ctx_, 7, line));
  const std::vector<poste_distant> lines = read_postes_distants(ctx_);
  ASSERT_EQ(lines.size(), 99u);
  EXPECT_EQ(lines[6].nom(), "Marché couvert");
  EXPECT_EQ(trim(lines[6].ref()), "D07");
  for (int n : {0, 100, -1}) {
    EXPECT_EQ(read_poste_distant(ctx_, n).record(), poste_distant().record());
    EXPECT_FALSE(write_poste_distant(ctx_, n, line));
  }
  EXPECT_EQ(table().size(), 51200u);
}

TEST_F(RemoteStationsTest, ChosenFoldersBecomePathsOfThisMachine) {
  ASSERT_TRUE(env_.make_folder(folder_.file("Dist01")));
  ASSERT_TRUE(env_.make_folder(folder_.file("ZOLVIN")));
  ASSERT_TRUE(env_.make_folder(folder_.file("ZOLVIN/DIST02")));
  ASSERT_TRUE(env_.make_folder(folder_.file("DIST02")));
  folder_.write("Dist01/w_cai028.wdo", "");
  const struct {
    std::string_view chemin;
    std::string folder;
    std::string journal;
  } kCases[] = {
      {"DIST01\\", folder_.file("Dist01"), folder_.file("Dist01/w_cai028.wdo")},
      {"  dist01\\   ", folder_.file("Dist01"),
       folder_.file("Dist01/w_cai028.wdo")},
      {"C:\\ZOLVIN\\DIST01\\", folder_.file("Dist01"),
       folder_.file("Dist01/w_cai028.wdo")},
      // The longest tail that exists under the data folder wins.
      {"c:\\zolvin\\dist02\\", folder_.file("ZOLVIN/DIST02"),
       folder_.file("ZOLVIN/DIST02/W_CAI028.WDO")},
      {"D:\\NOWHERE\\DIST09\\", folder_.file("NOWHERE/DIST09"),
       folder_.file("NOWHERE/DIST09/W_CAI028.WDO")},
      // The journal's name follows the folder directly.
      {"DIST01", folder_.file("Dist01"), folder_.file("DIST01W_CAI028.WDO")},
      {"", "", ""},
      {"     ", "", ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(remote_folder_path(ctx_, c.chemin), c.folder) << c.chemin;
    EXPECT_EQ(remote_journal_path(ctx_, c.chemin), c.journal) << c.chemin;
  }
}

}  // namespace
}  // namespace mdc::data
