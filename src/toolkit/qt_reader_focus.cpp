#include "toolkit/qt_reader_focus.h"

#include <QAccessible>
#include <QApplication>
#include <QListView>
#include <QWidget>

namespace qv {

void tellFocus(QWidget* widget) {
  if (!widget || !QAccessible::isActive()) return;
  QAccessibleEvent focus(widget, QAccessible::Focus);
  if (const auto* list = qobject_cast<QListView*>(widget); list && list->currentIndex().isValid()) {
    focus.setChild(list->currentIndex().row());
  }
  QAccessible::updateAccessibility(&focus);
}

void retellActiveWindow() {
  QWidget* keyboard = QApplication::focusWidget();
  if (!keyboard || !QAccessible::isActive() || !keyboard->isActiveWindow()) return;
  QAccessible::State active;
  active.active = true;
  QAccessibleStateChangeEvent activation(keyboard->window(), active);
  QAccessible::updateAccessibility(&activation);
  tellFocus(keyboard);
}

}  // namespace qv
