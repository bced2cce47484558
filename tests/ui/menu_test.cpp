#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include "app/qt_main_menu.h"
#include "missions/qt_editor_window.h"
#include "terminal/qt_game_window.h"
#include "ui_helpers.h"

namespace qv {
namespace {

using uitest::ShellHarness;

TEST(HelpText, HundredLinesAsShipped) {
  const QStringList lines = helpText().split('\n');
  ASSERT_EQ(lines.size(), 100);
  EXPECT_EQ(lines[0],
            "Welcome to Quorvex! A simulation of hacking. Click the options button in the main "
            "menu and select the game type ");
  EXPECT_EQ(lines[12],
            "//sounds           toggles sounds for the game     { not available in version1 ");
  EXPECT_EQ(lines[44], R"(//download xxxxxx copies file to you "hard drive" up to 20 files.)");
  EXPECT_EQ(lines[99],
            "COMMANDS.SYS   without this you can't input commands. but you can still survive. ");
  EXPECT_EQ(lines[17], "");
}

TEST(MainMenu, HelpIsLaidOverTheButtonsAndKeepsWhatWasTyped) {
  ShellHarness h;
  h.shell.start();
  TForm1& menu = h.shell.form1();
  EXPECT_EQ(menu.Memo1()->document()->blockCount(), 100);
  EXPECT_FALSE(menu.Memo1()->isReadOnly());
  EXPECT_EQ(menu.Memo1()->geometry(), QRect(0, 0, 650, 346));
  EXPECT_EQ(menu.DoneBtn->geometry(), QRect(557, 320, 75, 25));
  EXPECT_TRUE(menu.Memo1()->isHidden());

  menu.CommandsBtn->click();
  EXPECT_TRUE(menu.Memo1()->isVisible());
  EXPECT_TRUE(menu.DoneBtn->isVisible());
  // Over the buttons: what is at a button's place is the help text.
  EXPECT_EQ(menu.childAt(menu.NewGameBtn->geometry().center())->parentWidget(), menu.Memo1());
  EXPECT_EQ(menu.childAt(menu.DoneBtn->geometry().center()), menu.DoneBtn);
  menu.Memo1()->appendPlainText("my note");

  menu.DoneBtn->click();
  EXPECT_TRUE(menu.Memo1()->isHidden());
  EXPECT_TRUE(menu.DoneBtn->isHidden());
  menu.CommandsBtn->click();
  EXPECT_EQ(menu.Memo1()->document()->lastBlock().text(), "my note");
}

TEST(MainMenu, ButtonsStandAtTheirPlacesInTabOrder) {
  ShellHarness h;
  TForm1& menu = h.shell.form1();
  const std::vector<std::pair<QPushButton*, QString>> column = {
      {menu.NewGameBtn, "NEW GAME"},
      {menu.CommandsBtn, "LIST OF COMMANDS"},
      {menu.MissionEdBtn, "MISSION EDITOR"},
      {menu.OptionsBtn, "OPTIONS"},
      {menu.QuitBtn, "QUIT"}};
  int top = 80;
  for (const auto& [button, caption] : column) {
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->geometry(), QRect(208, top, 233, 33)) << caption.toStdString();
    EXPECT_FALSE(button->icon().isNull());
    top += 48;
  }
  EXPECT_EQ(menu.NewGameBtn->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(menu.CommandsBtn->font().pixelSize(), 21);
  EXPECT_EQ(menu.MissionEdBtn->font().pixelSize(), 20);

  const std::vector<QWidget*> expected = {menu.NewGameBtn,  menu.CommandsBtn, menu.OptionsBtn,
                                          menu.QuitBtn,     menu.Memo1(),     menu.DoneBtn,
                                          menu.MissionEdBtn};
  // The chain also runs through the text area's own parts; keep the controls.
  std::vector<QWidget*> chain;
  QWidget* at = menu.NewGameBtn;
  do {
    if (std::find(expected.begin(), expected.end(), at) != expected.end()) chain.push_back(at);
    at = at->nextInFocusChain();
  } while (at != menu.NewGameBtn && chain.size() < expected.size());
  EXPECT_EQ(chain, expected);
}

TEST(MainMenu, OptionsDoesNothing) {
  ShellHarness h;
  h.shell.start();
  TForm1& menu = h.shell.form1();
  menu.OptionsBtn->click();
  QApplication::processEvents();
  EXPECT_TRUE(menu.isVisible());
  EXPECT_TRUE(menu.Memo1()->isHidden());
  EXPECT_FALSE(h.shell.form2().isVisible());
  EXPECT_EQ(h.endRequests, 0);
}

TEST(MainMenu, MissionEditorAndBack) {
  ShellHarness h;
  h.shell.start();
  h.shell.form1().MissionEdBtn->click();
  EXPECT_FALSE(h.shell.form1().isVisible());
  EXPECT_TRUE(h.shell.form4().isVisible());
  h.shell.form4().close();
  EXPECT_FALSE(h.shell.form4().isVisible());
  EXPECT_TRUE(h.shell.form1().isVisible());
}

TEST(MainMenu, NewGameHidesTheMenuAndShowsTheGameWindow) {
  ShellHarness h;
  h.shell.start();
  h.startGame();
  EXPECT_FALSE(h.shell.form1().isVisible());
  EXPECT_TRUE(h.shell.form2().isVisible());
}

}  // namespace
}  // namespace qv
