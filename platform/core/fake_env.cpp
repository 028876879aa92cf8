#include "platform/core/fake_env.h"

namespace mdc::platform {
namespace {

class FakeFile final : public File {
 public:
  FakeFile(std::unique_ptr<File> real, FakeEnv& env)
      : real_(std::move(real)), env_(env) {}
  std::optional<std::size_t> read_at(std::uint64_t offset,
                                     std::span<char> out) override {
    return real_->read_at(offset, out);
  }
  bool write_at(std::uint64_t offset, std::span<const char> data) override {
    return env_.count_write() && real_->write_at(offset, data);
  }
  std::optional<std::uint64_t> size() override { return real_->size(); }

 private:
  std::unique_ptr<File> real_;
  FakeEnv& env_;
};

}  // namespace

std::unique_ptr<File> FakeEnv::open_file(const std::string& path,
                                         OpenMode mode) {
  auto real = system_env().open_file(path, mode);
  if (!real) return nullptr;
  return std::make_unique<FakeFile>(std::move(real), *this);
}

bool FakeEnv::count_write() {
  ++writes_;
  if (failing_) return false;
  if (fail_countdown_ > 0 && --fail_countdown_ == 0) {
    failing_ = fail_sticky_;
    return false;
  }
  return true;
}

}  // namespace mdc::platform
