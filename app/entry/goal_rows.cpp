#include "app/entry/goal_rows.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace pitchlog::entry {

namespace {

constexpr int kLeft = 8;
constexpr int kGap = 8;

struct ColumnLook {
  const char* heading;  // also the name part: lblHomeOG, chkHomeOG_N
  int width;
};

ColumnLook Look(GoalColumn column) {
  switch (column) {
    case GoalColumn::OG: return {"OG", 17};
    case GoalColumn::Player: return {"Player", 180};
    case GoalColumn::Pen: return {"Pen", 17};
    case GoalColumn::Mins: return {"Mins", 36};
  }
  return {"", 0};
}

int ColumnLeft(const GoalRowLayout& layout, GoalColumn column) {
  int x = kLeft;
  for (GoalColumn c : layout.columns) {
    if (c == column) return x;
    x += Look(c).width + kGap;
  }
  return x;
}

}  // namespace

GoalRowPanel::GoalRowPanel(QWidget* parent, const QString& side, const GoalRowLayout& layout)
    : side_(side), layout_(layout), frame_(new QGroupBox(QStringLiteral("Goals"), parent)) {
  frame_->setObjectName(side + QStringLiteral("GoalFrame"));
  frame_->resize(kFrameWidth, kOneRowHeight);
  for (GoalColumn column : layout_.columns) {
    const ColumnLook look = Look(column);
    auto* heading = new QLabel(QLatin1String(look.heading), frame_);
    heading->setObjectName(QStringLiteral("lbl") + side_ + QLatin1String(look.heading));
    heading->setGeometry(ColumnLeft(layout_, column), kHeadingTop, std::max(look.width, 30), 16);
  }
  MakeRow();
}

void GoalRowPanel::MakeRow() {
  const int k = Rows();
  const int top = kRow0Top + k * kRowPitch;
  const QString suffix = QLatin1Char('_') + QString::number(k);
  auto place = [&](QWidget* w, GoalColumn column, const char* prefix) {
    w->setObjectName(QLatin1String(prefix) + side_ + QLatin1String(Look(column).heading) + suffix);
    w->setGeometry(ColumnLeft(layout_, column), top, Look(column).width, kRowHeight);
  };
  Row row{new QCheckBox(frame_), new QComboBox(frame_), new QCheckBox(frame_),
          new DigitBox(3, layout_.minute_limit, frame_)};
  place(row.og, GoalColumn::OG, "chk");
  place(row.player, GoalColumn::Player, "cbo");
  place(row.pen, GoalColumn::Pen, "chk");
  place(row.mins, GoalColumn::Mins, "txt");
  rows_.push_back(row);
}

void GoalRowPanel::ShowRows(int n, const std::function<void(int)>& new_row) {
  for (int i = n; i < Rows(); ++i)
    for (QWidget* w : Widgets(i)) w->hide();
  while (Rows() < n) {
    MakeRow();
    new_row(Rows() - 1);
  }
  for (int i = 0; i < n; ++i)
    for (QWidget* w : Widgets(i)) w->show();
}

std::vector<QWidget*> GoalRowPanel::TabOrder() const {
  std::vector<QWidget*> order;
  for (int i = 0; i < Rows(); ++i) {
    std::array<QWidget*, 4> row = Widgets(i);
    // Widgets gives the design's column order; the screen's is the layout's.
    std::sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    order.insert(order.end(), row.begin(), row.end());
  }
  return order;
}

std::array<QWidget*, 4> GoalRowPanel::Widgets(int i) const {
  const Row& row = rows_.at(i);
  return {row.og, row.player, row.pen, row.mins};
}

}  // namespace pitchlog::entry
