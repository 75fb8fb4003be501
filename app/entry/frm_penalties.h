// The penalty shoot-out dialog: the kicks of a level knock-out game one by one, each side's
// number of kicks, who took each and whether it went in, and the result flag. Opened from the
// knock-out score dialog, which it hides while open and closes when it closes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QDialog>
#include <QString>

#include "app/entry/entry_kit.h"
#include "app/shell/default_instance.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace pitchlog {

class frmPenalties : public QDialog, public DefaultInstance<frmPenalties> {
  Q_OBJECT

 public:
  frmPenalties();

  // Called by name by the add-player dialog once it stored a player.
  Q_INVOKABLE void ResetPlayers(QString HomeAway, QString Side);

  QLabel* lblHomeTeam;
  QLabel* lblAwayTeam;
  entry::DigitBox* txtHomeScore;  // kicks taken
  entry::DigitBox* txtAwayScore;
  entry::SpinControl* vscHomeScore;
  entry::SpinControl* vscAwayScore;
  QLabel* lblHomeScored;
  QLabel* lblAwayScored;
  QLabel* lblVS;
  QGroupBox* HomeGoalFrame;
  QGroupBox* AwayGoalFrame;
  QFrame* MidFrame;
  QFrame* GoalHeight;
  QFrame* ButtonFrame;
  QFrame* ResultFrame;
  QCheckBox* chkResult;
  QPushButton* cmdClear;
  QPushButton* cmdOK;
  QPushButton* cmdApply;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc is Cancel
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmPenalties>;

  struct KickRow {
    QComboBox* player;
    QCheckBox* pen;
  };
  struct KickSide {
    QString name;  // "home" or "away"
    QString prefix;  // "Home" or "Away" in control names
    entry::DigitBox* count;
    entry::SpinControl* spin;
    QLabel* scored;
    QLabel* team;
    QGroupBox* frame;
    std::vector<KickRow> rows;
    std::string team_id;
    entry::Squad squad;
  };

  void Form_Load();
  void Form_Unload();
  void Close();

  void txtHomeScore_Change() { CountChange(home_); }
  void txtAwayScore_Change() { CountChange(away_); }
  void vscHomeScore_Change() { home_.count->setText(QString::number(home_.spin->Value())); }
  void vscAwayScore_Change() { away_.count->setText(QString::number(away_.spin->Value())); }
  void chkHomePen_Click(int16_t Index) { PenClick(home_, Index); }
  void chkAwayPen_Click(int16_t Index) { PenClick(away_, Index); }
  void cboHomePlayer_Click(int16_t Index) { PlayerClick(home_, Index); }
  void cboAwayPlayer_Click(int16_t Index) { PlayerClick(away_, Index); }
  void chkResult_Click();
  void cmdOK_Click();
  void cmdApply_Click();
  void cmdCancel_Click();
  void cmdClear_Click();

  void CountChange(KickSide& side);
  void PenClick(KickSide& side, int row);
  void PlayerClick(KickSide& side, int row);

  void MakeRow(KickSide& side);
  void SetPenalties(KickSide& side, bool FromLoad);
  void CountScored(KickSide& side);
  void LoadPlayerLists();
  KickSide& Other(const KickSide& side) { return &side == &home_ ? away_ : home_; }
  bool BothCounts() const { return txtHomeScore->HoldsText() && txtAwayScore->HoldsText(); }
  bool ScoredDiffer() const;
  void ApplyResultFrameRule();
  void SetWindowHeight(int height);
  void SetTabOrder();
  bool RefuseDifference() const;
  std::string KicksWinner() const;
  void SavePenalties();

  KickSide home_;
  KickSide away_;
  std::string game_id_;
  int base_height_ = 0;
  int row_pitch_ = 0;
  int one_row_height_ = 0;
  int button_offset_ = 0;
  bool loading_ = false;
};

}  // namespace pitchlog
