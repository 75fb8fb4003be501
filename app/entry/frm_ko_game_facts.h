// The knock-out game facts dialog: one game of the bracket (the main window's KOIndex) with its
// kick-off, stadium and, once entered, its result with scorers and shoot-out kicks. It only reads;
// its Enter Score and Change Score buttons open the knock-out score dialog.
#pragma once

#include <cstdint>
#include <string>

#include <QDialog>
#include <QString>

#include "app/kit/default_instance.h"
#include "platform/component/variant.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pitchlog {

// "Game 57: Quarter Final" for knock-out index 8 (game number minus 49).
QString KOGameCaption(int ko_index);

// A stored count as a whole number; a missing or empty value counts 0.
int16_t StoredNumber(const kelvane::Variant& value);

class frmKOGameFacts : public QDialog, public DefaultInstance<frmKOGameFacts> {
  Q_OBJECT

 public:
  frmKOGameFacts();

  void SetScoreFrame(const std::string& GameID);

  QGroupBox* GameFacts;
  QLabel* lblGFAGameTime;
  QLabel* lblGFAStadium;
  QLabel* lblGFALocation;
  QLabel* lblGFACapacity;
  QPlainTextEdit* txtGFNarrative;
  QLabel* lblGFLink;
  QPushButton* cmdStadiumWebSite;
  QPushButton* cmdGFEnterScore;

  QGroupBox* ScoreFrame;
  QLabel* lblHomeTeam;
  QLabel* lblAwayTeam;
  QLabel* lblHomeScore;
  QLabel* lblAwayScore;
  QLabel* lblHomePenalties;
  QLabel* lblAwayPenalties;
  QPlainTextEdit* txtHomeGoals;
  QPlainTextEdit* txtAwayGoals;
  QPlainTextEdit* txtHomeGoalsSCR;
  QPlainTextEdit* txtAwayGoalsSCR;
  QPushButton* cmdChangeScore;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmKOGameFacts>;

  void Form_Load();
  void cmdGFEnterScore_Click();
  void cmdChangeScore_Click();
  void cmdStadiumWebSite_Click();
  void HideScoreFrame();
};

}  // namespace pitchlog
