#include "app/qt_aside.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace qv {
namespace {

// Keeps the keyboard with the player while a window is shown aside. Gives up
// after a few seconds unless the window shown holds the keyboard then.
class KeyboardKeeper : public QObject {
 public:
  KeyboardKeeper(QWidget* shown, QWidget* typing) : QObject(shown), shown_(shown), typing_(typing) {
    qApp->installEventFilter(this);
    QTimer::singleShot(kKeepMs, this, [this] {
      if (!shown_->isActiveWindow()) deleteLater();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!typing_ || !typing_->isVisible()) {
      deleteLater();
      return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const QWidget* window = widget ? widget->window() : nullptr;
    switch (event->type()) {
      case QEvent::WindowActivate:
        if (watched == shown_) {
          // Qt asks for the window it has just been given once more: ask
          // for the player's window after that, so that request comes last.
          shownActivated_ = true;
          QTimer::singleShot(0, this, [this] { giveBack(); });
        } else if (shownActivated_ && window == typing_->window()) {
          deleteLater();
        }
        break;
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        if (window == shown_) return forward(*static_cast<QKeyEvent*>(event));
        break;
      case QEvent::MouseButtonPress:  // the player chooses a window
        deleteLater();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void giveBack() {
    if (!typing_) return;
    typing_->activateWindow();
    typing_->setFocus(Qt::OtherFocusReason);
  }

  bool forward(const QKeyEvent& key) {
    QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                   key.nativeVirtualKey(), key.nativeModifiers(), key.text(), key.isAutoRepeat(),
                   key.count());
    QCoreApplication::sendEvent(typing_, &copy);
    return true;
  }

  static constexpr int kKeepMs = 3000;
  QWidget* shown_;
  QPointer<QWidget> typing_;
  bool shownActivated_ = false;
};

}  // namespace

void showAside(QWidget& window) {
  QWidget* typing = QApplication::focusWidget();
  window.setAttribute(Qt::WA_ShowWithoutActivating);
  window.show();
  if (typing && typing->window() != &window) new KeyboardKeeper(&window, typing);
}

}  // namespace qv
