#include "app/kit/screen_position.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace pitchlog {

QPoint CentredPosition(QSize screen, QSize window) {
  const int left = (screen.width() - window.width()) / 2;
  const int top = (screen.height() - window.height()) / 2;
  return QPoint(left, std::max(top, 0));
}

QSize FittedSize(QSize free_area, QSize wanted, QSize least) {
  return QSize(std::max(std::min(wanted.width(), free_area.width()), least.width()),
               std::max(std::min(wanted.height(), free_area.height()), least.height()));
}

QPoint MovedInside(const QRect& free_area, const QRect& frame) {
  // The far edges first, so that a frame too large for the area ends at its near edges.
  const int left = std::max(std::min(frame.left(), free_area.right() - frame.width() + 1), free_area.left());
  const int top = std::max(std::min(frame.top(), free_area.bottom() - frame.height() + 1), free_area.top());
  return QPoint(left, top);
}

QPoint CentredIn(const QRect& free_area, QSize frame) {
  const QPoint centred(free_area.left() + (free_area.width() - frame.width()) / 2,
                       free_area.top() + (free_area.height() - frame.height()) / 2);
  return MovedInside(free_area, QRect(centred, frame));
}

QRect FreeArea(const QWidget& window) {
  if (const QScreen* screen = window.screen()) return screen->availableGeometry();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->availableGeometry();
  return {};
}

namespace {

// Qt measures a window's frame once after each configure of the window and keeps the measure:
// asked before the window manager has framed a shown window, it would keep "no frame" until
// the window is next configured. Until the window is on screen its frame is not asked for.
bool FrameMeasurable(const QWidget& window) {
  if (!window.testAttribute(Qt::WA_WState_Created)) return true;
  const QWindow* handle = window.windowHandle();
  return handle && handle->isExposed();
}

}  // namespace

QRect FrameOf(const QWidget& window) { return FrameMeasurable(window) ? window.frameGeometry() : window.geometry(); }

QSize FrameExtra(const QWidget& window) { return FrameOf(window).size() - window.size(); }

QSize ClientRoom(const QWidget& window) { return FreeArea(window).size() - FrameExtra(window); }

namespace {

bool FixedSize(const QWidget& window) { return window.minimumSize() == window.maximumSize(); }

}  // namespace

void OpenInFreeArea(QWidget& window, QSize designed) {
  const QRect free_area = FreeArea(window);
  if (free_area.isEmpty()) return;
  const QSize extra = FrameExtra(window);
  const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize()) + extra;
  const QSize frame = FittedSize(free_area.size(), designed + extra, least);
  window.resize(frame - extra);
  window.move(CentredIn(free_area, frame));
}

void KeepInFreeArea(QWidget& window) {
  const QRect free_area = FreeArea(window);
  if (free_area.isEmpty()) return;
  QRect frame = FrameOf(window);
  if (free_area.contains(frame)) return;
  if (!FixedSize(window) && (frame.width() > free_area.width() || frame.height() > free_area.height())) {
    const QSize extra = FrameExtra(window);
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize()) + extra;
    window.resize(FittedSize(free_area.size(), frame.size(), least) - extra);
    frame = FrameOf(window);
  }
  window.move(MovedInside(free_area, frame));
}

namespace {

// Windows and dialogs only: menus, tool tips and the like place themselves.
bool Placed(const QWidget& widget) {
  if (!widget.isWindow()) return false;
  const Qt::WindowType type = widget.windowType();
  return type == Qt::Window || type == Qt::Dialog;
}

// The frame a window was last placed with.
constexpr const char* kPlacedFrame = "pitchlogPlacedFrame";

void Place(QWidget& window) {
  KeepInFreeArea(window);
  window.setProperty(kPlacedFrame, FrameExtra(window));
  QEvent placed(FramePlacedEvent());
  QCoreApplication::sendEvent(&window, &placed);
}

bool NewFrame(const QWidget& window) { return window.property(kPlacedFrame).toSize() != FrameExtra(window); }

QWidget* WidgetOf(const QWindow* handle) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->windowHandle() == handle) return widget;
  return nullptr;
}

class ScreenRules : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Expose && watched->isWindowType()) {
      // On screen: the frame is there to measure.
      QWidget* widget = WidgetOf(static_cast<QWindow*>(watched));
      if (!widget || !Placed(*widget) || !widget->isVisible() || !FrameMeasurable(*widget)) return false;
      if (NewFrame(*widget)) Place(*widget);
    } else if (type == QEvent::UpdateRequest && watched->isWidgetType()) {
      // Qt may learn the frame without reporting a move: checked again whenever the window paints.
      auto* widget = static_cast<QWidget*>(watched);
      if (Placed(*widget) && widget->isVisible() && FrameMeasurable(*widget) && NewFrame(*widget)) Place(*widget);
    } else if ((type == QEvent::Show || type == QEvent::Resize || type == QEvent::Move) && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (Placed(*widget) && (type == QEvent::Show || widget->isVisible())) {
        // The window manager frames a window after it is shown, and may frame it anew when it
        // is shown again: a frame other than the one placed with is placed again. Otherwise a
        // window the user may resize or move is his; only code resizes one of fixed size.
        if (type == QEvent::Show || NewFrame(*widget) || (type == QEvent::Resize && FixedSize(*widget))) Place(*widget);
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

QEvent::Type FramePlacedEvent() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

void InstallScreenRules() {
  static QPointer<ScreenRules> rules;
  if (rules || !qApp) return;
  rules = new ScreenRules(qApp);
  qApp->installEventFilter(rules);
}

}  // namespace pitchlog
