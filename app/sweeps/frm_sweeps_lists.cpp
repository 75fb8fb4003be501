// The manager window's three lists: every team, the scoring and chosen players, or the guessed
// numbers of a sweep, with their value, member and bid, ranked by the sweep's option.
#include <cmath>
#include <optional>

#include <QHash>
#include <QHeaderView>
#include <QStyle>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/guesses.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"

namespace pitchlog {
namespace {

using kelvane::Array;
using kelvane::Variant;

// The option of the sweep, read child by child.
class SweepOption {
 public:
  SweepOption(kelvane::IPitchlog& engine, const std::string& sweep)
      : engine_(engine), key_(engine.Sweeps(sweep, "sweepoption").ToString()) {}
  std::string operator[](const char* attb) const { return engine_.SweepOptions(key_, attb).ToString(); }
  const std::string& Key() const { return key_; }
  Qt::SortOrder Order() const { return (*this)["order"] == "asc" ? Qt::AscendingOrder : Qt::DescendingOrder; }

 private:
  kelvane::IPitchlog& engine_;
  std::string key_;
};

QString Text(const Variant& v) { return v.IsArray() ? QString() : ToQ(v.ToString()); }

// The member and bid columns of every choice of the sweep; row_for gives the row of a choice.
// The total of the bids.
template <typename RowFor>
double FillChoices(kelvane::IPitchlog& engine, const std::string& sweep, int member_column, int bid_column,
                   RowFor row_for) {
  double total = 0;
  for (const sweeps::HeldChoice& choice : sweeps::HeldChoices(engine, sweep)) {
    QTreeWidgetItem* row = row_for(choice.value);
    row->setText(member_column, ToQ(engine.Members(choice.member, "name").ToString()));
    row->setText(bid_column, sweeps::CurrencyOf(choice.bid));
    const std::optional<double> bid = sweeps::StoredAmount(choice.bid);
    row->setData(bid_column, Qt::UserRole, bid ? QVariant(*bid) : QVariant());
    total += bid.value_or(0);
  }
  return total;
}

// A sweep without any choice may be removed, whatever scorers its list shows.
bool HasChoices(kelvane::IPitchlog& engine, const std::string& sweep) {
  return !sweeps::HeldChoices(engine, sweep).empty();
}

// The key of a guess's distance from the target: fixed decimals, so that 0.5 ranks before 1.
QString DistanceKey(double distance) { return QString::number(distance, 'f', 4).rightJustified(24); }

// An average comes as text in the user's format (".000", ",000"): 0 when it has no other digit.
bool IsZero(const Variant& v) {
  if (v.IsEmpty()) return true;
  if (v.IsString()) return v.ToString().find_first_of("123456789") == std::string::npos;
  const std::optional<double> number = sweeps::StoredNumber(v);
  return number && *number == 0;
}

QString PlayerLabel(kelvane::IPitchlog& engine, const std::string& player) {
  const std::string name = engine.PlayerName(player);
  if (name.empty()) return ToQ(player);
  return ToQ(name) + QStringLiteral(" (") + ToQ(engine.TeamName(engine.PlayerTeam(player).ToString())) +
         QLatin1Char(')');
}

// Every cell under its caption's alignment, and the columns fitted to their contents within the
// list's width, so that the bids stay in sight without scrolling: the value column gives back
// the room it was given beyond its contents first, then the member's name, which may be cut and
// then shows whole as its tooltip. Teams and players stay whole.
void FitList(QTreeWidget* list, int member_column, int value_column) {
  sweeps::AlignCells(list);
  FitColumns(list);
  // The list's own size, also before it was first shown; a vertical scroll bar is counted in.
  const int room = list->maximumViewportSize().width() - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  int excess = -room;
  for (int c = 0; c < list->columnCount(); ++c)
    if (!list->isColumnHidden(c)) excess += list->columnWidth(c);
  const auto give_back = [&](int column, int floor) {
    if (excess <= 0 || list->isColumnHidden(column)) return;
    const int width = list->columnWidth(column);
    const int taken = std::min(excess, std::max(0, width - floor));
    list->setColumnWidth(column, width - taken);
    excess -= taken;
  };
  const auto contents = [list](int column) {
    const int caption = list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(column)) + 10;
    return std::max(caption, static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(column));
  };
  give_back(value_column, contents(value_column));
  give_back(member_column, list->headerItem()->data(member_column, Qt::UserRole).toInt());
  give_back(member_column, list->fontMetrics().averageCharWidth() * 8);
  const int shown = list->columnWidth(member_column);
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = list->topLevelItem(i);
    const bool cut = list->fontMetrics().horizontalAdvance(row->text(member_column)) + 10 > shown;
    row->setToolTip(member_column, cut ? row->text(member_column) : QString());
  }
}

void AddNewRow(QTreeWidget* list, int sort_column, Qt::SortOrder order) {
  QTreeWidgetItem* row = sweeps::AddRankedRow(list, {QLatin1String(sweeps::kNewRow), QLatin1String(sweeps::kNewRow)});
  row->setText(sort_column, sweeps::NewRowKey(order));
}

}  // namespace

void frmSweeps::LoadTeamList(const std::string& Sweep) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const SweepOption option(engine, Sweep);
  const Variant teams = engine.TeamList();
  TeamList->clear();
  const Qt::SortOrder order = option.Order();
  // Teams without a value come last in both orders.
  const QString no_value = order == Qt::AscendingOrder ? QStringLiteral("Z") : QString();

  const std::string source = option["source"];
  const bool place = source.starts_with("Place(");
  const int sort_column = place ? team_column::Team : team_column::Sort;
  sweeps::SetColumnTwips(TeamList, team_column::Value, place ? 0 : 2000);

  const Variant values = engine.SweepSource(source);
  const QString placed = Text(values);
  QHash<QString, QTreeWidgetItem*> rows;
  const Array& t = teams.AsArray();
  for (int32_t i = 0; i <= t.UBound(2); ++i) {
    const QString id = Text(t.at(0, i));
    if (id.isEmpty()) continue;
    const QString name = Text(t.at(1, i));
    QTreeWidgetItem* row = sweeps::AddRankedRow(TeamList, {id, name});
    if (!values.IsArray() && id == placed) {
      row->setText(team_column::Team, QStringLiteral("*** ") + name + QStringLiteral(" ***"));
      QFont bold = row->font(team_column::Team);
      bold.setBold(true);
      row->setFont(team_column::Team, bold);
    }
    rows.insert(id, row);
  }
  if (values.IsArray() && values.AsArray().Dimensions() == 2) {
    const Array& v = values.AsArray();
    const int32_t last = std::min<int32_t>(v.UBound(2), TeamList->topLevelItemCount() - 1);
    for (int32_t j = 0; j <= last; ++j) {
      QTreeWidgetItem* row = rows.value(Text(v.at(0, j)));
      if (!row) continue;
      const QString value = Text(v.at(1, j));
      row->setText(team_column::Value, value);
      row->setText(team_column::Sort, value.isEmpty() ? no_value : sweeps::RightAligned(value));
    }
  }

  // A choice of a team no longer in the teams file keeps a row of its own, so that its member and
  // bid stay in sight and the choice can be taken away.
  const double total = FillChoices(engine, Sweep, team_column::Member, team_column::Bid, [&](const QString& value) {
    QTreeWidgetItem*& row = rows[value];
    if (!row) {
      row = sweeps::AddRankedRow(TeamList, {value, value});
      row->setText(team_column::Sort, no_value);
    }
    return row;
  });

  const QString caption = ToQ(option["value"]);
  TeamList->headerItem()->setText(team_column::Value, caption);
  if (caption.isEmpty()) sweeps::SetColumnTwips(TeamList, team_column::Value, 0);
  sweeps::SetColumnTwips(TeamList, team_column::Bid, engine.Sweeps(Sweep, "type").ToString() == "bid" ? 1000 : 0);
  ShowFigure(BidsLabel, total);
  cmdRemove->setEnabled(!HasChoices(engine, Sweep));
  TeamList->sortItems(sort_column, order);
  FitList(TeamList, team_column::Member, team_column::Value);
}

void frmSweeps::LoadNumberList(const std::string& Sweep) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const SweepOption option(engine, Sweep);
  NumberList->clear();
  const Variant target = engine.SweepSource(option["source"]);
  // A source that gives nothing aims at 0; one that gives no single number ranks nobody.
  const std::optional<double> aim = target.IsEmpty() ? std::optional<double>(0) : sweeps::StoredNumber(target);

  const double total = FillChoices(engine, Sweep, number_column::Member, number_column::Bid, [&](const QString& n) {
    // The stored guess stays in the first column, the key of its row.
    QTreeWidgetItem* row = sweeps::AddRankedRow(NumberList, {n, QString(), sweeps::ShownGuess(n)});
    const std::optional<double> guess = sweeps::StoredNumber(Variant(ToStd(n)));
    row->setText(number_column::Sort,
                 guess && aim ? DistanceKey(std::fabs(*guess - *aim)) : QStringLiteral("Z"));
    return row;
  });
  AddNewRow(NumberList, number_column::Sort, Qt::AscendingOrder);

  const QString caption = ToQ(option["value"]);
  NumberList->headerItem()->setText(number_column::Number,
                                    caption.isEmpty() ? QString() : caption + QStringLiteral(" (") + Text(target) + ')');
  sweeps::SetColumnTwips(NumberList, number_column::Bid,
                         engine.Sweeps(Sweep, "type").ToString() == "bid" ? 1000 : 0);
  ShowFigure(BidsLabel, total);
  cmdRemove->setEnabled(!HasChoices(engine, Sweep));
  NumberList->sortItems(number_column::Sort, Qt::AscendingOrder);
  FitList(NumberList, number_column::Member, number_column::Number);
}

void frmSweeps::LoadPlayerList(const std::string& Sweep) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const SweepOption option(engine, Sweep);
  const Variant totals = engine.PlayerTotalsArray();
  PlayerList->clear();
  const Qt::SortOrder order = option.Order();
  const Variant values = engine.SweepSource(option["source"]);

  QHash<QString, QTreeWidgetItem*> rows;
  // "_player_list_" ranks nobody: it lists the chosen players only.
  if (values.IsArray() && values.AsArray().Dimensions() == 1 && option.Key() != "_player_list_") {
    const Array& v = values.AsArray();
    const int32_t last = std::min<int32_t>(totals.AsArray().UBound(3), v.UBound() + 1);
    for (int32_t i = 0; i < last; ++i) {
      if (IsZero(v.at(i))) continue;
      const std::string player = engine.PlayerTotalsID(static_cast<int16_t>(i + 1));
      const QString value = Text(v.at(i));
      QTreeWidgetItem* row = sweeps::AddRankedRow(PlayerList, {ToQ(player), PlayerLabel(engine, player), value});
      row->setText(player_column::Sequence, sweeps::RightAligned(value));
      rows.insert(ToQ(player), row);
    }
  }
  // A chosen player without a value sorts before every value while the list ascends.
  const double total = FillChoices(engine, Sweep, player_column::Member, player_column::Bid, [&](const QString& id) {
    QTreeWidgetItem*& row = rows[id];
    if (!row) {
      row = sweeps::AddRankedRow(PlayerList, {id, PlayerLabel(engine, ToStd(id))});
      row->setText(player_column::Sequence, QString(12, QLatin1Char(' ')));
    }
    return row;
  });
  AddNewRow(PlayerList, player_column::Sequence, order);

  const QString caption = ToQ(option["value"]);
  sweeps::SetColumnTwips(PlayerList, player_column::Value, caption.isEmpty() ? 0 : 1200);
  PlayerList->headerItem()->setText(player_column::Value, caption);
  sweeps::SetColumnTwips(PlayerList, player_column::Bid, engine.Sweeps(Sweep, "type").ToString() == "bid" ? 800 : 0);
  ShowFigure(BidsLabel, total);
  cmdRemove->setEnabled(!HasChoices(engine, Sweep));
  PlayerList->sortItems(player_column::Sequence, order);
  FitList(PlayerList, player_column::Member, player_column::Value);
}

}  // namespace pitchlog
