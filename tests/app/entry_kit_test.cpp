// The entry kit's rules on their own: what a number box takes, the spin arrows, the goal order
// of a save, and players chosen by id.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "app/entry/entry_kit.h"
#include "app/entry/goal_rows.h"
#include "app/entry/shootout_rules.h"

using namespace pitchlog::entry;

class EntryKitTest : public QObject {
  Q_OBJECT

 private slots:
  void boxesTakeAsciiDigitsOnly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("score");   // a score box: two digits
    QTest::addColumn<bool>("minute");  // a minute box: three digits, below 91
    QTest::newRow("empty") << "" << true << true;
    QTest::newRow("0") << "0" << true << true;
    QTest::newRow("07") << "07" << true << true;
    QTest::newRow("90") << "90" << true << true;
    QTest::newRow("91") << "91" << true << false;
    QTest::newRow("090") << "090" << false << true;
    QTest::newRow("123") << "123" << false << false;
    QTest::newRow("-0") << "-0" << false << false;
    QTest::newRow("+5") << "+5" << false << false;
    QTest::newRow(" 5") << " 5" << false << false;
    QTest::newRow("5 ") << "5 " << false << false;
    QTest::newRow(".5") << ".5" << false << false;
    QTest::newRow("9e1") << "9e1" << false << false;
    QTest::newRow("&H1") << "&H1" << false << false;
    QTest::newRow("arabic-indic 3") << QString(QChar(0x0663)) << false << false;
    QTest::newRow("fullwidth 5") << QString(QChar(0xFF15)) << false << false;
  }
  void boxesTakeAsciiDigitsOnly() {
    QFETCH(QString, text);
    QFETCH(bool, score);
    QFETCH(bool, minute);
    QWidget parent;
    QCOMPARE(DigitBox(2, 100, &parent).Allows(text), score);
    QCOMPARE(DigitBox(3, 91, &parent).Allows(text), minute);
  }

  // Kicks as "1" scored and "0" missed, each side in order; either side may have kicked first.
  void noKickFollowsTheEndOfAShootout_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("away");
    QTest::addColumn<bool>("after_the_end");
    QTest::newRow("none") << "" << "" << false;
    QTest::newRow("going on") << "1" << "0" << false;
    QTest::newRow("5-4 after five each") << "11111" << "11110" << false;
    QTest::newRow("3-0 after three each") << "111" << "000" << false;
    QTest::newRow("4 of 4 against 0 of 4") << "1111" << "0000" << true;
    QTest::newRow("4-1 ends at the fourth home kick") << "1111" << "010" << false;
    QTest::newRow("a fourth away kick after 4-1") << "1111" << "0100" << true;
    QTest::newRow("the 2022 final, France first") << "1111" << "1001" << false;
    QTest::newRow("5-4 with the away side first") << "11110" << "11111" << false;
    QTest::newRow("sudden death decides the sixth pair") << "111111" << "111110" << false;
    QTest::newRow("a seventh pair after the sixth decided") << "1111110" << "1111101" << true;
    QTest::newRow("the first kick of a new pair") << "1111111" << "111111" << false;
  }
  void noKickFollowsTheEndOfAShootout() {
    QFETCH(QString, home);
    QFETCH(QString, away);
    QFETCH(bool, after_the_end);
    const auto kicks = [](const QString& marks) {
      std::vector<bool> scored;
      for (QChar mark : marks) scored.push_back(mark == u'1');
      return scored;
    };
    QCOMPARE(KickedAfterTheEnd(kicks(home), kicks(away)), after_the_end);
    QCOMPARE(KickedAfterTheEnd(kicks(away), kicks(home)), after_the_end);
  }

  void putBackIsSilentAndNumbersCountEmptyAsZero() {
    QWidget parent;
    DigitBox box(2, 100, &parent);
    box.setText(QStringLiteral("07"));
    box.Take();
    QCOMPARE(box.LastNumber(), int16_t(7));
    box.setText(QStringLiteral("x"));
    QSignalSpy changes(&box, &QLineEdit::textChanged);
    box.PutBack();
    QCOMPARE(box.text(), QStringLiteral("07"));
    QCOMPARE(changes.count(), 0);
    QCOMPARE(NumberOf(QString()), int16_t(0));
  }

  void upArrowRaisesAndDownStopsAtZero() {
    QWidget parent;
    SpinControl spin(&parent);
    QCOMPARE(spin.Value(), 0);
    spin.triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow
    spin.triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(spin.Value(), 2);
    for (int i = 0; i < 3; ++i) spin.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(spin.Value(), 0);
    spin.SetValue(32767);
    spin.triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(spin.Value(), 32767);
  }

  void goalOrderFollowsMinutesThenRows_data() {
    QTest::addColumn<QStringList>("minutes");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("empty counts 0") << QStringList{"70", "", "12"} << QList<int>{1, 2, 0};
    QTest::newRow("same minute keeps row order") << QStringList{"30", "10", "30", "10"} << QList<int>{1, 3, 0, 2};
    QTest::newRow("numbers, not texts") << QStringList{"9", "10", "090"} << QList<int>{0, 1, 2};
    QTest::newRow("none") << QStringList{} << QList<int>{};
  }
  void goalOrderFollowsMinutesThenRows() {
    QFETCH(QStringList, minutes);
    QFETCH(QList<int>, order);
    const std::vector<int> got = GoalOrder(std::vector<QString>(minutes.begin(), minutes.end()));
    QCOMPARE(QList<int>(got.begin(), got.end()), order);
  }

  // Two players of one name stay apart, and a player the list lacks gets an item of his own.
  void playersAreChosenById() {
    QComboBox list;
    list.addItem(QString());
    list.addItem(QStringLiteral("Silva"), QStringLiteral("POR02"));
    list.addItem(QStringLiteral("Silva"), QStringLiteral("POR07"));
    list.addItem(QLatin1String(kNewItem));
    QCOMPARE(ChosenPlayerID(&list), std::string());
    SelectPlayer(&list, "POR07", QStringLiteral("Silva"));
    QCOMPARE(list.currentIndex(), 2);
    QCOMPARE(ChosenPlayerID(&list), std::string("POR07"));
    SelectPlayer(&list, "POR99", QStringLiteral("Gone Player"));
    QCOMPARE(list.count(), 5);
    QCOMPARE(list.currentText(), QStringLiteral("Gone Player"));
    QCOMPARE(ChosenPlayerID(&list), std::string("POR99"));
    QCOMPARE(list.itemText(4), QLatin1String(kNewItem));
    SelectPlayer(&list, "", QString());
    QCOMPARE(list.currentIndex(), 0);
    QVERIFY(!IsNewChosen(&list));
    QVERIFY(ListHolds(&list, QStringLiteral("SILVA")));
  }

  void goalRowsGrowAtTheirPitchAndHideWithContents() {
    QWidget parent;
    GoalRowPanel panel(&parent, QStringLiteral("Home"),
                       {{GoalColumn::OG, GoalColumn::Player, GoalColumn::Pen, GoalColumn::Mins}, 91});
    int made = 0;
    panel.ShowRows(3, [&](int) { ++made; });
    QCOMPARE(made, 2);
    QCOMPARE(panel.Rows(), 3);
    QCOMPARE(panel.Mins(2)->objectName(), QStringLiteral("txtHomeMins_2"));
    QCOMPARE(panel.Frame()->findChild<QComboBox*>(QStringLiteral("cboHomePlayer_1")), panel.Player(1));
    QCOMPARE(panel.Mins(2)->y() - panel.Mins(0)->y(), 2 * GoalRowPanel::kRowPitch);
    panel.Mins(2)->setText(QStringLiteral("55"));
    panel.ShowRows(1, [&](int) { ++made; });
    QVERIFY(panel.Mins(2)->isHidden());
    panel.ShowRows(3, [&](int) { ++made; });
    QCOMPARE(made, 2);
    QVERIFY(!panel.Mins(2)->isHidden());
    QCOMPARE(panel.Mins(2)->text(), QStringLiteral("55"));
    QCOMPARE(GoalRowPanel::NeededHeight(0), 0);
    QCOMPARE(GoalRowPanel::NeededHeight(3), GoalRowPanel::kOneRowHeight + 2 * GoalRowPanel::kRowPitch);
  }

  // A shoot-out's rows: a taker and a scored mark under "Scored", no own goal and no minute.
  void kickRowsHoldATakerAndAMarkAtTheirOwnPitch() {
    QWidget parent;
    GoalRowPanel panel(&parent, QStringLiteral("Away"), {{GoalColumn::Taker, GoalColumn::Scored}, 0, "Penalties", 25});
    panel.ShowRows(2, [](int) {});
    QCOMPARE(panel.Frame()->title(), QStringLiteral("Penalties"));
    QCOMPARE(panel.Frame()->findChild<QLabel*>(QStringLiteral("lblAwayPen"))->text(), QStringLiteral("Scored"));
    QCOMPARE(panel.Player(1)->objectName(), QStringLiteral("cboAwayPlayer_1"));
    QCOMPARE(panel.Pen(1)->objectName(), QStringLiteral("chkAwayPen_1"));
    QCOMPARE(panel.Player(1)->geometry(), QRect(8, 57, 200, 21));
    QCOMPARE(panel.Pen(1)->geometry(), QRect(230, 57, 17, 21));
    QVERIFY(!panel.OG(1) && !panel.Mins(1));
    panel.Pen(1)->setChecked(true);
    QVERIFY(!panel.IsOwnGoal(1));
    QCOMPARE(panel.TabOrder(), (std::vector<QWidget*>{panel.Player(0), panel.Pen(0), panel.Player(1), panel.Pen(1)}));
    QCOMPARE(panel.Height(3), GoalRowPanel::kOneRowHeight + 2 * 25);
    QCOMPARE(panel.Frame()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 2 + 2 * 2);
  }
};

QTEST_MAIN(EntryKitTest)
#include "entry_kit_test.moc"
