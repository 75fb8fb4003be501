#include "app/shell/frm_players.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>
#include <utility>

#include "app/entry/frm_new_player.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/shell/frm_main.h"

namespace pitchlog {

// The list's rows are edited by their label only: an edit begun on any cell edits the name.
class PlayerNameList : public QTreeWidget {
 public:
  // Ends an edit in progress as if the user had left the box, so the name typed is kept.
  void CommitEdit() {
    if (state() != EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex().siblingAtColumn(player_list_column::Name))) {
      commitData(editor);
      closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
  }

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
    return QTreeWidget::edit(index.siblingAtColumn(player_list_column::Name), trigger, event);
  }
};

namespace {

using namespace player_list_column;

constexpr ListColumn kColumns[] = {
    {"Name", 2700, Qt::AlignLeft},
    {"Shirt", 600, Qt::AlignRight},
    {"TeamID", 0, Qt::AlignLeft},
};

const QString kNotSaved = QStringLiteral("The players file could not be saved.");

std::string PlayerID(const std::string& team_id, int shirt) {
  return team_id + (shirt < 10 ? "0" : "") + std::to_string(shirt);
}

// The characters that XML 1.0 can hold; any other would make the engine refuse the name half-way.
bool PlayersFileCanStore(const QString& name) {
  for (const char32_t c : name.toUcs4()) {
    const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
    if (!allowed) return false;
  }
  return true;
}

}  // namespace

frmPlayers::frmPlayers() {
  setObjectName(QStringLiteral("frmPlayers"));
  setWindowTitle(QStringLiteral("Players"));
  Teams = Named(new QLabel(QStringLiteral("Team"), this), "Teams");
  cboTeam = Named(new QComboBox(this), "cboTeam");
  Teams->setBuddy(cboTeam);
  name_list_ = Named(new PlayerNameList, "PlayerList");
  PlayerList = name_list_;
  SetUpReportList(PlayerList, kColumns);
  PlayerList->setSelectionMode(QAbstractItemView::SingleSelection);
  PlayerList->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);

  auto* team_row = new QHBoxLayout;
  team_row->addWidget(Teams);
  team_row->addWidget(cboTeam, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(team_row);
  layout->addWidget(PlayerList, 1);
  layout->addStretch();
  resize(300, 560);

  connect(cboTeam, &QComboBox::currentIndexChanged, this, Handler(this, &frmPlayers::cboTeam_Click));
  connect(PlayerList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    PlayerList->setCurrentItem(item);
    RunHandler([this] { PlayerList_DblClick(); });
  });
  connect(PlayerList, &QTreeWidget::itemChanged, this, Handler(this, &frmPlayers::PlayerList_ItemChanged));
}

void frmPlayers::Form_Load() {
  objKelvane = gobjKelvane;
  PlayerList->hide();
  varTeamList = objKelvane->TeamList();
  if (!varTeamList.IsArray()) return;
  const kelvane::Array& teams = varTeamList.AsArray();
  // Filling is no choice of the user's; the list starts with no team chosen.
  const QSignalBlocker quiet(cboTeam);
  for (int32_t i = teams.LBound(2); i <= teams.UBound(2); ++i)
    if (!teams.at(0, i).IsEmpty()) cboTeam->addItem(ToQ(teams.at(1, i).ToString()), i);
  cboTeam->setCurrentIndex(-1);
}

void frmPlayers::cboTeam_Click() {
  if (cboTeam->currentIndex() < 0) return;
  PlayerList->show();
  if (!varTeamList.IsArray()) return;
  strTeamID = varTeamList.AsArray().at(0, cboTeam->currentData().toInt()).ToString();
  LoadPlayerList(strTeamID);
}

void frmPlayers::LoadPlayerList(const std::string& TeamID) {
  // Rows made here are no edits of the user's.
  const QSignalBlocker quiet(PlayerList);
  PlayerList->clear();
  QHeaderView* header = PlayerList->header();
  header->moveSection(header->visualIndex(Shirt), 0);
  for (int shirt = 1; shirt <= kShirts; ++shirt) {
    const std::string player_id = PlayerID(TeamID, shirt);
    QTreeWidgetItem* row =
        AddRow(PlayerList, {ToQ(objKelvane->PlayerName(player_id)), QString::number(shirt), ToQ(player_id)});
    row->setFlags(row->flags() | Qt::ItemIsEditable);
  }
  FitColumns(PlayerList);
}

void frmPlayers::PlayerList_AfterLabelEdit(int /*Cancel*/, QString NewString) {
  const QTreeWidgetItem* row = PlayerList->currentItem();
  if (!row || strTeamID.empty()) return;
  StoreName(strTeamID, static_cast<int16_t>(row->text(Shirt).toInt()), NewString);
}

void frmPlayers::PlayerList_DblClick() {
  const QTreeWidgetItem* row = PlayerList->currentItem();
  if (!row) return;
  frmNewPlayer::Get().ShowModal({cboTeam->currentText(), row->text(Shirt), row->text(Name),
                                 [this](const QString& name) { PlayerList_AfterLabelEdit(0, name); }});
}

// The edit is stored once the editor has closed: storing refills the list, which must not happen
// under the editor. The row's team and shirt are taken now, before a click elsewhere moves the
// selection.
void frmPlayers::PlayerList_ItemChanged(QTreeWidgetItem* item, int column) {
  if (column != Name) return;
  pending_edits_.push_back({strTeamID, static_cast<int16_t>(item->text(Shirt).toInt()), item->text(Name)});
  QTimer::singleShot(0, this, [this] { StorePendingEdits(); });
}

void frmPlayers::StorePendingEdits() {
  for (const LabelEdit& edit : std::exchange(pending_edits_, {})) StoreName(edit.team_id, edit.shirt, edit.name);
}

void frmPlayers::StoreName(const std::string& team_id, int16_t shirt, const QString& name) {
  RunHandler([&] {
    const std::string player_id = PlayerID(team_id, shirt);
    if (!PlayersFileCanStore(name)) {
      MsgBox(QStringLiteral("The name holds a character that the players file cannot store."), msgbox::Critical);
    } else if (objKelvane->PlayerExists(player_id)) {
      objKelvane->SetPlayers(player_id, "playername", kelvane::Variant(ToStd(name)));
      SaveToFile();
    } else if (name.isEmpty()) {
      // Nothing typed on a vacant shirt: no nameless player.
    } else if (objKelvane->AddPlayer(team_id, shirt, ToStd(name))) {
      SaveToFile();
    } else {
      MsgBox(QStringLiteral("The player could not be added to the players file."), msgbox::Critical);
    }
  });
  // The list shows what the engine holds, whatever happened.
  RunHandler([this] { LoadPlayerList(strTeamID); });
}

bool frmPlayers::SaveToFile() {
  try {
    objKelvane->SavePlayers();
  } catch (const std::exception& e) {
    unsaved_ = true;
    MsgBox(kNotSaved + QStringLiteral("\n\n") + QString::fromStdString(e.what()), msgbox::Critical);
    return false;
  }
  unsaved_ = false;
  return true;
}

// The engine keeps a change whose save failed; closing tries the save again and asks before
// leaving it unsaved.
bool frmPlayers::MayClose() {
  name_list_->CommitEdit();
  StorePendingEdits();
  if (!unsaved_) return true;
  try {
    objKelvane->SavePlayers();
  } catch (const std::exception& e) {
    const QString text = kNotSaved + QStringLiteral("\n\n") + QString::fromStdString(e.what()) +
                         QStringLiteral(
                             "\n\nClose the players editor all the same? What you typed is kept until "
                             "the program ends.");
    return MsgBox(text, msgbox::YesNo | msgbox::Exclamation | msgbox::DefaultButton2) == msgbox::Yes;
  }
  unsaved_ = false;
  return true;
}

void frmPlayers::reject() {
  bool close = true;
  RunHandler([&] { close = MayClose(); });
  if (close) Unload();
}

void frmPlayers::closeEvent(QCloseEvent* event) {
  bool close = true;
  RunHandler([&] { close = MayClose(); });
  if (!close) {
    event->ignore();
    return;
  }
  event->accept();
  Unload();
}

// The main window's Edit > Players command.
void frmMain::Players_Click() { frmPlayers::Get().exec(); }

}  // namespace pitchlog
