#pragma once

// One prepared game per process, and a working game reset to a copy of it
// before each input. Generating a world draws some 40,000 names; copying one
// costs a fraction of that, which is what lets a harness run thousands of
// inputs a second.

#include <memory>

#include "fakes.h"

namespace qv::fuzz {

// Makes `to` equal to `from`, copying only the file slots in use; `to` must
// have passed the world checks.
void copyWorld(World& to, const World& from);

class FreshGame {
 public:
  template <typename Prepare>
  explicit FreshGame(Prepare prepare)
      : prototype_(std::make_unique<test::TestGame>()), work_(std::make_unique<test::TestGame>()) {
    prepare(*prototype_);
  }

  // Frees what an input wrote into the panes. An input that ends holding
  // more heap blocks than it started with looks like a leak to libFuzzer,
  // which then runs it a second time under the leak checker.
  void release() {
    for (test::FakePane* pane :
         {&work_->console, &work_->jumpLog, &work_->fileLog, &work_->compiler, &work_->status}) {
      pane->content.clear();
    }
    work_->pace.sleeps.clear();
  }

  // The working game, holding the prepared state again.
  test::TestGame& fresh() {
    test::TestGame& to = *work_;
    const test::TestGame& from = *prototype_;
    copyGame(to.game, from.game);
    to.console = from.console;
    to.jumpLog = from.jumpLog;
    to.fileLog = from.fileLog;
    to.compiler = from.compiler;
    to.status = from.status;
    to.pace = from.pace;
    to.timers = from.timers;
    to.windows = from.windows;
    return to;
  }

 private:
  static void copyGame(Game& to, const Game& from) {
    copyWorld(to.world, from.world);
    // Only world generation adds rows to the name tables; the interpreter
    // and the compiler never touch them, so most inputs skip this copy.
    if (to.tables.wordlist.size() != from.tables.wordlist.size()) to.tables = from.tables;
    to.random = from.random;
    to.outputline = from.outputline;
    to.activated = from.activated;
    to.codeticks = from.codeticks;
    to.programkind = from.programkind;
  }

  std::unique_ptr<test::TestGame> prototype_;
  std::unique_ptr<test::TestGame> work_;
};

}  // namespace qv::fuzz
