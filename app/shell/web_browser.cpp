#include "app/shell/web_browser.h"

#include <QFileInfo>

#include "app/shell/shell_helpers.h"

namespace pitchlog {

WebBrowser::WebBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &WebBrowser::FollowLink);
}

void WebBrowser::Navigate(const QString& address) {
  const QUrl url(address);
  setSource(url.scheme().size() > 1 ? url : QUrl::fromLocalFile(address));
}

QString WebBrowser::LocationName() const { return source().fileName(); }

// Pages and pictures come from local files only; web pages are not fetched.
QVariant WebBrowser::loadResource(int type, const QUrl& name) {
  if (!name.isLocalFile() || !QFileInfo(name.toLocalFile()).isFile()) return QString();
  return QTextBrowser::loadResource(type, name);
}

void WebBrowser::FollowLink(const QUrl& link) {
  const QUrl target = source().resolved(link);
  const QString suffix = QFileInfo(target.path()).suffix().toLower();
  if (target.isLocalFile() && (suffix == QLatin1String("htm") || suffix == QLatin1String("html")))
    setSource(target);
  else
    ShellOpen(target.isLocalFile() ? target.toLocalFile() : target.toString());
}

}  // namespace pitchlog
