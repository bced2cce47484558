#include "missions/qt_editor_window.h"

#include <QCloseEvent>

namespace qv {

TForm4::TForm4(std::function<void()> showMenu, QWidget* parent)
    : QWidget(parent), showMenu_(std::move(showMenu)) {
  setWindowTitle(QStringLiteral("Mission Editor"));
}

void TForm4::closeEvent(QCloseEvent* event) {
  event->accept();
  if (showMenu_) showMenu_();
}

}  // namespace qv
