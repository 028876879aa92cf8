// The common screen frame: every full-screen window is 15360 × 11070 twips
// (1024 × 738 pixels) at the top of the screen, centred horizontally; dialogs
// are centred within that area. Also the control arrays of the windows
// (`bt_prog` 0, `bt_prog` 1, ...) and the rounded border of the dialog.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "platform/qt/screen_units.h"

namespace mdc::shell {

using platform::kTwipsPerPixel;
using platform::pixels_to_twips;
using platform::twips_to_pixels;

inline constexpr int kFrameWidth = 15360;   // twips
inline constexpr int kFrameHeight = 11070;  // twips
inline constexpr int kBorderPieceTwips = 480;

struct TwipsPoint {
  int left = 0;
  int top = 0;
  friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

// Where a full-screen window goes on a screen of that width: centred
// horizontally (negative on a screen narrower than the frame), top 0.
TwipsPoint frame_place(int screen_width_twips);
// Where a dialog of that size goes: centred horizontally on the screen and
// vertically within the frame's height, whatever the screen's height.
TwipsPoint dialog_place(int screen_width_twips, int width_twips, int height_twips);

// Width of the screen that shows the window (the primary screen before the
// window is shown), in twips.
int screen_width_twips(const QWidget& window);

// Sizes the window to the frame, places it and brings it to the front.
void apply_screen_frame(QWidget& window);
// Places the window by dialog_place for its current size.
void centre_dialog(QWidget& window);

// A font of a window's design: the family it names (Arial, MS Sans Serif),
// or a metrically close one where that family is not installed.
QFont design_font(const QString& family, double points,
                  QFont::Weight weight = QFont::Normal);

// Places a control in its parent by its design position in twips.
void place_twips(QWidget& control, int left, int top, int width, int height);

// Control arrays: members share an objectName and are told apart by their
// "index" property.
inline constexpr char kIndexProperty[] = "index";
void set_control_name(QWidget& control, const QString& name, int index);
// Member `index` of the array `name` among the window's controls (at any
// depth), or null.
QWidget* find_control(const QWidget& window, const QString& name, int index);
template <typename T>
T* find_control_as(const QWidget& window, const QString& name, int index) {
  return qobject_cast<T*>(find_control(window, name, index));
}

// Places the window's eight border pieces `ccb` 0 to 7 (made when the window
// has none) around its edges, gives each its picture from the image library
// and sends them behind every other control.
void draw_rounded_border(QWidget& window);

}  // namespace mdc::shell
