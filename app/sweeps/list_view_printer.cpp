#include "app/sweeps/list_view_printer.h"

#include <cmath>

#include <QHeaderView>
#include <QTreeWidget>

#include "app/kit/report_list.h"
#include "app/sweeps/printer.h"

namespace pitchlog {
namespace {

constexpr double kCaptionLimit = 60;  // a column this narrow or narrower has no caption
constexpr double kCellLimit = 15;     // nor cells
constexpr double kLeftPad = 60;
constexpr double kRightPad = 120;
const QString kEllipsis = QStringLiteral("...");

// A row's letters with the room above and below them that keeps them off the rules.
constexpr double kRowLeading = 0.35;
// The narrowest a text column is cut to, to fit the page.
constexpr double kNarrowestCut = 1440;

QColor TextColour(const QTreeWidgetItem& row, int c, bool black_and_white) {
  if (black_and_white) return Qt::black;
  const QBrush brush = row.foreground(c);
  return brush.style() == Qt::NoBrush ? QColor(Qt::black) : brush.color();
}

}  // namespace

ListViewPrinter::Column ListViewPrinter::ColumnOf(const QTreeWidget& list, int c) const {
  if (static_cast<size_t>(c) < page_columns_.size()) return page_columns_[c];
  const double width = list.isColumnHidden(c) ? 0 : list.columnWidth(c) * kTwipsPerPixel;
  const int align = list.headerItem()->textAlignment(c) & Qt::AlignHorizontal_Mask;
  return {list.header()->sectionPosition(c) * static_cast<double>(kTwipsPerPixel), width, align};
}

// As high as on screen; a list that was never laid out gives its rows their usual height.
double ListViewPrinter::RowHeight(const QTreeWidget& list, QTreeWidgetItem* row) const {
  if (row_height_ > 0) return row_height_;
  int pixels = list.visualItemRect(row).height();
  if (pixels <= 0) pixels = static_cast<const QAbstractItemView&>(list).sizeHintForRow(0);
  if (pixels <= 0) pixels = list.fontMetrics().height() + 4;
  return pixels * static_cast<double>(kTwipsPerPixel);
}

double ListViewPrinter::RightEdge(const QTreeWidget& list) const {
  double right = 0;
  for (int c = 0; c < list.columnCount(); ++c) {
    const Column column = ColumnOf(list, c);
    if (column.width > 0) right = std::max(right, column.left + column.width);
  }
  return right;
}

// The screen's widths say which columns show; the printer's font says how wide they must be.
void ListViewPrinter::LayOutForPage(const QTreeWidget& list, const Printer& printer, double width) {
  page_columns_.clear();
  const QTreeWidgetItem* header = list.headerItem();
  double total = 0;
  for (int c = 0; c < list.columnCount(); ++c) {
    Column column = ColumnOf(list, c);
    if (column.width > kCellLimit) {
      double widest = column.width > kCaptionLimit ? printer.TextWidth(header->text(c).trimmed()) : 0;
      for (int r = 0; r < list.topLevelItemCount(); ++r)
        widest = std::max(widest, printer.TextWidth(list.topLevelItem(r)->text(c).trimmed()));
      column.width = std::ceil(std::max(widest + kLeftPad + kRightPad, kCaptionLimit + 1));
    } else {
      column.width = 0;
    }
    total += column.width;
    page_columns_.push_back(column);
  }
  // Amounts are never cut; a long name gives way.
  if (total > width) {
    Column* widest = nullptr;
    for (Column& column : page_columns_)
      if (!(column.align & (Qt::AlignRight | Qt::AlignHCenter)) && (!widest || column.width > widest->width))
        widest = &column;
    if (widest) widest->width = std::max(kNarrowestCut, widest->width - (total - width));
  }
  double left = 0;
  for (Column& column : page_columns_) {
    column.left = left;
    left += column.width;
  }
  const double letters = printer.TextHeight(QStringLiteral(" "));
  row_height_ = std::ceil(letters * (1 + kRowLeading));
  row_top_ = std::round(letters * kRowLeading / 2);
}

QString ListViewPrinter::Shortened(const Printer& printer, QString text, double width) {
  while (printer.TextWidth(text + kEllipsis) > width && !text.isEmpty()) text.chop(1);
  return text + kEllipsis;
}

double ListViewPrinter::PlacedX(const Printer& printer, int align, double left, double width,
                                const QString& text) const {
  if (align & Qt::AlignRight) return left + width + lFromX_ - printer.TextWidth(text) - kRightPad;
  if (align & Qt::AlignHCenter) return left + lFromX_ + (width - printer.TextWidth(text)) / 2;
  return left + lFromX_ + kLeftPad;
}

void ListViewPrinter::PrintHeader(const QTreeWidget& lvListview, Printer& oPrinter) const {
  const QTreeWidgetItem* header = lvListview.headerItem();
  for (int c = 0; c < lvListview.columnCount(); ++c) {
    const Column column = ColumnOf(lvListview, c);
    if (column.width <= kCaptionLimit) continue;
    const double y = oPrinter.CurrentY;
    oPrinter.CurrentX = PlacedX(oPrinter, column.align, column.left, column.width, header->text(c));
    oPrinter.SetFontUnderline(true);
    QString text = header->text(c).trimmed();
    if (!text.isEmpty()) {
      if (oPrinter.TextWidth(text) > column.width - kRightPad) text = Shortened(oPrinter, text, column.width - kRightPad);
      oPrinter.Print(text);
    }
    oPrinter.SetFontUnderline(false);
    oPrinter.CurrentY = y;
  }
}

ListViewPrinter ListViewPrinter::Paged(const QString& title) {
  ListViewPrinter paged;
  paged.ForPage = true;
  paged.MaxYReached = [title](double, Printer& page, bool& reprint_header) {
    page.NewPage();
    PrintPageHead(page, title);
    reprint_header = true;
  };
  return paged;
}

void ListViewPrinter::PrintListview(const QTreeWidget& lvListview, Printer& oPrinter, bool bLines,
                                    bool bBlackAndWhite, double MaxY, int32_t lFromX) {
  Q_UNUSED(bLines);
  lFromX_ = lFromX;
  oPrinter.SetFont(lvListview.font());
  page_columns_.clear();
  row_height_ = 0;
  row_top_ = 0;
  if (ForPage) LayOutForPage(lvListview, oPrinter, oPrinter.ScaleWidth() - lFromX);
  const double line_gap = 1.5 * oPrinter.TextHeight(QStringLiteral(" "));
  PrintHeader(lvListview, oPrinter);
  oPrinter.CurrentY += line_gap;

  const double x0 = std::round(oPrinter.CurrentX);
  const double rule_end = lFromX_ + RightEdge(lvListview);
  auto rule = [&] {
    const double y = std::round(oPrinter.CurrentY);
    oPrinter.Line(lFromX_ + x0, y, rule_end, y);
    oPrinter.CurrentY = y;
  };

  const int rows = lvListview.topLevelItemCount();
  for (int r = 0; r < rows; ++r) {
    QTreeWidgetItem* row = lvListview.topLevelItem(r);
    bool reprint = false;
    bool cancel = false;
    if (Progress) Progress(*row, oPrinter, reprint, rows, cancel);
    if (cancel) break;
    if (reprint) PrintHeader(lvListview, oPrinter);

    rule();
    const double y = oPrinter.CurrentY;
    oPrinter.CurrentY = y + row_top_;
    for (int c = 0; c < lvListview.columnCount(); ++c) {
      const Column column = ColumnOf(lvListview, c);
      oPrinter.CurrentX = PlacedX(oPrinter, column.align, column.left, column.width, row->text(c));
      oPrinter.ForeColor = TextColour(*row, c, bBlackAndWhite);
      QString text = row->text(c).trimmed();
      if (column.width > kCellLimit && !text.isEmpty()) {
        // The row's own text may reach closer to its column's edge than the other cells.
        const bool first = c == 0;
        const double limit = column.width - (first ? kLeftPad : kRightPad);
        if ((!first || column.width > kCaptionLimit) && oPrinter.TextWidth(text) > limit)
          text = Shortened(oPrinter, text, column.width - kRightPad);
        oPrinter.Print(text);
      }
      oPrinter.CurrentY = y + row_top_;
    }
    oPrinter.ForeColor = Qt::black;
    oPrinter.CurrentY = y + RowHeight(lvListview, row);

    if (oPrinter.CurrentY > MaxY) {
      reprint = false;
      if (MaxYReached) MaxYReached(oPrinter.CurrentY, oPrinter, reprint);
      if (reprint) {
        PrintHeader(lvListview, oPrinter);
        oPrinter.CurrentY += line_gap;
      }
    }
  }
  rule();
}

}  // namespace pitchlog
