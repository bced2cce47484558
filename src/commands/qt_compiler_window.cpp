#include "commands/qt_compiler_window.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "commands/compiler.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_keys.h"
#include "toolkit/qt_look.h"
#include "toolkit/qt_text_area.h"
#include "toolkit/qt_timers.h"
#include "world/game.h"

namespace qv {

TForm3::TForm3(Game& game) : game_(game) {
  setWindowTitle(QStringLiteral("COMPILER..."));
  setFont(sansFont(11));
  placeWindow(this, {8, 508}, {402, 486}, kSizeableFrame);
  CodeTimer = makeTimer(this, 30, [this] { CodeTimerTimer(game_); });
}

void TForm3::createContent() {
  Console = new TextArea(this);
  styleTextArea(Console, {});
  Console->setAccessibleName(QStringLiteral("Compiler console"));
  Console->setAccessibleDescription(
      QStringLiteral("Program code as it is compiled; keyword lines end with :end"));
  Console->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Console);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Console && event->type() == QEvent::KeyPress) {
    // The game reads the last line before Return starts a new one.
    const int key = keyDownCode(*static_cast<QKeyEvent*>(event));
    guard([&] { compilerConsoleKeyDown(game_, key); });
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qv
