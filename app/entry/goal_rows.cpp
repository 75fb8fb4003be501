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
  const char* heading;
  const char* name;  // the name part: lblHomeOG, chkHomeOG_N
  int width;
  int heading_width;
  int inset;  // of the control below its heading
};

ColumnLook Look(GoalColumn column) {
  switch (column) {
    case GoalColumn::OG: return {"OG", "OG", 17, 30, 0};
    case GoalColumn::Player: return {"Player", "Player", 180, 180, 0};
    case GoalColumn::Pen: return {"Pen", "Pen", 17, 30, 0};
    case GoalColumn::Mins: return {"Mins", "Mins", 36, 36, 0};
    case GoalColumn::Taker: return {"Player", "Player", 200, 200, 0};
    case GoalColumn::Scored: return {"Scored", "Pen", 17, 60, 14};
  }
  return {"", "", 0, 0, 0};
}

bool Has(const GoalRowLayout& layout, GoalColumn column) {
  return std::find(layout.columns.begin(), layout.columns.end(), column) != layout.columns.end();
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
    : side_(side), layout_(layout), frame_(new QGroupBox(QLatin1String(layout.caption), parent)) {
  frame_->setObjectName(side + QStringLiteral("GoalFrame"));
  frame_->resize(kFrameWidth, kOneRowHeight);
  for (GoalColumn column : layout_.columns) {
    const ColumnLook look = Look(column);
    auto* heading = new QLabel(QLatin1String(look.heading), frame_);
    heading->setObjectName(QStringLiteral("lbl") + side_ + QLatin1String(look.name));
    heading->setGeometry(ColumnLeft(layout_, column), kHeadingTop, look.heading_width, 16);
  }
  MakeRow();
}

void GoalRowPanel::MakeRow() {
  const int k = Rows();
  const int top = kRow0Top + k * layout_.row_pitch;
  const QString suffix = QLatin1Char('_') + QString::number(k);
  auto place = [&](auto* w, GoalColumn column, const char* prefix) {
    const ColumnLook look = Look(column);
    w->setObjectName(QLatin1String(prefix) + side_ + QLatin1String(look.name) + suffix);
    w->setGeometry(ColumnLeft(layout_, column) + look.inset, top, look.width, kRowHeight);
    return w;
  };
  Row row;
  if (Has(layout_, GoalColumn::OG)) row.og = place(new QCheckBox(frame_), GoalColumn::OG, "chk");
  const GoalColumn player = Has(layout_, GoalColumn::Taker) ? GoalColumn::Taker : GoalColumn::Player;
  row.player = place(new QComboBox(frame_), player, "cbo");
  const GoalColumn pen = Has(layout_, GoalColumn::Scored) ? GoalColumn::Scored : GoalColumn::Pen;
  row.pen = place(new QCheckBox(frame_), pen, "chk");
  if (Has(layout_, GoalColumn::Mins))
    row.mins = place(new DigitBox(3, layout_.minute_limit, frame_), GoalColumn::Mins, "txt");
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
    std::vector<QWidget*> row = Widgets(i);
    // Widgets gives the design's column order; the screen's is the layout's.
    std::sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    order.insert(order.end(), row.begin(), row.end());
  }
  return order;
}

std::vector<QWidget*> GoalRowPanel::Widgets(int i) const {
  const Row& row = rows_.at(i);
  std::vector<QWidget*> widgets;
  for (QWidget* w : std::initializer_list<QWidget*>{row.og, row.player, row.pen, row.mins})
    if (w) widgets.push_back(w);
  return widgets;
}

}  // namespace pitchlog::entry
