#include "toolkit/qt_text.h"

#include "world/cp1252.h"

namespace qv {
namespace {

constexpr char16_t kLineFeedShown = 0x2028;  // QChar::LineSeparator
constexpr char16_t kCarriageReturnShown = 0x21B5;

}  // namespace

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

QString toLineText(const std::string& line) {
  QString out = toQString(line);
  for (QChar& c : out) {
    if (c == u'\n') c = kLineFeedShown;
    if (c == u'\r') c = kCarriageReturnShown;
  }
  return out;
}

std::string fromLineText(const QString& line) {
  std::string out = fromQString(line);
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] == kLineFeedShown) out[static_cast<std::size_t>(i)] = '\n';
    if (line[i] == kCarriageReturnShown) out[static_cast<std::size_t>(i)] = '\r';
  }
  return out;
}

}  // namespace qv
