#include "shell/screens.h"

#include "monitors/ch_perio.h"
#include "shell/common/form97.h"

namespace mdc::shell {

// One line per screen:
//   screens.add(kLiveMonitorScreen, [](data::Context& ctx, QWidget* parent) {
//     return std::make_unique<monitors::monica>(ctx, parent); });
ScreenOpeners standard_screens() {
  ScreenOpeners screens;
  return screens;
}

ScreenOpeners preview_windows() {
  ScreenOpeners windows;
  windows.add("ch_perio", monitors::make_ch_perio);
  windows.add("form97_message", preview_form97_message);
  windows.add("form97_question", preview_form97_question);
  windows.add("form97_input", preview_form97_input);
  return windows;
}

}  // namespace mdc::shell
