#include "shell/common/icc.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace mdc::shell {
namespace {

// Picture sizes in pixels, from the design sizes in twips.
constexpr int kBorderPieceSide = 32;  // 480 twips
constexpr int kButtonSide = 73;       // 1095 twips
constexpr int kIconWidth = 31;        // 465 twips
constexpr int kIconHeight = 33;       // 495 twips
constexpr int kDialogPictureSide = 96;
constexpr int kArrowSide = 40;
constexpr int kPresetSide = 32;
constexpr int kLogoWidth = 132;
constexpr int kLogoHeight = 112;
constexpr int kMenuPictureSide = 40;

// Border of the rounded frame.
constexpr int kBorderMargin = 2;
constexpr int kBorderRadius = 24;
constexpr double kBorderPen = 4.0;

// Palette of the pictures.
const QColor kFrameBlue(0x2F, 0x65, 0xA7);
const QColor kDarkBlue(0x1F, 0x4E, 0x8C);
const QColor kBlue(0x3B, 0x7D, 0xD8);
const QColor kLightBlue(0xCF, 0xE3, 0xF7);
const QColor kGreen(0x2E, 0x9E, 0x44);
const QColor kDarkGreen(0x1B, 0x6B, 0x2C);
const QColor kRed(0xD9, 0x3A, 0x2B);
const QColor kDarkRed(0x94, 0x20, 0x16);
const QColor kOrange(0xF2, 0x8C, 0x28);
const QColor kYellow(0xF2, 0xC1, 0x4E);
const QColor kDarkYellow(0xB0, 0x80, 0x10);
const QColor kGrey(0x5F, 0x6B, 0x78);
const QColor kLightGrey(0xD5, 0xDE, 0xE8);
const QColor kBrown(0x8B, 0x5A, 0x2B);

using Draw = std::function<void(QPainter&)>;

// A transparent picture of the given size, drawn antialiased.
QPixmap paint(int width, int height, const Draw& draw) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  draw(p);
  p.end();
  return QPixmap::fromImage(image);
}

// Draws `draw` in a 100 × 100 design square centred in width × height.
QPixmap paint_unit(int width, int height, const Draw& draw) {
  return paint(width, height, [&](QPainter& p) {
    const double side = std::min(width, height);
    p.translate((width - side) / 2.0, (height - side) / 2.0);
    p.scale(side / 100.0, side / 100.0);
    draw(p);
  });
}

QPen round_pen(const QColor& colour, double width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A stroke with a darker outline, so that a small icon stays legible on the
// light button background.
void outlined_lines(QPainter& p, const QList<QLineF>& lines, const QColor& fill,
                    const QColor& outline, double width) {
  p.setPen(round_pen(outline, width + 5));
  p.drawLines(lines);
  p.setPen(round_pen(fill, width));
  p.drawLines(lines);
}

void outlined_polyline(QPainter& p, const QPolygonF& line, const QColor& fill,
                       const QColor& outline, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(round_pen(outline, width + 5));
  p.drawPolyline(line);
  p.setPen(round_pen(fill, width));
  p.drawPolyline(line);
}

QFont bold_font(double pixel_size) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(static_cast<int>(pixel_size));
  font.setBold(true);
  return font;
}

void ball(QPainter& p, const QColor& colour, const QColor& dark) {
  QRadialGradient g(QPointF(38, 34), 60);
  g.setColorAt(0, colour.lighter(140));
  g.setColorAt(1, colour);
  p.setPen(QPen(dark, 4));
  p.setBrush(g);
  p.drawEllipse(QPointF(50, 50), 42, 42);
}

// --- Icons of the p11 group (100 × 100 design square) ---

void draw_check(QPainter& p) {
  outlined_polyline(p, QPolygonF({{16, 54}, {40, 78}, {86, 24}}), kGreen,
                    kDarkGreen, 13);
}

void draw_cross(QPainter& p) {
  outlined_lines(p, {QLineF(24, 24, 76, 76), QLineF(76, 24, 24, 76)}, kRed,
                 kDarkRed, 13);
}

void draw_plus(QPainter& p) {
  outlined_lines(p, {QLineF(50, 14, 50, 86), QLineF(14, 50, 86, 50)}, kGreen,
                 kDarkGreen, 14);
}

void draw_chart(QPainter& p) {
  const struct {
    double x, height;
    QColor colour;
  } kBars[] = {{18, 34, kBlue}, {37, 56, kOrange}, {56, 42, kGreen}, {75, 72, kRed}};
  p.setPen(QPen(kGrey.darker(130), 2));
  for (const auto& bar : kBars) {
    QLinearGradient g(bar.x, 0, bar.x + 15, 0);
    g.setColorAt(0, bar.colour.lighter(125));
    g.setColorAt(1, bar.colour);
    p.setBrush(g);
    p.drawRect(QRectF(bar.x, 86 - bar.height, 15, bar.height));
  }
  p.setPen(round_pen(kGrey.darker(150), 6));
  p.drawPolyline(QPolygonF({{8, 8}, {8, 90}, {94, 90}}));
}

void draw_export(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(round_pen(kGrey, 9));
  p.drawPolyline(QPolygonF({{14, 52}, {14, 88}, {86, 88}, {86, 52}}));
  outlined_lines(p, {QLineF(50, 70, 50, 26)}, kBlue, kDarkBlue, 12);
  p.setPen(QPen(kDarkBlue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF({{26, 36}, {50, 8}, {74, 36}}));
}

void draw_exit(QPainter& p) {
  // Door frame and the door itself, ajar.
  p.setPen(QPen(kGrey.darker(140), 4));
  p.setBrush(QColor(0xEE, 0xEE, 0xEE));
  p.drawRect(QRectF(12, 8, 46, 84));
  QLinearGradient wood(14, 0, 50, 0);
  wood.setColorAt(0, kBrown.lighter(130));
  wood.setColorAt(1, kBrown);
  p.setBrush(wood);
  p.setPen(QPen(kBrown.darker(160), 3));
  p.drawPolygon(QPolygonF({{14, 10}, {44, 18}, {44, 92}, {14, 90}}));
  p.setBrush(kYellow);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(37, 54), 4, 4);
  // The way out.
  outlined_lines(p, {QLineF(48, 50, 78, 50)}, kRed, kDarkRed, 11);
  p.setPen(QPen(kDarkRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kRed);
  p.drawPolygon(QPolygonF({{70, 30}, {96, 50}, {70, 70}}));
}

void draw_green_mark(QPainter& p) {
  ball(p, kGreen, kDarkGreen);
  p.setPen(round_pen(Qt::white, 12));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({{28, 52}, {44, 68}, {72, 34}}));
}

void draw_red_mark(QPainter& p) {
  ball(p, kRed, kDarkRed);
  p.setPen(round_pen(Qt::white, 12));
  p.drawLine(QLineF(33, 33, 67, 67));
  p.drawLine(QLineF(67, 33, 33, 67));
}

void draw_warning(QPainter& p) {
  QLinearGradient g(0, 10, 0, 90);
  g.setColorAt(0, kYellow.lighter(115));
  g.setColorAt(1, kOrange);
  p.setBrush(g);
  p.setPen(QPen(kOrange.darker(170), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(QPolygonF({{50, 8}, {94, 88}, {6, 88}}));
  p.setPen(round_pen(Qt::black, 10));
  p.drawLine(QLineF(50, 36, 50, 62));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(50, 76), 5.5, 5.5);
}

void draw_page(QPainter& p, const QRectF& r) {
  const double fold = r.width() * 0.3;
  p.setPen(QPen(kGrey, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({r.topLeft(), {r.right() - fold, r.top()},
                           {r.right(), r.top() + fold}, r.bottomRight(),
                           r.bottomLeft()}));
  p.setBrush(kLightGrey);
  p.drawPolygon(QPolygonF({{r.right() - fold, r.top()},
                           {r.right() - fold, r.top() + fold},
                           {r.right(), r.top() + fold}}));
  p.setPen(QPen(kLightGrey.darker(115), 4));
  for (double y = r.top() + fold + 8; y < r.bottom() - 8; y += 12) {
    p.drawLine(QLineF(r.left() + 9, y, r.right() - 12, y));
  }
}

void draw_file_name(QPainter& p) {
  draw_page(p, QRectF(10, 6, 58, 80));
  // Pencil across the page.
  p.save();
  p.translate(64, 60);
  p.rotate(45);
  p.setPen(QPen(kGrey.darker(160), 2.5));
  p.setBrush(kYellow);
  p.drawRect(QRectF(-8, -38, 16, 52));
  p.setBrush(QColor(0xF0, 0x9A, 0xB0));
  p.drawRect(QRectF(-8, -48, 16, 10));
  p.setBrush(QColor(0xF5, 0xDE, 0xB3));
  p.drawPolygon(QPolygonF({{-8, 14}, {8, 14}, {0, 32}}));
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF({{-3, 25}, {3, 25}, {0, 32}}));
  p.restore();
}

void draw_folder(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kDarkYellow, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kYellow.darker(108));
  p.drawPolygon(QPolygonF({r.topLeft(), {r.left() + r.width() * 0.38, r.top()},
                           {r.left() + r.width() * 0.48, r.top() + 10},
                           {r.right(), r.top() + 10}, r.bottomRight(),
                           r.bottomLeft()}));
  QLinearGradient g(0, r.top() + 18, 0, r.bottom());
  g.setColorAt(0, kYellow.lighter(120));
  g.setColorAt(1, kYellow);
  p.setBrush(g);
  p.drawRect(QRectF(r.left(), r.top() + 20, r.width(), r.height() - 20));
}

void draw_unpack(QPainter& p) {
  draw_folder(p, QRectF(8, 40, 84, 52));
  outlined_lines(p, {QLineF(50, 6, 50, 46)}, kGreen, kDarkGreen, 12);
  p.setPen(QPen(kDarkGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kGreen);
  p.drawPolygon(QPolygonF({{28, 40}, {72, 40}, {50, 66}}));
}

void draw_view(QPainter& p) {
  p.setPen(round_pen(kBrown.darker(130), 15));
  p.drawLine(QLineF(64, 64, 90, 90));
  QRadialGradient glass(QPointF(34, 32), 36);
  glass.setColorAt(0, Qt::white);
  glass.setColorAt(1, kLightBlue);
  p.setBrush(glass);
  p.setPen(QPen(kGrey.darker(130), 9));
  p.drawEllipse(QPointF(42, 42), 30, 30);
  p.setPen(round_pen(Qt::white, 6));
  p.drawArc(QRectF(24, 24, 36, 36), 100 * 16, 70 * 16);
}

// A neutral picture for an icon number that no screen names.
void draw_generic(QPainter& p) {
  QLinearGradient g(0, 14, 0, 86);
  g.setColorAt(0, kLightGrey.lighter(108));
  g.setColorAt(1, kLightGrey.darker(108));
  p.setBrush(g);
  p.setPen(QPen(kGrey, 4));
  p.drawRoundedRect(QRectF(14, 14, 72, 72), 16, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(kFrameBlue);
  p.drawEllipse(QPointF(50, 50), 13, 13);
}

QPixmap icon_picture(int index) {
  static const std::map<int, void (*)(QPainter&)> kIcons = {
      {icon::kAnalysis, draw_chart},      {icon::kFileName, draw_file_name},
      {icon::kExport, draw_export},       {icon::kActive, draw_green_mark},
      {icon::kInactive, draw_red_mark},   {icon::kNotRead, draw_warning},
      {icon::kExit, draw_exit},           {icon::kConfirm, draw_check},
      {icon::kCancel, draw_cross},        {icon::kCreate, draw_plus},
      {icon::kUnpack, draw_unpack},       {icon::kView, draw_view},
  };
  const auto it = kIcons.find(index);
  return paint_unit(kIconWidth, kIconHeight,
                    it != kIcons.end() ? it->second : draw_generic);
}

// --- Border pieces, button pictures, arrows, presets ---

// Piece i shows the part of one large rounded rectangle that falls in its
// square: corners show a rounded corner, edges a straight stretch of border,
// so that edges can be stretched along their length.
QPixmap border_piece(int index) {
  constexpr int s = kBorderPieceSide;
  constexpr int m = kBorderMargin;
  constexpr int big = 10 * s;
  const QRect kFrames[kBorderPieces] = {
      {m, m, big, big},                        // 0 top left
      {s - m - big, m, big, big},              // 1 top right
      {s - m - big, s - m - big, big, big},    // 2 bottom right
      {m, s - m - big, big, big},              // 3 bottom left
      {m, -big / 2, big, 2 * big},             // 4 left edge
      {-big / 2, m, 2 * big, big},             // 5 top edge
      {s - m - big, -big / 2, big, 2 * big},   // 6 right edge
      {-big / 2, s - m - big, 2 * big, big},   // 7 bottom edge
  };
  return paint(s, s, [&](QPainter& p) {
    p.setPen(QPen(kFrameBlue, kBorderPen));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(kFrames[index]).adjusted(kBorderPen / 2, kBorderPen / 2,
                                                      -kBorderPen / 2, -kBorderPen / 2),
                      kBorderRadius, kBorderRadius);
  });
}

void draw_button_face(QPainter& p) {
  const QRectF face(1.5, 1.5, kButtonSide - 3, kButtonSide - 3);
  QLinearGradient g(0, face.top(), 0, face.bottom());
  g.setColorAt(0, Qt::white);
  g.setColorAt(0.55, QColor(0xEE, 0xF3, 0xF8));
  g.setColorAt(1, QColor(0xD3, 0xDE, 0xEA));
  p.setBrush(g);
  p.setPen(QPen(QColor(0x7F, 0x93, 0xAB), 1.5));
  p.drawRoundedRect(face, 11, 11);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  p.drawLine(QLineF(face.left() + 10, face.top() + 2.5, face.right() - 10,
                    face.top() + 2.5));
}

QPixmap button_picture(int index) {
  if (index == kButtonBackground) return paint(kButtonSide, kButtonSide, draw_button_face);
  return paint(kButtonSide, kButtonSide, [](QPainter& p) {
    draw_button_face(p);
    p.translate(12, 12);
    p.scale(0.49, 0.49);
    draw_exit(p);
  });
}

QPixmap arrow_picture(Qt::ArrowType direction) {
  return paint_unit(kArrowSide, kArrowSide, [direction](QPainter& p) {
    ball(p, kBlue, kDarkBlue);
    p.setPen(round_pen(Qt::white, 13));
    p.setBrush(Qt::NoBrush);
    const QPolygonF right({{40, 26}, {64, 50}, {40, 74}});
    const QPolygonF left({{60, 26}, {36, 50}, {60, 74}});
    p.drawPolyline(direction == Qt::RightArrow ? right : left);
  });
}

QPixmap dialog_picture(int index) {
  return paint_unit(kDialogPictureSide, kDialogPictureSide, [index](QPainter& p) {
    // A speech bubble holding "i", "?" or "!".
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(6, 8, 88, 68), 20, 20);
    QPainterPath tail;
    tail.moveTo(24, 70);
    tail.lineTo(18, 94);
    tail.lineTo(46, 72);
    tail.closeSubpath();
    const QColor colour = index == 1 ? kOrange : kBlue;
    QLinearGradient g(0, 8, 0, 90);
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.darker(150), 3));
    p.setBrush(g);
    p.drawPath(bubble.united(tail));
    static const char* const kMarks[] = {"?", "!", "i"};
    p.setPen(Qt::white);
    p.setFont(bold_font(54));
    p.drawText(QRectF(6, 8, 88, 68), Qt::AlignCenter,
               QString::fromLatin1(kMarks[index]));
  });
}

// A calendar page with a red binding; the body tells the preset apart.
QPixmap preset_picture(int index) {
  return paint_unit(kPresetSide, kPresetSide, [index](QPainter& p) {
    p.setPen(QPen(kGrey, 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 10, 84, 82), 8, 8);
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(8, 10, 84, 22), 8, 8);
    p.setPen(round_pen(kGrey.darker(140), 6));
    p.drawLine(QLineF(30, 4, 30, 18));
    p.drawLine(QLineF(70, 4, 70, 18));
    p.setPen(Qt::NoPen);
    const auto cells = [&p](int columns, int rows, const QColor& colour,
                            int highlight_row) {
      const double w = 72.0 / columns, h = 48.0 / rows;
      for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
          p.setBrush(r == highlight_row ? kBlue : colour);
          p.drawRect(QRectF(14 + c * w + 1, 38 + r * h + 1, w - 2.5, h - 2.5));
        }
      }
    };
    switch (index) {
      case 0:  // a week
        cells(7, 4, kLightGrey, 2);
        break;
      case 1:  // one day
        p.setPen(kDarkBlue);
        p.setFont(bold_font(50));
        p.drawText(QRectF(8, 32, 84, 60), Qt::AlignCenter, QStringLiteral("1"));
        break;
      case 3:  // a month
        cells(7, 5, kLightBlue, -1);
        break;
      case 6:  // everything: a pile of years
        cells(3, 2, kOrange, -1);
        break;
      default:  // a year: twelve months
        cells(4, 3, kLightBlue, -1);
        break;
    }
  });
}

// The program's emblem: a cash register with its display and receipt.
QPixmap logo_picture() {
  return paint(kLogoWidth, kLogoHeight, [](QPainter& p) {
    // Receipt coming out of the top.
    p.setPen(QPen(kGrey, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(84, 6, 28, 34));
    p.setPen(QPen(kLightGrey.darker(130), 2));
    for (int y = 14; y < 36; y += 6) p.drawLine(QLineF(89, y, 107, y));
    // Display.
    p.setPen(QPen(kDarkBlue.darker(140), 2));
    p.setBrush(kDarkBlue);
    p.drawRoundedRect(QRectF(16, 16, 62, 30), 5, 5);
    p.setPen(QColor(0x7C, 0xFC, 0x9A));
    p.setFont(bold_font(17));
    p.drawText(QRectF(18, 16, 56, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("12,50"));
    // Body with its keypad.
    QLinearGradient body(0, 40, 0, 96);
    body.setColorAt(0, kFrameBlue.lighter(135));
    body.setColorAt(1, kFrameBlue);
    p.setPen(QPen(kDarkBlue, 2.5));
    p.setBrush(body);
    p.drawPolygon(QPolygonF({{14, 40}, {118, 40}, {126, 94}, {6, 94}}));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 6; ++c) {
        p.setBrush(c == 5 ? kOrange : QColor(0xF4, 0xF7, 0xFB));
        p.drawRoundedRect(QRectF(22 + c * 15 - r * 1.5, 48 + r * 14, 11, 9), 2, 2);
      }
    }
    // Cash drawer.
    p.setPen(QPen(kDarkBlue, 2.5));
    p.setBrush(kLightGrey);
    p.drawRoundedRect(QRectF(2, 94, 128, 16), 3, 3);
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(54, 99, 24, 5), 2, 2);
  });
}

// --- Pictures of the main menu (100 × 100 design square) ---

void draw_live(QPainter& p) {
  p.setPen(QPen(kGrey, 4));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(6, 10, 88, 80), 10, 10);
  QPainterPath area;
  const QPolygonF curve({{14, 74}, {26, 66}, {36, 44}, {46, 60}, {56, 30},
                         {68, 50}, {78, 38}, {86, 46}});
  area.addPolygon(curve);
  area.lineTo(86, 82);
  area.lineTo(14, 82);
  area.closeSubpath();
  QLinearGradient g(0, 30, 0, 82);
  g.setColorAt(0, QColor(0xF2, 0x8C, 0x28, 200));
  g.setColorAt(1, QColor(0xF2, 0x8C, 0x28, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(area);
  p.setBrush(Qt::NoBrush);
  p.setPen(round_pen(kOrange.darker(130), 5));
  p.drawPolyline(curve);
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawEllipse(QPointF(80, 22), 7, 7);
}

void draw_departments(QPainter& p) {
  const struct {
    int start, span;
    QColor colour;
  } kSlices[] = {{90, 130, kBlue}, {220, 80, kOrange}, {300, 100, kGreen},
                 {40, 50, kRed}};
  const QRectF pie(8, 8, 84, 84);
  p.setPen(QPen(Qt::white, 3));
  for (const auto& s : kSlices) {
    p.setBrush(s.colour);
    p.drawPie(s.start == 40 ? pie.translated(4, -4) : pie, s.start * 16, s.span * 16);
  }
}

void draw_payments(QPainter& p) {
  // A card...
  QLinearGradient card(0, 14, 0, 66);
  card.setColorAt(0, kBlue.lighter(120));
  card.setColorAt(1, kDarkBlue);
  p.setPen(QPen(kDarkBlue.darker(130), 3));
  p.setBrush(card);
  p.drawRoundedRect(QRectF(4, 14, 74, 50), 8, 8);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(QRectF(4, 24, 74, 9));
  p.setBrush(kYellow);
  p.drawRoundedRect(QRectF(14, 40, 14, 11), 2, 2);
  // ...and a pile of coins.
  for (int i = 0; i < 3; ++i) {
    const double y = 80 - i * 9;
    p.setPen(QPen(kDarkYellow, 3));
    p.setBrush(kYellow);
    p.drawEllipse(QRectF(52, y - 8, 42, 16));
  }
}

void draw_remote(QPainter& p) {
  const auto screen = [&p](double x, double y) {
    p.setPen(QPen(kDarkBlue, 3));
    p.setBrush(kFrameBlue);
    p.drawRoundedRect(QRectF(x, y, 36, 26), 4, 4);
    p.setBrush(QColor(0x7C, 0xFC, 0x9A));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(x + 5, y + 5, 26, 10));
    p.setPen(QPen(kDarkBlue, 3));
    p.setBrush(kLightGrey);
    p.drawRect(QRectF(x - 2, y + 26, 40, 8));
  };
  p.setPen(QPen(kGrey, 5, Qt::DashLine, Qt::RoundCap));
  p.drawLine(QLineF(28, 40, 72, 70));
  screen(6, 12);
  screen(58, 52);
}

void draw_updates(QPainter& p) {
  p.setPen(QPen(kBrown.darker(130), 3));
  p.setBrush(QColor(0xD9, 0xB0, 0x7A));
  p.drawRect(QRectF(24, 34, 52, 44));
  p.setBrush(QColor(0xC4, 0x95, 0x5C));
  p.drawRect(QRectF(24, 34, 52, 10));
  p.setPen(QPen(QColor(0xF5, 0xE6, 0xC8), 5));
  p.drawLine(QLineF(50, 36, 50, 76));
  p.setBrush(Qt::NoBrush);
  p.setPen(round_pen(kGreen, 7));
  p.drawArc(QRectF(6, 6, 88, 88), 30 * 16, 120 * 16);
  p.drawArc(QRectF(6, 6, 88, 88), 210 * 16, 120 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawPolygon(QPolygonF({{86, 18}, {92, 36}, {74, 34}}));
  p.drawPolygon(QPolygonF({{14, 82}, {8, 64}, {26, 66}}));
}

QPixmap menu_picture_of(int index) {
  static constexpr void (*kDraw[menu_picture::kCount])(QPainter&) = {
      draw_live, draw_departments, draw_payments, draw_remote, draw_updates};
  return paint_unit(kMenuPictureSide, kMenuPictureSide, kDraw[index]);
}

QPixmap draw_picture(std::string_view group, int index) {
  if (group == kMenuGroup && index >= 0 && index < menu_picture::kCount) {
    return menu_picture_of(index);
  }
  if (group == kBorderGroup && index >= 0 && index < kBorderPieces) {
    return border_piece(index);
  }
  if (group == kButtonGroup && (index == kButtonBackground || index == kExitPicture)) {
    return button_picture(index);
  }
  if (group == kIconGroup && index >= 0 && index < kIconCount) return icon_picture(index);
  if (group == kDialogPictureGroup && index >= 0 && index <= kDialogPicture) {
    return dialog_picture(index);
  }
  if (group == kNextGroup && index == 0) return arrow_picture(Qt::RightArrow);
  if (group == kPreviousGroup && index == 0) return arrow_picture(Qt::LeftArrow);
  if (group == kPresetGroup && index >= 0 && index < kPresetPictures) {
    return preset_picture(index);
  }
  if (group == kLogoGroup && index == 0) return logo_picture();
  return {};
}

}  // namespace

bool ImageLibrary::contains(std::string_view group, int index) const {
  return !picture(group, index).isNull();
}

QPixmap ImageLibrary::picture(std::string_view group, int index) const {
  const auto key = std::pair{std::string(group), index};
  if (const auto it = cache_.find(key); it != cache_.end()) return it->second;
  QPixmap pixmap = draw_picture(group, index);
  if (!pixmap.isNull()) cache_.emplace(key, pixmap);
  return pixmap;
}

const ImageLibrary& icc() {
  static const ImageLibrary library;
  return library;
}

}  // namespace mdc::shell
