#include "app/shell/frm_save_scenario.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/result_set_captions.h"
#include "app/shell/scenario_list.h"

namespace pitchlog {

namespace {

// The default set and the backup that a results download makes are never overwritten here.
bool IsMainResults(const QString& name) {
  const QString lower = name.toLower();
  return lower == QLatin1String("results") || lower == QLatin1String("results backup");
}

}  // namespace

frmSaveScenario::frmSaveScenario() {
  setObjectName(QStringLiteral("frmSaveScenario"));
  setWindowTitle(QStringLiteral("Save As Scenario"));
  setFixedSize(300, 80);
  auto* name_label = new QLabel(QStringLiteral("Name"), this);
  name_label->setGeometry(10, 12, 60, 23);
  cboName = new QComboBox(this);
  cboName->setObjectName(QStringLiteral("cboName"));
  cboName->setGeometry(75, 12, 215, 23);
  cboName->setEditable(true);
  // Enter runs the default button OK; it must not add the typed text to the list.
  cboName->setInsertPolicy(QComboBox::NoInsert);
  cboName->setCompleter(nullptr);
  name_label->setBuddy(cboName);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(215, 46, 75, 25);
  cmdOK->setDefault(true);

  connect(cboName, &QComboBox::editTextChanged, this, [this] { RunHandler([this] { cboName_Change(); }); });
  connect(cboName, &QComboBox::activated, this, [this] { RunHandler([this] { cboName_Click(); }); });
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmSaveScenario::cmdOK_Click));
}

void frmSaveScenario::Form_Load() {
  {
    const QSignalBlocker quiet(cboName);
    cboName->clear();
    cboName->addItems(ScenarioNames(*gobjKelvane));
    cboName->setCurrentIndex(-1);
    cboName->clearEditText();
  }
  blnTyped = false;
  const QString current = ToQ(gobjKelvane->ResultsSet());
  if (current.toLower() != QLatin1String("results")) cboName->setEditText(current);
}

// The list's entry follows a typed name that it holds: the box would otherwise pick that entry
// itself when the user leaves it, and the name would count as picked.
void frmSaveScenario::cboName_Change() {
  blnTyped = true;
  const int listed = cboName->findText(cboName->currentText());
  if (listed >= 0 && listed != cboName->currentIndex()) {
    const QSignalBlocker quiet(cboName);
    cboName->setCurrentIndex(listed);
  }
}

void frmSaveScenario::cboName_Click() { blnTyped = false; }

void frmSaveScenario::cmdOK_Click() {
  const QString name = cboName->currentText();
  if (name.trimmed().isEmpty()) {
    MsgBox(QStringLiteral("Please enter a scenario name"), msgbox::Critical);
    return;
  }
  if (static_cast<size_t>(name.toUtf8().size()) > kelvane::kMaxResultSetNameBytes) {
    MsgBox(QStringLiteral("Name too long. A scenario name may have up to %1 English letters, fewer with others")
               .arg(kelvane::kMaxResultSetNameBytes),
           msgbox::Critical);
    return;
  }
  if (IsMainResults(name)) {
    MsgBox(QStringLiteral("Cannot overwrite main results"), msgbox::Critical);
    cboName->setEditText(QString());
    return;
  }
  // A set of this name in another spelling (letter case, accents) is the same set: the question
  // names it as it stands, and it keeps that name.
  const QString existing = ToQ(gobjKelvane->ResultsSetName(ToStd(name)));
  if (!existing.isEmpty() && blnTyped) {
    const QString question =
        QStringLiteral("Are you sure you want to overwrite scenario \"") + existing + QStringLiteral("\"?");
    if (MsgBox(question, msgbox::YesNo) == msgbox::No) return;
  } else if (!gobjKelvane->ValidFileName(ToStd(name))) {
    MsgBox(QStringLiteral("Invalid name. Must not contain:\n\n\\ / : * ? \" < > | ."), msgbox::Critical);
    return;
  }
  std::string saved = ToStd(existing.isEmpty() ? name : existing);
  gobjKelvane->SaveScenario(saved);

  frmMain& main = frmMain::Get();
  main.SaveResults->setEnabled(gobjKelvane->ResultsChanged());
  const QString current = ToQ(gobjKelvane->ResultsSet());
  main.setWindowTitle(MainCaption(current));
  main.SaveResults->setText(SaveResultsCaption(current));
  blnTyped = false;
  Unload();
}

void frmSaveScenario::reject() { Unload(); }

void frmSaveScenario::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog
