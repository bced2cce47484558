// Puts arbitrary lines into the compiler window and compiles them. A bad
// ":antivirus" number is an error box; anything else must leave a counter
// that never wrapped below zero. Each input compiles in a fresh copy of one
// generated world.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "commands/compiler.h"
#include "fakes.h"
#include "fresh_game.h"
#include "world/game_error.h"
#include "world/generate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qv::fuzz::FreshGame games(
      [](qv::test::TestGame& prototype) { GenerateGame(prototype.game); });
  qv::test::TestGame& t = games.fresh();
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    t.compiler.appendLine(input.substr(start, end - start));
    start = end + 1;
  }
  const std::int32_t before = t.game.codeticks;
  try {
    CompileProgram(t.game);
  } catch (const qv::GameError&) {
    if (t.timers.isEnabled(qv::TimerId::CodeTimer))
      std::abort();  // a failed compile starts nothing
  }
  if (t.game.codeticks < before) std::abort();  // every keyword adds, doubles or saturates
  games.release();
  return 0;
}
