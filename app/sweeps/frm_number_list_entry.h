// Gives a number of a number sweep to a member: the member's guess, from the "[New]" row, or
// the member of a guess already made.
#pragma once

#include "app/kit/default_instance.h"
#include "app/sweeps/choice_entry.h"

class QLineEdit;

namespace pitchlog {

class frmNumberListEntry : public ChoiceEntry, public DefaultInstance<frmNumberListEntry> {
  Q_OBJECT

 public:
  frmNumberListEntry();

  QLabel* lblChoice;
  QLineEdit* txtChoice;

 private:
  friend class DefaultInstance<frmNumberListEntry>;

  void txtChoice_Change();

  QTreeWidget* List() const override;
  void ReloadList() override;
  void UnloadDialog() override { Unload(); }
  bool WantsClear(const QString& member, const QString& bid, bool bids) const override;
  bool RefusedLater() const override;
  void TakeChoice() override;

  QString last_choice_;
};

}  // namespace pitchlog
