#include "shell/common/theme.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

#include "data/settings.h"
#include "platform/core/fake_env.h"
#include "platform/qt/grid.h"
#include "platform/qt/picture_surface.h"
#include "platform/qt/screen_units.h"
#include "tests/support/temp_folder.h"

namespace mdc::shell {
namespace {

using platform::rgb;

constexpr std::int32_t kRed = rgb(255, 0, 0);
constexpr std::int32_t kNavy = rgb(0, 0, 128);
constexpr std::int32_t kYellow = rgb(255, 255, 192);

class ThemeTest : public ::testing::Test {
 protected:
  ThemeTest() {
    auto& colours = ctx_.settings().colours;
    colours.foreground.fill(data::kColourNotSet);
    colours.background.fill(data::kColourNotSet);
    colours.foreground[0] = colours.background[0] = 0;
    colours.foreground[10] = colours.background[10] = 0;
    for (int k : {4, 6, 8, 9}) {
      colours.foreground[k] = kNavy;
      colours.background[k] = kYellow;
    }
    colours.background[2] = kRed;  // foreground 2 stays "not set"
    theme_on(true);
  }

  void theme_on(bool on) {
    std::string switches(data::kSwitchStringWidth, ' ');
    if (on) switches.replace(2 * data::kColourThemeSwitch, 2, "-1");
    ctx_.settings().switch_string = switches;
  }

  template <typename T>
  T* control(const char* tag, QWidget* parent = nullptr) {
    auto* c = new T(parent ? parent : &window_);
    set_tag(*c, QString::fromUtf8(tag));
    return c;
  }

  static QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }
  static QColor fore(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

  test::TempFolder folder_;
  platform::FakeEnv env_;
  data::Context ctx_{env_, folder_.path()};
  QWidget window_;
};

TEST_F(ThemeTest, TagsPickTheirEntryAndOtherTagsChangeNothing) {
  const struct {
    const char* tag;
    bool changed;
  } kCases[] = {
      {"6", true},  {"4", true},   {"6 labels", true},
      {"2", false},  // foreground 2 not set, though background 2 is
      {"11", false}, {"-1", false}, {"0", false}, {"", false},
      {"ancien clavier", false}, {"3", false},
  };
  for (const auto& c : kCases) {
    auto* label = control<QLabel>(c.tag);
    const QColor design_back = back(label), design_fore = fore(label);
    apply_colour_theme(window_, ctx_);
    EXPECT_EQ(back(label), c.changed ? platform::windows_colour(kYellow) : design_back) << c.tag;
    EXPECT_EQ(fore(label), c.changed ? platform::windows_colour(kNavy) : design_fore) << c.tag;
    delete label;
  }
}

TEST_F(ThemeTest, SwitchOffLeavesDesignColoursEvenWithAFilledTable) {
  theme_on(false);
  auto* label = control<QLabel>("6");
  auto* grid = control<platform::Grid>("8");
  const QColor design = back(label);
  const int fixed = grid->back_color_fixed();
  apply_colour_theme(window_, ctx_);
  EXPECT_EQ(back(label), design);
  EXPECT_EQ(grid->back_color_fixed(), fixed);
}

TEST_F(ThemeTest, BoxesListsAndControlsInContainersAreThemed) {
  auto* frame = new QFrame(&window_);
  auto* edit = control<QLineEdit>("4", frame);
  auto* list = control<QListWidget>("4");
  apply_colour_theme(window_, ctx_);
  for (QWidget* w : {static_cast<QWidget*>(edit), static_cast<QWidget*>(list)}) {
    EXPECT_EQ(w->palette().color(QPalette::Base), platform::windows_colour(kYellow));
    EXPECT_EQ(w->palette().color(QPalette::Text), platform::windows_colour(kNavy));
  }
}

TEST_F(ThemeTest, FixedCellsTagColoursOnlyAGridsFixedCells) {
  auto* grid = control<platform::Grid>("8");
  const int back_color = grid->back_color();
  auto* label = control<QLabel>("8");  // a label has no fixed cells
  const QColor design = back(label);
  apply_colour_theme(window_, ctx_);
  EXPECT_EQ(grid->back_color_fixed(), kYellow);
  EXPECT_EQ(grid->fore_color_fixed(), kNavy);
  EXPECT_EQ(grid->back_color(), back_color);
  EXPECT_EQ(back(label), design);
  // Skipped properties are not added to the control either.
  EXPECT_FALSE(label->property(kBackColorFixed).isValid());
}

TEST_F(ThemeTest, FillTagsSetBackAndFillColour) {
  auto* surface = control<platform::PictureSurface>("9");
  auto* black = control<platform::PictureSurface>("10");  // entries 10 are 0
  auto* label = control<QLabel>("9");
  apply_colour_theme(window_, ctx_);
  EXPECT_EQ(surface->property(kBackColor).toInt(), kYellow);
  EXPECT_EQ(surface->property(kFillColor).toInt(), kYellow);
  EXPECT_EQ(black->property(kBackColor).toInt(), 0);
  EXPECT_EQ(black->property(kFillColor).toInt(), 0);
  EXPECT_EQ(back(label), platform::windows_colour(kYellow));
  EXPECT_FALSE(label->property(kFillColor).isValid());
}

}  // namespace
}  // namespace mdc::shell
