// The journal scan against the limit of a plain block read of the same bytes
// and against a reading of one record at a time, on a journal of one million
// records (about 192 MB) kept in the page cache.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "data/journal_scan.h"
#include "data/record_file.h"
#include "data/sales_journal.h"
#include "platform/core/env.h"
#include "tools/fixtures/fixtures.h"

namespace {

using namespace mdc;

constexpr int kRecords = 1'000'000;
constexpr int kDays = 365;
constexpr int kWantedDay = 200;
constexpr std::int64_t kPlainBlockRecords = data::JournalScan::kBlockRecords;

std::string day_text(int day) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d-%02d-2026", day % 28 + 1,
                day / 28 % 12 + 1);
  return buf;
}

// Builds the journal once per machine; later runs reuse it.
const std::string& journal_folder() {
  static const std::string folder = [] {
    const std::string dir =
        (std::filesystem::temp_directory_path() / "mdc-journal-bench").string();
    const std::string path = dir + "/W_CAI028.WDO";
    const std::uintmax_t expected =
        static_cast<std::uintmax_t>(kRecords + 1) * data::kJournalRecordLength;
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) != expected) {
      std::filesystem::create_directories(dir);
      fixtures::JournalWriter writer(path);
      for (int i = 0; i < kRecords; ++i) {
        const int day =
            static_cast<int>(static_cast<long long>(i) * kDays / kRecords);
        writer.add(fixtures::journal_record(
            {day_text(day), "10:15", 1.5 + i % 100, i % 4 ? "A" : "CB ",
             i % 4 ? 'L' : 'T', "CB 1.50|", 0, fixtures::station_text(i % 5)}));
      }
      writer.finish();
    }
    return dir;
  }();
  return folder;
}

void BM_JournalScan(benchmark::State& state) {
  data::Context ctx(platform::system_env(), journal_folder());
  const std::string wanted = day_text(kWantedDay);
  for (auto _ : state) {
    data::RecordFile& journal = data::open_journal_file(
        ctx, data::kJournalSlot, journal_folder() + "/W_CAI028.WDO");
    int tickets = 0;
    double total = 0;
    data::scan_journal(journal, [&](const data::JournalView& v) {
      if (v.is_ticket() && v.date_text() == wanted) {
        ++tickets;
        total += v.amount();
      }
    });
    benchmark::DoNotOptimize(tickets);
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(
      state.iterations() * kRecords *
      static_cast<std::int64_t>(data::kJournalRecordLength));
}
BENCHMARK(BM_JournalScan)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PlainBlockRead(benchmark::State& state) {
  auto file = platform::system_env().open_file(
      journal_folder() + "/W_CAI028.WDO", platform::OpenMode::kExistingOnly);
  std::string buffer(kPlainBlockRecords * data::kJournalRecordLength, '\0');
  const std::uint64_t end = *file->size();
  for (auto _ : state) {
    for (std::uint64_t offset = 0; offset < end; offset += buffer.size()) {
      benchmark::DoNotOptimize(file->read_at(offset, buffer));
    }
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(
      state.iterations() * kRecords *
      static_cast<std::int64_t>(data::kJournalRecordLength));
}
BENCHMARK(BM_PlainBlockRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RecordAtATime(benchmark::State& state) {
  data::Context ctx(platform::system_env(), journal_folder());
  const std::string wanted = day_text(kWantedDay);
  for (auto _ : state) {
    data::RecordFile& journal = data::open_journal_file(
        ctx, data::kJournalSlot, journal_folder() + "/W_CAI028.WDO");
    const std::int32_t count =
        data::get_int32(journal.read(1), data::journal::record_count);
    int tickets = 0;
    for (std::int64_t n = 2; n <= static_cast<std::int64_t>(count) + 1; ++n) {
      const data::JournalRecord r =
          data::decode_journal_record(journal.read(n));
      if (r.record_type == data::kTicketRecord && r.date_text == wanted)
        ++tickets;
    }
    benchmark::DoNotOptimize(tickets);
  }
  state.SetBytesProcessed(
      state.iterations() * kRecords *
      static_cast<std::int64_t>(data::kJournalRecordLength));
}
BENCHMARK(BM_RecordAtATime)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
