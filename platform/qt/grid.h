// The grid control of every table of the system: text cells by row and
// column with one fixed header row and one fixed first column, widths in
// twips, per-cell font size, background colour and picture, and painting that
// can be suspended while a screen fills it. Custom painted over plain cell
// storage, so that filling thousands of cells costs no more than storing
// their texts.
#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <vector>

namespace mdc::platform {

enum class GridAlignment { kLeft, kCentre, kRight };  // each vertically centred
enum class Redraw { kOff, kOn };

class Grid : public QAbstractScrollArea {
  Q_OBJECT
  // Windows colour values (red in the low byte), as the colour theme sets
  // them by name.
  Q_PROPERTY(int BackColor READ back_color WRITE set_back_color)
  Q_PROPERTY(int ForeColor READ fore_color WRITE set_fore_color)
  Q_PROPERTY(int BackColorFixed READ back_color_fixed WRITE set_back_color_fixed)
  Q_PROPERTY(int ForeColorFixed READ fore_color_fixed WRITE set_fore_color_fixed)

 public:
  static constexpr int kFixedRows = 1;
  static constexpr int kFixedCols = 1;
  static constexpr int kDefaultColWidthTwips = 960;
  static constexpr int kDefaultRowHeightTwips = 240;

  explicit Grid(QWidget* parent = nullptr);

  // Counts of rows and columns, fixed ones included (at least 1 each). Cells
  // that stay keep their texts and formats; the current cell moves inside.
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  void set_rows(int rows);
  void set_cols(int cols);

  // The current cell. A position outside the grid is refused (false) and the
  // current cell stays where it was.
  int row() const { return row_; }
  int col() const { return col_; }
  bool set_row(int row);
  bool set_col(int col);

  // Text of the current cell.
  QString text() const { return text_matrix(row_, col_); }
  void set_text(const QString& text) { set_text_matrix(row_, col_, text); }

  // Text of any cell, without moving the current cell. Outside the grid a
  // read gives "" and a write is ignored.
  const QString& text_matrix(int row, int col) const;
  void set_text_matrix(int row, int col, const QString& text);

  // Width of a column in twips; 0 hides the column. Outside the grid a read
  // gives 0 and a write is ignored.
  int col_width(int col) const;
  void set_col_width(int col, int twips);

  // Alignment of a column's normal cells and of its fixed cells.
  GridAlignment col_alignment(int col) const;
  void set_col_alignment(int col, GridAlignment alignment);
  GridAlignment fixed_alignment(int col) const;
  void set_fixed_alignment(int col, GridAlignment alignment);

  // Formats of the current cell. A font size of 0 and a colour of -1 mean
  // "the grid's own".
  double cell_font_size() const;
  void set_cell_font_size(double points);
  std::int32_t cell_back_color() const;
  void set_cell_back_color(std::int32_t windows_colour);
  QPixmap cell_picture() const;
  void set_cell_picture(const QPixmap& picture);
  GridAlignment cell_picture_alignment() const;
  void set_cell_picture_alignment(GridAlignment alignment);

  // Smallest height of every row, in twips.
  int row_height_min() const { return row_height_min_; }
  void set_row_height_min(int twips);

  // Empties every cell, texts and formats; rows, columns, widths and
  // alignments stay.
  void clear();

  // Off: writes to cells paint nothing. On: the grid is painted once.
  Redraw redraw() const { return redraw_; }
  void set_redraw(Redraw redraw);

  // The control's width in twips, as screens read it to share out columns.
  int width_twips() const;

  int back_color() const { return back_color_; }
  void set_back_color(int windows_colour);
  int fore_color() const { return fore_color_; }
  void set_fore_color(int windows_colour);
  int back_color_fixed() const { return back_color_fixed_; }
  void set_back_color_fixed(int windows_colour);
  int fore_color_fixed() const { return fore_color_fixed_; }
  void set_fore_color_fixed(int windows_colour);

  // The cell under a point of the viewport, or false when there is none.
  bool cell_at(const QPoint& viewport_point, int& row, int& col) const;
  // Where a cell lies in the viewport, in pixels (empty when hidden).
  QRect cell_rect(int row, int col) const;

 signals:
  // A cell was double-clicked; the current cell is already set to it.
  void DblClick();
  // The current cell moved by a click.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  struct CellFormat {
    double font_size = 0;
    std::int32_t back_color = -1;
    QPixmap picture;
    GridAlignment picture_alignment = GridAlignment::kLeft;
    bool is_default() const {
      return font_size == 0 && back_color == -1 && picture.isNull();
    }
  };
  struct Cell {
    QString text;
    int format = -1;  // index in formats_, -1 for none
  };

  bool inside(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
  }
  Cell& cell(int row, int col) { return cells_[row * cols_ + col]; }
  const Cell& cell(int row, int col) const { return cells_[row * cols_ + col]; }
  CellFormat& format_of_current();
  const CellFormat* format_at(int row, int col) const;
  void resize_storage(int rows, int cols);
  int col_pixels(int col) const;
  int row_pixels() const;
  void layout_changed();
  void repaint_if_drawing();
  int x_of(int col) const;  // left edge in the viewport, scrolled
  int y_of(int row) const;

  int rows_ = 2;
  int cols_ = 2;
  int row_ = 1;
  int col_ = 1;
  std::vector<Cell> cells_;
  std::vector<CellFormat> formats_;
  std::vector<int> col_width_;  // twips
  std::vector<GridAlignment> col_alignment_;
  std::vector<GridAlignment> fixed_alignment_;
  int row_height_min_ = kDefaultRowHeightTwips;
  Redraw redraw_ = Redraw::kOn;
  int back_color_;
  int fore_color_;
  int back_color_fixed_;
  int fore_color_fixed_;
};

}  // namespace mdc::platform
