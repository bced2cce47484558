#include "toolkit/qt_text_pane.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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

void PlainTextPane::followChange(bool repaintNow) {
  showEndUnlessScrolledBack(*area_);
  if (repaintNow && follow_ == Follow::EndAndTyping) area_->repaint();
}

}  // namespace qv
