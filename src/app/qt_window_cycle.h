#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace qv {

// F6 and Shift+F6 move the keyboard to the next or the previous open window
// of the program, passing over hidden ones, so a player without a mouse can
// always get back to where they type. In each window it lands on the control
// the window is for.
class WindowCycle : public QObject {
 public:
  struct Stop {
    QWidget* window;
    // The control the keyboard lands on; none: where it last was there.
    std::function<QWidget*()> landing;
  };

  // The windows in the order F6 visits them.
  explicit WindowCycle(std::vector<Stop> stops);

  void move(bool forward);

 private:
  int current() const;
  void land(const Stop& stop);

  std::vector<Stop> stops_;
};

}  // namespace qv
