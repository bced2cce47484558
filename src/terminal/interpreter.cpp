#include <array>
#include <string>
#include <string_view>

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
   [](Game& g, const std::string&) { g.FormClose(); }},
  {"//difficultyeasy",         Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.world.mission.difficulty = 1; }},
  {"//difficultynorm",         Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.world.mission.difficulty = 2; }},
  {"//difficultyhard",         Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.world.mission.difficulty = 3; }},
  {"//dial",                   Match::Prefix,            8, 10,  false, "",
   [](Game& g, const std::string& a) { g.DialServer(StrToInt(a)); }},
  {"//chatroom",               Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.Chatroom(); }},
  {"//logoff",                 Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.LogOff(); }},
  {"//servername",             Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.servername(); }},
  {"//clear",                  Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.ports().console.clear(); }},
  {"//harddrive",              Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.harddrive(); }},
  {"//create virus deleter",   Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.createdeleter(); }},
  {"//create virus thief",     Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.createthief(); }},
  {"//logfile",                Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.logfile(); }},
  {"//notepad",                Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.NotePad(); }},
  {"//delete harddrive",       Match::Prefix,           20, 50,  false, "",
   [](Game& g, const std::string& a) { g.deleteharddrive(a); }},
  {"//Timers",                 Match::WholeLineAnyCase,  0,  0,  false, "",
   [](Game& g, const std::string&) { g.ToggleTimers(); }},
  {"//idip",                   Match::Prefix,            8, 15,  false, "",
   [](Game& g, const std::string& a) { g.IdIp(a); }},
  {"//spyreport",              Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.spyreport(); }},
  {"//bankaccount",            Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.bankaccount(); }},
  {"//whois",                  Match::WholeLine,         0,  0,  false, "",
   [](Game& g, const std::string&) { g.WhoIs(); }},
  {"//ls",                     Match::WholeLine,         0,  0,  true,  "",
   [](Game& g, const std::string&) { g.listserverfiles(); }},
  {"//who",                    Match::Prefix,            7, 30,  true,  "//whois",
   [](Game& g, const std::string& a) { g.who(a); }},
  {"//download",               Match::Prefix,           12, 50,  true,  "",
   [](Game& g, const std::string& a) { g.download(a); }},
  {"//uploadfile",             Match::Prefix,           14, 50,  true,  "",
   [](Game& g, const std::string& a) { g.uploadfile(a); }},
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

void Game::Interperetinput(const std::string& typed) {
  const std::string line = cp1252::lowerCase(typed);
  // The server-only group is decided once, when its first row is reached,
  // so a connection made by an earlier row of the same line counts.
  bool groupDecided = false;
  bool onServer = false;
  for (const Command& command : kCommands) {
    if (command.serverOnly) {
      if (!groupDecided) {
        const std::int32_t where = world.player.currentserver;
        onServer = where != kNotConnected && where != kInChatroom;
        groupDecided = true;
      }
      if (!onServer) continue;
    }
    if (matches(command, line)) command.action(*this, argumentOf(command, line));
  }
}

}  // namespace qv
