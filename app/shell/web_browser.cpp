#include "app/shell/web_browser.h"

#include <QFileInfo>
#include <QTextCursor>

#include "app/kit/shell_helpers.h"

namespace pitchlog {

WebBrowser::WebBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &WebBrowser::FollowLink);
}

void WebBrowser::Navigate(const QString& address) {
  web_link_ = QUrl();
  const QUrl url(address);
  setSource(url.scheme().size() > 1 ? url : QUrl::fromLocalFile(address));
}

void WebBrowser::NavigateWithLink(const QString& local_page, const QUrl& web_page) {
  web_link_ = web_page;
  const QUrl page = QUrl::fromLocalFile(local_page);
  if (source() == page)
    reload();
  else
    setSource(page);
}

// Every load of the page, a reload too, puts the link back above it. The address comes from a
// downloaded file, so it is shown encoded and escaped, never as markup.
void WebBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  QTextBrowser::doSetSource(name, type);
  if (!web_link_.isValid()) return;
  const QString address = web_link_.toString(QUrl::FullyEncoded).toHtmlEscaped();
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::Start);
  cursor.insertHtml(QStringLiteral("<p><a href=\"") + address + QStringLiteral("\">") + address +
                    QStringLiteral("</a></p>"));
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
