// The manager window's double-clicks: each prepares the choice entry dialog of its list from the
// row clicked (boxes that do not apply hidden, starting texts, sweep and choice) and shows it.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/sweeps/frm_number_list_entry.h"
#include "app/sweeps/frm_player_list_entry.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/frm_team_list_entry.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {
namespace {

bool IsNewRow(const QTreeWidgetItem* row) { return row->text(1) == QLatin1String(sweeps::kNewRow); }

// The row's bid with two decimals (a choice without a bid shows 0), and its member.
void StartingTexts(ChoiceEntry& dialog, const QTreeWidgetItem* row, int member_column, int bid_column) {
  if (!row->text(bid_column).isEmpty())
    dialog.txtBid->setText(sweeps::MoneyText(row->data(bid_column, Qt::UserRole).toDouble()));
  if (member_column >= 0) dialog.cboMember->setEditText(row->text(member_column));
}

}  // namespace

void frmSweeps::TeamList_DblClick(QTreeWidgetItem* row) {
  if (!row) return;
  frmTeamListEntry& dialog = frmTeamListEntry::Get();
  if (!TakesBids(TeamList)) dialog.HideBox(dialog.txtBid, dialog.lblBid);
  // The team's own name: the winner's mark belongs to the list.
  const QString team = ToQ(gobjKelvane->TeamName(sweeps::Cell(row, team_column::TeamID)));
  dialog.setWindowTitle(team.isEmpty() ? row->text(team_column::Team) : team);
  StartingTexts(dialog, row, team_column::Member, team_column::Bid);
  dialog.Sweep = ToStd(cboSweepList->currentText());
  dialog.Choice = kelvane::Variant(sweeps::Cell(row, team_column::TeamID));
  dialog.exec();
}

void frmSweeps::PlayerList_DblClick(QTreeWidgetItem* row) {
  if (!row) return;
  frmPlayerListEntry& dialog = frmPlayerListEntry::Get();
  if (!TakesBids(PlayerList)) dialog.HideBox(dialog.txtBid, dialog.lblBid);
  const bool new_row = IsNewRow(row);
  if (new_row) {
    dialog.setWindowTitle(QStringLiteral("Add new choice"));
  } else {
    dialog.HideBox(dialog.cboPlayer, dialog.lblPlayer);
    dialog.setWindowTitle(row->text(player_column::Player));
  }
  StartingTexts(dialog, row, player_column::Member, player_column::Bid);
  dialog.Sweep = ToStd(cboSweepList->currentText());
  dialog.Choice = kelvane::Variant(sweeps::Cell(row, player_column::PlayerID));

  if (new_row) {
    // Every player not listed yet; a listed one is chosen on his own row.
    kelvane::IPitchlog& engine = *gobjKelvane;
    varPlayers = engine.PlayerList("");
    QSet<QString> listed;
    for (int i = 0; i < PlayerList->topLevelItemCount(); ++i) listed.insert(PlayerList->topLevelItem(i)->text(0));
    const kelvane::Array& players = varPlayers.AsArray();
    const QSignalBlocker quiet(dialog.cboPlayer);
    if (!players.at(0, 0).ToString().empty()) {
      for (int32_t r = 0; r <= players.UBound(2); ++r) {
        const QString id = ToQ(players.at(0, r).ToString());
        if (listed.contains(id)) continue;
        dialog.cboPlayer->addItem(ToQ(players.at(1, r).ToString()) + QStringLiteral(" (") +
                                      ToQ(engine.TeamName(players.at(3, r).ToString())) + QLatin1Char(')'),
                                  r);
      }
    }
    dialog.cboPlayer->setCurrentIndex(-1);
    if (dialog.cboPlayer->count() == 0) {
      MsgBox(QStringLiteral("There are no more players to choose from"), msgbox::Critical);
      frmPlayerListEntry::Unload();
      return;
    }
  }
  dialog.exec();
}

void frmSweeps::NumberList_DblClick(QTreeWidgetItem* row) {
  if (!row) return;
  frmNumberListEntry& dialog = frmNumberListEntry::Get();
  if (!TakesBids(NumberList)) dialog.HideBox(dialog.txtBid, dialog.lblBid);
  const bool new_row = IsNewRow(row);
  if (new_row) {
    dialog.setWindowTitle(QStringLiteral("Add new choice"));
    // The value's caption without the target in brackets.
    const QString heading = NumberList->headerItem()->text(number_column::Number);
    const int bracket = heading.lastIndexOf(QLatin1Char('('));
    const QString caption = bracket >= 0 ? heading.left(bracket) : heading;
    if (!caption.isEmpty()) dialog.lblChoice->setText(caption);
  } else {
    dialog.HideBox(dialog.txtChoice, dialog.lblChoice);
    dialog.setWindowTitle(row->text(number_column::Number));
    dialog.txtChoice->setText(row->text(number_column::Number));
  }
  StartingTexts(dialog, row, new_row ? -1 : number_column::Member, number_column::Bid);
  dialog.Sweep = ToStd(cboSweepList->currentText());
  dialog.Choice = kelvane::Variant(new_row ? std::string() : sweeps::Cell(row, number_column::MemberID));
  dialog.exec();
}

}  // namespace pitchlog
