#include "toolkit/qt_guard.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "toolkit/qt_announcer.h"
#include "toolkit/qt_look.h"
#include "toolkit/qt_text.h"
#include "world/game_error.h"

namespace qv {
namespace {

std::function<void(const QString&)>& errorBoxHook() {
  static std::function<void(const QString&)> hook;
  return hook;
}

bool boxShowing = false;

}  // namespace

void setErrorBoxHook(std::function<void(const QString&)> hook) {
  errorBoxHook() = std::move(hook);
}

void showErrorBox(const QString& message) {
  const QString text = message + QStringLiteral(".");
  if (errorBoxHook()) {
    errorBoxHook()(text);
    return;
  }
  if (boxShowing) {
    std::fprintf(stderr, "quorvexer: %s\n", text.toLocal8Bit().constData());
    return;
  }
  boxShowing = true;
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  keepOnScreen(&box);
  const FocusReturn focusBack;
  box.exec();
  boxShowing = false;
}

bool guard(const std::function<void()>& work) {
  try {
    work();
    return true;
  } catch (const GameError& e) {
    showErrorBox(toQString(e.what()));
  } catch (const std::exception& e) {
    showErrorBox(QString::fromLocal8Bit(e.what()));
  }
  return false;
}

}  // namespace qv
