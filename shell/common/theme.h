// The colour theme: when option switch 90 is on, each control whose tag is a
// number 1 to 10 takes its colours from the colour table.
#pragma once

#include <QString>
#include <QWidget>

#include "data/context.h"

namespace mdc::shell {

// The free tag text of a control, as a dynamic property.
inline constexpr char kTagProperty[] = "Tag";
void set_tag(QWidget& control, const QString& tag);
QString tag_of(const QWidget& control);

// Colour properties a control may have. A control that declares a
// Q_PROPERTY of that name (int, a Windows colour value) gets it set; plain
// widgets take BackColor and ForeColor in their palette; any other property
// a control lacks is skipped.
inline constexpr char kBackColor[] = "BackColor";
inline constexpr char kForeColor[] = "ForeColor";
inline constexpr char kFillColor[] = "FillColor";
inline constexpr char kBackColorFixed[] = "BackColorFixed";
inline constexpr char kForeColorFixed[] = "ForeColorFixed";

inline constexpr int kFirstBoxTag = 1;    // 1 to 7: background and text
inline constexpr int kLastBoxTag = 7;
inline constexpr int kFixedCellsTag = 8;  // a grid's fixed cells
inline constexpr int kLastTag = 10;       // 9 and 10: background and fill

// Applies the colour table to every control of the window, at any depth.
void apply_colour_theme(QWidget& window, const data::Context& ctx);

}  // namespace mdc::shell
