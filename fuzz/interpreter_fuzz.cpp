// Types arbitrary lines into a generated world at a fixed time of day, one
// line at a time, and checks the world's rules after every line. A blank line
// is a second of waiting: every timer ticks once, and the rules are checked
// again. One second of every timer costs as much as a dozen commands on this
// build, so an input waits at most kSecondsPerInput; later blank lines are
// typed like any other. Long stretches of time are the soak's to play. The
// world is generated once; each input plays on a fresh copy of it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/chatroom.h"
#include "commands/compiler.h"
#include "fakes.h"
#include "fresh_game.h"
#include "sim/population.h"
#include "sim/programs.h"
#include "sim/userfiles.h"
#include "terminal/interpreter.h"
#include "world/game_error.h"
#include "world/generate.h"
#include "world_checks.h"

namespace {

constexpr int kSecondsPerInput = 3;
// Every line is followed by a walk over the whole world; longer inputs mostly
// repeat what shorter ones already reach.
constexpr int kLinesPerInput = 16;

void tickEverything(qv::Game& game) {
  JumpTimerTimer(game);
  UserfiletimerTimer(game);
  attacktimerTimer(game);
  ChatTimerTimer(game);
  for (int i = 0; i < 33; ++i) CodeTimerTimer(game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qv::fuzz::FreshGame games(
      [](qv::test::TestGame& prototype) { GenerateGame(prototype.game); });
  qv::test::TestGame& t = games.fresh();
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  int lines = 0;
  int seconds = 0;
  while (start <= input.size() && lines < kLinesPerInput) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    const std::string line = input.substr(start, end - start);
    if (line.empty() && seconds < kSecondsPerInput) {
      ++seconds;
      tickEverything(t.game);
    } else {
      try {
        Interperetinput(t.game, line);
      } catch (const qv::GameError&) {
        // shown to the player in an error box; the game goes on
      }
    }
    qv::fuzz::requireSoundWorld(t.game.world);
    start = end + 1;
    ++lines;
  }
  games.release();
  return 0;
}
