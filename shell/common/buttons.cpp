#include "shell/common/buttons.h"

#include <QMouseEvent>

#include "data/numbers.h"
#include "shell/common/frame.h"
#include "shell/common/icc.h"
#include "shell/common/ui_text.h"

namespace mdc::shell {
namespace {

constexpr qsizetype kSlotStart = 0, kSlotWidth = 3;
constexpr qsizetype kIconStart = 4, kIconWidth = 3;
constexpr qsizetype kCaptionStart = 8;

int leading_int(const QString& text) {
  return static_cast<int>(data::to_int16(data::parse_number(to_utf8(text))));
}

QFont caption_font() {
  return design_font(QStringLiteral("Arial"), kCaptionPoints, QFont::Bold);
}

}  // namespace

ButtonDescriptor parse_button_descriptor(const QString& descriptor) {
  return {leading_int(descriptor.mid(kSlotStart, kSlotWidth)),
          leading_int(descriptor.mid(kIconStart, kIconWidth)),
          descriptor.mid(kCaptionStart)};
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void add_program_button(QWidget& window, const QString& descriptor) {
  const ButtonDescriptor d = parse_button_descriptor(descriptor);
  QWidget* button = find_control(window, kButtonName, d.slot);
  if (!button) return;
  if (auto* picture = qobject_cast<QLabel*>(button)) {
    picture->setPixmap(icc().picture(kButtonGroup, kButtonBackground));
  }
  button->setEnabled(true);
  button->show();
  button->raise();

  const QPoint origin = button->pos();
  if (auto* icon = find_control_as<QLabel>(window, kIconName, d.slot)) {
    const QPixmap picture = icc().picture(kIconGroup, d.icon);
    if (picture.isNull()) {
      icon->hide();
    } else {
      icon->setPixmap(picture);
      icon->move(origin + QPoint(twips_to_pixels(kIconOffsetLeft),
                                 twips_to_pixels(kIconOffsetTop)));
      icon->show();
      icon->raise();
    }
  }
  if (auto* caption = find_control_as<QLabel>(window, kCaptionName, d.slot)) {
    caption->setText(d.caption);
    caption->setEnabled(true);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    caption->setPalette(palette);
    caption->setGeometry(origin.x() + twips_to_pixels(kCaptionOffsetLeft),
                         origin.y() + twips_to_pixels(kCaptionOffsetTop),
                         caption->width(), twips_to_pixels(kCaptionHeightTwips));
    caption->show();
    caption->raise();
  }
}

ButtonBar::ButtonBar(QWidget& window) : QObject(&window), window_(window) {}

void ButtonBar::add_slot(int slot, int left_twips, int top_twips) {
  auto* button = new ClickLabel(&window_);
  set_control_name(*button, kButtonName, slot);
  place_twips(*button, left_twips, top_twips, kButtonSideTwips, kButtonSideTwips);
  button->setScaledContents(true);
  button->setCursor(Qt::PointingHandCursor);
  button->hide();

  auto* icon = new QLabel(&window_);
  set_control_name(*icon, kIconName, slot);
  place_twips(*icon, left_twips + kIconOffsetLeft, top_twips + kIconOffsetTop,
              kIconWidthTwips, kIconHeightTwips);
  icon->setAlignment(Qt::AlignCenter);
  icon->setAttribute(Qt::WA_TransparentForMouseEvents);
  icon->hide();

  auto* caption = new ClickLabel(&window_);
  set_control_name(*caption, kCaptionName, slot);
  place_twips(*caption, left_twips + kCaptionOffsetLeft, top_twips + kCaptionOffsetTop,
              kCaptionWidthTwips, kCaptionHeightTwips);
  caption->setFont(caption_font());
  caption->setAlignment(Qt::AlignCenter);
  caption->setAttribute(Qt::WA_TranslucentBackground);
  caption->setAutoFillBackground(false);
  caption->setCursor(Qt::PointingHandCursor);
  caption->hide();

  connect(button, &ClickLabel::clicked, this, [this, slot] { emit clicked(slot); });
  connect(caption, &ClickLabel::clicked, this, [this, slot] { emit clicked(slot); });
}

void ButtonBar::add_usual_slot(int slot) {
  add_slot(slot, kUsualSlotLeft - slot * kUsualSlotStep, kUsualSlotTop);
}

}  // namespace mdc::shell
