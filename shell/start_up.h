// The start-up sequence that loads the settings every screen uses, and the
// one-shot start command left by the point-of-sale program.
#pragma once

#include <optional>
#include <string_view>

#include "data/context.h"

namespace mdc::shell {

// In this order: the start-up parameter file (made when its marker is
// missing) and its colour table; the register settings file, left open for
// the life of the process, with the amount format and the department names;
// the option switches.
void load_startup_settings(data::Context& ctx);

// The screen a start command opens: exact, case-sensitive, on the trimmed
// command; none for any other text.
std::optional<std::string_view> start_screen_of(std::string_view command);

}  // namespace mdc::shell
