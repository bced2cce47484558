#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include "app/qt_main_menu.h"
#include "app/qt_ports.h"
#include "commands/qt_compiler_window.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_look.h"
#include "ui_helpers.h"

namespace qv {
namespace {

// The room a button or radio item leaves for its caption (and glyph).
QRect captionRoom(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  const auto element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                           : QStyle::SE_PushButtonContents;
  return button->style()->subElementRect(element, &option, button);
}

int captionWidth(QAbstractButton* button) {
  const int text = button->fontMetrics().horizontalAdvance(button->text());
  if (button->icon().isNull() || qobject_cast<QRadioButton*>(button)) return text;
  return text + button->iconSize().width() + 4;  // the style's gap after a glyph
}

// Every caption of the window's visible controls fits its control, and no
// two visible labels overlap.
void expectCaptionsFit(QWidget* window, const char* name) {
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (!button->isVisibleTo(window)) continue;
    const QRect room = captionRoom(button);
    EXPECT_LE(captionWidth(button), room.width()) << name << ": " << button->text().toStdString();
    EXPECT_LE(button->fontMetrics().height(), room.height())
        << name << ": " << button->text().toStdString();
  }
  for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
    EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()), group->width() - 16)
        << name << ": " << group->title().toStdString();
  }
  QList<QLabel*> labels;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->isVisibleTo(window)) labels << label;
  }
  for (QLabel* label : labels) {
    EXPECT_LE(label->sizeHint().width(), label->width())
        << name << ": " << label->text().toStdString();
    for (QLabel* other : labels) {
      if (other != label && label->geometry().intersects(other->geometry())) {
        ADD_FAILURE() << name << ": \"" << label->text().toStdString() << "\" overlaps \""
                      << other->text().toStdString() << "\"";
      }
    }
  }
}

// The faces the package depends on are installed here, and each is drawn
// as itself rather than as a face fontconfig offers in its place.
TEST(Faces, ThePinnedFacesAreInstalledAndDrawn) {
  EXPECT_EQ(missingFaces(), QStringList());
  for (const QFont& font : {courierFont(11), sansFont(11), computerFont(21)}) {
    EXPECT_EQ(QFontInfo(font).family(), font.families().constFirst());
  }
}

TEST(Captions, FitTheirControlsInEveryWindow) {
  uitest::ShellHarness h;
  h.shell.start();
  expectCaptionsFit(&h.shell.form1(), "menu");
  h.shell.form1().CommandsBtnClick();
  expectCaptionsFit(&h.shell.form1(), "help text");
  h.shell.form1().DoneBtnClick();
  const std::pair<QWidget*, const char*> others[] = {
      {&h.shell.form2(), "game"},
      {&h.shell.form4(), "editor"},
      {&h.shell.form3(), "compiler"},
      {&h.shell.form5(), "status"},
  };
  // The game window's first showing asks for a mission: none is chosen.
  uitest::ModalDriver cancel([](QWidget* dialog) { dialog->close(); });
  for (auto [window, name] : others) {
    window->show();  // faces are given when a window is first shown
    expectCaptionsFit(window, name);
    window->hide();
  }
  // The goal label's other caption, with the type that shows it.
  h.shell.form4().show();
  h.shell.form4().showMission({.typeIndex = 1, .goalLabel = "Name of file:"});
  expectCaptionsFit(&h.shell.form4(), "editor, download type");
}

}  // namespace
}  // namespace qv
