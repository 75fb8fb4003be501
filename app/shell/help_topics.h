// Which page of the user's guide belongs to a window or control, and the F1 key that opens it.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace pitchlog {

// The guide's page for the widget: the help topic number of the widget or of a control around
// it, else its window's page; the contents when nothing names one.
QString HelpPageFor(const QWidget* widget);

// Every page that a window or topic number names, for the check that each is shipped.
QStringList HelpPagesNamed();

// F1 anywhere in the program opens the guide at the page of the control that has focus.
class HelpKey : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

void InstallHelpKey();

}  // namespace pitchlog
