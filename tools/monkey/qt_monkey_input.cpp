#include <QStringList>
#include <array>
#include <string>

#include "commands/compiler_words.h"
#include "monkey_input.h"
#include "terminal/command_words.h"
#include "toolkit/qt_text.h"

namespace qv::monkey {
namespace {

// Letters from outside Latin-1: Greek, Cyrillic, Hebrew, CJK, an emoji
// (two UTF-16 units), a combining accent and a right-to-left mark.
const QString kForeign = QStringLiteral(u"αβΩЖщאב漢字😀\u0301\u200F€Œ");

constexpr std::array<int, 24> kSpecialKeys{
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Escape, Qt::Key_Home,  Qt::Key_End,    Qt::Key_PageUp,    Qt::Key_PageDown,
    Qt::Key_F1,     Qt::Key_F2,    Qt::Key_F4,     Qt::Key_F5,        Qt::Key_F10,
    Qt::Key_F12,    Qt::Key_Space, Qt::Key_Insert, Qt::Key_Menu};

}  // namespace

Qt::MouseButton Input::mouseButton() {
  static constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::LeftButton,  Qt::LeftButton,
                                                 Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  return kButtons[below(6)];
}

Qt::KeyboardModifiers Input::modifiers() {
  if (below(4) != 0) return Qt::NoModifier;
  Qt::KeyboardModifiers result;
  if (below(2)) result |= Qt::ShiftModifier;
  if (below(3) == 0) result |= Qt::ControlModifier;
  if (below(3) == 0) result |= Qt::AltModifier;
  if (below(8) == 0) result |= Qt::MetaModifier;
  return result;
}

Key Input::key() {
  const Qt::KeyboardModifiers mods = modifiers();
  switch (below(4)) {
    case 0:
    case 1: {
      const char16_t c = static_cast<char16_t>(0x20 + below(0xE0));  // Latin-1, printable
      const QString text(QChar{c});
      return {QChar(c).toUpper().unicode(), mods, text};
    }
    case 2: {
      const QChar c = kForeign.at(below(kForeign.size()));
      return {Qt::Key_unknown, mods, QString(c)};
    }
    default:
      return {kSpecialKeys[static_cast<std::size_t>(below(kSpecialKeys.size()))], mods, {}};
  }
}

QString Input::someText(int maxLength) {
  QString text;
  const int length = below(maxLength + 1);
  for (int i = 0; i < length; ++i) {
    if (below(6) == 0) {
      text += kForeign.at(below(kForeign.size()));
    } else {
      text += QChar(static_cast<char16_t>(0x20 + below(0xE0)));
    }
  }
  return text;
}

QString Input::argumentFor(const World& world) {
  const server& host = world.servers[below(kServerCount) + 1];
  switch (below(8)) {
    case 0:
      return QString::number(host.phone);
    case 1:
      return toQString(host.ip.str());
    case 2:
      return toQString(host.files[below(kServerFileSlots) + 1].name);
    case 3:
      return toQString(world.player.harddrive[below(kHarddriveSlots) + 1].name);
    case 4:
      return toQString(host.users[below(kUserSlots) + 1].nickname);
    case 5: {
      static const char* const kNumbers[] = {"0",         "-1",   "2147483647", "2147483648",
                                             "$7FFFFFFF", "0x10", "12ab",       "99999999999"};
      return QString::fromLatin1(kNumbers[below(8)]);
    }
    default:
      return someText(60);
  }
}

QString Input::mutated(QString line) {
  const int changes = below(3) == 0 ? below(4) + 1 : 0;
  for (int i = 0; i < changes && !line.isEmpty(); ++i) {
    const int at = below(line.size());
    switch (below(4)) {
      case 0:
        line.remove(at, 1);
        break;
      case 1:
        line.insert(at, someText(3));
        break;
      case 2:
        line[at] = line[at].isUpper() ? line[at].toLower() : line[at].toUpper();
        break;
      default:
        line += line.mid(at);
    }
  }
  return line;
}

QString Input::commandLine(const World& world) {
  static const std::vector<std::string_view> literals = interpreterLiterals();
  const std::string_view literal = literals[static_cast<std::size_t>(below(literals.size()))];
  QString line = QString::fromLatin1(literal.data(), static_cast<qsizetype>(literal.size()));
  if (below(2)) line += QStringLiteral(" ") + argumentFor(world);
  return mutated(line);
}

QString Input::keywordLine() {
  static const std::vector<std::string_view> words = compilerKeywords();
  if (below(10) == 0) return someText(20);
  const std::string_view word = words[static_cast<std::size_t>(below(words.size()))];
  QString line = QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
  if (below(3) == 0) line += QStringLiteral(" ") + QString::number(below(120) - 10);
  return mutated(line);
}

QString Input::pastedText() {
  QStringList lines;
  const int count = below(6) + 2;
  for (int i = 0; i < count; ++i) {
    switch (below(3)) {
      case 0:
        lines << keywordLine();
        break;
      case 1:
        lines << QStringLiteral("//") + someText(12);
        break;
      default:
        lines << someText(80);
    }
  }
  return lines.join(below(2) ? QStringLiteral("\n") : QStringLiteral("\r\n"));
}

}  // namespace qv::monkey
