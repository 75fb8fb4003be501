#include "app/shell/frm_properties.h"

#include <algorithm>
#include <vector>

#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/kit/colour_values.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/kit/score_text.h"
#include "app/kit/shell_helpers.h"
#include "app/shell/frm_main.h"
#include "app/shell/time_zones.h"

namespace pitchlog {
namespace {

// The help topic each control carries.
void SetHelp(QWidget* control, int topic) { control->setProperty("HelpContextID", topic); }

QComboBox* DropDownList(const char* name, int width_twips) {
  auto* box = Named(new QComboBox, name);
  box->setMinimumWidth(Pixels(width_twips));
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return box;
}

QPushButton* Button(const char* name, const char* caption, int width_twips) {
  auto* button = Named(new QPushButton(QLatin1String(caption)), name);
  button->setMinimumWidth(Pixels(width_twips));
  button->setAutoDefault(false);
  return button;
}

// The text colour of a list box, in the box and in its drop-down.
void SetForeColour(QComboBox* box, int32_t colour) {
  QPalette palette = box->palette();
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    palette.setColor(role, LongColour(colour));
  box->setPalette(palette);
}

void LoadColourVariables(kelvane::IPitchlog& engine) {
  glngMyTeamColour = engine.MyTeamColour();
  glngMyTeamGhost = engine.MyTeamGhost();
  glngMyOtherTeamColour = engine.MyOtherTeamColour();
  glngMyOtherTeamGhost = engine.MyOtherTeamGhost();
}

QString ListText(const kelvane::Array& list, int32_t row, int32_t i) { return ToQ(list.at(row, i).ToString()); }

}  // namespace

frmProperties::frmProperties() {
  setObjectName(QStringLiteral("frmProperties"));
  setWindowTitle(QStringLiteral("Options"));

  lblTimeZone = Named(new QLabel(QStringLiteral("Time Zone")), "lblTimeZone");
  cboTimeZone = DropDownList("cboTimeZone", 5175);
  // Wide enough for the longest entry in the desktop's font.
  cboTimeZone->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  // The figures read as offsets from UTC, which they are not: London shows as -01:00.
  lblTimeZoneNote = Named(new QLabel(QStringLiteral("Hours from the fixtures' zone, UTC+1: London (-01:00), "
                                                    "Berlin ( 00:00), Tokyo (+08:00).")),
                          "lblTimeZoneNote");
  lblMyTeam = Named(new QLabel(QStringLiteral("My Team")), "lblMyTeam");
  cboMyTeam = DropDownList("cboMyTeam", 2175);
  cmdMyTeamColour = Button("cmdMyTeamColour", "Colour", 1095);
  lblMyOtherTeam = Named(new QLabel(QStringLiteral("My Other Team")), "lblMyOtherTeam");
  cboMyOtherTeam = DropDownList("cboMyOtherTeam", 2175);
  cmdMyOtherTeamColour = Button("cmdMyOtherTeamColour", "Colour", 1095);
  cmdOK = Button("cmdOK", "OK", 1215);
  cmdOK->setDefault(true);
  cmdApply = Button("cmdApply", "Apply", 1215);
  cmdApply->setEnabled(false);
  cmdCancel = Button("cmdCancel", "Cancel", 1215);
  const std::pair<QWidget*, int> topics[] = {{cboTimeZone, 2901},     {cboMyTeam, 2902},
                                             {cmdMyTeamColour, 2903}, {cboMyOtherTeam, 2904},
                                             {cmdMyOtherTeamColour, 2905}, {cmdCancel, 3001}};
  for (const auto& [control, topic] : topics) SetHelp(control, topic);

  CommonControls = Named(new QColorDialog(this), "CommonControls");
  // The toolkit's own picker: the same on every desktop, and one that tests can answer.
  CommonControls->setOption(QColorDialog::DontUseNativeDialog);

  auto* grid = new QGridLayout;
  grid->addWidget(lblTimeZone, 0, 0);
  grid->addWidget(cboTimeZone, 0, 1, 1, 3);
  grid->addWidget(lblTimeZoneNote, 1, 1, 1, 3);
  grid->addWidget(lblMyTeam, 2, 0);
  grid->addWidget(cboMyTeam, 2, 1);
  grid->addWidget(cmdMyTeamColour, 2, 2);
  grid->addWidget(lblMyOtherTeam, 3, 0);
  grid->addWidget(cboMyOtherTeam, 3, 1);
  grid->addWidget(cmdMyOtherTeamColour, 3, 2);
  grid->setColumnStretch(3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {cmdOK, cmdApply, cmdCancel}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(Pixels(225));
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Enter reaches OK as the default button; Esc reaches Cancel through reject().
  QWidget* const tab_order[] = {cboTimeZone,          cboMyTeam, cmdMyTeamColour, cboMyOtherTeam,
                                cmdMyOtherTeamColour, cmdOK,     cmdCancel,       cmdApply};
  for (size_t i = 1; i < std::size(tab_order); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);

  using Click = void (frmProperties::*)();
  const std::pair<QComboBox*, Click> lists[] = {{cboTimeZone, &frmProperties::cboTimeZone_Click},
                                                {cboMyTeam, &frmProperties::cboMyTeam_Click},
                                                {cboMyOtherTeam, &frmProperties::cboMyOtherTeam_Click}};
  // A selection made by code counts as a click too, as it always did.
  for (const auto& [list, click] : lists) connect(list, &QComboBox::currentIndexChanged, this, Handler(this, click));
  const std::pair<QPushButton*, Click> clicks[] = {
      {cmdMyTeamColour, &frmProperties::cmdMyTeamColour_Click},
      {cmdMyOtherTeamColour, &frmProperties::cmdMyOtherTeamColour_Click},
      {cmdApply, &frmProperties::cmdApply_Click},
      {cmdOK, &frmProperties::cmdOK_Click},
      {cmdCancel, &frmProperties::cmdCancel_Click}};
  for (const auto& [button, click] : clicks) connect(button, &QPushButton::clicked, this, Handler(this, click));
}

void frmProperties::Form_Load() {
  objKelvane = gobjKelvane;
  kelvane::IPitchlog& engine = *objKelvane;
  // No time zone chosen yet: the machine's own until the user picks one, in memory only.
  double default_difference = 0;
  const std::string stored = engine.Properties("timedifference").ToString();
  difference_before_default_.reset();
  if (stored.empty()) {
    default_difference = MachineTimeDifference(LocalUtcOffsetMinutes());
    engine.SetProperties("timedifference", kelvane::Variant(default_difference));
    difference_before_default_ = stored;
  }
  for (const char* entry : TimeZoneEntries()) cboTimeZone->addItem(QLatin1String(entry));
  // A list box starts without a selection; the toolkit selects the first entry added.
  cboTimeZone->setCurrentIndex(-1);
  SelectStoredTimeZone(default_difference);
  FillTeamBoxes();
  SetForeColour(cboMyTeam, glngMyTeamColour);
  SetForeColour(cboMyOtherTeam, glngMyOtherTeamColour);
  // The selections above count as clicks; nothing has changed yet.
  cmdApply->setEnabled(false);
}

void frmProperties::SelectStoredTimeZone(double default_difference) {
  kelvane::IPitchlog& engine = *objKelvane;
  // A default with a fraction has its own entry, which the pass by the stored difference finds.
  const auto whole = static_cast<int16_t>(default_difference);
  if (whole == default_difference) {
    const QString prefix = ZonePrefix(whole);
    for (int i = 0; i < cboTimeZone->count(); ++i)
      if (cboTimeZone->itemText(i).startsWith(prefix)) cboTimeZone->setCurrentIndex(i);
  }

  // The stored zone wins; without one (or with one the list lacks) the first entry worth the
  // stored difference, read as the schedule reads it.
  const QString zone = ToQ(engine.Properties("timezone").ToString());
  int chosen = zone.isEmpty() ? -1 : cboTimeZone->findText(zone);
  if (chosen < 0) {
    const double stored = engine.TimeDifference();
    for (int i = 0; i < cboTimeZone->count() && chosen < 0; ++i)
      if (TimeDifferenceFromZone(cboTimeZone->itemText(i).mid(1, 6)) == stored) chosen = i;
  }
  if (chosen >= 0) cboTimeZone->setCurrentIndex(chosen);
}

// My Team lists the names in alphabetical order, My Other Team in the engine's order; each
// starts with an empty entry for none.
void frmProperties::FillTeamBoxes() {
  kelvane::IPitchlog& engine = *objKelvane;
  varTeamList = engine.TeamList();
  if (!varTeamList.IsArray()) return;
  const kelvane::Array& teams = varTeamList.AsArray();
  QStringList names;
  for (int32_t i = 0; i <= teams.UBound(2); ++i) names << ListText(teams, 1, i);
  QStringList sorted = names;
  std::sort(sorted.begin(), sorted.end(),
            [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
  cboMyTeam->addItem(QString());
  cboMyTeam->addItems(sorted);
  cboMyOtherTeam->addItem(QString());
  cboMyOtherTeam->addItems(names);
  // Without a selection until a stored team is found among the teams.
  cboMyTeam->setCurrentIndex(-1);
  cboMyOtherTeam->setCurrentIndex(-1);
  const QString my_team = ToQ(engine.MyTeam());
  const QString my_other_team = ToQ(engine.MyOtherTeam());
  for (int32_t i = 0; i <= teams.UBound(2); ++i) {
    const QString id = ListText(teams, 0, i);
    if (id == my_team) cboMyTeam->setCurrentIndex(cboMyTeam->findText(names[i]));
    if (id == my_other_team) cboMyOtherTeam->setCurrentIndex(cboMyOtherTeam->findText(names[i]));
  }
}

void frmProperties::cboTimeZone_Click() { cmdApply->setEnabled(true); }
void frmProperties::cboMyTeam_Click() { cmdApply->setEnabled(true); }
void frmProperties::cboMyOtherTeam_Click() { cmdApply->setEnabled(true); }

void frmProperties::cmdMyTeamColour_Click() {
  ChooseColour("myteamcolour", cboMyTeam, glngMyTeamColour, glngMyTeamGhost);
}

void frmProperties::cmdMyOtherTeamColour_Click() {
  ChooseColour("myotherteamcolour", cboMyOtherTeam, glngMyOtherTeamColour, glngMyOtherTeamGhost);
}

// The picker starts from the stored colour, not from one picked earlier; a cancelled picker
// gives that stored colour back. Nothing is stored until Apply or OK.
void frmProperties::ChooseColour(const char* key, QComboBox* box, int32_t& colour, int32_t& ghost) {
  const int32_t stored = kelvane::Variant("0" + objKelvane->Properties(key).ToString()).ToInt32();
  CommonControls->setCurrentColor(LongColour(stored));
  const int32_t chosen =
      CommonControls->exec() == QDialog::Accepted ? LongRgb(CommonControls->selectedColor()) : stored;
  SetForeColour(box, chosen);
  colour = chosen;
  ghost = GhostColour(chosen);
  cmdApply->setEnabled(true);
}

void frmProperties::ApplySettings() {
  kelvane::IPitchlog& engine = *objKelvane;
  engine.SetProperties("myteamcolour", kelvane::Variant(glngMyTeamColour));
  engine.SetProperties("myteamghost", kelvane::Variant(glngMyTeamGhost));
  engine.SetProperties("myotherteamcolour", kelvane::Variant(glngMyOtherTeamColour));
  engine.SetProperties("myotherteamghost", kelvane::Variant(glngMyOtherTeamGhost));
  const QString zone = cboTimeZone->currentText();
  engine.SetProperties("timedifference", kelvane::Variant(TimeDifferenceFromZone(zone.mid(1, 6))));
  engine.SetProperties("timezone", kelvane::Variant(ToStd(zone)));
  // Without the team list the boxes were never filled: the stored teams stay as they are.
  if (varTeamList.IsArray()) {
    const QString my_team = cboMyTeam->currentText();
    const QString my_other_team = cboMyOtherTeam->currentText();
    if (my_team.isEmpty()) engine.SetProperties("myteam", kelvane::Variant(""));
    if (my_other_team.isEmpty()) engine.SetProperties("myotherteam", kelvane::Variant(""));
    const kelvane::Array& teams = varTeamList.AsArray();
    for (int32_t i = 0; i <= teams.UBound(2); ++i) {
      const QString name = ListText(teams, 1, i);
      if (my_team == name) engine.SetProperties("myteam", teams.at(0, i));
      if (my_other_team == name) engine.SetProperties("myotherteam", teams.at(0, i));
    }
  }
  engine.SaveProperties();
  difference_before_default_.reset();
  LoadColourVariables(engine);
  RedrawMainWindow();
}

void frmProperties::TakeBackDefault() {
  if (difference_before_default_) objKelvane->SetProperties("timedifference", kelvane::Variant(*difference_before_default_));
  difference_before_default_.reset();
}

// The schedule, the shown group, the bracket, and the statistics list when it lists teams or
// players, whichever view is showing.
void frmProperties::RedrawMainWindow() {
  frmMain& main = frmMain::Get();
  main.RedrawResults(frmMain::kRedrawSchedule | frmMain::kRedrawGroup | frmMain::kRedrawKnockout,
                     frmMain::ResultsMark::Keep);
  const auto* tables = main.findChild<QComboBox*>(QStringLiteral("cboStatsTables"));
  const QString table = tables ? tables->currentText() : QString();
  if (table.isEmpty()) return;
  const std::string type = objKelvane->StatsTableType(ToStd(table));
  if (type == "teams") main.LoadStatsListTeams(false);
  if (type == "players") main.LoadStatsListPlayers(false);
}

void frmProperties::cmdApply_Click() {
  if (cboTimeZone->currentText().isEmpty()) {
    MsgBox(QStringLiteral("please select a time zone"), msgbox::Critical);
    return;
  }
  ApplySettings();
  cmdApply->setEnabled(false);
}

void frmProperties::cmdOK_Click() {
  if (cboTimeZone->currentText().isEmpty()) {
    MsgBox(QStringLiteral("please select a time zone"), msgbox::Critical);
    return;
  }
  ApplySettings();
  Unload();
}

void frmProperties::cmdCancel_Click() {
  LoadColourVariables(*objKelvane);
  TakeBackDefault();
  Unload();
}

void frmProperties::reject() { RunHandler([this] { cmdCancel_Click(); }); }

// The close box cancels too, so that colours picked but never applied don't stay in use.
void frmProperties::closeEvent(QCloseEvent* event) {
  event->accept();
  RunHandler([this] {
    LoadColourVariables(*objKelvane);
    TakeBackDefault();
  });
  Unload();
}

}  // namespace pitchlog
