// The players editor: the 26 shirt numbers of a chosen team with the name of the player who wears
// each. A name typed in place, or in the rename dialog opened by a double click, is stored in the
// players file at once.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/kit/default_instance.h"
#include "app/kit/program.h"
#include "engine/pitchlog_interface.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog {

class PlayerNameList;

// The columns of PlayerList, in their defined order; Shirt is shown first.
namespace player_list_column {
inline constexpr int Name = 0;
inline constexpr int Shirt = 1;
inline constexpr int TeamID = 2;  // hidden: the row's player id
}  // namespace player_list_column

class frmPlayers : public QDialog, public DefaultInstance<frmPlayers> {
  Q_OBJECT

 public:
  static constexpr int kShirts = kSquadSize;

  frmPlayers();

  std::shared_ptr<kelvane::IPitchlog> objKelvane;

  // Fills PlayerList with shirts 1 to 23 of the team.
  void LoadPlayerList(const std::string& TeamID);
  // Stores NewString as the name on the selected row's shirt of the chosen team (a rename, or a
  // new player on a vacant shirt), saves the players file and refills the list. Cancel is not
  // read. Errors are shown here, never thrown, since the rename dialog calls it from its OK.
  void PlayerList_AfterLabelEdit(int Cancel, QString NewString);

  QLabel* Teams;
  QComboBox* cboTeam;
  QTreeWidget* PlayerList;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmPlayers>;

  // A name typed in place, with the team and shirt of the row it was typed on.
  struct LabelEdit {
    std::string team_id;
    int16_t shirt;
    QString name;
  };

  void Form_Load();
  void cboTeam_Click();
  void PlayerList_DblClick();
  void PlayerList_ItemChanged(QTreeWidgetItem* item, int column);

  void StoreName(const std::string& team_id, int16_t shirt, const QString& name);
  void StorePendingEdits();
  // False when the players file could not be saved; the user has been told.
  bool SaveToFile();
  // Everything typed is stored and saved, or the user chose to close anyway.
  bool MayClose();

  PlayerNameList* name_list_;  // PlayerList
  kelvane::Variant varTeamList;
  std::string strTeamID;
  std::vector<LabelEdit> pending_edits_;
  bool unsaved_ = false;  // a change is held by the engine but not in the players file
};

}  // namespace pitchlog
