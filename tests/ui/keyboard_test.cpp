#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <chrono>
#include <thread>

#include "app/qt_main_menu.h"
#include "commands/qt_compiler_window.h"
#include "mission_scratch_folder.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "ui_helpers.h"
#include "world/console.h"

namespace qv {
namespace {

using uitest::ModalDriver;
using uitest::ShellHarness;
using uitest::waitUntil;
using Lines = std::vector<std::string>;

// Keys as a keyboard gives them: to whatever has the focus.
QWidget* focus() {
  return QApplication::focusWidget();
}
void press(Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
  QTest::keyClick(focus(), key, held);
}
void type(const QString& text) {
  QTest::keyClicks(focus(), text);
}
// Tab or Shift+Tab until the control has the focus, once round at most.
void tabTo(QWidget* control, Qt::KeyboardModifiers held = Qt::NoModifier) {
  for (int i = 0; i < 12 && focus() != control; ++i) press(Qt::Key_Tab, held);
  ASSERT_EQ(focus(), control);
}

// Answers a file dialog showing the filter by typing a path and Return.
ModalDriver typePathInto(QString path, QString filter) {
  return ModalDriver([path, filter](QWidget* dialog) {
    auto* choice = dialog->findChild<QComboBox*>("fileTypeCombo");  // the editor's
    auto* shown = dialog->findChild<QLabel*>("fileTypeLabel");      // the game's, no choice
    EXPECT_EQ(choice ? choice->currentText() : shown->text(), filter);
    waitUntil([dialog] { return dialog->isAncestorOf(focus()); });
    type(path);
    press(Qt::Key_Return);
  });
}

TEST(Keyboard, ReturnWithAnyModifierEndsTheLine) {
  ShellHarness h;
  h.shell.start();
  h.startGame();
  QPlainTextEdit* input = h.shell.form2().Memo1;
  h.shell.form3().buildContent();
  QPlainTextEdit* compiler = h.shell.form3().Console;
  const Qt::KeyboardModifiers kAll =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  const Qt::KeyboardModifiers kHeld[] = {
      Qt::ShiftModifier,        Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier, kAll,
      kAll | Qt::KeypadModifier};
  Lines typed;
  for (Qt::KeyboardModifiers held : kHeld) {
    const Qt::Key key = held & Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
    QTest::keyClicks(input, "//Timers");
    QTest::keyClick(input, key, held);
    typed.push_back("//Timers");
    EXPECT_EQ(h.shell.form2().Memo2->isHidden(), typed.size() % 2 == 0) << held;
    const int before = h.shell.game().codeticks;
    for (const char* line : {":spike", ":end"}) {
      QTest::keyClicks(compiler, line);
      QTest::keyClick(compiler, key, held);
    }
    EXPECT_GT(h.shell.game().codeticks, before) << held;  // ":end" compiled
  }
  QApplication::clipboard()->setText(QString("//ls") + QChar::LineSeparator + "//who\r\n");
  input->paste();
  typed.insert(typed.end(), {"//ls", "//who", ""});
  EXPECT_EQ(rawLines(*input), typed);
}

TEST(Keyboard, EveryTypedLineStartsWithAWholePause) {
  test::TestGame t;
  RealPace pace;
  Game game{
      Ports{t.console, t.jumpLog, t.fileLog, t.compiler, t.status, pace, t.timers, t.windows}};
  type(game, "a");
  // The next handler starts before a whole pause is over.
  std::this_thread::sleep_for(std::chrono::milliseconds(kTypingStepMs * 2 / 3));
  const auto start = std::chrono::steady_clock::now();
  type(game, "b");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kTypingStepMs));
}

// The menu, a game and the editor with the keyboard alone.
TEST(Keyboard, APlayerNeedsNoMouse) {
  ShellHarness h;
  TForm1& menu = h.shell.form1();
  h.shell.start();
  ASSERT_TRUE(waitUntil([&] { return focus() == menu.NewGameBtn; }));
  press(Qt::Key_Tab);
  press(Qt::Key_Return);  // LIST OF COMMANDS: a reader starts at the help's top
  ASSERT_EQ(focus(), menu.Memo1());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(focus())->textInterface()->cursorPosition(), 0);
  press(Qt::Key_Tab);  // leaves the help text untouched
  EXPECT_EQ(focus(), menu.DoneBtn);
  press(Qt::Key_Tab);  // the covered buttons take no keys
  EXPECT_EQ(focus(), menu.Memo1());
  EXPECT_EQ(menu.Memo1()->toPlainText(), helpText());
  press(Qt::Key_Tab, Qt::ShiftModifier);
  press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(menu.DoneBtn->isHidden());
  EXPECT_EQ(focus(), menu.CommandsBtn);
  tabTo(menu.NewGameBtn, Qt::ShiftModifier);

  {
    ModalDriver chooser =
        typePathInto(QV_SOURCE_DIR "/src/assets/missions/blackout.qmf", "Quorvexer Mission");
    press(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return h.shell.game().activated; }));
  }
  ASSERT_TRUE(waitUntil([&] { return focus() == h.shell.form2().Memo1; }));
  type("//Timers");
  press(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_FALSE(h.shell.form2().Memo2->isHidden());
  type("//terminate");
  press(Qt::Key_Return);
  ASSERT_TRUE(waitUntil([&] { return focus() == menu.NewGameBtn; }));

  TForm4& editor = h.shell.form4();
  press(Qt::Key_Tab, Qt::ShiftModifier);
  press(Qt::Key_Return);  // MISSION EDITOR
  ASSERT_TRUE(waitUntil([&] { return focus() == editor.Memo1; }));
  for (int i = 0; i < 3; ++i) press(Qt::Key_Tab);
  auto* download = editor.RadioGroup1->findChildren<QRadioButton*>().at(1);
  press(Qt::Key_Down);  // selects the next type
  ASSERT_TRUE(download->isChecked());
  tabTo(editor.Edit2, Qt::ShiftModifier);
  press(Qt::Key_Tab);  // the group's one tab stop is its selected item
  EXPECT_EQ(focus(), download);
  tabTo(editor.SaveBtn);
  test::ScratchFolder folder;
  const QString saved = QString::fromStdString(folder.path("keys.qmf"));
  {
    ModalDriver saver = typePathInto(saved, "Quorvexer Mission File");
    press(Qt::Key_Return);
  }
  EXPECT_EQ(test::ScratchFolder::contents(folder.path("keys.qmf")), writeMission(editor.mission()));
  EXPECT_EQ(editor.mission().description, EditorMission().description);  // no Tab in it
  ASSERT_TRUE(waitUntil([&] { return focus() == editor.SaveBtn; }));
  press(Qt::Key_Tab);
  ModalDriver loader = typePathInto(saved, "Quorvexer Mission File");
  press(Qt::Key_Return);  // Load Mission, a file name the dialog completes
  ASSERT_TRUE(waitUntil([&] { return focus() == editor.Openbtn; }));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // no list left holding the keys
}

// F6 and Shift+F6 go round the open windows onto controls a reader names.
TEST(Keyboard, TheKeyboardStaysWhereThePlayerTypesAndF6GoesRound) {
  ShellHarness h;
  h.shell.start();
  h.startGame();
  QPlainTextEdit* input = h.shell.form2().Memo1;
  ASSERT_TRUE(waitUntil([&] { return focus() == input; }));
  type("//logfile");
  press(Qt::Key_Return);
  waitUntil([] { return false; }, 50);
  ASSERT_EQ(focus(), input);  // after //logfile
  type("//notepad");
  press(Qt::Key_Tab);
  EXPECT_EQ(rawLines(*input), (Lines{"//logfile", "//notepad"}));  // no tab typed
  press(Qt::Key_Home, Qt::ControlModifier);                        // the console, read line by line
  press(Qt::Key_Down);
  const QTextBlock second = h.shell.form2().console->document()->firstBlock().next();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(focus())->textInterface()->cursorPosition(),
            second.position());
  tabTo(input);
  press(Qt::Key_Return);  // the compiler window takes the keyboard when it opens
  QWidget* compiler = h.shell.form3().Console;
  ASSERT_TRUE(waitUntil([&] { return focus() == compiler; }));
  const QWidget* round[] = {input,   h.shell.form5().Memo1, compiler, h.shell.form5().Memo1, input,
                            compiler};
  for (int i = 0; i < 6; ++i) {
    press(Qt::Key_F6, i < 3 ? Qt::NoModifier : Qt::ShiftModifier);
    ASSERT_TRUE(waitUntil([&] { return focus() == round[i]; })) << i;
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(focus());
    EXPECT_TRUE(spoken->state().focused && !spoken->text(QAccessible::Name).isEmpty() &&
                !focus()->window()->windowTitle().isEmpty());
  }
}

// A compositor that gives a window shown aside the keyboard, and will not
// give it back when asked: what is typed there reaches the input line.
TEST(Keyboard, KeysTypedIntoTheStatusWindowShownAsideReachTheInputLine) {
  ShellHarness h;
  h.shell.start();
  h.startGame();
  QPlainTextEdit* input = h.shell.form2().Memo1;
  ASSERT_TRUE(waitUntil([&] { return focus() == input; }));
  h.shell.windows().setStatusWindowVisible(true);
  QTest::keyClicks(h.shell.form5().Memo1, "//who");
  EXPECT_EQ(rawLines(*input), (Lines{"//who"}));
}

}  // namespace
}  // namespace qv
