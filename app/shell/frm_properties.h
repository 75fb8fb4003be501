// The settings dialog "Options": the time zone, from which the time difference added to every
// kick-off follows, the user's two teams and a colour for each. Apply and OK store and save the
// choices and redraw the main window; Cancel puts back the colours picked meanwhile and the time
// difference the load assumed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <QDialog>

#include "app/kit/default_instance.h"
#include "engine/pitchlog_interface.h"

class QColorDialog;
class QComboBox;
class QLabel;
class QPushButton;

namespace pitchlog {

class frmProperties : public QDialog, public DefaultInstance<frmProperties> {
  Q_OBJECT

 public:
  frmProperties();

  QLabel* lblTimeZone;
  QLabel* lblTimeZoneNote;
  QComboBox* cboTimeZone;
  QLabel* lblMyTeam;
  QComboBox* cboMyTeam;
  QPushButton* cmdMyTeamColour;
  QLabel* lblMyOtherTeam;
  QComboBox* cboMyOtherTeam;
  QPushButton* cmdMyOtherTeamColour;
  QPushButton* cmdOK;
  QPushButton* cmdApply;
  QPushButton* cmdCancel;
  // The colour picker, shown modally by the colour buttons.
  QColorDialog* CommonControls;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmProperties>;

  void Form_Load();
  void cboTimeZone_Click();
  void cboMyTeam_Click();
  void cboMyOtherTeam_Click();
  void cmdMyTeamColour_Click();
  void cmdMyOtherTeamColour_Click();
  void cmdApply_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  void ApplySettings();
  void SelectStoredTimeZone(double default_difference);
  // Cancel and the close box take back the default that the load put in memory.
  void TakeBackDefault();
  void FillTeamBoxes();
  // Picks the colour of one team, starting from the stored setting `key`.
  void ChooseColour(const char* key, QComboBox* box, int32_t& colour, int32_t& ghost);
  void RedrawMainWindow();

  std::shared_ptr<kelvane::IPitchlog> objKelvane;
  kelvane::Variant varTeamList;  // TeamList as the dialog loaded: ids in row 0, names in row 1
  // The stored time difference, kept while the default that the load put in its place is unapplied.
  std::optional<std::string> difference_before_default_;
};

}  // namespace pitchlog
