// Start-up cost of the game: the time from launching the program to the first
// complete frame of the main menu (the window and every visible child painted
// once and the frame handed to the screen), and the peak resident memory at
// that moment. Three programs run side by side, as child processes of this
// one on the offscreen platform, alternately:
//
//   game                the real start-up: the five windows, the world's
//                       tables, the menu painted;
//   empty window        the same application object with one plain window of
//                       the menu's size (it draws no text, so it never loads
//                       a font);
//   same-content floor  one plain window with the menu's five captioned
//                       buttons in the same faces and sizes and a 650 x 346
//                       picture drawn stretched (made in memory, not decoded).
//
// Then each part of the game's own work is timed on its own, to show where the
// time beyond the floors goes.
//
//   build/dev/bench/qt_startup_bench [rounds]

#include <sys/resource.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt_application.h"
#include "app/qt_main_menu.h"
#include "app/qt_shell.h"
#include "assets/qt_jpeg.h"
#include "commands/qt_compiler_window.h"
#include "fakes.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_look.h"

namespace {

constexpr double kSameContentTarget = 1.15;  // x the same-content floor, required
constexpr double kMemoryTargetMiB = 8;       // above the empty window, required
constexpr double kEmptyWindowAim = 1.25;     // x the empty window, the aim

std::int64_t nowNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Peak resident memory of this process so far, in KiB.
long peakKib() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 10, '\n');
  }
  return -1;
}

// The application object of every program, watching one window: once the
// window and each of its visible children have had their first paint, the
// next turn of the event loop (after the frame has been flushed) reports the
// time since launch and the peak memory, and ends the program.
class FrameWatch : public qv::Application {
 public:
  FrameWatch(int& argc, char** argv, std::int64_t launchedNs)
      : qv::Application(argc, argv), launchedNs_(launchedNs) {}

  void watch(QWidget* window) { window_ = window; }

  bool notify(QObject* receiver, QEvent* event) override {
    const bool paint = event->type() == QEvent::Paint;
    const bool result = qv::Application::notify(receiver, event);
    if (paint && window_ && !framePainted_ && receiver->isWidgetType()) {
      painted_.insert(static_cast<QWidget*>(receiver));
      if (wholeWindowPainted()) {
        framePainted_ = true;
        QMetaObject::invokeMethod(
            this, [this] { report(); }, Qt::QueuedConnection);
      }
    }
    return result;
  }

 private:
  bool wholeWindowPainted() const {
    if (!painted_.contains(window_)) return false;
    const auto children = window_->findChildren<QWidget*>();
    return std::all_of(children.begin(), children.end(), [this](QWidget* child) {
      return !child->isVisible() || painted_.contains(child);
    });
  }

  void report() {
    const double ms = static_cast<double>(nowNs() - launchedNs_) / 1e6;
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    const double cpuMs =
        static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6;
    std::printf("%.3f %ld %.3f\n", ms, peakKib(), cpuMs);
    std::fflush(stdout);
    exit(0);
  }

  std::int64_t launchedNs_;
  QWidget* window_ = nullptr;
  QSet<QWidget*> painted_;
  bool framePainted_ = false;
};

void asMenuWindow(QWidget& window) {
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window.setFixedSize(650, 346);
  window.move(328, 366);
}

// The menu's content without the game: five captioned buttons and a picture.
class SameContentFloor : public QWidget {
 public:
  SameContentFloor() {
    asMenuWindow(*this);
    setFont(qv::sansFont(11));
    QImage picture(650, 346, QImage::Format_RGB32);
    picture.fill(QColor(0x00, 0x30, 0x10));
    picture_ = QPixmap::fromImage(picture);
    const struct {
      const char* caption;
      int top;
      int fontPixels;
    } buttons[] = {{"MISSION EDITOR", 176, 20},
                   {"NEW GAME", 80, 20},
                   {"LIST OF COMMANDS", 128, 21},
                   {"OPTIONS", 224, 21},
                   {"QUIT", 272, 21}};
    for (const auto& b : buttons) {
      auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
      button->setGeometry(208, b.top, 233, 33);
      button->setFont(qv::computerFont(b.fontPixels));
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
  }

 private:
  QPixmap picture_;
};

// Times each part of the game's start-up on its own, in the order the game
// meets them, and prints one line of milliseconds.
int runParts(int argc, char** argv) {
  QElapsedTimer clock;
  std::vector<double> ms;
  auto timed = [&](const std::function<void()>& work) {
    clock.start();
    work();
    ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  };
  std::unique_ptr<qv::Application> app;
  timed([&] { app = std::make_unique<qv::Application>(argc, argv); });
  QApplication::setFont(qv::sansFont(11));  // as the shell does
  timed([] {
    for (const QFont& font : {qv::computerFont(20), qv::computerFont(21), qv::sansFont(11)}) {
      (void)QFontMetrics(font).height();
    }
  });
  QPixmap picture;
  timed([&] { picture = qv::loadBackground(QStringLiteral(":/assets/menu.jpg"), 1); });
  std::unique_ptr<qv::test::TestGame> game;
  timed([&] { game = std::make_unique<qv::test::TestGame>(); });
  std::unique_ptr<qv::TForm1> menu;
  std::unique_ptr<qv::TForm2> gameWindow;
  std::unique_ptr<qv::TForm4> editor;
  std::unique_ptr<QWidget> compiler, status;
  timed([&] { menu = std::make_unique<qv::TForm1>(qv::TForm1::Actions{}); });
  timed([&] { gameWindow = std::make_unique<qv::TForm2>(game->game); });
  timed([&] {
    editor = std::make_unique<qv::TForm4>(nullptr, nullptr, qv::TForm4::Build::OnFirstShow);
  });
  timed([&] { compiler = std::make_unique<qv::TForm3>(game->game); });
  timed([&] { status = std::make_unique<qv::TForm5>(game->game); });
  // What waits for the first showing of the two windows.
  timed([&] { gameWindow->buildContent(); });
  timed([&] { editor->buildContent(); });
  for (double part : ms) std::printf("%.3f ", part);
  std::printf("\n");
  return 0;
}

int runChild(const std::string& mode, std::int64_t launchedNs, int argc, char** argv) {
  if (mode == "parts") return runParts(argc, argv);
  FrameWatch app(argc, argv, launchedNs);
  if (mode == "game") {
    qv::Shell shell;
    app.watch(&shell.form1());
    shell.start();
    return qv::Application::exec();
  }
  std::unique_ptr<QWidget> window;
  if (mode == "content") {
    window = std::make_unique<SameContentFloor>();
  } else {
    window = std::make_unique<QWidget>();
    asMenuWindow(*window);
  }
  app.watch(window.get());
  window->show();
  return qv::Application::exec();
}

std::string runChildOutput(const std::string& self, const std::string& mode) {
  const std::string command =
      "exec '" + self + "' --child " + mode + " " + std::to_string(nowNs()) + " 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {};
  std::string output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  return pclose(pipe) == 0 ? output : std::string();
}

struct Program {
  const char* mode;
  const char* name;
  std::vector<double> ms;
  std::vector<double> mib;
  std::vector<double> cpuMs;
};

bool runFrame(const std::string& self, Program& program) {
  double ms = 0, cpuMs = 0;
  long kib = 0;
  const std::string output = runChildOutput(self, program.mode);
  if (std::sscanf(output.c_str(), "%lf %ld %lf", &ms, &kib, &cpuMs) != 3) return false;
  program.ms.push_back(ms);
  program.cpuMs.push_back(cpuMs);
  program.mib.push_back(static_cast<double>(kib) / 1024);
  return true;
}

bool runParts(const std::string& self, std::vector<std::vector<double>>& parts) {
  const std::string output = runChildOutput(self, "parts");
  std::vector<double> values;
  std::size_t at = 0;
  while (at < output.size()) {
    char* end = nullptr;
    const double value = std::strtod(output.c_str() + at, &end);
    if (end == output.c_str() + at) break;
    values.push_back(value);
    at = static_cast<std::size_t>(end - output.c_str());
  }
  if (parts.empty()) parts.resize(values.size());
  if (values.size() != parts.size() || values.empty()) return false;
  for (std::size_t i = 0; i < values.size(); ++i) parts[i].push_back(values[i]);
  return true;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

const char* verdict(bool met) {
  return met ? "met" : "MISSED";
}

void printFrames(const std::vector<Program>& programs, int rounds) {
  std::printf("Start-up to the main menu's first complete frame, offscreen, median of %d runs,\n",
              rounds);
  std::printf("the three programs alternating\n");
  std::printf("                          time ms   peak RSS MiB   CPU ms (all threads)\n");
  for (const Program& p : programs) {
    std::printf("  %-20s %9.1f   %8.1f       %8.1f\n", p.name, median(p.ms), median(p.mib),
                median(p.cpuMs));
  }
  const double game = median(programs[0].ms), empty = median(programs[1].ms);
  const double content = median(programs[2].ms);
  const double extraMiB = median(programs[0].mib) - median(programs[1].mib);
  std::printf("  game time     %.2f x the same-content floor (target <= %.2f x, required): %s\n",
              game / content, kSameContentTarget, verdict(game <= kSameContentTarget * content));
  std::printf("  game memory   the empty window + %.1f MiB (target <= + %.0f MiB, required): %s\n",
              extraMiB, kMemoryTargetMiB, verdict(extraMiB <= kMemoryTargetMiB));
  std::printf("  game time     %.2f x the empty window (aim <= %.2f x): %s\n", game / empty,
              kEmptyWindowAim, verdict(game <= kEmptyWindowAim * empty));
  // Any text on the menu needs the font database and its faces, which the
  // empty window never loads: the same-content floor shows what that costs.
  std::printf(
      "  the same-content floor alone is %.2f x the empty window (+ %.1f ms): the font\n"
      "  database and the faces that any captioned window needs%s\n",
      content / empty, content - empty,
      content > kEmptyWindowAim * empty
          ? ";\n  past the aim by itself, so no menu that draws text can meet the aim"
          : "");
}

void printParts(const std::vector<std::vector<double>>& parts, int rounds) {
  static const char* const kNames[] = {
      "application object (in every program)",
      "font database and the menu's three faces",
      "menu picture decoding (libjpeg)",
      "the world's records and name tables",
      "menu window (its picture decoded on a helper thread)",
      "hidden game window",
      "hidden mission editor",
      "hidden compiler window",
      "hidden status window",
      "deferred to first show: the game window's text areas",
      "deferred to first show: the editor's controls",
  };
  std::printf("\nWhere the time goes: each part timed on its own, median of %d runs\n", rounds);
  for (std::size_t i = 0; i < parts.size() && i < std::size(kNames); ++i) {
    std::printf("  %-56s %6.2f ms\n", kNames[i], median(parts[i]));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::string(argv[1]) == "--child") {
    return runChild(argv[2], std::stoll(argv[3]), argc, argv);
  }
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Builds sharing the machine disturb a 10 ms figure less at a raised
  // priority, which the three programs inherit alike.
  const bool raised = setpriority(PRIO_PROCESS, 0, -15) == 0;
  const std::string self = "/proc/" + std::to_string(getpid()) + "/exe";

  std::vector<Program> programs = {
      {"game", "game", {}, {}, {}},
      {"empty", "empty window", {}, {}, {}},
      {"content", "same-content floor", {}, {}, {}},
  };
  std::vector<std::vector<double>> parts;
  for (int round = 0; round < rounds; ++round) {
    for (Program& program : programs) {
      if (!runFrame(self, program)) {
        std::fprintf(stderr, "qt_startup_bench: a run of the %s failed\n", program.name);
        return 1;
      }
    }
    if (!runParts(self, parts)) {
      std::fprintf(stderr, "qt_startup_bench: a run of the parts failed\n");
      return 1;
    }
  }
  if (!raised)
    std::printf("(at normal priority: other work on the machine shows in the figures)\n");
  printFrames(programs, rounds);
  printParts(parts, rounds);
  return 0;
}
