// The screens the menu and the start command can open, by name. Each screen
// registers one factory (shell/screens.cpp); a name without a factory opens
// nothing.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/context.h"

namespace mdc::shell {

inline constexpr std::string_view kLiveMonitorScreen = "monica";
inline constexpr std::string_view kPeriodMonitorScreen = "monica2";
inline constexpr std::string_view kPaymentMonitorScreen = "monica4";
inline constexpr std::string_view kRemoteRegisterScreen = "postdist";
inline constexpr std::string_view kUpdateStatusScreen = "mpdist";

// Makes a screen, loaded and ready to show; its loading runs in the factory
// or when it is first shown, as the screen chooses.
using ScreenFactory =
    std::function<std::unique_ptr<QWidget>(data::Context& ctx, QWidget* parent)>;

class ScreenOpeners {
 public:
  void add(std::string_view name, ScreenFactory factory);
  bool has(std::string_view name) const;
  // A fresh screen, or null when no screen of that name exists.
  std::unique_ptr<QWidget> make(std::string_view name, data::Context& ctx,
                                QWidget* parent) const;
  // Names of the registered screens, in name order.
  std::vector<std::string> names() const;

 private:
  std::map<std::string, ScreenFactory, std::less<>> factories_;
};

// Shows the screen modally and returns once it has been closed or hidden.
void run_modal(QWidget& screen);

}  // namespace mdc::shell
