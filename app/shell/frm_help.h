// The help window: the user's guide, HTML pages of the program folder's "Help", in a browser with
// Contents, Back and Forward.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QPushButton;
class QTextBrowser;

namespace pitchlog {

class frmHelp : public QDialog, public DefaultInstance<frmHelp> {
  Q_OBJECT

 public:
  frmHelp();

  QPushButton* cmdContents;
  QPushButton* cmdBack;
  QPushButton* cmdForward;
  QTextBrowser* wbHelp;

  // Shows the window at a page of the guide ("groups.html"), in front of whatever the user is
  // in: over a modal dialog it is modal itself, or the dialog would block it.
  void ShowTopic(const QString& page);

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmHelp>;
};

// The folder of the guide's pages and its contents page.
QString HelpFolder();
inline constexpr const char* kHelpContents = "index.html";

}  // namespace pitchlog
