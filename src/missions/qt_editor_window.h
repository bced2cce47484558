#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

#include "missions/mission_file.h"

class QButtonGroup;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qv {

// The mission editor window (Form4): composes a mission and saves it as a
// mission file, or loads one back. Created once; closing it hides it, keeps
// every control's contents and shows the main menu again through showMenu.
class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(std::function<void()> showMenu, QWidget* parent = nullptr);

  // What the controls hold, and putting a mission into them.
  EditorMission mission() const;
  void showMission(const EditorMission& mission);

  // The one confirmation of a successful save. Tests replace it to count.
  std::function<void()> beep;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLineEdit* MissionNameEd;
  QLineEdit* ServernameEd;
  QLineEdit* Edit2;
  QSpinBox* MoneyEdit;
  QSpinBox* SpinEdit1;
  QPushButton* SaveBtn;
  QPushButton* Openbtn;
  QGroupBox* RadioGroup1;
  QPlainTextEdit* Memo1;
  // The two file dialogs, built on first use: they are the heaviest part of
  // the window and most runs never open them.
  QFileDialog* Open();
  QFileDialog* Save();

 public slots:
  void RadioGroup1Click();
  void SaveBtnClick();
  void OpenbtnClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControls();
  void nameControls();
  void nameGoalBox();
  void setTabOrder();
  void moveTypeTabStop();
  void showItems(const EditorMission& mission, const EditorItemsRead& items);
  int selectedType() const;
  void selectType(int typeIndex);

  std::function<void()> showMenu_;
  QButtonGroup* typeButtons_;
  QFileDialog* open_ = nullptr;
  QFileDialog* save_ = nullptr;
  // Decoded when the window is first painted.
  std::optional<QPixmap> background_;
};

}  // namespace qv
