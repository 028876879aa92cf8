#include "shell/common/theme.h"

#include <QMetaProperty>

#include "data/numbers.h"
#include "data/settings.h"
#include "platform/qt/screen_units.h"
#include "shell/common/ui_text.h"

namespace mdc::shell {
namespace {

bool has_declared_property(const QWidget& control, const char* name) {
  return control.metaObject()->indexOfProperty(name) >= 0;
}

void set_palette_colour(QWidget& control, std::initializer_list<QPalette::ColorRole> roles,
                        std::int32_t windows_colour) {
  QPalette palette = control.palette();
  const QColor colour = platform::windows_colour(windows_colour);
  for (QPalette::ColorRole role : roles) palette.setColor(role, colour);
  control.setPalette(palette);
}

void set_back_colour(QWidget& control, std::int32_t colour) {
  if (has_declared_property(control, kBackColor)) {
    control.setProperty(kBackColor, colour);
    return;
  }
  set_palette_colour(control, {QPalette::Window, QPalette::Base}, colour);
  control.setAutoFillBackground(true);
}

void set_fore_colour(QWidget& control, std::int32_t colour) {
  if (has_declared_property(control, kForeColor)) {
    control.setProperty(kForeColor, colour);
    return;
  }
  set_palette_colour(control, {QPalette::WindowText, QPalette::Text}, colour);
}

// Only controls that declare it have this property; others skip it.
void set_declared(QWidget& control, const char* name, std::int32_t colour) {
  if (has_declared_property(control, name)) control.setProperty(name, colour);
}

void apply_to(QWidget& control, const data::ColourTable& colours) {
  const int t = data::to_int16(data::parse_number(to_utf8(tag_of(control))));
  if (t <= 0 || t > kLastTag || colours.foreground[t] == data::kColourNotSet) return;
  if (t >= kFirstBoxTag && t <= kLastBoxTag) {
    set_back_colour(control, colours.background[t]);
    set_fore_colour(control, colours.foreground[t]);
  } else if (t == kFixedCellsTag) {
    set_declared(control, kBackColorFixed, colours.background[t]);
    set_declared(control, kForeColorFixed, colours.foreground[t]);
  } else {
    set_back_colour(control, colours.background[t]);
    set_declared(control, kFillColor, colours.background[t]);
  }
}

}  // namespace

void set_tag(QWidget& control, const QString& tag) {
  control.setProperty(kTagProperty, tag);
}

QString tag_of(const QWidget& control) {
  return control.property(kTagProperty).toString();
}

void apply_colour_theme(QWidget& window, const data::Context& ctx) {
  if (data::switch_value(ctx, data::kColourThemeSwitch) == 0) return;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    apply_to(*control, ctx.settings().colours);
  }
}

}  // namespace mdc::shell
