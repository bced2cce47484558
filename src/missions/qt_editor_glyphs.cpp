#include "missions/qt_editor_glyphs.h"

#include <QPainter>
#include <functional>

#include "toolkit/qt_drawn_icon.h"

namespace qv {
namespace {

constexpr int kGlyphSize = 16;

QIcon drawGlyph(const std::function<void(QPainter&)>& draw) {
  return drawnIcon(kGlyphSize, draw);
}

}  // namespace

QIcon saveMissionGlyph() {
  return drawGlyph([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(0x00, 0x00, 0x80));
    p.drawRect(1, 1, 13, 13);                           // the disk's body
    p.fillRect(4, 2, 8, 5, Qt::white);                  // the label
    p.fillRect(5, 10, 6, 4, QColor(0xC0, 0xC0, 0xC0));  // the shutter
    p.fillRect(9, 11, 1, 2, Qt::black);
  });
}

QIcon loadMissionGlyph() {
  return drawGlyph([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(0x80, 0x80, 0x00));
    p.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 5}, {13, 5}, {13, 13}, {1, 13}}));  // back
    p.setBrush(QColor(0xFF, 0xFF, 0x00));
    p.drawPolygon(QPolygon({{1, 13}, {4, 8}, {15, 8}, {13, 13}}));  // the open flap
  });
}

}  // namespace qv
