// The local station table W_NUP091.WDO: the sixteen register stations of the
// shop's local network, station k in record k + 1.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/record_layout.h"

namespace mdc::data {

inline constexpr int kLocalStationsSlot = 91;
inline constexpr std::string_view kLocalStationsFile = "W_NUP091.WDO";
inline constexpr std::size_t kLocalStationRecordLength = 1024;
inline constexpr int kLocalStationCount = 16;

namespace local_station {
inline constexpr Field station_number{"station_number", 0, 15,
                                      FieldKind::kText};
inline constexpr Field station_name{"station_name", 15, 40, FieldKind::kText};
inline constexpr Field station_kind{"station_kind", 55, 40, FieldKind::kText};
inline constexpr Field station_info_1{"station_info_1", 95, 40,
                                      FieldKind::kText};
inline constexpr Field station_info_2{"station_info_2", 135, 40,
                                      FieldKind::kText};
inline constexpr Field option_flags{"option_flags", 175, 30, FieldKind::kText};
inline constexpr Field yes_no_text{"yes_no_text", 205, 15, FieldKind::kText};
inline constexpr Field text_220{"", 220, 15, FieldKind::kText};
inline constexpr Field text_235{"", 235, 15, FieldKind::kText};
inline constexpr Field int_250{"", 250, 4, FieldKind::kInt32};
inline constexpr Field station_index{"station_index", 254, 4,
                                     FieldKind::kInt32};
inline constexpr Field int_258{"", 258, 2, FieldKind::kInt16};
inline constexpr Field text_260{"", 260, 5, FieldKind::kText};
inline constexpr Field text_265{"", 265, 5, FieldKind::kText};
inline constexpr Field bytes_270{"", 270, 16, FieldKind::kBytes};
inline constexpr Field text_286{"", 286, 18, FieldKind::kText};
inline constexpr Field text_304{"", 304, 126, FieldKind::kText};
inline constexpr Field int_430{"", 430, 2, FieldKind::kInt16};
inline constexpr Field text_432{"", 432, 250, FieldKind::kText};
inline constexpr Field text_682{"", 682, 62, FieldKind::kText};
inline constexpr Field text_744{"", 744, 280, FieldKind::kText};
inline constexpr std::array<Field, 21> kLayout = {
    station_number, station_name, station_kind, station_info_1, station_info_2,
    option_flags,   yes_no_text,  text_220,     text_235,       int_250,
    station_index,  int_258,      text_260,     text_265,       bytes_270,
    text_286,       text_304,     int_430,      text_432,       text_682,
    text_744};
static_assert(covers_record(kLayout, kLocalStationRecordLength));
}  // namespace local_station

// One station record, decoded. Texts are code page 1252 with their padding.
struct LocalStation {
  std::string station_number;
  std::string station_name;
  std::string station_kind;
  std::string station_info_1;
  std::string station_info_2;
  std::string option_flags;
  std::string yes_no_text;
  std::int32_t station_index = 0;
};

LocalStation decode_local_station(const Record& record);

// Opens W_NUP091.WDO in slot 91 and writes its defaults when the header's
// station count, as a 16-bit integer, is not above 0 (a file that is not
// empty is first re-read and copied to "W_NUP091.WDO.bak"). The file stays
// open; the caller reads the stations and closes slot 91.
void ensure_local_stations(Context& ctx);

// ensure_local_stations, then stations 1 to 16 (records 2 to 17; a record
// past the end of the file reads as zero bytes), then slot 91 closed.
std::array<LocalStation, kLocalStationCount> read_local_stations(Context& ctx);

}  // namespace mdc::data
