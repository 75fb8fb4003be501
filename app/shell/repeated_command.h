// A second way to a menu command (a toolbar button, a tray menu item): it runs the menu item
// itself, so both behave the same, and it is enabled exactly when the menu item is.
#pragma once

class QAction;
class QObject;
class QString;

namespace pitchlog {

// The window's menu item with this objectName, or nullptr.
QAction* FindMenuItem(const QObject* window, const QString& name);

// Makes `own` follow `menu_item`'s enabled state from now on; a missing menu item disables it.
void FollowMenuItem(QAction* own, QAction* menu_item);

}  // namespace pitchlog
