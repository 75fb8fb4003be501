// Prints a report list: the column captions underlined, then every row with each cell under its
// column by the column's alignment, texts too long for their column cut short with "...", and a
// rule above every row and under the last. Column positions, widths and row heights are the
// list's own (15 twips a pixel), or, laid out for the page, measured in the printer's font with
// room for every cell and caption within the page's width; a column of 60 twips or less on screen
// (a sort key) gets no caption. The owner starts new pages: nothing else does.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class QString;
class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog {

class Printer;

class ListViewPrinter {
 public:
  // A printer that lays the list out for the page and whose full pages go on over a new page,
  // headed by the title and the page's number, under the column captions again.
  static ListViewPrinter Paged(const QString& title);

  // Columns as wide as their texts in the printer's font, the widest text column cut to the
  // page's width when they are too wide together; rows as high as their letters need.
  bool ForPage = false;

  // After a row that ends below MaxY. A handler that starts a new page sets RePrintHeader.
  std::function<void(double CurrentY, Printer& printer, bool& RePrintHeader)> MaxYReached;
  // Before each row; Cancel stops the rows (the closing rule is still drawn).
  std::function<void(const QTreeWidgetItem& NextItem, Printer& printer, bool& RePrintHeader, int32_t TotalLines,
                     bool& Cancel)>
      Progress;

  // The header and every row. bLines is ignored: the rules are always drawn. bBlackAndWhite prints
  // every text in black, else each cell in its colour on screen. The document is not ended.
  void PrintListview(const QTreeWidget& lvListview, Printer& oPrinter, bool bLines, bool bBlackAndWhite, double MaxY,
                     int32_t lFromX);
  // The column captions at the current height, which it leaves as it was.
  void PrintHeader(const QTreeWidget& lvListview, Printer& oPrinter) const;

  // The longest start of text that fits in width with "..." after it, and the "...".
  static QString Shortened(const Printer& printer, QString text, double width);

 private:
  struct Column {
    double left;
    double width;
    int align;
  };
  Column ColumnOf(const QTreeWidget& list, int c) const;
  double RowHeight(const QTreeWidget& list, QTreeWidgetItem* row) const;
  double RightEdge(const QTreeWidget& list) const;
  void LayOutForPage(const QTreeWidget& list, const Printer& printer, double width);
  double PlacedX(const Printer& printer, int align, double left, double width, const QString& text) const;

  int32_t lFromX_ = 0;
  // Laid out for the page: each column's left edge and width, and the rows' height and the room
  // above their letters.
  std::vector<Column> page_columns_;
  double row_height_ = 0;
  double row_top_ = 0;
};

}  // namespace pitchlog
