#include "app/qt_main_menu.h"

#include <QCloseEvent>
#include <QFile>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <vector>

#include "app/qt_glyphs.h"
#include "assets/qt_assets.h"
#include "assets/qt_jpeg.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_keys.h"
#include "toolkit/qt_look.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_text_area.h"

namespace qv {
namespace {

constexpr QSize kClientSize{650, 346};
constexpr QPoint kPosition{328, 366};
constexpr QSize kOuterSize{kClientSize.width() + kFixedFrame.width,
                           kClientSize.height() + kFixedFrame.height};

// The buttons stand one under the other at 48-pixel steps.
struct MenuButton {
  const char* caption;
  MenuGlyph glyph;
  int top;
  int fontPixels;
  QColor colour;  // invalid: the default text colour
  // What a screen reader says: the captions are capitals, which some
  // readers spell out letter by letter.
  const char* spokenName;
  const char* description;
};

QPushButton* makeButton(QWidget* parent, const MenuButton& entry) {
  auto* button =
      new QPushButton(menuGlyph(entry.glyph), QString::fromLatin1(entry.caption), parent);
  button->setGeometry(208, entry.top, 233, 33);
  button->setFont(computerFont(entry.fontPixels));
  if (entry.colour.isValid()) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, entry.colour);
    button->setPalette(palette);
  }
  button->setAccessibleName(QString::fromLatin1(entry.spokenName));
  button->setAccessibleDescription(QString::fromLatin1(entry.description));
  return button;
}

}  // namespace

QString helpText() {
  ensureAssetsLoaded();
  QFile file(QStringLiteral(":/assets/help.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return toQString(file.readAll().toStdString());
}

TForm1::TForm1(Actions actions) : actions_(std::move(actions)) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Quorvexer v 1.0.0.0.0"));
  setFont(sansFont(11));
  placeWindow(this, kPosition, kOuterSize, kFixedFrame);
  // The picture is decoded on a helper thread while the other windows are
  // built and the faces loaded; the first paint takes it over. Nothing else
  // of the game runs there.
  ensureAssetsLoaded();
  pendingBackground_ = std::async(std::launch::async, [ratio = devicePixelRatioF()] {
    return decodeBackground(QStringLiteral(":/assets/menu.jpg"), ratio);
  });
  createButtons();
  createDoneButton();
  // The help is built hidden with the window: a screen reader may fail on a
  // change of a control's name while its window is shown.
  Memo1();
  wireButtons();
  setTabOrder();
  returnClicksButtons(*this);
  loadButtonFaces();
}

// The faces are needed for the first paint anyway; loading them now (the
// font database and each face) overlaps with the picture's decoding.
void TForm1::loadButtonFaces() {
  for (QPushButton* button : {NewGameBtn, CommandsBtn, MissionEdBtn, OptionsBtn, QuitBtn}) {
    (void)button->fontMetrics().height();
  }
}

void TForm1::createButtons() {
  MissionEdBtn = makeButton(this, {"MISSION EDITOR",
                                   MenuGlyph::MissionEditor,
                                   176,
                                   20,
                                   {},
                                   "Mission editor",
                                   "Write or change a mission file"});
  NewGameBtn = makeButton(this, {"NEW GAME", MenuGlyph::NewGame, 80, 20, colours::kRed, "New game",
                                 "Opens the game window"});
  CommandsBtn = makeButton(this, {"LIST OF COMMANDS", MenuGlyph::Commands, 128, 21, colours::kBlue,
                                  "List of commands", "Shows the help text"});
  OptionsBtn = makeButton(this, {"OPTIONS", MenuGlyph::Options, 224, 21, colours::kGrey, "Options",
                                 "Has no settings in this version"});
  QuitBtn = makeButton(
      this, {"QUIT", MenuGlyph::Quit, 272, 21, colours::kGreen, "Quit", "Ends the program"});
}

QPlainTextEdit* TForm1::Memo1() {
  if (help_) return help_;
  // Above the buttons, under "Done", so the help covers the whole menu.
  help_ = new TextArea(this, TextArea::TabKey::MovesFocus);
  styleTextArea(help_, {.verticalScrollBar = true});
  help_->setGeometry(QRect(QPoint(0, 0), kClientSize));
  help_->setPlainText(helpText());
  help_->setAccessibleName(QStringLiteral("Help text"));
  help_->setAccessibleDescription(QStringLiteral("The list of commands, editable"));
  help_->hide();
  help_->stackUnder(DoneBtn);
  setTabOrder();
  return help_;
}

void TForm1::createDoneButton() {
  DoneBtn = new QPushButton(QStringLiteral("Done"), this);
  DoneBtn->setGeometry(557, 320, 75, 25);
  DoneBtn->setAccessibleName(QStringLiteral("Done"));
  DoneBtn->setAccessibleDescription(QStringLiteral("Hides the list of commands"));
  DoneBtn->hide();
}

void TForm1::wireButtons() {
  connect(NewGameBtn, &QPushButton::clicked, this,
          [this] { guard([this] { NewGameBtnClick(); }); });
  connect(MissionEdBtn, &QPushButton::clicked, this,
          [this] { guard([this] { MissionEdBtnClick(); }); });
  connect(CommandsBtn, &QPushButton::clicked, this,
          [this] { guard([this] { CommandsBtnClick(); }); });
  connect(DoneBtn, &QPushButton::clicked, this, [this] { guard([this] { DoneBtnClick(); }); });
  connect(QuitBtn, &QPushButton::clicked, this, [this] { guard([this] { QuitBtnClick(); }); });
  // OptionsBtn has no action.
}

void TForm1::setTabOrder() {
  std::vector<QWidget*> order = {NewGameBtn, CommandsBtn, OptionsBtn, QuitBtn};
  if (help_) order.push_back(help_);
  order.insert(order.end(), {DoneBtn, MissionEdBtn});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  // The keyboard starts where the tab order does, not at the first button made.
  if (!focusWidget()) NewGameBtn->setFocus();
}

void TForm1::NewGameBtnClick() {
  hide();
  if (actions_.showGameWindow) actions_.showGameWindow();
}

void TForm1::MissionEdBtnClick() {
  hide();
  if (actions_.showMissionEditor) actions_.showMissionEditor();
}

void TForm1::CommandsBtnClick() {
  Memo1()->show();
  DoneBtn->show();
  // The keyboard moves before the buttons go, so it never passes over them.
  // Then the caret goes to the first line: a screen reader told of a caret
  // move before the focus takes the text in silence.
  help_->setFocus(Qt::OtherFocusReason);
  help_->moveCursor(QTextCursor::Start);
  showButtons(false);
}

void TForm1::DoneBtnClick() {
  showButtons(true);
  CommandsBtn->setFocus(Qt::OtherFocusReason);
  Memo1()->hide();
  DoneBtn->hide();
}

// The help covers the buttons. Hidden as well, they take no keys: Return on
// a covered QUIT would end the program unseen, and a screen reader would
// list buttons nobody can see.
void TForm1::showButtons(bool shown) {
  for (QPushButton* button : {NewGameBtn, CommandsBtn, MissionEdBtn, OptionsBtn, QuitBtn}) {
    button->setVisible(shown);
  }
}

void TForm1::QuitBtnClick() {
  close();
}

void TForm1::paintEvent(QPaintEvent*) {
  if (pendingBackground_.valid()) background_ = QPixmap::fromImage(pendingBackground_.get());
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), palette().window());
  } else {
    painter.drawPixmap(rect(), background_);
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  // The main window: closing it ends the program, whatever else is open.
  event->accept();
  if (actions_.endProgram) actions_.endProgram();
}

}  // namespace qv
