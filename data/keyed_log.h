// The keyed log W_intlog.wdo (module inter_logg): text values under keys,
// shared in turn with other programs of the suite, which read a value and
// may overwrite or empty it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/record_layout.h"

namespace mdc::data {

inline constexpr std::string_view kKeyedLogFile = "W_intlog.wdo";
inline constexpr std::size_t kKeyedLogRecordLength = 128;

// Record type ligne_log.
namespace ligne_log {
inline constexpr Field cle{"cle", 0, 15, FieldKind::kText};
inline constexpr Field reserved_15{"", 15, 8, FieldKind::kText};
inline constexpr Field valeur{"valeur", 23, 40, FieldKind::kText};
inline constexpr Field reserved_63{"", 63, 1, FieldKind::kText};
inline constexpr Field reserved_64{"", 64, 60, FieldKind::kText};
inline constexpr Field nombre{"nombre", 124, 4, FieldKind::kInt32};
inline constexpr std::array<Field, 6> kLayout = {
    cle, reserved_15, valeur, reserved_63, reserved_64, nombre};
static_assert(covers_record(kLayout, kKeyedLogRecordLength));
}  // namespace ligne_log

inline constexpr int kKeyNotFound = -1;

// A key as stored: surrounding spaces removed, padded or cut to 15
// characters, upper case (code page 1252 letters included).
std::string normalise_log_key(std::string_view key);

// The steps of the keyed log, with the state they share between them: the
// slot, the entry count, the index of the last entry found and the key.
class KeyedLog {
 public:
  explicit KeyedLog(Context& ctx) : ctx_(ctx) {}

  // Opens the file in the first free slot and loads the entry count; a
  // header without "#INIT#" is rewritten with count 0 (a file that is not
  // empty is first re-read and copied to "W_intlog.wdo.bak").
  void ouvre_log();
  // Sets the found index to the first entry whose cle is the key, or -1.
  void cherche_cle();
  // Counts one more entry in the header and writes it blank; the found index
  // becomes the new entry.
  void ajoute_ligne();
  void ferme_log();

  void set_key(std::string_view key) { key_ = normalise_log_key(key); }
  int found() const { return found_; }
  std::int16_t count() const { return count_; }
  int slot() const { return slot_; }
  // The file is open with a valid header after ouvre_log.
  bool ready() const { return ready_; }

 private:
  RecordFile* file();
  // The header's count, kept within the entries the file holds, so that a
  // damaged count never sends a read or an append far past the end.
  std::int16_t entries_held(const Record& header);

  Context& ctx_;
  int slot_ = 0;
  std::int16_t count_ = 0;
  int found_ = kKeyNotFound;
  bool ready_ = false;
  std::string key_;
};

// Stores `value` (cut to 40 characters) under `key`, appending an entry for a
// new key; the file is opened and closed again.
void ecrit_valeur(Context& ctx, std::string_view key, std::string_view value);
// The 40-character valeur stored under `key`, trailing spaces included;
// empty when the key is absent. The file is opened and closed again.
std::string lit_valeur(Context& ctx, std::string_view key);

}  // namespace mdc::data
