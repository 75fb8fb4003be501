// "Customise Stats": which columns of the Stats view's list show, and their headings. It works
// on the list's column headers directly, so every change shows at once; closing it, whichever
// way, captures the list's layout into the main window's varTable.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog {

class frmCustomise : public QDialog, public DefaultInstance<frmCustomise> {
  Q_OBJECT

 public:
  frmCustomise();

  // One row per label and data column of the list: heading (checked = shown), description,
  // display position as three digits; the row's tag is the column's header index.
  QTreeWidget* lvwColumns;
  QPushButton* cmkOK;

  // The header index of the list column that a row stands for.
  static int Tag(const QTreeWidgetItem* row);

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmCustomise>;

  void Form_Load();
  void Form_Unload();
  void cmkOK_Click();
  void lvwColumns_ItemChanged(QTreeWidgetItem* row);
  void lvwColumns_AfterLabelEdit(QTreeWidgetItem* row, const QString& NewString);
  void lvwColumns_ItemCheck(QTreeWidgetItem* row);
  // What the handlers compare a row with to tell a check change from a label edit.
  void Remember(QTreeWidgetItem* row);
};

}  // namespace pitchlog
