#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "world/name_tables.h"
#include "world/ports.h"
#include "world/random.h"
#include "world/records.h"

namespace qv {

// Every typed character of a console line waits this long before the next.
inline constexpr int kTypingStepMs = 30;

// The game window's logic: the world, the vocabulary, the generator and every
// routine of the game. The windows are a thin shell that forwards events here.
// Routines keep the names the game has always used for them; each subsystem's
// routines live in that subsystem's folder:
//   world/     generation
//   missions/  the mission files and the window life cycle (a game starts
//              by reading its mission)
//   terminal/  the console, typing and the command interpreter
//   commands/  the player's commands and program creation
//   sim/       the timers' tick work and the status window's text
class Game {
 public:
  explicit Game(Ports ports);

  // The world and the window's own state, read and written directly.
  World world;
  NameTables tables = NameTables::initial();
  Random random;
  std::string outputline;
  bool activated = false;
  std::int32_t codeticks = 0;
  std::string programkind;

  // --- shared helpers -----------------------------------------------------
  void reseed();  // from the UTC time of day
  // Row Random(n) + 1 of a table of n rows.
  const std::string& drawRow(const std::vector<std::string>& table);
  // Four Random(256) numbers joined by dots.
  std::string drawAddress();

  // --- terminal/ ----------------------------------------------------------
  // Appends a line and types it, kTypingStepMs a character.
  void typetext(const std::string& text);
  // Puts text into outputline and types it.
  void type(const std::string& text);
  // An immediate console line.
  void addLine(const std::string& text);
  // Key-down of the console and the input area; inputLines is Memo1's text.
  void consoleKeyDown(int key, const std::vector<std::string>& inputLines);
  void Interperetinput(const std::string& line);

  // --- world/ -------------------------------------------------------------
  void FormCreate();
  void FormActivate();
  void FormClose();
  void GenerateGame();

  // --- commands/ ----------------------------------------------------------
  void DialServer(std::int32_t number);
  void LogOff();
  void servername();
  void Chatroom();
  void ChatTimerTimer();
  void IdIp(const std::string& address);
  void WhoIs();
  void who(const std::string& nickname);
  void listserverfiles();
  void harddrive();
  void download(const std::string& name);
  void uploadfile(const std::string& name);
  void deleteharddrive(const std::string& name);
  void createdeleter();
  void createthief();
  void randomcode(std::int32_t size);
  void CodeTimerTimer();                 // compiler window's timer
  void compilerConsoleKeyDown(int key);  // compiler window's ConsoleKeyDown
  void CompileProgram();
  void bankaccount();
  void logfile();
  void NotePad();
  void ToggleTimers();

  // --- sim/ ---------------------------------------------------------------
  void JumpTimerTimer();
  void JumpUser(int serverIndex, int slot);
  void UserfiletimerTimer();
  void userupload(int serverIndex, int slot);
  void userdownload(int serverIndex, int slot);
  void userdelete(int serverIndex, int slot);
  void attacktimerTimer();
  // Every change of a server's status goes through here, so a server-status
  // mission is won the moment its target reaches the goal.
  void setServerStatus(int serverIndex, std::string_view status);
  void deletervirus(int serverIndex);
  void deleteserverfile(int serverIndex, int slot);
  void thiefvirus(int serverIndex);
  void hydravirus(int serverIndex, int slot);
  void serverantivirus(int serverIndex);
  void spyreport();
  void InfoTimerTimer();  // status window's timer

  Ports& ports() { return ports_; }

 private:
  Ports ports_;
  bool starting_ = false;  // a start sequence is under way (FormActivate)
};

}  // namespace qv
