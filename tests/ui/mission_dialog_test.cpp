#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/qt_main_menu.h"
#include "hostile_files.h"
#include "mission_scratch_folder.h"
#include "missions/qt_editor_window.h"
#include "missions/qt_mission_dialog.h"
#include "ui_helpers.h"

namespace qv {
namespace {

using uitest::ModalDriver;
using uitest::waitUntil;

const QString kSamples = QStringLiteral(QV_SOURCE_DIR "/src/assets/missions");

// The first game's dialog opens where missions are, on one already chosen:
// Return alone starts it.
TEST(MissionDialog, ReturnAsItOpensStartsAMission) {
  test::ScratchFolder scratch;
  const std::string saved = scratch.path("mine.qmf");
  test::ScratchFolder::put(saved, test::kPlainMission);
  const struct {
    const char* what;
    std::optional<std::string> offered;  // on the command line
    std::optional<std::string> edited;   // saved or loaded in the editor
    const char* mission;
  } cases[] = {
      {"the samples, the first of them", {}, {}, "Blackout at Harrowgate"},
      {"the mission offered", (kSamples + "/tin_cup.qmf").toStdString(), {}, "Tin Cup"},
      {"the editor's last mission", {}, saved, "Plain"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::FakePace pace{test::kNoonishMs};
    Shell shell{ShellOptions{&pace, [] {}, c.offered}};
    if (c.edited) shell.form4().onMissionFile(*c.edited);
    shell.start();
    ModalDriver driver([](QWidget* modal) {
      ASSERT_TRUE(waitUntil([&] { return modal->isAncestorOf(QApplication::focusWidget()); }));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    shell.form1().NewGameBtn->click();
    ASSERT_TRUE(waitUntil([&] { return shell.game().activated; }));
    EXPECT_EQ(shell.game().world.mission.name, c.mission);
  }
}

// Return on a folder or a place opens it; on a mission, or in the name field
// with a name that is no folder, it chooses.
TEST(MissionDialog, ReturnOpensFoldersAndChoosesMissions) {
  test::ScratchFolder scratch;
  const QString top = QString::fromStdString(scratch.dir().string());
  std::filesystem::create_directory(scratch.path("more"));
  for (const char* name : {"a.qmf", "more/deep.qmf", "notes.txt"}) {
    test::ScratchFolder::put(scratch.path(name), "");
  }
  const QString parent = QFileInfo(top).absolutePath();
  const struct {
    const char* what;
    std::vector<QKeyCombination> keys;
    QString typed;  // then Return
    QString folder;
    QString chosen;  // empty: still open
  } cases[] = {
      {"Return as it opens", {Qt::Key_Return}, {}, top, top + "/a.qmf"},
      {"down into the list, up to a folder, in",
       {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Return},
       {},
       top + "/more",
       top + "/more/deep.qmf"},
      {"the place in the side bar",
       {Qt::SHIFT | Qt::Key_Tab, Qt::SHIFT | Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return},
       {},
       top + "/more",
       {}},
      {"up to the parent folder", {Qt::Key_Down, Qt::Key_Home, Qt::Key_Return}, {}, parent, {}},
      {"a folder's name typed", {}, "more", top + "/more", {}},
      {"a missing name gets the extension", {}, "gone", top, top + "/gone.qmf"},
      {"a full path", {}, top + "/notes.txt", top, top + "/notes.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MissionDialog dialog(nullptr, top, {}, {{"Top", top}, {"More", top + "/more"}});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == dialog.nameField(); }));
    EXPECT_EQ(dialog.nameField()->text(), "a.qmf");
    EXPECT_EQ(dialog.entries()->count(), 3);  // "..", more, a.qmf
    for (QKeyCombination key : c.keys) {
      QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    if (!c.typed.isEmpty()) {
      QTest::keyClicks(dialog.nameField(), c.typed);
      QTest::keyClick(dialog.nameField(), Qt::Key_Return);
    }
    EXPECT_EQ(dialog.folder(), c.folder);
    EXPECT_EQ(dialog.result() == QDialog::Accepted ? dialog.chosenPath() : QString(), c.chosen);
  }
}

}  // namespace
}  // namespace qv
