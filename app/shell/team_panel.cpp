#include "app/shell/team_panel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/kit/named_widget.h"
#include "app/kit/report_list.h"
#include "app/kit/score_text.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {
namespace {

namespace squad_column {
enum : int { PlayerID, Shirt, Name };
}

constexpr ListColumn kSquadColumns[] = {
    {"PlayerID", 0, Qt::AlignLeft},
    {"Shirt", 600, Qt::AlignRight},
    {"Name", 2700, Qt::AlignLeft},
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

QPlainTextEdit* ReadOnlyBox(const char* name) {
  auto* box = Named(new QPlainTextEdit, name);
  box->setReadOnly(true);
  return box;
}

}  // namespace

TeamPanel::TeamPanel(QGroupBox* team_frame, QGroupBox* game_facts, QGroupBox* score_frame)
    : QObject(team_frame), team_frame_(team_frame), game_facts_(game_facts), score_frame_(score_frame) {
  team_frame_->setTitle(QStringLiteral("Team Name"));
  lblCoach = Named(new QLabel(QStringLiteral("Coach")), "lblCoach");
  lblTeamCoachName = DataLabel("lblTeamCoachName");
  lblWorldRank = Named(new QLabel(QStringLiteral("World Rank")), "lblWorldRank");
  lblWorldRankNo = DataLabel("lblWorldRankNo");
  txtTeamNarrative = ReadOnlyBox("txtTeamNarrative");
  lblTeamWebSite = DataLabel("lblTeamWebSite");
  cmdTeamWebSite = Named(new QPushButton(QStringLiteral("Web Site")), "cmdTeamWebSite");
  lvwTeamPlayers = Named(new QTreeWidget, "lvwTeamPlayers");
  SetUpReportList(lvwTeamPlayers, kSquadColumns);
  lblPlayerFullName = DataLabel("lblPlayerFullName");
  lblPlayerFullName->setWordWrap(true);
  txtPlayerNarrative = ReadOnlyBox("txtPlayerNarrative");

  auto* facts = new QFormLayout;
  facts->addRow(lblCoach, lblTeamCoachName);
  facts->addRow(lblWorldRank, lblWorldRankNo);
  auto* site = new QHBoxLayout;
  site->addWidget(lblTeamWebSite, 1);
  site->addWidget(cmdTeamWebSite);
  auto* team = new QVBoxLayout;
  team->addLayout(facts);
  team->addWidget(txtTeamNarrative, 1);
  team->addStretch();
  team->addLayout(site);
  auto* player = new QVBoxLayout;
  player->addWidget(lblPlayerFullName);
  player->addWidget(txtPlayerNarrative, 1);
  player->addStretch();
  auto* layout = new QHBoxLayout(team_frame_);
  layout->addLayout(team, 2);
  layout->addWidget(lvwTeamPlayers, 2);
  layout->addLayout(player, 1);
}

void TeamPanel::ShowTeam(kelvane::IPitchlog& engine, const std::string& team_id) {
  team_frame_->setTitle(Q(engine.TeamName(team_id)));
  lblTeamCoachName->setText(Q(engine.Teams(team_id, "coach")));
  lblWorldRankNo->setText(Q(engine.Teams(team_id, "worldrank")));
  const QString narrative = Q(engine.Teams(team_id, "narrative"));
  txtTeamNarrative->setPlainText(narrative);
  txtTeamNarrative->setVisible(!narrative.isEmpty());
  const QString link = Q(engine.Teams(team_id, "link"));
  lblTeamWebSite->setText(link);
  cmdTeamWebSite->setToolTip(link);
  // The address comes from a downloaded file; the button offers only what it would open.
  cmdTeamWebSite->setVisible(IsWebAddress(link));
  FillSquad(engine, team_id);
  lblPlayerFullName->clear();
  txtPlayerNarrative->clear();
  txtPlayerNarrative->hide();
  game_facts_->hide();
  score_frame_->hide();
  team_frame_->show();
}

void TeamPanel::FillSquad(kelvane::IPitchlog& engine, const std::string& team_id) {
  const kelvane::Variant squad = engine.PlayerList(team_id);
  lvwTeamPlayers->clear();
  if (squad.IsEmpty()) {
    lvwTeamPlayers->hide();
    return;
  }
  const kelvane::Array& players = squad.AsArray();
  for (int32_t j = players.LBound(2); j <= players.UBound(2); ++j) {
    const std::string id = players.at(0, j).ToString();
    // A team without players comes back as one blank column, which is no player.
    if (id.empty()) continue;
    QTreeWidgetItem* row =
        AddRow(lvwTeamPlayers, {Q(id), Q(players.at(2, j).ToString()), Q(players.at(1, j).ToString())});
    if (!engine.Players(id, "narrative").ToString().empty()) {
      QFont bold = row->font(squad_column::Name);
      bold.setBold(true);
      row->setFont(squad_column::Name, bold);
    }
  }
  FitColumns(lvwTeamPlayers);
  if (QTreeWidgetItem* first = lvwTeamPlayers->topLevelItem(0)) lvwTeamPlayers->setCurrentItem(first);
  lvwTeamPlayers->show();
}

void TeamPanel::ShowSelectedPlayer(kelvane::IPitchlog& engine) {
  const QTreeWidgetItem* row = lvwTeamPlayers->currentItem();
  if (!row) return;
  const std::string id = row->text(squad_column::PlayerID).toStdString();
  const QString narrative = Q(engine.PlayerNarrative(id));
  // The full name stands out; the hint that replaces it does not.
  QFont font = lblPlayerFullName->font();
  font.setBold(!narrative.isEmpty());
  lblPlayerFullName->setFont(font);
  lblPlayerFullName->setText(narrative.isEmpty() ? QStringLiteral("Click bold names for details")
                                                 : Q(engine.PlayerFullName(id)));
  txtPlayerNarrative->setPlainText(narrative);
  txtPlayerNarrative->setVisible(!narrative.isEmpty());
}

}  // namespace pitchlog
