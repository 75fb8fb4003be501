// The message box helper over windows that are going away.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include "app/kit/msg_box.h"
#include "tests/app/support/message_boxes.h"

using namespace pitchlog;

class MsgBoxTest : public QObject {
  Q_OBJECT

 private slots:
  // A modal dialog that unloads itself stays the active window until its deferred delete, which
  // runs inside the next box's own event loop; a box owned by it would be freed under the
  // caller's feet (ASan reports the bad free).
  void boxOutlivesTheClosedDialogItWasShownOver() {
    QPointer<QDialog> dialog = new QDialog;
    QTimer::singleShot(0, dialog, [d = dialog.data()] {
      d->hide();
      d->deleteLater();
    });
    dialog->exec();
    QVERIFY(!dialog.isNull());
    QCOMPARE(QApplication::activeWindow(), dialog.data());

    app_testing::MessageBoxes boxes({QMessageBox::No});
    const msgbox::Answer answer = MsgBox("Do you want to save changes?", msgbox::YesNoCancel);

    QCOMPARE(answer, msgbox::No);
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY(dialog.isNull());
  }

  // Still placed over the window it was asked from.
  void boxStandsOverTheActiveWindow() {
    QDialog dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QWindow* over = nullptr;
    QTimer::singleShot(0, [&] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        over = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
        box->close();
      }
    });
    MsgBox("Notice");
    QCOMPARE(over, dialog.windowHandle());
  }
};

QTEST_MAIN(MsgBoxTest)
#include "msg_box_test.moc"
