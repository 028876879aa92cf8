#include "data/local_stations.h"

#include <gtest/gtest.h>

#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::data {
namespace {

constexpr std::size_t kLength = kLocalStationRecordLength;

class LocalStationsTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  platform::FakeEnv env_;
  Context ctx_{env_, folder_.path()};

  Record record(int n) const {
    return folder_.read("W_NUP091.WDO").substr((n - 1) * kLength, kLength);
  }
};

std::string padded(std::string_view text, std::size_t width) {
  std::string out(text);
  out.resize(width, ' ');
  return out;
}

TEST_F(LocalStationsTest, NewTableHoldsTheServerAndSixteenStations) {
  ensure_local_stations(ctx_);
  EXPECT_TRUE(ctx_.slots().is_open(kLocalStationsSlot));
  ASSERT_EQ(folder_.read("W_NUP091.WDO").size(), 17408u);

  const Record header = record(1);
  EXPECT_EQ(get_text(header, local_station::station_number),
            std::string(15, '\0'));
  EXPECT_EQ(get_text(header, local_station::station_name),
            padded("#INIT#12-11-2026:10:30:00", 40));
  EXPECT_EQ(get_text(header, local_station::station_kind),
            padded("Serveur", 40));
  EXPECT_EQ(get_text(header, local_station::option_flags),
            std::string(30, 'O'));
  EXPECT_EQ(get_text(header, local_station::yes_no_text), padded("OUI", 15));
  EXPECT_EQ(get_int32(header, local_station::station_index), 16);
  EXPECT_EQ(get_int16(header, local_station::int_258), 9);
  EXPECT_EQ(get_text(header, local_station::text_744), std::string(280, ' '));

  for (int k : {1, 16}) {
    const Record r = record(k + 1);
    const std::string nn = k < 10 ? "0" + std::to_string(k) : std::to_string(k);
    EXPECT_EQ(get_text(r, local_station::station_number), padded(nn, 15));
    // "°" is the single code page 1252 byte B0.
    EXPECT_EQ(get_text(r, local_station::station_name),
              padded("Poste N\xB0 " + nn, 40));
    EXPECT_EQ(get_text(r, local_station::station_kind), padded("Windows", 40));
    EXPECT_EQ(get_text(r, local_station::yes_no_text), padded("NON", 15));
    EXPECT_EQ(get_int32(r, local_station::station_index), k);
    EXPECT_EQ(get_int16(r, local_station::int_430), 0);
    EXPECT_EQ(get_text(r, local_station::text_682), std::string(62, '\0'));
  }
}

TEST_F(LocalStationsTest, TableWithAStationCountIsLeftAlone) {
  ASSERT_TRUE(fixtures::write_local_stations(
      folder_.file("W_NUP091.WDO"), {{"Caisse Entrée", "Tactile", "A", "B"}}));
  std::string bytes = folder_.read("W_NUP091.WDO");
  Record header = bytes.substr(0, kLength);
  set_int32(header, local_station::station_index, 3);
  bytes.replace(0, kLength, header);
  bytes.resize(5 * kLength);  // stations 5 to 16 missing
  folder_.write("W_NUP091.WDO", bytes);

  const auto stations = read_local_stations(ctx_);
  EXPECT_EQ(folder_.read("W_NUP091.WDO"), bytes);
  EXPECT_FALSE(ctx_.slots().is_open(kLocalStationsSlot));
  EXPECT_EQ(trim(stations[0].station_name),
            "Caisse Entr\xE9"
            "e");
  EXPECT_EQ(trim(stations[0].station_kind), "Tactile");
  EXPECT_EQ(stations[15].station_name, std::string(40, '\0'));
  EXPECT_EQ(stations[15].station_index, 0);
}

TEST_F(LocalStationsTest, CountNotAboveZeroRestoresTheDefaults) {
  for (std::int32_t count : {0, -1, -70000}) {
    ASSERT_TRUE(fixtures::write_local_stations(
        folder_.file("W_NUP091.WDO"), {{"Caisse 1", "Tactile", "", ""}}));
    std::string bytes = folder_.read("W_NUP091.WDO");
    Record header = bytes.substr(0, kLength);
    set_int32(header, local_station::station_index, count);
    bytes.replace(0, kLength, header);
    // A field this system never writes keeps its value.
    Record station = bytes.substr(kLength, kLength);
    set_text(station, local_station::text_682, "kept");
    bytes.replace(kLength, kLength, station);
    folder_.write("W_NUP091.WDO", bytes);

    ensure_local_stations(ctx_);
    EXPECT_EQ(folder_.read("W_NUP091.WDO.bak"), bytes) << count;
    EXPECT_EQ(get_int32(record(1), local_station::station_index), 16);
    EXPECT_EQ(trim(get_text(record(2), local_station::station_name)),
              "Poste N\xB0 01");
    EXPECT_EQ(trim(get_text(record(2), local_station::text_682)), "kept");
  }
}

TEST_F(LocalStationsTest, AFailingWriteLeavesATableThatIsFilledNextTime) {
  env_.fail_write(3, true);
  ensure_local_stations(ctx_);
  EXPECT_LE(get_int32(record(1), local_station::station_index), 0);
  env_.fail_write(0);
  const auto stations = read_local_stations(ctx_);
  EXPECT_EQ(get_int32(record(1), local_station::station_index), 16);
  EXPECT_EQ(trim(stations[15].station_name), "Poste N\xB0 16");
}

}  // namespace
}  // namespace mdc::data
