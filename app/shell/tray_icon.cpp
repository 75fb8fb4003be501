#include "app/shell/tray_icon.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>

#include "app/kit/handler_guard.h"
#include "app/shell/repeated_command.h"

namespace pitchlog {

namespace {

constexpr int kTipCharacters = 63;

enum class TrayCommand { Hide, Restore, RepeatMenuItem, Close, Separator, SubMenuStart, SubMenuEnd };

struct TrayItem {
  const char* name;
  const char* caption;
  TrayCommand command;
  const char* menu_item = nullptr;  // for RepeatMenuItem
};

constexpr TrayItem kTrayItems[] = {
    {"TCM_Hide", "Hide", TrayCommand::Hide},
    {"TCM_Restore", "Restore", TrayCommand::Restore},
    {"TCM_H1", "-", TrayCommand::Separator},
    {"TCM_Downloads", "Downloads", TrayCommand::SubMenuStart},
    {"TCMU_Results", "Results", TrayCommand::RepeatMenuItem, "Results"},
    {"TCMU_Others", "Others", TrayCommand::RepeatMenuItem, "DownloadOthers"},
    {"", "", TrayCommand::SubMenuEnd},
    {"TCM_GetMessage", "Get Message", TrayCommand::RepeatMenuItem, "GetMessage"},
    {"TCM_H2", "-", TrayCommand::Separator},
    {"TCM_Close", "Close", TrayCommand::Close},
};

QIcon TrayPicture(const QMainWindow* window) {
  QIcon icon = window->windowIcon();
  if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
  return icon;
}

}  // namespace

TrayGesture DecodeTrayActivation(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      return TrayGesture::PopUpMenu;
    case QSystemTrayIcon::DoubleClick:
      return TrayGesture::Restore;
    default:
      return TrayGesture::None;
  }
}

QString TrayTip(const QString& caption) { return caption.left(kTipCharacters); }

Tray::Tray(QMainWindow* window, TrayAvailable tray_available)
    : QObject(window),
      window_(window),
      tray_available_(std::move(tray_available)),
      menu_(window->findChild<QMenu*>("TrayContextMenu")),
      icon_(new QSystemTrayIcon(this)) {
  if (!menu_) {
    menu_ = new QMenu(window);
    menu_->setObjectName("TrayContextMenu");
  }
  BuildMenu();
  icon_->setContextMenu(menu_);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    RunHandler([&] { TrayIcon_Activated(reason); });
  });
}

void Tray::BuildMenu() {
  QMenu* menu = menu_;
  for (const TrayItem& item : kTrayItems) {
    switch (item.command) {
      case TrayCommand::Separator:
        menu->addSeparator()->setObjectName(item.name);
        continue;
      case TrayCommand::SubMenuStart:
        menu = menu_->addMenu(item.caption);
        menu->setObjectName(item.name);
        continue;
      case TrayCommand::SubMenuEnd:
        menu = menu_;
        continue;
      default:
        break;
    }
    QAction* action = menu->addAction(item.caption);
    action->setObjectName(item.name);
    switch (item.command) {
      case TrayCommand::Hide:
        connect(action, &QAction::triggered, this, [this] { RunHandler([&] { NoSysIcon(false); }); });
        break;
      case TrayCommand::Restore:
        connect(action, &QAction::triggered, this, [this] { RunHandler([&] { NoSysIcon(true); }); });
        menu_->setDefaultAction(action);
        break;
      case TrayCommand::RepeatMenuItem: {
        QAction* menu_item = FindMenuItem(window_, item.menu_item);
        FollowMenuItem(action, menu_item);
        if (menu_item) connect(action, &QAction::triggered, menu_item, &QAction::trigger);
        break;
      }
      case TrayCommand::Close:
        connect(action, &QAction::triggered, this, [this] { RunHandler([&] { TCM_Close_Click(); }); });
        break;
      default:
        break;
    }
  }
}

void Tray::ShowProgramInTray() {
  icon_->setIcon(TrayPicture(window_));
  icon_->setToolTip(TrayTip(window_->windowTitle()));
  icon_->show();
}

void Tray::DeleteIcon() { icon_->hide(); }

bool Tray::CanHideToTray() const { return icon_->isVisible() && tray_available_(); }

void Tray::NoSysIcon(bool max_icon) {
  if (max_icon) {
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
  } else if (CanHideToTray()) {
    window_->hide();
  } else if (window_->isVisible()) {
    // Hidden with no icon to bring it back, the window would be out of reach.
    window_->showMinimized();
  }
}

void Tray::TrayIcon_Activated(QSystemTrayIcon::ActivationReason reason) {
  switch (DecodeTrayActivation(reason)) {
    case TrayGesture::PopUpMenu:
      menu_->popup(QCursor::pos());
      break;
    case TrayGesture::Restore:
      NoSysIcon(true);
      break;
    case TrayGesture::None:
      break;
  }
}

// The window's own close asks about unsaved results and removes the icon; ending here without
// that question would lose the results.
void Tray::TCM_Close_Click() { window_->close(); }

}  // namespace pitchlog
