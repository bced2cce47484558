#include <gtest/gtest.h>
#include <algorithm>

#include "commands/command_rules.h"
#include "commands_world.h"

namespace qv {
namespace {

using test::addToDrive;
using test::addToServer;
using test::buildPlainWorld;
using test::fileNamed;
using test::Lines;
using test::TestGame;

struct Files : ::testing::Test {
  Files() {
    buildPlainWorld(t);
    addToDrive(t, fileNamed("config.sys", "config.sys"));
    addToDrive(t, fileNamed("commands.sys", "commands.sys"));
  }
  void connect(int i) { t.world().player.currentserver = i; }
  void fillDriveTo(std::int32_t count) {
    for (std::int32_t n = t.world().player.filecount; n < count; ++n) {
      addToDrive(t, fileNamed("filler" + std::to_string(n) + ".txt"));
    }
  }
  Tplayer& player() { return t.world().player; }
  TestGame t;
};

TEST_F(Files, LsWalksEverySlotAndSkipsEmptyOnes) {
  connect(4);
  t.srv(4).files[1] = fileNamed("a.txt");
  t.srv(4).files[57] = fileNamed("b.zip", "zip");  // beyond filecount
  t.srv(4).filecount = 1;
  t.enter("//ls");
  EXPECT_EQ(t.console.content, (Lines{"Server4/ROOT/", "", "a.txt", "b.zip"}));
}

TEST_F(Files, LsOfAnEmptyServerIsTheHeadingAndOneEmptyLine) {
  connect(4);
  t.enter("//ls");
  EXPECT_EQ(t.console.content, (Lines{"Server4/ROOT/", ""}));
}

TEST_F(Files, HarddriveListsNameAndTypeEverywhere) {
  addToDrive(t, fileNamed("notes.txt"));
  for (const std::int32_t where : {kNotConnected, kInChatroom, 2}) {
    t.console.content.clear();
    connect(where);
    t.enter("//harddrive");
    EXPECT_EQ(t.console.content, (Lines{"Contents of ROOT/", "config.sys  :  config.sys",
                                        "commands.sys  :  commands.sys", "notes.txt  :  text"}));
  }
}

TEST_F(Files, DownloadIgnoresLetterCaseAndCopiesTheStoredRecord) {
  connect(5);
  addToServer(t, 5, Afile{"zip", "Secret.ZIP", "kept"});
  t.enter("//download SECRET.zip");
  EXPECT_EQ(t.console.content,
            (Lines{"Downloading file secret.zip.....", "Download of file secret.zip complete."}));
  EXPECT_EQ(player().filecount, 3);
  EXPECT_EQ(player().harddrive[3].name, "Secret.ZIP");
  EXPECT_EQ(player().harddrive[3].filetype, "zip");
  EXPECT_EQ(player().harddrive[3].info, "kept");
  EXPECT_EQ(t.srv(5).filecount, 1);  // the server keeps its copy
  EXPECT_EQ(t.srv(5).suspicion, 1);
}

TEST_F(Files, DownloadOfSameNamedFilesStopsSilentlyWhenTheDriveIsFull) {
  connect(5);
  addToServer(t, 5, fileNamed("twin.txt"));
  addToServer(t, 5, fileNamed("other.txt"));
  addToServer(t, 5, fileNamed("twin.txt", "zip"));
  fillDriveTo(19);
  t.enter("//download twin.txt");
  EXPECT_EQ(t.console.content,
            (Lines{"Downloading file twin.txt.....", "Download of file twin.txt complete."}));
  EXPECT_EQ(player().filecount, 20);
  EXPECT_EQ(player().harddrive[20].filetype, "text");

  t.console.content.clear();
  t.enter("//download other.txt");
  EXPECT_TRUE(t.console.content.empty());
  EXPECT_EQ(player().filecount, 20);
}

TEST_F(Files, DownloadCopiesEveryFileOfThatNameWhileThereIsRoom) {
  connect(5);
  addToServer(t, 5, fileNamed("twin.txt"));
  addToServer(t, 5, fileNamed("TWIN.TXT", "zip"));
  t.enter("//download twin.txt");
  EXPECT_EQ(t.console.content.size(), 4u);
  EXPECT_EQ(player().filecount, 4);
  EXPECT_EQ(player().harddrive[4].name, "TWIN.TXT");
}

TEST_F(Files, DownloadingTheMissionFileWinsTheMission) {
  connect(5);
  t.world().mission.missiontype = "downloadfile";
  t.world().mission.filename = "Plans.txt";
  addToServer(t, 5, fileNamed("Plans.txt", "targetfile"));
  addToServer(t, 5, fileNamed("decoy.txt"));
  t.enter("//download decoy.txt");
  EXPECT_EQ(t.console.content.size(), 2u);
  t.enter("//download plans.txt");
  EXPECT_EQ(t.console.content.back(), "you won the mission!");
  EXPECT_EQ(t.console.content.size(), 5u);

  // The same file in a mission of another kind wins nothing.
  t.world().mission.missiontype = "aquiremoney";
  t.enter("//download plans.txt");
  EXPECT_EQ(t.console.content.back(), "Download of file plans.txt complete.");
}

TEST_F(Files, UploadCopiesPausesAndCounts) {
  connect(6);
  addToDrive(t, fileNamed("Tool.exe", "other"));
  t.enter("//uploadfile tool.exe");
  EXPECT_EQ(t.console.content, (Lines{"Uploading file: tool.exe............", "Upload complete"}));
  EXPECT_EQ(t.srv(6).filecount, 1);
  EXPECT_EQ(t.srv(6).files[1].name, "Tool.exe");
  EXPECT_EQ(player().filecount, 3);  // the drive keeps its copy
  EXPECT_EQ(t.srv(6).status, "stable");
  // One pause of a second between the two typed lines.
  EXPECT_EQ(std::count(t.pace.sleeps.begin(), t.pace.sleeps.end(), commands::kUploadPauseMs), 1);
}

TEST_F(Files, UploadingADeleterByItsTypeWordStartsDeleting) {
  connect(6);
  t.srv(6).status = "bugged";
  addToDrive(t, fileNamed("fun.del", "deleter"));
  addToDrive(t, fileNamed("deleter.exe", "other"));
  t.enter("//uploadfile deleter.exe");
  EXPECT_EQ(t.srv(6).status, "bugged");
  t.enter("//uploadfile fun.del");
  EXPECT_EQ(t.srv(6).status, "Deleting");
}

TEST_F(Files, UploadOfNothingOrOntoAFullServerIsSilent) {
  connect(6);
  t.enter("//uploadfile missing.txt");
  t.enter("//uploadfile");
  t.enter("//uploadfile ");
  t.srv(6).filecount = 100;
  t.enter("//uploadfile config.sys");
  EXPECT_TRUE(t.console.content.empty());
  EXPECT_EQ(t.srv(6).filecount, 100);
}

TEST_F(Files, DeletingFromAFullDriveKeepsItPacked) {
  fillDriveTo(20);
  const std::string third = player().harddrive[3].name;
  const std::string last = player().harddrive[20].name;
  t.enter("//delete harddrive " + third);
  EXPECT_EQ(t.console.content, (Lines{"file: " + third + "deleted from harddrive..."}));
  EXPECT_EQ(player().filecount, 19);
  EXPECT_EQ(player().harddrive[19].name, last);
  EXPECT_TRUE(player().harddrive[20].name.empty());
  EXPECT_TRUE(player().harddrive[20].filetype.empty());
}

TEST_F(Files, DeletingRemovesEveryFileOfThatName) {
  addToDrive(t, fileNamed("dup.txt"));  // 3
  addToDrive(t, fileNamed("DUP.txt"));  // 4, adjacent
  addToDrive(t, fileNamed("keep.txt"));
  addToDrive(t, fileNamed("dup.TXT"));  // 6, further up
  t.enter("//delete harddrive dup.txt");
  EXPECT_EQ(t.console.content, (Lines(3, "file: dup.txtdeleted from harddrive...")));
  EXPECT_EQ(player().filecount, 3);
  EXPECT_EQ(player().harddrive[1].name, "config.sys");
  EXPECT_EQ(player().harddrive[2].name, "commands.sys");
  EXPECT_EQ(player().harddrive[3].name, "keep.txt");
  for (int j = 4; j <= kHarddriveSlots; ++j) EXPECT_TRUE(player().harddrive[j].name.empty());
}

TEST_F(Files, DeletingWorksAnywhereAndMissesQuietly) {
  connect(kInChatroom);
  t.enter("//delete harddrive");
  t.enter("//delete harddrive nothing.txt");
  EXPECT_TRUE(t.console.content.empty());
  t.enter("//delete harddrive config.sys");
  EXPECT_EQ(player().filecount, 1);
  EXPECT_EQ(player().harddrive[1].name, "commands.sys");
}

}  // namespace
}  // namespace qv
