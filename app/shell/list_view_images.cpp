#include "app/shell/list_view_images.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

namespace pitchlog {

// A white ball with a black pentagon in the middle and the seams running out from it.
QIcon Football() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(8, 8);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, 7, 7);
  QPolygonF pentagon;
  for (int i = 0; i < 5; ++i) {
    const qreal angle = qDegreesToRadians(-90.0 + 72.0 * i);
    const QPointF corner = centre + QPointF(qCos(angle), qSin(angle)) * 3.0;
    pentagon << corner;
    p.drawLine(corner, centre + QPointF(qCos(angle), qSin(angle)) * 6.5);
  }
  p.setBrush(Qt::black);
  p.drawPolygon(pentagon);
  p.end();
  return QIcon(pixmap);
}

}  // namespace pitchlog
