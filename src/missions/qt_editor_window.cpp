#include "missions/qt_editor_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStringList>
#include <limits>
#include <string_view>
#include <vector>

#include "assets/qt_jpeg.h"
#include "missions/qt_editor_glyphs.h"
#include "toolkit/qt_announcer.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_keys.h"
#include "toolkit/qt_look.h"
#include "toolkit/qt_paths.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_text_area.h"
#include "toolkit/qt_text_pane.h"

namespace qv {
namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kWhite{0xFF, 0xFF, 0xFF};
// Shown where the background picture cannot be decoded.
const QColor kPlainBackground{0x00, 0x00, 0x40};

// The controls fill this client area, as the window was drawn. Its size is
// fixed, like the menu's: a tiling desktop then floats the window instead of
// stretching it over a whole tile with the controls in one corner.
constexpr QSize kClientSize{442, 291};
constexpr QSize kOuterSize{kClientSize.width() + kFixedFrame.width,
                           kClientSize.height() + kFixedFrame.height};

const QString kMissionFilter = QStringLiteral("Quorvexer Mission File (*.qmf)");
const char* const kTypeItems[3] = {"change server status", "download file",
                                   "trasfer money from server"};
const char* const kServerCaption = "The Name of the targer server (Zorb Bank)";

// Labels have no background of their own: the picture shows through.
QLabel* colouredLabel(QWidget* parent, const char* text, const QColor& colour, QPoint at) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAutoFillBackground(false);
  label->adjustSize();
  label->move(at);
  return label;
}

QLineEdit* lineEdit(QWidget* parent, const std::string& text, QRect place) {
  auto* edit = new QLineEdit(parent);
  // Mission texts have no length limit; Qt's default would cut them.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setText(toQString(text));
  edit->setGeometry(place);
  return edit;
}

QSpinBox* spinField(QWidget* parent, int value, QRect place) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  spin->setValue(value);
  spin->setGeometry(place);
  return spin;
}

// A spin field's text that is not a whole number counts as 0.
std::int32_t valueOf(const QSpinBox* spin) {
  bool ok = false;
  const int value = spin->cleanText().toInt(&ok, 10);
  return ok ? value : 0;
}

QPushButton* glyphButton(QWidget* parent, const char* text, const QIcon& glyph, QRect place) {
  auto* button = new QPushButton(glyph, QString::fromLatin1(text), parent);
  button->setGeometry(place);
  return button;
}

QFileDialog* missionDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
  auto* dialog = new QFileDialog(parent);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setOption(QFileDialog::HideNameFilterDetails);  // shows "Quorvexer Mission File"
  dialog->setNameFilter(kMissionFilter);
  dialog->setAcceptMode(mode);
  // A name typed into either dialog is taken as it is; a missing file is
  // reported by the load itself.
  dialog->setFileMode(QFileDialog::AnyFile);
  keepOnScreen(dialog);
  return dialog;
}

// The description box's lines are its blocks. The file keeps them in its one
// description item, parted by a lone LF, which the readers leave inside the
// item; a lone LF of a loaded text starts a new line of the box.
constexpr char kLineBreak = '\n';

std::string descriptionOf(const QPlainTextEdit& box) {
  const std::vector<std::string> lines = rawLines(box);
  std::string text = lines.empty() ? std::string() : lines.front();
  for (std::size_t i = 1; i < lines.size(); ++i) (text += kLineBreak) += lines[i];
  return text;
}

void showDescription(QPlainTextEdit& box, std::string_view text) {
  QStringList lines;
  for (std::size_t end; (end = text.find(kLineBreak)) != std::string_view::npos;) {
    lines << toLineText(std::string(text.substr(0, end)));
    text.remove_prefix(end + 1);
  }
  lines << toLineText(std::string(text));
  box.setPlainText(lines.join(u'\n'));
}

// Runs a dialog in the editor's own folder; the chosen path, or nothing when
// the user cancels. The game's mission dialog moves the folder every new
// dialog starts in, so the editor keeps its own: the folder of the last file
// it saved or loaded. The dialog is kept for later and may leave its list of
// name completions open, which would hold every key until Escape: it goes
// with the dialog.
std::optional<std::string> chosenPath(QFileDialog* dialog, QString& folder) {
  const FocusReturn focusBack;
  dialog->setDirectory(folder);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  while (QWidget* leftover = QApplication::activePopupWidget()) leftover->hide();
  if (!accepted || dialog->selectedFiles().isEmpty()) return {};
  const QString chosen = dialog->selectedFiles().constFirst();
  if (const QFileInfo file(chosen); file.absoluteDir().exists()) folder = file.absolutePath();
  // A path is no world text: it goes to the file system in its own encoding.
  return nativePath(chosen);
}

}  // namespace

TForm4::TForm4(std::function<void()> showMenu, QWidget* parent, Build build)
    : DeferredWindow(parent),
      beep([] { QApplication::beep(); }),
      showMenu_(std::move(showMenu)),
      folder_(QDir::currentPath()) {
  setWindowTitle(QStringLiteral("Mission Editor"));
  placeWindow(this, {408, 517}, kOuterSize, kFixedFrame);
  // Escape (or the desktop's key for closing) does what the close box does:
  // without a window manager there is no close box, and the menu is hidden.
  for (auto* key :
       {new QShortcut(Qt::Key_Escape, this), new QShortcut(QKeySequence::Close, this)}) {
    connect(key, &QShortcut::activated, this, &QWidget::close);
  }
  if (build == Build::Now) buildContent();
}

void TForm4::createContent() {
  createControls();
  // The labels fit their captions once the window's own face is in place.
  setFontOnFirstShow(this, sansFont(11), [this] {
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5}) label->adjustSize();
  });
  setTabOrder();
  showMission(EditorMission());
  returnClicksButtons(*this);
}

// Focusable controls are created in tab order, so the description box is
// first and has the focus when the window opens for the first time.
void TForm4::createControls() {
  const EditorMission fresh;
  Memo1 = new TextArea(this, TextArea::TabKey::MovesFocus);
  Memo1->setGeometry(0, 144, 441, 145);
  MissionNameEd = lineEdit(this, fresh.name, {0, 16, 233, 21});
  Edit2 = lineEdit(this, fresh.goal, {0, 96, 137, 21});

  RadioGroup1 = new QGroupBox(QStringLiteral("Mission Type"), this);
  RadioGroup1->setGeometry(232, 40, 209, 105);
  // Unlike the labels, the group has a face of its own, so its black
  // captions stay readable on the dark picture.
  QPalette face = RadioGroup1->palette();
  face.setColor(QPalette::Window, colours::kSilver);
  face.setColor(QPalette::WindowText, colours::kBlack);
  RadioGroup1->setPalette(face);
  RadioGroup1->setAutoFillBackground(true);
  typeButtons_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* item = new QRadioButton(QString::fromLatin1(kTypeItems[i]), RadioGroup1);
    item->setGeometry(8, 18 + i * 26, 193, 20);
    typeButtons_->addButton(item, i);
  }
  // Like the original group, a change of selection from code runs the click
  // handler too; it only sets a caption, so running it twice does no harm.
  connect(typeButtons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (!checked) return;
    RadioGroup1Click();
    moveTypeTabStop();
  });

  MoneyEdit = spinField(this, fresh.money, {144, 96, 89, 22});
  ServernameEd = lineEdit(this, fresh.server, {0, 56, 233, 21});
  SaveBtn = glyphButton(this, "Save Mission", saveMissionGlyph(), {0, 120, 113, 25});
  Openbtn = glyphButton(this, "Load Mission", loadMissionGlyph(), {112, 120, 121, 25});
  SpinEdit1 = spinField(this, fresh.time, {256, 16, 121, 22});
  connect(SaveBtn, &QPushButton::clicked, this, &TForm4::SaveBtnClick);
  connect(Openbtn, &QPushButton::clicked, this, &TForm4::OpenbtnClick);

  Label1 = colouredLabel(this, "Mission Name:", colours::kRed, {0, 0});
  Label4 = colouredLabel(this, kServerCaption, kWhite, {0, 40});
  Label2 = colouredLabel(this, kGoalStatusLabel, kAqua, {0, 80});
  Label3 = colouredLabel(this, "Amount:", kYellow, {160, 80});
  Label5 = colouredLabel(this, "Mission time in seconds:", colours::kRed, {256, 0});
  nameControls();
}

// A screen reader reads the fields by these names; the goal box takes its
// label's caption, which changes with the mission type.
void TForm4::nameControls() {
  Memo1->setAccessibleName(QStringLiteral("Mission description"));
  MissionNameEd->setAccessibleName(QStringLiteral("Mission name"));
  ServernameEd->setAccessibleName(QStringLiteral("Target server name"));
  MoneyEdit->setAccessibleName(QStringLiteral("Amount"));
  MoneyEdit->setAccessibleDescription(QStringLiteral("Money to take, for money missions"));
  SpinEdit1->setAccessibleName(QStringLiteral("Mission time in seconds"));
  RadioGroup1->setAccessibleName(QStringLiteral("Mission type"));
  for (QAbstractButton* item : typeButtons_->buttons()) item->setAccessibleName(item->text());
  SaveBtn->setAccessibleName(QStringLiteral("Save mission"));
  SaveBtn->setAccessibleDescription(QStringLiteral("Writes the mission to a file"));
  Openbtn->setAccessibleName(QStringLiteral("Load mission"));
  Openbtn->setAccessibleDescription(QStringLiteral("Reads a mission file into the fields"));
  nameGoalBox();
}

void TForm4::nameGoalBox() {
  QString caption = Label2->text();
  if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
  Edit2->setAccessibleName(caption);
}

QFileDialog* TForm4::Open() {
  if (!open_) open_ = missionDialog(this, QFileDialog::AcceptOpen);
  return open_;
}

QFileDialog* TForm4::Save() {
  if (!save_) {
    save_ = missionDialog(this, QFileDialog::AcceptSave);
    save_->setDefaultSuffix(QStringLiteral("qmf"));
    save_->setOption(QFileDialog::DontConfirmOverwrite);  // replaced without asking
  }
  return save_;
}

void TForm4::setTabOrder() {
  QWidget* const order[] = {Memo1,     MissionNameEd, Edit2,   typeButtons_->button(0),
                            MoneyEdit, ServernameEd,  SaveBtn, Openbtn,
                            SpinEdit1};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  Memo1->setFocus();
}

// The type group is one tab stop, its selected item, as a radio group is on
// the desktop; the arrow keys move among the items.
void TForm4::moveTypeTabStop() {
  QAbstractButton* selected = typeButtons_->checkedButton();
  if (!selected) return;
  for (QAbstractButton* item : typeButtons_->buttons()) {
    item->setFocusPolicy(item == selected ? Qt::StrongFocus : Qt::ClickFocus);
  }
  QWidget::setTabOrder(Edit2, selected);
  QWidget::setTabOrder(selected, MoneyEdit);
}

int TForm4::selectedType() const {
  return typeButtons_->checkedId();
}

void TForm4::selectType(int typeIndex) {
  if (auto* item = typeButtons_->button(typeIndex)) item->setChecked(true);
}

EditorMission TForm4::mission() const {
  EditorMission m;
  m.name = fromQString(MissionNameEd->text());
  m.typeIndex = selectedType();
  m.server = fromQString(ServernameEd->text());
  m.goal = fromQString(Edit2->text());
  m.money = valueOf(MoneyEdit);
  m.description = descriptionOf(*Memo1);
  m.time = valueOf(SpinEdit1);
  m.goalLabel = fromQString(Label2->text());
  return m;
}

void TForm4::showMission(const EditorMission& m) {
  buildContent();
  showItems(m, {.name = true,
                .type = true,
                .server = true,
                .goal = true,
                .money = true,
                .description = true,
                .time = true});
}

// Controls outside `items` are left alone, so what they hold is never put
// back through a copy that could lose a character.
void TForm4::showItems(const EditorMission& m, const EditorItemsRead& items) {
  if (items.name) MissionNameEd->setText(toQString(m.name));
  if (items.type) selectType(m.typeIndex);
  if (items.server) ServernameEd->setText(toQString(m.server));
  if (items.goal) Edit2->setText(toQString(m.goal));
  if (items.money) MoneyEdit->setValue(m.money);
  if (items.description) showDescription(*Memo1, m.description);
  if (items.time) SpinEdit1->setValue(m.time);
  Label2->setText(toQString(m.goalLabel));
  Label2->adjustSize();
  nameGoalBox();
}

void TForm4::RadioGroup1Click() {
  Label2->setText(toQString(goalLabelAfterTypeClick(selectedType(), fromQString(Label2->text()))));
  Label2->adjustSize();
  nameGoalBox();
}

void TForm4::SaveBtnClick() {
  guard([this] {
    const auto path = chosenPath(Save(), folder_);
    if (!path) return;
    saveMissionBytes(*path, writeMission(mission()));
    if (onMissionFile) onMissionFile(*path);
    beep();
  });
}

void TForm4::OpenbtnClick() {
  guard([this] {
    const auto path = chosenPath(Open(), folder_);
    if (!path) return;
    const std::string bytes = loadMissionBytes(*path);
    if (onMissionFile) onMissionFile(*path);
    // The reader needs only the type selection and the goal caption; items
    // read before a bad one stay in the controls, as a failed load leaves
    // them, and the error then reaches the error box.
    EditorMission loaded;
    loaded.typeIndex = selectedType();
    loaded.goalLabel = fromQString(Label2->text());
    EditorItemsRead read;
    try {
      readMissionIntoEditor(loaded, bytes, &read);
    } catch (...) {
      showItems(loaded, read);
      throw;
    }
    showItems(loaded, read);
  });
}

void TForm4::closeEvent(QCloseEvent* event) {
  event->accept();
  if (showMenu_) showMenu_();
}

void TForm4::paintEvent(QPaintEvent*) {
  // Decoded again only on a screen of another pixel ratio.
  if (!background_ || backgroundRatio_ != devicePixelRatioF()) {
    backgroundRatio_ = devicePixelRatioF();
    background_ = loadBackground(QStringLiteral(":/assets/editor.jpg"), backgroundRatio_);
  }
  QPainter painter(this);
  if (background_->isNull()) {
    painter.fillRect(rect(), kPlainBackground);
  } else {
    painter.drawPixmap(rect(), *background_);
  }
}

}  // namespace qv
