#include "platform/qt/regional.h"

#include <QLocale>
#include <QtGlobal>

namespace mdc::platform {

char regional_decimal_separator() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() != 1 || point.at(0).unicode() > 0x7F) return '.';
  return static_cast<char>(point.at(0).unicode());
}

bool display_available() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  return true;
#else
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}

}  // namespace mdc::platform
