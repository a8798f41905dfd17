// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/day_count.h"

#include <QtTest>

using namespace veltrane;

class TestDayCount : public QObject
{
    Q_OBJECT

private slots:
    void daysInMonth()
    {
        const int lengths[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
        for (int month = 0; month <= 13; ++month)
            QCOMPARE(int(DaysInMonth(month)), lengths[month]);
        QCOMPARE(int(DaysInMonth(-2)), 0);
        QCOMPARE(int(DaysInMonth(2000000000)), 0);
    }

    void countDays_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("days");
        QTest::newRow("layout dates") << "30/10/2003"
                                      << "01/01/2004" << 64;
        QTest::newRow("settings defaults") << "02/04/2004"
                                           << "11/04/2004" << 10;
        QTest::newRow("across months") << "15/03/2004"
                                       << "20/05/2004" << 67;
        QTest::newRow("new year's eve") << "31/12/2003"
                                        << "01/01/2004" << 2;
        QTest::newRow("no 29 February, also in 2004") << "28/02/2004"
                                                      << "01/03/2004" << 2;
        QTest::newRow("whole year") << "01/01/2003"
                                    << "31/12/2003" << 365;
        QTest::newRow("same date") << "05/06/2004"
                                   << "05/06/2004" << 1;
        QTest::newRow("one day back") << "10/06/2004"
                                      << "09/06/2004" << 0;
        QTest::newRow("nine days back") << "10/06/2004"
                                        << "01/06/2004" << -8;
        QTest::newRow("empty start is 1 January 2003") << ""
                                                       << "31/12/2003" << 365;
        QTest::newRow("one part is the day") << "5"
                                             << "5" << 1;
        QTest::newRow("day and month") << "5/6"
                                       << "4/6/2003" << 0;
        QTest::newRow("empty month part") << "1//2004"
                                          << "31/1/2004" << 31;
        QTest::newRow("parts after the third are dropped") << "1/2/2004/7"
                                                           << "1/2/2004" << 1;
        QTest::newRow("day beyond its month") << "31/04/2004"
                                              << "01/05/2004" << 1;
        QTest::newRow("month 13 counts 0 days") << "01/12/2004"
                                                << "01/13/2004" << 32;
        QTest::newRow("start month 13 in the same year") << "5/13/2004"
                                                         << "9/13/2004" << 5;
        QTest::newRow("into the next year") << "15/11/2003"
                                            << "14/02/2004" << 92;
        QTest::newRow("over several years") << "01/01/2003"
                                            << "31/12/2005" << 3 * 365;
        QTest::newRow("earlier month of the same year") << "15/05/2004"
                                                        << "15/03/2004" << -60;
        QTest::newRow("earlier year") << "01/01/2004"
                                      << "01/01/2003" << -364;
        QTest::newRow("fraction rounds half to even") << "2,5/1/2003"
                                                      << "3,5/1/2003" << 3;
        QTest::newRow("huge month costs nothing") << "1/1/2003"
                                                  << "1/2000000000/2003" << 366;
    }

    void countDays()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, days);
        Result<std::int32_t> count = CountDays(start.toStdString(), end.toStdString());
        QVERIFY(count);
        QCOMPARE(*count, days);
    }

    void countDaysFails_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("blank part") << "1/ /2004"
                                    << "1/1/2004";
        QTest::newRow("letters in the end date") << "1/1/2004"
                                                 << "1/jan/2004";
        QTest::newRow("part beyond 32 bits") << "1/1/2004"
                                             << "1/1/3000000000";
        QTest::newRow("count beyond 32 bits") << "1/1/-2000000000"
                                              << "1/1/2000000000";
        // Every step of the sum stays in 32 bits, not only its end.
        QTest::newRow("head beyond 32 bits, same date") << "-2147483648/1/2003"
                                                        << "-2147483648/1/2003";
        QTest::newRow("step beyond 32 bits within the year") << "2000000000/1/2003"
                                                             << "2147483347/12/2003";
        QTest::newRow("step beyond 32 bits into the next year") << "2000000000/12/2003"
                                                                << "2147483600/3/2004";
        QTest::newRow("head beyond 32 bits, years apart") << "-2147483648/1/2003"
                                                          << "-2147483600/1/2010";
    }

    void countDaysFails()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QVERIFY(!CountDays(start.toStdString(), end.toStdString()));
    }
};

QTEST_APPLESS_MAIN(TestDayCount)
#include "tst_day_count.moc"
