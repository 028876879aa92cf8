#include "platform/qt/picture_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/qt/screen_units.h"

namespace mdc::platform {
namespace {

// Pixel of a twips coordinate: the pixel that holds it.
int pixel_of(int twips) {
  return twips >= 0 ? twips / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel - 1) / kTwipsPerPixel);
}

}  // namespace

PictureSurface::PictureSurface(QWidget* parent)
    : QWidget(parent), back_(Qt::white), colour_(Qt::black) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  clear();
}

void PictureSurface::set_geometry_twips(int left, int top, int width,
                                        int height) {
  setGeometry(twips_rect(left, top, width, height));
  clear();
}

int PictureSurface::back_color() const { return to_windows_colour(back_); }

void PictureSurface::set_back_color(int windows_colour) {
  back_ = platform::windows_colour(windows_colour);
  clear();
}

void PictureSurface::clear() {
  if (image_.size() != size()) {
    image_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  }
  image_.fill(back_);
  update();
}

void PictureSurface::set_draw_font(const QFont& font) { font_ = font; }

void PictureSurface::draw_line(int x1, int y1, int x2, int y2,
                               const QColor& colour) {
  QPainter painter(&image_);
  painter.setPen(QPen(colour, 1));
  painter.drawLine(pixel_of(x1), pixel_of(y1), pixel_of(x2), pixel_of(y2));
  update();
}

void PictureSurface::draw_box(int x1, int y1, int x2, int y2,
                              const QColor& colour, BoxFill fill) {
  const int left = pixel_of(std::min(x1, x2));
  const int right = pixel_of(std::max(x1, x2));
  const int top = pixel_of(std::min(y1, y2));
  const int bottom = pixel_of(std::max(y1, y2));
  const QRect pixels(QPoint(left, top), QPoint(right, bottom));
  QPainter painter(&image_);
  if (fill == BoxFill::kFilled || pixels.width() <= 2 || pixels.height() <= 2) {
    // Too thin for an inside: the outline covers it all.
    painter.fillRect(pixels, colour);
  } else {
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pixels.adjusted(0, 0, -1, -1));
  }
  update();
}

void PictureSurface::draw_text(int x, int y, const QString& text) {
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(colour_);
  const QFontMetrics metrics(font_, &image_);
  painter.drawText(QPoint(pixel_of(x), pixel_of(y) + metrics.ascent()), text);
  update();
}

int PictureSurface::text_width(const QString& text) const {
  const QFontMetrics metrics(font_, &image_);
  return pixels_to_twips(metrics.horizontalAdvance(text));
}

QColor PictureSurface::colour_at(int x, int y) const {
  const QPoint p(pixel_of(x), pixel_of(y));
  if (!image_.valid(p)) return {};
  return image_.pixelColor(p);
}

void PictureSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  painter.drawImage(0, 0, image_);
}

void PictureSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (image_.size() != size()) {
    QImage kept = image_;
    image_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.fill(back_);
    QPainter painter(&image_);
    painter.drawImage(0, 0, kept);
  }
}

}  // namespace mdc::platform
