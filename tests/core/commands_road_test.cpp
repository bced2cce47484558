#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "commands/chatroom.h"
#include "commands/compiler.h"
#include "fakes.h"
#include "missions/lifecycle.h"
#include "sim/population.h"
#include "sim/programs.h"
#include "sim/userfiles.h"

namespace qv {
namespace {

using test::TestGame;

bool looksLikeAnAddress(const std::string& word) {
  return std::count(word.begin(), word.end(), '.') == 3 && word.front() != '.' &&
         word.back() != '.' && std::all_of(word.begin(), word.end(), [](char c) {
           return c == '.' || (c >= '0' && c <= '9');
         });
}

// The first address spoken in the chat room, or "" if none was spoken within
// the given number of ticks.
std::string listenForAnAddress(TestGame& t, int ticks) {
  std::size_t seen = t.console.content.size();
  for (int tick = 0; tick < ticks; ++tick) {
    ChatTimerTimer(t.game);
    for (; seen < t.console.content.size(); ++seen) {
      std::istringstream words(t.console.content[seen]);
      for (std::string word; words >> word;) {
        if (looksLikeAnAddress(word)) return word;
      }
    }
  }
  return "";
}

std::string after(const std::string& line, const std::string& marker) {
  const auto at = line.find(marker);
  return at == std::string::npos ? "" : line.substr(at + marker.size());
}

// The player's road on a generated world: from the chat room's chatter to a
// server's files and back.
TEST(Road, FromTheChatroomToAServerAndBack) {
  TestGame t;
  TMission& mission = t.world().mission;
  mission.name = "First steps";
  mission.missiontype = "downloadfile";
  mission.targetserver = "Target Corp";
  mission.filename = "blueprint.txt";
  mission.description = "Find the blueprint.";
  FormActivate(t.game);  // the mission dialog is cancelled: the mission stays
  ASSERT_TRUE(t.game.activated);

  std::string address;
  for (int visit = 0; visit < 5 && address.empty(); ++visit) {
    t.enter("//chatroom");
    address = listenForAnAddress(t, 300);
  }
  ASSERT_FALSE(address.empty()) << "nobody in the chat room spoke an address";

  t.enter("//idip " + address);
  const std::string phone = after(t.console.content.back(), " = ");
  ASSERT_FALSE(phone.empty());

  t.enter("//dial " + phone);
  const std::int32_t here = t.world().player.currentserver;
  ASSERT_GE(here, 1);
  ASSERT_LE(here, kServerCount);
  EXPECT_EQ(t.srv(here).ip.str(), address);
  EXPECT_FALSE(t.timers.isEnabled(TimerId::ChatTimer));

  t.enter("//whois");
  const auto whois = std::find(t.console.content.begin(), t.console.content.end(),
                               "Users logged onto " + t.srv(here).name);
  ASSERT_NE(whois, t.console.content.end());

  t.enter("//ls");
  const std::size_t listing = t.console.content.size();
  const server& s = t.srv(here);
  ASSERT_GE(s.filecount, 1);
  const std::string name = s.files[1].name;
  EXPECT_EQ(t.console.content[listing - static_cast<std::size_t>(s.filecount)], name);

  const std::int32_t driveBefore = t.world().player.filecount;
  t.enter("//download " + name);
  EXPECT_GT(t.world().player.filecount, driveBefore);
  EXPECT_EQ(t.world().player.harddrive[driveBefore + 1].name, name);

  t.enter("//harddrive");
  const std::string listed = name + "  :  " + t.world().player.harddrive[driveBefore + 1].filetype;
  EXPECT_NE(std::find(t.console.content.begin(), t.console.content.end(), listed),
            t.console.content.end());

  const std::int32_t serverBefore = s.filecount;
  t.enter("//uploadfile " + name);
  EXPECT_EQ(t.console.content.back(), "Upload complete");
  EXPECT_GT(s.filecount, serverBefore);
  EXPECT_EQ(s.files[serverBefore + 1].name, name);
}

// Each sample mission, played from dialling its target to the win line: the
// file is downloaded, or a thief or deleter is made and uploaded (again
// whenever it is gone), while every running timer fires each game second.
TEST(Road, EverySampleMissionIsWonByTypedCommands) {
  for (const auto& [file, finish] : {std::pair{"blackout.qmf", "//create virus deleter"},
                                     {"paper_trail.qmf", "//download cargolist.txt"},
                                     {"tin_cup.qmf", "//create virus thief"}}) {
    TestGame t;
    t.windows.missionAnswers.push_back(std::string(QV_SOURCE_DIR "/src/assets/missions/") + file);
    FormActivate(t.game);
    const server& target = t.srv(t.world().mission.targetindex);
    const std::int64_t start = t.pace.slept;
    std::vector<std::string> road = {"//idip " + target.ip.str()};
    t.enter(road.back());
    for (const std::string& line :
         {"//dial " + after(t.console.content.back(), " = "), std::string(finish)})
      t.enter(road.emplace_back(line));
    const std::string& made = t.world().player.harddrive[t.world().player.filecount + 1].name;
    const auto& lines = t.console.content;
    while (std::find(lines.begin(), lines.end(), "you won the mission!") == lines.end()) {
      ASSERT_LT(t.pace.slept, 3'600'000) << file;
      t.pace.sleep(1000);
      for (int step = 0; step < 33; ++step) CodeTimerTimer(t.game);  // 30 ms a step
      JumpTimerTimer(t.game);
      UserfiletimerTimer(t.game);
      attacktimerTimer(t.game);
      const bool planted = std::any_of(target.files.begin(), target.files.end(),
                                       [&](const Afile& f) { return f.name == made; });
      if (!made.empty() && !planted) t.enter(road.emplace_back("//uploadfile " + made));
    }
    std::cout << file << ": won in " << (t.pace.slept - start) / 1000 << " game seconds:";
    for (const std::string& line : road) std::cout << " | " << line;
    std::cout << "\n";
  }
}

}  // namespace
}  // namespace qv
