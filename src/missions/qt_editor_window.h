#pragma once

#include <QWidget>
#include <functional>

namespace qv {

// The mission editor window (Form4). Closing it hides it and shows the main
// menu again through showMenu.
class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(std::function<void()> showMenu, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> showMenu_;
};

}  // namespace qv
