#include "shell/screens.h"

namespace mdc::shell {

// One line per screen:
//   screens.add(kLiveMonitorScreen, [](data::Context& ctx, QWidget* parent) {
//     return std::make_unique<monitors::monica>(ctx, parent); });
ScreenOpeners standard_screens() {
  ScreenOpeners screens;
  return screens;
}

}  // namespace mdc::shell
