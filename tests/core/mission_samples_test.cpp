#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "missions/mission_file.h"
#include "world/records.h"

namespace qv {
namespace {

// The missions shipped with the game. Their files are written by the editor's
// own writer: run this test with QV_WRITE_SAMPLES=1 to regenerate them after
// changing a mission here.
struct Sample {
  const char* file;
  EditorMission mission;
};

EditorMission sample(std::string name, int type, std::string server, std::string goal,
                     std::int32_t money, std::string description, std::int32_t time) {
  EditorMission m;
  m.name = std::move(name);
  m.typeIndex = type;
  m.server = std::move(server);
  m.goal = std::move(goal);
  m.money = money;
  m.description = std::move(description);
  m.time = time;
  return m;
}

const Sample kSamples[] = {
    {"blackout.qmf",
     sample("Blackout at Harrowgate", 0, "WWW.HARROWGATE-GRIDWORKS.COM", "down", 0,
            "The Harrowgate grid keeps a whole valley awake. Its server's address comes up in "
            "the hacker chat room now and then: listen there, learn which number it answers on, "
            "dial in, stay unseen and bring the server down before the night shift notices.",
            600)},
    {"paper_trail.qmf",
     sample("Paper Trail", 1, "WWW.VELDMARK-FREIGHT.NET", "cargolist.txt", 0,
            "Veldmark Freight swears its ships carry only grain. Their cargo list, "
            "cargolist.txt, says otherwise. Someone in the hacker chat room knows the address "
            "of their server: start there, get onto it, take the list and get out.",
            900)},
    {"tin_cup.qmf",
     sample("Tin Cup", 2, "WWW.GRAINLEY-SAVINGS.ORG", "", 25000,
            "Grainley Savings skims its customers a few cents at a time. Start in the hacker "
            "chat room, where the address of their server comes up sooner or later. Get onto "
            "it, plant a thief and take 25000 back.",
            1200)},
};

std::string samplePath(const char* file) {
  return std::string(QV_SOURCE_DIR) + "/src/assets/missions/" + file;
}

TEST(MissionSamples, ShippedFilesAreWhatTheWriterProduces) {
  const bool regenerate = std::getenv("QV_WRITE_SAMPLES") != nullptr;
  for (const Sample& s : kSamples) {
    SCOPED_TRACE(s.file);
    const std::string bytes = writeMission(s.mission);
    if (regenerate) saveMissionBytes(samplePath(s.file), bytes);
    EXPECT_EQ(loadMissionBytes(samplePath(s.file)), bytes);
  }
}

TEST(MissionSamples, EveryShippedMissionLoadsWhole) {
  for (const Sample& s : kSamples) {
    SCOPED_TRACE(s.file);
    TMission m;
    readMissionInto(m, loadMissionBytes(samplePath(s.file)));
    EXPECT_EQ(m.name, s.mission.name);
    EXPECT_EQ(m.missiontype, kMissionTypeKeywords[s.mission.typeIndex]);
    EXPECT_EQ(m.targetserver, s.mission.server);
    EXPECT_LE(m.targetserver.size(), 30u);  // a server name holds 30 characters
    EXPECT_EQ(m.description, s.mission.description);
    EXPECT_EQ(m.time, s.mission.time);
    EditorMission e;
    readMissionIntoEditor(e, loadMissionBytes(samplePath(s.file)));
    EXPECT_EQ(writeMission(e), writeMission(s.mission));
  }
}

}  // namespace
}  // namespace qv
