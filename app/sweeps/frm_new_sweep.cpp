#include "app/sweeps/frm_new_sweep.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {

frmNewSweep::frmNewSweep() {
  setObjectName(QStringLiteral("frmNewSweep"));
  setWindowTitle(QStringLiteral("New Sweep"));
  setFixedSize(330, 250);

  OptionFrame = Named(new QGroupBox(QStringLiteral("Options"), this), "OptionFrame");
  OptionFrame->setGeometry(8, 6, 314, 56);
  cboOptions = Named(new QComboBox(OptionFrame), "cboOptions");
  cboOptions->setGeometry(10, 24, 294, 24);

  lblName = Named(new QLabel(QStringLiteral("Name"), this), "lblName");
  lblName->setGeometry(10, 72, 60, 24);
  txtName = Named(new QLineEdit(this), "txtName");
  txtName->setGeometry(70, 72, 252, 24);
  lblName->setBuddy(txtName);

  TypeFrame = Named(new QGroupBox(QStringLiteral("Type of sweep"), this), "TypeFrame");
  TypeFrame->setGeometry(8, 104, 314, 100);
  optFun = Named(new QRadioButton(QStringLiteral("Just for fun"), TypeFrame), "optFun");
  optFun->setGeometry(12, 22, 140, 22);
  optStake = Named(new QRadioButton(QStringLiteral("Fixed stake"), TypeFrame), "optStake");
  optStake->setGeometry(12, 46, 140, 22);
  optBid = Named(new QRadioButton(QStringLiteral("Bidding"), TypeFrame), "optBid");
  optBid->setGeometry(12, 70, 140, 22);
  txtStake = Named(new sweeps::MoneyBox(TypeFrame), "txtStake");
  txtStake->setGeometry(160, 45, 100, 24);
  txtStake->Mark()->setGeometry(160, 70, 150, 28);
  // A new sweep starts as one just for fun.
  optFun->setChecked(true);
  txtStake->setEnabled(false);

  cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  cmdOK->setGeometry(166, 216, 75, 26);
  cmdOK->setDefault(true);
  cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
  cmdCancel->setGeometry(247, 216, 75, 26);

  connect(cboOptions, &QComboBox::currentIndexChanged, this, Handler(this, &frmNewSweep::cboOptions_Click));
  for (QRadioButton* type : {optFun, optStake, optBid})
    connect(type, &QRadioButton::clicked, this, Handler(this, &frmNewSweep::optType_Click));
  connect(txtStake, &QLineEdit::textChanged, this, Handler(this, &frmNewSweep::txtStake_Change));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmNewSweep::cmdOK_Click));
  connect(cmdCancel, &QPushButton::clicked, this, Handler(this, &frmNewSweep::cmdCancel_Click));
}

void frmNewSweep::Form_Load() {
  const QSignalBlocker quiet(cboOptions);
  for (const QString& name : sweeps::Names(gobjKelvane->SweepOptionsList())) cboOptions->addItem(name);
  cboOptions->setCurrentIndex(-1);
}

// A name the user typed is left alone.
void frmNewSweep::cboOptions_Click() {
  if (cboOptions->currentIndex() < 0) return;
  if (!txtName->text().isEmpty() && txtName->text() != picked_name_) return;
  picked_name_ = cboOptions->currentText();
  txtName->setText(picked_name_);
}

// The stake keeps its text while another type is chosen.
void frmNewSweep::optType_Click() { txtStake->setEnabled(optStake->isChecked()); }

void frmNewSweep::txtStake_Change() { txtStake->Judge(); }

void frmNewSweep::cmdOK_Click() {
  if (optStake->isChecked() && !txtStake->Settle()) return;
  kelvane::IPitchlog& engine = *gobjKelvane;
  const QString name = txtName->text();
  const QString option = cboOptions->currentText();
  QString refusals;
  const auto refuse = [&](const char* line) { refusals += QLatin1String(line) + QStringLiteral("\r\n"); };
  if (engine.SweepExists(ToStd(name))) refuse("Name already in use");
  if (option.isEmpty()) refuse("Please select an option");
  if (name.isEmpty()) refuse("Please enter a name for your sweep");
  if (optStake->isChecked() && txtStake->text().isEmpty()) refuse("Please enter a stake value");
  if (!refusals.isEmpty()) {
    MsgBox(refusals, msgbox::Critical);
    return;
  }

  const char* type = optStake->isChecked() ? "stake" : optBid->isChecked() ? "bid" : "fun";
  const double stake = optStake->isChecked() ? txtStake->Value() : 0;
  engine.AddSweep(ToStd(name), ToStd(option), type, stake);
  if (engine.SweepExists(ToStd(name))) {
    frmSweeps& sweeps = frmSweeps::Get();
    sweeps.cboSweepList->setCurrentIndex(sweeps::InsertSorted(sweeps.cboSweepList, name));
  }
  Unload();
}

void frmNewSweep::cmdCancel_Click() { Unload(); }

void frmNewSweep::reject() { Unload(); }

void frmNewSweep::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
