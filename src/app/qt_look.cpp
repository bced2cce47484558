#include "app/qt_look.h"

#include <QEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace qv {
namespace {

QFont face(const QString& family, QFont::StyleHint hint, int pixelSize) {
  QFont font(family);
  font.setStyleHint(hint);
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
  QFont font = face(QStringLiteral("Courier"), QFont::TypeWriter, pixelSize);
  font.setFixedPitch(true);
  return font;
}

QFont sansFont(int pixelSize) {
  return face(QStringLiteral("MS Sans Serif"), QFont::SansSerif, pixelSize);
}

QFont computerFont(int pixelSize) {
  QFont font = face(QStringLiteral("Computerfont"), QFont::Monospace, pixelSize);
  font.setFixedPitch(true);
  return font;
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
  area->setLineWrapMode(look.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  area->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  area->setVerticalScrollBarPolicy(look.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void placeWindow(QWidget* window, QPoint outerTopLeft, QSize outerSize, OuterFrame frame) {
  window->resize(outerSize.width() - frame.width, outerSize.height() - frame.height);
  window->move(outerTopLeft);
}

}  // namespace qv
