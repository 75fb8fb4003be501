#include "app/shell/frm_contact.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/kit/named_widget.h"

namespace pitchlog {

frmContact::frmContact() {
  setObjectName(QStringLiteral("frmContact"));
  setWindowTitle(tr("Contact"));
  lblName = DataLabel("lblName", this);
  QFont bold = lblName->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.25);
  lblName->setFont(bold);
  lblDescription = DataLabel("lblDescription", this);
  lblAddress = DataLabel("lblAddress", this);
  lblEmail = DataLabel("lblEmail", this);
  lblURL = DataLabel("lblURL", this);
  // The addresses are for copying.
  for (QLabel* label : {lblAddress, lblEmail, lblURL}) label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  imgLogo = Named(new QLabel(this), "imgLogo");
  imgLogo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  cmdOK = Named(new QPushButton(tr("OK"), this), "cmdOK");
  cmdOK->setDefault(true);

  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(12);
  layout->addWidget(imgLogo, 0, 0, 5, 1);
  layout->addWidget(lblName, 0, 1, 1, 2);
  layout->addWidget(lblDescription, 1, 1, 1, 2);
  layout->addWidget(lblAddress, 2, 1, 1, 2);
  layout->addWidget(Named(new QLabel(tr("Email"), this), "lblEmailCaption"), 3, 1);
  layout->addWidget(lblEmail, 3, 2);
  layout->addWidget(Named(new QLabel(tr("URL"), this), "lblURLCaption"), 4, 1);
  layout->addWidget(lblURL, 4, 2);
  layout->addWidget(cmdOK, 5, 2, Qt::AlignRight);
  layout->setColumnStretch(2, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmContact::cmdOK_Click));
}

void frmContact::cmdOK_Click() { Unload(); }

void frmContact::reject() { Unload(); }

void frmContact::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
