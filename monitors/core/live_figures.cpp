#include "monitors/core/live_figures.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "data/dates.h"
#include "data/journal_scan.h"
#include "data/local_stations.h"
#include "data/numbers.h"
#include "data/record_file.h"
#include "data/sales_journal.h"

namespace mdc::monitors {
namespace {

constexpr std::string_view kShareSuffix = " % ";
constexpr std::string_view kCellPad = " ";
constexpr std::size_t kClockWidth = 5;  // hh:mm of hh:mm:ss
constexpr std::size_t kCheminWidth = 200;

// The row of a ticket's station: 1 to 16, anything else the server.
int station_row(const data::JournalView& ticket) {
  const int s = ticket.register_number();
  return s >= 1 && s <= data::kLocalStationMax ? s : 0;
}

std::string amount_text(const data::Context& ctx, double value) {
  return data::format_amount(value, ctx.settings().amount_format,
                             ctx.decimal_separator());
}

bool shows_zero(const data::Context& ctx, const std::string& shown) {
  return data::read_shown_figure(shown, ctx.decimal_separator()) == 0;
}

std::string count_text(std::int64_t count) {
  return count == 0 ? std::string() : data::format_count(static_cast<double>(count));
}

}  // namespace

LiveLabels read_live_labels(data::Context& ctx) {
  LiveLabels labels;
  labels.local[0] = {std::string(kServerKey), std::string(kServerName),
                     std::string(kServerKind), {}, {}};
  const auto stations = data::read_local_stations(ctx);
  for (int k = 1; k <= data::kLocalStationCount; ++k) {
    const data::LocalStation& s = stations[static_cast<std::size_t>(k - 1)];
    labels.local[static_cast<std::size_t>(k)] = {
        std::to_string(k), s.station_name, s.station_kind,
        data::trim(s.station_info_1), data::trim(s.station_info_2)};
  }

  data::ouvre_postes_distants(ctx);
  labels.remote_lines.reserve(kRemoteRowsListed);
  for (int k = 1; k <= kRemoteRowsListed; ++k) {
    data::poste_distant line = data::read_poste_distant(ctx, k);
    labels.remote[static_cast<std::size_t>(k - 1)] = {
        data::trim(line.ref()), line.nom(), line.chemin().substr(0, kCheminWidth),
        {}, {}};
    labels.remote_lines.push_back(std::move(line));
  }
  return labels;
}

std::int64_t find_start_record(data::RecordFile& journal, std::string_view day) {
  std::int64_t start = data::kFirstJournalDataRecord;
  data::scan_journal(journal, [&](const data::JournalView& record) {
    if (record.date_text() != day) return true;
    start = record.number();
    return false;
  });
  return start;
}

std::int64_t find_local_start_record(data::Context& ctx, std::string_view day) {
  data::open_sales_journal(ctx);
  data::RecordFile* journal = ctx.file_slots().get(data::kJournalSlot);
  const std::int64_t start = journal ? find_start_record(*journal, day)
                                     : data::kFirstJournalDataRecord;
  ctx.file_slots().close(data::kJournalSlot);
  return start;
}

std::int64_t scan_start_for(const LiveQuery& query) {
  return query.shown_date == query.load_day ? query.load_day_start
                                            : data::kFirstJournalDataRecord;
}

std::int64_t add_local_day(data::RecordFile& journal, std::string_view shown_date,
                           std::int64_t first_record,
                           std::array<RegisterDay, kLocalRows>& stations,
                           MinuteTakings& takings) {
  const data::ScanResult scanned = data::scan_journal(
      journal,
      [&](const data::JournalView& record) {
        if (!is_ticket_of(record, shown_date)) return;
        stations[static_cast<std::size_t>(station_row(record))].add_ticket(
            record, takings);
      },
      first_record);
  return scanned.visited;
}

void fill_local_rows(const data::Context& ctx, LiveFigures& figures) {
  figures.local_total = 0;
  for (int s = 0; s < kLocalRows; ++s) {
    const RegisterDay& day = figures.stations[static_cast<std::size_t>(s)];
    FigureRow& row = figures.local[static_cast<std::size_t>(s)];
    row = {};
    row.amount = amount_text(ctx, day.total);
    figures.local_total += day.total;
    if (shows_zero(ctx, row.amount)) row.amount.clear();
  }
  // A day that adds up to zero at the precision shown (refunds that cancel
  // out, or a sum such as 0.1 + 0.2 - 0.3 left a hair above 0 by binary
  // arithmetic) has no shares to give.
  if (shows_zero(ctx, amount_text(ctx, figures.local_total))) return;
  for (int s = 0; s < kLocalRows; ++s) {
    const RegisterDay& day = figures.stations[static_cast<std::size_t>(s)];
    FigureRow& row = figures.local[static_cast<std::size_t>(s)];
    row.first_time = day.first_time;
    row.last_time = day.last_time;
    row.count = count_text(day.count);
    if (day.count != 0) {
      row.average = amount_text(ctx, day.total / static_cast<double>(day.count));
      row.average += kCellPad;
    }
    row.share = amount_text(ctx, day.total * 100 / figures.local_total);
    row.share += kCellPad;
    if (shows_zero(ctx, row.share)) {
      row.share.clear();
    } else {
      row.share += kShareSuffix;
    }
  }
}

FigureRow remote_row(const data::Context& ctx, const RegisterDay& day) {
  FigureRow row;
  row.first_time = day.first_time;
  row.last_time = day.last_time;
  row.count = count_text(day.count);
  if (day.count != 0) {
    row.average = amount_text(ctx, day.total / static_cast<double>(day.count));
    row.average += kCellPad;
  }
  row.amount = amount_text(ctx, day.total);
  return row;
}

std::vector<Bar> graph_bars(const MinuteTakings& takings, double daily_base) {
  std::vector<Bar> bars;
  bars.reserve(kMinutesPerDay);
  for (int m = 0; m < kMinutesPerDay; ++m) {
    const double height =
        static_cast<double>(takings.at(m)) * graph::kFullBar / daily_base;
    // Bars taller than the picture (or below it, for refunds) are cut at
    // its edge.
    const double top = std::clamp(graph::kBaseline - height, 0.0,
                                  static_cast<double>(graph::kHeight));
    const int left = graph::kLeft + graph::kMinuteStep * m;
    bars.push_back({left, left + graph::kBarWidth,
                    static_cast<int>(data::round_half_even(top))});
  }
  return bars;
}

std::array<ScaleLabel, graph::kScaleLabels> scale_labels(double daily_base) {
  std::array<ScaleLabel, graph::kScaleLabels> labels;
  for (int k = 0; k < graph::kScaleLabels; ++k) {
    labels[static_cast<std::size_t>(k)] = {
        data::format_count(k * daily_base * graph::kScaleFraction),
        graph::kBaseline - graph::kScaleLabelStep * k};
  }
  return labels;
}

LiveFigures compute_live_figures(
    data::Context& ctx, const LiveQuery& query,
    const std::vector<data::poste_distant>& remote_lines) {
  LiveFigures figures;
  figures.daily_base = query.daily_base > 0 ? query.daily_base
                                            : data::parse_number(kDefaultDailyBase);

  data::open_sales_journal(ctx);
  figures.scan_start = scan_start_for(query);
  if (data::RecordFile* journal = ctx.file_slots().get(data::kJournalSlot)) {
    figures.records_scanned =
        add_local_day(*journal, query.shown_date, figures.scan_start,
                      figures.stations, figures.takings);
  }
  fill_local_rows(ctx, figures);
  figures.grand_total = figures.local_total;
  for (const RegisterDay& day : figures.stations) {
    figures.untimed_tickets += day.untimed;
  }
  figures.refresh_time = data::time_stamp(ctx.now()).substr(0, kClockWidth);
  ctx.file_slots().close(data::kJournalSlot);

  for (int k = 1; k <= kRemoteRowsListed; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const bool listed_only = k > kRemoteRegistersRead;
    const bool active = i < remote_lines.size() && remote_lines[i].is_active();
    if (!active) {
      figures.remote_state[i] = RemoteRowState::kInactive;
      continue;
    }
    if (listed_only) {
      figures.remote_state[i] = RemoteRowState::kNotRead;
      continue;
    }
    const RemoteDay remote =
        read_remote_day(ctx, remote_lines[i], query.shown_date, figures.takings);
    switch (remote.outcome) {
      case RemoteOutcome::kNoFolder:
        figures.remote_state[i] = RemoteRowState::kNoFolder;
        continue;
      case RemoteOutcome::kUnreadable:
        figures.remote_state[i] = RemoteRowState::kUnreadable;
        continue;
      case RemoteOutcome::kRead:
        break;
    }
    figures.remote_state[i] = RemoteRowState::kRead;
    figures.remote[i] = remote_row(ctx, remote.day);
    figures.grand_total += remote.day.total;
    figures.untimed_tickets += remote.day.untimed;
  }

  figures.grand_total_text = amount_text(ctx, figures.grand_total);
  figures.grand_total_text += kCellPad;
  figures.scale = scale_labels(figures.daily_base);
  figures.bars = graph_bars(figures.takings, figures.daily_base);
  return figures;
}

std::string daily_base_at_load(std::string_view stored) {
  const std::string text = data::trim(stored);
  if (text.empty() || !(data::parse_number(text) > 0)) {
    return std::string(kDefaultDailyBase);
  }
  return text;
}

std::string committed_daily_base(std::string_view typed) {
  if (data::parse_number(typed) < kMinimumDailyBaseValue) {
    return std::string(kMinimumDailyBase);
  }
  return std::string(typed);
}

double refresh_daily_base(std::string_view typed, double last_committed) {
  const double base = data::parse_number(typed);
  if (base > 0 && std::isfinite(base)) return base;
  return last_committed > 0 ? last_committed
                            : data::parse_number(kDefaultDailyBase);
}

std::string step_day(std::string_view shown_date, int days) {
  const std::chrono::sys_days day{data::carried_date(shown_date)};
  return data::format_date(
      data::CalendarDate{day + std::chrono::days{days}});
}

}  // namespace mdc::monitors
