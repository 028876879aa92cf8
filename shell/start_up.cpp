#include "shell/start_up.h"

#include "data/settings.h"
#include "shell/screen_openers.h"

namespace mdc::shell {

void load_startup_settings(data::Context& ctx) {
  data::ensure_parameter_file(ctx);
  data::load_colour_table(ctx);
  data::open_register_settings(ctx);
  data::load_amount_format(ctx);
  data::load_department_names(ctx);
  data::load_switches(ctx);
}

std::optional<std::string_view> start_screen_of(std::string_view command) {
  if (command == data::kStartLiveMonitor) return kLiveMonitorScreen;
  if (command == data::kStartRemoteRegister) return kRemoteRegisterScreen;
  return std::nullopt;
}

}  // namespace mdc::shell
