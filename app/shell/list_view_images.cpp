#include "app/shell/list_view_images.h"

#include <utility>
#include <vector>

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>
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

// A white ball with a black pentagon in the middle and the seams running out from it, drawn in
// a 16 x 16 square.
void PaintFootball(QPainter& p) {
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
}

// Paints the ball for the size and pixel ratio asked, so it is sharp on any screen; each
// picture is painted once and kept.
class FootballEngine : public QIconEngine {
 public:
  QIconEngine* clone() const override { return new FootballEngine(*this); }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // `size` in the screen's pixels, `scale` their ratio.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
    const Key key{size, scale, mode == QIcon::Disabled};
    for (const auto& [made, picture] : pictures_)
      if (made == key) return picture;
    QPixmap picture(size);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    {
      QPainter p(&picture);
      p.scale(size.width() / scale / kFootballSize, size.height() / scale / kFootballSize);
      PaintFootball(p);
    }
    if (key.disabled) {
      QStyleOption option;
      picture = QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }
    pictures_.push_back({key, picture});
    return picture;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

 private:
  struct Key {
    QSize size;
    qreal scale;
    bool disabled;
    bool operator==(const Key&) const = default;
  };
  std::vector<std::pair<Key, QPixmap>> pictures_;
};

}  // namespace

// One icon for the whole program: a list redrawn many times shows the same one.
QIcon Football() {
  static const QIcon ball(new FootballEngine);
  return ball;
}

void KeepRoomForFootball(QTreeWidget* list) {
  list->setIconSize(QSize(kFootballSize, kFootballSize));
  list->setItemDelegateForColumn(0, new FootballColumn(list));
}

}  // namespace pitchlog
