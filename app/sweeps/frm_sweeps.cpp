#include "app/sweeps/frm_sweeps.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {
namespace {

using sweeps::TwipsRect;

constexpr ListColumn kTeamColumns[] = {
    {"TeamID", 0, Qt::AlignLeft},   {"Team", 1800, Qt::AlignLeft}, {"Value", 1000, Qt::AlignRight},
    {"Member", 2000, Qt::AlignLeft}, {"Bid", 0, Qt::AlignRight},   {"Sort", 0, Qt::AlignLeft},
};
constexpr ListColumn kPlayerColumns[] = {
    {"PlayerID", 0, Qt::AlignLeft},  {"Player", 2700, Qt::AlignLeft}, {"Value", 1000, Qt::AlignRight},
    {"Member", 1800, Qt::AlignLeft}, {"Bid", 500, Qt::AlignRight},    {"Sequence", 0, Qt::AlignLeft},
};
constexpr ListColumn kNumberColumns[] = {
    {"Member ID", 0, Qt::AlignLeft}, {"Member", 2000, Qt::AlignLeft}, {"Number", 1000, Qt::AlignRight},
    {"Bid", 0, Qt::AlignRight},      {"Sort", 0, Qt::AlignRight},
};

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const QRect& place) {
  auto* button = Named(new QPushButton(QLatin1String(caption), parent), name);
  button->setGeometry(place);
  return button;
}

QTreeWidget* ChoiceList(QWidget* parent, const char* name, std::span<const ListColumn> columns) {
  auto* list = Named(new QTreeWidget(parent), name);
  SetUpReportList(list, columns);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setGeometry(TwipsRect(120, 840, 7095, 4455));
  list->hide();
  return list;
}

// A frame below the list with its one figure.
QGroupBox* FigureFrame(QWidget* parent, const char* name, const char* caption, QLabel*& label,
                       const char* label_name) {
  auto* frame = Named(new QGroupBox(QLatin1String(caption), parent), name);
  frame->setGeometry(TwipsRect(120, 5400, 1215, 615));
  label = DataLabel(label_name, frame);
  label->setGeometry(TwipsRect(120, 260, 975, 255));
  frame->hide();
  return frame;
}

}  // namespace

frmSweeps::frmSweeps() {
  setObjectName(QStringLiteral("frmSweeps"));
  setWindowTitle(QStringLiteral("Sweeps"));
  setFixedSize(TwipsRect(0, 0, 7350, 6075).size());
  BuildControls();
  WireEvents();
}

void frmSweeps::BuildControls() {
  SweepListFrame = Named(new QGroupBox(QStringLiteral("Sweep"), this), "SweepListFrame");
  SweepListFrame->setGeometry(TwipsRect(120, 0, 7095, 735));
  cboSweepList = Named(new QComboBox(SweepListFrame), "cboSweepList");
  cboSweepList->setGeometry(TwipsRect(240, 240, 4335, 315));
  cmdEdit = Button(SweepListFrame, "cmdEdit", "Edit", TwipsRect(4680, 240, 735, 375));
  cmdPrint = Button(SweepListFrame, "cmdPrint", "Print", TwipsRect(5520, 240, 735, 375));
  cmdNewSweep = Button(SweepListFrame, "cmdNewSweep", "New", TwipsRect(6360, 240, 735, 375));
  cmdEdit->setEnabled(false);
  cmdPrint->setEnabled(false);

  TeamList = ChoiceList(this, "TeamList", kTeamColumns);
  PlayerList = ChoiceList(this, "PlayerList", kPlayerColumns);
  NumberList = ChoiceList(this, "NumberList", kNumberColumns);
  BidsFrame = FigureFrame(this, "BidsFrame", "Bids", BidsLabel, "BidsLabel");
  StakeFrame = FigureFrame(this, "StakeFrame", "Stake", StakeLabel, "StakeLabel");

  cmdMembers = Button(this, "cmdMembers", "Members", TwipsRect(1560, 5520, 975, 375));
  cmdRemove = Button(this, "cmdRemove", "Remove", TwipsRect(2880, 5520, 975, 375));
  cmdOK = Button(this, "cmdOK", "OK", TwipsRect(4080, 5520, 975, 375));
  cmdApply = Button(this, "cmdApply", "Apply", TwipsRect(5160, 5520, 975, 375));
  cmdCancel = Button(this, "cmdCancel", "Cancel", TwipsRect(6240, 5520, 975, 375));
  cmdRemove->setEnabled(false);
  cmdApply->setEnabled(false);
  cmdOK->setDefault(true);
}

void frmSweeps::WireEvents() {
  connect(cboSweepList, &QComboBox::currentIndexChanged, this, Handler(this, &frmSweeps::cboSweepList_Click));
  connect(TeamList, &QTreeWidget::itemDoubleClicked, this, Handler(this, &frmSweeps::TeamList_DblClick));
  connect(PlayerList, &QTreeWidget::itemDoubleClicked, this, Handler(this, &frmSweeps::PlayerList_DblClick));
  connect(NumberList, &QTreeWidget::itemDoubleClicked, this, Handler(this, &frmSweeps::NumberList_DblClick));
  connect(cmdNewSweep, &QPushButton::clicked, this, Handler(this, &frmSweeps::cmdNewSweep_Click));
  connect(cmdEdit, &QPushButton::clicked, this, Handler(this, &frmSweeps::cmdEdit_Click));
  connect(cmdMembers, &QPushButton::clicked, this, Handler(this, &frmSweeps::cmdMembers_Click));
  connect(cmdRemove, &QPushButton::clicked, this, Handler(this, &frmSweeps::cmdRemove_Click));
  connect(cmdPrint, &QPushButton::clicked, this, Handler(this, &frmSweeps::cmdPrint_Click));
  connect(cmdApply, &QPushButton::clicked, this, Handler(this, &frmSweeps::cmdApply_Click));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmSweeps::cmdOK_Click));
  connect(cmdCancel, &QPushButton::clicked, this, [this] { RunHandler([this] { cmdCancel_Click(); }); });
}

int frmSweeps::BidColumn(const QTreeWidget* list) {
  if (list->objectName() == QLatin1String("NumberList")) return number_column::Bid;
  return team_column::Bid;  // and the player list's
}

bool frmSweeps::TakesBids(const QTreeWidget* list) { return sweeps::ColumnTwips(list, BidColumn(list)) > 0; }

void frmSweeps::Form_Load() {
  shown_sweep_.clear();
  for (const QString& name : sweeps::Names(gobjKelvane->SweepsList())) sweeps::InsertSorted(cboSweepList, name);
}

bool frmSweeps::SettlePendingChanges(const QString& question) {
  if (!cmdApply->isEnabled()) return true;
  switch (MsgBox(question, msgbox::YesNoCancel)) {
    case msgbox::Yes:
      gobjKelvane->SaveSweeps();
      break;
    case msgbox::No:
      gobjKelvane->LoadSweeps();
      break;
    default:
      return false;
  }
  cmdApply->setEnabled(false);
  return true;
}

void frmSweeps::cboSweepList_Click() {
  const QString sweep = cboSweepList->currentText();
  if (sweep.isEmpty() || sweep == shown_sweep_) return;
  if (cmdApply->isEnabled()) {
    if (!SettlePendingChanges(QStringLiteral("Do you want to save changes?"))) {
      // Back to the sweep shown; that choice changes nothing.
      cboSweepList->setCurrentIndex(cboSweepList->findText(shown_sweep_, Qt::MatchFixedString | Qt::MatchCaseSensitive));
      return;
    }
  } else {
    gobjKelvane->LoadSweeps();
  }
  for (QTreeWidget* list : {TeamList, PlayerList, NumberList}) list->hide();

  kelvane::IPitchlog& engine = *gobjKelvane;
  const std::string s = ToStd(sweep);
  const std::string name = engine.Sweeps(s, "name").ToString();
  const std::string format = sweeps::SweepFormat(engine, s);
  if (format == "teamlist") {
    TeamList->show();
    LoadTeamList(name);
  } else if (format == "playerlist") {
    PlayerList->show();
    LoadPlayerList(name);
  } else if (format == "number") {
    NumberList->show();
    LoadNumberList(name);
  }

  const std::string type = engine.Sweeps(s, "type").ToString();
  BidsFrame->setVisible(type == "bid");
  StakeFrame->setVisible(type == "stake");
  if (type == "stake") ShowFigure(StakeLabel, sweeps::StoredAmount(engine.Sweeps(s, "stake")).value_or(0));

  shown_sweep_ = sweep;
  cmdEdit->setEnabled(true);
  cmdPrint->setEnabled(true);
}

void frmSweeps::ShowFigure(QLabel* label, double amount) {
  constexpr int kFrameWidth = 1215, kLabelWidth = 975, kMembersLeft = 1560, kRemoveLeft = 2880, kGap = 60;
  label->setText(sweeps::Currency(amount));
  // As wide as the amount needs, as far as the buttons can move with a narrow gap before OK.
  const int margins = Pixels(kFrameWidth) - Pixels(kLabelWidth);
  const int widest = cmdOK->x() - cmdRemove->width() - cmdMembers->width() - 3 * Pixels(kGap) - BidsFrame->x();
  const int needed = label->sizeHint().width() + margins;
  const int width = std::clamp(needed, Pixels(kFrameWidth), widest);
  for (QGroupBox* frame : {BidsFrame, StakeFrame}) frame->setFixedWidth(width);
  for (QLabel* figure : {BidsLabel, StakeLabel}) figure->setFixedWidth(width - margins);
  cmdMembers->move(std::max(Pixels(kMembersLeft), BidsFrame->x() + width + Pixels(kGap)), cmdMembers->y());
  cmdRemove->move(std::max(Pixels(kRemoveLeft), cmdMembers->x() + cmdMembers->width() + Pixels(kGap)), cmdRemove->y());
  label->setToolTip(needed > width ? label->text() : QString());
}

void frmSweeps::ReloadShownList() {
  if (shown_sweep_.isEmpty()) return;
  const std::string sweep = ToStd(shown_sweep_);
  if (!TeamList->isHidden()) LoadTeamList(sweep);
  if (!PlayerList->isHidden()) LoadPlayerList(sweep);
  if (!NumberList->isHidden()) LoadNumberList(sweep);
}

void frmSweeps::RenameShownSweep(const QString& NewName) {
  const int index = cboSweepList->currentIndex();
  if (index < 0) return;
  {
    const QSignalBlocker quiet(cboSweepList);
    cboSweepList->removeItem(index);
  }
  shown_sweep_ = NewName;
  cboSweepList->setCurrentIndex(sweeps::InsertSorted(cboSweepList, NewName));
}

void frmSweeps::cmdApply_Click() {
  gobjKelvane->SaveSweeps();
  cmdApply->setEnabled(false);
  cmdEdit->setEnabled(true);
}

void frmSweeps::cmdOK_Click() {
  gobjKelvane->SaveSweeps();
  Unload();
}

bool frmSweeps::cmdCancel_Click() {
  if (cmdApply->isEnabled()) {
    if (!SettlePendingChanges(QStringLiteral("Do you want to save changes?"))) return false;
  } else {
    gobjKelvane->LoadSweeps();
  }
  Unload();
  return true;
}

void frmSweeps::reject() { RunHandler([this] { cmdCancel_Click(); }); }

// The close box drops nothing unasked: it is Cancel, with Cancel's question.
void frmSweeps::closeEvent(QCloseEvent* event) {
  bool unloaded = false;
  RunHandler([&] { unloaded = cmdCancel_Click(); });
  if (!unloaded) event->ignore();
}

}  // namespace pitchlog
