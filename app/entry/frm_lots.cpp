#include "app/entry/frm_lots.h"

#include <tuple>

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "app/kit/bracket_guard.h"
#include "app/kit/main_window_link.h"
#include "app/kit/msg_box.h"
#include "app/kit/program.h"

namespace pitchlog {

namespace {

// Lots 0 to 9: a lot of 10 or more would outweigh a goal scored in the ranking score. Two
// characters let a stored "03" through.
constexpr int kLotLength = 2;
constexpr int kLotLimit = 10;
// The arrows cover 0 to 4, one step per team; 0 is an empty lot.
constexpr int kSpinTop = 4;

}  // namespace

frmLots::frmLots() {
  setObjectName(QStringLiteral("frmLots"));
  setFixedSize(300, 4 * 30 + 52);
  for (int i = 0; i < kTeams; ++i) {
    const QString suffix = QLatin1Char('_') + QString::number(i);
    const int top = 10 + i * 30;
    lblTeam[i] = new QLabel(this);
    lblTeam[i]->setObjectName(QStringLiteral("lblTeam") + suffix);
    lblTeam[i]->setGeometry(10, top, 180, 23);
    txtLot[i] = new entry::DigitBox(kLotLength, kLotLimit, this);
    txtLot[i]->setObjectName(QStringLiteral("txtLot") + suffix);
    txtLot[i]->setGeometry(200, top, 36, 23);
    vscLot[i] = new entry::SpinControl(this);
    vscLot[i]->setObjectName(QStringLiteral("vscLot") + suffix);
    vscLot[i]->setRange(-kSpinTop, 0);
    vscLot[i]->setGeometry(236, top, 16, 23);
    const auto index = static_cast<int16_t>(i);
    connect(txtLot[i], &QLineEdit::textChanged, this, [this, index] { RunHandler([&] { txtLot_Change(index); }); });
    connect(vscLot[i], &QScrollBar::valueChanged, this, [this, index] { RunHandler([&] { vscLot_Change(index); }); });
  }
  int x = 300 - 3 * 81 - 4;
  for (auto [button, name, caption] : {std::tuple{&cmdOK, "cmdOK", "OK"}, std::tuple{&cmdClear, "cmdClear", "Clear"},
                                       std::tuple{&cmdCancel, "cmdCancel", "Cancel"}}) {
    *button = new QPushButton(QLatin1String(caption), this);
    (*button)->setObjectName(QLatin1String(name));
    (*button)->setGeometry(x, 4 * 30 + 18, 75, 25);
    x += 81;
  }
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmLots::cmdOK_Click));
  connect(cmdClear, &QPushButton::clicked, this, Handler(this, &frmLots::cmdClear_Click));
  connect(cmdCancel, &QPushButton::clicked, this, Handler(this, &frmLots::cmdCancel_Click));
}

std::string frmLots::Group() { return MainWindow().ShownGroup(); }

void frmLots::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const std::string group = Group();
  setWindowTitle(QStringLiteral("Group ") + ToQ(group) + QStringLiteral(" Lots"));
  for (int i = 0; i < kTeams; ++i) {
    const auto index = static_cast<int16_t>(i + 1);
    lblTeam[i]->setText(ToQ(engine.TeamName(engine.GroupTeamID(group, index))));
    // A stored "03" shows as 3 and a stored 0 as an empty box; a lot of 10 or more from an older
    // file shows as it is, and OK refuses it.
    const QString stored = ToQ(engine.GroupLots(group, index).ToString());
    const int lot = entry::IsDigits(stored) && stored.size() <= kLotLength ? stored.toInt() : 0;
    txtLot[i]->ShowStored(lot == 0 ? QString() : QString::number(lot));
    if (lot <= kSpinTop) vscLot[i]->SetValueSilently(lot);
  }
}

void frmLots::txtLot_Change(int16_t Index) {
  entry::DigitBox* box = txtLot.at(Index);
  if (!box->Allows(box->text())) {
    box->PutBack();
    return;
  }
  box->Take();
  if (box->Number() <= kSpinTop) vscLot[Index]->SetValueSilently(box->Number());
}

void frmLots::vscLot_Change(int16_t Index) {
  const int value = vscLot.at(Index)->Value();
  txtLot[Index]->setText(value == 0 ? QString() : QString::number(value));
}

void frmLots::cmdClear_Click() {
  for (int i = 0; i < kTeams; ++i) {
    txtLot[i]->setText(QString());
    vscLot[i]->SetValue(0);
  }
}

void frmLots::cmdCancel_Click() { Unload(); }

void frmLots::cmdOK_Click() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  MainWindowLink& main = MainWindow();
  const std::string group = Group();
  for (const entry::DigitBox* box : txtLot)
    if (box->Number() >= kLotLimit) {
      MsgBox(QStringLiteral("Lots are numbers from 0 to 9"), msgbox::Critical);
      return;
    }
  auto places = [&] {
    std::array<std::string, kTeams> pos;
    for (int i = 0; i < kTeams; ++i) pos[i] = engine.GroupPos(group, static_cast<int16_t>(i + 1));
    return pos;
  };
  kelvane::Array proposed(0, kTeams - 1);
  for (int i = 0; i < kTeams; ++i) proposed.Set(i, kelvane::Variant(ToStd(txtLot[i]->text())));
  if (!entry::MayClearKnockoutGames(engine.GroupLotsClear(group, kelvane::Variant(proposed)))) return;
  const auto before = places();
  for (int i = 0; i < kTeams; ++i) engine.SetGroupLots(group, static_cast<int16_t>(i + 1), proposed.at(i));
  engine.CalcGroupTable(group);
  // A team that moves may change a knock-out slot, which removes the results of the games it fed.
  const bool moved = places() != before;
  if (moved) engine.LoadStats();
  main.RedrawResults(
      moved ? MainWindowLink::kRedrawAll : MainWindowLink::kRedrawGroup | MainWindowLink::kRedrawKnockout,
      MainWindowLink::ResultsMark::FromEngine);
  Unload();
}

void frmLots::reject() { Unload(); }

void frmLots::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
