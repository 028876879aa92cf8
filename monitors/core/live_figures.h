// The figures of one refresh of the live monitor: the day's takings of the
// server, the sixteen local stations and the active remote registers, the
// takings of each minute, the grand total and the geometry of the graph. The
// window only writes these texts into its grids and draws these bars.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/context.h"
#include "data/remote_stations.h"
#include "monitors/core/remote_journal.h"

namespace mdc::monitors {

// Rows of the local grid: the server (index 0) and stations 1 to 16.
inline constexpr int kLocalRows = 17;
// Rows of the remote grid: remote registers 1 to 17 are listed, and only 1
// to 16 are read.
inline constexpr int kRemoteRowsListed = 17;
inline constexpr int kRemoteRegistersRead = 16;

inline constexpr std::string_view kServerKey = "00";
inline constexpr std::string_view kServerName = "Serveur de Caisse";
inline constexpr std::string_view kServerKind = "Windows";

// The daily base shown when none is stored, and the least a typed base may
// be once committed.
inline constexpr std::string_view kDefaultDailyBase = "1000";
inline constexpr std::string_view kMinimumDailyBase = "100";
inline constexpr double kMinimumDailyBaseValue = 100;
inline constexpr std::string_view kDailyBaseKey = "CAQUOT";

// The graph in the picture box mm1, in twips.
namespace graph {
inline constexpr int kWidth = 11625;
inline constexpr int kHeight = 1875;
inline constexpr int kLeft = 700;       // vertical axis and minute 0
inline constexpr int kAxisTop = 100;
inline constexpr int kBaseline = 1500;
inline constexpr int kRight = 10780;    // end of the baseline
inline constexpr int kMinuteStep = 7;
inline constexpr int kBarWidth = 5;
inline constexpr int kHourStep = 420;
inline constexpr int kTickBottom = 1550;
inline constexpr int kHourLabelTop = 1570;
inline constexpr int kFullBar = 1400;   // a minute taking the whole base
inline constexpr int kScaleRight = 650; // scale labels end here
inline constexpr int kScaleLabelStep = 280;
inline constexpr int kScaleLabels = 6;  // 0 to 5 fifths of the base
inline constexpr double kScaleFraction = 0.2;
inline constexpr double kFontPoints = 7;
}  // namespace graph

// The label columns of a grid row (cp1252 texts as they are shown).
struct RowLabels {
  std::string key;     // column 0
  std::string name;    // column 1
  std::string detail;  // column 2: station kind, or the remote folder
  std::string info_1;  // column 3 (local rows)
  std::string info_2;  // column 4 (local rows)
};

// What the live monitor shows of each register, read at every refresh.
struct LiveLabels {
  std::array<RowLabels, kLocalRows> local;
  std::array<RowLabels, kRemoteRowsListed> remote;
  // Remote registers 1 to 17, as the table held them.
  std::vector<data::poste_distant> remote_lines;
};

// Reads the local station table (its defaults written when it has none) and
// the remote station table (made ready with ouvre_postes_distants).
LiveLabels read_live_labels(data::Context& ctx);

// The figure columns of a grid row; an empty text leaves the cell empty.
struct FigureRow {
  std::string amount;      // column 5
  std::string share;       // column 6
  std::string first_time;  // column 8
  std::string last_time;   // column 9
  std::string count;       // column 10
  std::string average;     // column 11
};

enum class RemoteRowState {
  kInactive,    // not counted in the monitors
  kRead,        // figures shown
  kNoFolder,    // active, but its folder is missing: no figures
  kUnreadable,  // active, but its journal cannot be opened: no figures
  kNotRead,     // listed beyond the registers read
};

// One bar of the graph: a box from (left, baseline) to (right, top).
struct Bar {
  int left;
  int right;
  int top;
};

struct ScaleLabel {
  std::string text;
  int top;  // the label ends at graph::kScaleRight
};

struct LiveQuery {
  std::string shown_date;    // "dd-mm-yyyy"
  std::string load_day;      // the day the window was (re)loaded
  std::int64_t load_day_start = 2;  // first journal record of load_day
  double daily_base = 1000;  // as committed (see refresh_daily_base)
};

struct LiveFigures {
  std::array<FigureRow, kLocalRows> local;
  std::array<FigureRow, kRemoteRowsListed> remote;
  std::array<RemoteRowState, kRemoteRowsListed> remote_state{};
  std::array<RegisterDay, kLocalRows> stations;
  MinuteTakings takings;
  double local_total = 0;
  double grand_total = 0;
  std::string grand_total_text;  // Label2
  std::string refresh_time;      // Label1, hh:mm
  double daily_base = 1000;
  std::array<ScaleLabel, graph::kScaleLabels> scale;
  std::vector<Bar> bars;  // minute 0 to 1439
  // Journal records the local scan read, and where it began.
  std::int64_t records_scanned = 0;
  std::int64_t scan_start = 2;
  std::int64_t untimed_tickets = 0;
};

// The first journal record dated `day`, or the first data record when the
// journal holds none.
std::int64_t find_start_record(data::RecordFile& journal, std::string_view day);

// Opens the local journal and finds the start record of `day`.
std::int64_t find_local_start_record(data::Context& ctx, std::string_view day);

// Where a refresh of `shown_date` begins its local scan: the start record
// for the day of loading; any other day is scanned from the first data
// record, so none of its tickets is missed.
std::int64_t scan_start_for(const LiveQuery& query);

// The local tickets of the shown date, from `first_record`, added to their
// stations (a station number above 16 or below 0 counts as the server) and
// to their minutes; returns the records read.
std::int64_t add_local_day(data::RecordFile& journal, std::string_view shown_date,
                           std::int64_t first_record,
                           std::array<RegisterDay, kLocalRows>& stations,
                           MinuteTakings& takings);

// Texts of a refresh from what was added up: amounts with the amount format
// and the regional separator, empty where a register row shows zero.
void fill_local_rows(const data::Context& ctx, LiveFigures& figures);
FigureRow remote_row(const data::Context& ctx, const RegisterDay& day);

// The graph of the day: one bar per minute, the scale labels.
std::vector<Bar> graph_bars(const MinuteTakings& takings, double daily_base);
std::array<ScaleLabel, graph::kScaleLabels> scale_labels(double daily_base);

// The whole refresh: local journal, remote registers 1 to 16 of
// `remote_lines`, grand total and graph. No journal is written.
LiveFigures compute_live_figures(
    data::Context& ctx, const LiveQuery& query,
    const std::vector<data::poste_distant>& remote_lines);

// The daily base: what the box shows when the window loads (the stored
// text, "1000" when it is empty or not a positive number), what a commit
// stores (at least "100"), and the base a refresh uses (the typed one, or the
// last committed one when the box does not hold a positive number).
std::string daily_base_at_load(std::string_view stored);
std::string committed_daily_base(std::string_view typed);
double refresh_daily_base(std::string_view typed, double last_committed);

// The shown date moved by `days` calendar days ("dd-mm-yyyy").
std::string step_day(std::string_view shown_date, int days);

}  // namespace mdc::monitors
