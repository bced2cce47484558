#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QScreen;

namespace qv {

// Keeps the game, compiler and status windows apart on the game window's
// screen (see arrangeWindowGroup): each time the game window is shown (the
// main menu is framed by then, so the window manager's frame is known), and
// whenever a screen is added or removed or changes its size or scale. A
// window drawn over another would hide behind it once that one is raised.
// Under a window manager the windows are measured with the frame it gives
// them, as far as it is known yet.
class WindowGroupPlacer : public QObject {
 public:
  WindowGroupPlacer(QWidget* game, QWidget* compiler, QWidget* status, int inputLineHeight);

  void place();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch(QScreen* screen);
  void placeSoon();

  QPointer<QWidget> game_, compiler_, status_;
  int inputLineHeight_;
  bool placeQueued_ = false;
};

}  // namespace qv
