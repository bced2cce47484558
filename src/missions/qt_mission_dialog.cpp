#include "missions/qt_mission_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "toolkit/qt_reader_focus.h"

namespace qv {
namespace {

enum class Entry { Parent, Folder, Mission };
constexpr int kKindRole = Qt::UserRole;
constexpr int kPathRole = Qt::UserRole + 1;

// A name spoken by a screen reader may differ from the one shown: a folder
// is said to be one, so it is never mistaken for a mission by ear.
void addEntry(QListWidget* list, Entry kind, const QString& shown, const QString& spoken,
              const QString& path) {
  auto* item = new QListWidgetItem(shown, list);
  item->setData(kKindRole, static_cast<int>(kind));
  item->setData(kPathRole, path);
  item->setData(Qt::AccessibleTextRole, spoken);
  const auto icon = kind == Entry::Mission ? QStyle::SP_FileIcon : QStyle::SP_DirIcon;
  item->setIcon(list->style()->standardIcon(icon));
}

Entry kindOf(const QListWidgetItem* item) {
  return static_cast<Entry>(item->data(kKindRole).toInt());
}

QString pathOf(const QListWidgetItem* item) {
  return item->data(kPathRole).toString();
}

bool isReturn(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A typed name: "~" is the home folder, anything else not absolute lies in
// the folder shown.
QString resolve(const QString& folder, QString name) {
  if (name == QStringLiteral("~") || name.startsWith(QStringLiteral("~/")))
    name = QDir::homePath() + name.mid(1);
  return QDir::cleanPath(QDir(folder).absoluteFilePath(name));
}

// The entry to be current in a folder just shown: the one named, else the
// first mission, else the first folder, else the way up.
QListWidgetItem* entryToShow(const QListWidget& list, const QString& named) {
  QListWidgetItem* pick = nullptr;
  for (int row = 0; row < list.count(); ++row) {
    QListWidgetItem* item = list.item(row);
    if (!named.isEmpty() && item->text() == named && kindOf(item) != Entry::Parent) return item;
    const bool better = !pick ||
                        (kindOf(item) == Entry::Mission && kindOf(pick) != Entry::Mission) ||
                        (kindOf(pick) == Entry::Parent && kindOf(item) != Entry::Parent);
    if (better) pick = item;
  }
  return pick;
}

}  // namespace

MissionDialog::MissionDialog(QWidget* parent, const QString& folder, const QString& file,
                             const std::vector<Place>& places)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Open"));
  buildControls();
  for (const Place& place : places) {
    addEntry(places_, Entry::Folder, place.name, place.name, place.folder);
  }
  places_->setCurrentRow(0);
  layOut();
  showFolder(folder, file);
  if (!file.isEmpty()) name_->setText(file);
  name_->selectAll();
  name_->setFocus();
}

void MissionDialog::buildControls() {
  // Names and descriptions are set before the dialog is shown: a screen
  // reader may fail on a change of them while it is.
  folderField_ = new QLineEdit(this);
  folderField_->setReadOnly(true);
  folderField_->setAccessibleName(QStringLiteral("Folder"));
  places_ = new QListWidget(this);
  places_->setAccessibleName(QStringLiteral("Places"));
  places_->setAccessibleDescription(QStringLiteral("Return opens the place"));
  entries_ = new QListWidget(this);
  entries_->setUniformItemSizes(true);
  entries_->setAccessibleName(QStringLiteral("Missions and folders"));
  entries_->setAccessibleDescription(QStringLiteral("Return opens a folder or starts a mission"));
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("fileNameEdit"));
  name_->setAccessibleName(QStringLiteral("File name"));
  name_->setAccessibleDescription(QStringLiteral("A mission's name or path; Return opens it"));
  open_ = new QPushButton(QStringLiteral("&Open"), this);
  open_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  for (QObject* control : {static_cast<QObject*>(places_), static_cast<QObject*>(entries_),
                           static_cast<QObject*>(name_)}) {
    control->installEventFilter(this);
  }
  connect(places_, &QListWidget::itemActivated, this, &MissionDialog::placeChosen);
  connect(places_, &QListWidget::itemClicked, this, &MissionDialog::placeChosen);
  connect(entries_, &QListWidget::itemActivated, this, &MissionDialog::entryChosen);
  connect(entries_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) name_->setText(kindOf(item) == Entry::Parent ? QStringLiteral("..") : item->text());
  });
  connect(open_, &QPushButton::clicked, this, &MissionDialog::confirm);
  connect(cancel_, &QPushButton::clicked, this, &MissionDialog::reject);
}

void MissionDialog::layOut() {
  auto* grid = new QGridLayout(this);
  auto* lookIn = new QLabel(QStringLiteral("Look &in:"), this);
  lookIn->setBuddy(folderField_);
  auto* nameLabel = new QLabel(QStringLiteral("File &name:"), this);
  nameLabel->setBuddy(name_);
  auto* filter = new QLabel(QStringLiteral("Quorvexer Mission"), this);
  filter->setObjectName(QStringLiteral("fileTypeLabel"));
  grid->addWidget(lookIn, 0, 0);
  grid->addWidget(folderField_, 0, 1, 1, 2);
  grid->addWidget(places_, 1, 0);
  grid->addWidget(entries_, 1, 1, 1, 2);
  grid->addWidget(nameLabel, 2, 0);
  grid->addWidget(name_, 2, 1);
  grid->addWidget(open_, 2, 2);
  grid->addWidget(new QLabel(QStringLiteral("Files of type:"), this), 3, 0);
  grid->addWidget(filter, 3, 1);
  grid->addWidget(cancel_, 3, 2);
  grid->setColumnStretch(1, 1);
  places_->setMaximumWidth(170);
  resize(620, 380);
  // By eye: the folder, the places, the entries, the name, the buttons.
  QWidget::setTabOrder(folderField_, places_);
  QWidget::setTabOrder(places_, entries_);
  QWidget::setTabOrder(entries_, name_);
  QWidget::setTabOrder(name_, open_);
  QWidget::setTabOrder(open_, cancel_);
}

void MissionDialog::showFolder(const QString& folder, const QString& current) {
  folder_ = QDir::cleanPath(folder);
  folderField_->setText(QDir::toNativeSeparators(folder_));
  entries_->clear();
  const QDir dir(folder_);
  if (!dir.isRoot()) {
    addEntry(entries_, Entry::Parent, QStringLiteral(".."), QStringLiteral("Parent folder"),
             QFileInfo(folder_).absolutePath());
  }
  // The pattern has no dot: every name ending in those three letters.
  const QFileInfoList found = dir.entryInfoList({QStringLiteral("*qmf")},
                                                QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot,
                                                QDir::Name | QDir::IgnoreCase | QDir::DirsFirst);
  for (const QFileInfo& info : found) {
    const QString name = info.fileName();
    if (info.isDir()) {
      addEntry(entries_, Entry::Folder, name, name + QStringLiteral(", folder"),
               info.absoluteFilePath());
    } else {
      addEntry(entries_, Entry::Mission, name, name, info.absoluteFilePath());
    }
  }
  if (QListWidgetItem* item = entryToShow(*entries_, current)) {
    entries_->setCurrentItem(item);
  } else {
    name_->clear();
  }
}

void MissionDialog::entryChosen(QListWidgetItem* item) {
  if (!item) return;
  switch (kindOf(item)) {
    case Entry::Parent:
      showFolder(pathOf(item), QFileInfo(folder_).fileName());
      break;
    case Entry::Folder:
      showFolder(pathOf(item), {});
      break;
    case Entry::Mission:
      name_->setText(item->text());
      accept();
      break;
  }
}

void MissionDialog::placeChosen(QListWidgetItem* item) {
  if (!item) return;
  showFolder(pathOf(item), {});
  entries_->setFocus(Qt::OtherFocusReason);
}

void MissionDialog::confirm() {
  const QString typed = name_->text();
  if (typed.isEmpty()) return;
  const QString path = resolve(folder_, typed);
  if (QFileInfo(path).isDir()) {
    showFolder(path, {});
    return;
  }
  accept();
}

QString MissionDialog::chosenPath() const {
  const QString typed = name_->text();
  if (typed.isEmpty()) return {};
  QString path = resolve(folder_, typed);
  const QFileInfo info(path);
  // The default extension, for a name typed without one that names nothing.
  if (!info.exists() && !info.fileName().contains(u'.')) path += QStringLiteral(".qmf");
  return path;
}

bool MissionDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && (watched == places_ || watched == entries_)) {
    // After the list's own focus event: the entry the player is on.
    auto* list = static_cast<QListWidget*>(watched);
    QTimer::singleShot(0, list, [list] {
      if (list->hasFocus()) tellFocus(list);
    });
  }
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (isReturn(key)) {
    if (watched == places_) placeChosen(places_->currentItem());
    if (watched == entries_) entryChosen(entries_->currentItem());
    if (watched == name_) confirm();
    return true;
  }
  // Down or Up from the name field goes to the list it names an entry of.
  if (watched == name_ && (key.key() == Qt::Key_Down || key.key() == Qt::Key_Up)) {
    entries_->setFocus(Qt::OtherFocusReason);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace qv
