// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/duration_text.h"

#include <QtTest>

using veltrane::DurationText;

class TestDurationText : public QObject
{
    Q_OBJECT

private slots:
    void durationText_data()
    {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("options"); // D days, W weeks, I in ms, S show ms
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("zero") << qint64(0) << "" << "0:00:00";
        QTest::newRow("seconds only") << qint64(59) << "" << "0:00:59";
        QTest::newRow("one of each") << qint64(3661) << "" << "1:01:01";
        QTest::newRow("ten minutes and ten seconds") << qint64(36610) << "" << "10:10:10";
        QTest::newRow("ten of each, with ms") << qint64(36610010) << "IS" << "10:10:10:10";
        QTest::newRow("time of a WU at 641.440") << qint64(6696) << "" << "1:51:36";
        QTest::newRow("hours past 24") << qint64(429497) << "" << "119:18:17";
        QTest::newRow("milliseconds") << qint64(6695821) << "IS" << "1:51:35:821";
        QTest::newRow("milliseconds, long") << qint64(429496730) << "IS" << "119:18:16:730";
        QTest::newRow("one second and 730 ms") << qint64(1730) << "IS" << "0:00:01:730";
        QTest::newRow("ms without leading zeros") << qint64(279070) << "IS" << "0:04:39:70";
        QTest::newRow("five ms") << qint64(1005) << "IS" << "0:00:01:5";
        QTest::newRow("one day") << qint64(86400) << "D" << "1 Days 0:00:00";
        QTest::newRow("days") << qint64(3000000) << "D" << "34 Days 17:20:00";
        QTest::newRow("months, weeks and days")
            << qint64(3000000) << "DW" << "1 Months 0 Weeks 6 Days 17:20:00";
        QTest::newRow("no months text") << qint64(90061) << "DW" << "0 Weeks 1 Days 1:01:01";
        QTest::newRow("exactly 28 days")
            << qint64(2419200) << "DW" << "1 Months 0 Weeks 0 Days 0:00:00";
        QTest::newRow("27 days") << qint64(27 * 86400) << "DW" << "3 Weeks 6 Days 0:00:00";
        QTest::newRow("zero with days and weeks") << qint64(0) << "DW" << "0 Weeks 0 Days 0:00:00";
        QTest::newRow("ms shown but not counted") << qint64(61) << "S" << "0:01:01:0";
        QTest::newRow("weeks without days") << qint64(90061) << "W" << "0 Weeks 25:01:01";
        QTest::newRow("negative") << qint64(-3661) << "" << "-1:01:01";
        QTest::newRow("negative ms") << qint64(-1730) << "IS" << "-0:00:01:730";
        QTest::newRow("beyond 32 bits") << qint64(42949672960LL) << "D" << "497102 Days 16:42:40";
        QTest::newRow("most negative")
            << std::numeric_limits<qint64>::min() << "" << "-2562047788015215:30:08";
        // clang-format on
    }

    void durationText()
    {
        QFETCH(qint64, count);
        QFETCH(QString, options);
        QFETCH(QString, text);
        std::string result = DurationText(count, options.contains('D'), options.contains('W'),
                                          options.contains('I'), options.contains('S'));
        QCOMPARE(QString::fromStdString(result), text);
    }
};

QTEST_APPLESS_MAIN(TestDurationText)
#include "tst_duration_text.moc"
