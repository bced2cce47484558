#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string>

#include "mission_scratch_folder.h"
#include "missions/mission_file.h"
#include "world/game_error.h"
#include "world/records.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class MissionDisk : public testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.path(name); }
  std::size_t entries() const { return folder_.entries(); }
  static void put(const std::string& file, const std::string& bytes) {
    test::ScratchFolder::put(file, bytes);
  }
  static std::string contents(const std::string& file) {
    return test::ScratchFolder::contents(file);
  }

  // Loads into a filled record the way a game start does; returns the error
  // message, and checks that the refusal was quick.
  std::optional<std::string> refusal(const std::string& file, TMission& mission) const {
    const auto start = std::chrono::steady_clock::now();
    std::optional<std::string> message;
    try {
      readMissionInto(mission, loadMissionBytes(file));
    } catch (const GameError& e) {
      message = e.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << file;
    return message;
  }

  test::ScratchFolder folder_;
  const fs::path& dir_ = folder_.dir();
};

const std::string kMission = "N\r\nserverstatus\r\nS\r\ndown\r\n\r\n0\r\nD\r\n300\r\n";

TEST_F(MissionDisk, LoadsARegularFileWhole) {
  put(path("m.qmf"), kMission);
  EXPECT_EQ(loadMissionBytes(path("m.qmf")), kMission);
}

TEST_F(MissionDisk, MissingFileIsFileNotFound) {
  TMission m;
  m.name = "kept";
  EXPECT_EQ(refusal(path("absent.qmf"), m), "File not found");
  EXPECT_EQ(refusal("", m), "File not found");
  EXPECT_EQ(m.name, "kept");
}

TEST_F(MissionDisk, HostileFilesAreRefusedQuicklyWithNothingChanged) {
  const std::string fifo = path("pipe.qmf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string big = path("big.qmf");
  put(big, kMission + std::string(2 * kMissionFileMaxBytes, 'x'));

  TMission m;
  m.name = "kept";
  m.time = 7;
  EXPECT_EQ(refusal(dir_.string(), m), "'" + dir_.string() + "' is not a regular file");
  EXPECT_EQ(refusal(fifo, m), "'" + fifo + "' is not a regular file");
  EXPECT_EQ(refusal("/dev/zero", m), "'/dev/zero' is not a regular file");
  EXPECT_EQ(refusal(big, m), "'" + big + "' is larger than 1 MiB");
  EXPECT_EQ(m.name, "kept");
  EXPECT_EQ(m.time, 7);
}

TEST_F(MissionDisk, SizeLimitIsInclusive) {
  put(path("edge.qmf"), std::string(kMissionFileMaxBytes, '1'));
  EXPECT_EQ(loadMissionBytes(path("edge.qmf")).size(), kMissionFileMaxBytes);
  put(path("over.qmf"), std::string(kMissionFileMaxBytes + 1, '1'));
  EXPECT_THROW(loadMissionBytes(path("over.qmf")), GameError);
}

TEST_F(MissionDisk, UnreadableFileNamesTheReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  put(path("locked.qmf"), kMission);
  fs::permissions(path("locked.qmf"), fs::perms::none);
  TMission m;
  EXPECT_EQ(refusal(path("locked.qmf"), m),
            "'" + path("locked.qmf") + "' cannot be opened: Permission denied");
}

TEST_F(MissionDisk, SaveCreatesAndReplacesWithoutLeftovers) {
  const std::string target = path("m.qmf");
  saveMissionBytes(target, "first");
  EXPECT_EQ(contents(target), "first");
  saveMissionBytes(target, kMission);
  EXPECT_EQ(contents(target), kMission);
  EXPECT_EQ(entries(), 1u);
}

TEST_F(MissionDisk, NewFileFollowsTheUmaskAndReplacedFileKeepsItsMode) {
  const mode_t old = ::umask(022);
  saveMissionBytes(path("new.qmf"), kMission);
  ::umask(old);
  EXPECT_EQ(fs::status(path("new.qmf")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);

  fs::permissions(path("new.qmf"), fs::perms::owner_read | fs::perms::owner_write);
  saveMissionBytes(path("new.qmf"), "again");
  EXPECT_EQ(fs::status(path("new.qmf")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(MissionDisk, SaveThroughALinkReplacesTheLinkedFile) {
  put(path("real.qmf"), "old");
  fs::create_symlink(path("real.qmf"), path("link.qmf"));
  saveMissionBytes(path("link.qmf"), kMission);
  EXPECT_TRUE(fs::is_symlink(path("link.qmf")));
  EXPECT_EQ(contents(path("real.qmf")), kMission);
}

// A write that stops half way (here: the file size limit) must not cost the
// player the mission that was there before.
TEST_F(MissionDisk, FailedWriteKeepsTheOldFile) {
  const std::string target = path("m.qmf");
  put(target, kMission);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit oldLimit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
  rlimit small = oldLimit;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::optional<std::string> message;
  try {
    saveMissionBytes(target, std::string(100, 'n'));
  } catch (const GameError& e) {
    message = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(message, "'" + target + "' cannot be saved: File too large");
  EXPECT_EQ(contents(target), kMission);
  EXPECT_EQ(entries(), 1u);
}

TEST_F(MissionDisk, SaveOverAFolderOrIntoAMissingFolderFails) {
  fs::create_directory(path("folder.qmf"));
  EXPECT_THROW(saveMissionBytes(path("folder.qmf"), kMission), GameError);
  EXPECT_TRUE(fs::is_directory(path("folder.qmf")));
  EXPECT_EQ(entries(), 1u);
  EXPECT_THROW(saveMissionBytes(path("nowhere/m.qmf"), kMission), GameError);
}

// As root, saving through a link to /dev/null replaced the device with a file.
TEST_F(MissionDisk, SaveRefusesAPipeOrALinkToOne) {
  const std::string pipe = path("pipe.qmf");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  fs::create_symlink(pipe, path("link.qmf"));
  for (const std::string& name : {pipe, path("link.qmf")}) {
    try {
      saveMissionBytes(name, kMission);
      ADD_FAILURE() << name << " was saved";
    } catch (const GameError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + name + "' is not a regular file");
    }
  }
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(entries(), 2u);
}

TEST_F(MissionDisk, SaveIntoAReadOnlyFolderFailsAndKeepsTheFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into every folder";
  put(path("m.qmf"), kMission);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_THROW(saveMissionBytes(path("m.qmf"), "new"), GameError);
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_EQ(contents(path("m.qmf")), kMission);
}

}  // namespace
}  // namespace qv
