#include "app/shell/list_view_images.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QtMath>

namespace pitchlog {
namespace {

constexpr int kFootballSize = 16;

// The first column is measured as if every cell showed the football; only its height is taken,
// so a column as wide as its texts stays so.
class FootballColumn : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem with_ball = option;
    initStyleOption(&with_ball, index);
    with_ball.features |= QStyleOptionViewItem::HasDecoration;
    with_ball.icon = ball_;
    with_ball.decorationSize = QSize(kFootballSize, kFootballSize);
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const QSize room = style->sizeFromContents(QStyle::CT_ItemViewItem, &with_ball, QSize(), widget);
    size.setHeight(qMax(size.height(), room.height()));
    return size;
  }

 private:
  QIcon ball_ = Football();
};

}  // namespace

// A white ball with a black pentagon in the middle and the seams running out from it.
QIcon Football() {
  QPixmap pixmap(kFootballSize, kFootballSize);
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

void KeepRoomForFootball(QTreeWidget* list) {
  list->setIconSize(QSize(kFootballSize, kFootballSize));
  list->setItemDelegateForColumn(0, new FootballColumn(list));
}

}  // namespace pitchlog
