#include "platform/qt/grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt/screen_units.h"

namespace mdc::platform {
namespace {

constexpr int kTextMarginPixels = 3;
constexpr int kMinRowPaddingPixels = 4;
constexpr std::int32_t kWhite = rgb(255, 255, 255);
constexpr std::int32_t kBlack = rgb(0, 0, 0);
constexpr std::int32_t kFixedGrey = rgb(192, 192, 192);
constexpr std::int32_t kGridLineGrey = rgb(160, 160, 160);

Qt::Alignment qt_alignment(GridAlignment a) {
  switch (a) {
    case GridAlignment::kCentre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case GridAlignment::kRight: return Qt::AlignRight | Qt::AlignVCenter;
    case GridAlignment::kLeft: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

const QString& empty_text() {
  static const QString kEmpty;
  return kEmpty;
}

}  // namespace

Grid::Grid(QWidget* parent)
    : QAbstractScrollArea(parent),
      back_color_(kWhite),
      fore_color_(kBlack),
      back_color_fixed_(kFixedGrey),
      fore_color_fixed_(kBlack) {
  setFrameShape(QFrame::Box);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  resize_storage(rows_, cols_);
}

void Grid::resize_storage(int rows, int cols) {
  rows = std::max(rows, kFixedRows);
  cols = std::max(cols, kFixedCols);
  std::vector<Cell> cells(static_cast<std::size_t>(rows) * cols);
  const int keep_rows = std::min(rows, rows_);
  const int keep_cols = std::min(cols, cols_);
  if (!cells_.empty()) {
    for (int r = 0; r < keep_rows; ++r) {
      for (int c = 0; c < keep_cols; ++c) {
        cells[static_cast<std::size_t>(r) * cols + c] = std::move(cell(r, c));
      }
    }
  }
  cells_ = std::move(cells);
  rows_ = rows;
  cols_ = cols;
  col_width_.resize(cols, kDefaultColWidthTwips);
  col_alignment_.resize(cols, GridAlignment::kLeft);
  fixed_alignment_.resize(cols, GridAlignment::kLeft);
  row_ = std::clamp(row_, 0, rows_ - 1);
  col_ = std::clamp(col_, 0, cols_ - 1);
  layout_changed();
}

void Grid::set_rows(int rows) {
  if (rows != rows_) resize_storage(rows, cols_);
}

void Grid::set_cols(int cols) {
  if (cols != cols_) resize_storage(rows_, cols);
}

bool Grid::set_row(int row) {
  if (row < 0 || row >= rows_) return false;
  row_ = row;
  return true;
}

bool Grid::set_col(int col) {
  if (col < 0 || col >= cols_) return false;
  col_ = col;
  return true;
}

const QString& Grid::text_matrix(int row, int col) const {
  return inside(row, col) ? cell(row, col).text : empty_text();
}

void Grid::set_text_matrix(int row, int col, const QString& text) {
  if (!inside(row, col)) return;
  cell(row, col).text = text;
  repaint_if_drawing();
}

int Grid::col_width(int col) const {
  return col >= 0 && col < cols_ ? col_width_[col] : 0;
}

void Grid::set_col_width(int col, int twips) {
  if (col < 0 || col >= cols_) return;
  col_width_[col] = std::max(twips, 0);
  layout_changed();
}

GridAlignment Grid::col_alignment(int col) const {
  return col >= 0 && col < cols_ ? col_alignment_[col] : GridAlignment::kLeft;
}

void Grid::set_col_alignment(int col, GridAlignment alignment) {
  if (col < 0 || col >= cols_) return;
  col_alignment_[col] = alignment;
  repaint_if_drawing();
}

GridAlignment Grid::fixed_alignment(int col) const {
  return col >= 0 && col < cols_ ? fixed_alignment_[col] : GridAlignment::kLeft;
}

void Grid::set_fixed_alignment(int col, GridAlignment alignment) {
  if (col < 0 || col >= cols_) return;
  fixed_alignment_[col] = alignment;
  repaint_if_drawing();
}

Grid::CellFormat& Grid::format_of_current() {
  Cell& c = cell(row_, col_);
  if (c.format < 0) {
    c.format = static_cast<int>(formats_.size());
    formats_.emplace_back();
  }
  return formats_[c.format];
}

const Grid::CellFormat* Grid::format_at(int row, int col) const {
  if (!inside(row, col)) return nullptr;
  const int f = cell(row, col).format;
  return f < 0 ? nullptr : &formats_[f];
}

double Grid::cell_font_size() const {
  const CellFormat* f = format_at(row_, col_);
  return f && f->font_size > 0 ? f->font_size : font().pointSizeF();
}

void Grid::set_cell_font_size(double points) {
  format_of_current().font_size = std::max(points, 0.0);
  repaint_if_drawing();
}

std::int32_t Grid::cell_back_color() const {
  const CellFormat* f = format_at(row_, col_);
  if (f && f->back_color != -1) return f->back_color;
  return row_ < kFixedRows || col_ < kFixedCols ? back_color_fixed_
                                                 : back_color_;
}

void Grid::set_cell_back_color(std::int32_t windows_colour) {
  format_of_current().back_color = windows_colour;
  repaint_if_drawing();
}

QPixmap Grid::cell_picture() const {
  const CellFormat* f = format_at(row_, col_);
  return f ? f->picture : QPixmap();
}

void Grid::set_cell_picture(const QPixmap& picture) {
  format_of_current().picture = picture;
  repaint_if_drawing();
}

GridAlignment Grid::cell_picture_alignment() const {
  const CellFormat* f = format_at(row_, col_);
  return f ? f->picture_alignment : GridAlignment::kLeft;
}

void Grid::set_cell_picture_alignment(GridAlignment alignment) {
  format_of_current().picture_alignment = alignment;
  repaint_if_drawing();
}

void Grid::set_row_height_min(int twips) {
  row_height_min_ = std::max(twips, 0);
  layout_changed();
}

void Grid::clear() {
  for (Cell& c : cells_) {
    c.text.clear();
    c.format = -1;
  }
  formats_.clear();
  repaint_if_drawing();
}

void Grid::set_redraw(Redraw redraw) {
  redraw_ = redraw;
  if (redraw_ == Redraw::kOn) layout_changed();
}

int Grid::width_twips() const { return pixels_to_twips(width()); }

void Grid::set_back_color(int windows_colour) {
  back_color_ = windows_colour;
  repaint_if_drawing();
}
void Grid::set_fore_color(int windows_colour) {
  fore_color_ = windows_colour;
  repaint_if_drawing();
}
void Grid::set_back_color_fixed(int windows_colour) {
  back_color_fixed_ = windows_colour;
  repaint_if_drawing();
}
void Grid::set_fore_color_fixed(int windows_colour) {
  fore_color_fixed_ = windows_colour;
  repaint_if_drawing();
}

int Grid::col_pixels(int col) const { return twips_to_pixels(col_width_[col]); }

int Grid::row_pixels() const {
  return std::max(twips_to_pixels(row_height_min_),
                  fontMetrics().height() + kMinRowPaddingPixels);
}

void Grid::repaint_if_drawing() {
  if (redraw_ == Redraw::kOn) viewport()->update();
}

void Grid::layout_changed() {
  if (redraw_ == Redraw::kOff) return;
  int content_width = 0;
  for (int c = kFixedCols; c < cols_; ++c) content_width += col_pixels(c);
  int fixed_width = 0;
  for (int c = 0; c < kFixedCols; ++c) fixed_width += col_pixels(c);
  const int content_height = (rows_ - kFixedRows) * row_pixels();
  const int fixed_height = kFixedRows * row_pixels();
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(
      0, std::max(0, content_width - (view.width() - fixed_width)));
  horizontalScrollBar()->setPageStep(std::max(1, view.width() - fixed_width));
  verticalScrollBar()->setRange(
      0, std::max(0, content_height - (view.height() - fixed_height)));
  verticalScrollBar()->setPageStep(std::max(1, view.height() - fixed_height));
  verticalScrollBar()->setSingleStep(row_pixels());
  viewport()->update();
}

int Grid::x_of(int col) const {
  int x = 0;
  for (int c = 0; c < col && c < cols_; ++c) x += col_pixels(c);
  if (col >= kFixedCols) x -= horizontalScrollBar()->value();
  return x;
}

int Grid::y_of(int row) const {
  const int y = row * row_pixels();
  return row >= kFixedRows ? y - verticalScrollBar()->value() : y;
}

QRect Grid::cell_rect(int row, int col) const {
  if (!inside(row, col) || col_pixels(col) == 0) return {};
  return {x_of(col), y_of(row), col_pixels(col), row_pixels()};
}

bool Grid::cell_at(const QPoint& p, int& row, int& col) const {
  const int rh = std::max(row_pixels(), 1);
  if (p.x() < 0 || p.y() < 0) return false;
  const int fixed_height = kFixedRows * rh;
  const int r = p.y() < fixed_height
                    ? p.y() / rh
                    : (p.y() + verticalScrollBar()->value()) / rh;
  if (r >= rows_) return false;
  int fixed_width = 0;
  for (int c = 0; c < kFixedCols; ++c) fixed_width += col_pixels(c);
  // The fixed column lies over the scrolled ones.
  const bool in_fixed = p.x() < fixed_width;
  const int x = in_fixed ? p.x() : p.x() + horizontalScrollBar()->value();
  int left = in_fixed ? 0 : fixed_width;
  for (int c = in_fixed ? 0 : kFixedCols; c < (in_fixed ? kFixedCols : cols_);
       ++c) {
    const int w = col_pixels(c);
    if (x >= left && x < left + w) {
      row = r;
      col = c;
      return true;
    }
    left += w;
  }
  return false;
}

void Grid::paintEvent(QPaintEvent*) {
  if (redraw_ == Redraw::kOff) return;
  QPainter painter(viewport());
  const QColor back = windows_colour(back_color_);
  const QColor fore = windows_colour(fore_color_);
  const QColor back_fixed = windows_colour(back_color_fixed_);
  const QColor fore_fixed = windows_colour(fore_color_fixed_);
  const QColor line = windows_colour(kGridLineGrey);
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));

  const int rh = row_pixels();
  const int view_w = viewport()->width();
  const int view_h = viewport()->height();
  int fixed_w = 0;
  for (int c = 0; c < kFixedCols; ++c) fixed_w += col_pixels(c);
  const int fixed_h = kFixedRows * rh;

  // Left edges of every column, scrolled columns already shifted.
  std::vector<int> left(cols_ + 1);
  int x = 0;
  for (int c = 0; c < cols_; ++c) {
    left[c] = c >= kFixedCols ? x - horizontalScrollBar()->value() : x;
    x += col_pixels(c);
  }

  const QFont base_font = font();
  auto paint_cell = [&](int r, int c) {
    const int w = col_pixels(c);
    if (w == 0) return;
    const QRect rect(left[c], y_of(r), w, rh);
    if (rect.right() < 0 || rect.left() >= view_w || rect.bottom() < 0 ||
        rect.top() >= view_h) {
      return;
    }
    const bool fixed = r < kFixedRows || c < kFixedCols;
    const CellFormat* f = format_at(r, c);
    QColor cell_back = fixed ? back_fixed : back;
    if (f && f->back_color != -1) cell_back = windows_colour(f->back_color);
    painter.fillRect(rect, cell_back);
    painter.setPen(line);
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    const QRect inner = rect.adjusted(kTextMarginPixels, 0,
                                      -kTextMarginPixels, 0);
    if (f && !f->picture.isNull()) {
      const QSize size = f->picture.size().boundedTo(rect.size());
      int px = rect.left();
      if (f->picture_alignment == GridAlignment::kCentre) {
        px = rect.left() + (rect.width() - size.width()) / 2;
      } else if (f->picture_alignment == GridAlignment::kRight) {
        px = rect.right() + 1 - size.width();
      }
      painter.drawPixmap(QRect(QPoint(px, rect.top() + (rh - size.height()) / 2),
                               size),
                         f->picture);
    }
    const Cell& cl = cell(r, c);
    if (cl.text.isEmpty()) return;
    if (f && f->font_size > 0) {
      QFont cell_font = base_font;
      cell_font.setPointSizeF(f->font_size);
      painter.setFont(cell_font);
    } else {
      painter.setFont(base_font);
    }
    painter.setPen(fixed ? fore_fixed : fore);
    const GridAlignment a =
        r < kFixedRows ? fixed_alignment_[c] : col_alignment_[c];
    painter.save();
    painter.setClipRect(rect);
    painter.drawText(inner, static_cast<int>(qt_alignment(a)) |
                                Qt::TextSingleLine,
                     cl.text);
    painter.restore();
  };

  const int first_row =
      kFixedRows + std::max(0, verticalScrollBar()->value() / std::max(rh, 1));
  // Scrolled cells first, then the fixed column and row over them.
  painter.save();
  painter.setClipRect(QRect(fixed_w, fixed_h, view_w, view_h));
  for (int r = first_row; r < rows_ && y_of(r) < view_h; ++r) {
    for (int c = kFixedCols; c < cols_; ++c) paint_cell(r, c);
  }
  painter.restore();
  painter.save();
  painter.setClipRect(QRect(0, fixed_h, view_w, view_h));
  for (int r = first_row; r < rows_ && y_of(r) < view_h; ++r) {
    for (int c = 0; c < kFixedCols; ++c) paint_cell(r, c);
  }
  painter.restore();
  painter.save();
  painter.setClipRect(QRect(fixed_w, 0, view_w, fixed_h));
  for (int r = 0; r < kFixedRows; ++r) {
    for (int c = kFixedCols; c < cols_; ++c) paint_cell(r, c);
  }
  painter.restore();
  for (int r = 0; r < kFixedRows; ++r) {
    for (int c = 0; c < kFixedCols; ++c) paint_cell(r, c);
  }

  if (hasFocus()) {
    const QRect current = cell_rect(row_, col_);
    if (!current.isEmpty()) {
      painter.setPen(QPen(fore, 1, Qt::DotLine));
      painter.drawRect(current.adjusted(1, 1, -2, -2));
    }
  }
}

void Grid::mousePressEvent(QMouseEvent* event) {
  int r = 0;
  int c = 0;
  if (event->button() == Qt::LeftButton &&
      cell_at(event->position().toPoint(), r, c)) {
    row_ = r;
    col_ = c;
    repaint_if_drawing();
    emit Click();
  }
  QAbstractScrollArea::mousePressEvent(event);
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
  int r = 0;
  int c = 0;
  if (event->button() == Qt::LeftButton &&
      cell_at(event->position().toPoint(), r, c)) {
    row_ = r;
    col_ = c;
    repaint_if_drawing();
    emit DblClick();
  }
}

void Grid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  layout_changed();
}

void Grid::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace mdc::platform
