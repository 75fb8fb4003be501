// The web browser control: shows local pages (no scripts); a link to a local page opens in
// place, any other link goes to the desktop through ShellOpen. Web pages are not fetched: a
// web page meant for the browser is offered as a link above a local page.
#pragma once

#include <QString>
#include <QTextBrowser>

namespace pitchlog {

class WebBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit WebBrowser(QWidget* parent = nullptr);

  // A local file path or a web address; a missing file leaves the browser empty.
  void Navigate(const QString& address);
  // The local page, with `web_page` as a link above it.
  void NavigateWithLink(const QString& local_page, const QUrl& web_page);
  // The web page offered above the page shown; invalid when there is none.
  QUrl WebLink() const { return web_link_; }
  // The file name of the page shown ("WBBar.htm"), or the last part of its address.
  QString LocationName() const;

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  void FollowLink(const QUrl& link);

  QUrl web_link_;
};

}  // namespace pitchlog
