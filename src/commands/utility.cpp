// Small commands that change nothing in the world: the scripted bank log-on
// and the switches for the status window, the compiler window and the two
// timer-log panels.

#include "commands/utility.h"

#include <string>
#include <string_view>

#include "commands/command_rules.h"
#include "world/console.h"
#include "world/game.h"

namespace qv {
namespace {

// A made-up bank; the log-on names it when it connects and when it leaves.
constexpr std::string_view kBankHost = "www.ashcombe-savings.example";

}  // namespace

void bankaccount(Game& game) {
  // The pauses stand for the bank's answers; the whole program waits them out.
  const std::string host(kBankHost);
  auto pause = [&game](int milliseconds) { game.ports().pace.sleep(milliseconds); };
  type(game, "accessing " + host + "\\accounts\\personal\\balance.asp ...");
  pause(commands::kBankContactMs);
  type(game, "Bank server contacted");
  type(game, "Please enter pin number: ********");
  pause(commands::kBankPinMs);
  type(game, "Please enter online code: ***********-*****");
  pause(commands::kBankCodeMs);
  type(game, "Processing... ");
  pause(commands::kBankProcessingMs);
  type(game, "You are now logged onto your account...");
  type(game, "Your current balance is: " + std::to_string(game.world.player.money) + "$");
  pause(commands::kBankLogOffMs);
  type(game, "Logging off of " + host);
}

void logfile(Game& game) {
  auto& windows = game.ports().windows;
  windows.setStatusWindowVisible(!windows.statusWindowVisible());
}

void NotePad(Game& game) {
  game.ports().windows.showCompilerWindow();
}

void ToggleTimers(Game& game) {
  // Memo2 decides for the pair, so the panels always move together.
  auto& windows = game.ports().windows;
  windows.setLogPanelsVisible(!windows.logPanelsVisible());
}

}  // namespace qv
