#include "data/keyed_log.h"

#include <algorithm>

#include "data/numbers.h"

namespace mdc::data {
namespace {

// Upper case in code page 1252: ASCII letters, the accented letters E0 to FE
// (but the sign F7), and the four letters whose capitals lie elsewhere.
char upper_cp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
  switch (u) {
    case 0x9A:
      return static_cast<char>(0x8A);
    case 0x9C:
      return static_cast<char>(0x8C);
    case 0x9E:
      return static_cast<char>(0x8E);
    case 0xFF:
      return static_cast<char>(0x9F);
    default:
      return c;
  }
}

bool header_is_valid(const Record& header) { return has_init_marker(header); }

Record blank_entry() {
  Record r(kKeyedLogRecordLength, ' ');
  set_int32(r, ligne_log::nombre, 0);
  return r;
}

}  // namespace

std::string normalise_log_key(std::string_view key) {
  std::string out = trim(key);
  out.resize(ligne_log::cle.width, ' ');
  std::transform(out.begin(), out.end(), out.begin(), upper_cp1252);
  return out;
}

RecordFile* KeyedLog::file() { return ctx_.slots().get(slot_); }

std::int16_t KeyedLog::entries_held(const Record& header) {
  RecordFile* f = file();
  const std::int64_t held =
      f ? std::max<std::int64_t>(f->records_held() - 1, 0) : 0;
  const std::int64_t count = get_int32(header, ligne_log::nombre);
  return to_int16(
      static_cast<double>(std::clamp<std::int64_t>(count, 0, held)));
}

void KeyedLog::ouvre_log() {
  slot_ = ctx_.slots().first_free_slot();
  RecordFile& f =
      ctx_.slots().open(slot_, kKeyedLogFile, kKeyedLogRecordLength);
  Record header = f.read(1);
  if (!header_is_valid(header)) {
    if (confirm_reinitialise(ctx_.env(), f, header_is_valid) ==
        Reinitialise::kYes) {
      ajoute_ligne();
      header = f.read(1);
      set_text(header, ligne_log::cle, kInitMarker);
      set_int32(header, ligne_log::nombre, 0);
      f.write(1, header);
    }
    header = f.read(1);
  }
  ready_ = header_is_valid(header);
  count_ = ready_ ? entries_held(header) : 0;
}

void KeyedLog::cherche_cle() {
  found_ = kKeyNotFound;
  RecordFile* f = file();
  if (!f) return;
  for (int i = 1; i <= count_; ++i) {
    if (get_text(f->read(i + 1), ligne_log::cle) == key_) {
      found_ = i;
      return;
    }
  }
}

void KeyedLog::ajoute_ligne() {
  RecordFile* f = file();
  if (!f) return;
  Record header = f->read(1);
  const std::int16_t count = header_is_valid(header) ? entries_held(header) : 0;
  found_ = count + 1;
  set_int32(header, ligne_log::nombre, found_);
  if (!f->write(1, header)) {
    found_ = kKeyNotFound;
    return;
  }
  count_ = static_cast<std::int16_t>(found_);
  f->write(found_ + 1, blank_entry());
}

void KeyedLog::ferme_log() {
  if (slot_ != 0) ctx_.slots().close(slot_);
  slot_ = 0;
}

void ecrit_valeur(Context& ctx, std::string_view key, std::string_view value) {
  KeyedLog log(ctx);
  log.ouvre_log();
  log.set_key(key);
  log.cherche_cle();
  if (!log.ready()) {
    // A foreign file that could not be set aside is left as it is.
    log.ferme_log();
    return;
  }
  if (log.found() == kKeyNotFound) log.ajoute_ligne();
  if (log.found() != kKeyNotFound) {
    RecordFile& f = *ctx.slots().get(log.slot());
    Record entry = f.read(log.found() + 1);
    set_text(entry, ligne_log::cle, normalise_log_key(key));
    set_text(entry, ligne_log::valeur, value);
    f.write(log.found() + 1, entry);
  }
  log.ferme_log();
}

std::string lit_valeur(Context& ctx, std::string_view key) {
  KeyedLog log(ctx);
  log.ouvre_log();
  log.set_key(key);
  log.cherche_cle();
  std::string value;
  if (log.found() != kKeyNotFound) {
    value = get_text(ctx.slots().get(log.slot())->read(log.found() + 1),
                     ligne_log::valeur);
  }
  log.ferme_log();
  return value;
}

}  // namespace mdc::data
