#include "world/generate.h"

#include <span>
#include <string>

#include "world/game.h"

namespace qv {
namespace {

// What a file-kind draw makes: the type word and the extension. A null
// extension means "draw a row of extentionslist".
struct FileKind {
  const char* filetype;
  const char* extension;
};

// Server files and the files of administrators, webmasters and hackers.
constexpr FileKind kOrdinaryFiles[] = {
    {"text", ".txt"}, {"zip", ".zip"}, {"other", nullptr}, {"text", ".doc"}};

constexpr FileKind kAntiHackerFiles[] = {
    {"anti-virus", ".exe"},  {"tracker", ".exe"}, {"backup", ".exe"}, {"spike", ".exe"},
    {"heat-seaker", ".exe"}, {"text", ".txt"},    {"text", ".txt"},   {"text", ".txt"},
    {"other", nullptr},      {"other", nullptr}};

constexpr FileKind kTechSupportFiles[] = {
    {"anti-virus", ".exe"}, {"tracker", ".exe"}, {"backup", ".exe"}, {"text", ".txt"},
    {"other", nullptr},     {"other", nullptr},  {"other", nullptr}, {"other", nullptr}};

// A starting countdown is base - Random(span): base - span + 1 .. base.
struct Countdown {
  std::int32_t base;
  std::int32_t span;
};

// Each role's starting countdowns and the files its users carry.
struct RoleProfile {
  const char* role;
  Countdown jumptime, uploadtime, downloadtime, deletetime;
  std::span<const FileKind> files;
};

constexpr RoleProfile kRoleProfiles[] = {
    {"Tech Support", {100, 80}, {400, 100}, {1000, 200}, {200, 90}, kTechSupportFiles},
    {"Administrator", {50, 40}, {160, 50}, {170, 50}, {200, 40}, kOrdinaryFiles},
    {"Webmaster", {50, 25}, {20, 15}, {40, 15}, {40, 15}, kOrdinaryFiles},
    {"Anti-hacker", {30, 29}, {60, 20}, {80, 20}, {60, 20}, kAntiHackerFiles},
    {"Hacker", {40, 30}, {100, 40}, {40, 10}, {80, 35}, kOrdinaryFiles},
};

const RoleProfile* profileOf(const std::string& role) {
  for (const auto& profile : kRoleProfiles) {
    if (role == profile.role) return &profile;
  }
  return nullptr;
}

std::string counterLine(int i) {
  return std::to_string(i) + "/30";
}

// Draws the kind, then the word, then (for "other") the extension.
Afile makeFile(Game& game, std::span<const FileKind> kinds) {
  const FileKind& kind =
      kinds[static_cast<std::size_t>(game.random(static_cast<std::int32_t>(kinds.size())))];
  Afile file;
  file.filetype = kind.filetype;
  file.name = game.drawRow(game.tables.wordlist);
  file.name +=
      kind.extension ? std::string(kind.extension) : game.drawRow(game.tables.extentionslist);
  return file;
}

std::int32_t drawCountdown(Game& game, Countdown c) {
  return c.base - game.random(c.span);
}

// The drive starts with the two system files and nothing else: programs that
// landed while a failed start left the world empty must not stay behind above
// the count.
void startPlayer(Tplayer& player) {
  for (Afile& file : player.harddrive) file = Afile{};
  player.money = 0;
  player.configstable = 1;
  player.commandsstable = 1;
  player.harddrive[1] = Afile{"config.sys", "config.sys", ""};
  player.harddrive[2] = Afile{"commands.sys", "commands.sys", ""};
  player.filecount = 2;
}

void createServer(Game& game, server& s) {
  s.name = game.drawRow(game.tables.servernamelist);
  s.ip = game.drawAddress();
  s.phone = 1410065407 - game.random(410065407);
  s.status = "stable";
  s.suspicion = 1;
  s.servertype = game.random(2) + 1 == 1 ? "money" : "other";
  s.filecount = 100 - game.random(70);
  for (int j = 1; j <= s.filecount; ++j) s.files[j] = makeFile(game, kOrdinaryFiles);
}

// Returns the target server's index.
int placeTarget(Game& game) {
  TMission& mission = game.world.mission;
  const int t = game.random(kServerCount) + 1;
  server& target = game.world.servers[t];
  target.name = mission.targetserver;
  mission.targetindex = t;
  // A new game has not reached its goal yet, whatever the last one did.
  mission.statusGoalReached = false;
  if (mission.missiontype == "downloadfile") {
    const int slot = game.random(target.filecount) + 1;
    target.files[slot] = Afile{"targetfile", mission.filename, ""};
  }
  if (mission.missiontype == "aquiremoney") target.servertype = "money";
  return t;
}

void createUser(Game& game, user& u) {
  u.nickname = game.drawRow(game.tables.NameList);
  u.role = game.drawRow(game.tables.useridlist);
  u.ip = game.drawAddress();
  const RoleProfile* profile = profileOf(u.role);
  // Every row of useridlist has a profile; an unknown role would only come
  // from an edited table and is left without countdowns and files.
  if (profile == nullptr) return;
  u.jumptime = drawCountdown(game, profile->jumptime);
  u.uploadtime = drawCountdown(game, profile->uploadtime);
  u.downloadtime = drawCountdown(game, profile->downloadtime);
  u.deletetime = drawCountdown(game, profile->deletetime);
  u.filecount = game.random(kUserFileSlots) + 1;
  for (int j = 1; j <= u.filecount; ++j) u.files[j] = makeFile(game, profile->files);
}

void populateServer(Game& game, server& s) {
  const int count = game.random(kUserSlots) + 1;
  for (int k = 1; k <= count; ++k) createUser(game, s.users[k]);
}

// Server addresses for the chat room's chatter: the higher the difficulty,
// the fewer rows give the target's own address away.
void addChatAddresses(Game& game, int target) {
  const std::int32_t difficulty = game.world.mission.difficulty;
  auto& wordlist = game.tables.wordlist;
  for (std::int64_t row = 0; row < std::int64_t{difficulty} + 10; ++row) {
    const int i = game.random(kServerCount) + 1;
    wordlist.push_back(game.world.servers[i].ip);
  }
  for (std::int64_t row = 0; row < 5 - std::int64_t{difficulty}; ++row) {
    wordlist.push_back(game.world.servers[target].ip);
  }
}

}  // namespace

void GenerateGame(Game& game) {
  TextPane& console = game.ports().console;
  game.reseed();
  console.replaceLastLine("Creating servers...");
  console.appendLine("");
  startPlayer(game.world.player);
  for (int i = 1; i <= kServerCount; ++i) {
    console.replaceLastLine(counterLine(i));
    createServer(game, game.world.servers[i]);
  }
  const int target = placeTarget(game);
  console.appendLine("Populating Servers...");
  console.appendLine("");
  for (int i = 1; i <= kServerCount; ++i) {
    console.replaceLastLine(counterLine(i));
    populateServer(game, game.world.servers[i]);
  }
  addChatAddresses(game, target);
}

}  // namespace qv
