#include "app/kit/sharp_picture.h"

#include <utility>

#include <QEvent>
#include <QLabel>

namespace pitchlog {
namespace {

class SharpPicture : public QObject {
 public:
  SharpPicture(QLabel* label, PicturePainter paint) : QObject(label), label_(label), paint_(std::move(paint)) {
    label_->setPixmap(paint_(label_->devicePixelRatio()));
    label_->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == label_ && (event->type() == QEvent::Show || event->type() == QEvent::Paint)) {
      const qreal ratio = label_->devicePixelRatio();
      const QPixmap shown = label_->pixmap();
      if (!shown.isNull() && !qFuzzyCompare(shown.devicePixelRatio(), ratio)) label_->setPixmap(paint_(ratio));
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QLabel* label_;
  PicturePainter paint_;
};

}  // namespace

void ShowSharpPicture(QLabel* label, PicturePainter paint) { new SharpPicture(label, std::move(paint)); }

}  // namespace pitchlog
