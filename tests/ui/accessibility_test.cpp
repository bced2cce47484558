#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/qt_main_menu.h"
#include "commands/qt_compiler_window.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "ui_helpers.h"

namespace qv {
namespace {

// The widgets a player reads, types into or clicks. A spin field's inner
// line edit is part of the field; the file dialogs are the toolkit's own.
bool playerUses(const QWidget* widget) {
  if (widget->parentWidget() && qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) {
    return false;
  }
  for (const QWidget* up = widget; up; up = up->parentWidget()) {
    if (qobject_cast<const QFileDialog*>(up)) return false;
  }
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

TEST(Accessibility, EveryControlOfEveryWindowHasANameOfItsOwn) {
  uitest::ShellHarness h;
  h.shell.form1().Memo1();         // the help text area is built on first use
  h.shell.form2().buildContent();  // and the hidden windows' controls on first show
  h.shell.form4().buildContent();
  h.shell.form3().buildContent();
  h.shell.form5().buildContent();
  const std::vector<QWidget*> windows = {&h.shell.form1(), &h.shell.form2(), &h.shell.form4(),
                                         &h.shell.form3(), &h.shell.form5()};
  int controls = 0;
  for (QWidget* window : windows) {
    SCOPED_TRACE(window->windowTitle().toStdString());
    QStringList names;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (!playerUses(widget)) continue;
      ++controls;
      EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
      EXPECT_FALSE(names.contains(widget->accessibleName()))
          << "two controls named " << widget->accessibleName().toStdString();
      names << widget->accessibleName();
    }
  }
  // 7 menu controls, 4 game text areas, 1 compiler, 1 status, 12 editor.
  EXPECT_EQ(controls, 25);
}

TEST(Accessibility, TheGoalBoxIsNamedAfterItsCurrentCaption) {
  TForm4 editor([] {});
  EXPECT_EQ(editor.Edit2->accessibleName(), "Goal status (down, destroyed)");
  const auto items = editor.RadioGroup1->findChildren<QRadioButton*>();
  items.at(1)->click();
  EXPECT_EQ(editor.Edit2->accessibleName(), "Name of file");
  items.at(0)->click();
  EXPECT_EQ(editor.Edit2->accessibleName(), "Goal status (down, destroyed)");
}

}  // namespace
}  // namespace qv
