#include "platform/qt/grid.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "platform/qt/screen_units.h"

namespace mdc::platform {
namespace {

// The platform tests have no Qt main of their own: the first grid test makes
// the application.
void ensure_application() {
  if (QApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_.set_rows(5);
    grid_.set_cols(4);
    grid_.resize(400, 300);
  }
  void send_mouse(QEvent::Type type, const QPoint& at) {
    QMouseEvent event(type, at, grid_.viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid_.viewport(), &event);
  }
  bool application_ready_ = (ensure_application(), true);
  Grid grid_;
};

TEST_F(GridTest, ResizingKeepsTheCellsThatStayAndForgetsTheOthers) {
  grid_.set_text_matrix(1, 1, "kept");
  grid_.set_text_matrix(4, 3, "dropped");
  grid_.set_row(4);
  grid_.set_col(3);
  grid_.set_rows(3);
  grid_.set_cols(2);
  EXPECT_EQ(grid_.row(), 2);  // the current cell moved inside
  EXPECT_EQ(grid_.col(), 1);
  grid_.set_rows(5);
  grid_.set_cols(4);
  EXPECT_EQ(grid_.text_matrix(1, 1), "kept");
  EXPECT_EQ(grid_.text_matrix(4, 3), "");
}

TEST_F(GridTest, CurrentCellAndTextMatrix) {
  ASSERT_TRUE(grid_.set_row(2));
  ASSERT_TRUE(grid_.set_col(3));
  grid_.set_text("current");
  grid_.set_text_matrix(1, 1, "elsewhere");
  EXPECT_EQ(grid_.row(), 2);
  EXPECT_EQ(grid_.col(), 3);
  EXPECT_EQ(grid_.text(), "current");
  EXPECT_EQ(grid_.text_matrix(2, 3), "current");

  // Positions outside the grid: refused, read empty, writes ignored.
  EXPECT_FALSE(grid_.set_row(5));
  EXPECT_FALSE(grid_.set_col(-1));
  EXPECT_EQ(grid_.row(), 2);
  EXPECT_EQ(grid_.col(), 3);
  grid_.set_text_matrix(5, 0, "x");
  grid_.set_text_matrix(0, 4, "x");
  EXPECT_EQ(grid_.text_matrix(5, 0), "");
  EXPECT_EQ(grid_.text_matrix(-1, 0), "");
  EXPECT_EQ(grid_.col_width(9), 0);
}

TEST_F(GridTest, CellFormatsBelongToTheirCell) {
  grid_.setFont(points_font("Arial", 11.25));
  grid_.set_row(1);
  grid_.set_col(2);
  grid_.set_cell_font_size(9);
  grid_.set_cell_back_color(rgb(255, 128, 0));
  EXPECT_EQ(grid_.cell_font_size(), 9);
  EXPECT_EQ(grid_.cell_back_color(), rgb(255, 128, 0));
  grid_.set_col(3);
  EXPECT_DOUBLE_EQ(grid_.cell_font_size(), 11.25);
  EXPECT_EQ(grid_.cell_back_color(), grid_.back_color());
  grid_.set_col(0);
  EXPECT_EQ(grid_.cell_back_color(), grid_.back_color_fixed());
}

TEST_F(GridTest, ClearEmptiesTextsAndFormatsButKeepsTheShape) {
  grid_.set_col_width(2, 1800);
  grid_.set_col_alignment(2, GridAlignment::kRight);
  grid_.set_fixed_alignment(2, GridAlignment::kCentre);
  grid_.set_text_matrix(0, 2, "head");
  grid_.set_row(3);
  grid_.set_col(2);
  grid_.set_text("x");
  grid_.set_cell_back_color(rgb(1, 2, 3));
  QPixmap picture(8, 8);
  picture.fill(Qt::red);
  grid_.set_cell_picture(picture);

  grid_.clear();

  EXPECT_EQ(grid_.text_matrix(0, 2), "");
  EXPECT_EQ(grid_.text(), "");
  EXPECT_EQ(grid_.cell_back_color(), grid_.back_color());
  EXPECT_TRUE(grid_.cell_picture().isNull());
  EXPECT_EQ(grid_.rows(), 5);
  EXPECT_EQ(grid_.cols(), 4);
  EXPECT_EQ(grid_.col_width(2), 1800);
  EXPECT_EQ(grid_.col_alignment(2), GridAlignment::kRight);
  EXPECT_EQ(grid_.fixed_alignment(2), GridAlignment::kCentre);
}

TEST_F(GridTest, ClickedPointsFindTheirCellAndSkipHiddenColumns) {
  // Columns of 600, 0 (hidden), 1500 and 300 twips: 40, 0, 100 and 20
  // pixels; rows of 360 twips, 24 pixels.
  grid_.set_row_height_min(360);
  grid_.set_col_width(0, 600);
  grid_.set_col_width(1, 0);
  grid_.set_col_width(2, 1500);
  grid_.set_col_width(3, 300);
  const struct {
    QPoint at;
    bool found;
    int row;
    int col;
  } kCases[] = {
      {{5, 5}, true, 0, 0},     {{39, 30}, true, 1, 0},
      {{40, 30}, true, 1, 2},   {{139, 50}, true, 2, 2},
      {{140, 100}, true, 4, 3}, {{160, 30}, false, 0, 0},
      {{5, 120}, false, 0, 0},  {{-1, 5}, false, 0, 0},
  };
  for (const auto& c : kCases) {
    int row = -1;
    int col = -1;
    EXPECT_EQ(grid_.cell_at(c.at, row, col), c.found)
        << c.at.x() << "," << c.at.y();
    if (c.found) {
      EXPECT_EQ(row, c.row) << c.at.x() << "," << c.at.y();
      EXPECT_EQ(col, c.col) << c.at.x() << "," << c.at.y();
    }
  }
  EXPECT_TRUE(grid_.cell_rect(1, 1).isEmpty());
}

TEST_F(GridTest, DoubleClickSetsTheCurrentCellBeforeItIsRaised) {
  grid_.set_row_height_min(360);
  for (int c = 0; c < 4; ++c) grid_.set_col_width(c, 1500);
  int raised = 0;
  int row_seen = -1;
  int col_seen = -1;
  QObject::connect(&grid_, &Grid::DblClick, [&] {
    ++raised;
    row_seen = grid_.row();
    col_seen = grid_.col();
  });
  send_mouse(QEvent::MouseButtonDblClick, grid_.cell_rect(3, 2).center());
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(row_seen, 3);
  EXPECT_EQ(col_seen, 2);

  // A double-click beside the cells raises nothing.
  send_mouse(QEvent::MouseButtonDblClick, QPoint(395, 295));
  EXPECT_EQ(raised, 1);
}

TEST_F(GridTest, PaintsCellColoursAndThemeColoursSetByName) {
  grid_.set_row_height_min(360);
  for (int c = 0; c < 4; ++c) grid_.set_col_width(c, 1500);
  ASSERT_TRUE(grid_.setProperty("BackColorFixed", rgb(255, 224, 192)));
  ASSERT_TRUE(grid_.setProperty("BackColor", rgb(255, 255, 255)));
  grid_.set_redraw(Redraw::kOff);
  grid_.set_row(2);
  grid_.set_col(3);
  grid_.set_cell_back_color(rgb(0, 255, 0));
  grid_.set_redraw(Redraw::kOn);

  const QImage shot = grid_.viewport()->grab().toImage();
  const auto colour_in = [&](int row, int col) {
    const QRect r = grid_.cell_rect(row, col);
    return to_windows_colour(shot.pixelColor(r.center()));
  };
  EXPECT_EQ(colour_in(0, 1), rgb(255, 224, 192));
  EXPECT_EQ(colour_in(2, 0), rgb(255, 224, 192));
  EXPECT_EQ(colour_in(2, 3), rgb(0, 255, 0));
  EXPECT_EQ(colour_in(2, 2), rgb(255, 255, 255));
}

TEST_F(GridTest, WidthIsReadInTwips) {
  grid_.resize(642, 100);
  EXPECT_EQ(grid_.width_twips(), 642 * kTwipsPerPixel);
}

}  // namespace
}  // namespace mdc::platform
