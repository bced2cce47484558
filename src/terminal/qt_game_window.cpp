#include "terminal/qt_game_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include "commands/chatroom.h"
#include "missions/lifecycle.h"
#include "sim/population.h"
#include "sim/programs.h"
#include "sim/userfiles.h"
#include "terminal/interpreter.h"
#include "toolkit/qt_announcer.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_keys.h"
#include "toolkit/qt_look.h"
#include "toolkit/qt_text_area.h"
#include "toolkit/qt_text_pane.h"
#include "toolkit/qt_timers.h"
#include "world/game.h"
#include "world/speech_pacing.h"

namespace qv {
namespace {

QPlainTextEdit* makeLogPanel(QWidget* parent, const QRect& geometry, const QString& firstLine,
                             const QString& spokenName) {
  auto* panel = new TextArea(parent);
  panel->setAccessibleName(spokenName);
  styleTextArea(panel, {.font = sansFont(11)});
  panel->setGeometry(geometry);
  panel->setPlainText(firstLine);
  // A long game writes a line a second; keep only the newest.
  panel->setMaximumBlockCount(kLogPanelMaxLines);
  panel->hide();
  return panel;
}

// The comings and goings on the player's server give way like the chat
// room's talk; of the lines that could not be said, the newest that names a
// file of the player's, the mission's file or its target server is kept.
Chatter::KeepRule namesWhatThePlayerWatches(const World& world) {
  std::vector<std::string> names = {world.mission.filename, world.mission.targetserver};
  for (const Afile& file : world.player.harddrive) names.push_back(file.name);
  return [names = std::move(names)](const std::string& line) { return namesOneOf(line, names); };
}

}  // namespace

TForm2::TForm2(Game& game) : game_(game) {
  // No system menu and no title-bar buttons: the game is left by a command.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("RELAY://terminus/172.16.40.9/Hub~/"));
  placeWindow(this, {409, 508}, {873, 486}, kSizeableFrame);
  createTimers();
  guard([this] { FormCreate(game_); });
}

void TForm2::createContent() {
  console = new TextArea(this);
  styleTextArea(console, {.verticalScrollBar = true, .readOnly = true});
  console->setAccessibleName(QStringLiteral("Console"));
  console->setAccessibleDescription(QStringLiteral("Everything the game says, newest line last"));
  Memo1 = new TextArea(this);
  styleTextArea(Memo1, {.verticalScrollBar = true});
  Memo1->setAccessibleName(QStringLiteral("Command line"));
  Memo1->setAccessibleDescription(
      QStringLiteral("Type a command starting with // and press Return"));
  // The panels lie over the right-hand part of the console.
  Memo2 = makeLogPanel(this, {696, 0, 153, 185}, QStringLiteral("Memo2"),
                       QStringLiteral("Population log"));
  Memo3 = makeLogPanel(this, {696, 184, 153, 249}, QStringLiteral("Memo3"),
                       QStringLiteral("File activity log"));
  layoutTextAreas();
  for (QPlainTextEdit* area : {console, Memo1}) area->installEventFilter(this);
  // The player types straight away.
  Memo1->setFocus();
}

void TForm2::createTimers() {
  JumpTimer = makeTimer(this, 999, [this] {
    const Chatter serverActivity(namesWhatThePlayerWatches(game_.world));
    JumpTimerTimer(game_);
  });
  ChatTimer = makeTimer(this, 1001, [this] {
    const Chatter chatter;
    ChatTimerTimer(game_);
  });
  Userfiletimer = makeTimer(this, 1000, [this] {
    const Chatter serverActivity(namesWhatThePlayerWatches(game_.world));
    UserfiletimerTimer(game_);
  });
  attacktimer = makeTimer(this, 1000, [this] { attacktimerTimer(game_); });
  attacktimer->start();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == console || watched == Memo1)) {
    // The game reads the input line before the key takes its effect; the
    // key then goes on as usual (a new line in the input area).
    const int key = keyDownCode(*static_cast<QKeyEvent*>(event));
    guard([&] { consoleKeyDown(game_, key, rawLines(*Memo1)); });
  }
  return QWidget::eventFilter(watched, event);
}

void TForm2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutTextAreas();
}

void TForm2::layoutTextAreas() {
  if (!console) return;
  console->setGeometry(0, 0, width(), height() - kInputHeight);
  Memo1->setGeometry(0, height() - kInputHeight, width(), kInputHeight);
}

void TForm2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (onShown) onShown();
}

void TForm2::closeEvent(QCloseEvent* event) {
  // The game's close handler hides the window and shows the menu itself.
  event->ignore();
  guard([this] { FormClose(game_); });
}

}  // namespace qv
