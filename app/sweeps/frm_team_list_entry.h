// Gives a team of a team-list sweep to a member, with a bid in a bidding sweep.
#pragma once

#include "app/kit/default_instance.h"
#include "app/sweeps/choice_entry.h"

namespace pitchlog {

class frmTeamListEntry : public ChoiceEntry, public DefaultInstance<frmTeamListEntry> {
  Q_OBJECT

 public:
  frmTeamListEntry();

 private:
  friend class DefaultInstance<frmTeamListEntry>;

  QTreeWidget* List() const override;
  void ReloadList() override;
  void UnloadDialog() override { Unload(); }
};

}  // namespace pitchlog
