#include "app/shell/repeated_command.h"

#include <QAction>
#include <QObject>
#include <QString>

namespace pitchlog {

QAction* FindMenuItem(const QObject* window, const QString& name) {
  return window->findChild<QAction*>(name);
}

void FollowMenuItem(QAction* own, QAction* menu_item) {
  if (!menu_item) {
    own->setEnabled(false);
    return;
  }
  own->setEnabled(menu_item->isEnabled());
  QObject::connect(menu_item, &QAction::changed, own, [own, menu_item] { own->setEnabled(menu_item->isEnabled()); });
}

}  // namespace pitchlog
