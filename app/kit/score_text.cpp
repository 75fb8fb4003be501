#include "app/kit/score_text.h"

#include <cmath>

#include <QLocale>
#include <QUrl>

#include "platform/component/error.h"

namespace pitchlog {
namespace {

// Hours east of UTC of the zone the games file's kick-off times are written in.
constexpr double kStoredTimesUtcOffset = 1;

// "0" in front, so that an empty figure counts 0 and a stray text is a type mismatch.
int Goals(const kelvane::Variant& figure) { return kelvane::Variant("0" + figure.ToString()).ToInt32(); }

bool Blank(const kelvane::Variant& figure) { return figure.ToString().empty(); }

bool IsTeam(const std::string& team, const std::string& wanted) { return !wanted.empty() && team == wanted; }

}  // namespace

QDateTime ParseGameTime(const std::string& text) {
  const QString s = QString::fromStdString(text);
  const QDate date = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
  const QTime time = QTime::fromString(s.mid(11), QStringLiteral("HH:mm:ss"));
  if (s.size() != 19 || s[10] != QLatin1Char(' ') || !date.isValid() || !time.isValid())
    throw kelvane::Error(kelvane::ErrorKind::TypeMismatch, "not a kick-off time: \"" + text + "\"");
  return QDateTime(date, time, Qt::UTC);
}

QDateTime GameClockNow(double time_difference) {
  return QDateTime::currentDateTimeUtc().addSecs(std::llround((kStoredTimesUtcOffset + time_difference) * 3600));
}

QString KickOffText(const QDateTime& kick_off, DayName day) {
  return QLocale().toString(kick_off, day == DayName::Short ? QStringLiteral("ddd MMMM d h:mm ap")
                                                             : QStringLiteral("dddd MMMM d h:mm ap"));
}

ScoreTexts GameScores(const SideFigures& home, const SideFigures& away, bool extra_time) {
  ScoreTexts texts;
  if (!Blank(home.f)) texts.home = QString::number(Goals(home.f) + Goals(home.etf));
  if (!Blank(away.f)) texts.away = QString::number(Goals(away.f) + Goals(away.etf));
  if (extra_time) {
    const int home_extra = Goals(home.etf);
    const int away_extra = Goals(away.etf);
    if (home_extra > away_extra) texts.home += QLatin1Char('*');
    if (away_extra > home_extra) texts.away += QLatin1Char('*');
  }
  return texts;
}

ScoreTexts ListScores(const SideFigures& home, const SideFigures& away, bool extra_time) {
  ScoreTexts texts = GameScores(home, away, extra_time);
  if (!Blank(home.pens)) texts.home += QStringLiteral(" (") + QString::fromStdString(home.pens.ToString()) + QLatin1Char(')');
  if (!Blank(away.pens)) texts.away = QLatin1Char('(') + QString::fromStdString(away.pens.ToString()) + QStringLiteral(") ") + texts.away;
  return texts;
}

bool IsKnockoutStage(const std::string& stage) { return stage >= "I"; }

QString StageHeading(const std::string& stage) {
  struct Heading {
    const char* stage;
    const char* text;
  };
  static constexpr Heading kHeadings[] = {
      {"V", "Round of 16"}, {"W", "Quarterfinals"}, {"X", "Semifinals"}, {"Y", "Third Place"}, {"Z", "Final"},
  };
  for (const Heading& heading : kHeadings)
    if (stage == heading.stage) return QString::fromLatin1(heading.text);
  return {};
}

double RankingScore(const QString& rank) {
  // A score has no thousands separators, so a comma can only be the decimal one.
  return QLocale::c().toDouble(QString(rank).replace(QLatin1Char(','), QLatin1Char('.')));
}

QString GoalDifferenceText(int goals_for, int goals_against) {
  const int difference = goals_for - goals_against;
  return difference > 0 ? QStringLiteral("+%1").arg(difference) : QString::number(difference);
}

QString PointsText(int points, int deduction) {
  return QString::number(points) + (deduction != 0 ? QStringLiteral("*") : QString());
}

QString BracketName(const std::string& team_name) {
  return QString::fromStdString(team_name).replace(QStringLiteral(" and "), QStringLiteral("/"));
}

QString ScorerLine(const std::string& name, const std::string& minutes, const std::string& og,
                   const std::string& pen) {
  QString line = QString::fromStdString(name);
  if (!minutes.empty()) line += QLatin1Char(' ') + QString::fromStdString(minutes);
  if (!og.empty()) line += QStringLiteral(" (og)");
  if (!pen.empty()) line += QStringLiteral(" (pen)");
  return line;
}

QColor LongColour(int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

QColor GameRowColour(const std::string& home, const std::string& away, bool past, const TeamColours& colours,
                     const QColor& grey) {
  if (IsTeam(home, colours.my_team) || IsTeam(away, colours.my_team))
    return LongColour(past ? colours.my_ghost : colours.my);
  if (IsTeam(home, colours.my_other_team) || IsTeam(away, colours.my_other_team))
    return LongColour(past ? colours.other_ghost : colours.other);
  return past ? grey : QColor(Qt::black);
}

QColor TeamColour(const std::string& team, const TeamColours& colours, const QColor& otherwise) {
  if (IsTeam(team, colours.my_team)) return LongColour(colours.my);
  if (IsTeam(team, colours.my_other_team)) return LongColour(colours.other);
  return otherwise;
}

bool IsWebAddress(const QString& address) {
  const QUrl url(address.trimmed(), QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
         !url.host().isEmpty();
}

}  // namespace pitchlog
