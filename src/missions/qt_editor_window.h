#pragma once

#include <QPixmap>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "missions/mission_file.h"
#include "toolkit/qt_deferred_window.h"

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
class TForm4 : public DeferredWindow {
  Q_OBJECT
 public:
  // When the controls are built: at once, or when the window is first shown
  // (or a mission is put into it), so that the program's start does not
  // wait for a window most runs never open.
  enum class Build { Now, OnFirstShow };
  explicit TForm4(std::function<void()> showMenu, QWidget* parent = nullptr,
                  Build build = Build::Now);

  // What the controls hold, and putting a mission into them.
  EditorMission mission() const;
  void showMission(const EditorMission& mission);

  // The one confirmation of a successful save. Tests replace it to count.
  std::function<void()> beep;
  // Told the path of each mission file saved or read.
  std::function<void(const std::string&)> onMissionFile;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* MissionNameEd = nullptr;
  QLineEdit* ServernameEd = nullptr;
  QLineEdit* Edit2 = nullptr;
  QSpinBox* MoneyEdit = nullptr;
  QSpinBox* SpinEdit1 = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* Openbtn = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  // The two file dialogs, built on first use: they are the heaviest part of
  // the window and most runs never open them.
  QFileDialog* Open();
  QFileDialog* Save();

 public slots:
  void RadioGroup1Click();
  void SaveBtnClick();
  void OpenbtnClick();

 protected:
  void createContent() override;
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
  QButtonGroup* typeButtons_ = nullptr;
  QFileDialog* open_ = nullptr;
  QFileDialog* save_ = nullptr;
  // Where both dialogs open: the working folder, then the folder of the last
  // file saved or loaded.
  QString folder_;
  // Decoded when the window is first painted, for the pixel ratio it had.
  std::optional<QPixmap> background_;
  qreal backgroundRatio_ = 0;
};

}  // namespace qv
