// The web browser control: shows local pages (no scripts); a link to a local page opens in
// place, any other link goes to the desktop through ShellOpen.
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
  // The file name of the page shown ("WBBar.htm"), or the last part of its address.
  QString LocationName() const;

 protected:
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  void FollowLink(const QUrl& link);
};

}  // namespace pitchlog
