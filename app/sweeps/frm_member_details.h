// One member's choices in every sweep with their costs, the amount the member has paid and the
// balance still owed. A member without choices who has paid nothing may be removed here.
#pragma once

#include <QDialog>
#include <QString>

#include "app/kit/default_instance.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace pitchlog {

namespace sweeps {
class MoneyBox;
}

class frmMemberDetails : public QDialog, public DefaultInstance<frmMemberDetails> {
  Q_OBJECT

 public:
  frmMemberDetails();

  // ---- Public variables ----
  // The member's name, set by the opener before the window loads.
  static inline QString Member;

  QTreeWidget* MemberChoices;
  QGroupBox* StakesBids;
  QLabel* lblTotal;
  QLabel* lblTotalStake;
  QLabel* lblPaid;
  sweeps::MoneyBox* txtPaid;
  QLabel* lblBalance;
  QLabel* lblBalanceValue;
  // Shown while the sweeps window holds changes not yet applied: no payment is taken then.
  QLabel* lblPending;
  QPushButton* cmdRemove;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc: Cancel
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmMemberDetails>;

  void Form_Load();
  void txtPaid_Change();
  void cmdOK_Click();
  // True when the window unloaded.
  bool cmdCancel_Click();
  void cmdRemove_Click();

  // Stores the paid box's amount and saves the members file.
  void SavePaid();
  // The window's figures and the accounts list, after a change of members.
  static void RefreshAccounts();

  double total_ = 0;
  double stored_paid_ = 0;
  QString loaded_paid_;
};

}  // namespace pitchlog
