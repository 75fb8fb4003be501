#include "app/shell/logo_list.h"

#include <cmath>
#include <numbers>

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "app/shell/program_art.h"

namespace pitchlog {
namespace {

// A picture of logical size `size` with the pixels of the ratio, painted in logical units.
QPixmap Blank(QSize size, qreal ratio) {
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// A quill over an ink-blue disc with the studio's name below it.
QPixmap IllustratorLogo(qreal ratio) {
  QPixmap pixmap = Blank(QSize(120, 64), ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(44, 52, 120));
  p.drawEllipse(QRectF(40, 2, 40, 40));
  QPainterPath feather;
  feather.moveTo(50, 36);
  feather.cubicTo(52, 22, 62, 10, 74, 6);
  feather.cubicTo(70, 18, 62, 28, 50, 36);
  p.setBrush(QColor(250, 240, 215));
  p.drawPath(feather);
  QFont font = p.font();
  font.setPixelSize(13);
  font.setItalic(true);
  p.setFont(font);
  p.setPen(QColor(44, 52, 120));
  p.drawText(QRectF(0, 44, 120, 20), Qt::AlignCenter, QStringLiteral("Quillmere"));
  return pixmap;
}

// A ball in mid-flight over the pitch.
QPixmap CreditsPicture(qreal ratio) {
  QPixmap pixmap = Blank(QSize(160, 96), ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  for (int stripe = 0; stripe < 8; ++stripe)
    p.fillRect(stripe * 20, 0, 20, 96, stripe % 2 ? QColor(31, 110, 52) : QColor(44, 132, 64));
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
  p.drawLine(0, 84, 160, 84);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawEllipse(QRectF(62, 78, 36, 8));  // the ball's shadow
  const QPointF centre(80, 40);
  const qreal radius = 22;
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, radius, radius);
  QPolygonF patch;
  for (int k = 0; k < 5; ++k) {
    const double angle = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
    patch << centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.42;
  }
  p.setBrush(Qt::black);
  p.drawPolygon(patch);
  for (const QPointF& corner : patch) p.drawLine(corner, centre + (corner - centre) * 2.35);
  return pixmap;
}

}  // namespace

QPixmap LogoList(logo::Picture picture, qreal ratio) {
  switch (picture) {
    case logo::Illustrator: return IllustratorLogo(ratio);
    case logo::Program: return ProgramLogo(64, ratio);
    case logo::Developer: return CorpLogo(QSize(120, 36), ratio);
    case logo::Credits: return CreditsPicture(ratio);
  }
  return {};
}

}  // namespace pitchlog
