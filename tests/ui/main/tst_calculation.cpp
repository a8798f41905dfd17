// SPDX-License-Identifier: GPL-3.0-or-later
// The "Calculate from here" buttons, driven through the window.
#include "support/main_window_fixture.h"

#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// Start-up without today's date and without milliseconds, so every test
// begins from the same figures.
const QByteArray QuietStart = "[Calculate]\r\nStartDate=0\r\nShowMs=0\r\n";

} // namespace

class CalculationTest : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void refusalsLeaveEverythingAsItWas_data();
    void refusalsLeaveEverythingAsItWas();
    void zeroKeysKeepsTheFiguresButForgetsTheTime();
    void keyRateBelowTheLowestIsRaisedAndCalculated();
    void keyRateGroupingMarksAndDecimalPart_data();
    void keyRateGroupingMarksAndDecimalPart();
    void everyButtonTurnsTypedPointsIntoCommas();
    void onlyTheClickedButtonIsRenamedAfterSuccess();
    void enterRunsTheKeyRateCalculationUnlessOnAnotherButton();
    void showMsRecalculatesFromTheKeyRate();
    void accessKeyCReachesTheCalculateButtons();
    void figuresShowFromTheirFirstCharacter_data();
    void figuresShowFromTheirFirstCharacter();
    void typingGoesOnAfterTheProgramsOwnAnswer();
};

void CalculationTest::workedExamples_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("withMs");
    QTest::addColumn<qint64>("secondsPerWuUnits");
    QTest::addColumn<QString>("perHour");
    QTest::addColumn<QString>("perDay");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("wuTime");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList tooLow{QStringLiteral("To low!\r\nSetted to 10.000")};
    // clang-format off
    QTest::newRow("key rate 641.440")
        << 0 << "641.440" << false << qint64(66958208) << "0,54" << "12,9" << "641.440" << "1:51:36"
        << none;
    QTest::newRow("key rate 641.440 with ms")
        << 0 << "641.440" << true << qint64(66958208) << "0,54" << "12,9" << "641.440"
        << "1:51:35:821" << none;
    QTest::newRow("key rate 100.358")
        << 0 << "100.358" << false << qint64(427964616) << "0,08" << "2,02" << "100.358"
        << "11:53:16" << none;
    QTest::newRow("key rate 100.358 with ms")
        << 0 << "100.358" << true << qint64(427964616) << "0,08" << "2,02" << "100.358"
        << "11:53:16:462" << none;
    QTest::newRow("key rate 5000")
        << 0 << "5000" << false << qint64(4294967296) << "0,01" << "0,2" << "10.000" << "119:18:17"
        << tooLow;
    QTest::newRow("key rate 5000 with ms")
        << 0 << "5000" << true << qint64(4294967296) << "0,01" << "0,2" << "10.000"
        << "119:18:16:730" << tooLow;
    QTest::newRow("0.54 WU's per hour")
        << 1 << "0.54" << false << qint64(66666667) << "0,54" << "12,96" << "644.245" << "1:51:07"
        << none;
    QTest::newRow("1 WU per hour")
        << 1 << "1" << false << qint64(36000000) << "1" << "24" << "1.193.046" << "1:00:00" << none;
    QTest::newRow("100 WU's per day")
        << 2 << "100" << false << qint64(8640000) << "4,17" << "100" << "4.971.027" << "0:14:24"
        << none;
    // clang-format on
}

void CalculationTest::workedExamples()
{
    QFETCH(int, button);
    QFETCH(QString, given);
    QFETCH(bool, withMs);
    QFETCH(qint64, secondsPerWuUnits);
    QFETCH(QString, perHour);
    QFETCH(QString, perDay);
    QFETCH(QString, keys);
    QFETCH(QString, wuTime);
    QFETCH(QStringList, messages);

    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    if (withMs)
        f.click("chkShowMs");
    const char* givenField = button == 0 ? "txtKeys" : button == 1 ? "txtWus(0)" : "txtWus(1)";
    const char* buttons[] = {"cmdCalculate(0)", "cmdCalculate(1)", "cmdCalculate(2)"};
    f.type(givenField, given);
    f.messages.clear();
    f.click(buttons[button]);

    QCOMPARE(f.messages.prompts(), messages);
    QCOMPARE(f.window->secondsPerWu().units(), secondsPerWuUnits);
    QCOMPARE(f.text("txtWus(0)"), perHour);
    QCOMPARE(f.text("txtWus(1)"), perDay);
    QCOMPARE(f.text("txtKeys"), keys);
    QCOMPARE(f.text("lblWu"), wuTime);
}

void CalculationTest::refusalsLeaveEverythingAsItWas_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("message");

    // clang-format off
    QTest::newRow("key rate with letters") << 0 << "fast" << "The key rate is not a number!";
    QTest::newRow("key rate empty") << 0 << "" << "The key rate is not a number!";
    QTest::newRow("key rate beyond the fixed-point range")
        << 0 << "99999999999999999999" << "Out of range!\r\nThe key rate is too large.";
    QTest::newRow("key rate so high a WU takes no time")
        << 0 << "900.000.000.000.000"
        << "Out of range!\r\n1 WU would take less than 0,0001 seconds.";
    QTest::newRow("WU's per hour with two commas")
        << 1 << "1,2,3" << "The number of WU's per hour is not a number!";
    QTest::newRow("WU's per hour empty")
        << 1 << "" << "The number of WU's per hour is not a number!";
    QTest::newRow("WU's per hour zero") << 1 << "0" << "Zero Hours!";
    QTest::newRow("WU's per hour so many a WU takes no time")
        << 1 << "1000000000000" << "Out of range!\r\n1 WU would take less than 0,0001 seconds.";
    QTest::newRow("WU's per hour so few a WU takes too long")
        << 1 << "0,000000000001" << "Out of range!\r\n1 WU would take too long to calculate with.";
    QTest::newRow("WU's per day with letters")
        << 2 << "lots" << "The number of WU's per day is not a number!";
    QTest::newRow("WU's per day zero") << 2 << "0,00" << "Zero Days!";
    // clang-format on
}

void CalculationTest::refusalsLeaveEverythingAsItWas()
{
    QFETCH(int, button);
    QFETCH(QString, given);
    QFETCH(QString, message);

    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    const char* fields[] = {"txtKeys", "txtWus(0)", "txtWus(1)", "txtAmount", "txtWuEnd"};
    const char* buttons[] = {"cmdCalculate(0)", "cmdCalculate(1)", "cmdCalculate(2)"};
    f.type(fields[button], given);
    QStringList before;
    for (const char* name : fields)
        before << f.text(name);
    const Fixed secondsBefore = f.window->secondsPerWu();
    f.messages.clear();

    f.click(buttons[button]);

    QCOMPARE(f.messages.prompts(), QStringList{message});
    const MessageRequest& shown = f.messages.shown().first();
    QCOMPARE(shown.icon, MsgIcon::Exclamation);
    QCOMPARE(shown.buttons, MsgButtons::Ok);
    QCOMPARE(shown.title, QStringLiteral("Veltrane"));
    QStringList after;
    for (const char* name : fields)
        after << f.text(name);
    QCOMPARE(after, before);
    QVERIFY(f.window->secondsPerWu() == secondsBefore);
    QCOMPARE(f.text(buttons[button]), QStringLiteral("&Calculate from here"));
}

void CalculationTest::zeroKeysKeepsTheFiguresButForgetsTheTime()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    const QString perDay = f.text("txtWus(1)");
    f.type("txtKeys", "0");
    f.click("cmdCalculate(0)");

    QCOMPARE(f.messages.prompts(), QStringList{"Zero keys!"});
    QCOMPARE(f.text("txtWus(1)"), perDay);
    QVERIFY(f.window->secondsPerWu().isZero());
    // Without a time per work unit the date span has nothing to work from.
    const QString amount = f.text("txtAmount");
    f.type("txtCpu", "7");
    QCOMPARE(f.text("txtAmount"), amount);
}

void CalculationTest::keyRateBelowTheLowestIsRaisedAndCalculated()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    const QStringList tooLow{QStringLiteral("To low!\r\nSetted to 10.000")};
    for (const char* rate : {"9.999", "-641.440"}) {
        f.messages.clear();
        f.type("txtKeys", rate);
        f.click("cmdCalculate(0)");
        QCOMPARE(f.messages.prompts(), tooLow);
        QCOMPARE(f.text("txtKeys"), QStringLiteral("10.000"));
        QCOMPARE(f.text("txtWus(1)"), QStringLiteral("0,2"));
    }
    f.messages.clear();
    f.type("txtKeys", "10.000");
    f.click("cmdCalculate(0)");
    QVERIFY(f.messages.prompts().isEmpty());
}

void CalculationTest::keyRateGroupingMarksAndDecimalPart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("perDay");

    // clang-format off
    QTest::newRow("points") << "641.440" << "12,9";
    QTest::newRow("commas") << "641,440" << "12,9";
    QTest::newRow("no marks") << "641440" << "12,9";
    // Both marks are grouping marks: 641440,5 is 6,414,405 keys per second.
    QTest::newRow("a decimal comma is a mark too") << "641440,5" << "129,04";
    // clang-format on
}

void CalculationTest::keyRateGroupingMarksAndDecimalPart()
{
    QFETCH(QString, typed);
    QFETCH(QString, perDay);
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    f.type("txtKeys", typed);
    f.click("cmdCalculate(0)");
    QCOMPARE(f.text("txtWus(1)"), perDay);
    QCOMPARE(f.text("txtKeys"), typed);
}

void CalculationTest::everyButtonTurnsTypedPointsIntoCommas()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    f.type("txtWus(0)", "0.54");
    f.type("txtWus(1)", "1.5");
    f.type("txtKeys", "x");
    f.click("cmdCalculate(0)"); // refused, but the rewrite comes first
    QCOMPARE(f.text("txtWus(0)"), QStringLiteral("0,54"));
    QCOMPARE(f.text("txtWus(1)"), QStringLiteral("1,5"));
    QCOMPARE(f.text("lblWUsProc(0)"), QStringLiteral("0 WU's 54%"));
    QCOMPARE(f.text("lblWUsProc(1)"), QStringLiteral("1 WU's 50%"));
}

void CalculationTest::onlyTheClickedButtonIsRenamedAfterSuccess()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    QCOMPARE(f.text("cmdCalculate(0)"), QStringLiteral("&Calculate from here"));
    f.type("txtWus(0)", "2");
    f.click("cmdCalculate(1)");
    QCOMPARE(f.text("cmdCalculate(0)"), QStringLiteral("&Calculate from here"));
    QCOMPARE(f.text("cmdCalculate(1)"), QStringLiteral("Re&calculate from here"));
    QCOMPARE(f.text("cmdCalculate(2)"), QStringLiteral("&Calculate from here"));
    f.type("txtWus(1)", "0");
    f.click("cmdCalculate(2)");
    QCOMPARE(f.text("cmdCalculate(2)"), QStringLiteral("&Calculate from here"));
}

void CalculationTest::enterRunsTheKeyRateCalculationUnlessOnAnotherButton()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    for (const char* name : {"txtKeys", "txtCpu", "txtWuDone", "chkDone", "cmbThemes"}) {
        f.button("cmdCalculate(0)")->setText(QStringLiteral("&Calculate from here"));
        QWidget* widget = f.control<QWidget>(name);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        QVERIFY2(f.text("cmdCalculate(0)") == u"Re&calculate from here", name);
    }

    // Enter on another button presses that button instead.
    f.button("cmdCalculate(0)")->setText(QStringLiteral("&Calculate from here"));
    f.type("txtWus(0)", "1");
    f.button("cmdCalculate(1)")->setFocus();
    QTest::keyClick(f.button("cmdCalculate(1)"), Qt::Key_Return);
    QCOMPARE(f.text("txtKeys"), QStringLiteral("1.193.046"));
    QCOMPARE(f.text("cmdCalculate(0)"), QStringLiteral("&Calculate from here"));
}

void CalculationTest::showMsRecalculatesFromTheKeyRate()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    f.type("txtKeys", "641.440");
    f.click("chkShowMs");
    QCOMPARE(f.text("lblWu"), QStringLiteral("1:51:35:821"));
    QCOMPARE(f.text("cmdCalculate(0)"), QStringLiteral("Re&calculate from here"));
    f.click("chkShowMs");
    QCOMPARE(f.text("lblWu"), QStringLiteral("1:51:36"));
}

void CalculationTest::accessKeyCReachesTheCalculateButtons()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.field("txtKeys")->setFocus();

    // Three buttons share the letter C: Alt+C takes the focus to one of them
    // and Enter then presses it.
    QTest::keyClick(f.window.get(), Qt::Key_C, Qt::AltModifier);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused && focused->objectName().startsWith(u"cmdCalculate("));
    QTest::keyClick(focused, Qt::Key_Return);
    QCOMPARE(static_cast<QPushButton*>(focused)->text(), QStringLiteral("Re&calculate from here"));
}

void CalculationTest::figuresShowFromTheirFirstCharacter_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("calculation at 40 Gkeys/s") << true;
    QTest::newRow("start-up at 40 Gkeys/s") << false;
}

void CalculationTest::figuresShowFromTheirFirstCharacter()
{
    QFETCH(bool, typed);
    // One graphics card of today does 40 billion keys a second.
    MainWindowFixture f;
    f.writeSettings(typed ? QuietStart : QuietStart + "KeyRate=40.000.000.000\r\n");
    f.open();
    if (typed) {
        f.type("txtKeys", "40.000.000.000");
        QTest::keyClick(f.field("txtKeys"), Qt::Key_Return);
    }
    QCOMPARE(f.text("txtWus(0)"), QStringLiteral("33519,55"));
    QCOMPARE(f.text("txtWus(1)"), QStringLiteral("804469,27"));

    for (const char* name : {"txtWus(0)", "txtWus(1)", "txtAmount", "txtWuEnd"}) {
        TextField* field = f.field(name);
        QCOMPARE(field->cursorPosition(), 0);
        // Drawn, the first character stands at the field's left edge.
        field->grab();
        const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY2(caret.left() <= field->contentsRect().left() + 4,
                 qPrintable(QStringLiteral("%1: caret at x %2").arg(name).arg(caret.left())));
    }
    // The two rates are wider than their fields: without the caret at the
    // start they would show their last digits only.
    for (const char* name : {"txtWus(0)", "txtWus(1)"}) {
        TextField* field = f.field(name);
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) >
                field->contentsRect().width());
    }
}

void CalculationTest::typingGoesOnAfterTheProgramsOwnAnswer()
{
    MainWindowFixture f;
    f.writeSettings(QuietStart);
    f.open();
    // An emptied CPU-hours field becomes "1" at once; what the user types
    // next goes behind it, as before.
    f.type("txtCpu", QString());
    QCOMPARE(f.text("txtCpu"), QStringLiteral("1"));
    QCOMPARE(f.field("txtCpu")->cursorPosition(), 1);
    QTest::keyClicks(f.field("txtCpu"), "2");
    QCOMPARE(f.text("txtCpu"), QStringLiteral("12"));
}

QTEST_MAIN(CalculationTest)
#include "tst_calculation.moc"
