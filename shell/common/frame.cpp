#include "shell/common/frame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "shell/common/icc.h"

namespace mdc::shell {
namespace {

const QString kBorderPieceName = QStringLiteral("ccb");

struct TwipsRect {
  int left, top, width, height;
};

// Piece i of the border of a window of W × H twips.
TwipsRect border_piece_place(int piece, int w, int h) {
  constexpr int s = kBorderPieceTwips;
  const TwipsRect kPlaces[kBorderPieces] = {
      {0, 0, s, s},                  // 0 top left corner
      {w - s, 0, s, s},              // 1 top right corner
      {w - s, h - s, s, s},          // 2 bottom right corner
      {0, h - s, s, s},              // 3 bottom left corner
      {0, s, s, h - 2 * s},          // 4 left edge
      {s, 0, w - 2 * s, s},          // 5 top edge
      {w - s, s, s, h - 2 * s},      // 6 right edge
      {s, h - s, w - 2 * s, s},      // 7 bottom edge
  };
  return kPlaces[piece];
}

}  // namespace

TwipsPoint frame_place(int screen_width_twips) {
  return {(screen_width_twips - kFrameWidth) / 2, 0};
}

TwipsPoint dialog_place(int screen_width_twips, int width_twips, int height_twips) {
  return {(screen_width_twips - width_twips) / 2, (kFrameHeight - height_twips) / 2};
}

int screen_width_twips(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? pixels_to_twips(screen->geometry().width()) : kFrameWidth;
}

void apply_screen_frame(QWidget& window) {
  const TwipsPoint place = frame_place(screen_width_twips(window));
  window.setFixedSize(twips_to_pixels(kFrameWidth), twips_to_pixels(kFrameHeight));
  window.move(twips_to_pixels(place.left), twips_to_pixels(place.top));
  window.raise();
  window.activateWindow();
}

void centre_dialog(QWidget& window) {
  const TwipsPoint place =
      dialog_place(screen_width_twips(window), pixels_to_twips(window.width()),
                   pixels_to_twips(window.height()));
  window.move(twips_to_pixels(place.left), twips_to_pixels(place.top));
}

QFont design_font(const QString& family, double points, QFont::Weight weight) {
  QFont font = platform::points_font(family, points, weight);
  font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans")});
  return font;
}

void place_twips(QWidget& control, int left, int top, int width, int height) {
  control.setGeometry(platform::twips_rect(left, top, width, height));
}

void set_control_name(QWidget& control, const QString& name, int index) {
  control.setObjectName(name);
  control.setProperty(kIndexProperty, index);
}

QWidget* find_control(const QWidget& window, const QString& name, int index) {
  for (QWidget* control : window.findChildren<QWidget*>(name)) {
    const QVariant value = control->property(kIndexProperty);
    if (value.isValid() && value.toInt() == index) return control;
  }
  return nullptr;
}

void draw_rounded_border(QWidget& window) {
  const int w = pixels_to_twips(window.width());
  const int h = pixels_to_twips(window.height());
  for (int piece = 0; piece < kBorderPieces; ++piece) {
    auto* label = find_control_as<QLabel>(window, kBorderPieceName, piece);
    if (!label) {
      label = new QLabel(&window);
      set_control_name(*label, kBorderPieceName, piece);
    }
    const TwipsRect r = border_piece_place(piece, w, h);
    place_twips(*label, r.left, r.top, r.width, r.height);
    label->setScaledContents(true);
    label->setPixmap(icc().picture(kBorderGroup, piece));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->show();
    label->lower();
  }
}

}  // namespace mdc::shell
