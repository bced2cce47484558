#include <gtest/gtest.h>

#include <QFileDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

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

// Qt remembers the side bar between runs: the sample folders of another build
// or of an older install give way to this program's one.
TEST(MissionDialog, SideBarKeepsOneSampleFolder) {
  QTemporaryDir other;
  QStringList shortcuts;
  for (const QString& folder : {other.path(), other.path() + "/share/quorvexer/missions",
                                other.path() + "/share/games/quorvexer/missions"}) {
    QDir().mkpath(folder);
    shortcuts << QUrl::fromLocalFile(folder).toString();
  }
  // Qt reads a remembered side bar only beside the rest of a dialog's saved
  // state, which a file dialog writes when it closes.
  { QFileDialog().setOption(QFileDialog::DontUseNativeDialog); }
  QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
  const QVariant remembered = settings.value("FileDialog/shortcuts");
  settings.setValue("FileDialog/shortcuts", shortcuts);
  settings.sync();

  uitest::ShellHarness h;
  QStringList sideBar;
  ModalDriver look([&](QWidget* modal) {
    for (const QUrl& url : static_cast<QFileDialog*>(modal)->sidebarUrls()) {
      sideBar << url.toLocalFile();
    }
    static_cast<QDialog*>(modal)->reject();
  });
  h.shell.windows().askMissionFile();
  if (remembered.isValid()) {
    settings.setValue("FileDialog/shortcuts", remembered);
  } else {
    settings.remove("FileDialog/shortcuts");
  }

  ASSERT_EQ(sideBar.size(), 2);
  EXPECT_EQ(sideBar[0], other.path());
  EXPECT_TRUE(sideBar[1].endsWith("/share/games/quorvexer/missions"));
  EXPECT_FALSE(sideBar[1].startsWith(other.path()));
}

}  // namespace
}  // namespace qv
