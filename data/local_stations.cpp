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

namespace {

constexpr std::string_view kServerKind = "Serveur";
constexpr std::string_view kStationKind = "Windows";
// "Poste N° ": the "°" is one byte of code page 1252.
constexpr std::string_view kStationNamePrefix = "Poste N\xB0 ";
constexpr std::string_view kYes = "OUI";
constexpr std::string_view kNo = "NON";
constexpr char kOptionFlag = 'O';
constexpr std::int16_t kDefaultInt258 = 9;

bool header_is_valid(const Record& header) {
  return get_int32(header, local_station::station_index) > 0;
}

std::string two_digits(int k) {
  return (k < 10 ? "0" : "") + std::to_string(k);
}

// The fields that the defaults of the header and of a station share.
void set_common_defaults(Record& r) {
  set_text(r, local_station::station_info_1, "");
  set_text(r, local_station::station_info_2, "");
  set_text(r, local_station::option_flags,
           std::string(local_station::option_flags.width, kOptionFlag));
  for (const Field& f : {local_station::text_220, local_station::text_235,
                         local_station::text_286, local_station::text_304,
                         local_station::text_432, local_station::text_744}) {
    set_text(r, f, "");
  }
  set_int32(r, local_station::int_250, 0);
  set_int16(r, local_station::int_258, kDefaultInt258);
  set_bytes(r, local_station::bytes_270, '\0');
}

// The header, which marks the table as present, is written last, so that a
// write that fails on the way leaves a table that is filled again next time.
void write_defaults(Context& ctx, RecordFile& table) {
  for (int k = 1; k <= kLocalStationCount; ++k) {
    Record r = table.read(k + 1);
    set_text(r, local_station::station_number, two_digits(k));
    set_text(r, local_station::station_name,
             std::string(kStationNamePrefix) + two_digits(k));
    set_text(r, local_station::station_kind, kStationKind);
    set_int32(r, local_station::station_index, k);
    set_common_defaults(r);
    set_text(r, local_station::yes_no_text, kNo);
    set_int16(r, local_station::int_430, 0);
    if (!table.write(k + 1, r)) return;
  }
  const platform::LocalDateTime now = ctx.now();
  Record header = table.read(1);
  set_text(header, local_station::station_name,
           std::string(kInitMarker) + date_stamp(now) + ":" + time_stamp(now));
  set_text(header, local_station::station_kind, kServerKind);
  set_common_defaults(header);
  set_text(header, local_station::yes_no_text, kYes);
  set_int32(header, local_station::station_index, kLocalStationCount);
  table.write(1, header);
}

}  // namespace

void ensure_local_stations(Context& ctx) {
  RecordFile& table = ctx.slots().open(kLocalStationsSlot, kLocalStationsFile,
                                       kLocalStationRecordLength);
  if (header_is_valid(table.read(1))) return;
  if (confirm_reinitialise(ctx.env(), table, header_is_valid) ==
      Reinitialise::kNo) {
    return;
  }
  write_defaults(ctx, table);
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
