#include "data/remote_stations.h"

#include "data/numbers.h"
#include "data/sales_journal.h"

namespace mdc::data {

poste_distant::poste_distant() : record_(kRemoteStationRecordLength, ' ') {}
poste_distant::poste_distant(Record record) : record_(std::move(record)) {
  record_.resize(kRemoteStationRecordLength, '\0');
}

std::string poste_distant::ref() const {
  return get_text(record_, remote_station::ref);
}
std::string poste_distant::chemin() const {
  return get_text(record_, remote_station::chemin);
}
std::string poste_distant::categorie() const {
  return get_text(record_, remote_station::categorie);
}
std::string poste_distant::fichier() const {
  return get_text(record_, remote_station::fichier);
}
std::string poste_distant::actif() const {
  return get_text(record_, remote_station::actif);
}
std::string poste_distant::nom() const {
  return trim(get_text(record_, remote_station::nom_read));
}
bool poste_distant::is_active() const { return parse_number(actif()) != 0; }
bool poste_distant::in_use() const { return !nom().empty(); }

void poste_distant::set_chemin(std::string_view text) {
  set_text(record_, remote_station::chemin, text);
}
void poste_distant::set_categorie(std::string_view text) {
  set_text(record_, remote_station::categorie, text);
}
void poste_distant::set_fichier(std::string_view text) {
  set_text(record_, remote_station::fichier, text);
}
void poste_distant::set_actif(std::string_view text) {
  set_text(record_, remote_station::actif, text);
}
void poste_distant::set_nom(std::string_view text) {
  set_text(record_, remote_station::identite_gap, "");
  set_text(record_, remote_station::nom, text);
}

void ouvre_postes_distants(Context& ctx) {
  (void)ctx;
}

poste_distant read_poste_distant(Context& ctx, int n) {
  RecordFile* table = ctx.slots().get(kRemoteStationsSlot);
  if (!table || n < 1 || n > kRemoteStationCount) return poste_distant();
  return poste_distant(table->read(n + 1));
}

bool write_poste_distant(Context& ctx, int n, const poste_distant& line) {
  RecordFile* table = ctx.slots().get(kRemoteStationsSlot);
  if (!table || n < 1 || n > kRemoteStationCount) return false;
  return table->write(n + 1, line.record());
}

std::vector<poste_distant> read_postes_distants(Context& ctx) {
  std::vector<poste_distant> lines;
  lines.reserve(kRemoteStationCount);
  for (int n = 1; n <= kRemoteStationCount; ++n) {
    lines.push_back(read_poste_distant(ctx, n));
  }
  return lines;
}

std::string remote_folder_path(Context& ctx, std::string_view chemin) {
  const std::string folder = trim(chemin);
  if (folder.empty()) return {};
  return ctx.path_of(folder);
}

std::string remote_journal_path(Context& ctx, std::string_view chemin) {
  const std::string folder = trim(chemin);
  if (folder.empty()) return {};
  return ctx.path_of(folder + std::string(kJournalFile));
}

}  // namespace mdc::data
