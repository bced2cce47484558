#include "toolkit/qt_text_pane.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "toolkit/qt_announcer.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_text_area.h"

namespace qv {

std::vector<std::string> rawLines(const QPlainTextEdit& area) {
  std::vector<std::string> lines;
  const QTextDocument* document = area.document();
  lines.reserve(static_cast<std::size_t>(document->blockCount()));
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    lines.push_back(fromLineText(block.text()));
  }
  return lines;
}

PlainTextPane::~PlainTextPane() {
  QObject::disconnect(editWatch_);
}

void PlainTextPane::attach(QPlainTextEdit* area, Follow follow) {
  QObject::disconnect(editWatch_);
  area_ = area;
  follow_ = follow;
  emptyLineAppended_ = false;
  // Once anything changes the document, the document alone tells the lines.
  editWatch_ = QObject::connect(area->document(), &QTextDocument::contentsChange,
                                [this](int, int removed, int added) {
                                  if (removed > 0 || added > 0) emptyLineAppended_ = false;
                                });
}

bool PlainTextPane::holdsNoLines() const {
  return area_->document()->isEmpty() && !emptyLineAppended_;
}

void PlainTextPane::appendLine(const std::string& line) {
  if (!area_) return;
  const PaneWrite write(area_, announcer_, PaneWrite::Kind::NewLine, &line);
  QTextCursor cursor(area_->document());
  cursor.movePosition(QTextCursor::End);
  if (holdsNoLines()) {
    cursor.insertText(toLineText(line));
    emptyLineAppended_ = line.empty();
  } else {
    cursor.insertBlock();
    cursor.insertText(toLineText(line));
  }
  followChange(false);
}

void PlainTextPane::replaceLastLine(const std::string& line) {
  writeLastLine(line, true);
}

void PlainTextPane::appendToLastLine(const std::string& text) {
  writeLastLine(text, false);
}

void PlainTextPane::writeLastLine(const std::string& text, bool replace) {
  if (!area_) return;
  const PaneWrite write(area_, announcer_,
                        replace ? PaneWrite::Kind::RewriteLine : PaneWrite::Kind::ExtendLine,
                        &text);
  if (holdsNoLines()) {
    appendLine(text);
    return;
  }
  QTextCursor cursor(area_->document());
  cursor.movePosition(QTextCursor::End);
  if (replace) cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(toLineText(text));
  followChange(replace);
}

std::string PlainTextPane::lastLine() const {
  if (!area_) return {};
  const QTextDocument* document = area_->document();
  QTextBlock last = document->lastBlock();
  // A final empty block after a line break does not count as a line.
  if (last.text().isEmpty() && last.previous().isValid()) last = last.previous();
  return fromLineText(last.text());
}

std::vector<std::string> PlainTextPane::lines() const {
  if (!area_ || holdsNoLines()) return {};
  return rawLines(*area_);
}

void PlainTextPane::clear() {
  if (!area_) return;
  const PaneWrite write(area_, announcer_, PaneWrite::Kind::Clear);
  area_->clear();
  emptyLineAppended_ = false;
}

namespace {

// Replaces the block's text by `text`, touching only the part between what
// the two have in common at their start and at their end: a caret before
// that part stays where it is, and one after it keeps its place in the line.
void rewriteBlock(QTextDocument* document, const QTextBlock& block, const QString& text) {
  const QString old = block.text();
  if (old == text) return;
  const qsizetype shorter = std::min(old.size(), text.size());
  qsizetype head = 0;
  while (head < shorter && old[head] == text[head]) ++head;
  qsizetype tail = 0;
  while (tail < shorter - head && old[old.size() - 1 - tail] == text[text.size() - 1 - tail]) {
    ++tail;
  }
  QTextCursor cursor(document);
  cursor.setPosition(block.position() + static_cast<int>(head));
  cursor.setPosition(block.position() + static_cast<int>(old.size() - tail),
                     QTextCursor::KeepAnchor);
  cursor.insertText(text.mid(head, text.size() - head - tail));
}

}  // namespace

void PlainTextPane::showLines(const std::vector<std::string>& lines) {
  if (!area_) return;
  if (lines.empty() || holdsNoLines()) {
    TextPane::showLines(lines);
    area_->moveCursor(QTextCursor::Start);
    return;
  }
  const PaneWrite write(area_, announcer_, PaneWrite::Kind::RewriteLine);
  QTextDocument* document = area_->document();
  const int kept = static_cast<int>(lines.size());
  if (document->blockCount() > kept) {
    QTextCursor cursor(document->findBlockByNumber(kept - 1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  for (int i = 0; i < kept; ++i) {
    const QString text = toLineText(lines[static_cast<std::size_t>(i)]);
    if (i < document->blockCount()) {
      rewriteBlock(document, document->findBlockByNumber(i), text);
    } else {
      QTextCursor cursor(document);
      cursor.movePosition(QTextCursor::End);
      cursor.insertBlock();
      cursor.insertText(text);
    }
  }
  // A document holding one empty line looks empty.
  emptyLineAppended_ = kept == 1 && lines.front().empty();
  followChange(false);
}

void PlainTextPane::followChange(bool repaintNow) {
  showEndUnlessScrolledBack(*area_);
  if (repaintNow && follow_ == Follow::EndAndTyping) area_->repaint();
}

}  // namespace qv
