#include "app/qt_ports.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <utility>

#include "app/qt_aside.h"
#include "app/qt_main_menu.h"
#include "commands/qt_compiler_window.h"
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

// The sample missions, offered as a shortcut in the dialog's side bar: the
// dialog itself opens at the root folder.
QList<QUrl> sampleMissionFolders() {
  const QString data = gameDataFolder();
  const QString folder = data + QStringLiteral("/missions");
  if (data.isEmpty() || !QFileInfo(folder).isDir()) return {};
  return {QUrl::fromLocalFile(folder)};
}

// The side bar keeps the player's own shortcuts and one sample-missions
// folder, this program's. Qt remembers the side bar between runs, so without
// this the folders of another build or of an older install layout would pile
// up beside it.
QList<QUrl> withSampleMissions(QList<QUrl> shortcuts) {
  shortcuts.removeIf([](const QUrl& url) {
    const QString folder = url.toLocalFile();
    return folder.endsWith(QStringLiteral("/share/quorvexer/missions")) ||
           folder.endsWith(QStringLiteral("/share/games/quorvexer/missions"));
  });
  return shortcuts + sampleMissionFolders();
}

// A mission named on the command line: the dialog opens in its folder with
// the file selected, so Return takes it.
void preselect(QFileDialog& dialog, const std::string& path) {
  const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(path)));
  dialog.setDirectory(file.absolutePath());
  dialog.selectFile(file.fileName());
}

}  // namespace

std::optional<std::string> QtWindows::askMissionFile() {
  QFileDialog dialog(game_, QStringLiteral("Open"), QStringLiteral("/"),
                     QStringLiteral("Quorvexer Mission (*qmf)"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);  // shows "Quorvexer Mission"
  dialog.setSidebarUrls(withSampleMissions(dialog.sidebarUrls()));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // the file need not exist
  dialog.setDefaultSuffix(QStringLiteral("qmf"));
  keepOnScreen(&dialog);
  const std::optional<std::string> offered = std::exchange(offeredMission_, std::nullopt);
  if (offered) preselect(dialog, *offered);
  const FocusReturn focusBack;
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  // A path, not a world text: it goes to the file system in its own encoding.
  return nativePath(chosen.front(), offered);
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
