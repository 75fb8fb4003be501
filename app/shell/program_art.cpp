#include "app/shell/program_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>


namespace pitchlog {
namespace {

const QColor kGrass(31, 110, 52);
const QColor kGrassLight(44, 132, 64);

// A pitch seen from above: mown stripes and, with the lines, the touchlines, halfway line,
// centre circle and penalty areas.
void PaintPitch(QPainter& p, const QRectF& r, bool lines = true) {
  const int stripes = 10;
  for (int i = 0; i < stripes; ++i) {
    const QRectF stripe(r.left() + r.width() * i / stripes, r.top(), r.width() / stripes + 1, r.height());
    p.fillRect(stripe, i % 2 ? kGrass : kGrassLight);
  }
  if (!lines) return;
  QPen line(QColor(255, 255, 255, 150), qMax(1.0, r.height() / 100));
  p.setPen(line);
  p.setBrush(Qt::NoBrush);
  const QRectF field = r.adjusted(r.width() * 0.04, r.height() * 0.06, -r.width() * 0.04, -r.height() * 0.06);
  p.drawRect(field);
  p.drawLine(QPointF(field.center().x(), field.top()), QPointF(field.center().x(), field.bottom()));
  const qreal radius = field.height() * 0.18;
  p.drawEllipse(field.center(), radius, radius);
  const qreal box_w = field.width() * 0.12, box_h = field.height() * 0.5;
  p.drawRect(QRectF(field.left(), field.center().y() - box_h / 2, box_w, box_h));
  p.drawRect(QRectF(field.right() - box_w, field.center().y() - box_h / 2, box_w, box_h));
}

// A picture of logical size `size` with the pixels of the ratio, painted in logical units.
QPixmap Canvas(QSize size, qreal ratio) {
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap SplashPicture(QSize size, qreal ratio) {
  QPixmap pixmap = Canvas(size, ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(QPointF(0, 0), QSizeF(size));
  PaintPitch(p, r);
  QLinearGradient shade(r.topLeft(), r.bottomLeft());
  shade.setColorAt(0, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0, 0, 0, 150));
  p.fillRect(r, shade);

  QFont title = p.font();
  title.setBold(true);
  title.setPixelSize(size.height() / 9);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(r.adjusted(0, size.height() * 0.52, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("Orvessa Pitchlog"));
  QFont sub = title;
  sub.setBold(false);
  sub.setPixelSize(size.height() / 18);
  p.setFont(sub);
  p.drawText(r.adjusted(0, size.height() * 0.70, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("The tournament chart of 32 teams"));
  p.drawText(r.adjusted(12, 0, -12, -8), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Zintorra"));
  return pixmap;
}

QPixmap CorpLogo(QSize size, qreal ratio) {
  QPixmap pixmap = Canvas(size, ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
  QPainterPath badge;
  badge.addRoundedRect(r, r.height() / 4, r.height() / 4);
  p.setClipPath(badge);
  PaintPitch(p, r, false);
  p.setClipping(false);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(int(r.height() * 0.45));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, QStringLiteral("Zintorra"));
  return pixmap;
}

QPixmap ProgramLogo(int side, qreal ratio) {
  QPixmap pixmap = Canvas(QSize(side, side), ratio);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, side - 1, side - 1);
  QPainterPath disc;
  disc.addEllipse(r);
  p.setClipPath(disc);
  PaintPitch(p, r);
  p.setClipping(false);
  p.setPen(QPen(Qt::white, qMax(1.0, side / 16.0)));
  p.drawEllipse(r);
  return pixmap;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : {16, 32, 64, 128}) icon.addPixmap(ProgramLogo(side, 1.0));
  return icon;
}

}  // namespace pitchlog
