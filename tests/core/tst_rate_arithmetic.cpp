// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/buffin.h"
#include "core/date_span.h"
#include "core/number_text.h"
#include "core/work_unit_rate.h"

#include <QtTest>

#include <limits>

using namespace veltrane;

Q_DECLARE_METATYPE(veltrane::CalcError)
Q_DECLARE_METATYPE(veltrane::BuffInOutcome)

namespace {

QString text(double value)
{
    return QString::fromStdString(writeNumber(value));
}

Fixed fixed(const char* text)
{
    return *readFixed(text);
}

QString optionalText(const std::optional<std::string>& value)
{
    return value ? QString::fromStdString(*value) : QStringLiteral("(unchanged)");
}

} // namespace

class TestRateArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void rateFigures_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<QString>("given");
        QTest::addColumn<qint64>("secondsPerWuUnits");
        QTest::addColumn<QString>("perHour");
        QTest::addColumn<QString>("perDay");
        QTest::addColumn<QString>("keyRate");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("durationWithMs");
        // clang-format off
        QTest::newRow("key rate 641.440")
            << 0 << "641.440" << qint64(66958208) << "0,54" << "12,9" << "641440" << "1:51:36"
            << "1:51:35:821";
        QTest::newRow("key rate 100.358")
            << 0 << "100.358" << qint64(427964616) << "0,08" << "2,02" << "100358" << "11:53:16"
            << "11:53:16:462";
        QTest::newRow("key rate 10.000")
            << 0 << "10.000" << qint64(4294967296) << "0,01" << "0,2" << "10000" << "119:18:17"
            << "119:18:16:730";
        QTest::newRow("0,54 WU's an hour")
            << 1 << "0,54" << qint64(66666667) << "0,54" << "12,96" << "644245" << "1:51:07"
            << "1:51:06:667";
        QTest::newRow("1 WU an hour")
            << 1 << "1" << qint64(36000000) << "1" << "24" << "1193046" << "1:00:00" << "1:00:00:0";
        QTest::newRow("100 WU's a day")
            << 2 << "100" << qint64(8640000) << "4,17" << "100" << "4971027" << "0:14:24"
            << "0:14:24:0";
        QTest::newRow("negative rate")
            << 1 << "-1" << qint64(-36000000) << "-1" << "-24" << "-1193046" << "-1:00:00"
            << "-1:00:00:0";
        // clang-format on
    }

    void rateFigures()
    {
        QFETCH(int, path);
        QFETCH(QString, given);
        QFETCH(qint64, secondsPerWuUnits);
        QFETCH(QString, perHour);
        QFETCH(QString, perDay);
        QFETCH(QString, keyRate);
        QFETCH(QString, duration);
        QFETCH(QString, durationWithMs);
        std::string givenText = given.toStdString();
        Result<RateFigures> figures = path == 0   ? figuresFromKeyRate(*readKeyRate(givenText))
                                      : path == 1 ? figuresFromWusPerHour(*readNumber(givenText))
                                                  : figuresFromWusPerDay(*readNumber(givenText));
        QVERIFY(figures);
        QCOMPARE(figures->secondsPerWu.units(), secondsPerWuUnits);
        QCOMPARE(text(figures->wusPerHour), perHour);
        QCOMPARE(text(figures->wusPerDay), perDay);
        QCOMPARE(text(figures->keyRate), keyRate);
        QCOMPARE(QString::fromStdString(wuDurationText(figures->secondsPerWu, false)), duration);
        QCOMPARE(QString::fromStdString(wuDurationText(figures->secondsPerWu, true)),
                 durationWithMs);
    }

    void keyRateReading_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("keys");
        // clang-format off
        QTest::newRow("points") << "641.440" << qint64(641440);
        QTest::newRow("commas") << "641,440" << qint64(641440);
        QTest::newRow("plain") << "641440" << qint64(641440);
        QTest::newRow("no decimal part") << "641440,5" << qint64(6414405);
        QTest::newRow("negative") << "-20" << qint64(-20);
        // clang-format on
    }

    void keyRateReading()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, keys);
        QCOMPARE(readKeyRate(typed.toStdString())->units(), keys * Fixed::UnitsPerOne);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<double>("given");
        QTest::addColumn<veltrane::CalcError>("error");
        // clang-format off
        QTest::newRow("key rate so high the time rounds to 0") << 0 << 1e14 << CalcError::TooShort;
        QTest::newRow("WU's an hour so high the time rounds to 0")
            << 1 << 1e8 << CalcError::TooShort;
        QTest::newRow("WU's a day so low the time is out of range")
            << 2 << 1e-11 << CalcError::OutOfRange;
        // clang-format on
    }

    void refusals()
    {
        QFETCH(int, path);
        QFETCH(double, given);
        QFETCH(veltrane::CalcError, error);
        Result<RateFigures> figures = path == 0   ? figuresFromKeyRate(*Fixed::fromDouble(given))
                                      : path == 1 ? figuresFromWusPerHour(given)
                                                  : figuresFromWusPerDay(given);
        QVERIFY(!figures);
        QCOMPARE(figures.error(), error);
    }

    void keyRateBeyondFixedRange()
    {
        QCOMPARE(readKeyRate("99.999.999.999.999.999").error(), CalcError::OutOfRange);
        QCOMPARE(readKeyRate("").error(), CalcError::NotANumber);
    }

    void dateSpan_data()
    {
        QTest::addColumn<QString>("secondsPerWu");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("withCpu");
        QTest::addColumn<QString>("done");
        QTest::addColumn<bool>("addDone");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("span");
        QTest::addColumn<QString>("spanWithDone");
        QTest::addColumn<int>("days"); // -999: no day count
        QTest::addColumn<bool>("doneBecomesZero");
        const QString a = "30/10/2003", b = "01/01/2004";
        // clang-format off
        QTest::newRow("one WU an hour, all day")
            << "3600" << "5" << a << b << false << "12" << false << "5" << "1536" << "(unchanged)"
            << 64 << false;
        QTest::newRow("one WU an hour, CPU hours")
            << "3600" << "5" << a << b << true << "12" << false << "5" << "320" << "(unchanged)"
            << 64 << false;
        QTest::newRow("one WU an hour, all day, done added")
            << "3600" << "5" << a << b << false << "12" << true << "5" << "1536" << "1548" << 64
            << false;
        QTest::newRow("one WU an hour, CPU hours, done added")
            << "3600" << "5" << a << b << true << "12" << true << "5" << "320" << "332" << 64
            << false;
        QTest::newRow("641.440, all day")
            << "6695,8208" << "5" << a << b << false << "0" << false << "2,69" << "825,83"
            << "(unchanged)" << 64 << false;
        QTest::newRow("641.440, CPU hours")
            << "6695,8208" << "5" << a << b << true << "0" << false << "2,69" << "172,05"
            << "(unchanged)" << 64 << false;
        QTest::newRow("CPU hours 7,5 count as 8")
            << "3600" << "7,5" << a << a << true << "0" << false << "8" << "8" << "(unchanged)" << 1
            << false;
        QTest::newRow("CPU hours 6,5 count as 6")
            << "3600" << "6,5" << a << a << true << "0" << false << "6" << "6" << "(unchanged)" << 1
            << false;
        QTest::newRow("done 12,5 adds 12")
            << "3600" << "24" << a << a << false << "12,5" << true << "24" << "24" << "36" << 1
            << false;
        QTest::newRow("done 13,5 adds 14")
            << "3600" << "24" << a << a << false << "13,5" << true << "24" << "24" << "38" << 1
            << false;
        QTest::newRow("CPU hours 24 equal all day")
            << "3600" << "24" << a << b << true << "0" << false << "24" << "1536" << "(unchanged)"
            << 64 << false;
        QTest::newRow("single blank done count becomes 0")
            << "3600" << "5" << a << b << false << " " << true << "5" << "1536" << "1536" << 64
            << true;
        QTest::newRow("empty done count becomes 0")
            << "3600" << "5" << a << b << false << "" << false << "5" << "1536" << "(unchanged)"
            << 64 << true;
        QTest::newRow("two blanks stop before the day count when added")
            << "3600" << "5" << a << b << false << "  " << true << "5" << "1536" << "(unchanged)"
            << -999 << false;
        QTest::newRow("end one day before the start")
            << "3600" << "5" << "10/06/2004" << "09/06/2004" << false << "7" << true << "5" << "0"
            << "7" << 0 << false;
        QTest::newRow("end further back")
            << "3600" << "5" << "10/06/2004" << "01/06/2004" << false << "0" << false << "5"
            << "-192" << "(unchanged)" << -8 << false;
        QTest::newRow("unreadable date writes only the amount")
            << "3600" << "5" << "x" << b << false << "0" << false << "5" << "(unchanged)"
            << "(unchanged)" << -999 << false;
        QTest::newRow("no time yet changes nothing")
            << "0" << "5" << a << b << false << "" << true << "(unchanged)" << "(unchanged)"
            << "(unchanged)" << -999 << false;
        QTest::newRow("CPU hours not a number change nothing")
            << "3600" << "five" << a << b << false << "0" << false << "(unchanged)" << "(unchanged)"
            << "(unchanged)" << -999 << false;
        QTest::newRow("CPU hours beyond 32 bits change nothing")
            << "3600" << "3000000000" << a << b << false << "0" << false << "(unchanged)"
            << "(unchanged)" << "(unchanged)" << -999 << false;
        // clang-format on
    }

    void dateSpan()
    {
        QFETCH(QString, secondsPerWu);
        QFETCH(QString, cpu);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, withCpu);
        QFETCH(QString, done);
        QFETCH(bool, addDone);
        QFETCH(QString, amount);
        QFETCH(QString, span);
        QFETCH(QString, spanWithDone);
        QFETCH(int, days);
        QFETCH(bool, doneBecomesZero);
        DateSpanInputs inputs{fixed(secondsPerWu.toStdString().c_str()),
                              cpu.toStdString(),
                              start.toStdString(),
                              end.toStdString(),
                              withCpu,
                              done.toStdString(),
                              addDone};
        DateSpanFigures figures = computeDateSpan(inputs);
        QCOMPARE(optionalText(figures.amount), amount);
        QCOMPARE(optionalText(figures.span), span);
        QCOMPARE(figures.doneBecomesZero, doneBecomesZero);
        QCOMPARE(optionalText(figures.spanWithDone), spanWithDone);
        QCOMPARE(figures.days.value_or(-999), days);
        QCOMPARE(figures.complete(), days != -999);
    }

    void dayCountCaption()
    {
        QCOMPARE(QString::fromStdString(veltrane::dayCountCaption(64)), "WU's after 64 days");
        QCOMPARE(QString::fromStdString(veltrane::dayCountCaption(-8)), "WU's after -8 days");
    }

    void buffInSentence_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("withCpu");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<qint64>("secondsUnits");
        QTest::addColumn<QString>("sentence");
        // clang-format off
        QTest::newRow("1000 WU's at 641.440, all day")
            << 1000 << "641.440" << false << "5" << qint64(66958208032LL)
            << "It's gonna take 2 Months 3 Weeks 0 Days 11:57:01 (or 77 Days 11:57:01) for 1000 " "Wu's @ 641.440 keys/sec, if the pc is running 24 on 24";
        QTest::newRow("1000 WU's at 641,440, 12 CPU hours")
            << 1000 << "641,440" << true << "12" << qint64(133916416064LL)
            << "It's gonna take 5 Months 2 Weeks 0 Days 23:54:02 (or 154 Days 23:54:02) for 1000 " "Wu's @ 641,440 keys/sec, if the pc is running 12 hours a day!";
        QTest::newRow("24 CPU hours equal all day")
            << 1000 << "641440" << true << "24" << qint64(66958208032LL)
            << "It's gonna take 2 Months 3 Weeks 0 Days 11:57:01 (or 77 Days 11:57:01) for 1000 " "Wu's @ 641440 keys/sec, if the pc is running 24 hours a day!";
        QTest::newRow("beyond 68 years needs no refusal")
            << 100000 << "10.000" << false << "" << qint64(429496729600000LL)
            << "It's gonna take 17753 Months 2 Weeks 4 Days 16:42:40 (or 497102 Days 16:42:40) " "for 100000 Wu's @ 10.000 keys/sec, if the pc is running 24 on 24";
        QTest::newRow("negative CPU hours pass on")
            << 10 << "10.000" << true << "-24" << qint64(-42949672960LL)
            << "It's gonna take -1 Months 3 Weeks 0 Days 17:02:47 (or -49 Days 17:02:47) for 10 " "Wu's @ " "10.000 keys/sec, if the pc is running -24 hours a day!";
        // clang-format on
    }

    void buffInSentence()
    {
        QFETCH(int, count);
        QFETCH(QString, keys);
        QFETCH(bool, withCpu);
        QFETCH(QString, cpu);
        QFETCH(qint64, secondsUnits);
        QFETCH(QString, sentence);
        BuffInInputs inputs{count, *readBuffInKeyRate(keys.toStdString()), keys.toStdString(),
                            withCpu, cpu.toStdString()};
        QCOMPARE(buffInWorkingTime(inputs)->units(), secondsUnits);
        QCOMPARE(QString::fromStdString(*veltrane::buffInSentence(inputs)), sentence);
    }

    void buffInRefusals_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("withCpu");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<veltrane::CalcError>("error");
        // clang-format off
        QTest::newRow("CPU hours read as 0") << 1000 << true << "0,4" << CalcError::ZeroCpuHours;
        QTest::newRow("CPU hours not a number") << 1000 << true << "x" << CalcError::NotANumber;
        QTest::newRow("CPU hours beyond the range")
            << 1000 << true << "2147483648" << CalcError::OutOfRange;
        QTest::newRow("working time beyond the range")
            << 2147483647 << true << "1" << CalcError::OutOfRange;
        // clang-format on
    }

    void buffInRefusals()
    {
        QFETCH(int, count);
        QFETCH(bool, withCpu);
        QFETCH(QString, cpu);
        QFETCH(veltrane::CalcError, error);
        BuffInInputs inputs{count, 10000, "10.000", withCpu, cpu.toStdString()};
        QCOMPARE(veltrane::buffInSentence(inputs).error(), error);
    }

    void buffInChecks_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<veltrane::BuffInOutcome>("outcome");
        QTest::addColumn<bool>("raised");
        QTest::addColumn<int>("wuCount");
        using O = BuffInOutcome;
        // clang-format off
        QTest::newRow("accepted") << "1000" << "641.440" << "12" << O::Accepted << false << 1000;
        QTest::newRow("the smallest buffer itself") << "10" << "641.440" << "12" << O::Accepted << false << 10;
        QTest::newRow("one below the smallest buffer") << "9" << "641.440" << "12" << O::Accepted << true << 10;
        QTest::newRow("a negative count") << "-5" << "641.440" << "12" << O::Accepted << true << 10;
        QTest::newRow("a raised count, then zero keys") << "3" << "0" << "12" << O::ZeroKeys << true << 10;
        QTest::newRow("count not a number") << "ten" << "0" << "x" << O::CountUnreadable << false << 0;
        QTest::newRow("key rate not a number") << "1000" << "fast" << "12" << O::KeyRateUnreadable << false << 1000;
        QTest::newRow("zero keys") << "1000" << "0" << "12" << O::ZeroKeys << false << 1000;
        QTest::newRow("key rate just too low") << "1000" << "9.999" << "12" << O::KeyRateTooLow << false << 1000;
        QTest::newRow("the lowest key rate") << "1000" << "10.000" << "12" << O::Accepted << false << 1000;
        QTest::newRow("CPU hours read as 0") << "1000" << "641.440" << "0,4" << O::CpuHoursUnusable << false << 1000;
        QTest::newRow("CPU hours not a number") << "1000" << "641.440" << "x" << O::CpuHoursUnusable << false << 1000;
        // clang-format on
    }

    // The CPU hours are checked only where they count; every row counts them
    // once, then not.
    void buffInChecks()
    {
        QFETCH(QString, count);
        QFETCH(QString, keys);
        QFETCH(QString, cpu);
        QFETCH(veltrane::BuffInOutcome, outcome);
        QFETCH(bool, raised);
        QFETCH(int, wuCount);
        const BuffInCheck checked =
            checkBuffIn(count.toStdString(), keys.toStdString(), true, cpu.toStdString());
        QCOMPARE(checked.outcome, outcome);
        QCOMPARE(checked.countRaised, raised);
        if (outcome != BuffInOutcome::CountUnreadable)
            QCOMPARE(checked.inputs.wuCount, wuCount);
        if (outcome == BuffInOutcome::Accepted)
            QCOMPARE(QString::fromStdString(checked.inputs.keyRateText), keys);
        const BuffInOutcome withoutCpu =
            outcome == BuffInOutcome::CpuHoursUnusable ? BuffInOutcome::Accepted : outcome;
        QCOMPARE(
            checkBuffIn(count.toStdString(), keys.toStdString(), false, cpu.toStdString()).outcome,
            withoutCpu);
    }

    void buffInCountReading()
    {
        QCOMPARE(*readBuffInCount(" 1000,5 "), 1000);
        // Far below the range is below the smallest buffer, as -5 is.
        QCOMPARE(*readBuffInCount("-99999999999"), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(readBuffInCount("99999999999").error(), CalcError::OutOfRange);
        QCOMPARE(readBuffInCount("ten").error(), CalcError::NotANumber);
    }
};

QTEST_APPLESS_MAIN(TestRateArithmetic)
#include "tst_rate_arithmetic.moc"
