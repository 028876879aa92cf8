// The keyed value file WFICH_IA.WDO: small settings of the suite as key and
// value pairs, found by a linear scan, appended at the end, never deleted.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/record_layout.h"

namespace mdc::data {

inline constexpr int kKeyedValuesSlot = 25;
inline constexpr std::string_view kKeyedValuesFile = "WFICH_IA.WDO";
inline constexpr std::size_t kKeyedValueRecordLength = 144;

namespace keyed_value {
inline constexpr Field value{"value", 0, 106, FieldKind::kText};
inline constexpr Field int_106{"", 106, 4, FieldKind::kInt32};
inline constexpr Field count{"count", 110, 4, FieldKind::kInt32};
inline constexpr Field int_114{"", 114, 4, FieldKind::kInt32};
inline constexpr Field key{"key", 118, 25, FieldKind::kText};
inline constexpr Field last_text{"", 143, 1, FieldKind::kText};
inline constexpr std::array<Field, 6> kLayout = {value,   int_106, count,
                                                 int_114, key,     last_text};
static_assert(covers_record(kLayout, kKeyedValueRecordLength));
}  // namespace keyed_value

// A key as stored: padded with spaces and cut to 25 characters, case kept.
std::string normalise_value_key(std::string_view key);

// The value stored under `key`, trimmed; empty when the key is absent. Only
// the entries the file holds are read, whatever its header count says. The
// file stays open in slot 25.
std::string keyed_value_get(Context& ctx, std::string_view key);

// Stores `value` (cut to 106 characters) under `key`: replaces the first
// entry of that key, or appends one and counts it in the header. A header
// count past the records the file holds is taken as the number of entries it
// holds, so an append never lands far past the end. False when a write
// failed. The file stays open in slot 25.
bool keyed_value_set(Context& ctx, std::string_view key,
                     std::string_view value);

}  // namespace mdc::data
