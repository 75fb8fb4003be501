#include "app/shell/main_toolbar.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>

#include "app/kit/handler_guard.h"
#include "app/shell/repeated_command.h"

namespace pitchlog {

namespace {

struct ToolbarButton {
  const char* key;        // nullptr: a separator
  const char* menu_item;  // nullptr: Hide
  QStyle::StandardPixmap picture;
};

// Left to right; position N is the action "tbrMain_N", so the Save button is button 1.
constexpr ToolbarButton kButtons[] = {
    {"Save", "SaveResults", QStyle::SP_DialogSaveButton},
    {nullptr, nullptr, {}},
    {"Results", "Results", QStyle::SP_ArrowDown},
    {"Downloads", "DownloadOthers", QStyle::SP_BrowserReload},
    {nullptr, nullptr, {}},
    {"Sweeps", "Manage", QStyle::SP_FileDialogListView},
    {"Members", "Members", QStyle::SP_DirHomeIcon},
    {"Accounts", "Accounts", QStyle::SP_FileDialogDetailedView},
    {nullptr, nullptr, {}},
    {"Players", "Players", QStyle::SP_FileDialogContentsView},
    {"Options", "Properties", QStyle::SP_FileDialogInfoView},
    {nullptr, nullptr, {}},
    {"Help", "HelpTopics", QStyle::SP_DialogHelpButton},
    {nullptr, nullptr, {}},
    {"Hide", nullptr, QStyle::SP_DesktopIcon},
};

// The picture at the toolbar's full icon size: a style picture drawn smaller (the desktop one
// is) would stand smaller and higher than the rest.
QIcon FullSize(const QIcon& icon, const QSize& size) {
  QPixmap picture = icon.pixmap(size);
  if (picture.deviceIndependentSize().toSize() != size)
    picture = picture.scaled(size * picture.devicePixelRatio(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return QIcon(picture);
}

}  // namespace

MainToolbar::MainToolbar(QMainWindow* window, std::function<void()> hide)
    : QObject(window), window_(window), hide_(std::move(hide)), toolbar_(new QToolBar(window)) {
  toolbar_->setObjectName("tbrMain");
  toolbar_->setMovable(false);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  window_->addToolBar(Qt::TopToolBarArea, toolbar_);

  int position = 0;
  for (const ToolbarButton& button : kButtons) {
    const QString name = "tbrMain_" + QString::number(++position);
    if (!button.key) {
      toolbar_->addSeparator()->setObjectName(name);
      continue;
    }
    const QString key = button.key;
    QAction* action =
        toolbar_->addAction(FullSize(QApplication::style()->standardIcon(button.picture), toolbar_->iconSize()), key);
    action->setObjectName(name);
    action->setData(key);
    if (button.menu_item) FollowMenuItem(action, FindMenuItem(window_, button.menu_item));
    connect(action, &QAction::triggered, this, [this, key] { RunHandler([&] { tbrMain_ButtonClick(key); }); });
  }
}

void MainToolbar::tbrMain_ButtonClick(const QString& key) {
  for (const ToolbarButton& button : kButtons) {
    if (!button.key || key != QLatin1String(button.key)) continue;
    if (!button.menu_item) {
      hide_();
    } else if (QAction* menu_item = FindMenuItem(window_, button.menu_item)) {
      menu_item->trigger();
    }
    return;
  }
}

}  // namespace pitchlog
