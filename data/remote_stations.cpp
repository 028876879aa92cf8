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

namespace {

RecordFile& open_table(Context& ctx) {
  return ctx.slots().open(kRemoteStationsSlot, kRemoteStationsFile,
                          kRemoteStationRecordLength);
}

bool header_is_valid(const Record& header) { return has_init_marker(header); }

// The header, which marks the table as made, is written last, so that a
// write that fails on the way leaves a table that is made again next time.
bool write_defaults(Context& ctx, RecordFile& table) {
  for (int n = 1; n <= kRemoteStationCount; ++n) {
    Record line(kRemoteStationRecordLength, ' ');
    set_text(line, remote_station::ref,
             std::string(kRemoteRefLetter) + (n < 10 ? "0" : "") +
                 std::to_string(n));
    if (!table.write(n + 1, line)) return false;
  }
  Record header(kRemoteStationRecordLength, ' ');
  set_text(header, remote_station::ref,
           std::string(kInitMarker) + date_stamp(ctx.now()));
  return table.write(1, header);
}

bool is_separator(char c) { return c == '\\' || c == '/'; }

bool has_drive_letter(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') ||
          (path[0] >= 'a' && path[0] <= 'z'));
}

// A folder written by the suite, as a folder of this machine. A path with a
// drive letter names a folder of the Windows server: its parts are looked
// for under the data folder, the longest tail that exists winning
// ("C:\ZOLVIN\DIST01" is the data folder's ZOLVIN/DIST01, else its DIST01);
// when none exists, the whole path without its drive, under the data folder.
std::string folder_on_this_machine(Context& ctx, std::string_view folder) {
  if (!has_drive_letter(folder)) return ctx.path_of(folder);
  std::vector<std::string_view> parts;
  std::string_view rest = folder.substr(2);
  while (!rest.empty()) {
    std::size_t cut = 0;
    while (cut < rest.size() && !is_separator(rest[cut])) ++cut;
    if (cut > 0) parts.push_back(rest.substr(0, cut));
    rest = cut < rest.size() ? rest.substr(cut + 1) : std::string_view{};
  }
  auto join = [&](std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < parts.size(); ++i) {
      if (!out.empty()) out += '/';
      out += parts[i];
    }
    return out;
  };
  for (std::size_t from = 0; from < parts.size(); ++from) {
    const std::string path = ctx.path_of(join(from));
    if (ctx.env().is_folder(path)) return path;
  }
  return ctx.path_of(join(0));
}

}  // namespace

void ouvre_postes_distants(Context& ctx) {
  RecordFile& table = open_table(ctx);
  if (header_is_valid(table.read(1))) return;
  if (confirm_reinitialise(ctx.env(), table, header_is_valid) ==
      Reinitialise::kNo) {
    return;
  }
  write_defaults(ctx, table);
  open_table(ctx);
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
  return folder_on_this_machine(ctx, folder);
}

std::string remote_journal_path(Context& ctx, std::string_view chemin) {
  const std::string folder = trim(chemin);
  if (folder.empty()) return {};
  // The journal's name follows the folder directly, as the suite joins them.
  const std::string joined = folder + std::string(kJournalFile);
  std::size_t cut = joined.size();
  while (cut > 0 && !is_separator(joined[cut - 1])) --cut;
  const std::string name = joined.substr(cut);
  if (cut == 0) return ctx.path_of(name);
  const std::string dir =
      folder_on_this_machine(ctx, std::string_view(joined).substr(0, cut));
  return platform::resolve_suite_path(ctx.env(), dir, name);
}

}  // namespace mdc::data
