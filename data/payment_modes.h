// The payment modes table W_CAI064.WDO: 40 mode slots, each a three-character
// code, ":" and a label; slot k in record k + 1.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/record_layout.h"

namespace mdc::data {

inline constexpr int kPaymentModesSlot = 64;
inline constexpr std::string_view kPaymentModesFile = "W_CAI064.WDO";
inline constexpr std::size_t kPaymentModeRecordLength = 80;
inline constexpr int kPaymentModeCount = 40;
inline constexpr std::size_t kPaymentCodeWidth = 3;

namespace payment_mode {
inline constexpr Field entry{"entry", 0, 80, FieldKind::kText};
inline constexpr std::array<Field, 1> kLayout = {entry};
static_assert(covers_record(kLayout, kPaymentModeRecordLength));
}  // namespace payment_mode

// Opens W_CAI064.WDO in slot 64 and writes its defaults when record 1 has no
// init marker (a file that is not empty is first re-read and copied to
// "W_CAI064.WDO.bak"). The file stays open.
void ensure_payment_modes(Context& ctx);

// The codes of slots 1 to 40 (three characters each, padding kept) from the
// open table; zero bytes for a slot the file does not hold.
std::array<std::string, kPaymentModeCount> read_payment_mode_codes(
    Context& ctx);

}  // namespace mdc::data
