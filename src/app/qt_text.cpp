#include "app/qt_text.h"

#include "world/cp1252.h"

namespace qv {

QString toQString(const std::string& text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) {
    out.append(QChar(static_cast<char16_t>(cp1252::toUnicode(static_cast<unsigned char>(c)))));
  }
  return out;
}

std::string fromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) out.push_back(cp1252::fromUnicode(c.unicode()));
  return out;
}

}  // namespace qv
