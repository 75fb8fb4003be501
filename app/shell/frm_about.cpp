#include "app/shell/frm_about.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "app/game/frm_rallet.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/sharp_picture.h"
#include "app/shell/frm_contact.h"
#include "app/shell/logo_list.h"
#include "app/shell/system_info.h"

namespace pitchlog {

// One of the two parties that made the program, as its contact box shows it.
struct MakerContact {
  const char* name;
  const char* description;
  const char* address[4];  // lines; unused ones are null
  const char* email;
  const char* url;
  logo::Picture logo;
};

namespace {

constexpr MakerContact kDeveloper = {
    "Zintorra",
    "Software for sports fans, clubs and office pools",
    {"Zintorra Software", "4 Kestrel Wharf", "Lowmarsh LM2 7QT", nullptr},
    "pitchlog@zintorra.example",
    "https://www.zintorra.example",
    logo::Developer,
};

constexpr MakerContact kIllustrator = {
    "Quillmere Studio",
    "Illustration, icons and artwork for print and screen",
    {"Quillmere Studio", "The Old Bindery, 17 Ferrow Lane", "Cantlebury CB9 3RD", nullptr},
    "studio@quillmere.example",
    "https://www.quillmere.example",
    logo::Illustrator,
};

constexpr const char* kProductAddress = "www.zintorra.example/pitchlog";
constexpr const char* kNotice =
    "Warning: this program is protected by copyright law. It may be copied and given away only as "
    "its licence terms allow. The tournament's fixtures and results are shown for your own "
    "interest and come without any warranty.";

}  // namespace

frmAbout::frmAbout() {
  setObjectName(QStringLiteral("frmAbout"));
  imgLogo = Named(new QLabel(this), "imgLogo");
  lblTitle = DataLabel("lblTitle", this);
  QFont title = lblTitle->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.4);
  lblTitle->setFont(title);
  lblVersion = DataLabel("lblVersion", this);

  fraAbout = Named(new QGroupBox(QLatin1String(kProductAddress), this), "fraAbout");
  lblDeveloper = DataLabel("lblDeveloper", fraAbout);
  lblDeveloper->setText(tr("Program by ") + QLatin1String(kDeveloper.name));
  Label1 = DataLabel("Label1", fraAbout);
  Label1->setText(tr("Illustrations by ") + QLatin1String(kIllustrator.name));
  cmdDeveloperContact = Named(new QPushButton(tr("Contact Details"), fraAbout), "cmdDeveloperContact");
  cmdIllustratorContact = Named(new QPushButton(tr("Contact Details"), fraAbout), "cmdIllustratorContact");
  // The way into the hidden game: a double click empties the credits picture, and a mouse
  // button let go over the empty picture opens the game.
  imgCredits = Named(new QLabel(fraAbout), "imgCredits");
  imgCredits->installEventFilter(this);
  imgCredits->setAlignment(Qt::AlignCenter);
  auto* credits = new QGridLayout(fraAbout);
  credits->addWidget(lblDeveloper, 0, 0);
  credits->addWidget(cmdDeveloperContact, 0, 1);
  credits->addWidget(Label1, 1, 0);
  credits->addWidget(cmdIllustratorContact, 1, 1);
  credits->addWidget(imgCredits, 2, 0, 1, 2);
  credits->setColumnStretch(0, 1);

  lblNotice = DataLabel("lblNotice", this);
  lblNotice->setWordWrap(true);
  cmdOK = Named(new QPushButton(tr("OK"), this), "cmdOK");
  cmdOK->setDefault(true);
  cmdSysInfo = Named(new QPushButton(tr("System Info..."), this), "cmdSysInfo");

  auto* heading = new QVBoxLayout;
  heading->addWidget(lblTitle);
  heading->addWidget(lblVersion);
  heading->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdSysInfo);
  buttons->addStretch();
  auto* layout = new QGridLayout(this);
  layout->addWidget(imgLogo, 0, 0, Qt::AlignTop);
  layout->addLayout(heading, 0, 1);
  layout->addWidget(fraAbout, 1, 0, 1, 3);
  layout->addWidget(lblNotice, 2, 0, 1, 2);
  layout->addLayout(buttons, 2, 2);
  layout->setColumnStretch(1, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  lblNotice->setMinimumWidth(360);

  connect(cmdDeveloperContact, &QPushButton::clicked, this, Handler(this, &frmAbout::cmdDeveloperContact_Click));
  connect(cmdIllustratorContact, &QPushButton::clicked, this, Handler(this, &frmAbout::cmdIllustratorContact_Click));
  connect(cmdSysInfo, &QPushButton::clicked, this, Handler(this, &frmAbout::cmdSysInfo_Click));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmAbout::cmdOK_Click));
}

void frmAbout::Form_Load() {
  setWindowTitle(QStringLiteral("About ") + gstrAppTitle);
  lblTitle->setText(gstrAppTitle);
  lblNotice->setText(QLatin1String(kNotice));
  lblVersion->setText(QStringLiteral("Version ") + QStringLiteral(PITCHLOG_VERSION));
  ShowSharpPicture(imgLogo, [](qreal ratio) { return LogoList(logo::Program, ratio); });
  ShowSharpPicture(imgCredits, [](qreal ratio) { return LogoList(logo::Credits, ratio); });
  // The box is as big as its contents: the place keeps its size once the picture is emptied.
  imgCredits->setMinimumSize(imgCredits->sizeHint());
}

// A game still running leaves its loops as if Escape had been pressed.
void frmAbout::Form_Unload() {
  if (frmRallet::IsLoaded()) frmRallet::Get().keyesc = 1;
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == imgCredits) {
    if (event->type() == QEvent::MouseButtonDblClick) {
      imgCredits->setPixmap(QPixmap());
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && imgCredits->pixmap().isNull()) {
      imgCredits_MouseUp();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// Nothing that goes wrong on the way into the game may take the About box down with it.
void frmAbout::imgCredits_MouseUp() {
  try {
    MsgBox(QStringLiteral("Easter Egg Activated!"), msgbox::Exclamation);
    ShowRallet(this);
  } catch (...) {
  }
}

void frmAbout::ShowContact(const MakerContact& party) {
  frmContact& contact = frmContact::Get();
  contact.setWindowTitle(QLatin1String(party.name));
  contact.lblName->setText(QLatin1String(party.name));
  QString address;
  for (const char* line : party.address)
    if (line) address += QLatin1String(line) + QLatin1Char('\n');
  contact.lblAddress->setText(address);
  contact.lblEmail->setText(QLatin1String(party.email));
  contact.lblURL->setText(QLatin1String(party.url));
  contact.lblDescription->setText(QLatin1String(party.description));
  const logo::Picture picture = party.logo;
  ShowSharpPicture(contact.imgLogo, [picture](qreal ratio) { return LogoList(picture, ratio); });
  contact.exec();
}

void frmAbout::cmdDeveloperContact_Click() { ShowContact(kDeveloper); }
void frmAbout::cmdIllustratorContact_Click() { ShowContact(kIllustrator); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::reject() { close(); }

void frmAbout::closeEvent(QCloseEvent* event) {
  RunHandler([this] { Form_Unload(); });
  event->accept();
  Unload();
}

}  // namespace pitchlog
