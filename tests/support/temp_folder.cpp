#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mdc::test {

TempFolder::TempFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "mdc-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  // A test may have made parts read-only; give them back before removing.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); ++it) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::file(std::string_view name) const {
  return path_ + "/" + std::string(name);
}

std::string TempFolder::read(std::string_view name) const {
  std::ifstream in(file(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void TempFolder::write(std::string_view name, std::string_view content) const {
  std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

bool TempFolder::exists(std::string_view name) const {
  return std::filesystem::exists(file(name));
}

}  // namespace mdc::test
