// Types arbitrary lines into a generated world at a fixed time of day, one
// line at a time, with the timers ticking in between, and checks the world's
// rules after every line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fakes.h"
#include "world/game_error.h"
#include "world_invariants.h"

namespace {

void checkWorld(const qv::World& world) {
  const std::string broken = qv::test::brokenInvariant(world);
  if (!broken.empty()) {
    std::fprintf(stderr, "broken: %s\n", broken.c_str());
    std::abort();
  }
}

void tickEverything(qv::Game& game) {
  game.JumpTimerTimer();
  game.UserfiletimerTimer();
  game.attacktimerTimer();
  game.ChatTimerTimer();
  for (int i = 0; i < 33; ++i) game.CodeTimerTimer();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::test::TestGame t;
  t.game.GenerateGame();
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  int lines = 0;
  while (start <= input.size() && lines < 64) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    try {
      t.game.Interperetinput(input.substr(start, end - start));
    } catch (const qv::GameError&) {
      // shown to the player in an error box; the game goes on
    }
    checkWorld(t.game.world);
    tickEverything(t.game);
    checkWorld(t.game.world);
    start = end + 1;
    ++lines;
  }
  return 0;
}
