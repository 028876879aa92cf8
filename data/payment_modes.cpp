#include "data/payment_modes.h"

namespace mdc::data {
namespace {

// Code page 1252 texts: "è" is the byte E8.
constexpr std::array<std::string_view, 7> kNamedModes = {"CB :Carte Bleue",
                                                         "CHQ:Ch\xE8que",
                                                         "ESP:Esp\xE8"
                                                         "ces",
                                                         "MCA:Master Card",
                                                         "AME:American Express",
                                                         "VIR:Virement",
                                                         "TIR:Ticket Resto"};
constexpr std::string_view kOtherMode = "DIV:Divers";

bool header_is_valid(const Record& header) { return has_init_marker(header); }

Record entry_record(std::string_view text) {
  Record r(kPaymentModeRecordLength, ' ');
  set_text(r, payment_mode::entry, text);
  return r;
}

// The header, which marks the table as made, is written last, so that a
// write that fails on the way leaves a table that is made again next time.
void write_defaults(Context& ctx, RecordFile& table) {
  for (int k = 1; k <= kPaymentModeCount; ++k) {
    const std::string_view entry = k <= static_cast<int>(kNamedModes.size())
                                       ? kNamedModes[k - 1]
                                       : kOtherMode;
    if (!table.write(k + 1, entry_record(entry))) return;
  }
  const platform::LocalDateTime now = ctx.now();
  table.write(1, entry_record(std::string(kInitMarker) + ":" + date_stamp(now) +
                              ":" + time_stamp(now)));
}

}  // namespace

void ensure_payment_modes(Context& ctx) {
  RecordFile& table = ctx.slots().open(kPaymentModesSlot, kPaymentModesFile,
                                       kPaymentModeRecordLength);
  if (header_is_valid(table.read(1))) return;
  if (confirm_reinitialise(ctx.env(), table, header_is_valid) ==
      Reinitialise::kNo) {
    return;
  }
  write_defaults(ctx, table);
}

std::array<std::string, kPaymentModeCount> read_payment_mode_codes(
    Context& ctx) {
  std::array<std::string, kPaymentModeCount> codes;
  RecordFile* table = ctx.slots().get(kPaymentModesSlot);
  for (int k = 1; k <= kPaymentModeCount; ++k) {
    const Record r =
        table ? table->read(k + 1) : Record(kPaymentModeRecordLength, '\0');
    codes[k - 1] = r.substr(0, kPaymentCodeWidth);
  }
  return codes;
}

}  // namespace mdc::data
