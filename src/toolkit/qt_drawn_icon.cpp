#include "toolkit/qt_drawn_icon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <vector>

namespace qv {

QIcon drawnIcon(int size, const std::function<void(QPainter&)>& draw) {
  std::vector<qreal> ratios = {1, 2};
  const qreal screens = qGuiApp ? qGuiApp->devicePixelRatio() : 1;
  if (screens != 1 && screens != 2) ratios.push_back(screens);
  QIcon icon;
  for (const qreal ratio : ratios) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);  // the painter draws in logical pixels
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace qv
