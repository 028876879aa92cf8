// The system's one door to the operating system for files, folders and the
// clock. Everything above platform/ reaches them only through Env, so that a
// test can run in its own folder with its own "today" and make a write fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mdc::platform {

// A local date and time, as the shop's clock shows it.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// An open file, shared for reading and writing with other programs, without
// locks. Offsets are in bytes from the start of the file.
class File {
 public:
  virtual ~File() = default;
  // Reads up to out.size() bytes at offset; returns how many were read (fewer
  // at the end of the file), or nullopt on an input/output error.
  virtual std::optional<std::size_t> read_at(std::uint64_t offset,
                                             std::span<char> out) = 0;
  // Writes all of data at offset, extending the file when needed.
  virtual bool write_at(std::uint64_t offset, std::span<const char> data) = 0;
  // The current length of the file, or nullopt when it cannot be had.
  virtual std::optional<std::uint64_t> size() = 0;
};

struct FolderEntry {
  std::string name;
  bool is_folder = false;
};

enum class OpenMode { kCreateIfMissing, kExistingOnly };

class Env {
 public:
  virtual ~Env() = default;

  // Opens a file for shared reading and writing; with kCreateIfMissing a
  // missing file is created empty. A file that exists but may not be written
  // is opened for reading (its writes then fail). Returns null when it cannot
  // be opened at all (a folder of that name, no permission, no folder).
  virtual std::unique_ptr<File> open_file(const std::string& path,
                                          OpenMode mode) = 0;
  // The entries of a folder, without "." and ".."; empty when it cannot be
  // read.
  virtual std::vector<FolderEntry> list_folder(const std::string& path) = 0;
  virtual bool is_folder(const std::string& path) = 0;
  virtual bool exists(const std::string& path) = 0;
  // Replaces the whole content of a file; false when it fails.
  virtual bool write_whole_file(const std::string& path,
                                std::string_view content) = 0;
  virtual bool remove_file(const std::string& path) = 0;
  virtual bool make_folder(const std::string& path) = 0;
  // Modification time of a file, local time; nullopt when unknown.
  virtual std::optional<LocalDateTime> modified(const std::string& path) = 0;

  // The shop's clock: "now" in local time.
  virtual LocalDateTime now() = 0;
};

// The real environment of this operating system.
Env& system_env();

// Joins a folder and a name written with Windows rules ("\" or "/" between
// parts, trailing blanks dropped from each part) and finds each part in the
// folder without regard to letter case. A part that does not exist keeps the
// spelling given, so that a file created through the result gets that name.
std::string resolve_suite_path(Env& env, const std::string& folder,
                               std::string_view windows_name);

}  // namespace mdc::platform
