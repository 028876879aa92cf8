// What the program asks of the system's regional settings and display.
#pragma once

namespace mdc::platform {

// The decimal separator of the system's regional settings, used to show
// amounts: "," under French settings. A separator that is not a single
// Latin-1 character gives ".".
char regional_decimal_separator();

// True when a display is there to show windows. On systems whose windows
// need a display server, that is when one is named in the environment (or
// a Qt platform plugin is chosen); call it before making the application.
bool display_available();

}  // namespace mdc::platform
