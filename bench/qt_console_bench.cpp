// The game console under load, through the real pane adapter on a shown
// QPlainTextEdit styled like the console (offscreen platform):
//
// - the cost of appending a line and of replacing the last line when the
//   console already holds 0, 100k and 300k lines; replacing repaints at once,
//   as every typed step does. The cost must stay flat: each figure is printed
//   beside the one at 0 lines.
// - the typing pace: a 60-character line typed by the game on the real clock
//   must take 60 typing steps (kTypingStepMs each) within 2%, the repaints
//   included.
//
//   build/dev/bench/qt_console_bench [operations per figure]

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/qt_ports.h"
#include "toolkit/qt_look.h"
#include "toolkit/qt_text_pane.h"
#include "world/console.h"
#include "world/game.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLineCounts[] = {0, 100'000, 300'000};
constexpr double kFlatFactor = 1.5;  // at most this many times the cost at 0 lines
constexpr int kTypedCharacters = 60;
constexpr double kTypedTargetMs = kTypedCharacters * qv::kTypingStepMs;
constexpr double kTypedTolerance = 0.02;
constexpr int kTypedRuns = 3;

// A console line of typical length.
const std::string kLine = "Connected to server Northgate Freight Exchange at 203.0.113.77";

double microsecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The console's text area, shown at the size it has in the game window.
struct ConsoleArea {
  ConsoleArea() {
    qv::styleTextArea(&area, {.verticalScrollBar = true, .readOnly = true});
    area.resize(865, 427);
    area.show();
    QApplication::processEvents();
    pane.attach(&area, qv::PlainTextPane::Follow::EndAndTyping);
  }

  // Fills the console to `lines` lines at once; not timed.
  void fill(int lines) {
    pane.clear();
    if (lines == 0) return;
    QString text;
    const QString line = QString::fromStdString(kLine);
    text.reserve(lines * (line.size() + 1));
    for (int i = 0; i < lines; ++i) {
      if (i > 0) text += QLatin1Char('\n');
      text += line;
    }
    QTextCursor cursor(area.document());
    cursor.insertText(text);
    pane.appendLine("");  // a settled layout and scroll position before timing
    QApplication::processEvents();
  }

  QPlainTextEdit area;
  qv::PlainTextPane pane;
};

double medianOperationUs(int operations, const std::function<void(int)>& operation) {
  std::vector<double> samples;
  samples.reserve(static_cast<std::size_t>(operations));
  for (int i = 0; i < operations; ++i) {
    const auto start = Clock::now();
    operation(i);
    samples.push_back(microsecondsSince(start));
  }
  return median(samples);
}

struct PaneCosts {
  double appendUs = 0;
  double replaceUs = 0;
};

PaneCosts measurePane(ConsoleArea& console, int lines, int operations) {
  PaneCosts costs;
  console.fill(lines);
  costs.appendUs = medianOperationUs(operations, [&](int) { console.pane.appendLine(kLine); });
  // Replacing as typing does: each step one character longer.
  costs.replaceUs = medianOperationUs(operations, [&](int i) {
    console.pane.replaceLastLine(kLine.substr(0, static_cast<std::size_t>(i) % kLine.size() + 1));
  });
  return costs;
}

void printPaneCosts(ConsoleArea& console, int operations) {
  std::printf(
      "Console pane, median of %d operations, microseconds (flat: at most %.1f x 0 lines)\n",
      operations, kFlatFactor);
  std::printf("  lines     append   x 0 lines   replace last   x 0 lines\n");
  PaneCosts empty;
  for (int lines : kLineCounts) {
    const PaneCosts costs = measurePane(console, lines, operations);
    if (lines == 0) empty = costs;
    const double appendRatio = costs.appendUs / empty.appendUs;
    const double replaceRatio = costs.replaceUs / empty.replaceUs;
    std::printf("  %7d  %8.1f   %5.2f      %8.1f       %5.2f   %s\n", lines, costs.appendUs,
                appendRatio, costs.replaceUs, replaceRatio,
                std::max(appendRatio, replaceRatio) <= kFlatFactor ? "flat" : "NOT FLAT");
  }
}

// One typed line through the game's own typing routine on the real clock.
double typedLineMs(qv::Game& game) {
  const std::string text(kTypedCharacters, 'x');
  const auto start = Clock::now();
  type(game, text);
  return microsecondsSince(start) / 1000.0;
}

// The floor of the typing pace: the same sleeps with nothing drawn.
double bareSleepsMs(qv::Pace& pace) {
  const auto start = Clock::now();
  for (int i = 0; i < kTypedCharacters; ++i) pace.sleep(qv::kTypingStepMs);
  return microsecondsSince(start) / 1000.0;
}

void printTypingLine(const char* what, double ms, double slowestMs) {
  const double off = (ms - kTypedTargetMs) / kTypedTargetMs;
  std::printf("  %-22s %.1f ms (%+.2f%%, slowest %.1f ms): %s\n", what, ms, off * 100, slowestMs,
              std::abs(off) <= kTypedTolerance ? "met" : "MISSED");
}

void printTypingPace(ConsoleArea& console) {
  qv::PlainTextPane unused;  // the other panes stay detached and ignore writes
  qv::RealPace pace;
  qv::QtTimers timers;
  qv::QtWindows windows;
  qv::Game game(qv::Ports{console.pane, unused, unused, unused, unused, pace, timers, windows});
  std::printf(
      "Typing pace, %d characters at %d ms, median of %d lines (target %.0f ms +- %.0f%%)\n",
      kTypedCharacters, qv::kTypingStepMs, kTypedRuns, kTypedTargetMs, kTypedTolerance * 100);
  std::vector<double> floor;
  for (int run = 0; run < kTypedRuns; ++run) floor.push_back(bareSleepsMs(pace));
  printTypingLine("floor, sleeps alone:", median(floor),
                  *std::max_element(floor.begin(), floor.end()));
  for (int lines : {0, 300'000}) {
    console.fill(lines);
    std::vector<double> runs;
    for (int run = 0; run < kTypedRuns; ++run) runs.push_back(typedLineMs(game));
    const std::string what = "typed on " + std::to_string(lines) + " lines:";
    printTypingLine(what.c_str(), median(runs), *std::max_element(runs.begin(), runs.end()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int operations = argc > 1 ? std::max(11, std::atoi(argv[1])) : 501;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ConsoleArea console;
  printPaneCosts(console, operations);
  printTypingPace(console);
  return 0;
}
