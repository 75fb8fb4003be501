// Answers the modal message boxes that code under test raises, one wanted button per box in
// the order they come, and remembers what each box said.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

namespace app_testing {

struct SeenBox {
  QString text;
  QString title;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QString owner;  // the object name of the window the box stands over
};

class MessageBoxes : public QObject {
 public:
  explicit MessageBoxes(QList<QMessageBox::StandardButton> answers = {});
  // Answers one more box.
  void Then(QMessageBox::StandardButton answer) { answers_.append(answer); }
  const QList<SeenBox>& Seen() const { return seen_; }
  QString Text(int i = 0) const { return i < seen_.size() ? seen_[i].text : QString(); }

 private:
  void Poll();

  QList<QMessageBox::StandardButton> answers_;
  QList<SeenBox> seen_;
  QPointer<QMessageBox> last_;
  QTimer timer_;
};

}  // namespace app_testing
