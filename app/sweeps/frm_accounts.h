// Every member's account: what the member's choices cost in all sweeps, what the member has paid
// and the balance still owed, in red while it is owed. A double-click opens the member's details;
// Print prints the list.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog {

namespace accounts_column {
enum : int { Member, Total, Paid, Balance };
}

class frmAccounts : public QDialog, public DefaultInstance<frmAccounts> {
  Q_OBJECT

 public:
  frmAccounts();

  // ---- Public procedures ----
  void LoadMembers();

  QTreeWidget* lvwMembers;
  // Shown while the sweeps window holds changes not yet applied, which the figures count.
  QLabel* lblPending;
  QPushButton* cmdPrint;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmAccounts>;

  void Form_Load();
  void FitWidth();
  void lvwMembers_DblClick(QTreeWidgetItem* row);
  void cmdPrint_Click();
  void cmdOK_Click();
};

}  // namespace pitchlog
