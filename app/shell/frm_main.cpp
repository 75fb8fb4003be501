#include "app/shell/frm_main.h"

#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/screen_position.h"
#include "app/kit/sharp_picture.h"
#include "app/kit/shell_helpers.h"
#include "app/shell/group_team_menus.h"
#include "app/shell/main_toolbar.h"
#include "app/shell/program_art.h"
#include "app/shell/start.h"
#include "app/shell/stats_view.h"
#include "app/shell/tray_icon.h"
#include "app/shell/web_browser.h"
#include "app/sweeps/frm_sweeps.h"

namespace pitchlog {
namespace {

constexpr int kHomeTab = 5;
// The size the window was laid out for; smaller screens get less.
constexpr QSize kDesignedSize(1000, 720);

QFrame* ViewFrame(const char* name) {
  auto* frame = Named(new QFrame, name);
  frame->setFrameShape(QFrame::NoFrame);
  return frame;
}

}  // namespace

frmMain::frmMain() {
  setObjectName(QStringLiteral("frmMain"));
  setWindowIcon(ProgramIcon());
  resize(kDesignedSize);
  BuildViews();
  BuildMenus();
  // Both repeat menu items, so they come after the menus.
  tray_ = new Tray(this);
  toolbar_ = new MainToolbar(this, [this] { NoSysIcon(false); });
  tbrMain = toolbar_->ToolBar();
  WireEvents();
  SetMainWindow(this);
}

frmMain::~frmMain() {
  if (LoadedMainWindow() == this) SetMainWindow(nullptr);
}

// The views are the pages of MainTab, in the order of their view numbers; at design the Home
// view is selected.
void frmMain::BuildViews() {
  ScheduleList = Named(new QTreeWidget, "ScheduleList");
  ScheduleList->setRootIsDecorated(false);
  ScheduleList->setUniformRowHeights(true);
  ScheduleList->setHeaderLabels({QString()});

  GroupFrame = ViewFrame("GroupFrame");
  GroupTab = Named(new QTabBar(GroupFrame), "GroupTab");
  for (int t = 0; t <= kLastGroupTab; ++t) GroupTab->addTab(ToQ(GroupOfTab(t)));
  GroupTab->setCurrentIndex(kLastGroupTab);
  GameFacts = Named(new QGroupBox(GroupFrame), "GameFacts");
  ScoreFrame = Named(new QGroupBox(GroupFrame), "ScoreFrame");
  TeamFrame = Named(new QGroupBox(GroupFrame), "TeamFrame");
  for (QGroupBox* panel : {GameFacts, ScoreFrame, TeamFrame}) panel->hide();

  KOFrame = ViewFrame("KOFrame");
  StatsFrame = ViewFrame("StatsFrame");
  AnalysisFrame = ViewFrame("AnalysisFrame");
  HomeFrame = ViewFrame("HomeFrame");
  wbHome = Named(new WebBrowser(HomeFrame), "wbHome");
  auto* home_layout = new QVBoxLayout(HomeFrame);
  home_layout->setContentsMargins(0, 0, 0, 0);
  home_layout->addWidget(wbHome);

  MainTab = Named(new QTabWidget, "MainTab");
  const std::pair<QWidget*, const char*> views[] = {
      {ScheduleList, "Schedule"}, {GroupFrame, "Groups"},    {KOFrame, "Knockout"},
      {StatsFrame, "Stats"},      {AnalysisFrame, "Analysis"}, {HomeFrame, "Home"},
  };
  for (const auto& [container, caption] : views) MainTab->addTab(container, tr(caption));
  MainTab->setCurrentIndex(kHomeTab);

  picCorpLogo = Named(new QLabel, "picCorpLogo");
  ShowSharpPicture(picCorpLogo, [](qreal ratio) { return CorpLogo(QSize(160, 48), ratio); });
  picCorpLogo->setAlignment(Qt::AlignCenter);
  wbBar = Named(new WebBrowser, "wbBar");
  wbBar->setFixedWidth(170);

  auto* side = new QVBoxLayout;
  side->addWidget(picCorpLogo);
  side->addWidget(wbBar, 1);
  auto* central = new QWidget;
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(side);
  layout->addWidget(MainTab, 1);
  setCentralWidget(central);
  BuildTournamentViews();
}

void frmMain::WireEvents() {
  for (const MenuItem& item : MenuItems()) {
    if (!item.click) continue;
    connect(findChild<QAction*>(QLatin1String(item.name)), &QAction::triggered, this, Handler(this, item.click));
  }
  connect(MainTab, &QTabWidget::currentChanged, this, [this](int index) {
    const int previous = std::exchange(main_tab_, index);
    RunHandler([&] { MainTab_Click(previous); });
  });
  connect(GroupTab, &QTabBar::currentChanged, this, [this](int index) {
    const int previous = std::exchange(group_tab_, index);
    RunHandler([&] { GroupTab_Click(previous); });
  });
  WireTournamentViews();
}

QWidget* frmMain::ViewContainer(int index) const {
  QWidget* const containers[] = {ScheduleList, GroupFrame, KOFrame, StatsFrame, AnalysisFrame, HomeFrame};
  return index >= 0 && index <= kHomeTab ? containers[index] : nullptr;
}

void frmMain::Form_Load() {
  ko_game_ids_ = {"V1", "V2", "V3", "V4", "V5", "V6", "V7", "V8", "W1", "W2", "W3", "W4", "X1", "X2", "Y1", "Z1"};
  objKelvane = gobjKelvane;
  if (objKelvane->HasHomeSite()) {
    MainTab->setCurrentIndex(kHomeTab);
    MainTab_Click(0);
  } else {
    // The Schedule view comes first; its selection sets the bar for tab 0.
    MainTab->setCurrentIndex(0);
    MainTab->setTabVisible(kHomeTab, false);
    picCorpLogo->hide();
  }
  wbHome->Navigate(App.Path + QStringLiteral("/WBHome/index.htm"));
  group_team_menus_ = new GroupTeamMenus(this, objKelvane, [this](const std::string& team) { ShowTeam(team); });
  group_team_menus_->SetGroupCaptions();
  varTeamList = objKelvane->TeamList();
  group_team_menus_->SetTeamCaptions(varTeamList);
  statsView->Load(objKelvane);
  SetMain();
  LastMessage->setEnabled(!objKelvane->Properties("message").ToString().empty());
  setWindowTitle(gstrAppTitle);
  OpenInFreeArea(*this, kDesignedSize);
  ShowProgramInTray();
}

void frmMain::MainTab_Click(int PreviousTab) {
  if (QWidget* previous = ViewContainer(PreviousTab)) previous->setVisible(false);
  const int tab = MainTab->currentIndex();
  if (QWidget* current = ViewContainer(tab)) current->setVisible(true);
  if (tab == 1) LoadGroup(static_cast<int16_t>(GroupTab->currentIndex()));
  ApplyInfoBarRule("tab", std::to_string(tab));
}

void frmMain::GroupTab_Click(int PreviousTab) {
  Q_UNUSED(PreviousTab);
  GameFacts->hide();
  ScoreFrame->hide();
  TeamFrame->hide();
  LoadGroup(static_cast<int16_t>(GroupTab->currentIndex()));
}

// Links come from a downloaded file: only web addresses are offered. The bar can't show web
// pages, so it keeps its local page and offers the link above it, for the user's browser.
void frmMain::ApplyInfoBarRule(const std::string& link_type, const std::string& id) {
  const QString local_page = App.Path + QStringLiteral("/WBBar/WBBar.htm");
  if (IsOnline()) {
    const QUrl link(ToQ(objKelvane->Link(link_type, id)), QUrl::StrictMode);
    const QString scheme = link.scheme().toLower();
    if (link.isValid() && !link.host().isEmpty() &&
        (scheme == QLatin1String("http") || scheme == QLatin1String("https"))) {
      wbBar->NavigateWithLink(local_page, link);
      return;
    }
  }
  if (wbBar->LocationName() != QLatin1String("WBBar.htm") || wbBar->WebLink().isValid()) wbBar->Navigate(local_page);
}

void frmMain::SetMain() {
  SetScheduleList();
  objKelvane->LoadStats();
  LoadStatsTables();
  LoadKO();
}

void frmMain::SaveResults_Click() {
  objKelvane->SaveScenario();
  SaveResults->setEnabled(false);
}

// Unsaved results are offered for saving; Cancel, or a save that fails, keeps the program open.
void frmMain::Form_Unload(bool& Cancel) {
  // Sweep changes not yet applied are not dropped unasked either.
  if (frmSweeps::IsLoaded() && !frmSweeps::Get().SettleBeforeExit()) {
    Cancel = true;
    return;
  }
  if (SaveResults->isEnabled()) {
    switch (MsgBox(QStringLiteral("Would you like to save your results?"), msgbox::YesNoCancel)) {
      case msgbox::Yes:
        if (!RunHandler([this] { SaveResults_Click(); })) {
          Cancel = true;
          return;
        }
        break;
      case msgbox::No:
        break;
      default:
        Cancel = true;
        return;
    }
  }
  DeleteIcon(this);
}

void frmMain::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  RunHandler([&] { Form_Unload(cancel); });
  if (cancel) {
    event->ignore();
    return;
  }
  event->accept();
  Unload();
  EndProgram();
}

}  // namespace pitchlog
