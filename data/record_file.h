// Record files: fixed-length records numbered from 1, shared with the
// point-of-sale program, read and written whole.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "data/record_layout.h"
#include "platform/core/env.h"

namespace mdc::data {

class RecordFile {
 public:
  // `file` may be null (the file could not be opened): such a record file
  // reads every record as zero bytes and fails every write.
  RecordFile(std::unique_ptr<platform::File> file, std::size_t record_length,
             std::string path);

  std::size_t record_length() const { return record_length_; }
  const std::string& path() const { return path_; }
  bool is_open() const { return file_ != nullptr; }

  // Record n (from 1), whole. A record beyond the end of the file, the part
  // of a truncated last record past the end, and a record that cannot be
  // read, read as zero bytes.
  Record read(std::int64_t n);
  // Writes record n whole, extending the file when needed; false when the
  // write failed or n is below 1.
  bool write(std::int64_t n, const Record& record);

  // Writes whole records from record `first` on, in one call; `records`
  // holds a whole number of records. False when the write failed, first is
  // below 1 or the size is not a whole number of records.
  bool write_block(std::int64_t first, std::string_view records);

  // Reads `count` records from record `first` into out (resized to
  // count × record_length), in one call; missing bytes read as zero.
  void read_block(std::int64_t first, std::int64_t count, std::string& out);
  // Reads up to out.size() bytes from the start of record `first`, in one
  // call, without touching the rest of out; returns how many bytes were read
  // (0 past the end of the file, on an error, or with no file).
  std::size_t read_raw(std::int64_t first, std::span<char> out);

  // Length of the file in bytes; 0 when unknown.
  std::uint64_t size_bytes();
  // Records wholly or partly held by the file.
  std::int64_t records_held();

  // Copies the whole file to `path`; false when it fails.
  bool copy_to(platform::Env& env, const std::string& path);

 private:
  std::unique_ptr<platform::File> file_;
  std::size_t record_length_;
  std::string path_;
};

// The table of file slots: each record file is held in a numbered slot, and
// opening a slot closes what it held.
class FileSlots {
 public:
  FileSlots(platform::Env& env, std::string folder)
      : env_(env), folder_(std::move(folder)) {}

  // Opens the suite file `name` (Windows rules: any case, trailing blanks
  // dropped, "\" as separator) relative to the data folder, in `slot`,
  // creating it empty when missing.
  RecordFile& open(int slot, std::string_view name, std::size_t record_length);
  // Opens the file at `path`, a path of this machine taken as it is, in
  // `slot`. With kExistingOnly a missing file is not created: the slot then
  // holds a record file that reads zero bytes and fails every write.
  RecordFile& open_path(int slot, const std::string& path,
                        std::size_t record_length, platform::OpenMode mode);
  // The file held by the slot, or null.
  RecordFile* get(int slot);
  void close(int slot);
  void close_all();
  bool is_open(int slot) const { return slots_.contains(slot); }
  // The lowest slot number from 1 that holds no file.
  int first_free_slot() const;

 private:
  platform::Env& env_;
  std::string folder_;
  std::map<int, std::unique_ptr<RecordFile>> slots_;
};

// The init marker that heads a file this system may create.
inline constexpr std::string_view kInitMarker = "#INIT#";
bool has_init_marker(const Record& header);

// Stamps written into headers: "mm-dd-yyyy" and "hh:mm:ss".
std::string date_stamp(const platform::LocalDateTime& t);
std::string time_stamp(const platform::LocalDateTime& t);
// The date as the suite shows it, "dd-mm-yyyy".
std::string date_text(const platform::LocalDateTime& t);

// Before a file that initialises itself writes its defaults: an empty file
// may be initialised at once. A file that is not empty has its header read
// once more (a read torn by a concurrent write is not a foreign file); when
// it is still not valid, a copy of the file as it was is kept beside it,
// under its name with ".bak" added. Returns true when the defaults may be
// written: the header is still not valid and the file is empty or its copy
// was made.
enum class Reinitialise { kNo, kYes };
Reinitialise confirm_reinitialise(
    platform::Env& env, RecordFile& file,
    const std::function<bool(const Record& header)>& header_is_valid);

}  // namespace mdc::data
