#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <filesystem>

#include "app/qt_main_menu.h"
#include "hostile_files.h"
#include "mission_scratch_folder.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_paths.h"
#include "ui_helpers.h"
#include "world/game_error.h"

namespace qv {
namespace {

using test::Hostile;
using uitest::ModalDriver;
using uitest::waitUntil;

// What the one error box says about each: the reason after the quoted path,
// or the game's own text for a file that is not there.
struct HostileCase {
  const char* name;
  Hostile kind;
  const char* reason;  // null: "File not found."
};

// Test listings show the case's name rather than its bytes.
void PrintTo(const HostileCase& hostile, std::ostream* out) {
  *out << hostile.name;
}

constexpr HostileCase kCases[] = {
    {"Directory", Hostile::Directory, "is not a regular file"},
    {"Fifo", Hostile::Fifo, "is not a regular file"},
    {"Device", Hostile::CharacterDevice, "is not a regular file"},
    {"SparseTwoGigabytes", Hostile::SparseTwoGigabytes, "is larger than 1 MiB"},
    {"ThreeMegabytes", Hostile::ThreeMegabytes, "is larger than 1 MiB"},
    {"DanglingLink", Hostile::DanglingLink, nullptr},
    {"LinkLoop", Hostile::LinkLoop, "cannot be opened: Too many levels of symbolic links"},
    {"DeletedAfterChoice", Hostile::DeletedAfterChoice, nullptr},
    {"Unreadable", Hostile::Unreadable, "cannot be opened: Permission denied"},
};

QString expectedBox(const std::string& path, const char* reason) {
  if (!reason) return QStringLiteral("File not found.");
  return QFile::decodeName(("'" + path + "' " + reason + ".").c_str());
}

// The processor time this thread has used, in milliseconds: unlike the wall
// clock, it does not grow when other programs share the machine.
qint64 threadCpuMs() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return qint64{now.tv_sec} * 1000 + now.tv_nsec / 1'000'000;
}

// Answers each file dialog with the next path, typed into the dialog's name
// box, and times what follows from the moment of choice. The dialog's own
// Open button would step into a folder instead of choosing it; the answer
// hands every path over as chosen. Every error box is recorded with the
// processor time it took to come up.
class Chooser {
 public:
  Chooser() {
    setErrorBoxHook([this](const QString& text) {
      boxes << text;
      box_ms << threadCpuMs() - choice_ms_;
    });
  }
  ~Chooser() { setErrorBoxHook(nullptr); }

  void answer(QWidget* modal) {
    auto* nameBox = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!nameBox || paths.empty()) {
      modal->close();
      return;
    }
    nameBox->setText(QFile::decodeName(paths.front().c_str()));
    if (std::exchange(vanish, false)) std::filesystem::remove(paths.front());
    paths.pop_front();
    ++dialogs;
    choice_ms_ = threadCpuMs();
    static_cast<QDialog*>(modal)
        ->QDialog::accept();  // not QFileDialog::accept, which opens a folder
  }

  std::deque<std::string> paths;
  bool vanish = false;  // delete the next chosen file before the program reads it
  int dialogs = 0;
  QStringList boxes;
  QList<qint64> box_ms;

 private:
  qint64 choice_ms_ = 0;
};

class HostileFiles : public testing::TestWithParam<HostileCase> {
 protected:
  void SetUp() override {
    if (GetParam().kind == Hostile::Unreadable && ::geteuid() == 0) {
      GTEST_SKIP() << "root reads a file without read permission";
    }
    path_ = test::makeHostile(folder_.dir(), GetParam().kind);
    chooser_.vanish = GetParam().kind == Hostile::DeletedAfterChoice;
    good_ = folder_.path("good.qmf");
    test::ScratchFolder::put(good_, test::kPlainMission);
  }

  void expectOneTimelyBox() {
    EXPECT_EQ(chooser_.boxes, QStringList{expectedBox(path_, GetParam().reason)});
    for (qint64 ms : chooser_.box_ms) EXPECT_LT(ms, 100);
  }

  test::ScratchFolder folder_;
  std::string path_;
  std::string good_;
  Chooser chooser_;
};

// The error box closed, the start begins again with the dialog.
TEST_P(HostileFiles, TheGameRefusesItAndTheNextStartWorks) {
  uitest::ShellHarness h;
  h.shell.start();
  ModalDriver driver([this](QWidget* modal) { chooser_.answer(modal); });
  chooser_.paths = {path_, good_};
  h.shell.form1().NewGameBtn->click();
  ASSERT_TRUE(waitUntil([&] { return h.shell.game().activated; }));
  expectOneTimelyBox();
  EXPECT_EQ(chooser_.dialogs, 2);
  EXPECT_EQ(h.shell.game().world.mission.name, "Plain");
  EXPECT_EQ(chooser_.boxes.size(), 1);
}

TEST_P(HostileFiles, TheEditorRefusesItAndKeepsItsFields) {
  TForm4 editor([] {});
  EditorMission before;
  before.name = "Before";
  before.description = "kept";
  editor.showMission(before);
  ModalDriver driver([this](QWidget* modal) { chooser_.answer(modal); });
  chooser_.paths = {path_};
  editor.Openbtn->click();
  expectOneTimelyBox();
  EXPECT_EQ(writeMission(editor.mission()), writeMission(before));

  chooser_.paths = {good_};
  editor.Openbtn->click();
  EXPECT_EQ(editor.MissionNameEd->text(), "Plain");
  EXPECT_EQ(chooser_.boxes.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, HostileFiles, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A folder name that is not valid UTF-8 shows in the dialog with replacement
// characters; the mission in it still loads.
TEST(HostileFolderName, AMissionInANonUtf8FolderLoads) {
  test::ScratchFolder folder;
  const std::string inside = folder.path("missions-\xFF\xFE");
  std::filesystem::create_directory(inside);
  const std::string mission = inside + "/plain.qmf";
  test::ScratchFolder::put(mission, test::kPlainMission);
  Chooser chooser;
  ModalDriver driver([&](QWidget* modal) { chooser.answer(modal); });

  chooser.paths = {mission};
  TForm4 editor([] {});
  editor.Openbtn->click();
  EXPECT_EQ(editor.MissionNameEd->text(), "Plain");

  uitest::ShellHarness h;
  h.shell.start();
  chooser.paths = {mission};
  h.shell.form1().NewGameBtn->click();
  ASSERT_TRUE(waitUntil([&] { return h.shell.game().activated; }));
  EXPECT_EQ(h.shell.game().world.mission.name, "Plain");
  EXPECT_TRUE(chooser.boxes.isEmpty()) << chooser.boxes.join('|').toStdString();
}

// Two names that differ only in bytes that are not UTF-8 show alike: the one
// named on the command line opens by its exact bytes, and a dialog's choice of
// the shown name is refused, never guessed.
TEST(HostileFolderName, NamesThatShowAlikeAreNeverGuessed) {
  test::ScratchFolder folder;
  const std::string first = folder.path("m\xFF.qmf");
  const std::string second = folder.path("m\xFE.qmf");
  test::ScratchFolder::put(first, "first");
  test::ScratchFolder::put(second, "second");
  const QString shown = QFile::decodeName(QByteArray::fromStdString(second));
  EXPECT_EQ(nativePath(shown, second), second);
  EXPECT_EQ(nativePath(shown, first), first);
  EXPECT_THROW(nativePath(shown), GameError);
}

}  // namespace
}  // namespace qv
