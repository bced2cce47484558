// Small commands that change nothing in the world: the scripted bank log-on
// and the switches for the status window, the compiler window and the two
// timer-log panels.

#include <string>
#include <string_view>

#include "world/game.h"

namespace qv {
namespace {

// A made-up bank; the log-on names it when it connects and when it leaves.
constexpr std::string_view kBankHost = "www.ashcombe-savings.example";

}  // namespace

void Game::bankaccount() {
  // The pauses stand for the bank's answers; the whole program waits them out.
  const std::string host(kBankHost);
  auto pause = [this](int milliseconds) { ports_.pace.sleep(milliseconds); };
  type("accessing " + host + "\\accounts\\personal\\balance.asp ...");
  pause(400);
  type("Bank server contacted");
  type("Please enter pin number: ********");
  pause(800);
  type("Please enter online code: ***********-*****");
  pause(400);
  type("Processing... ");
  pause(1500);
  type("You are now logged onto your account...");
  type("Your current balance is: " + std::to_string(world.player.money) + "$");
  pause(500);
  type("Logging off of " + host);
}

void Game::logfile() {
  auto& windows = ports_.windows;
  windows.setStatusWindowVisible(!windows.statusWindowVisible());
}

void Game::NotePad() {
  ports_.windows.showCompilerWindow();
}

void Game::ToggleTimers() {
  // Memo2 decides for the pair, so the panels always move together.
  auto& windows = ports_.windows;
  windows.setLogPanelsVisible(!windows.logPanelsVisible());
}

}  // namespace qv
