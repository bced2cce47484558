#include "terminal/interpreter.h"

#include <array>
#include <string>
#include <string_view>

#include "commands/chatroom.h"
#include "commands/compiler.h"
#include "commands/connection.h"
#include "commands/files.h"
#include "commands/recon.h"
#include "commands/utility.h"
#include "missions/lifecycle.h"
#include "sim/programs.h"
#include "terminal/command_words.h"
#include "world/convert.h"
#include "world/cp1252.h"
#include "world/game.h"

namespace qv {
namespace {

// How a line is held against a command's literal.
enum class Match {
  WholeLine,         // the line equals the literal, not a blank more
  WholeLineAnyCase,  // the same, whatever the letter case of the literal
  Prefix,            // the line starts with the literal, whatever follows
};

using Action = void (*)(Game& game, const std::string& argument);

struct Command {
  std::string_view literal;
  Match match;
  int argStart;   // 1-based position of the argument in the line; 0: none
  int argLength;  // at most this many characters are cut
  bool serverOnly;
  std::string_view exceptLine;  // a line this prefix leaves to another command
  Action action;
};

// Examples, lower-cased as the interpreter sees them:
//   //dial 1234567890         -> DialServer(1234567890)
//   //idip 10.0.0.7           -> IdIp("10.0.0.7")
//   //delete harddrive a.txt  -> deleteharddrive("a.txt")
//   //whoisx                  -> who("sx")
// The argument starts two characters after the literal: one separator is
// expected and skipped unseen. Every row is tried on every line, in order.
// clang-format off
constexpr std::array<Command, 24> kCommands{{
  // literal                   match                    arg  len  server exceptLine  action
  {"//terminate",              Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { FormClose(g); }},
  {"//difficultyeasy",         Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.world.mission.difficulty = 1; }},
  {"//difficultynorm",         Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.world.mission.difficulty = 2; }},
  {"//difficultyhard",         Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.world.mission.difficulty = 3; }},
  {"//dial",                   Match::Prefix,            8, 10,  false, "",
   [](Game& g, const std::string& a) { DialServer(g, StrToInt(a)); }},
  {"//chatroom",               Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { Chatroom(g); }},
  {"//logoff",                 Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { LogOff(g); }},
  {"//servername",             Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { servername(g); }},
  {"//clear",                  Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.ports().console.clear(); }},
  {"//harddrive",              Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { harddrive(g); }},
  {"//create virus deleter",   Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { createdeleter(g); }},
  {"//create virus thief",     Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { createthief(g); }},
  {"//logfile",                Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { logfile(g); }},
  {"//notepad",                Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { NotePad(g); }},
  {"//delete harddrive",       Match::Prefix,           20, 50,  false, "",
   [](Game& g, const std::string& a) { deleteharddrive(g, a); }},
  {"//Timers",                 Match::WholeLineAnyCase,  0,  0,  false, "",
   [](Game& g, const std::string&) { ToggleTimers(g); }},
  {"//idip",                   Match::Prefix,            8, 15,  false, "",
   [](Game& g, const std::string& a) { IdIp(g, a); }},
  {"//spyreport",              Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { spyreport(g); }},
  {"//bankaccount",            Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { bankaccount(g); }},
  {"//whois",                  Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { WhoIs(g); }},
  {"//ls",                     Match::WholeLine,         0,  0,  true,  "",
   [](Game& g, const std::string&) { listserverfiles(g); }},
  {"//who",                    Match::Prefix,            7, 30,  true,  "//whois",
   [](Game& g, const std::string& a) { who(g, a); }},
  {"//download",               Match::Prefix,           12, 50,  true,  "",
   [](Game& g, const std::string& a) { download(g, a); }},
  {"//uploadfile",             Match::Prefix,           14, 50,  true,  "",
   [](Game& g, const std::string& a) { uploadfile(g, a); }},
}};
// clang-format on

bool matches(const Command& command, const std::string& line) {
  if (!command.exceptLine.empty() && line == command.exceptLine) return false;
  switch (command.match) {
    case Match::WholeLine:
      return line == command.literal;
    case Match::WholeLineAnyCase:
      return cp1252::equalsIgnoreCase(line, command.literal);
    case Match::Prefix:
      return line.starts_with(command.literal);
  }
  return false;
}

// Characters start, up to length (1-based); shorter at the end of the line,
// empty when the line ends before start.
std::string argumentOf(const Command& command, const std::string& line) {
  if (command.argStart == 0) return {};
  const auto start = static_cast<std::size_t>(command.argStart - 1);
  if (line.size() <= start) return {};
  return line.substr(start, static_cast<std::size_t>(command.argLength));
}

}  // namespace

std::vector<std::string_view> interpreterLiterals() {
  std::vector<std::string_view> literals;
  for (const Command& command : kCommands) literals.push_back(command.literal);
  return literals;
}

void Interperetinput(Game& game, const std::string& typed) {
  const std::string line = cp1252::lowerCase(typed);
  // The server-only group is decided once, when its first row is reached,
  // so a connection made by an earlier row of the same line counts.
  bool groupDecided = false;
  bool onServer = false;
  for (const Command& command : kCommands) {
    if (command.serverOnly) {
      if (!groupDecided) {
        const std::int32_t where = game.world.player.currentserver;
        onServer = where != kNotConnected && where != kInChatroom;
        groupDecided = true;
      }
      if (!onServer) continue;
    }
    if (matches(command, line)) command.action(game, argumentOf(command, line));
  }
}

void consoleKeyDown(Game& game, int key, const std::vector<std::string>& inputLines) {
  if (key != kReturnKey || inputLines.empty()) return;
  // One final empty line is skipped: Return on a fresh empty line repeats the
  // command above it.
  std::size_t last = inputLines.size() - 1;
  if (inputLines[last].empty() && last > 0) --last;
  Interperetinput(game, inputLines[last]);
}

}  // namespace qv
