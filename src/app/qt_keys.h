#pragma once

#include <QKeyEvent>

#include "world/ports.h"

namespace qv {

// The key code a key-down handler of the game receives. Return and the
// keypad's Enter are the same key to the game (code 13); other keys keep
// Qt's code, which never collides with 13.
inline int keyDownCode(const QKeyEvent& event) {
  const int key = event.key();
  return (key == Qt::Key_Return || key == Qt::Key_Enter) ? kReturnKey : key;
}

}  // namespace qv
