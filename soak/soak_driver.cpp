// Millions of simulated seconds of play: every timer at its own interval on a
// virtual clock, a random player at the keyboard, the world's rules checked
// after every handler. Prints the pace and the memory, and fails when a rule
// breaks or when memory keeps growing after the checkpoint.
//
//   soak_driver [--seed N] [--ticks N] [--checkpoint N] [--tolerance PERCENT]
//
// A tick is one second of game time with all the timer work of that second.

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "process_memory.h"
#include "world_soak.h"

namespace {

struct Options {
  std::uint32_t seed = 1;
  std::int64_t ticks = 1'000'000;
  std::int64_t checkpoint = 100'000;
  double tolerancePercent = 10.0;
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const char* name = argv[i];
    const char* value = argv[i + 1];
    if (std::strcmp(name, "--seed") == 0) {
      options.seed = static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10));
    } else if (std::strcmp(name, "--ticks") == 0) {
      options.ticks = std::strtoll(value, nullptr, 10);
    } else if (std::strcmp(name, "--checkpoint") == 0) {
      options.checkpoint = std::strtoll(value, nullptr, 10);
    } else if (std::strcmp(name, "--tolerance") == 0) {
      options.tolerancePercent = std::strtod(value, nullptr);
    } else {
      return false;
    }
  }
  if (argc % 2 == 0) return false;  // a name without its value
  // A checkpoint at or past the end would compare the end with itself.
  if (options.ticks <= 0 || options.checkpoint <= 0 || options.checkpoint >= options.ticks) {
    return false;
  }
  return true;
}

// Each seed plays at its own time of day and on its own kind of mission.
std::int64_t startTimeOfDay(std::uint32_t seed) {
  return static_cast<std::int64_t>((std::uint64_t{seed} * 2'654'435'761u) % qv::test::kDayMs);
}

const char* missionFor(std::uint32_t seed) {
  static const char* const kTypes[] = {"aquiremoney", "downloadfile", "serverstatus"};
  return kTypes[seed % 3];
}

std::string clockText(std::int64_t msOfDay) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(msOfDay / 3'600'000),
                static_cast<int>(msOfDay / 60'000 % 60), static_cast<int>(msOfDay / 1000 % 60),
                static_cast<int>(msOfDay % 1000));
  return text;
}

double mib(long kib) {
  return static_cast<double>(kib) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: soak_driver [--seed N] [--ticks N] [--checkpoint N] "
                 "[--tolerance PERCENT]\n(the checkpoint lies before the end)\n");
    return 2;
  }
  const std::int64_t startMs = startTimeOfDay(options.seed);
  std::printf("seed %u: world generated at %s UTC, mission %s, %lld ticks\n", options.seed,
              clockText(startMs).c_str(), missionFor(options.seed),
              static_cast<long long>(options.ticks));
  std::fflush(stdout);

  auto t = std::make_unique<qv::test::TestGame>(startMs);
  qv::test::startSoakWorld(*t, missionFor(options.seed));
  qv::test::Soak soak(*t, options.seed);

  const auto started = std::chrono::steady_clock::now();
  soak.runSeconds(options.checkpoint);
  const long checkpointKib = qv::soak::residentKib();
  std::printf("  after %lld ticks: resident %.1f MiB\n",
              static_cast<long long>(soak.simulatedSeconds()), mib(checkpointKib));
  std::fflush(stdout);
  soak.runSeconds(options.ticks);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const long endKib = qv::soak::residentKib();

  const double growthPercent =
      100.0 * static_cast<double>(endKib - checkpointKib) / static_cast<double>(checkpointKib);
  std::printf("  after %lld ticks: resident %.1f MiB (%+.1f%% since the checkpoint)\n",
              static_cast<long long>(soak.simulatedSeconds()), mib(endKib), growthPercent);
  std::printf("  %.0f ticks/s (%.1f s), %lld timer ticks, %lld lines typed, peak %.1f MiB\n",
              static_cast<double>(soak.simulatedSeconds()) / seconds, seconds,
              static_cast<long long>(soak.timerTicks()), static_cast<long long>(soak.linesTyped()),
              mib(qv::soak::peakResidentKib()));

  if (!soak.fault().empty()) {
    std::printf("  FAILED: %s\n", soak.fault().c_str());
    return 1;
  }
  if (std::abs(growthPercent) > options.tolerancePercent) {
    std::printf("  FAILED: memory moved more than %.0f%% after the checkpoint\n",
                options.tolerancePercent);
    return 1;
  }
  std::printf("  passed\n");
  return 0;
}
