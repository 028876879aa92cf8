// Env over POSIX calls.
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/env.h"

namespace mdc::platform {
namespace {

class PosixFile final : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { ::close(fd_); }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  std::optional<std::size_t> read_at(std::uint64_t offset,
                                     std::span<char> out) override {
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done,
                                static_cast<off_t>(offset + done));
      if (n < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (n == 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  bool write_at(std::uint64_t offset, std::span<const char> data) override {
    std::size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = ::pwrite(fd_, data.data() + done, data.size() - done,
                                 static_cast<off_t>(offset + done));
      if (n < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      done += static_cast<std::size_t>(n);
    }
    return true;
  }

  std::optional<std::uint64_t> size() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }

 private:
  int fd_;
};

std::unique_ptr<File> open_regular(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixFile>(fd);
}

LocalDateTime to_local(std::time_t t) {
  std::tm tm {};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
          tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

std::string join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

class PosixEnv final : public Env {
 public:
  std::unique_ptr<File> open_file(const std::string& path,
                                  OpenMode mode) override {
    int flags = O_RDWR;
    if (mode == OpenMode::kCreateIfMissing) flags |= O_CREAT;
    auto file = open_regular(path, flags);
    if (!file && exists(path)) {
      file = open_regular(path, O_RDONLY);
    }
    return file;
  }

  std::vector<FolderEntry> list_folder(const std::string& path) override {
    std::vector<FolderEntry> entries;
    DIR* dir = ::opendir(path.empty() ? "." : path.c_str());
    if (dir == nullptr) return entries;
    while (const dirent* e = ::readdir(dir)) {
      const std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      entries.push_back({name, is_folder(join(path, name))});
    }
    ::closedir(dir);
    return entries;
  }

  bool is_folder(const std::string& path) override {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  bool exists(const std::string& path) override {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
  }

  bool write_whole_file(const std::string& path,
                        std::string_view content) override {
    auto file = open_regular(path, O_RDWR | O_CREAT | O_TRUNC);
    return file && file->write_at(0, content);
  }

  bool remove_file(const std::string& path) override {
    return ::unlink(path.c_str()) == 0;
  }

  bool make_folder(const std::string& path) override {
    return ::mkdir(path.c_str(), 0755) == 0 || is_folder(path);
  }

  std::optional<LocalDateTime> modified(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return to_local(st.st_mtime);
  }

  LocalDateTime now() override { return to_local(std::time(nullptr)); }
};

}  // namespace

Env& system_env() {
  static PosixEnv env;
  return env;
}

}  // namespace mdc::platform
