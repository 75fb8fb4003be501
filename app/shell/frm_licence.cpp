#include "app/shell/frm_licence.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/sharp_picture.h"
#include "app/shell/logo_list.h"

namespace pitchlog {
namespace {

constexpr const char* kTerms =
    "ORVESSA PITCHLOG LICENCE TERMS\n"
    "\n"
    "1. Zintorra grants you a personal, non-exclusive licence to install and use this copy of "
    "Orvessa Pitchlog on the computers of one household or one office.\n"
    "\n"
    "2. You may give copies of the program to others, free of charge, as long as each copy is "
    "complete and unchanged and carries these terms.\n"
    "\n"
    "3. You may not sell the program, rent it out, or take it apart to make a program of your own "
    "from it.\n"
    "\n"
    "4. The tournament facts, pictures and texts that come with the program stay the property of "
    "their owners.\n"
    "\n"
    "5. The program is provided \"as is\", without warranty of any kind. Zintorra is not liable "
    "for any loss that comes from its use, including the loss of results or of stakes in a "
    "sweepstake.\n"
    "\n"
    "6. Sweepstakes are regulated in many places. Running them within the law is your own "
    "responsibility.\n";

}  // namespace

frmLicence::frmLicence() {
  setObjectName(QStringLiteral("frmLicence"));
  picIcon = Named(new QLabel(this), "picIcon");
  lblTitle = DataLabel("lblTitle", this);
  QFont title = lblTitle->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.4);
  lblTitle->setFont(title);
  lblSubTitle = Named(new QLabel(tr("You agreed to these terms and conditions when you installed this software:"), this),
                      "lblSubTitle");
  lblSubTitle->setWordWrap(true);
  txtTerms = Named(new QPlainTextEdit(QLatin1String(kTerms), this), "txtTerms");
  txtTerms->setReadOnly(true);
  txtTerms->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtTerms->setMinimumSize(440, 240);
  cmdOK = Named(new QPushButton(tr("OK"), this), "cmdOK");
  cmdOK->setDefault(true);

  auto* layout = new QGridLayout(this);
  layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(lblTitle, 0, 1);
  layout->addWidget(lblSubTitle, 1, 1);
  layout->addWidget(txtTerms, 2, 0, 1, 2);
  layout->addWidget(cmdOK, 3, 1, Qt::AlignRight);
  layout->setColumnStretch(1, 1);

  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmLicence::cmdOK_Click));
}

void frmLicence::Form_Load() {
  setWindowTitle(QStringLiteral("About ") + App.Title);
  lblTitle->setText(gstrAppTitle);
  ShowSharpPicture(picIcon, [](qreal ratio) { return LogoList(logo::Program, ratio); });
}

void frmLicence::cmdOK_Click() { Unload(); }

void frmLicence::reject() { Unload(); }

void frmLicence::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
