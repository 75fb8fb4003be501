// The lots dialog: the lot number of each team of the selected group, the last tie-break of the
// group table (a lower lot ranks higher). OK stores the lots and recomputes the group.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QDialog>

#include "app/entry/entry_kit.h"
#include "app/kit/default_instance.h"

class QLabel;
class QPushButton;

namespace pitchlog {

class frmLots : public QDialog, public DefaultInstance<frmLots> {
  Q_OBJECT

 public:
  static constexpr int kTeams = 4;

  frmLots();

  std::array<QLabel*, kTeams> lblTeam{};
  std::array<entry::DigitBox*, kTeams> txtLot{};
  std::array<entry::SpinControl*, kTeams> vscLot{};
  QPushButton* cmdOK;
  QPushButton* cmdClear;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmLots>;

  void Form_Load();
  void txtLot_Change(int16_t Index);
  void vscLot_Change(int16_t Index);
  void cmdOK_Click();
  void cmdClear_Click();
  void cmdCancel_Click();

  // The letter of the group the main window shows, asked afresh at each use.
  static std::string Group();
};

}  // namespace pitchlog
