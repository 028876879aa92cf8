#include "platform/qt/regional.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace mdc::platform {
namespace {

// Sets the display variables for one test and puts them back afterwards.
class DisplayVariables {
 public:
  DisplayVariables() {
    for (int i = 0; i < kCount; ++i) saved_[i] = qgetenv(kNames[i]);
  }
  ~DisplayVariables() {
    for (int i = 0; i < kCount; ++i) set(kNames[i], saved_[i]);
  }
  static void set(const char* name, const QByteArray& value) {
    if (value.isEmpty()) {
      qunsetenv(name);
    } else {
      qputenv(name, value);
    }
  }
  static constexpr int kCount = 3;
  static constexpr const char* kNames[kCount] = {"DISPLAY", "WAYLAND_DISPLAY",
                                                 "QT_QPA_PLATFORM"};

 private:
  QByteArray saved_[kCount];
};

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
TEST(Display, IsAvailableWhenADisplayOrAPlatformIsNamed) {
  const struct {
    const char* display;
    const char* wayland;
    const char* platform;
    bool available;
  } kCases[] = {
      {"", "", "", false},
      {":0", "", "", true},
      {"", "wayland-0", "", true},
      {"", "", "offscreen", true},
  };
  DisplayVariables keep;
  for (const auto& c : kCases) {
    DisplayVariables::set("DISPLAY", c.display);
    DisplayVariables::set("WAYLAND_DISPLAY", c.wayland);
    DisplayVariables::set("QT_QPA_PLATFORM", c.platform);
    EXPECT_EQ(display_available(), c.available)
        << c.display << "|" << c.wayland << "|" << c.platform;
  }
}
#endif

}  // namespace
}  // namespace mdc::platform
