#include <gtest/gtest.h>

#include <QFileDialog>
#include <QPushButton>

#include "app/qt_main_menu.h"
#include "ui_helpers.h"

namespace qv {
namespace {

using uitest::ModalDriver;
using uitest::waitUntil;

// A mission named on the command line: the first game's dialog opens in its
// folder with it selected, Return starts the game with it, and the dialog
// after that opens at its usual root folder again.
TEST(OfferedMission, ReturnInTheFirstDialogStartsItThenTheUsualFolder) {
  const QString folder = QStringLiteral(QV_SOURCE_DIR "/src/assets/missions");
  test::FakePace pace{test::kNoonishMs};
  Shell shell{ShellOptions{&pace, [] {}, (folder + "/tin_cup.qmf").toStdString()}};
  shell.start();

  QStringList seen;
  ModalDriver driver([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    seen << dialog->directory().absolutePath() + " " + dialog->selectedFiles().join(",");
    QWidget* focus = QApplication::focusWidget();
    uitest::pressKey(focus && dialog->isAncestorOf(focus) ? focus : dialog, Qt::Key_Return);
    if (dialog->isVisible()) dialog->reject();
  });
  shell.form1().NewGameBtn->click();
  ASSERT_TRUE(waitUntil([&] { return shell.game().activated; }));
  EXPECT_EQ(shell.game().world.mission.name, "Tin Cup");

  // The offer was for the first dialog only.
  shell.windows().askMissionFile();
  ASSERT_EQ(seen.size(), 2);
  EXPECT_EQ(seen[0], folder + " " + folder + "/tin_cup.qmf");
  EXPECT_TRUE(seen[1].startsWith("/ ")) << seen[1].toStdString();
}

}  // namespace
}  // namespace qv
