#include <gtest/gtest.h>

#include <QStringList>

#include "toolkit/qt_guard.h"
#include "toolkit/qt_text.h"
#include "world/game_error.h"

namespace qv {
namespace {

TEST(QtText, Cp1252CrossesToUnicodeAndBack) {
  const std::string bytes = "Caf\xE9 \x80 \x9A";
  const QString text = toQString(bytes);
  EXPECT_EQ(text, QString::fromUtf8("Café € š"));
  EXPECT_EQ(fromQString(text), bytes);
}

TEST(Guard, AnErrorBecomesOneBoxWithAFullStop) {
  QStringList boxes;
  setErrorBoxHook([&](const QString& text) { boxes << text; });
  guard([] { throw GameError("'12ab' is not a valid integer value"); });
  guard([] {});
  setErrorBoxHook(nullptr);
  EXPECT_EQ(boxes, QStringList{"'12ab' is not a valid integer value."});
}

}  // namespace
}  // namespace qv
