#include "sim/qt_status_window.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "sim/status.h"
#include "toolkit/qt_announcer.h"
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
  InfoTimer = makeTimer(this, 1000, [this] { InfoTimerTimer(game_); });
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
  connect(Memo1->document(), &QTextDocument::contentsChanged, this, &TForm5::speakNewsSoon);
}

void TForm5::showEvent(QShowEvent* event) {
  DeferredWindow::showEvent(event);
  heardNothing_ = true;
  speakNewsSoon();
}

namespace {

const QString kSuspicionLine = QStringLiteral("Current server suspicion: ");

// How many of 25, 50 and 75 the suspicion has reached.
int suspicionBand(const QString& line) {
  const int suspicion = line.mid(kSuspicionLine.size()).toInt();
  return (suspicion >= 25) + (suspicion >= 50) + (suspicion >= 75);
}

}  // namespace

// The tick rewrites the whole text line by line: the news is told once the
// rewrite is over.
void TForm5::speakNewsSoon() {
  if (speakQueued_) return;
  speakQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    speakQueued_ = false;
    speakNews();
  });
}

void TForm5::speakNews() {
  if (!isVisible() || !Memo1) return;
  const QStringList lines = Memo1->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  Heard now;
  QString suspicionLine;
  for (const QString& line : lines) {
    if (line.startsWith(kSuspicionLine)) {
      suspicionLine = line;
      now.server = game_.world.player.currentserver;
      now.suspicionBand = suspicionBand(line);
    } else {
      now.fileLines << line;
    }
  }
  QStringList news;
  if (heardNothing_) {
    news = lines;
  } else {
    for (const QString& line : now.fileLines) {
      if (!heard_.fileLines.contains(line)) news << line;
    }
    const bool suspicionNews =
        now.server != heard_.server || now.suspicionBand != heard_.suspicionBand;
    if (!suspicionLine.isEmpty() && suspicionNews) news << suspicionLine;
  }
  heardNothing_ = false;
  heard_ = now;
  if (!news.isEmpty()) announce(this, news.join(QLatin1Char('\n')));
}

}  // namespace qv
