// SPDX-License-Identifier: GPL-3.0-or-later
// The date span and the reactions of the fields it reads, driven through the
// window.
#include "support/main_window_fixture.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// The worked example: one work unit an hour, 5 CPU hours a day, 64 days
// from 30/10/2003 to 01/01/2004 and 12 work units already done.
QByteArray exampleSettings(int reckonWithCpuTime, int addDone)
{
    return "[Calculate]\r\nStartDate=0\r\nShowMs=0\r\nCPUTime=5\r\n"
           "M-F StartDate=30/10/2003\r\nM-F End Date=01/01/2004\r\nWuDone=12\r\n"
           "Math CPUTime=" +
           QByteArray::number(reckonWithCpuTime) +
           "\r\nMath WUDone=" + QByteArray::number(addDone) + "\r\n";
}

// Opens the window and calculates from 1 work unit an hour.
void openAtOneWuAnHour(MainWindowFixture& f, int reckonWithCpuTime = 0, int addDone = 0)
{
    f.writeSettings(exampleSettings(reckonWithCpuTime, addDone));
    f.open();
    f.type("txtWus(0)", "1");
    f.click("cmdCalculate(1)");
}

} // namespace

class DateSpanTest : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void secondExampleFromTheKeyRate_data();
    void secondExampleFromTheKeyRate();
    void wholeNumbersRoundHalvesToEven_data();
    void wholeNumbersRoundHalvesToEven();
    void doneCountBlanks();
    void greyedCheckBoxCountsAsOff();
    void spansBackwards_data();
    void spansBackwards();
    void fullCpuDayEqualsRunningAllDay();
    void failuresStopQuietlyWhereTheyHappen();
    void cpuHoursRules();
    void cpuHoursThatAreNotANumber();
    void todaysDateIsDayMonthYearWhateverTheLocale();
    void clickSelectsTheWholeFigure();
};

void DateSpanTest::workedExamples_data()
{
    QTest::addColumn<int>("reckonWithCpuTime");
    QTest::addColumn<int>("addDone");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("spanCaption");

    // clang-format off
    QTest::newRow("all day") << 0 << 0 << "1536" << "1536 WU's 0%";
    QTest::newRow("CPU hours") << 1 << 0 << "320" << "320 WU's 0%";
    QTest::newRow("all day plus done") << 0 << 1 << "1548" << "1548 WU's 0%";
    QTest::newRow("CPU hours plus done") << 1 << 1 << "332" << "332 WU's 0%";
    // clang-format on
}

void DateSpanTest::workedExamples()
{
    QFETCH(int, reckonWithCpuTime);
    QFETCH(int, addDone);
    QFETCH(QString, span);
    QFETCH(QString, spanCaption);

    MainWindowFixture f;
    openAtOneWuAnHour(f, reckonWithCpuTime, addDone);
    QCOMPARE(f.text("txtAmount"), QStringLiteral("5"));
    QCOMPARE(f.text("lblAmountProc"), QStringLiteral("5 WU's 0%"));
    QCOMPARE(f.text("txtWuEnd"), span);
    QCOMPARE(f.text("lblWuEnd"), spanCaption);
    QCOMPARE(f.text("Label1(7)"), QStringLiteral("WU's after 64 days"));
}

void DateSpanTest::secondExampleFromTheKeyRate_data()
{
    QTest::addColumn<int>("reckonWithCpuTime");
    QTest::addColumn<QString>("span");

    // clang-format off
    QTest::newRow("all day") << 0 << "825,83";
    QTest::newRow("CPU hours") << 1 << "172,05";
    // clang-format on
}

void DateSpanTest::secondExampleFromTheKeyRate()
{
    QFETCH(int, reckonWithCpuTime);
    QFETCH(QString, span);
    MainWindowFixture f;
    f.writeSettings(exampleSettings(reckonWithCpuTime, 0));
    f.open();
    f.type("txtKeys", "641.440");
    f.click("cmdCalculate(0)");
    QCOMPARE(f.text("txtAmount"), QStringLiteral("2,69"));
    QCOMPARE(f.text("txtWuEnd"), span);
}

void DateSpanTest::wholeNumbersRoundHalvesToEven_data()
{
    QTest::addColumn<QString>("cpuHours");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("span");

    // clang-format off
    QTest::newRow("7,5 hours count as 8") << "7,5" << "0" << "8" << "1536";
    QTest::newRow("6,5 hours count as 6") << "6,5" << "0" << "6" << "1536";
    QTest::newRow("12,5 done adds 12") << "5" << "12,5" << "5" << "1548";
    QTest::newRow("13,5 done adds 14") << "5" << "13,5" << "5" << "1550";
    // clang-format on
}

void DateSpanTest::wholeNumbersRoundHalvesToEven()
{
    QFETCH(QString, cpuHours);
    QFETCH(QString, done);
    QFETCH(QString, amount);
    QFETCH(QString, span);
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, 1);
    f.type("txtCpu", cpuHours);
    f.type("txtWuDone", done);
    f.checkBox("chkCPU")->setValue(CheckBox::Off);
    QCOMPARE(f.text("txtAmount"), amount);
    QCOMPARE(f.text("txtWuEnd"), span);
}

void DateSpanTest::doneCountBlanks()
{
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, 1);

    f.type("txtWuDone", " ");
    QCOMPARE(f.text("txtWuDone"), QStringLiteral("0"));
    QCOMPARE(f.text("txtWuEnd"), QStringLiteral("1536"));

    // Two blanks stay, do not read as a number, and end the run after the
    // span figure: the day count caption keeps its old text.
    f.control<Label>("Label1(7)")->setCaption(QStringLiteral("untouched"));
    f.paste("txtWuDone", "  ");
    QCOMPARE(f.text("txtWuDone"), QStringLiteral("  "));
    QCOMPARE(f.text("txtWuEnd"), QStringLiteral("1536"));
    QCOMPARE(f.text("Label1(7)"), QStringLiteral("untouched"));
    QVERIFY(f.messages.shown().isEmpty());
}

void DateSpanTest::greyedCheckBoxCountsAsOff()
{
    MainWindowFixture f;
    openAtOneWuAnHour(f, 2, 2);
    QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::Greyed);
    QCOMPARE(f.checkBox("chkDone")->value(), CheckBox::Greyed);
    QCOMPARE(f.text("txtWuEnd"), QStringLiteral("1536"));
}

void DateSpanTest::spansBackwards_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("addDone");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("caption");

    // clang-format off
    QTest::newRow("one day back gives 0 days") << "29/10/2003" << 0 << "0" << "WU's after 0 days";
    QTest::newRow("one day back plus done") << "29/10/2003" << 1 << "12" << "WU's after 0 days";
    QTest::newRow("further back is negative") << "27/10/2003" << 0 << "-48" << "WU's after -2 days";
    // clang-format on
}

void DateSpanTest::spansBackwards()
{
    QFETCH(QString, end);
    QFETCH(int, addDone);
    QFETCH(QString, span);
    QFETCH(QString, caption);
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, addDone);
    f.type("txtEnd", end);
    f.click("cmdCalculate(1)");
    QCOMPARE(f.text("txtWuEnd"), span);
    QCOMPARE(f.text("Label1(7)"), caption);
}

void DateSpanTest::fullCpuDayEqualsRunningAllDay()
{
    MainWindowFixture f;
    openAtOneWuAnHour(f, 1, 0);
    f.type("txtCpu", "24");
    QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::Off);
    f.click("chkCPU");
    QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::On);
    QCOMPARE(f.text("txtWuEnd"), QStringLiteral("1536"));
    QCOMPARE(f.text("txtAmount"), QStringLiteral("24"));
}

void DateSpanTest::failuresStopQuietlyWhereTheyHappen()
{
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, 0);

    // A start date that cannot be read: the day's figure is written, the
    // span and the caption stay.
    f.type("txtStart", "someday");
    f.type("txtCpu", "6");
    QCOMPARE(f.text("txtAmount"), QStringLiteral("6"));
    QCOMPARE(f.text("txtWuEnd"), QStringLiteral("1536"));
    QCOMPARE(f.text("Label1(7)"), QStringLiteral("WU's after 64 days"));

    // CPU hours beyond 32 bits: nothing is written.
    f.paste("txtCpu", "99999999999");
    QCOMPARE(f.text("txtAmount"), QStringLiteral("6"));
    QVERIFY(f.messages.shown().isEmpty());
}

void DateSpanTest::cpuHoursRules()
{
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, 0);

    f.type("txtCpu", "");
    QCOMPARE(f.text("txtCpu"), QStringLiteral("1"));
    QCOMPARE(f.text("txtAmount"), QStringLiteral("1"));
    f.type("txtCpu", "0");
    QCOMPARE(f.text("txtCpu"), QStringLiteral("1"));
    // Only the exact text "0" is replaced as it is typed; a calculation from
    // the key rate replaces every text that reads as 0.
    for (const char* zero : {"00", "0,0", " 0 "}) {
        f.paste("txtCpu", QString::fromUtf8(zero));
        QCOMPARE(f.text("txtCpu"), QString::fromUtf8(zero));
        QCOMPARE(f.text("txtAmount"), QStringLiteral("0"));
        f.click("cmdCalculate(0)");
        QCOMPARE(f.text("txtCpu"), QStringLiteral("1"));
    }

    f.type("txtCpu", "24");
    QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::Off);
    f.type("txtCpu", "23,5");
    QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::On);
    QCOMPARE(f.text("txtAmount"), QStringLiteral("24"));
    QCOMPARE(f.text("txtWuEnd"), QStringLiteral("1536"));
}

void DateSpanTest::cpuHoursThatAreNotANumber()
{
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, 0);
    f.type("txtCpu", "30");
    QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::Off);
    for (const char* text : {"abc", "1,2,3", "-", " ", "12 hours"}) {
        f.paste("txtCpu", text);
        QCOMPARE(f.checkBox("chkCPU")->value(), CheckBox::Off);
        QCOMPARE(f.text("txtAmount"), QStringLiteral("30"));
    }
    f.type("txtWuDone", "many");
    QVERIFY(f.messages.shown().isEmpty());
}

void DateSpanTest::todaysDateIsDayMonthYearWhateverTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, 0);
    const QDate today = QDate::currentDate();
    f.click("cmdDateNow");
    f.click("cmdDateEnd");
    QLocale::setDefault(QLocale::c());

    const QString expected = QStringLiteral("%1/%2/%3")
                                 .arg(today.day(), 2, 10, QLatin1Char('0'))
                                 .arg(today.month(), 2, 10, QLatin1Char('0'))
                                 .arg(today.year());
    QCOMPARE(f.text("txtStart"), expected);
    QCOMPARE(f.text("txtEnd"), expected);
    f.click("cmdCalculate(1)");
    QCOMPARE(f.text("Label1(7)"), QStringLiteral("WU's after 1 days"));
}

void DateSpanTest::clickSelectsTheWholeFigure()
{
    MainWindowFixture f;
    openAtOneWuAnHour(f, 0, 0);
    for (const char* name : {"txtWus(0)", "txtWus(1)", "txtAmount", "txtWuEnd"}) {
        TextField* field = f.field(name);
        f.click(name);
        QVERIFY2(field->selectedText() == field->text() && !field->text().isEmpty(), name);
    }
}

QTEST_MAIN(DateSpanTest)
#include "tst_date_span.moc"
