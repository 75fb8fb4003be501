// Team draw slips printed to PDF: the grid of the 32 teams from the Sweeps menu, names centred
// in their halves, the rules between the rows, an odd last team and a grid longer than a page.
#include <QAction>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "app/shell/frm_main.h"
#include "app/sweeps/printer.h"
#include "app/sweeps/team_draw_slips.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/print_capture.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::PrintCapture;
using app_testing::ProgramFolder;

namespace {

constexpr const char* kHeading = "Zintorra Orvessa Pitchlog: Team Draw Slips";

struct Page {
  double width;
  double height;
};

Page PdfPage() {
  QTemporaryDir dir;
  const auto device = app_testing::PdfPrinter(dir.filePath(QStringLiteral("size.pdf")));
  const Printer printer(device.get());
  return {printer.ScaleWidth(), printer.ScaleHeight()};
}

const PrintedItem* Slip(const std::vector<PrintedItem>& drawn, const QString& name) {
  for (const PrintedItem& item : drawn)
    if (item.kind == PrintedItem::Kind::Text && item.text == name) return &item;
  return nullptr;
}

double Centre(const PrintedItem* slip) { return slip->x + slip->width / 2; }

// The rules across the page below the heading's, by page.
std::vector<double> RowRules(const std::vector<PrintedItem>& drawn, int page) {
  std::vector<double> rules;
  bool heading_rule = true;
  for (const PrintedItem& item : drawn) {
    if (item.kind != PrintedItem::Kind::Line || item.page != page || item.y != item.y2) continue;
    if (std::exchange(heading_rule, false)) continue;
    rules.push_back(item.y);
  }
  return rules;
}

}  // namespace

class TeamDrawSlipsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  // 16 rows of two: team 1 top left, team 2 top right, team 31 bottom left, team 32 bottom right;
  // each rule 600 below its row's text and 200 above the next.
  void theTournamentsTeams() {
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    QAction* command = main.findChild<QAction*>(QStringLiteral("TeamDrawSlips"));
    QVERIFY(command->isEnabled());
    {
      PrintCapture cancelled(PrintCapture::Answer::Cancel);
      MessageBoxes none;
      command->trigger();
      QCOMPARE(cancelled.Dialogs(), 1);
      QVERIFY(PrintCapture::Drawn().empty());
      QVERIFY(none.Seen().isEmpty());
    }
    PrintCapture capture;
    command->trigger();
    QVERIFY(capture.Pdf().startsWith("%PDF"));
    const std::vector<PrintedItem>& drawn = PrintCapture::Drawn();
    const Page page = PdfPage();

    const QStringList texts = PrintCapture::Texts();
    QCOMPARE(texts.mid(0, 3), (QStringList{" ", " ", kHeading}));
    QVERIFY(texts[3].startsWith("Printed on "));
    QCOMPARE(PrintCapture::FindText(texts[3])->font_size, 14.0);
    QCOMPARE(PrintCapture::FindText("Qatar")->font_size, 16.0);
    QVERIFY(PrintCapture::FindText("Qatar")->bold);

    const struct {
      const char* name;
      double y;
      double centre;
    } corners[] = {{"Qatar", 2200, page.width / 4},
                   {"Ecuador", 2200, 3 * page.width / 4},
                   {"Uruguay", 14200, page.width / 4},
                   {"South Korea", 14200, 3 * page.width / 4}};
    for (const auto& corner : corners) {
      const PrintedItem* slip = Slip(drawn, corner.name);
      QVERIFY2(slip, corner.name);
      QCOMPARE(slip->y, corner.y);
      QCOMPARE(Centre(slip), corner.centre);
      QCOMPARE(slip->page, 1);
    }
    const std::vector<double> rules = RowRules(drawn, 1);
    QCOMPARE(rules.size(), size_t{16});
    for (size_t k = 0; k < rules.size(); ++k) QCOMPARE(rules[k], 2800.0 + 800.0 * k);
    QCOMPARE(rules.back(), 14800.0);
    // The middle rule runs from the heading's rule to the foot of the page.
    const auto middle = std::find_if(drawn.begin(), drawn.end(), [](const PrintedItem& i) {
      return i.kind == PrintedItem::Kind::Line && i.x == i.x2;
    });
    QVERIFY(middle != drawn.end());
    QCOMPARE(middle->x, page.width / 2);
    QCOMPARE(middle->y2, page.height);
    QVERIFY(middle->y < 2200);
  }

  // A long name stays centred in its half; an odd last team has its row alone; rows past the
  // foot of a page go on under the heading of the next.
  void longNamesOddTeamsAndPages() {
    QTemporaryDir dir;
    const auto device = app_testing::PdfPrinter(dir.filePath(QStringLiteral("slips.pdf")));
    Printer printer(device.get());
    QStringList names;
    for (int i = 1; i <= 41; ++i) names << QStringLiteral("Team %1").arg(i);
    names[1] = QStringLiteral("The Very Long Name of a Team of the Tournament");
    PrintTeamDrawSlips(printer, names);
    printer.EndDoc();
    const std::vector<PrintedItem>& drawn = printer.Drawn();
    const Page page = PdfPage();

    QCOMPARE(Centre(Slip(drawn, names[1])), 3 * page.width / 4);
    // A4 holds 18 rows: 2200 + 800 x 17 + 600 is within its height, the next row is not.
    QCOMPARE(RowRules(drawn, 1).size(), size_t{18});
    QCOMPARE(RowRules(drawn, 2).size(), size_t{3});
    const PrintedItem* first_on_two = Slip(drawn, "Team 37");
    QCOMPARE(first_on_two->page, 2);
    QCOMPARE(first_on_two->y, 2200.0);
    const PrintedItem* last = Slip(drawn, "Team 41");
    QCOMPARE(last->page, 2);
    QCOMPARE(last->y, 2200.0 + 800 * 2);
    QCOMPARE(Centre(last), page.width / 4);
    int headings = 0;
    for (const PrintedItem& item : drawn) headings += item.text == QLatin1String(kHeading);
    QCOMPARE(headings, 2);
  }
};

QTEST_MAIN(TeamDrawSlipsTest)
#include "team_draw_slips_test.moc"
