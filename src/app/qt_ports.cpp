#include "app/qt_ports.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTimer>
#include <chrono>
#include <tuple>
#include <utility>
#include <vector>

#include "app/qt_aside.h"
#include "app/qt_main_menu.h"
#include "commands/qt_compiler_window.h"
#include "missions/qt_mission_dialog.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_announcer.h"
#include "toolkit/qt_look.h"
#include "toolkit/qt_paths.h"

namespace qv {

void RealPace::sleep(int milliseconds) {
  const auto now = std::chrono::steady_clock::now();
  const auto interval = std::chrono::milliseconds(milliseconds);
  // Less work than one interval since the last wake is absorbed; after a
  // longer gap the sleep starts afresh.
  const bool onBeat = lastWake_ && now - *lastWake_ < interval;
  const auto wake = (onBeat ? *lastWake_ : now) + interval;
  sleepAnsweringScreenReader(wake);
  lastWake_ = wake;
}

std::int64_t RealPace::timeOfDayMs() {
  using namespace std::chrono;
  const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
  constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;
  return sinceEpoch.count() % kDayMs;
}

void QtTimers::bind(TimerId id, QTimer* timer) {
  timers_[static_cast<std::size_t>(id)] = timer;
}

void QtTimers::setEnabled(TimerId id, bool enabled) {
  QTimer* timer = timers_[static_cast<std::size_t>(id)];
  if (!timer) return;
  if (!enabled) {
    timer->stop();
  } else if (!timer->isActive()) {
    timer->start();
  }
}

bool QtTimers::isEnabled(TimerId id) const {
  const QTimer* timer = timers_[static_cast<std::size_t>(id)];
  return timer && timer->isActive();
}

void showWindow(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

void QtWindows::attach(TForm1* menu, TForm2* game, TForm3* compiler, TForm5* status) {
  menu_ = menu;
  game_ = game;
  compiler_ = compiler;
  status_ = status;
}

void QtWindows::hideGameWindow() {
  game_->hide();
}

void QtWindows::showMainMenu() {
  showWindow(*menu_);
}

void QtWindows::repaintGameWindow() {
  game_->repaint();
}

namespace {

// The game's data folder, found from where the program runs: installed, it
// is QV_DATA_FROM_BINARY away from the program (/usr/games/quorvexer reads
// /usr/share/games/quorvexer); in a build tree it is staged under the
// program's own folder.
QString gameDataFolder() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  for (const char* relative : {QV_DATA_FROM_BINARY, QV_DATA_IN_BUILD_TREE}) {
    const QString folder = QDir::cleanPath(programFolder + u'/' + QString::fromUtf8(relative));
    if (QFileInfo(folder).isDir()) return folder;
  }
  return {};
}

// The sample missions' folder, or nothing when the game's data is missing.
QString sampleMissionFolder() {
  const QString data = gameDataFolder();
  const QString folder = data + QStringLiteral("/missions");
  if (data.isEmpty() || !QFileInfo(folder).isDir()) return {};
  return folder;
}

std::vector<MissionDialog::Place> placesBeside(const QString& lastFolder) {
  std::vector<MissionDialog::Place> places;
  const QString samples = sampleMissionFolder();
  if (!samples.isEmpty()) places.push_back({QStringLiteral("Sample missions"), samples});
  if (!lastFolder.isEmpty() && lastFolder != samples) {
    places.push_back({QStringLiteral("Last mission's folder"), lastFolder});
  }
  places.push_back({QStringLiteral("Home folder"), QDir::homePath()});
  places.push_back({QStringLiteral("Root folder"), QStringLiteral("/")});
  return places;
}

QFileInfo fileInfo(const std::string& path) {
  return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path)));
}

std::pair<QString, QString> folderAndName(const std::string& path) {
  const QFileInfo info = fileInfo(path);
  return {info.absolutePath(), info.fileName()};
}

// When the mission dialog closes, the keyboard goes to the game window's
// input line. Not back to whatever had it: after a failed start's error box
// nothing may have, and without a window manager nobody else gives it.
struct KeyboardBackToGame {
  TForm2* game;
  ~KeyboardBackToGame() {
    if (!game->isVisible() || !game->Memo1) return;
    game->activateWindow();
    game->Memo1->setFocus(Qt::OtherFocusReason);
  }
};

}  // namespace

void QtWindows::rememberMission(const std::string& path) {
  if (fileInfo(path).isFile()) lastMission_ = path;
}

// The dialog opens where missions are: on the mission named on the command
// line, else on the last mission file read or written in this run, else in
// the sample missions with the first of them chosen. Return takes it.
std::optional<std::string> QtWindows::askMissionFile() {
  const std::optional<std::string> offered = std::exchange(offeredMission_, std::nullopt);
  const std::optional<std::string> start = offered ? offered : lastMission_;
  QString folder = sampleMissionFolder();
  QString file;
  if (start) std::tie(folder, file) = folderAndName(*start);
  if (folder.isEmpty()) folder = QDir::homePath();
  const QString lastFolder = lastMission_ ? folderAndName(*lastMission_).first : QString();
  MissionDialog dialog(game_, folder, file, placesBeside(lastFolder));
  keepOnScreen(&dialog);
  const KeyboardBackToGame keyboardBack{game_};
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QString chosen = dialog.chosenPath();
  if (chosen.isEmpty()) return std::nullopt;
  // A path, not a world text: it goes to the file system in its own encoding.
  std::string path = nativePath(chosen, start);
  rememberMission(path);
  return path;
}

void QtWindows::showCompilerWindow() {
  compiler_->show();
  compiler_->raise();
  focusForScreenReader(compiler_->Console);
}

bool QtWindows::statusWindowVisible() const {
  return status_->isVisible();
}

void QtWindows::setStatusWindowVisible(bool visible) {
  if (visible) {
    showAside(*status_);
  } else {
    status_->hide();
  }
}

// The panels' own state: they count as shown while the game window is hidden.
bool QtWindows::logPanelsVisible() const {
  game_->buildContent();
  return !game_->Memo2->isHidden();
}

void QtWindows::setLogPanelsVisible(bool visible) {
  game_->buildContent();
  game_->Memo2->setVisible(visible);
  game_->Memo3->setVisible(visible);
}

void QtWindows::beep() {
  QApplication::beep();
}

}  // namespace qv
