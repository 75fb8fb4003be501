#include "app/kit/keyboard_rules.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace pitchlog {
namespace {

bool IsEnter(const QKeyEvent* key) {
  if (key->key() == Qt::Key_Return) return key->modifiers() == Qt::NoModifier;
  return key->key() == Qt::Key_Enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// QObject::isSignalConnected is protected; a member pointer formed through a derived class
// reaches it on any object.
struct SignalProbe : QObject {
  static bool Connected(const QObject* object, const QMetaMethod& signal) {
    return (object->*(&SignalProbe::isSignalConnected))(signal);
  }
};

// The same for the protected QAbstractItemView::state.
struct ViewProbe : QAbstractItemView {
  static bool Editing(const QAbstractItemView* view) {
    return (view->*(&ViewProbe::state))() == QAbstractItemView::EditingState;
  }
};

// Enter that an in-place editor passed on to its list commits the edit; it opens nothing.
bool OpensOnEnter(const QTreeWidget* list) {
  return list->currentItem() && !ViewProbe::Editing(list) &&
         SignalProbe::Connected(list, QMetaMethod::fromSignal(&QTreeWidget::itemDoubleClicked));
}

class KeyboardRules : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) return KeyPress(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease && watched == moving_) KeyRelease();
    if (event->type() == QEvent::FocusOut && watched == moving_) moving_ = nullptr;
    return false;
  }

 private:
  bool KeyPress(QObject* watched, QKeyEvent* key) {
    if (IsEnter(key)) {
      auto* button = qobject_cast<QAbstractButton*>(watched);
      if (button && (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)) &&
          button->isEnabled()) {
        key->accept();
        button->click();
        return true;
      }
      auto* list = qobject_cast<QTreeWidget*>(watched);
      if (list && OpensOnEnter(list)) {
        key->accept();
        emit list->itemDoubleClicked(list->currentItem(), list->currentColumn());
        return true;
      }
      return false;
    }
    // Held down, a key repeats: the row it left first is the one to compare with.
    if (auto* list = qobject_cast<QTreeWidget*>(watched); list && moving_ != list) {
      moving_ = list;
      left_ = list->currentIndex();
    }
    return false;
  }

  // The list has handled the key by now: a new current row is clicked, as the mouse would.
  void KeyRelease() {
    QTreeWidget* list = moving_;
    const QPersistentModelIndex left = left_;
    moving_ = nullptr;
    const QModelIndex now = list->currentIndex();
    if (now.isValid() && now != left && list->selectionModel()->isSelected(now)) emit list->clicked(now);
  }

  QPointer<QTreeWidget> moving_;
  QPersistentModelIndex left_;
};

}  // namespace

void InstallKeyboardRules() {
  static QPointer<KeyboardRules> rules;
  if (rules || !qApp) return;
  rules = new KeyboardRules(qApp);
  qApp->installEventFilter(rules);
}

}  // namespace pitchlog
