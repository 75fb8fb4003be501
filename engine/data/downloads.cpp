// Downloads from the web site named by the setting "downloadurl": results, the message, data
// files and players. A download that fails leaves every local file as it was.
#include <chrono>
#include <cstdio>
#include <random>

#include "engine/data/data_file_checks.h"
#include "engine/data/file_names.h"
#include "engine/data/result_set_names.h"
#include "engine/pitchlog.h"
#include "platform/net/fetch.h"

namespace kelvane {
namespace {

// Only makes each address unique, so no cache on the way answers with an old copy.
std::string CacheNumber() {
  static std::mt19937 generator(
      static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  std::uniform_real_distribution<float> number(0.0f, 10000.0f);
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(number(generator)));
  return text;
}

}  // namespace

Pitchlog::DownloadCommand::DownloadCommand(Pitchlog& engine) : engine_(engine) {
  if (engine_.download_depth_++ > 0) return;
  if (!engine_.download_hook_) engine_.failed_servers_.clear();
  engine_.download_error_.clear();
  engine_.download_refused_ = false;
}

Pitchlog::DownloadCommand::~DownloadCommand() { --engine_.download_depth_; }

void Pitchlog::SetDownloadHook(std::shared_ptr<net::TransferHook> hook) {
  download_hook_ = std::move(hook);
  failed_servers_.clear();
}

void Pitchlog::SetDownloadLimits(const net::Limits& limits) { download_limits_ = limits; }

std::string Pitchlog::DownloadAddress(const std::string& segment, const std::string& file) {
  return Properties("downloadurl").ToString() + segment + "/" + file + "?Cache=" + CacheNumber();
}

std::string Pitchlog::SourceSegment() {
  const std::string source = Properties("source").ToString();
  return source.empty() ? std::string() : "/" + source;
}

void Pitchlog::NoteUnreached(const std::string& file, const std::string& why) {
  download_error_ = "Could not download " + file + ": " + why + ".";
  download_refused_ = false;
}

bool Pitchlog::Refuse(const std::string& file, const std::string& fault, std::string_view kept) {
  download_error_ = "The downloaded file " + file + " " + fault + "; " + std::string(kept) + ".";
  download_refused_ = true;
  return false;
}

std::string Pitchlog::LastDownloadError() { return download_error_; }

bool Pitchlog::LastDownloadRefused() { return download_refused_; }

std::optional<xml::Document> Pitchlog::DownloadDocument(const std::string& segment, const std::string& file,
                                                        std::string_view kept) {
  const std::string url = DownloadAddress(segment, file);
  const std::string server = net::ServerOf(url);
  if (failed_servers_.count(server)) {
    NoteUnreached(file, "the server " + server + " could not be reached a moment ago");
    return std::nullopt;
  }
  net::FetchResult reply = net::Fetch(url, download_limits_, download_hook_.get());
  if (reply.server_failed) failed_servers_.insert(server);
  if (!reply.ok) {
    NoteUnreached(file, reply.reason);
    return std::nullopt;
  }
  xml::Document doc;
  if (!doc.LoadText(reply.body) || !doc.HasRoot()) {
    Refuse(file, reply.body.empty() ? "is empty" : "is not a readable XML file", kept);
    return std::nullopt;
  }
  // Entities cost nothing to send and grow without bound on every read of the text.
  if (doc.DeclaresEntities()) {
    Refuse(file, "declares XML entities, which the program does not take", kept);
    return std::nullopt;
  }
  return doc;
}

std::string Pitchlog::DataPathIgnoringCase(const std::string& file) const {
  return files::FindIgnoringCase(app_path_ + "/Data", file).string();
}

bool Pitchlog::DownloadResults() {
  DownloadCommand command(*this);
  constexpr std::string_view kKept = "your results are kept";
  auto doc = DownloadDocument("", "Results.xml", kKept);
  if (!doc) return false;
  if (const std::string fault = checks::ResultsFault(*doc); !fault.empty()) return Refuse("Results.xml", fault, kKept);
  SaveDocument(*doc, ResultSetPath(app_path_, "Results").string());
  return LoadResultsSet("Results").ToBool();
}

std::string Pitchlog::DownloadMessage(bool show_error) {
  DownloadCommand command(*this);
  auto doc = DownloadDocument("", "message.xml", "nothing was changed");
  if (!doc) return show_error ? "[Error]" : "";
  return doc->Root().Text();
}

bool Pitchlog::DownloadXML(const Variant& file_name, const std::string& source) {
  DownloadCommand command(*this);
  const std::string name = file_name.ToString();
  const std::string file = name + ".xml";
  if (!files::IsPlainFileName(file)) {
    download_error_ = "\"" + name + "\" is not the name of a data file.";
    download_refused_ = false;
    return false;
  }
  auto doc = DownloadDocument(source.empty() ? "" : "/" + source, file, kOwnFileKept);
  if (!doc) return false;
  if (const std::string fault = checks::DataFileFault(name, *doc); !fault.empty())
    return Refuse(file, fault, kOwnFileKept);
  SaveDocument(*doc, DataPathIgnoringCase(name + ".xml"));
  return true;
}

// Merged into the local squads: a known player is replaced where he stands, a new one joins his
// team, and local players the download doesn't mention stay. The merge works on a copy that
// takes the squads' place only once every player is in, so a download that fails half way
// leaves the squads in memory as they were.
bool Pitchlog::DownloadPlayers() {
  DownloadCommand command(*this);
  constexpr std::string_view kKept = "your squads are kept";
  auto doc = DownloadDocument("", "players.xml", kKept);
  if (!doc) return false;
  if (const std::string fault = checks::PlayersFault(*doc); !fault.empty()) return Refuse("players.xml", fault, kKept);
  const DocumentPtr squads = players_ ? players_ : std::make_shared<xml::Document>();
  players_ = std::make_shared<xml::Document>(squads->Copy());
  bool merged = false;
  try {
    merged = MergePlayers(*doc);
  } catch (...) {
    players_ = squads;
    throw;
  }
  if (merged) return true;
  players_ = squads;
  return Refuse("players.xml", "uses an id that your squads already give to another player or team", kKept);
}

bool Pitchlog::MergePlayers(const xml::Document& download) {
  for (xml::Node player : download.Root().Descendants("player")) {
    const std::string player_id = player.Attribute("playerid");
    if (xml::Node local = players_->ElementById(player_id)) {
      // An id that names a team here would make two elements of one id.
      if (local.Name() != "player") return false;
      local.ReplaceWithCopy(player);
      continue;
    }
    const std::string team_id = player.Parent().Attribute("teamid");
    xml::Node root = PlayersRoot();
    xml::Node team = players_->ElementById(team_id);
    if (team && team.Name() != "team") return false;
    if (!team) {
      team = root.AppendChild("team");
      team.SetAttribute("teamid", team_id);
    }
    team.AppendCopy(player);
    // Ids the copy could not take (one held already) would leave a player nobody finds.
    const xml::Node added = players_->ElementById(player_id);
    if (!added || added.Name() != "player" || !(players_->ElementById(team_id) == team)) return false;
  }
  return true;
}

}  // namespace kelvane
