#include "data/keyed_values.h"

#include <algorithm>

namespace mdc::data {
namespace {

RecordFile& open_file(Context& ctx) {
  return ctx.slots().open(kKeyedValuesSlot, kKeyedValuesFile,
                          kKeyedValueRecordLength);
}

// The header count, kept within the entries the file holds.
std::int64_t entries_held(RecordFile& file, const Record& header) {
  const std::int64_t count = get_int32(header, keyed_value::count);
  return std::clamp<std::int64_t>(
      count, 0, std::max<std::int64_t>(file.records_held() - 1, 0));
}

}  // namespace

std::string normalise_value_key(std::string_view key) {
  std::string out(key.substr(0, keyed_value::key.width));
  out.resize(keyed_value::key.width, ' ');
  return out;
}

std::string keyed_value_get(Context& ctx, std::string_view key) {
  RecordFile& file = open_file(ctx);
  const std::string wanted = normalise_value_key(key);
  const std::int64_t count = entries_held(file, file.read(1));
  for (std::int64_t i = 1; i <= count; ++i) {
    const Record r = file.read(i + 1);
    if (get_text(r, keyed_value::key) == wanted) {
      return trim(get_text(r, keyed_value::value));
    }
  }
  return {};
}

bool keyed_value_set(Context& ctx, std::string_view key,
                     std::string_view value) {
  RecordFile& file = open_file(ctx);
  const std::string wanted = normalise_value_key(key);
  Record header = file.read(1);
  const std::int64_t count = entries_held(file, header);
  for (std::int64_t i = 1; i <= count; ++i) {
    Record r = file.read(i + 1);
    if (get_text(r, keyed_value::key) == wanted) {
      set_text(r, keyed_value::value, value);
      return file.write(i + 1, r);
    }
  }
  header = file.read(1);
  set_int32(header, keyed_value::count, static_cast<std::int32_t>(count + 1));
  if (!file.write(1, header)) return false;
  // The new entry is built in the header's buffer: its last character stays.
  Record& entry = header;
  set_text(entry, keyed_value::value, value);
  set_text(entry, keyed_value::key, wanted);
  set_int32(entry, keyed_value::int_106, 0);
  set_int32(entry, keyed_value::count, 0);
  set_int32(entry, keyed_value::int_114, 0);
  return file.write(count + 2, entry);
}

}  // namespace mdc::data
