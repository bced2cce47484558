#include "ui_helpers.h"

#include <QDialog>
#include <QPushButton>

#include "app/qt_main_menu.h"

namespace qv::uitest {

void ShellHarness::startGame() {
  ModalDriver cancel([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
  shell.form1().NewGameBtn->click();
  ASSERT_TRUE(waitUntil([this] { return shell.game().activated; }));
  EXPECT_EQ(cancel.answered(), 1);
}

}  // namespace qv::uitest
