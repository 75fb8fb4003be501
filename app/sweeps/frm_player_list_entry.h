// Gives a player of a player-list sweep to a member: a player already listed (a scorer, or one
// chosen before) or, from the "[New]" row, any player of the squads not listed yet.
#pragma once

#include "app/kit/default_instance.h"
#include "app/sweeps/choice_entry.h"

namespace pitchlog {

class frmPlayerListEntry : public ChoiceEntry, public DefaultInstance<frmPlayerListEntry> {
  Q_OBJECT

 public:
  frmPlayerListEntry();

  QLabel* lblPlayer;
  // Item data: the player's column in the manager window's varPlayers.
  QComboBox* cboPlayer;

 private:
  friend class DefaultInstance<frmPlayerListEntry>;

  void cboPlayer_Click();

  QTreeWidget* List() const override;
  void ReloadList() override;
  void UnloadDialog() override { Unload(); }
  bool RefusedFirst(const QString& member, const QString& bid, bool bids) const override;
  void TakeChoice() override;
};

}  // namespace pitchlog
