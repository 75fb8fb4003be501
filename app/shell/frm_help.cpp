#include "app/shell/frm_help.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/shell_helpers.h"

namespace pitchlog {

QString HelpFolder() { return App.Path + QStringLiteral("/Help"); }

frmHelp::frmHelp() {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(App.Title + QStringLiteral(" Help"));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  cmdContents = Named(new QPushButton(QStringLiteral("&Contents"), this), "cmdContents");
  cmdBack = Named(new QPushButton(QStringLiteral("&Back"), this), "cmdBack");
  cmdForward = Named(new QPushButton(QStringLiteral("&Forward"), this), "cmdForward");
  wbHelp = Named(new QTextBrowser(this), "wbHelp");
  wbHelp->setSearchPaths({HelpFolder()});
  // Pages of the guide open here; web and mail addresses go to the desktop.
  wbHelp->setOpenLinks(false);
  connect(wbHelp, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    if (!link.scheme().isEmpty() && link.scheme() != QLatin1String("file"))
      ShellOpen(link.toString());
    else
      wbHelp->setSource(wbHelp->source().resolved(link));
  });
  cmdBack->setEnabled(false);
  cmdForward->setEnabled(false);
  connect(wbHelp, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
  connect(wbHelp, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);
  connect(cmdBack, &QPushButton::clicked, wbHelp, &QTextBrowser::backward);
  connect(cmdForward, &QPushButton::clicked, wbHelp, &QTextBrowser::forward);
  connect(cmdContents, &QPushButton::clicked, this, [this] { ShowTopic(QLatin1String(kHelpContents)); });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {cmdContents, cmdBack, cmdForward}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(wbHelp);
  resize(720, 600);
}

void frmHelp::ShowTopic(const QString& page) {
  const QString file = QDir(HelpFolder()).filePath(page.section(QLatin1Char('#'), 0, 0));
  QUrl url = QUrl::fromLocalFile(file);
  if (page.contains(QLatin1Char('#'))) url.setFragment(page.section(QLatin1Char('#'), 1));
  if (wbHelp->source() != url) wbHelp->setSource(url);
  QWidget* modal = QApplication::activeModalWidget();
  const bool over_modal = modal && modal != this;
  if (isVisible() && over_modal != isModal()) hide();
  setWindowModality(over_modal ? Qt::ApplicationModal : Qt::NonModal);
  show();
  raise();
  activateWindow();
}

void frmHelp::reject() { Unload(); }

void frmHelp::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
