// Printing a report list to a PDF file: which columns print, where each cell stands, texts cut to
// their column, colours, rules, and the owner's new pages and cancel.
#include <cmath>

#include <QHeaderView>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/report_list.h"
#include "app/sweeps/list_view_printer.h"
#include "app/sweeps/printer.h"
#include "tests/app/support/print_capture.h"

using namespace pitchlog;

namespace {

constexpr double kNoLimit = 1e9;

// Hidden id, name, a 45-twip column, a right-aligned amount, a centred note.
constexpr ListColumn kColumns[] = {
    {"Hidden", 0, Qt::AlignLeft},
    {"Name", 1800, Qt::AlignLeft},
    {"Tiny", 45, Qt::AlignLeft},
    {"Amount", 1200, Qt::AlignRight},
    {"Note", 900, Qt::AlignHCenter},
};

struct Fixture {
  QTemporaryDir dir;
  std::unique_ptr<QPrinter> device = app_testing::PdfPrinter(dir.filePath(QStringLiteral("list.pdf")));
  Printer printer{device.get()};
  QTreeWidget list;

  explicit Fixture(int rows = 1) {
    list.header()->setMinimumSectionSize(1);
    SetUpReportList(&list, kColumns);
    for (int r = 1; r <= rows; ++r)
      AddRow(&list, {QStringLiteral("id%1").arg(r), QStringLiteral("Name %1").arg(r), QStringLiteral("x"),
                     QStringLiteral("%1.00").arg(r), QStringLiteral("n")});
    list.resize(600, 300);
    list.show();
    QVERIFY2(QTest::qWaitForWindowExposed(&list), "list not shown");
  }
  double Left(int c) const { return list.header()->sectionPosition(c) * kTwipsPerPixel; }
};

std::vector<PrintedItem> Items(const Printer& printer, PrintedItem::Kind kind) {
  std::vector<PrintedItem> items;
  for (const PrintedItem& item : printer.Drawn())
    if (item.kind == kind) items.push_back(item);
  return items;
}

const PrintedItem* Text(const Printer& printer, const QString& text, int page = 0) {
  for (const PrintedItem& item : printer.Drawn())
    if (item.kind == PrintedItem::Kind::Text && item.text == text && (page == 0 || item.page == page)) return &item;
  return nullptr;
}

}  // namespace

class ListPrintingTest : public QObject {
  Q_OBJECT

 private slots:
  // Narrow columns lose their caption, zero-width ones everything; cells stand by alignment.
  void columnsAndPlacement() {
    Fixture f;
    ListViewPrinter lp;
    lp.PrintListview(f.list, f.printer, false, true, kNoLimit, 100);

    QVERIFY(!Text(f.printer, "Hidden"));
    QVERIFY(!Text(f.printer, "id1"));
    QVERIFY(!Text(f.printer, "Tiny"));
    const PrintedItem* name_caption = Text(f.printer, "Name");
    QVERIFY(name_caption);
    QVERIFY(name_caption->underline);
    // The 45-twip column prints its cell, cut to nothing but "...".
    QVERIFY(Text(f.printer, "..."));

    const PrintedItem* name = Text(f.printer, "Name 1");
    QVERIFY(name);
    QCOMPARE(name->x, f.Left(1) + 100 + 60);
    QVERIFY(!name->underline);
    const PrintedItem* amount = Text(f.printer, "1.00");
    QVERIFY(amount);
    QCOMPARE(amount->x, f.Left(3) + 1200 + 100 - f.printer.TextWidth("1.00") - 120);
    const PrintedItem* note = Text(f.printer, "n");
    QVERIFY(note);
    QCOMPARE(note->x, f.Left(4) + 100 + (900 - f.printer.TextWidth("n")) / 2);
    // The row starts one and a half lines under the captions.
    QCOMPARE(name->y, std::round(name_caption->y + 1.5 * f.printer.TextHeight(" ")));

    // A rule above the row and one under it, from the left of the list to its last column.
    const auto rules = Items(f.printer, PrintedItem::Kind::Line);
    QCOMPARE(rules.size(), size_t{2});
    QCOMPARE(rules[0].y, name->y);
    QVERIFY(rules[1].y > name->y);
    QCOMPARE(rules[0].x2, 100 + f.Left(4) + 900);

    f.printer.EndDoc();
    QFile pdf(f.dir.filePath(QStringLiteral("list.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
  }

  void longAndBlankTexts() {
    Fixture f;
    const QString caption = QStringLiteral("A caption much too long for its column");
    f.list.headerItem()->setText(4, caption);
    f.list.headerItem()->setText(1, QStringLiteral("   "));
    f.list.topLevelItem(0)->setText(3, QStringLiteral("123,456,789,012.00"));
    ListViewPrinter lp;
    lp.PrintListview(f.list, f.printer, false, true, kNoLimit, 0);

    const QStringList texts = [&] {
      QStringList t;
      for (const PrintedItem& item : Items(f.printer, PrintedItem::Kind::Text)) t << item.text;
      return t;
    }();
    QVERIFY(!texts.contains(QStringLiteral("   ")));
    QVERIFY(!texts.contains(caption));
    for (const auto& [full_text, width] : {std::pair{caption, 900.0}, std::pair{QStringLiteral("123,456,789,012.00"), 1200.0}}) {
      const QString& full = full_text;  // clang 14 can't capture a structured binding
      const auto cut = std::find_if(texts.begin(), texts.end(), [&](const QString& t) {
        return t.endsWith(QLatin1String("...")) && t.size() > 3 && full.startsWith(t.chopped(3));
      });
      QVERIFY2(cut != texts.end(), qPrintable(full));
      QVERIFY(f.printer.TextWidth(*cut) <= width - 120);
      // One more character would not have fitted.
      QVERIFY(f.printer.TextWidth(full.left(cut->size() - 3 + 1) + "...") > width - 120);
    }
  }

  void colours() {
    for (const bool black_and_white : {true, false}) {
      Fixture f;
      ColourRow(f.list.topLevelItem(0), QColor(255, 0, 0));
      ListViewPrinter lp;
      lp.PrintListview(f.list, f.printer, false, black_and_white, kNoLimit, 0);
      const QColor expected = black_and_white ? QColor(Qt::black) : QColor(255, 0, 0);
      QCOMPARE(Text(f.printer, "Name 1")->colour, expected);
      QCOMPARE(Text(f.printer, "1.00")->colour, expected);
      QCOMPARE(Text(f.printer, "Name")->colour, QColor(Qt::black));
    }
  }

  void progressCancelsTheRest() {
    Fixture f(5);
    ListViewPrinter lp;
    int calls = 0;
    lp.Progress = [&](const QTreeWidgetItem& next, Printer&, bool&, int32_t total, bool& cancel) {
      QCOMPARE(total, 5);
      QCOMPARE(next.text(1), QStringLiteral("Name %1").arg(calls + 1));
      cancel = ++calls == 3;
    };
    lp.PrintListview(f.list, f.printer, false, true, kNoLimit, 0);
    QCOMPARE(calls, 3);
    QVERIFY(Text(f.printer, "Name 2"));
    QVERIFY(!Text(f.printer, "Name 3"));
    QCOMPARE(Items(f.printer, PrintedItem::Kind::Line).size(), size_t{3});
  }

  // Past the bottom limit the owner turns the page; the list goes on under repeated captions.
  void newPagesUnderRepeatedCaptions() {
    Fixture f(3);
    ListViewPrinter lp;
    int reached = 0;
    lp.MaxYReached = [&](double, Printer& printer, bool& reprint) {
      ++reached;
      printer.NewPage();
      reprint = true;
    };
    lp.PrintListview(f.list, f.printer, false, true, 0, 0);
    QCOMPARE(reached, 3);
    const double gap = std::round(1.5 * f.printer.TextHeight(" "));
    for (int page = 2; page <= 3; ++page) {
      const PrintedItem* caption = Text(f.printer, "Name", page);
      QVERIFY(caption);
      QCOMPARE(caption->y, 0.0);
      const PrintedItem* row = Text(f.printer, QStringLiteral("Name %1").arg(page));
      QVERIFY(row);
      QCOMPARE(row->page, page);
      QCOMPARE(row->y, gap);
    }
    QCOMPARE(f.printer.Page(), 4);

    // Without a handler the rows run on down the same page.
    Fixture g(3);
    ListViewPrinter plain;
    plain.PrintListview(g.list, g.printer, false, true, 0, 0);
    QCOMPARE(g.printer.Page(), 1);
    QVERIFY(Text(g.printer, "Name 3")->y > Text(g.printer, "Name 2")->y);
  }
};

QTEST_MAIN(ListPrintingTest)
#include "list_printing_test.moc"
