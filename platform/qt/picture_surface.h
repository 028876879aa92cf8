// A picture box that keeps its drawing: lines, boxes and text are drawn in
// twips onto a bitmap the size of the box, which is what the screen shows
// until the next clear. Drawing while the box is hidden still lands in the
// bitmap.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

namespace mdc::platform {

enum class BoxFill { kOutline, kFilled };

class PictureSurface : public QWidget {
  Q_OBJECT
  // Windows colour values, as the colour theme sets them by name.
  Q_PROPERTY(int BackColor READ back_color WRITE set_back_color)
  Q_PROPERTY(int FillColor READ back_color WRITE set_back_color)

 public:
  explicit PictureSurface(QWidget* parent = nullptr);

  // Places and sizes the box, in twips inside its parent; the drawing is
  // cleared.
  void set_geometry_twips(int left, int top, int width, int height);

  int back_color() const;
  void set_back_color(int windows_colour);

  // Fills the bitmap with the background colour.
  void clear();

  // The font and the colour of text; lines and boxes take their own colour.
  void set_draw_font(const QFont& font);
  const QFont& draw_font() const { return font_; }
  void set_draw_colour(const QColor& colour) { colour_ = colour; }

  // A line from (x1, y1) to (x2, y2), ends included.
  void draw_line(int x1, int y1, int x2, int y2, const QColor& colour);
  // A box with corners (x1, y1) and (x2, y2) in any order; an outline always
  // covers at least one pixel, so a flat box shows as a line.
  void draw_box(int x1, int y1, int x2, int y2, const QColor& colour,
                BoxFill fill);
  // Text with its top-left corner at (x, y).
  void draw_text(int x, int y, const QString& text);
  // Width of a text in the drawing font, in twips.
  int text_width(const QString& text) const;

  // The bitmap as drawn.
  const QImage& image() const { return image_; }
  // The colour of the pixel holding the point (x, y) in twips.
  QColor colour_at(int x, int y) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  QColor back_;
  QColor colour_;
  QFont font_;
};

}  // namespace mdc::platform
