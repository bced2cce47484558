// Start-up cost of the game: the time from launching the program to the main
// menu's first paint, and the peak resident memory at that moment, side by
// side with the floor: the same application object with one plain window of
// the menu's size. Both run as child processes of this program on the
// offscreen platform, alternately, and the medians are printed.
//
//   build/dev/bench/qt_startup_bench [rounds]

#include <unistd.h>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "app/qt_application.h"
#include "app/qt_main_menu.h"
#include "app/qt_shell.h"

namespace {

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

// Reports the first paint of a window and ends the event loop.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(std::int64_t launchedNs) : launchedNs_(launchedNs) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      const double ms = static_cast<double>(nowNs() - launchedNs_) / 1e6;
      std::printf("%.3f %ld\n", ms, peakKib());
      std::fflush(stdout);
      QCoreApplication::exit(0);
    }
    return false;
  }

 private:
  std::int64_t launchedNs_;
  bool done_ = false;
};

int runChild(const std::string& mode, std::int64_t launchedNs, int argc, char** argv) {
  qv::Application app(argc, argv);
  FirstPaint watch(launchedNs);
  if (mode == "game") {
    qv::Shell shell;
    shell.form1().installEventFilter(&watch);
    shell.start();
    return qv::Application::exec();
  }
  QWidget floor;
  floor.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  floor.setFixedSize(650, 346);
  floor.move(328, 366);
  floor.installEventFilter(&watch);
  floor.show();
  return qv::Application::exec();
}

struct Sample {
  double ms = 0;
  long kib = 0;
};

bool runOnce(const std::string& self, const std::string& mode, Sample& sample) {
  const std::string command =
      "exec '" + self + "' --child " + mode + " " + std::to_string(nowNs()) + " 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return false;
  const bool read = std::fscanf(pipe, "%lf %ld", &sample.ms, &sample.kib) == 2;
  return pclose(pipe) == 0 && read;
}

template <typename T>
T median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::string(argv[1]) == "--child") {
    return runChild(argv[2], std::stoll(argv[3]), argc, argv);
  }
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string self = "/proc/" + std::to_string(getpid()) + "/exe";

  std::vector<double> floorMs, gameMs;
  std::vector<long> floorKib, gameKib;
  for (int round = 0; round < rounds; ++round) {
    Sample floor, game;
    if (!runOnce(self, "floor", floor) || !runOnce(self, "game", game)) {
      std::fprintf(stderr, "qt_startup_bench: a child run failed\n");
      return 1;
    }
    floorMs.push_back(floor.ms);
    floorKib.push_back(floor.kib);
    gameMs.push_back(game.ms);
    gameKib.push_back(game.kib);
  }

  const double fMs = median(floorMs), gMs = median(gameMs);
  const double fMiB = static_cast<double>(median(floorKib)) / 1024;
  const double gMiB = static_cast<double>(median(gameKib)) / 1024;
  std::printf("Start-up to the main menu's first paint, offscreen, median of %d runs\n", rounds);
  std::printf("                 time ms   peak RSS MiB\n");
  std::printf("  floor         %8.1f   %8.1f\n", fMs, fMiB);
  std::printf("  game          %8.1f   %8.1f\n", gMs, gMiB);
  std::printf("  time   %.2f x floor (target <= 1.25): %s\n", gMs / fMs,
              gMs <= 1.25 * fMs ? "met" : "MISSED");
  std::printf("  memory floor + %.1f MiB (target <= 10): %s\n", gMiB - fMiB,
              gMiB - fMiB <= 10 ? "met" : "MISSED");
  return 0;
}
