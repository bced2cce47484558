#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <future>

class QPlainTextEdit;
class QPushButton;

namespace qv {

// The main menu (Form1), the program's main window: closing it ends the
// program. Its help state (Memo1 and DoneBtn over the buttons) survives
// hiding and showing, since the window is never recreated.
class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // What the menu asks of the rest of the program.
  struct Actions {
    std::function<void()> showGameWindow;
    std::function<void()> showMissionEditor;
    std::function<void()> endProgram;
  };

  explicit TForm1(Actions actions);

  // Controls, back to front.
  QPushButton* MissionEdBtn;
  QPushButton* NewGameBtn;
  QPushButton* CommandsBtn;
  QPushButton* OptionsBtn;
  QPushButton* QuitBtn;
  // The help text area, built when it is first asked for: it stays hidden
  // until "LIST OF COMMANDS", and the menu paints sooner without it.
  QPlainTextEdit* Memo1();
  QPushButton* DoneBtn;

  void NewGameBtnClick();
  void MissionEdBtnClick();
  void CommandsBtnClick();
  void DoneBtnClick();
  void QuitBtnClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createButtons();
  void createDoneButton();
  void wireButtons();
  void setTabOrder();
  void showButtons(bool shown);
  void loadButtonFaces();

  Actions actions_;
  QPlainTextEdit* help_ = nullptr;
  std::future<QImage> pendingBackground_;
  QPixmap background_;
};

// The help text laid over the menu, 100 lines, as the resources hold it.
QString helpText();

}  // namespace qv
