#include "data/record_file.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace mdc::data {

std::string trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

RecordFile::RecordFile(std::unique_ptr<platform::File> file,
                       std::size_t record_length, std::string path)
    : file_(std::move(file)), record_length_(record_length),
      path_(std::move(path)) {}

Record RecordFile::read(std::int64_t n) {
  Record record(record_length_, '\0');
  if (n < 1 || !file_) return record;
  const auto got = file_->read_at(
      static_cast<std::uint64_t>(n - 1) * record_length_, record);
  if (!got) std::fill(record.begin(), record.end(), '\0');
  return record;
}

bool RecordFile::write(std::int64_t n, const Record& record) {
  if (n < 1 || !file_ || record.size() != record_length_) return false;
  return file_->write_at(static_cast<std::uint64_t>(n - 1) * record_length_,
                         record);
}

bool RecordFile::write_block(std::int64_t first, std::string_view records) {
  if (first < 1 || !file_ || records.size() % record_length_ != 0) return false;
  return file_->write_at(static_cast<std::uint64_t>(first - 1) * record_length_,
                         records);
}

void RecordFile::read_block(std::int64_t first, std::int64_t count,
                            std::string& out) {
  out.assign(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)) *
                 record_length_,
             '\0');
  if (first < 1 || count <= 0 || !file_) return;
  const auto got = file_->read_at(
      static_cast<std::uint64_t>(first - 1) * record_length_, out);
  if (!got) std::fill(out.begin(), out.end(), '\0');
}

std::size_t RecordFile::read_raw(std::int64_t first, std::span<char> out) {
  if (first < 1 || !file_ || out.empty()) return 0;
  const auto got = file_->read_at(
      static_cast<std::uint64_t>(first - 1) * record_length_, out);
  return got.value_or(0);
}

std::uint64_t RecordFile::size_bytes() {
  if (!file_) return 0;
  return file_->size().value_or(0);
}

std::int64_t RecordFile::records_held() {
  const std::uint64_t bytes = size_bytes();
  return static_cast<std::int64_t>((bytes + record_length_ - 1) / record_length_);
}

bool RecordFile::copy_to(platform::Env& env, const std::string& path) {
  if (!file_) return false;
  const std::uint64_t bytes = size_bytes();
  std::string content(static_cast<std::size_t>(bytes), '\0');
  const auto got = file_->read_at(0, content);
  if (!got) return false;
  content.resize(*got);
  return env.write_whole_file(path, content);
}

RecordFile& FileSlots::open(int slot, std::string_view name,
                            std::size_t record_length) {
  close(slot);
  const std::string path = platform::resolve_suite_path(env_, folder_, name);
  auto file = env_.open_file(path, platform::OpenMode::kCreateIfMissing);
  auto& held = slots_[slot];
  held = std::make_unique<RecordFile>(std::move(file), record_length, path);
  return *held;
}

RecordFile& FileSlots::open_path(int slot, const std::string& path,
                                 std::size_t record_length,
                                 platform::OpenMode mode) {
  close(slot);
  auto file = env_.open_file(path, mode);
  auto& held = slots_[slot];
  held = std::make_unique<RecordFile>(std::move(file), record_length, path);
  return *held;
}

RecordFile* FileSlots::get(int slot) {
  const auto it = slots_.find(slot);
  return it == slots_.end() ? nullptr : it->second.get();
}

void FileSlots::close(int slot) { slots_.erase(slot); }

void FileSlots::close_all() { slots_.clear(); }

int FileSlots::first_free_slot() const {
  int slot = 1;
  while (slots_.contains(slot)) ++slot;
  return slot;
}

bool has_init_marker(const Record& header) {
  return header.compare(0, kInitMarker.size(), kInitMarker) == 0;
}

std::string date_stamp(const platform::LocalDateTime& t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.month % 100, t.day % 100,
                t.year % 10000);
  return buf;
}

std::string time_stamp(const platform::LocalDateTime& t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour % 100, t.minute % 100,
                t.second % 100);
  return buf;
}

std::string date_text(const platform::LocalDateTime& t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.day % 100, t.month % 100,
                t.year % 10000);
  return buf;
}

Reinitialise confirm_reinitialise(
    platform::Env& env, RecordFile& file,
    const std::function<bool(const Record& header)>& header_is_valid) {
  if (file.size_bytes() == 0) return Reinitialise::kYes;
  if (header_is_valid(file.read(1))) return Reinitialise::kNo;
  if (!file.copy_to(env, file.path() + ".bak")) return Reinitialise::kNo;
  return Reinitialise::kYes;
}

}  // namespace mdc::data
