#include <gtest/gtest.h>

#include "platform/core/env.h"
#include "tests/support/temp_folder.h"

namespace mdc::platform {
namespace {

TEST(SuitePath, FindsWindowsNamesOnACaseSensitiveFileSystem) {
  test::TempFolder folder;
  Env& env = system_env();
  ASSERT_TRUE(env.make_folder(folder.file("Dist01")));
  folder.write("Dist01/W_CAI028.WDO", "x");
  folder.write("WFICH142.WDO", "x");
  const std::string& f = folder.path();
  const struct {
    const char* name;
    std::string expected;
  } kCases[] = {
      {"WFICH142.WDO ", f + "/WFICH142.WDO"},
      {"wfich142.wdo", f + "/WFICH142.WDO"},
      {"DIST01\\w_cai028.wdo", f + "/Dist01/W_CAI028.WDO"},
      {"dist01/W_CAI028.WDO", f + "/Dist01/W_CAI028.WDO"},
      {"DIST01\\", f + "/Dist01"},
      {"NEW.WDO", f + "/NEW.WDO"},
      {"missing\\NEW.WDO", f + "/missing/NEW.WDO"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(resolve_suite_path(env, f, c.name), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace mdc::platform
