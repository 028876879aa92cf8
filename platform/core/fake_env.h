// An Env for tests: the real file system (each test in its own folder), a
// clock the test sets, and writes that fail on demand.
#pragma once

#include <atomic>

#include "platform/core/env.h"

namespace mdc::platform {

class FakeEnv final : public Env {
 public:
  explicit FakeEnv(LocalDateTime now = {2026, 12, 11, 10, 30, 0})
      : now_(now) {}

  void set_now(const LocalDateTime& now) { now_ = now; }
  // Makes the nth write from now on fail (1 = the next one), and every one
  // after it when `sticky` is set; 0 turns failing off.
  void fail_write(int nth, bool sticky = false) {
    fail_countdown_ = nth;
    fail_sticky_ = sticky;
    failing_ = false;
  }
  int writes() const { return writes_; }

  std::unique_ptr<File> open_file(const std::string& path,
                                  OpenMode mode) override;
  std::vector<FolderEntry> list_folder(const std::string& path) override {
    return system_env().list_folder(path);
  }
  bool is_folder(const std::string& path) override {
    return system_env().is_folder(path);
  }
  bool exists(const std::string& path) override {
    return system_env().exists(path);
  }
  bool write_whole_file(const std::string& path,
                        std::string_view content) override {
    return count_write() && system_env().write_whole_file(path, content);
  }
  bool remove_file(const std::string& path) override {
    return system_env().remove_file(path);
  }
  bool make_folder(const std::string& path) override {
    return system_env().make_folder(path);
  }
  std::optional<LocalDateTime> modified(const std::string& path) override {
    return system_env().modified(path);
  }
  LocalDateTime now() override { return now_; }

  // True when this write may go through.
  bool count_write();

 private:
  LocalDateTime now_;
  int writes_ = 0;
  int fail_countdown_ = 0;
  bool fail_sticky_ = false;
  bool failing_ = false;
};

}  // namespace mdc::platform
