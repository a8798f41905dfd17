// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar_date.h"
#include "core/exact_rate.h"
#include "core/window_summary.h"

#include <QtTest>

using namespace veltrane;

Q_DECLARE_METATYPE(veltrane::DateTextError)

namespace {

QString grouped(Fraction value, int decimals, int significant)
{
    return QString::fromStdString(groupedText(roundedDecimal(value, decimals, significant)));
}

QString iso(Result<CalendarDate, DateTextError> date)
{
    return date ? QString::fromStdString(isoDateText(*date)) : QStringLiteral("(refused)");
}

} // namespace

class TestExactFigures : public QObject
{
    Q_OBJECT

private slots:
    void rounding_data()
    {
        QTest::addColumn<qulonglong>("num");
        QTest::addColumn<qulonglong>("den");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("significant");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("tie goes down to even") << 1ull << 8ull << 2 << 0 << "0,12";
        QTest::newRow("tie goes up to even") << 3ull << 8ull << 2 << 0 << "0,38";
        QTest::newRow("just above a tie") << 125001ull << 1000000ull << 2 << 0 << "0,13";
        QTest::newRow("carry into the whole digits") << 99999ull << 1000ull << 2 << 0 << "100";
        QTest::newRow("carry makes a new digit, grouped") << 9999999ull << 10000ull << 2 << 0 << "1.000";
        QTest::newRow("no trailing zeros") << 5ull << 2ull << 3 << 0 << "2,5";
        QTest::newRow("significant digits below 1") << 1ull << 3000ull << 2 << 3 << "0,000333";
        QTest::newRow("significant digits never cut the whole part") << 123456ull << 1ull << 0 << 3 << "123.456";
        QTest::newRow("repeating to 15 digits") << 2ull << 3ull << 0 << 15 << "0,666666666666667";
        QTest::newRow("zero") << 0ull << 7ull << 2 << 15 << "0";
        // clang-format on
    }
    void rounding()
    {
        QFETCH(qulonglong, num);
        QFETCH(qulonglong, den);
        QFETCH(int, decimals);
        QFETCH(int, significant);
        QFETCH(QString, text);
        QCOMPARE(grouped({num, den}, decimals, significant), text);
    }

    // Where the window's rounded time of one work unit goes wrong, the exact
    // figures do not.
    void gpuRatesAreNotSkewed()
    {
        QCOMPARE(grouped(wusPerDay(40'000'000'000), 2, 0), QStringLiteral("804.662,7"));
        QCOMPARE(grouped(wusPerHour(10'000'000'000'000), 2, 0), QStringLiteral("8.381.903,17"));
        QCOMPARE(grouped(secondsPerWu(40'000'000'000), 10, 0), QStringLiteral("0,1073741824"));
    }

    void hoursBufferLastAndTarget()
    {
        const std::uint64_t oneWuASecond = 4294967296;
        const HoursPerDay eightHours{8, 1};
        QCOMPARE(grouped(wusInHours(oneWuASecond, {75, 10}), 2, 0), QStringLiteral("27.000"));
        QCOMPARE(grouped(wusOverDays(oneWuASecond, 2, eightHours, 5), 2, 0),
                 QStringLiteral("57.605"));
        // 28.800 work units a day of eight hours: 57.600 take two days.
        QCOMPARE(grouped(bufferSeconds(oneWuASecond, 57600, eightHours), 2, 0),
                 QStringLiteral("172.800"));
        QVERIFY(wusForDays(oneWuASecond, 3, eightHours) == 86400);
        QVERIFY(wusForDays(1, 1, {}) == 1); // 0,00002 work units round up to one
        QVERIFY(daysForWus(oneWuASecond, 28800, eightHours) == 1);
        QVERIFY(daysForWus(oneWuASecond, 28801, eightHours) == 2);
    }

    void calendarDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("iso");
        // clang-format off
        QTest::newRow("window form") << "31/12/2027" << "2027-12-31";
        QTest::newRow("window form, one digit") << "1/2/2027" << "2027-02-01";
        QTest::newRow("ISO") << "2028-02-29" << "2028-02-29";
        QTest::newRow("29 February of 2000") << "29/02/2000" << "2000-02-29";
        QTest::newRow("no 29 February in 1900") << "29/02/1900" << "(refused)";
        QTest::newRow("no 29 February in 2027") << "2027-02-29" << "(refused)";
        QTest::newRow("31 April") << "31/04/2027" << "(refused)";
        QTest::newRow("day 0") << "0/1/2027" << "(refused)";
        QTest::newRow("two-digit year") << "1/1/27" << "(refused)";
        QTest::newRow("blank") << "1/1/2027 " << "(refused)";
        QTest::newRow("four parts") << "1/1/2027/1" << "(refused)";
        QTest::newRow("mixed separators") << "2027-01/01" << "(refused)";
        // clang-format on
    }
    void calendarDates()
    {
        QFETCH(QString, text);
        QFETCH(QString, iso);
        QCOMPARE(::iso(readCalendarDate(text.toStdString())), iso);
    }

    void daySpans()
    {
        auto date = [](const char* text) { return *readCalendarDate(text); };
        QCOMPARE(daysFromTo(date("2027-01-01"), date("2027-12-31")), std::int64_t(365));
        QCOMPARE(daysFromTo(date("2028-01-01"), date("2028-12-31")), std::int64_t(366));
        QCOMPARE(daysFromTo(date("28/02/2028"), date("01/03/2028")), std::int64_t(3));
        QCOMPARE(daysFromTo(date("5/5/2027"), date("5/5/2027")), std::int64_t(1));
        QCOMPARE(daysFromTo(date("0001-01-01"), date("9999-12-31")), std::int64_t(3652059));
        QCOMPARE(iso(daysAfter(date("2027-12-31"), 60)), QStringLiteral("2028-02-29"));
        QCOMPARE(iso(daysAfter(date("9999-12-31"), 1)), QStringLiteral("(refused)"));
        QCOMPARE(QString::fromStdString(windowDateText(date("2027-3-4"))),
                 QStringLiteral("04/03/2027"));
    }

    // The summary follows the window's arithmetic: its rounded time of one
    // work unit and its 365-day calendar.
    void windowSummaryKeepsTheWindowsArithmetic()
    {
        WindowEntries entries{"641.440", "7,5", "28/02/2028", "01/03/2028", "3", true, true};
        Result<std::string, WindowSummaryError> summary = windowSummary(entries);
        QVERIFY(summary);
        QCOMPARE(QString::fromStdString(*summary),
                 QStringLiteral(
                     "With a rate of 641.440 keys/sec, it takes 1:51:35:821 for 1 WU, after a "
                     "hour he/she's got 0 WU's 54% and after a day he/she got 12 WU's 90%. If "
                     "the pc is running 7,5 hours/day then he/she got 4,3 WU's\r\nIf he/she "
                     "started on 28/02/2028, ended on 01/03/2028 and Buff-out contains 3 WU's, "
                     "then he/she got 11,6 WU's (if the pc is running 7,5 hours each day)"));

        entries.keyRate = "9.999";
        QCOMPARE(windowSummary(entries).error(), WindowSummaryError::KeyRateTooLow);
        entries.keyRate = "85.899.345.920.001";
        QCOMPARE(windowSummary(entries).error(), WindowSummaryError::KeyRateTooHigh);
        entries.keyRate = "x";
        QCOMPARE(windowSummary(entries).error(), WindowSummaryError::KeyRateUnreadable);
        entries.keyRate = "641440";
        entries.done = "3000000000";
        QCOMPARE(windowSummary(entries).error(), WindowSummaryError::FiguresIncomplete);
    }
};

QTEST_APPLESS_MAIN(TestExactFigures)
#include "tst_exact_figures.moc"
