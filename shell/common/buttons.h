// The button bar: large picture buttons for touch or mouse, each made of a
// slot of three controls (`bt_prog` n: the button, `im_prog` n: its icon,
// `li_prog` n: its caption), hidden until a descriptor "NNN:PPP:Caption"
// activates them.
#pragma once

#include <QLabel>
#include <QObject>
#include <QString>

class QMouseEvent;

namespace mdc::shell {

// Design sizes and offsets of a slot, in twips.
inline constexpr int kButtonSideTwips = 1095;
inline constexpr int kIconWidthTwips = 465;
inline constexpr int kIconHeightTwips = 495;
inline constexpr int kIconOffsetLeft = 300;
inline constexpr int kIconOffsetTop = 90;
inline constexpr int kCaptionWidthTwips = 1065;
inline constexpr int kCaptionHeightTwips = 255;
inline constexpr int kCaptionOffsetLeft = 30;
inline constexpr int kCaptionOffsetTop = 690;
inline constexpr double kCaptionPoints = 10;
// The usual places: slot 0 in the bottom right corner, slot 1 left of it.
inline constexpr int kUsualSlotLeft = 14000;
inline constexpr int kUsualSlotTop = 9450;
inline constexpr int kUsualSlotStep = 1200;

inline const QString kButtonName = QStringLiteral("bt_prog");
inline const QString kIconName = QStringLiteral("im_prog");
inline const QString kCaptionName = QStringLiteral("li_prog");

struct ButtonDescriptor {
  int slot = 0;
  int icon = 0;
  QString caption;
  friend bool operator==(const ButtonDescriptor&, const ButtonDescriptor&) = default;
};

// Characters 1 to 3: slot; 5 to 7: icon number of the p11 group; 9 to the
// end: caption, as it is. Numbers are read as their leading number.
ButtonDescriptor parse_button_descriptor(const QString& descriptor);

// A picture or caption that takes clicks, as the suite's picture boxes do.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// Activates the slot the descriptor names: the button gets the background
// picture, the icon and caption are placed on it, and all three are shown in
// front. A slot or picture the window lacks leaves that part undone.
void add_program_button(QWidget& window, const QString& descriptor);

// Makes a window's button slots at their design places and reports a click
// on a slot's button or caption as one click of that slot.
class ButtonBar : public QObject {
  Q_OBJECT
 public:
  explicit ButtonBar(QWidget& window);

  // Makes slot n, hidden, with its button at (left, top) twips.
  void add_slot(int slot, int left_twips, int top_twips);
  // Slot n at the usual place: the bottom right corner, then leftwards.
  void add_usual_slot(int slot);

 signals:
  void clicked(int slot);

 private:
  QWidget& window_;
};

}  // namespace mdc::shell
