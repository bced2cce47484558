#include "sim/qt_status_window.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "toolkit/qt_look.h"
#include "toolkit/qt_text_area.h"
#include "toolkit/qt_timers.h"
#include "world/game.h"

namespace qv {

TForm5::TForm5(Game& game) : game_(game) {
  setWindowTitle(QStringLiteral("Status"));
  setFont(sansFont(11));
  placeWindow(this, {940, 326}, {341, 182}, kSizeableFrame);
  QPalette buttonFace = palette();
  buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
  setPalette(buttonFace);
  setAutoFillBackground(true);
  InfoTimer = makeTimer(this, 1000, [this] { game_.InfoTimerTimer(); });
  InfoTimer->start();
}

void TForm5::createContent() {
  Memo1 = new TextArea(this);
  styleTextArea(Memo1, {});
  Memo1->setAccessibleName(QStringLiteral("Status"));
  Memo1->setAccessibleDescription(
      QStringLiteral("Your two essential files and the current server's suspicion, each second"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
}

}  // namespace qv
