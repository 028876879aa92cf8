// Every window of the program by name: the screens the menu and the start
// command open, and the windows that screens open themselves (dialogs, the
// period chooser), which the snapshot tool also takes.
#pragma once

#include "shell/screen_openers.h"

namespace mdc::shell {

// The menu's screens, under the names of screen_openers.h.
ScreenOpeners standard_screens();

// Windows opened by the screens, each in the states worth seeing.
ScreenOpeners preview_windows();

}  // namespace mdc::shell
