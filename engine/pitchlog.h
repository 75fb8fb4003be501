// The engine object: owns every data document, the current results and the flags.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/data/stats_store.h"
#include "engine/pitchlog_interface.h"
#include "platform/component/dispatch.h"
#include "platform/component/error.h"
#include "platform/xml/document.h"

namespace kelvane {

class Pitchlog : public IPitchlog, public Dispatch {
 public:
  Pitchlog();
  ~Pitchlog() override;
  Pitchlog(const Pitchlog&) = delete;
  Pitchlog& operator=(const Pitchlog&) = delete;

  // Dispatch
  Variant Invoke(std::string_view name, CallKind kind, std::vector<Variant>& args) override;
  void* QueryInterface(std::string_view interface_name) override;

  // Public variables
  std::string Error() override { return error_; }
  void SetError(const std::string& value) override { error_ = value; }
  bool PLDebug() override { return pl_debug_; }
  void SetPLDebug(bool value) override { pl_debug_ = value; }
  std::string AppPath() override { return app_path_; }
  void SetAppPath(const std::string& value) override;
  std::string ResultsSet() override { return results_set_; }
  void SetResultsSet(const std::string& value) override { results_set_ = value; }

  // Documents
  Variant LoadAll() override;
  Variant LoadOthers() override;
  Variant ReloadProperties() override;
  Variant LoadResultsSet(const std::string& results_name) override;
  void SaveProperties() override;
  void SaveResults() override;
  using IPitchlog::SaveScenario;
  void SaveScenario(std::string& results_name) override;
  bool ResultsChanged() override { return results_changed_; }
  bool PlayersChanged() override { return players_changed_; }

  // Settings
  Variant Properties(const std::string& attb) override;
  void SetProperties(const std::string& attb, const Variant& value) override;
  float TimeDifference() override;
  std::string MyTeam() override;
  std::string MyOtherTeam() override;
  int32_t MyTeamColour() override;
  int32_t MyOtherTeamColour() override;
  int32_t MyTeamGhost() override;
  int32_t MyOtherTeamGhost() override;

  // Result sets
  Variant ResultsSetsArray() override;
  Variant ResultsSetExists(const Variant& results_name) override;
  bool ValidFileName(const Variant& file_name) override;
  bool CopyResultsSet(const std::string& from_name, const std::string& to_name) override;
  std::string ResultsSetName(const std::string& results_name) override;

  // Identifier encoding
  std::string XMLTagEncode(const std::string& tag_name) override;

  // Statistics.
  void LoadStats() override;
  int16_t TeamTotals(int16_t stage, int16_t team, int16_t stat) override;
  int16_t TeamScored(int16_t stage, int16_t team, int16_t stat) override;
  int16_t TeamConceded(int16_t stage, int16_t team, int16_t stat) override;
  int16_t TeamMargins(int16_t stage, int16_t team, int16_t stat) override;
  int16_t TeamGoals(int16_t stage, int16_t team, int16_t stat) override;
  int16_t GroupTotals(int16_t group, int16_t stat) override;
  int16_t GroupWinning(int16_t group, int16_t stat) override;
  int16_t GroupLosing(int16_t group, int16_t stat) override;
  int16_t GroupMargins(int16_t group, int16_t stat) override;
  int16_t GroupGoals(int16_t group, int16_t stat) override;
  int16_t PlayerTotals(int16_t stage, int16_t stat, int16_t player) override;
  Variant TeamTotalsArray() override;
  Variant TeamScoredArray() override;
  Variant TeamConcededArray() override;
  Variant TeamMarginsArray() override;
  Variant TeamGoalsArray() override;
  Variant GroupTotalsArray() override;
  Variant GroupWinningArray() override;
  Variant GroupLosingArray() override;
  Variant GroupMarginsArray() override;
  Variant GroupGoalsArray() override;
  Variant PlayerTotalsArray() override;
  int16_t PlayerTotalsIndex(const std::string& player) override;
  std::string PlayerTotalsID(int16_t index) override;
  std::string PlayerTotalsName(int16_t index) override;
  std::string PlayerTotalsInfo(int16_t attr, int16_t index) override;
  std::string StatsTeam(int16_t index, int16_t team) override;
  Variant ChartData(int16_t stage, int16_t stat, int16_t value) override;
  Variant ChartColumns() override;

  // The statistics as the last LoadStats left them, for members that evaluate them whole:
  // team totals (stage, team slot, stat), team slot = TeamList column + 1, slot 0 the
  // tournament; player totals (stage, stat, player index), index 0 the totals of every record,
  // Upper() the number of players (PlayerTotalsID names them).
  const stats::Counters<3>& TeamTotalsStore() const { return stats_.team_totals; }
  const stats::Counters<3>& PlayerTotalsStore() const { return stats_.player_totals; }

  // Statistics columns and tables
  Variant StatsColumnsArray(const std::string& source) override;
  Variant StatsLabelsArray(const std::string& source) override;
  Variant StatsTables(const std::string& table_id) override;
  Variant StatsTablesList() override;
  std::string StatsTableName(const std::string& table_id) override;
  int16_t StatsTableSort(const std::string& table_id) override;
  std::string StatsTableSequence(const std::string& table_id) override;
  int16_t StatsTableStage(const std::string& table_id) override;
  bool StatsTableAverages(const std::string& table_id) override;
  std::string StatsTableType(const std::string& table_id) override;
  bool StatsTableSystem(const std::string& table_id) override;
  bool StatsTableExists(const std::string& table_id) override;
  void SaveStats(const std::string& table_id, const Variant& v_array, const std::string& stats_type, int16_t stage,
                 bool averages, int16_t sort, const std::string& sequence) override;
  void StatsTableRemove(const std::string& table_id) override;

  // Fixtures, teams and stadia.
  std::string Games(const Variant& game_id, const std::string& attb) override;
  std::string GameStage(const Variant& game_id) override;
  std::string GameStadiumID(const Variant& game_id) override;
  std::string GameTimeLocal(const Variant& game_id) override;
  std::string GameTime(const Variant& game_id) override;
  std::string HomeTeam(const Variant& game_id) override;
  std::string AwayTeam(const Variant& game_id) override;
  std::string HomeTeamName(const Variant& game_id) override;
  std::string AwayTeamName(const Variant& game_id) override;
  std::string Teams(const std::string& team_id, const std::string& attb) override;
  std::string TeamName(const std::string& team_id) override;
  Variant TeamList() override;
  Variant PlayerList(const std::string& team_id = "") override;
  std::string Stadia(const std::string& stadium_id, const std::string& attb) override;
  std::string StadiumName(const std::string& stadium_id) override;
  int16_t LoadSchedule() override;
  std::string ScheduleGameID(const Variant& index) override;
  std::string ProgressionGame(const std::string& game_id) override;

  // Results.
  Variant Results(const std::string& game_id, const std::string& attb, const std::string& team = "") override;
  void SetResults(const std::string& game_id, const std::string& attb, const std::string& team, const Variant& value) override;
  void RemoveResult(const std::string& game_id) override;
  bool Result(const std::string& game_id) override;
  void SetResult(const std::string& game_id, bool value) override;
  bool ExtraTime(const std::string& game_id) override;
  void SetExtraTime(const std::string& game_id, bool value) override;
  Variant ResultP(const std::string& game_id, const std::string& team = "") override;
  Variant ResultW(const std::string& game_id, const std::string& team = "") override;
  Variant ResultD(const std::string& game_id, const std::string& team = "") override;
  Variant ResultL(const std::string& game_id, const std::string& team = "") override;
  Variant ResultF(const std::string& game_id, const std::string& team = "") override;
  Variant ResultA(const std::string& game_id, const std::string& team = "") override;
  int16_t GroupP(const std::string& group, int16_t index) override;
  int16_t GroupW(const std::string& group, int16_t index) override;
  int16_t GroupD(const std::string& group, int16_t index) override;
  int16_t GroupL(const std::string& group, int16_t index) override;
  int16_t GroupF(const std::string& group, int16_t index) override;
  int16_t GroupA(const std::string& group, int16_t index) override;
  int16_t GroupDeduction(const std::string& group, int16_t index) override;
  int16_t GroupPts(const std::string& group, int16_t index) override;
  std::string GroupRank(const std::string& group, int16_t index) override;
  std::string GroupPos(const std::string& group, int16_t index) override;
  Variant GroupLots(const std::string& group, int16_t index) override;
  void SetGroupLots(const std::string& group, int16_t index, const Variant& value) override;
  std::string ProgressionTeam(const std::string& team_id) override;
  std::string Groups(const std::string& group, int16_t index, const std::string& attb) override;
  std::string GroupTeamID(const std::string& group, int16_t index) override;

  // Score entry and the knock-out bracket.
  void GroupScore(const std::string& game_id, int16_t home_score, int16_t away_score) override;
  void KOScore(const std::string& game_id, int16_t home_score, int16_t away_score,
               const Variant& home_pen_taken = Variant(), const Variant& away_pen_taken = Variant(),
               const Variant& home_pen_scored = Variant(), const Variant& away_pen_scored = Variant(),
               int16_t home_extra_time = 0, int16_t away_extra_time = 0, bool extra_time_played = false) override;
  void SetProgression(std::string ko_team_id, std::string team_id) override;
  void CalcGroupTable(const std::string& group) override;

  // Players.
  Variant Players(const std::string& player_id, const std::string& attb) override;
  void SetPlayers(const std::string& player_id, const std::string& attb, const Variant& value) override;
  std::string PlayerName(const std::string& player_id) override;
  std::string PlayerFullName(const std::string& player_id) override;
  std::string PlayerPosition(const std::string& player_id) override;
  std::string PlayerNarrative(const std::string& player_id) override;
  std::string PlayerCaps(const std::string& player_id) override;
  std::string PlayerShirt(const std::string& player_id) override;
  std::string PlayerPhoto(const std::string& player_id) override;
  bool PlayerExists(const std::string& player_id) override;
  Variant PlayerTeam(const std::string& player_id) override;
  bool AddPlayer(const std::string& team, int16_t shirt, const std::string& name) override;
  void SavePlayers() override;

  // Goals and penalty kicks.
  bool AddGoal(const std::string& game_id, const std::string& team_id, const std::string& player = "", bool pen = false, bool og = false, const Variant& period = Variant(), const Variant& minutes = Variant()) override;
  bool AddPenalty(const std::string& game_id, const std::string& team_id, bool scored, const std::string& taker = "") override;
  Variant Goal(const std::string& game_id, const std::string& team_id, int16_t goal_no, const std::string& attb) override;
  void SetGoal(const std::string& game_id, const std::string& team_id, int16_t goal_no, const std::string& attb, const Variant& value) override;
  void SetGoalPlayer(const std::string& game_id, const std::string& team_id, int16_t goal_no, const Variant& value) override;
  void SetGoalPen(const std::string& game_id, const std::string& team_id, int16_t goal_no, bool value) override;
  void SetGoalOG(const std::string& game_id, const std::string& team_id, int16_t goal_no, bool value) override;
  void SetGoalPeriod(const std::string& game_id, const std::string& team_id, int16_t goal_no, const Variant& value) override;
  void SetGoalMinutes(const std::string& game_id, const std::string& team_id, int16_t goal_no, const Variant& value) override;
  Variant Penalty(const std::string& game_id, const std::string& team_id, int16_t penalty_no, const std::string& attb) override;
  bool GameHasPenalties(const std::string& game_id) override;
  void RemovePenalties(const std::string& game_id, const std::string& team_id) override;

  // Downloads and local pages.
  bool DownloadResults() override;
  std::string DownloadMessage(bool show_error = false) override;
  bool DownloadXML(const Variant& file_name, const std::string& source = "") override;
  bool DownloadPlayers() override;
  bool DownloadLinks() override;
  bool DownloadHome() override;
  std::string Link(const std::string& link_type, const std::string& id) override;
  bool HasHomeSite() override;
  std::string LastDownloadError() override;
  bool LastDownloadRefused() override;

  // Sweeps, members and choices (the sweep options, sweeps and members files).
  void LoadSweeps() override;
  void SaveSweeps() override;
  void SaveMembers() override;
  Variant SweepOptionsList() override;
  Variant SweepsList() override;
  Variant MembersList() override;
  Variant SweepOptions(const std::string& name, const std::string& attb) override;
  Variant Sweeps(const std::string& name, const std::string& attb) override;
  Variant Members(const std::string& member, const std::string& attb) override;
  bool SweepExists(const std::string& name) override;
  bool MemberExists(const std::string& member) override;
  void AddSweep(const std::string& sweep, const std::string& sweep_option, const std::string& sweep_type,
                        double stake = 0) override;
  void SweepRename(const std::string& sweep, const std::string& new_name) override;
  void SweepRemove(const std::string& sweep) override;
  void AddMember(const std::string& member) override;
  void MemberRename(const std::string& member, const std::string& new_name) override;
  void MemberRemove(const std::string& member) override;
  void SetMemberPaid(const std::string& member, const Variant& value) override;
  void SetSweepMember(const std::string& sweep, const Variant& choice, const std::string& member) override;
  void SetSweepBid(const std::string& sweep, const Variant& choice, double value) override;
  void SweepChoiceClear(const std::string& sweep, const Variant& choice) override;
  Variant SweepMembers(const std::string& name) override;
  Variant MembersChoices(const std::string& member) override;
  double MemberTotal(const std::string& member) override;

  // A sweep option's ranking source evaluated over the results and statistics.
  Variant SweepSource(const std::string& source) override;

  // Pages of the sweeps from the templates and the script snippets.
  Variant LoadScript() override;
  Variant GetScript(const std::string& curly, const std::string& style = "") override;
  void GeneratePage(const std::string& template_name = "", const std::string& parm = "") override;
  int16_t ScriptUBound() override;
  std::string ScriptLine(const Variant& index) override;
  void GenerateSweeps() override;
  void GenerateMembers() override;
  void GenerateAccounts() override;
  void GenerateDetails(const std::string& member) override;
  std::string GenerateBidStake(const std::string& sweep) override;
  std::string GenerateTeamList(const std::string& sweep) override;
  void GeneratePlayerList(const std::string& sweep) override;
  void GenerateNumberList(const std::string& sweep) override;

  Variant GroupScoreClears(const std::string& game_id, const Variant& home_score,
                           const Variant& away_score) override;
  Variant GroupLotsClear(const std::string& group, const Variant& lots) override;

  void SetMessageSink(MessageSink sink) override;
  void SetDownloadHook(std::shared_ptr<net::TransferHook> hook) override;
  void SetDownloadLimits(const net::Limits& limits) override;
  Variant MembersTotals() override;

  // Data files that exist but could not be read.
  Variant UnreadableFiles() override;

 private:
  using DocumentPtr = std::shared_ptr<xml::Document>;

  // The six column lists, in load order.
  enum ColumnList { kTeamsArray, kPlayersArray, kGroupsArray, kTeamsLabels, kPlayersLabels, kGroupsLabels, kColumnLists };

  std::string DataFile(const std::string& name) const;
  // Loads a file into a fresh document and shows the parse-error box when debugging.
  DocumentPtr LoadDocument(const std::string& path, const char* label) const;
  // LoadDocument of a data file, noting whether a file that exists could be read.
  DocumentPtr LoadDataDocument(const std::string& path, const char* label);
  void NoteRead(const std::string& path, bool read);
  // Renames a file noted as unreadable out of the way, so that nothing is written over it;
  // the name it is kept under, "" when there was nothing to keep.
  std::string KeepUnreadable(const std::string& path);
  // Records of the members, sweeps and stats tables files still keyed as names of other scripts
  // once were take their names' keys.
  void UpgradeStoredKeys();
  // Every save of a data or results file: an unreadable file is kept first.
  void SaveDocument(const xml::Document& doc, const std::string& path);
  void LoadFixtureDocuments();
  void LoadColumnLists();
  Variant LoadStatsColumns(const std::string& source, const std::string& kind) const;
  void ShowParseError(const char* label, const xml::Document& doc) const;

  // Fixtures, teams, stadia and players.
  // A position in the schedule list when numeric, else a game id; null when there is none.
  xml::Node FindGame(const Variant& game_id);
  // The slot's decided team, else the id unchanged.
  std::string SlotTeam(const std::string& team_id);
  // The players root, created (with its id declarations) when the file was missing.
  xml::Node PlayersRoot();

  // Scoring and ranking.
  std::pair<std::string, std::string> WriteNormalTime(const std::string& game_id, int16_t home_score,
                                                      int16_t away_score);
  std::vector<xml::Node> GroupGameRecords(const std::string& group, const std::string& team) const;
  // Makes the change on a copy of the results and answers which scored knock-out games lose
  // their record; the results, their groups and the unsaved mark stay as they were.
  Variant KnockoutResultsClearedBy(const std::function<void()>& change);

  // Results, groups, goals and kicks.
  // The game's record; null when the game has none.
  xml::Node GameRecord(const std::string& game_id) const;
  // The game's first record of the team; null when the game or the team has none.
  static xml::Node TeamRecord(xml::Node game, const std::string& team_id);
  xml::Node TeamRecord(const std::string& game_id, const std::string& team_id) const;
  // The first child of that name, appended when missing; appending marks the results changed.
  xml::Node ResultField(xml::Node record, const std::string& name);
  // A whole number stored as the text of a child; empty or missing reads as 0.
  static int16_t StoredNumber(xml::Node record, const char* name);
  // The index-th row (from 1) of a group; null for an unknown group or a row outside its rows.
  xml::Node GroupRow(const std::string& group, int16_t index) const;
  int16_t GroupNumber(const std::string& group, int16_t index, const char* field);
  // A field of a team's no-th goal or kick record; Empty when anything on the way is missing.
  Variant TeamEntryField(const std::string& game_id, const std::string& team_id, const char* entry, int16_t no,
                         const std::string& attb) const;
  // Appends the player's id and name, or the given text as the name when the players file has none.
  void AppendPlayer(xml::Node record, const char* id_field, const char* name_field, const std::string& player);

  // Downloads and local pages.
  // The setting "downloadurl", the segment, "/", the file and a fresh cache-breaking query.
  std::string DownloadAddress(const std::string& segment, const std::string& file);
  // "/" and the setting "source", or "" when there is no source.
  std::string SourceSegment();
  // The parsed reply of `file` below the segment; nothing when the transfer failed, the reply
  // is not well-formed or it declares entities, or its server failed before in this command.
  // Each failure is noted; `kept` says what stays when the reply is refused.
  std::optional<xml::Document> DownloadDocument(const std::string& segment, const std::string& file,
                                                std::string_view kept);
  // Notes that `file` did not arrive, and why (the transfer's own words).
  void NoteUnreached(const std::string& file, const std::string& why);
  // Notes that `file` arrived with `fault` (a check's words) and was not taken; `kept` says what
  // stays. Always false, for returning.
  bool Refuse(const std::string& file, const std::string& fault, std::string_view kept);
  static constexpr std::string_view kOwnFileKept = "your own file is kept";
  // Held by each download member: without a hook, one member is one command, and the servers
  // that failed are forgotten when the outermost member starts.
  class DownloadCommand {
   public:
    explicit DownloadCommand(Pitchlog& engine);
    ~DownloadCommand();
    DownloadCommand(const DownloadCommand&) = delete;
    DownloadCommand& operator=(const DownloadCommand&) = delete;

   private:
    Pitchlog& engine_;
  };
  // The file of `Data` of that name without regard to case; as given when there is none.
  std::string DataPathIgnoringCase(const std::string& file) const;
  // Merges the players of a checked download into the players document; false at the first
  // player that can't be merged, with the document half merged.
  bool MergePlayers(const xml::Document& download);
  static void SavePage(xml::Node html, const std::string& path);
  bool FetchPageFiles(xml::Node root, const std::string& folder, const std::string& segment);

  // Statistics tables.
  // The table of that name (encoded as its id); null when there is none.
  xml::Node StatsTable(const std::string& table_id) const;
  // The stats tables root, created (with its id declaration) when the file was missing.
  xml::Node StatsTablesRoot();

  // Statistics.
  // Team slots and the team info table from the teams file.
  void IndexStatsTeams();
  // 0 for a team without a slot.
  int16_t StatsTeamSlot(const std::string& team_id) const;
  void CountTeamRecord(xml::Node record, bool first_of_game);
  void CountGoals(xml::Node record, int32_t stage, int16_t team);
  void CountKicks(xml::Node record, int32_t stage, int16_t team);
  // The player's index, a new one with its info row when the id is met for the first time.
  int32_t StatsPlayer(const std::string& player_id, const std::string& name, int16_t team);

  int32_t ColourSetting(const char* key);
  // A settings document with a root, created when the file was missing.
  xml::Node PropertiesRoot(bool create);

  std::string error_;
  bool pl_debug_ = false;
  std::string app_path_;
  std::string results_set_;

  DocumentPtr properties_, teams_, games_, stadia_, results_, players_, members_, sweep_options_,
      sweeps_, stats_tables_, links_, script_;
  xml::Node groups_;
  // The games list taken by LoadSchedule; it keeps the document it came from alive.
  DocumentPtr schedule_doc_;
  std::vector<xml::Node> schedule_;
  bool schedule_loaded_ = false;

  bool results_changed_ = false;
  bool players_changed_ = false;
  // Paths of the files that exist but could not be read, in the order they were loaded.
  std::vector<std::string> unreadable_;

  stats::Store stats_;
  std::array<Variant, kColumnLists> column_lists_;

  // The page that GeneratePage built last, one element per line (CR LF kept); the last
  // element is the one being expanded.
  std::vector<std::string> page_lines_{""};

  MessageSink sink_;

  std::shared_ptr<net::TransferHook> download_hook_;
  net::Limits download_limits_;
  // Servers that could not be reached or went silent in the current command.
  std::set<std::string> failed_servers_;
  int download_depth_ = 0;
  // Why the current or last download command failed; cleared when the outermost member starts.
  std::string download_error_;
  bool download_refused_ = false;
};

}  // namespace kelvane
