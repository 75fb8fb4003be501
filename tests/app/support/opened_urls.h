// Captures what the program hands to the desktop to open, instead of opening it.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace app_testing {

class OpenedUrls : public QObject {
  Q_OBJECT
 public:
  OpenedUrls();
  ~OpenedUrls() override;
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls.append(url); }
};

}  // namespace app_testing
