// Program creation: the two "//create virus" orders, the compiler window's
// digit timer that delivers the finished program to the hard drive, and the
// small keyword language the player may type into the compiler window.

#include "commands/compiler.h"

#include <array>
#include <string>
#include <string_view>

#include "commands/command_rules.h"
#include "commands/compiler_words.h"
#include "world/console.h"
#include "world/convert.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
namespace {

constexpr std::string_view kProgramCreated = "Program created, upload to server to use";

// What a finished program becomes on the hard drive.
struct ProgramKind {
  std::string_view kind;  // programkind and the file's filetype
  std::string_view extension;
};

constexpr std::array<ProgramKind, 2> kProgramKinds{{
    {"deleter", ".del"},
    {"thief", ".exe"},
}};

// The compiler window's keyword language. Keywords only lengthen the compile.
enum class Match {
  WholeLine,  // the line equals the keyword
  FirstN,     // the line starts with the keyword, whatever follows
};

enum class Effect {
  Add,           // + amount
  AddAntivirus,  // + amount + the number in characters 12 and 13
  Double,
};

struct Keyword {
  std::string_view word;
  Match match;
  Effect effect;
  std::int32_t amount;
};

constexpr std::array<Keyword, 18> kKeywords{{
    {":deletetextfiles", Match::WholeLine, Effect::Add, 10},
    {":deleteexefiles", Match::WholeLine, Effect::Add, 20},
    {":deleteotherfiles", Match::WholeLine, Effect::Add, 20},
    {":track", Match::FirstN, Effect::Add, 5},
    {":downloadto", Match::FirstN, Effect::Add, 15},
    {":harddrivedel", Match::WholeLine, Effect::Add, 20},
    {":renameself", Match::FirstN, Effect::Add, 10},
    {":typemessage", Match::FirstN, Effect::Add, 5},
    {":createporn", Match::WholeLine, Effect::Add, 4},
    {":overloadharddrive", Match::WholeLine, Effect::Add, 20},
    {":spike", Match::WholeLine, Effect::Add, 20},
    {":informauthorities", Match::WholeLine, Effect::Add, 25},
    {":transfermoney", Match::WholeLine, Effect::Add, 20},
    {":copyself", Match::WholeLine, Effect::Add, 15},
    {":deleteviruses", Match::WholeLine, Effect::Add, 40},
    {":restore", Match::WholeLine, Effect::Add, 20},
    {":antivirus", Match::FirstN, Effect::AddAntivirus, 20},
    {":repeat", Match::WholeLine, Effect::Double, 0},
}};

bool matches(const Keyword& keyword, std::string_view line) {
  if (keyword.match == Match::WholeLine) return line == keyword.word;
  return line.starts_with(keyword.word);
}

// Characters 12 and 13 of the line (counted from 1); only 12 when the line
// ends there, nothing when it is shorter. Character 11 is a separator.
std::string antivirusNumberText(const std::string& line) {
  constexpr std::size_t kFirst = 11;  // 0-based position of character 12
  if (line.size() <= kFirst) return {};
  return line.substr(kFirst, 2);
}

// Applies one keyword row to the counter. A bad ":antivirus" number throws
// before the counter changes.
void applyKeyword(const Keyword& keyword, const std::string& line, std::int32_t& ticks) {
  switch (keyword.effect) {
    case Effect::Add:
      addTo(ticks, keyword.amount);
      break;
    case Effect::AddAntivirus:
      addTo(ticks, static_cast<std::int64_t>(keyword.amount) + StrToInt(antivirusNumberText(line)));
      break;
    case Effect::Double:
      // Repeated doubling stops at the largest count instead of wrapping.
      addTo(ticks, ticks);
      break;
  }
}

const ProgramKind* findProgramKind(const std::string& kind) {
  for (const auto& candidate : kProgramKinds) {
    if (candidate.kind == kind) return &candidate;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string_view> compilerKeywords() {
  std::vector<std::string_view> words;
  for (const Keyword& keyword : kKeywords) words.push_back(keyword.word);
  return words;
}

void createdeleter(Game& game) {
  game.programkind = "deleter";
  type(game, "Creating Deleter Virus().....");
  randomcode(game, commands::kDeleterSize);
}

void createthief(Game& game) {
  game.programkind = "thief";
  type(game, "Creating Thief Virus.....");
  randomcode(game, commands::kThiefSize);
}

void randomcode(Game& game, std::int32_t size) {
  game.ports().windows.showCompilerWindow();
  game.ports().timers.setEnabled(TimerId::CodeTimer, true);
  game.reseed();
  // A new order replaces whatever was left of a program in progress.
  const std::int64_t ticks =
      static_cast<std::int64_t>(game.random(commands::kTickSpread)) +
      std::int64_t{commands::kTicksPerDifficulty} * game.world.mission.difficulty +
      std::int64_t{commands::kTicksPerSize} * size;
  game.codeticks = clampToInt32(ticks);
  type(game, " generating program... ");
}

void CodeTimerTimer(Game& game) {
  if (game.codeticks <= 0) return;
  --game.codeticks;
  game.ports().compiler.appendToLastLine(game.random(2) == 0 ? "0" : "1");
  if (game.codeticks > 0) return;

  game.ports().compiler.appendLine(std::string(kProgramCreated));
  const ProgramKind* kind = findProgramKind(game.programkind);
  Tplayer& player = game.world.player;
  if (kind == nullptr || player.filecount >= kHarddriveSlots) return;
  Afile& file = player.harddrive[player.filecount + 1];
  file.filetype = kind->kind;
  file.name = game.drawRow(game.tables.wordlist) + std::string(kind->extension);
  file.info.clear();
  ++player.filecount;
}

void compilerConsoleKeyDown(Game& game, int key) {
  if (key != kReturnKey) return;
  if (game.ports().compiler.lastLine() == ":end") CompileProgram(game);
}

void CompileProgram(Game& game) {
  for (const std::string& line : game.ports().compiler.lines()) {
    for (const Keyword& keyword : kKeywords) {
      if (matches(keyword, line)) applyKeyword(keyword, line, game.codeticks);
    }
  }
  game.ports().timers.setEnabled(TimerId::CodeTimer, true);
}

}  // namespace qv
