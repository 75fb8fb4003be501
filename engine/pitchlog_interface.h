// The engine's interface, "_Pitchlog": all the program knows of the engine. The program never
// links the engine; it creates the object by ProgID and asks for this interface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/component/variant.h"
#include "platform/net/limits.h"
#include "platform/net/transfer_hook.h"

namespace kelvane {

inline constexpr const char* kPitchlogProgId = "Kelvane.Pitchlog";
inline constexpr const char* kPitchlogInterface = "_Pitchlog";

// The longest result-set name, in UTF-8 bytes: its file's name (".xml" added) and the temporary
// name that a save writes first (seven bytes more) must fit the file system's 255.
inline constexpr size_t kMaxResultSetNameBytes = 255 - 4 - 7;

// Where the engine's own message boxes go (title, text).
using MessageSink = std::function<void(const std::string& title, const std::string& text)>;

class IPitchlog {
 public:
  virtual ~IPitchlog() = default;

  // Public variables.
  virtual std::string Error() = 0;
  virtual void SetError(const std::string& value) = 0;
  virtual bool PLDebug() = 0;
  virtual void SetPLDebug(bool value) = 0;
  virtual std::string AppPath() = 0;
  virtual void SetAppPath(const std::string& value) = 0;
  virtual std::string ResultsSet() = 0;
  virtual void SetResultsSet(const std::string& value) = 0;

  // Documents.
  virtual Variant LoadAll() = 0;
  virtual Variant LoadOthers() = 0;
  virtual Variant ReloadProperties() = 0;
  virtual Variant LoadResultsSet(const std::string& results_name) = 0;
  virtual void SaveProperties() = 0;
  virtual void SaveResults() = 0;
  // An empty name saves the current set; the name used is written back.
  virtual void SaveScenario(std::string& results_name) = 0;
  void SaveScenario() {
    std::string name;
    SaveScenario(name);
  }
  virtual bool ResultsChanged() = 0;
  virtual bool PlayersChanged() = 0;

  // Settings.
  virtual Variant Properties(const std::string& attb) = 0;
  virtual void SetProperties(const std::string& attb, const Variant& value) = 0;
  virtual float TimeDifference() = 0;
  virtual std::string MyTeam() = 0;
  virtual std::string MyOtherTeam() = 0;
  virtual int32_t MyTeamColour() = 0;
  virtual int32_t MyOtherTeamColour() = 0;
  virtual int32_t MyTeamGhost() = 0;
  virtual int32_t MyOtherTeamGhost() = 0;

  // Result sets.
  virtual Variant ResultsSetsArray() = 0;
  virtual Variant ResultsSetExists(const Variant& results_name) = 0;
  virtual bool ValidFileName(const Variant& file_name) = 0;
  // Copies a set's file as it stands, leaving the results in memory, the current set and
  // ResultsChanged alone; False when the set has no file.
  virtual bool CopyResultsSet(const std::string& from_name, const std::string& to_name) = 0;
  // The name of the set that `results_name` stands for, as its file spells it (another letter
  // case, accents composed otherwise); "" when there is no such set.
  virtual std::string ResultsSetName(const std::string& results_name) = 0;

  // Identifier encoding.
  virtual std::string XMLTagEncode(const std::string& tag_name) = 0;

  // Statistics.
  // Rebuilds every statistic from the teams file and the results in memory.
  virtual void LoadStats() = 0;
  // Single cells; subscript out of range outside the array's current bounds. The last index of
  // a distribution is the value whose games are counted.
  virtual int16_t TeamTotals(int16_t stage, int16_t team, int16_t stat) = 0;
  virtual int16_t TeamScored(int16_t stage, int16_t team, int16_t stat) = 0;
  virtual int16_t TeamConceded(int16_t stage, int16_t team, int16_t stat) = 0;
  virtual int16_t TeamMargins(int16_t stage, int16_t team, int16_t stat) = 0;
  virtual int16_t TeamGoals(int16_t stage, int16_t team, int16_t stat) = 0;
  virtual int16_t GroupTotals(int16_t group, int16_t stat) = 0;
  virtual int16_t GroupWinning(int16_t group, int16_t stat) = 0;
  virtual int16_t GroupLosing(int16_t group, int16_t stat) = 0;
  virtual int16_t GroupMargins(int16_t group, int16_t stat) = 0;
  virtual int16_t GroupGoals(int16_t group, int16_t stat) = 0;
  virtual int16_t PlayerTotals(int16_t stage, int16_t stat, int16_t player) = 0;
  // Copies of whole arrays of Integers, bounds kept.
  virtual Variant TeamTotalsArray() = 0;
  virtual Variant TeamScoredArray() = 0;
  virtual Variant TeamConcededArray() = 0;
  virtual Variant TeamMarginsArray() = 0;
  virtual Variant TeamGoalsArray() = 0;
  virtual Variant GroupTotalsArray() = 0;
  virtual Variant GroupWinningArray() = 0;
  virtual Variant GroupLosingArray() = 0;
  virtual Variant GroupMarginsArray() = 0;
  virtual Variant GroupGoalsArray() = 0;
  virtual Variant PlayerTotalsArray() = 0;
  // -1 for an id without a record; the id is compared exactly.
  virtual int16_t PlayerTotalsIndex(const std::string& player) = 0;
  virtual std::string PlayerTotalsID(int16_t index) = 0;
  virtual std::string PlayerTotalsName(int16_t index) = 0;
  virtual std::string PlayerTotalsInfo(int16_t attr, int16_t index) = 0;
  virtual std::string StatsTeam(int16_t index, int16_t team) = 0;
  // Empty outside the series and columns.
  virtual Variant ChartData(int16_t stage, int16_t stat, int16_t value) = 0;
  virtual Variant ChartColumns() = 0;

  // Statistics columns and tables.
  virtual Variant StatsColumnsArray(const std::string& source) = 0;
  virtual Variant StatsLabelsArray(const std::string& source) = 0;
  virtual Variant StatsTables(const std::string& table_id) = 0;
  virtual Variant StatsTablesList() = 0;
  virtual std::string StatsTableName(const std::string& table_id) = 0;
  virtual int16_t StatsTableSort(const std::string& table_id) = 0;
  virtual std::string StatsTableSequence(const std::string& table_id) = 0;
  virtual int16_t StatsTableStage(const std::string& table_id) = 0;
  virtual bool StatsTableAverages(const std::string& table_id) = 0;
  virtual std::string StatsTableType(const std::string& table_id) = 0;
  virtual bool StatsTableSystem(const std::string& table_id) = 0;
  virtual bool StatsTableExists(const std::string& table_id) = 0;
  // Replaces the table of that name with the layout in v_array (rows heading, description,
  // width, align, index) and saves the file.
  virtual void SaveStats(const std::string& table_id, const Variant& v_array, const std::string& stats_type,
                         int16_t stage, bool averages, int16_t sort, const std::string& sequence) = 0;
  virtual void StatsTableRemove(const std::string& table_id) = 0;

  // Fixtures, teams and stadia.
  virtual std::string Games(const Variant& game_id, const std::string& attb) = 0;
  virtual std::string GameStage(const Variant& game_id) = 0;
  virtual std::string GameStadiumID(const Variant& game_id) = 0;
  virtual std::string GameTimeLocal(const Variant& game_id) = 0;
  virtual std::string GameTime(const Variant& game_id) = 0;
  virtual std::string HomeTeam(const Variant& game_id) = 0;
  virtual std::string AwayTeam(const Variant& game_id) = 0;
  virtual std::string HomeTeamName(const Variant& game_id) = 0;
  virtual std::string AwayTeamName(const Variant& game_id) = 0;
  virtual std::string Teams(const std::string& team_id, const std::string& attb) = 0;
  virtual std::string TeamName(const std::string& team_id) = 0;
  virtual Variant TeamList() = 0;
  virtual Variant PlayerList(const std::string& team_id = "") = 0;
  virtual std::string Stadia(const std::string& stadium_id, const std::string& attb) = 0;
  virtual std::string StadiumName(const std::string& stadium_id) = 0;
  virtual int16_t LoadSchedule() = 0;
  virtual std::string ScheduleGameID(const Variant& index) = 0;
  virtual std::string ProgressionGame(const std::string& game_id) = 0;

  // Results.
  virtual Variant Results(const std::string& game_id, const std::string& attb, const std::string& team = "") = 0;
  virtual void SetResults(const std::string& game_id, const std::string& attb, const std::string& team,
                          const Variant& value) = 0;
  virtual void RemoveResult(const std::string& game_id) = 0;
  virtual bool Result(const std::string& game_id) = 0;
  virtual void SetResult(const std::string& game_id, bool value) = 0;
  virtual bool ExtraTime(const std::string& game_id) = 0;
  virtual void SetExtraTime(const std::string& game_id, bool value) = 0;
  virtual Variant ResultP(const std::string& game_id, const std::string& team = "") = 0;
  virtual Variant ResultW(const std::string& game_id, const std::string& team = "") = 0;
  virtual Variant ResultD(const std::string& game_id, const std::string& team = "") = 0;
  virtual Variant ResultL(const std::string& game_id, const std::string& team = "") = 0;
  virtual Variant ResultF(const std::string& game_id, const std::string& team = "") = 0;
  virtual Variant ResultA(const std::string& game_id, const std::string& team = "") = 0;
  virtual int16_t GroupP(const std::string& group, int16_t index) = 0;
  virtual int16_t GroupW(const std::string& group, int16_t index) = 0;
  virtual int16_t GroupD(const std::string& group, int16_t index) = 0;
  virtual int16_t GroupL(const std::string& group, int16_t index) = 0;
  virtual int16_t GroupF(const std::string& group, int16_t index) = 0;
  virtual int16_t GroupA(const std::string& group, int16_t index) = 0;
  virtual int16_t GroupDeduction(const std::string& group, int16_t index) = 0;
  virtual int16_t GroupPts(const std::string& group, int16_t index) = 0;
  virtual std::string GroupRank(const std::string& group, int16_t index) = 0;
  virtual std::string GroupPos(const std::string& group, int16_t index) = 0;
  virtual Variant GroupLots(const std::string& group, int16_t index) = 0;
  virtual void SetGroupLots(const std::string& group, int16_t index, const Variant& value) = 0;
  virtual std::string ProgressionTeam(const std::string& team_id) = 0;
  virtual std::string Groups(const std::string& group, int16_t index, const std::string& attb) = 0;
  virtual std::string GroupTeamID(const std::string& group, int16_t index) = 0;

  // Score entry and the knock-out bracket.
  virtual void GroupScore(const std::string& game_id, int16_t home_score, int16_t away_score) = 0;
  virtual void KOScore(const std::string& game_id, int16_t home_score, int16_t away_score,
                       const Variant& home_pen_taken = Variant(), const Variant& away_pen_taken = Variant(),
                       const Variant& home_pen_scored = Variant(), const Variant& away_pen_scored = Variant(),
                       int16_t home_extra_time = 0, int16_t away_extra_time = 0, bool extra_time_played = false) = 0;
  virtual void SetProgression(std::string ko_team_id, std::string team_id) = 0;
  virtual void CalcGroupTable(const std::string& group) = 0;

  // Players.
  virtual Variant Players(const std::string& player_id, const std::string& attb) = 0;
  virtual void SetPlayers(const std::string& player_id, const std::string& attb, const Variant& value) = 0;
  virtual std::string PlayerName(const std::string& player_id) = 0;
  virtual std::string PlayerFullName(const std::string& player_id) = 0;
  virtual std::string PlayerPosition(const std::string& player_id) = 0;
  virtual std::string PlayerNarrative(const std::string& player_id) = 0;
  virtual std::string PlayerCaps(const std::string& player_id) = 0;
  virtual std::string PlayerShirt(const std::string& player_id) = 0;
  virtual std::string PlayerPhoto(const std::string& player_id) = 0;
  virtual bool PlayerExists(const std::string& player_id) = 0;
  virtual Variant PlayerTeam(const std::string& player_id) = 0;
  virtual bool AddPlayer(const std::string& team, int16_t shirt, const std::string& name) = 0;
  virtual void SavePlayers() = 0;

  // Goals and penalty kicks.
  virtual bool AddGoal(const std::string& game_id, const std::string& team_id, const std::string& player = "",
                       bool pen = false, bool og = false, const Variant& period = Variant(),
                       const Variant& minutes = Variant()) = 0;
  virtual bool AddPenalty(const std::string& game_id, const std::string& team_id, bool scored,
                          const std::string& taker = "") = 0;
  virtual Variant Goal(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                       const std::string& attb) = 0;
  virtual void SetGoal(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                       const std::string& attb, const Variant& value) = 0;
  virtual void SetGoalPlayer(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                             const Variant& value) = 0;
  virtual void SetGoalPen(const std::string& game_id, const std::string& team_id, int16_t goal_no, bool value) = 0;
  virtual void SetGoalOG(const std::string& game_id, const std::string& team_id, int16_t goal_no, bool value) = 0;
  virtual void SetGoalPeriod(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                             const Variant& value) = 0;
  virtual void SetGoalMinutes(const std::string& game_id, const std::string& team_id, int16_t goal_no,
                              const Variant& value) = 0;
  virtual Variant Penalty(const std::string& game_id, const std::string& team_id, int16_t penalty_no,
                          const std::string& attb) = 0;
  virtual bool GameHasPenalties(const std::string& game_id) = 0;
  virtual void RemovePenalties(const std::string& game_id, const std::string& team_id) = 0;

  // Downloads and local pages.
  virtual bool DownloadResults() = 0;
  virtual std::string DownloadMessage(bool show_error = false) = 0;
  virtual bool DownloadXML(const Variant& file_name, const std::string& source = "") = 0;
  virtual bool DownloadPlayers() = 0;
  virtual bool DownloadLinks() = 0;
  virtual bool DownloadHome() = 0;
  virtual std::string Link(const std::string& link_type, const std::string& id) = 0;
  virtual bool HasHomeSite() = 0;
  // Why the last download command failed, in words for the user: the file and what kept it
  // out; "" when nothing in it failed. What the download members return is not changed by it.
  virtual std::string LastDownloadError() = 0;
  // True when that failure was a file that arrived and was refused (the server answered, so
  // the connection is not at fault); False when the file did not arrive, or nothing failed.
  virtual bool LastDownloadRefused() = 0;

  // Sweeps, members and choices (the sweep options, sweeps and members files).
  virtual void LoadSweeps() = 0;
  virtual void SaveSweeps() = 0;
  virtual void SaveMembers() = 0;
  virtual Variant SweepOptionsList() = 0;
  virtual Variant SweepsList() = 0;
  virtual Variant MembersList() = 0;
  virtual Variant SweepOptions(const std::string& name, const std::string& attb) = 0;
  virtual Variant Sweeps(const std::string& name, const std::string& attb) = 0;
  virtual Variant Members(const std::string& member, const std::string& attb) = 0;
  virtual bool SweepExists(const std::string& name) = 0;
  virtual bool MemberExists(const std::string& member) = 0;
  // Saves the sweeps file at once.
  virtual void AddSweep(const std::string& sweep, const std::string& sweep_option, const std::string& sweep_type,
                        double stake = 0) = 0;
  virtual void SweepRename(const std::string& sweep, const std::string& new_name) = 0;
  virtual void SweepRemove(const std::string& sweep) = 0;
  virtual void AddMember(const std::string& member) = 0;
  virtual void MemberRename(const std::string& member, const std::string& new_name) = 0;
  virtual void MemberRemove(const std::string& member) = 0;
  virtual void SetMemberPaid(const std::string& member, const Variant& value) = 0;
  virtual void SetSweepMember(const std::string& sweep, const Variant& choice, const std::string& member) = 0;
  virtual void SetSweepBid(const std::string& sweep, const Variant& choice, double value) = 0;
  virtual void SweepChoiceClear(const std::string& sweep, const Variant& choice) = 0;
  virtual Variant SweepMembers(const std::string& name) = 0;
  virtual Variant MembersChoices(const std::string& member) = 0;
  virtual double MemberTotal(const std::string& member) = 0;

  // A sweep option's ranking source evaluated over the results and statistics.
  virtual Variant SweepSource(const std::string& source) = 0;

  // Pages of the sweeps from the templates and the script snippets.
  virtual Variant LoadScript() = 0;
  virtual Variant GetScript(const std::string& curly, const std::string& style = "") = 0;
  virtual void GeneratePage(const std::string& template_name = "", const std::string& parm = "") = 0;
  virtual int16_t ScriptUBound() = 0;
  virtual std::string ScriptLine(const Variant& index) = 0;
  virtual void GenerateSweeps() = 0;
  virtual void GenerateMembers() = 0;
  virtual void GenerateAccounts() = 0;
  virtual void GenerateDetails(const std::string& member) = 0;
  virtual std::string GenerateBidStake(const std::string& sweep) = 0;
  virtual std::string GenerateTeamList(const std::string& sweep) = 0;
  virtual void GeneratePlayerList(const std::string& sweep) = 0;
  virtual void GenerateNumberList(const std::string& sweep) = 0;

  // The knock-out games whose results a change of a group would remove, answered without
  // changing anything: a 1-D String array of game ids in game-number order, Empty when none.
  // A group game's proposed score; either score Empty or "" proposes no result.
  virtual Variant GroupScoreClears(const std::string& game_id, const Variant& home_score,
                                   const Variant& away_score) = 0;
  // A group's proposed lots: a 1-D array of four lot texts, one per team in group order.
  virtual Variant GroupLotsClear(const std::string& group, const Variant& lots) = 0;

  // Not part of the dispatch table: where the parse-error boxes go (standard error by default).
  virtual void SetMessageSink(MessageSink sink) = 0;
  // Not part of the dispatch table: who watches the downloads, for as long as one command runs
  // (null: nobody). While it is set, a server that failed once is not asked again.
  virtual void SetDownloadHook(std::shared_ptr<net::TransferHook> hook) = 0;
  // Not part of the dispatch table: how long each download may take; the defaults hold until
  // a test shortens them.
  virtual void SetDownloadLimits(const net::Limits& limits) = 0;

  // The data files that exist but could not be read at their last load, (0 To 1, 0 To n - 1)
  // of texts: row 0 the file below AppPath ("Data/members.xml"), row 1 the name below AppPath
  // that the file is kept under before anything is saved over it; Empty when there is none.
  virtual Variant UnreadableFiles() = 0;
  // Every member with the total that MemberTotal gives, in the order of MembersList: columns of
  // name and total, found in one pass over the choices.
  virtual Variant MembersTotals() = 0;
};

}  // namespace kelvane
