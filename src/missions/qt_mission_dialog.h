#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qv {

// The game's mission chooser: the missions (names ending in "qmf") and
// folders of one folder, a side bar of places and a name field. It is small
// on purpose: every move of the keys changes one list's current entry or one
// field, so a screen reader hears each of them; a general file dialog sends
// dozens of events per move, and the reader drops them.
//
// Return on a folder or a place opens it; Return on a mission, or in the name
// field, chooses. A name typed into the field is taken relative to the folder
// shown, need not exist, and gets ".qmf" when it has no dot; a name that is a
// folder opens it instead.
class MissionDialog : public QDialog {
 public:
  struct Place {
    QString name;
    QString folder;
  };

  // Opens showing `folder` with `file` (a name in it) chosen, or else the
  // folder's first mission.
  MissionDialog(QWidget* parent, const QString& folder, const QString& file,
                const std::vector<Place>& places);

  QString folder() const { return folder_; }
  // The path the name field names now: what the dialog gives once accepted.
  // (The dialog itself accepts no folder: Return opens it.)
  QString chosenPath() const;

  // The controls, by what a player does with them.
  QListWidget* places() const { return places_; }
  QListWidget* entries() const { return entries_; }
  QLineEdit* nameField() const { return name_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void layOut();
  void showFolder(const QString& folder, const QString& current);
  void entryChosen(QListWidgetItem* item);
  void placeChosen(QListWidgetItem* item);
  void confirm();

  QString folder_;
  QListWidget* places_ = nullptr;
  QListWidget* entries_ = nullptr;
  QLineEdit* folderField_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace qv
