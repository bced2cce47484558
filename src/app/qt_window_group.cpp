#include "app/qt_window_group.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "toolkit/qt_look.h"
#include "world/window_layout.h"

namespace qv {
namespace {

QMargins frameOf(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect client = window->geometry();
  return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
          outer.bottom() - client.bottom()};
}

// The frame the window manager gives the program's windows: the largest
// one it has drawn so far (none without a window manager). Before it has
// framed any window, the frame the windows were drawn with stands in.
QMargins windowManagerFrame() {
  QMargins largest;
  bool framedAny = false;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->windowType() != Qt::Window || !window->testAttribute(Qt::WA_WState_Created)) {
      continue;
    }
    const QMargins frame = frameOf(window);
    largest = {std::max(largest.left(), frame.left()), std::max(largest.top(), frame.top()),
               std::max(largest.right(), frame.right()),
               std::max(largest.bottom(), frame.bottom())};
    framedAny = true;
  }
  if (framedAny) return largest;
  const int side = kSizeableFrame.width / 2;
  return {side, kSizeableFrame.height - side, side, side};
}

Box outerBox(const QRect& drawn, const QMargins& frame) {
  return {drawn.x(), drawn.y(), drawn.width() + frame.left() + frame.right(),
          drawn.height() + frame.top() + frame.bottom()};
}

void moveTo(QWidget* window, const Box& outer, const QMargins& frame) {
  const QRect client(outer.x + frame.left(), outer.y + frame.top(),
                     outer.width - frame.left() - frame.right(),
                     outer.height - frame.top() - frame.bottom());
  if (window->testAttribute(Qt::WA_WState_Created)) {
    // Qt would place a window it has made but not yet shown by its client
    // area: it knows no frame for it yet.
    window->setGeometry(client);
  } else {
    // Until it is made, a window's position is that of its frame.
    window->resize(client.size());
    window->move(outer.x, outer.y);
  }
}

}  // namespace

WindowGroupPlacer::WindowGroupPlacer(QWidget* game, QWidget* compiler, QWidget* status,
                                     int inputLineHeight)
    : game_(game), compiler_(compiler), status_(status), inputLineHeight_(inputLineHeight) {
  game->installEventFilter(this);
  for (QScreen* screen : QGuiApplication::screens()) watch(screen);
  connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
    watch(screen);
    placeSoon();
  });
  connect(qGuiApp, &QGuiApplication::screenRemoved, this, &WindowGroupPlacer::placeSoon);
  connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &WindowGroupPlacer::placeSoon);
}

void WindowGroupPlacer::watch(QScreen* screen) {
  connect(screen, &QScreen::availableGeometryChanged, this, &WindowGroupPlacer::placeSoon);
  connect(screen, &QScreen::geometryChanged, this, &WindowGroupPlacer::placeSoon);
  connect(screen, &QScreen::logicalDotsPerInchChanged, this, &WindowGroupPlacer::placeSoon);
}

bool WindowGroupPlacer::eventFilter(QObject* watched, QEvent* event) {
  // Placed before the window system sees the window.
  if (watched == game_ && event->type() == QEvent::Show) place();
  return QObject::eventFilter(watched, event);
}

void WindowGroupPlacer::placeSoon() {
  if (placeQueued_) return;
  placeQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    placeQueued_ = false;
    place();
  });
}

void WindowGroupPlacer::place() {
  if (!game_ || !compiler_ || !status_) return;
  const QRect drawnGame = drawnPlace(game_);
  QScreen* screen = game_->isVisible() ? game_->screen() : nullptr;
  if (!screen) screen = QGuiApplication::screenAt(drawnGame.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QMargins frame = windowManagerFrame();
  const WindowGroup drawn{outerBox(drawnGame, frame), outerBox(drawnPlace(compiler_), frame),
                          outerBox(drawnPlace(status_), frame)};
  const WindowGroup placed =
      arrangeWindowGroup({available.x(), available.y(), available.width(), available.height()},
                         drawn, inputLineHeight_ + frame.bottom());
  moveTo(game_, placed.game, frame);
  moveTo(compiler_, placed.compiler, frame);
  moveTo(status_, placed.status, frame);
}

}  // namespace qv
