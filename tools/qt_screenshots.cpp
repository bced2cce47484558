// Renders pictures of the five windows from a scripted game, for the README:
//
//   quorvexer_screenshots <output folder> <mission file>
//
// The program runs on the offscreen platform on a virtual clock that starts
// at 12:34:56.789 and moves only when the game sleeps, so typing takes no
// real time and every run plays, and draws, the same game. The windows'
// timers are slowed to a day and ticked by hand in a fixed order instead.

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/qt_application.h"
#include "app/qt_main_menu.h"
#include "app/qt_ports.h"
#include "app/qt_shell.h"
#include "commands/chatroom.h"
#include "commands/compiler.h"
#include "commands/qt_compiler_window.h"
#include "missions/mission_file.h"
#include "missions/qt_editor_window.h"
#include "sim/population.h"
#include "sim/programs.h"
#include "sim/qt_status_window.h"
#include "sim/status.h"
#include "sim/userfiles.h"
#include "terminal/qt_game_window.h"

namespace {

constexpr std::int64_t kStartOfDayMs = ((12 * 60 + 34) * 60 + 56) * 1000 + 789;
constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;
constexpr int kNeverMs = 24 * 60 * 60 * 1000;

class VirtualPace : public qv::Pace {
 public:
  void sleep(int milliseconds) override { now_ = (now_ + milliseconds) % kDayMs; }
  // Virtual time has no beat to keep.
  void startBeat() override {}
  std::int64_t timeOfDayMs() override { return now_; }

 private:
  std::int64_t now_ = kStartOfDayMs;
};

class Screenshots {
 public:
  Screenshots(QString folder, QString mission)
      : folder_(std::move(folder)), mission_(QFileInfo(mission).absoluteFilePath()) {}

  bool run() {
    slowTimers();
    shell_.start();
    save(shell_.form1(), "menu");
    shell_.form1().CommandsBtnClick();
    save(shell_.form1(), "menu-help");
    shell_.form1().DoneBtnClick();
    if (!startGame()) return false;
    playScript();
    save(shell_.form2(), "game");
    save(shell_.form3(), "compiler");
    save(shell_.form5(), "status");
    showMissionInEditor();
    save(shell_.form4(), "editor");
    return ok_;
  }

 private:
  // The game still switches its timers on and off; they just never fire.
  void slowTimers() {
    qv::TForm2& game = shell_.form2();
    for (QTimer* timer : {game.JumpTimer, game.ChatTimer, game.Userfiletimer, game.attacktimer,
                          shell_.form3().CodeTimer, shell_.form5().InfoTimer}) {
      timer->setInterval(kNeverMs);
    }
  }

  // Clicks NEW GAME and picks the mission in the game's file dialog.
  bool startGame() {
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* name = modal ? modal->findChild<QLineEdit*>("fileNameEdit") : nullptr) {
        name->setText(mission_);
        static_cast<QDialog*>(modal)->accept();
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(box->text()));
        ok_ = false;
        box->close();
      }
    });
    answer.start();
    shell_.form1().NewGameBtn->click();
    QElapsedTimer clock;
    clock.start();
    while (!shell_.game().activated && clock.elapsed() < 10'000) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    if (!shell_.game().activated) std::fprintf(stderr, "screenshots: the game did not start\n");
    return ok_ && shell_.game().activated;
  }

  void playScript() {
    qv::Game& game = shell_.game();
    enter("//chatroom");
    for (int tick = 0; tick < 8; ++tick) ChatTimerTimer(game);
    const auto& target = game.world.servers[targetServer()];
    enter("//dial " + std::to_string(target.phone));
    tickPopulation(3);
    enter("//whois");
    enter("//ls");
    enter("//create virus deleter");
    for (int tick = 0; tick < 100'000 && game.codeticks > 0; ++tick) CodeTimerTimer(game);
    tickPopulation(3);
    enter("//logfile");
    enter("//Timers");
    InfoTimerTimer(game);
  }

  int targetServer() {
    const int target = shell_.game().world.mission.targetindex;
    return target >= 1 && target <= qv::kServerCount ? target : 1;
  }

  void tickPopulation(int seconds) {
    qv::Game& game = shell_.game();
    for (int second = 0; second < seconds; ++second) {
      JumpTimerTimer(game);
      UserfiletimerTimer(game);
      attacktimerTimer(game);
    }
  }

  // Types a line into the input area and presses Return, as a player would.
  void enter(const std::string& line) {
    QPlainTextEdit* input = shell_.form2().Memo1;
    input->moveCursor(QTextCursor::End);
    input->insertPlainText(QString::fromLatin1(line.c_str()));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(input, &press);
  }

  void showMissionInEditor() {
    qv::TForm4& editor = shell_.form4();
    qv::EditorMission mission;
    qv::readMissionIntoEditor(mission, qv::loadMissionBytes(QFile::encodeName(mission_).data()));
    editor.showMission(mission);
    qv::showWindow(editor);
  }

  void save(QWidget& window, const char* name) {
    window.show();  // fonts of a window are loaded when it is first shown
    QApplication::processEvents();
    const QString path = QDir(folder_).filePath(QString::fromLatin1(name) + ".png");
    // Palette pictures keep the files small; the text windows have fewer
    // than 256 colours and lose nothing.
    const QImage picture = window.grab().toImage().convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!picture.save(path, "PNG", 0)) {
      std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
      ok_ = false;
      return;
    }
    std::printf("%s\n", qPrintable(path));
  }

  QString folder_;
  QString mission_;
  VirtualPace pace_;
  qv::Shell shell_{qv::ShellOptions{&pace_, [] {}}};
  bool ok_ = true;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output folder> <mission file>\n", argv[0]);
    return 2;
  }
  // A 1920 x 1080 screen holds every window at its drawn place; the
  // platform's own is smaller, and the windows would move and shrink.
  const std::string screen = "/tmp/quorvexer-screenshots-" + std::to_string(getpid()) + ".json";
  if (std::FILE* file = std::fopen(screen.c_str(), "w")) {
    std::fputs(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920,)"
               R"( "height": 1080, "logicalDpi": 96, "dpr": 1}]})",
               file);
    std::fclose(file);
  }
  setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).c_str(), 1);
  qv::Application app(argc, argv);
  std::remove(screen.c_str());
  try {
    Screenshots screenshots(QFile::decodeName(argv[1]), QFile::decodeName(argv[2]));
    return screenshots.run() ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "screenshots: %s\n", e.what());
    return 1;
  }
}
