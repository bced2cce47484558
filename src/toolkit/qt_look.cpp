#include "toolkit/qt_look.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>

namespace qv {
namespace {

// The faces the windows were drawn in ("Courier", "MS Sans Serif",
// "Computerfont") are not free. A face from a Debian package the game depends
// on stands in for each, asked for by its exact family name: fontconfig
// then has nothing to guess, and a machine with hundreds of fonts draws the
// same pixels as one with only these. Each name belongs to one package only:
// the Liberation faces, for one, come in two versions under the same names,
// and with both installed either may be drawn.
struct PinnedFace {
  const char* family;
  const char* package;
  QFont::StyleHint fallbackHint;  // what to fall back to where the face is missing
  bool fixedPitch;
};
// Courier's own metrics: every character 0.6 em wide.
constexpr PinnedFace kCourierFace{"Cousine", "fonts-croscore", QFont::TypeWriter, true};
// A sans of the narrow metrics of the window's face at 11 px: the editor's
// captions keep the places they were drawn at.
constexpr PinnedFace kSansFace{"Arimo", "fonts-croscore", QFont::SansSerif, false};
// A face drawn after an old terminal's screen: the menu's captions, 20 and
// 21 px high, fit their 233-pixel buttons beside the glyphs.
constexpr PinnedFace kComputerFace{"IBM 3270", "fonts-3270", QFont::Monospace, true};
constexpr const PinnedFace* kPinnedFaces[] = {&kCourierFace, &kSansFace, &kComputerFace};

QFont face(const PinnedFace& pinned, int pixelSize) {
  QFont font;
  font.setFamilies({QString::fromLatin1(pinned.family)});
  font.setStyleHint(pinned.fallbackHint);
  font.setFixedPitch(pinned.fixedPitch);
  font.setPixelSize(pixelSize);
  return font;
}

// Waits for the widget's first Show event, then leaves.
class FirstShow : public QObject {
 public:
  FirstShow(QWidget* widget, QFont font, std::function<void()> whenShown)
      : QObject(widget), font_(std::move(font)), whenShown_(std::move(whenShown)) {
    widget->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* widget = static_cast<QWidget*>(watched);
      widget->removeEventFilter(this);
      widget->setFont(font_);
      if (whenShown_) whenShown_();
      deleteLater();
    }
    return false;
  }

 private:
  QFont font_;
  std::function<void()> whenShown_;
};

}  // namespace

void setFontOnFirstShow(QWidget* widget, const QFont& font, std::function<void()> whenShown) {
  new FirstShow(widget, font, std::move(whenShown));
}

QFont courierFont(int pixelSize) {
  return face(kCourierFace, pixelSize);
}

QFont sansFont(int pixelSize) {
  return face(kSansFace, pixelSize);
}

QFont computerFont(int pixelSize) {
  return face(kComputerFace, pixelSize);
}

QStringList missingFaces() {
  // Exact names only: a family fontconfig would substitute does not count.
  const QStringList installed = QFontDatabase::families();
  QStringList missing;
  for (const PinnedFace* pinned : kPinnedFaces) {
    const QString family = QString::fromLatin1(pinned->family);
    if (!installed.contains(family)) {
      missing << QStringLiteral("\"%1\" (%2)").arg(family, QString::fromLatin1(pinned->package));
    }
  }
  return missing;
}

void reportMissingFaces() {
  const QStringList missing = missingFaces();
  if (missing.isEmpty()) return;
  std::fprintf(stderr, "quorvexer: font faces missing, drawing with fallback faces instead: %s\n",
               qPrintable(missing.join(QStringLiteral(", "))));
}

void styleTextArea(QPlainTextEdit* area, const TextAreaLook& look) {
  QPalette palette = area->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, look.background);
    palette.setColor(group, QPalette::Text, look.text);
  }
  area->setPalette(palette);
  setFontOnFirstShow(area, look.font);
  area->setUndoRedoEnabled(false);
  area->setReadOnly(look.readOnly);
  // Read-only text still has a caret, so it can be read line by line with
  // the arrow keys (a screen reader follows the caret).
  if (look.readOnly) {
    area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  area->setLineWrapMode(look.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  area->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  area->setVerticalScrollBarPolicy(look.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QRect fitOnScreen(const QRect& outer, const QRect& area, bool resizable) {
  QRect fitted = outer;
  if (resizable) fitted.setSize(outer.size().boundedTo(area.size()));
  // Left and top last, so a window larger than the area shows its title bar.
  fitted.moveRight(std::min(fitted.right(), area.right()));
  fitted.moveBottom(std::min(fitted.bottom(), area.bottom()));
  fitted.moveLeft(std::max(fitted.left(), area.left()));
  fitted.moveTop(std::max(fitted.top(), area.top()));
  return fitted;
}

namespace {

bool isResizable(const QWidget* window) {
  return window->minimumSize() != window->maximumSize();
}

// The screen a window at this place opens on.
QScreen* screenFor(const QWidget* window, const QRect& outer) {
  if (QScreen* screen = QGuiApplication::screenAt(outer.topLeft())) return screen;
  if (QScreen* screen = QGuiApplication::screenAt(outer.center())) return screen;
  return window->screen();
}

// Moves and shrinks a window so that its outer rectangle becomes fitted.
void applyFit(QWidget* window, const QRect& outer, const QRect& fitted) {
  if (fitted.size() != outer.size())
    window->resize(window->size() - (outer.size() - fitted.size()));
  if (fitted.topLeft() != outer.topLeft()) window->move(fitted.topLeft());
}

class ScreenKeeper : public QObject {
 public:
  explicit ScreenKeeper(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* window = static_cast<QWidget*>(watched);
      // The frame the window manager really draws, once it is known.
      const QRect outer = window->frameGeometry();
      if (QScreen* screen = screenFor(window, outer)) {
        applyFit(window, outer,
                 fitOnScreen(outer, screen->availableGeometry(), isResizable(window)));
      }
    }
    return false;
  }
};

}  // namespace

void keepOnScreen(QWidget* window) {
  new ScreenKeeper(window);
}

namespace {
constexpr const char* kDrawnPlace = "qvDrawnPlace";
}  // namespace

QRect drawnPlace(const QWidget* window) {
  return window->property(kDrawnPlace).toRect();
}

void placeWindow(QWidget* window, QPoint outerTopLeft, QSize outerSize, OuterFrame frame) {
  const QSize client(outerSize.width() - frame.width, outerSize.height() - frame.height);
  window->setProperty(kDrawnPlace, QRect(outerTopLeft, client));
  if (frame.resizable) {
    window->resize(client);
  } else {
    window->setFixedSize(client);
  }
  // Fitted with the frame it was drawn with before the window manager's own
  // frame is known, and again with that frame whenever it is shown.
  const QRect outer(outerTopLeft, outerSize);
  QRect fitted = outer;
  if (QScreen* screen = screenFor(window, outer)) {
    fitted = fitOnScreen(outer, screen->availableGeometry(), frame.resizable);
  }
  window->resize(window->size() - (outer.size() - fitted.size()));
  window->move(fitted.topLeft());
  keepOnScreen(window);
}

}  // namespace qv
