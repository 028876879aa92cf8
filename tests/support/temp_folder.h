// A fresh data folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>
#include <string_view>

namespace mdc::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const;

  // Whole content of a file of the folder; empty when it does not exist.
  std::string read(std::string_view name) const;
  void write(std::string_view name, std::string_view content) const;
  bool exists(std::string_view name) const;

 private:
  std::string path_;
};

}  // namespace mdc::test
