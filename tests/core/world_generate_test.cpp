#include <gtest/gtest.h>

#include <set>

#include "fakes.h"
#include "world/generate.h"

namespace qv {
namespace {

using test::TestGame;

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A few times of day, so invariants are checked on several different worlds.
const std::int64_t kTimes[] = {test::kNoonishMs, 0, 1, 3'600'000, 86'399'999};

TEST(WorldGenerate, ServerOneAtTheFixedTime) {
  TestGame t;
  GenerateGame(t.game);
  const server& s = t.srv(1);
  EXPECT_EQ(s.name.str(), t.game.tables.servernamelist[26]);  // row 27, a web host
  EXPECT_EQ(s.ip.str(), "69.90.6.178");
  EXPECT_EQ(s.phone, 1222771844);
  EXPECT_EQ(s.servertype, "money");
  EXPECT_EQ(s.filecount, 65);
  EXPECT_EQ(s.status, "stable");
  EXPECT_EQ(s.suspicion, 1);
}

TEST(WorldGenerate, SameTimeOfDayGivesTheSameWorld) {
  TestGame a, b;
  GenerateGame(a.game);
  GenerateGame(b.game);
  for (int i = 1; i <= kServerCount; ++i) {
    EXPECT_EQ(a.srv(i).ip, b.srv(i).ip);
    EXPECT_EQ(a.srv(i).users[1].nickname, b.srv(i).users[1].nickname);
  }
  EXPECT_EQ(a.game.tables.wordlist, b.game.tables.wordlist);
}

TEST(WorldGenerate, PlayerStartsWithTheTwoSystemFiles) {
  TestGame t;
  t.world().player.money = 99;
  t.world().player.currentserver = kNotConnected;
  // Three programs built before a start that failed on its mission file.
  for (int k = 1; k <= 3; ++k) t.world().player.harddrive[k] = Afile{"deleter", "x.del", ""};
  t.world().player.filecount = 3;
  GenerateGame(t.game);
  const Tplayer& p = t.world().player;
  EXPECT_TRUE(p.harddrive[3].name.empty());
  EXPECT_EQ(p.money, 0);
  EXPECT_EQ(p.configstable, 1);
  EXPECT_EQ(p.commandsstable, 1);
  EXPECT_EQ(p.filecount, 2);
  EXPECT_EQ(p.harddrive[1].filetype, "config.sys");
  EXPECT_EQ(p.harddrive[1].name, "config.sys");
  EXPECT_EQ(p.harddrive[2].filetype, "commands.sys");
  EXPECT_EQ(p.harddrive[2].name, "commands.sys");
  EXPECT_EQ(p.currentserver, kNotConnected);  // left alone
}

TEST(WorldGenerate, ProgressLinesAreRewrittenInPlace) {
  TestGame t;
  t.console.appendLine("welcome");
  t.console.appendLine("");
  GenerateGame(t.game);
  EXPECT_EQ(t.console.content, (std::vector<std::string>{"welcome", "Creating servers...", "30/30",
                                                         "Populating Servers...", "30/30"}));
  // Two line writes before each pass plus one rewrite per server per pass.
  EXPECT_EQ(t.console.changes, 2 + 2 + 30 + 2 + 30);
  EXPECT_EQ(t.pace.slept, 0);  // immediate, no typing
}

void expectServerFiles(const server& s) {
  ASSERT_GE(s.filecount, 31);
  ASSERT_LE(s.filecount, 100);
  for (int j = 1; j <= kServerFileSlots; ++j) {
    const Afile& f = s.files[j];
    if (j > s.filecount) {
      EXPECT_TRUE(f.name.empty() && f.filetype.empty());
      continue;
    }
    const bool ordinary =
        (f.filetype == "text" && (endsWith(f.name, ".txt") || endsWith(f.name, ".doc"))) ||
        (f.filetype == "zip" && endsWith(f.name, ".zip")) || f.filetype == "other";
    EXPECT_TRUE(ordinary) << f.filetype << " " << f.name;
  }
}

void expectUserFiles(const user& u) {
  ASSERT_GE(u.filecount, 1);
  ASSERT_LE(u.filecount, 20);
  const bool carriesPrograms = u.role == "Anti-hacker" || u.role == "Tech Support";
  for (int j = 1; j <= kUserFileSlots; ++j) {
    const Afile& f = u.files[j];
    if (j > u.filecount) {
      EXPECT_TRUE(f.name.empty()) << "slot " << j << " beyond filecount";
      continue;
    }
    EXPECT_FALSE(f.name.empty());
    if (carriesPrograms) {
      EXPECT_FALSE(endsWith(f.name, ".zip") || endsWith(f.name, ".doc")) << u.role << " " << f.name;
    } else {
      EXPECT_FALSE(endsWith(f.name, ".exe")) << u.role << " " << f.name;
      EXPECT_TRUE(f.filetype == "text" || f.filetype == "zip" || f.filetype == "other");
    }
  }
}

struct Range {
  int lo, hi;
};
struct RoleRanges {
  Range jump, upload, download, del;
};

RoleRanges rangesOf(const std::string& role) {
  if (role == "Tech Support") return {{21, 100}, {301, 400}, {801, 1000}, {111, 200}};
  if (role == "Administrator") return {{11, 50}, {111, 160}, {121, 170}, {161, 200}};
  if (role == "Webmaster") return {{26, 50}, {6, 20}, {26, 40}, {26, 40}};
  if (role == "Anti-hacker") return {{2, 30}, {41, 60}, {61, 80}, {41, 60}};
  if (role == "Hacker") return {{11, 40}, {61, 100}, {31, 40}, {46, 80}};
  ADD_FAILURE() << "unknown role " << role;
  return {};
}

void expectInRange(int value, Range r, const char* what) {
  EXPECT_GE(value, r.lo) << what;
  EXPECT_LE(value, r.hi) << what;
}

TEST(WorldGenerate, ServersUsersAndFilesKeepTheirBounds) {
  std::set<std::string> roles;
  for (const std::int64_t time : kTimes) {
    TestGame t(time);
    GenerateGame(t.game);
    for (int i = 1; i <= kServerCount; ++i) {
      const server& s = t.srv(i);
      expectServerFiles(s);
      int users = 0;
      for (int k = 1; k <= kUserSlots; ++k) {
        const user& u = s.users[k];
        if (u.nickname.empty()) {
          EXPECT_TRUE(u.role.empty() && u.ip.empty() && u.filecount == 0);
          continue;
        }
        EXPECT_EQ(k, ++users) << "users fill the slots from 1";
        roles.insert(u.role);
        const RoleRanges r = rangesOf(u.role);
        expectInRange(u.jumptime, r.jump, "jumptime");
        expectInRange(u.uploadtime, r.upload, "uploadtime");
        expectInRange(u.downloadtime, r.download, "downloadtime");
        expectInRange(u.deletetime, r.del, "deletetime");
        expectUserFiles(u);
      }
      EXPECT_GE(users, 1);
    }
  }
  EXPECT_EQ(roles, (std::set<std::string>{"Tech Support", "Administrator", "Webmaster",
                                          "Anti-hacker", "Hacker"}));
}

TEST(WorldGenerate, ProgramsAppearOnlyWithTechSupportAndAntiHackers) {
  std::set<std::string> programKinds;
  for (const std::int64_t time : kTimes) {
    TestGame t(time);
    GenerateGame(t.game);
    for (int i = 1; i <= kServerCount; ++i) {
      for (const user& u : t.srv(i).users) {
        for (int j = 1; j <= u.filecount; ++j) {
          const Afile& f = u.files[j];
          if (!endsWith(f.name, ".exe")) continue;
          EXPECT_TRUE(u.role == "Anti-hacker" || u.role == "Tech Support") << u.role;
          programKinds.insert(f.filetype);
        }
      }
    }
  }
  EXPECT_EQ(programKinds,
            (std::set<std::string>{"anti-virus", "tracker", "backup", "spike", "heat-seaker"}));
}

int countTargetFiles(TestGame& t) {
  int count = 0;
  for (int i = 1; i <= kServerCount; ++i) {
    for (int j = 1; j <= t.srv(i).filecount; ++j)
      count += t.srv(i).files[j].filetype == "targetfile";
  }
  return count;
}

TEST(WorldGenerate, DownloadMissionPlacesOneTargetFileUnderItsExactName) {
  for (const std::int64_t time : kTimes) {
    TestGame t(time);
    TMission& m = t.world().mission;
    m.missiontype = "downloadfile";
    m.targetserver = "Deep Vault";
    m.filename = "Secret Plans";  // no extension is added
    GenerateGame(t.game);
    const int target = m.targetindex;
    ASSERT_GE(target, 1);
    ASSERT_LE(target, kServerCount);
    EXPECT_EQ(t.srv(target).name.str(), "Deep Vault");
    EXPECT_EQ(countTargetFiles(t), 1);
    int onTarget = 0;
    for (int j = 1; j <= t.srv(target).filecount; ++j) {
      const Afile& f = t.srv(target).files[j];
      if (f.filetype == "targetfile") {
        ++onTarget;
        EXPECT_EQ(f.name, "Secret Plans");
      }
    }
    EXPECT_EQ(onTarget, 1);
  }
}

TEST(WorldGenerate, MoneyMissionMakesTheTargetAMoneyServer) {
  int turned = 0;
  for (std::int64_t time = 0; time < 40; ++time) {
    TestGame plain(time), money(time);
    GenerateGame(plain.game);
    money.world().mission.missiontype = "aquiremoney";
    GenerateGame(money.game);
    const int target = money.world().mission.targetindex;
    ASSERT_EQ(target, plain.world().mission.targetindex);  // same draws
    EXPECT_EQ(money.srv(target).servertype, "money");
    turned += plain.srv(target).servertype == "other";
    EXPECT_EQ(countTargetFiles(money), 0);
  }
  EXPECT_GT(turned, 0) << "no seed drew an \"other\" target to turn";
}

TEST(WorldGenerate, LongTargetNameIsCutToThirtyCharactersAndTheGoalIsStillAhead) {
  TestGame t;
  t.world().mission.targetserver = std::string(40, 'x');
  t.world().mission.statusGoalReached = true;  // by the game before
  GenerateGame(t.game);
  EXPECT_EQ(t.srv(t.world().mission.targetindex).name.str(), std::string(30, 'x'));
  EXPECT_FALSE(t.world().mission.statusGoalReached);
}

TEST(WorldGenerate, EmptyMissionLeavesTheTargetNamelessAndLeaksItsAddressFiveTimes) {
  TestGame t;
  GenerateGame(t.game);
  const int target = t.world().mission.targetindex;
  EXPECT_TRUE(t.srv(target).name.empty());
  EXPECT_EQ(countTargetFiles(t), 0);
  const auto& words = t.game.tables.wordlist;
  ASSERT_EQ(words.size(), 328u);
  EXPECT_EQ(words[312], "GOD");
  std::set<std::string> addresses;
  for (int i = 1; i <= kServerCount; ++i) addresses.insert(t.srv(i).ip);
  for (std::size_t row = 313; row < 323; ++row) EXPECT_EQ(addresses.count(words[row]), 1u);
  for (std::size_t row = 323; row < 328; ++row) EXPECT_EQ(words[row], t.srv(target).ip.str());
}

TEST(WorldGenerate, HardDifficultyLeaksTheTargetTwice) {
  TestGame easy, hard;
  GenerateGame(easy.game);
  hard.world().mission.difficulty = 3;
  GenerateGame(hard.game);
  const auto& words = hard.game.tables.wordlist;
  ASSERT_EQ(words.size(), 328u);
  const std::string targetIp = hard.srv(hard.world().mission.targetindex).ip;
  EXPECT_EQ(words[326], targetIp);
  EXPECT_EQ(words[327], targetIp);
  // The first ten random rows are the same draws at either difficulty; the
  // harder game draws three more where the easier one names the target.
  for (std::size_t row = 313; row < 323; ++row)
    EXPECT_EQ(words[row], easy.game.tables.wordlist[row]);
}

}  // namespace
}  // namespace qv
