// The remote station table w_posd86.wdo: 99 remote registers whose files are
// brought back into folders of their own on this server.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/context.h"
#include "data/record_layout.h"

namespace mdc::data {

inline constexpr int kRemoteStationsSlot = 86;
inline constexpr std::string_view kRemoteStationsFile = "w_posd86.wdo";
inline constexpr std::size_t kRemoteStationRecordLength = 512;
inline constexpr int kRemoteStationCount = 99;  // register n in record n + 1
inline constexpr std::string_view kRemoteRefLetter = "D";

namespace remote_station {
inline constexpr Field ref{"ref", 0, 15, FieldKind::kText};
inline constexpr Field parametres{"parametres", 15, 450, FieldKind::kText};
inline constexpr Field identite{"identite", 465, 47, FieldKind::kText};
inline constexpr std::array<Field, 3> kLayout = {ref, parametres, identite};
static_assert(covers_record(kLayout, kRemoteStationRecordLength));

// Sub-fields, at their bytes in the record.
inline constexpr Field chemin{"chemin", 15, 200, FieldKind::kText};
inline constexpr Field categorie{"categorie", 314, 15, FieldKind::kText};
inline constexpr Field fichier{"fichier", 344, 30, FieldKind::kText};
inline constexpr Field actif{"actif", 465, 1, FieldKind::kText};
// identite positions 2 to 20: kept blank so that writer and reader of the
// name agree.
inline constexpr Field identite_gap{"", 466, 19, FieldKind::kText};
// The name is written from identite position 21 and read from position 11.
inline constexpr Field nom{"nom", 485, 27, FieldKind::kText};
inline constexpr Field nom_read{"nom", 475, 37, FieldKind::kText};
}  // namespace remote_station

// One line of the remote station table, as its whole 512-byte record; each
// setter replaces its sub-field whole and leaves every other byte alone.
class poste_distant {
 public:
  poste_distant();  // a blank line
  explicit poste_distant(Record record);

  const Record& record() const { return record_; }

  // Raw sub-fields, padding included.
  std::string ref() const;
  std::string chemin() const;
  std::string categorie() const;
  std::string fichier() const;
  std::string actif() const;
  // The name as every reader takes it: identite positions 11 to 47, trimmed.
  std::string nom() const;

  // The register counts in the monitors: actif reads as a non-zero number.
  bool is_active() const;
  // The line is in use: its name is not empty.
  bool in_use() const;

  void set_chemin(std::string_view text);
  void set_categorie(std::string_view text);
  void set_fichier(std::string_view text);
  void set_actif(std::string_view text);
  // Writes the name from identite position 21, blanking positions 2 to 20.
  void set_nom(std::string_view text);

 private:
  Record record_;
};

// Makes the table ready in slot 86: reopens it, and writes the header and the
// 99 blank lines when the header has no init marker (a file that is not
// empty is first re-read and copied to "w_posd86.wdo.bak").
void ouvre_postes_distants(Context& ctx);

// Remote register n (1 to 99) from the open table; a blank line when the
// table is not open or n is out of range.
poste_distant read_poste_distant(Context& ctx, int n);
// Writes remote register n back whole; false when it fails.
bool write_poste_distant(Context& ctx, int n, const poste_distant& line);
// The 99 lines, after ouvre_postes_distants.
std::vector<poste_distant> read_postes_distants(Context& ctx);

// The folder of this machine named by a chemin written by the suite
// ("C:\ZOLVIN\DIST01\" or "DIST01\"): see remote_stations.cpp for how a
// drive-letter path is found. Empty when chemin is blank.
std::string remote_folder_path(Context& ctx, std::string_view chemin);
// The remote journal: the folder followed by W_CAI028.WDO. Empty when
// chemin is blank.
std::string remote_journal_path(Context& ctx, std::string_view chemin);

}  // namespace mdc::data
