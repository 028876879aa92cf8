#include "shell/common/ui_text.h"

#include "data/cp1252.h"

namespace mdc::shell {

QString from_cp1252(std::string_view cp1252) {
  return from_utf8(data::cp1252_to_utf8(cp1252));
}

std::string to_cp1252(const QString& text) {
  return data::utf8_to_cp1252(to_utf8(text));
}

QString from_utf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string to_utf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace mdc::shell
