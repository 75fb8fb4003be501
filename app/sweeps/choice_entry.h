// What the three choice entry dialogs share: one row of boxes under their labels (member, bid
// and OK, with a player or number box in two of them), and the OK that gives the choice to the
// member, takes it away when the member box is emptied, or refuses with a message. The manager
// window prepares a dialog (sweep, choice, starting texts, boxes hidden) and shows it modally;
// every change it writes stays unsaved in the engine and marks the manager window's Apply.
#pragma once

#include <string>

#include <QDialog>

#include "engine/pitchlog_interface.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace pitchlog {

namespace sweeps {
class MoneyBox;
}

class ChoiceEntry : public QDialog {
  Q_OBJECT

 public:
  // ---- Public variables, set by the opener ----
  std::string Sweep;
  kelvane::Variant Choice;

  QLabel* lblMember;
  QComboBox* cboMember;
  QLabel* lblBid;
  sweeps::MoneyBox* txtBid;
  QPushButton* cmdOK;

  // Hides a box and its label and closes the gap: what stands right of the box moves left by the
  // box's width, and the dialog narrows by as much.
  void HideBox(QWidget* box, QWidget* label);

 protected:
  // inner_width in twips, as laid out with every box shown.
  ChoiceEntry(const char* name, int inner_width);

  // A label with its box under it, left and width in twips.
  void Place(QLabel* label, QWidget* box, int left, int width) const;

  void Form_Load();
  void txtBid_Change();
  void cmdOK_Click();

  // The manager window's list of this kind of choice.
  virtual QTreeWidget* List() const = 0;
  virtual void ReloadList() = 0;
  virtual void UnloadDialog() = 0;
  // Refusals before the member is looked at; true when refused (the user has been told).
  virtual bool RefusedFirst(const QString& member, const QString& bid, bool bids) const;
  // The member box emptied: the choice is to be taken away.
  virtual bool WantsClear(const QString& member, const QString& bid, bool bids) const;
  // Refusals once a member is named; true when refused.
  virtual bool RefusedLater() const;
  // Last settings of Choice before it is written.
  virtual void TakeChoice() {}

  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  // Asks to add a member not yet known; false when the user declines.
  static bool MemberAccepted(const QString& member);
};

}  // namespace pitchlog
