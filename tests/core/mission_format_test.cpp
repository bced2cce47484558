#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "missions/mission_file.h"
#include "missions/mission_items.h"
#include "world/game_error.h"
#include "world/records.h"

namespace qv {
namespace {

const std::string kInvalid = "Invalid numeric input";

// The message of the GameError a call throws, or nothing.
template <typename Fn>
std::optional<std::string> errorOf(Fn&& fn) {
  try {
    fn();
  } catch (const GameError& e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

EditorMission statusMission() {
  EditorMission m;
  m.name = "Lights Out";
  m.typeIndex = 0;
  m.server = "WWW.ZORBLAX.COM";
  m.goal = "down";
  m.money = 777;  // ignored for this type
  m.description = "Take the grid offline.";
  m.time = 300;
  return m;
}

TMission filledRecord() {
  TMission m;
  m.name = "old name";
  m.missiontype = "old type";
  m.targetserver = "old server";
  m.goalstatus = "old goal";
  m.filename = "old file";
  m.money = 11;
  m.description = "old description";
  m.time = 22;
  return m;
}

TEST(MissionWriter, ServerStatusMissionIsEightCrLfLines) {
  EXPECT_EQ(writeMission(statusMission()),
            "Lights Out\r\nserverstatus\r\nWWW.ZORBLAX.COM\r\ndown\r\n\r\n0\r\n"
            "Take the grid offline.\r\n300\r\n");
}

TEST(MissionWriter, GoalBoxGoesToTheLineOfTheSelectedType) {
  EditorMission m = statusMission();
  m.goal = "plans.doc";
  m.typeIndex = 1;
  EXPECT_EQ(writeMission(m),
            "Lights Out\r\ndownloadfile\r\nWWW.ZORBLAX.COM\r\n\r\nplans.doc\r\n0\r\n"
            "Take the grid offline.\r\n300\r\n");
  m.typeIndex = 2;
  m.money = -5;
  m.time = -2147483647 - 1;
  EXPECT_EQ(writeMission(m),
            "Lights Out\r\naquiremoney\r\nWWW.ZORBLAX.COM\r\n\r\n\r\n-5\r\n"
            "Take the grid offline.\r\n-2147483648\r\n");
}

TEST(MissionWriter, DescriptionLineBreaksStayInsideItsItem) {
  EditorMission m = statusMission();
  m.description = "one\ntwo\r\nthree\r\n";  // every line break is written as a lone LF
  const std::string bytes = writeMission(m);
  EXPECT_NE(bytes.find("\r\n0\r\none\ntwo\nthree\n\r\n300\r\n"), std::string::npos) << bytes;
  m.description = "\r\nlead\rend";
  EXPECT_NE(writeMission(m).find("\r\n0\r\n\nlead\nend\r\n300\r\n"), std::string::npos);
}

TEST(MissionRoundTrip, EveryTypeComesBackThroughTheEditorReader) {
  for (int type = 0; type < 3; ++type) {
    EditorMission saved = statusMission();
    saved.typeIndex = type;
    saved.goal = type == 1 ? "secret.txt" : "destroyed";
    saved.money = 123456;
    EditorMission loaded;  // a fresh editor: first type, "down", amount 0
    loaded.typeIndex = type == 0 ? 2 : 0;
    loaded.goal = "untouched";
    readMissionIntoEditor(loaded, writeMission(saved));
    SCOPED_TRACE(type);
    EXPECT_EQ(loaded.name, saved.name);
    EXPECT_EQ(loaded.typeIndex, type);
    EXPECT_EQ(loaded.server, saved.server);
    EXPECT_EQ(loaded.goal, type == 2 ? "untouched" : saved.goal);
    EXPECT_EQ(loaded.money, type == 2 ? 123456 : 0);
    EXPECT_EQ(loaded.description, saved.description);
    EXPECT_EQ(loaded.time, 300);
    EXPECT_EQ(loaded.goalLabel, type == 1 ? kFileNameLabel : kGoalStatusLabel);
  }
}

TEST(MissionRoundTrip, GameReaderTakesTheItemsUnchecked) {
  EditorMission saved = statusMission();
  saved.name = "  padded  ";
  saved.typeIndex = 2;
  saved.money = 5000;
  TMission m = filledRecord();
  readMissionInto(m, writeMission(saved));
  EXPECT_EQ(m.name, "  padded  ");
  EXPECT_EQ(m.missiontype, "aquiremoney");
  EXPECT_EQ(m.targetserver, "WWW.ZORBLAX.COM");
  EXPECT_EQ(m.goalstatus, "");
  EXPECT_EQ(m.filename, "");
  EXPECT_EQ(m.money, 5000);
  EXPECT_EQ(m.description, "Take the grid offline.");
  EXPECT_EQ(m.time, 300);
}

TEST(MissionItems, IntegerForms) {
  struct Case {
    const char* bytes;
    std::int32_t value;
  };
  const Case good[] = {
      {"", 0},
      {" \t\r\n\r\n", 0},
      {"\r\n\r\n  45 word\r\n", 45},
      {"+17", 17},
      {"-17\r\n", -17},
      {"$1f", 31},
      {"x1F", 31},
      {"X1f", 31},
      {"0x7FFFFFFF", 2147483647},
      {"0X1f", 31},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"007", 7},
  };
  for (const Case& c : good) {
    MissionItemReader items(c.bytes);
    EXPECT_EQ(items.readInteger(), c.value) << c.bytes;
  }
  for (const char* bad : {"2147483648", "-2147483649", "12ab", "$", "0x", "word 12", "1.5", "-"}) {
    MissionItemReader items(bad);
    EXPECT_EQ(errorOf([&] { items.readInteger(); }), kInvalid) << bad;
  }
}

TEST(MissionItems, IntegerSkipsTheRestOfItsLineOnly) {
  MissionItemReader items("  45 word\nstill line\r\nnext\r\n");
  EXPECT_EQ(items.readInteger(), 45);
  EXPECT_EQ(items.readText(), "next");
  EXPECT_EQ(items.readText(), "");
}

TEST(MissionItems, TextEndsAtCrAndKeepsALoneLf) {
  MissionItemReader items("a\nb\r\n\r\nc\rd\r\r\ne");
  EXPECT_EQ(items.readText(), "a\nb");
  EXPECT_EQ(items.readText(), "");
  EXPECT_EQ(items.readText(), "c");  // a CR without LF still ends the item
  EXPECT_EQ(items.readText(), "d");
  EXPECT_EQ(items.readText(), "");  // CR, CR LF: the second CR ends an empty item
  EXPECT_EQ(items.readText(), "e");
  EXPECT_EQ(items.readText(), "");
}

TEST(MissionItems, CtrlZEndsTheFile) {
  MissionItemReader items(
      "name\r\nser\x1A"
      "ver\r\n42\r\n");
  EXPECT_EQ(items.readText(), "name");
  EXPECT_EQ(items.readText(), "ser");
  EXPECT_EQ(items.readInteger(), 0);
  EXPECT_EQ(items.readText(), "");
}

TEST(MissionReaders, EmptyFileReadsAsEmptyItemsAndZeros) {
  TMission m = filledRecord();
  m.difficulty = 3;
  readMissionInto(m, "");
  EXPECT_EQ(m.name + m.missiontype + m.targetserver + m.goalstatus + m.filename + m.description,
            "");
  EXPECT_EQ(m.money, 0);
  EXPECT_EQ(m.time, 0);
  EXPECT_EQ(m.difficulty, 3);  // not part of the file

  EditorMission e;
  e.typeIndex = 1;
  e.goalLabel = kFileNameLabel;
  readMissionIntoEditor(e, "");
  EXPECT_EQ(e.name, "");
  EXPECT_EQ(e.typeIndex, 1);
  EXPECT_EQ(e.goal, "");  // from the empty line 5
  EXPECT_EQ(e.description, "");
  EXPECT_EQ(e.time, 0);
}

TEST(MissionReaders, ShortFileReadsWithoutError) {
  TMission m = filledRecord();
  readMissionInto(m, "Only a name\r\nserverstatus");
  EXPECT_EQ(m.name, "Only a name");
  EXPECT_EQ(m.missiontype, "serverstatus");
  EXPECT_EQ(m.targetserver, "");
  EXPECT_EQ(m.money, 0);
  EXPECT_EQ(m.time, 0);
}

// A file from an older editor, which wrote a description's line breaks as
// CR LF, so that its lines spilled over the items after it.
std::string withSpilledDescription(EditorMission m, const std::string& description) {
  m.description = "\x01";
  std::string bytes = writeMission(m);
  return bytes.replace(bytes.find('\x01'), 1, description);
}

TEST(MissionReaders, TwoLineDescriptionStartingWithAWordFailsOnTheTime) {
  const std::string bytes = withSpilledDescription(statusMission(), "First line\r\nsecond line");

  TMission m = filledRecord();
  EXPECT_EQ(errorOf([&] { readMissionInto(m, bytes); }), kInvalid);
  EXPECT_EQ(m.description, "First line");
  EXPECT_EQ(m.money, 0);
  EXPECT_EQ(m.time, 22);  // the failing field keeps its value

  EditorMission e;
  e.time = 9;
  EXPECT_EQ(errorOf([&] { readMissionIntoEditor(e, bytes); }), kInvalid);
  EXPECT_EQ(e.name, "Lights Out");
  EXPECT_EQ(e.description, "First line");
  EXPECT_EQ(e.time, 9);
}

TEST(MissionReaders, TwoLineDescriptionStartingWithANumberGivesThatTime) {
  EditorMission saved = statusMission();
  saved.time = 9999;
  const std::string bytes = withSpilledDescription(saved, "First line\r\n2 hours left");

  TMission m = filledRecord();
  readMissionInto(m, bytes);
  EXPECT_EQ(m.description, "First line");
  EXPECT_EQ(m.time, 2);
  EditorMission e;
  readMissionIntoEditor(e, bytes);
  EXPECT_EQ(e.description, "First line");
  EXPECT_EQ(e.time, 2);
}

TEST(MissionReaders, DescriptionEndingWithALineBreakStillGivesTheTime) {
  TMission m;
  readMissionInto(m, withSpilledDescription(statusMission(), "Ends with a break\r\n"));
  EXPECT_EQ(m.description, "Ends with a break");
  EXPECT_EQ(m.time, 300);
}

TEST(MissionReaders, FailureKeepsWhatWasReadBefore) {
  const std::string bytes =
      "Half\r\ndownloadfile\r\nSRV\r\ngoal\r\nfile.txt\r\nlots\r\ndesc\r\n5\r\n";
  TMission m = filledRecord();
  EXPECT_EQ(errorOf([&] { readMissionInto(m, bytes); }), kInvalid);
  EXPECT_EQ(m.name, "Half");
  EXPECT_EQ(m.missiontype, "downloadfile");
  EXPECT_EQ(m.targetserver, "SRV");
  EXPECT_EQ(m.goalstatus, "goal");
  EXPECT_EQ(m.filename, "file.txt");
  EXPECT_EQ(m.money, 11);
  EXPECT_EQ(m.description, "old description");
  EXPECT_EQ(m.time, 22);

  EditorMission e;
  e.money = 4;
  EXPECT_EQ(errorOf([&] { readMissionIntoEditor(e, bytes); }), kInvalid);
  EXPECT_EQ(e.typeIndex, 1);
  EXPECT_EQ(e.goalLabel, kFileNameLabel);
  EXPECT_EQ(e.goal, "file.txt");
  EXPECT_EQ(e.money, 4);
  EXPECT_EQ(e.description, EditorMission().description);
}

TEST(MissionReaders, UnknownKeywordIsStoredByTheGameAndIgnoredByTheEditor) {
  const std::string bytes = "N\r\nServerstatus\r\nS\r\nline four\r\nline five\r\n0\r\nd\r\n1\r\n";
  TMission m;
  readMissionInto(m, bytes);
  EXPECT_EQ(m.missiontype, "Serverstatus");

  EditorMission e;
  e.typeIndex = 1;
  e.goalLabel = "caption as it was";
  readMissionIntoEditor(e, bytes);
  EXPECT_EQ(e.typeIndex, 1);
  EXPECT_EQ(e.goalLabel, kFileNameLabel);  // the click handler runs all the same
  EXPECT_EQ(e.goal, "line five");

  e.typeIndex = 2;
  e.goalLabel = "kept";
  e.goal = "kept goal";
  readMissionIntoEditor(e, bytes);
  EXPECT_EQ(e.goalLabel, "kept");
  EXPECT_EQ(e.goal, "kept goal");
  EXPECT_EQ(e.money, 0);
}

// Any bytes at all either load or fail with the one reader error.
TEST(MissionReaders, ArbitraryBytesLoadOrFailCleanly) {
  const char alphabet[] = {'\r', '\n', '\x1A', ' ', '\t', '-', '+',
                           '$',  'x',  '0',    '9', 'f',  'z', '\xFF'};
  std::uint32_t seed = 12345;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    for (int i = static_cast<int>(seed % 40); i > 0; --i) {
      seed = seed * 134775813u + 1u;
      bytes += alphabet[(seed >> 16) % sizeof alphabet];
    }
    seed = seed * 134775813u + 1u;
    TMission m;
    EditorMission e;
    for (const auto& error : {errorOf([&] { readMissionInto(m, bytes); }),
                              errorOf([&] { readMissionIntoEditor(e, bytes); })}) {
      EXPECT_EQ(error.value_or(kInvalid), kInvalid);
    }
    EXPECT_GE(e.typeIndex, 0);
    EXPECT_LE(e.typeIndex, 2);
  }
}

TEST(MissionEditor, GoalLabelFollowsTheTypeClicks) {
  std::string label = kGoalStatusLabel;
  label = goalLabelAfterTypeClick(1, label);
  EXPECT_EQ(label, kFileNameLabel);
  label = goalLabelAfterTypeClick(2, label);
  EXPECT_EQ(label, kFileNameLabel);
  label = goalLabelAfterTypeClick(0, label);
  EXPECT_EQ(label, kGoalStatusLabel);
  EXPECT_EQ(goalLabelAfterTypeClick(2, label), kGoalStatusLabel);
}

}  // namespace
}  // namespace qv
