#include "app/qt_glyphs.h"

#include <QPainter>
#include <QPainterPath>

#include "toolkit/qt_drawn_icon.h"

namespace qv {
namespace {

constexpr int kGlyphSize = 16;

void drawNewGame(QPainter& p) {
  // A play mark: a green triangle.
  const QPointF points[] = {{4, 2}, {13, 8}, {4, 14}};
  p.setBrush(QColor(0x00, 0xA0, 0x30));
  p.drawPolygon(points, 3);
}

void drawCommands(QPainter& p) {
  // A sheet with text lines.
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2.5, 1.5, 11, 13));
  p.setPen(QPen(QColor(0x00, 0x00, 0xC0), 1));
  for (int y = 4; y <= 12; y += 2) p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
}

void drawMissionEditor(QPainter& p) {
  // A pencil laid across the square.
  QPainterPath body;
  body.moveTo(3, 13);
  body.lineTo(4, 10);
  body.lineTo(11, 3);
  body.lineTo(13, 5);
  body.lineTo(6, 12);
  body.closeSubpath();
  p.setBrush(QColor(0xF0, 0xC0, 0x20));
  p.drawPath(body);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(3.5, 12.5), 1, 1);
}

void drawOptions(QPainter& p) {
  // A cog: a ring with teeth.
  p.setBrush(QColor(0x90, 0x90, 0x90));
  for (int tooth = 0; tooth < 8; ++tooth) {
    p.save();
    p.translate(8, 8);
    p.rotate(tooth * 45.0);
    p.drawRect(QRectF(-1.5, -7.5, 3, 3));
    p.restore();
  }
  p.drawEllipse(QPointF(8, 8), 5, 5);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 8), 2, 2);
}

void drawQuit(QPainter& p) {
  // A power switch: an open ring with a bar through its gap.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xC0, 0x00, 0x00), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
  p.drawLine(QPointF(8, 1.5), QPointF(8, 8));
}

}  // namespace

QIcon menuGlyph(MenuGlyph glyph) {
  return drawnIcon(kGlyphSize, [glyph](QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    switch (glyph) {
      case MenuGlyph::NewGame:
        drawNewGame(painter);
        break;
      case MenuGlyph::Commands:
        drawCommands(painter);
        break;
      case MenuGlyph::MissionEditor:
        drawMissionEditor(painter);
        break;
      case MenuGlyph::Options:
        drawOptions(painter);
        break;
      case MenuGlyph::Quit:
        drawQuit(painter);
        break;
    }
  });
}

}  // namespace qv
