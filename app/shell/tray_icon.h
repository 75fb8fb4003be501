// The main window's icon in the desktop's notification area, its pop-up menu, and hiding the
// window to it.
#pragma once

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

#include <functional>

class QMainWindow;
class QMenu;

namespace pitchlog {

enum class TrayGesture { None, PopUpMenu, Restore };
// Left click pops the menu up, a double click restores the window. The right button's menu is
// shown by the platform itself, so Context asks nothing more of us.
TrayGesture DecodeTrayActivation(QSystemTrayIcon::ActivationReason reason);

// The tip holds at most 63 characters (the tray's field of 64 with its terminator).
QString TrayTip(const QString& caption);

class Tray : public QObject {
 public:
  using TrayAvailable = std::function<bool()>;

  // Builds the pop-up menu "TrayContextMenu" (filling the window's own when it has one); its
  // download and message items repeat the window's menu items "Results", "DownloadOthers" and
  // "GetMessage". Close closes the window, which asks about unsaved results.
  explicit Tray(QMainWindow* window, TrayAvailable tray_available = &QSystemTrayIcon::isSystemTrayAvailable);

  // Adds the icon with the window's caption as it stands now as its tip.
  void ShowProgramInTray();
  void DeleteIcon();
  // True shows the window again; False hides it to the icon, or minimises it where there is no
  // tray to come back from.
  void NoSysIcon(bool max_icon);

  QMenu* Menu() const { return menu_; }
  bool IconShown() const { return icon_->isVisible(); }
  QString Tip() const { return icon_->toolTip(); }

 private:
  void BuildMenu();
  void TrayIcon_Activated(QSystemTrayIcon::ActivationReason reason);
  void TCM_Close_Click();
  bool CanHideToTray() const;

  QMainWindow* window_;
  TrayAvailable tray_available_;
  QMenu* menu_;
  QSystemTrayIcon* icon_;
};

}  // namespace pitchlog
