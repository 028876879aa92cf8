// Every screen of the program, registered for the menu, the start command
// and the snapshot tool.
#pragma once

#include "shell/screen_openers.h"

namespace mdc::shell {

ScreenOpeners standard_screens();

}  // namespace mdc::shell
