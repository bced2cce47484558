#pragma once

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

#include "world/ports.h"

namespace qv {

// The key code a key-down handler of the game receives. Return and the
// keypad's Enter are the same key to the game (code 13); other keys keep
// Qt's code, which never collides with 13.
inline int keyDownCode(const QKeyEvent& event) {
  const int key = event.key();
  return (key == Qt::Key_Return || key == Qt::Key_Enter) ? kReturnKey : key;
}

// Return and Enter click the focused push button, as Space does: the desktop
// convention the windows are drawn after. Qt's buttons take Return only
// inside dialogs unless they are told to.
inline void returnClicksButtons(QWidget& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) button->setAutoDefault(true);
}

}  // namespace qv
