#include "shell/common/frame.h"

#include <QLabel>
#include <gtest/gtest.h>

#include "shell/common/icc.h"

namespace mdc::shell {
namespace {

TEST(ScreenFrame, FullScreenWindowsAreCentredAtTheTop) {
  const struct {
    int screen_pixels;
    TwipsPoint place;
  } kCases[] = {
      {1280, {1920, 0}},
      {1024, {0, 0}},
      {800, {-1680, 0}},  // narrower than the frame: off the left edge
      {1920, {6720, 0}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(frame_place(pixels_to_twips(c.screen_pixels)), c.place) << c.screen_pixels;
  }
}

TEST(ScreenFrame, DialogsAreCentredVerticallyWithinTheFrameNotTheScreen) {
  // The message dialog, 9930 × 6825, whatever the screen.
  const struct {
    int screen_pixels;
    TwipsPoint place;
  } kCases[] = {
      {1024, {2715, 2122}},
      {1280, {4635, 2122}},
      {1920, {9435, 2122}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(dialog_place(pixels_to_twips(c.screen_pixels), 9930, 6825), c.place)
        << c.screen_pixels;
  }
  // A dialog taller than the frame sits above its top.
  EXPECT_EQ(dialog_place(kFrameWidth, kFrameWidth, 12000).top, -465);
}

TEST(ScreenFrame, WindowGetsTheFrameSize) {
  QWidget window;
  apply_screen_frame(window);
  EXPECT_EQ(window.size(), QSize(1024, 738));
  EXPECT_EQ(window.pos().y(), 0);
  EXPECT_EQ(pixels_to_twips(window.pos().x()),
            frame_place(screen_width_twips(window)).left);
}

TEST(ScreenFrame, ControlArraysAreFoundByNameAndIndex) {
  QWidget window;
  QWidget inner(&window);
  QLabel a(&window), b(&inner);
  set_control_name(a, QStringLiteral("perii"), 0);
  set_control_name(b, QStringLiteral("perii"), 1);
  EXPECT_EQ(find_control(window, QStringLiteral("perii"), 0), &a);
  EXPECT_EQ(find_control(window, QStringLiteral("perii"), 1), &b);
  EXPECT_EQ(find_control(window, QStringLiteral("perii"), 2), nullptr);
  EXPECT_EQ(find_control(window, QStringLiteral("perij"), 0), nullptr);
}

TEST(RoundedBorder, EightPiecesAroundTheEdgesBehindEveryControl) {
  QWidget window;
  window.resize(twips_to_pixels(9930), twips_to_pixels(6825));  // 662 × 455
  auto* message = new QLabel(QStringLiteral("message"), &window);
  draw_rounded_border(window);

  const struct {
    int piece;
    QRect place;
  } kCases[] = {
      {0, {0, 0, 32, 32}},     {1, {630, 0, 32, 32}},  {2, {630, 423, 32, 32}},
      {3, {0, 423, 32, 32}},   {4, {0, 32, 32, 391}},  {5, {32, 0, 598, 32}},
      {6, {630, 32, 32, 391}}, {7, {32, 423, 598, 32}},
  };
  const QObjectList& stacking = window.children();
  for (const auto& c : kCases) {
    auto* piece = find_control_as<QLabel>(window, QStringLiteral("ccb"), c.piece);
    ASSERT_NE(piece, nullptr) << c.piece;
    EXPECT_EQ(piece->geometry(), c.place) << c.piece;
    EXPECT_FALSE(piece->pixmap().isNull()) << c.piece;
    EXPECT_EQ(piece->pixmap().cacheKey(),
              icc().picture(kBorderGroup, c.piece).cacheKey()) << c.piece;
    EXPECT_LT(stacking.indexOf(piece), stacking.indexOf(message)) << c.piece;
  }

  // Drawn again after a resize, the window keeps eight pieces.
  window.resize(400, 300);
  draw_rounded_border(window);
  EXPECT_EQ(window.findChildren<QLabel*>(QStringLiteral("ccb")).size(), kBorderPieces);
  EXPECT_EQ(find_control(window, QStringLiteral("ccb"), 2)->geometry(),
            QRect(368, 268, 32, 32));
}

}  // namespace
}  // namespace mdc::shell
