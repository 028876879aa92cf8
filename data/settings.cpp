#include "data/settings.h"

#include "data/numbers.h"

namespace mdc::data {
namespace {

constexpr Field kParameterText{"text", 0, kParameterRecordLength, FieldKind::kText};
constexpr std::array<Field, 1> kParameterLayout{kParameterText};
static_assert(covers_record(kParameterLayout, kParameterRecordLength));

constexpr Field kRegisterText{"text", 0, kRegisterSettingsRecordLength,
                              FieldKind::kText};
constexpr std::array<Field, 1> kRegisterLayout{kRegisterText};
static_assert(covers_record(kRegisterLayout, kRegisterSettingsRecordLength));

constexpr Field kSwitchHeader{"header", 0, kSwitchHeaderWidth, FieldKind::kText};
constexpr Field kSwitchString{"switches", kSwitchHeaderWidth, kSwitchStringWidth,
                              FieldKind::kText};
constexpr std::array<Field, 2> kSwitchLayout{kSwitchHeader, kSwitchString};
static_assert(covers_record(kSwitchLayout, kSwitchRecordLength));

Record text_record(std::size_t length, std::string_view text) {
  Record r(length, ' ');
  set_text(r, Field{"text", 0, length, FieldKind::kText}, text);
  return r;
}

bool begins_with(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

void ensure_parameter_file(Context& ctx) {
  RecordFile& file =
      ctx.slots().open(kParameterSlot, kParameterFile, kParameterRecordLength);
  if (has_init_marker(file.read(1))) return;
  if (confirm_reinitialise(ctx.env(), file, has_init_marker) ==
      Reinitialise::kNo) {
    return;
  }
  const auto now = ctx.now();
  file.write(1, text_record(kParameterRecordLength,
                            std::string(kInitMarker) + date_stamp(now)));
  const Record blank(kParameterRecordLength, ' ');
  for (int n = 2; n <= kParameterBlankRecords + 1; ++n) file.write(n, blank);
}

void load_colour_table(Context& ctx) {
  ColourTable& table = ctx.settings().colours;
  table = ColourTable{};
  RecordFile* file = ctx.slots().get(kParameterSlot);
  for (int k = 1; k <= 9; ++k) {
    for (auto [base, entries] :
         {std::pair{kForegroundColourBase, &table.foreground},
          std::pair{kBackgroundColourBase, &table.background}}) {
      const Record r = file ? file->read(base + k)
                            : Record(kParameterRecordLength, '\0');
      const std::string text = get_text(r, kParameterText);
      (*entries)[k] =
          begins_with(text, kColourPrefix)
              ? to_int32(parse_number(std::string_view(text).substr(kColourPrefix.size())))
              : kColourNotSet;
    }
  }
}

std::string read_start_command(Context& ctx) {
  RecordFile* file = ctx.slots().get(kParameterSlot);
  if (!file) return {};
  const std::string command =
      trim(get_text(file->read(kStartCommandRecord), kParameterText));
  file->write(kStartCommandRecord, Record(kParameterRecordLength, ' '));
  return command;
}

void open_register_settings(Context& ctx) {
  ctx.slots().open(kRegisterSettingsSlot, kRegisterSettingsFile,
                   kRegisterSettingsRecordLength);
}

Record read_register_setting(Context& ctx, int record) {
  RecordFile* file = ctx.slots().get(kRegisterSettingsSlot);
  if (!file) return Record(kRegisterSettingsRecordLength, '\0');
  return file->read(record);
}

bool write_register_setting(Context& ctx, int record, std::string_view text) {
  RecordFile* file = ctx.slots().get(kRegisterSettingsSlot);
  return file && file->write(record, text_record(kRegisterSettingsRecordLength, text));
}

void load_amount_format(Context& ctx) {
  const std::string text =
      get_text(read_register_setting(ctx, kAmountFormatRecord), kRegisterText);
  ctx.settings().amount_format =
      begins_with(text, kAmountFormatPrefix)
          ? trim(std::string_view(text).substr(kAmountFormatPrefix.size()))
          : std::string(kDefaultAmountFormat);
}

void load_department_names(Context& ctx) {
  for (int k = 0; k < kDepartmentCount; ++k) {
    const std::string name = trim(get_text(
        read_register_setting(ctx, kDepartmentNameBase + k), kRegisterText));
    ctx.settings().department_names[k] =
        std::string(1, static_cast<char>('A' + k)) + " " + name;
  }
}

void ensure_switch_file(Context& ctx) {
  RecordFile& file = ctx.slots().open(kSwitchSlot, kSwitchFile, kSwitchRecordLength);
  if (has_init_marker(file.read(1))) return;
  if (confirm_reinitialise(ctx.env(), file, has_init_marker) ==
      Reinitialise::kNo) {
    return;
  }
  const auto now = ctx.now();
  Record r(kSwitchRecordLength, ' ');
  set_text(r, kSwitchHeader,
           std::string(kInitMarker) + date_stamp(now) + time_stamp(now));
  r[kSwitchString.offset + 2 * kDefaultOnSwitch] = '1';
  file.write(1, r);
}

void load_switches(Context& ctx) {
  ensure_switch_file(ctx);
  RecordFile* file = ctx.slots().get(kSwitchSlot);
  ctx.settings().switch_string =
      file ? get_text(file->read(1), kSwitchString) : std::string();
  ctx.slots().close(kSwitchSlot);
}

std::int16_t switch_value(const Context& ctx, int n) {
  const std::string& s = ctx.settings().switch_string;
  if (n < 0 || n >= kSwitchCount || s.size() < static_cast<std::size_t>(2 * n + 2)) {
    return 0;
  }
  return to_int16(parse_number(std::string_view(s).substr(2 * n, 2)));
}

}  // namespace mdc::data
