#include "data/local_stations.h"

namespace mdc::data {

LocalStation decode_local_station(const Record& record) {
  LocalStation s;
  s.station_number = get_text(record, local_station::station_number);
  s.station_name = get_text(record, local_station::station_name);
  s.station_kind = get_text(record, local_station::station_kind);
  s.station_info_1 = get_text(record, local_station::station_info_1);
  s.station_info_2 = get_text(record, local_station::station_info_2);
  s.option_flags = get_text(record, local_station::option_flags);
  s.yes_no_text = get_text(record, local_station::yes_no_text);
  s.station_index = get_int32(record, local_station::station_index);
  return s;
}

void ensure_local_stations(Context& ctx) {
  ctx.slots().open(kLocalStationsSlot, kLocalStationsFile,
                   kLocalStationRecordLength);
}

std::array<LocalStation, kLocalStationCount> read_local_stations(Context& ctx) {
  ensure_local_stations(ctx);
  std::array<LocalStation, kLocalStationCount> stations;
  RecordFile* table = ctx.slots().get(kLocalStationsSlot);
  for (int k = 1; k <= kLocalStationCount; ++k) {
    stations[k - 1] = decode_local_station(
        table ? table->read(k + 1) : Record(kLocalStationRecordLength, '\0'));
  }
  ctx.slots().close(kLocalStationsSlot);
  return stations;
}

}  // namespace mdc::data
