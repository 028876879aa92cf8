// Windows file names on a case-sensitive file system.
#include <algorithm>
#include <cctype>

#include "platform/core/env.h"

namespace mdc::platform {
namespace {

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view drop_trailing_blanks(std::string_view part) {
  while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
  return part;
}

std::string append_part(const std::string& path, const std::string& part) {
  std::string out;
  out.reserve(path.size() + part.size() + 1);
  out.append(path);
  if (!out.empty() && out.back() != '/') out.push_back('/');
  out.append(part);
  return out;
}

}  // namespace

std::string resolve_suite_path(Env& env, const std::string& folder,
                               std::string_view windows_name) {
  std::string path = folder;
  std::string_view rest = windows_name;
  if (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) {
    path = std::string(1, '/');
  }
  while (!rest.empty()) {
    const std::size_t cut = rest.find_first_of("\\/");
    const std::string_view raw =
        cut == std::string_view::npos ? rest : rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view{}
                                         : rest.substr(cut + 1);
    const std::string_view part = drop_trailing_blanks(raw);
    if (part.empty() || part == ".") continue;
    std::string chosen(part);
    if (part != ".." && !env.exists(append_part(path, chosen))) {
      for (const FolderEntry& e : env.list_folder(path.empty() ? "." : path)) {
        if (same_name(e.name, part)) {
          chosen = e.name;
          break;
        }
      }
    }
    path = append_part(path, chosen);
  }
  return path;
}

}  // namespace mdc::platform
