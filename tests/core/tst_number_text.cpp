// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include <QtTest>

#include <limits>

using namespace veltrane;

Q_DECLARE_METATYPE(veltrane::CalcError)

namespace {
constexpr double NotRead = -12345.678; // marks a row whose reading must fail
}

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("comma is the decimal separator") << "0,54" << 0.54;
        QTest::newRow("grouping marks are ignored") << "1.234,5" << 1234.5;
        QTest::newRow("blanks around the number") << "  12 \t" << 12.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("minus sign") << "-2,5" << -2.5;
        QTest::newRow("minus zero reads as zero") << "-0" << 0.0;
        QTest::newRow("fraction without whole part") << ",5" << 0.5;
        QTest::newRow("comma at the end") << "12," << 12.0;
        QTest::newRow("below the smallest double reads as 0")
            << QString("-0,") + QString(400, '0') + "1" << 0.0;
        QTest::newRow("empty") << "" << NotRead;
        QTest::newRow("only blanks") << "   " << NotRead;
        QTest::newRow("letters") << "12a" << NotRead;
        QTest::newRow("exponent") << "1e5" << NotRead;
        QTest::newRow("two commas") << "1,2,3" << NotRead;
        QTest::newRow("comma alone") << "," << NotRead;
        QTest::newRow("sign alone") << "-" << NotRead;
        QTest::newRow("mark after the comma") << "1,2.3" << NotRead;
        QTest::newRow("mark at the end") << "12." << NotRead;
        QTest::newRow("mark at the start") << ".5" << NotRead;
        QTest::newRow("two marks in a row") << "1..2" << NotRead;
        QTest::newRow("mark before the comma") << "1.,5" << NotRead;
        QTest::newRow("mark after the sign") << "-.5" << NotRead;
        QTest::newRow("blank inside the number") << "1 2" << NotRead;
        QTest::newRow("blank after the sign") << "- 2" << NotRead;
    }

    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        Result<double> value = veltrane::readNumber(text.toStdString());
        if (expected == NotRead) {
            QVERIFY(!value);
            QCOMPARE(value.error(), CalcError::NotANumber);
        } else {
            QVERIFY(value);
            QCOMPARE(*value, expected);
            QVERIFY(!std::signbit(*value) || *value != 0);
        }
    }

    void readNumberBeyondDouble()
    {
        std::string huge(400, '9');
        QCOMPARE(veltrane::readNumber(huge).error(), CalcError::OutOfRange);
    }

    void readWhole32_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error"); // -1 when the reading succeeds
        QTest::newRow("half rounds down to even") << "2,5" << 2 << -1;
        QTest::newRow("half rounds up to even") << "3,5" << 4 << -1;
        QTest::newRow("just above half") << "2,5000001" << 3 << -1;
        QTest::newRow("negative half to even") << "-2,5" << -2 << -1;
        QTest::newRow("negative above half") << "-7,51" << -8 << -1;
        QTest::newRow("grouped") << "1.193.046" << 1193046 << -1;
        QTest::newRow("largest") << "2147483647" << 2147483647 << -1;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL) << -1;
        QTest::newRow("rounds beyond the range")
            << "2147483647,5" << 0 << int(CalcError::OutOfRange);
        QTest::newRow("beyond the range") << "2147483648" << 0 << int(CalcError::OutOfRange);
        QTest::newRow("beyond 64 bits")
            << "99999999999999999999999" << 0 << int(CalcError::OutOfRange);
        QTest::newRow("not a number") << "abc" << 0 << int(CalcError::NotANumber);
    }

    void readWhole32()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(int, error);
        Result<std::int32_t> value = veltrane::readWhole32(text.toStdString());
        if (error < 0) {
            QVERIFY(value);
            QCOMPARE(*value, expected);
        } else {
            QVERIFY(!value);
            QCOMPARE(int(value.error()), error);
        }
    }

    void readWhole16Range()
    {
        QCOMPARE(*veltrane::readWhole16("-32768"), std::int16_t(-32768));
        QCOMPARE(veltrane::readWhole16("32768").error(), CalcError::OutOfRange);
    }

    void readFixed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::newRow("four decimals") << "6695,8208" << qint64(66958208);
        QTest::newRow("tie of the fifth decimal to even down") << "0,00005" << qint64(0);
        QTest::newRow("tie of the fifth decimal to even up") << "0,00015" << qint64(2);
        QTest::newRow("above the tie") << "0,000050001" << qint64(1);
        QTest::newRow("largest") << "922.337.203.685.477,5807" << qint64(9223372036854775807LL);
    }

    void readFixed()
    {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        Result<Fixed> value = veltrane::readFixed(text.toStdString());
        QVERIFY(value);
        QCOMPARE(value->units(), units);
    }

    void readFixedBeyondRange()
    {
        QCOMPARE(veltrane::readFixed("922337203685477,5808").error(), CalcError::OutOfRange);
        QCOMPARE(veltrane::readFixed("x").error(), CalcError::NotANumber);
    }

    void writeNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("no trailing zeros") << 12.90 << "12,9";
        QTest::newRow("whole number") << 24.0 << "24";
        QTest::newRow("fraction") << 0.54 << "0,54";
        QTest::newRow("negative") << -1193046.0 << "-1193046";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0,3";
        QTest::newRow("rounded at the 15th digit") << 2.0 / 3.0 << "0,666666666666667";
        QTest::newRow("large, no exponent") << 1.5e20 << "150000000000000000000";
        QTest::newRow("small, no exponent") << 1.5e-7 << "0,00000015";
        QTest::newRow("many digits before the comma") << 1234567890.125 << "1234567890,125";
        QTest::newRow("largest double, last digit toward zero")
            << -std::numeric_limits<double>::max()
            << QString("-179769313486231") + QString(294, '0');
    }

    void writeNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(veltrane::writeNumber(value)), text);
    }

    void writtenNumbersReadBack()
    {
        for (double value : {0.54, -12.9, 1.5e-7, 1.5e20, 825.83, 4971027.0})
            QCOMPARE(*veltrane::readNumber(veltrane::writeNumber(value)), value);
        // The nearest 15 digits of the largest doubles lie beyond them.
        for (double value :
             {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()})
            QVERIFY(veltrane::readNumber(veltrane::writeNumber(value)));
    }

    void roundToDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("exact tie to even, down") << 0.125 << 2 << 0.12;
        QTest::newRow("exact tie to even, up") << 0.375 << 2 << 0.38;
        QTest::newRow("double below its tie") << 2.675 << 2 << 2.67;
        QTest::newRow("whole tie down") << 2.5 << 0 << 2.0;
        QTest::newRow("whole tie up") << 3.5 << 0 << 4.0;
        QTest::newRow("negative tie") << -0.125 << 2 << -0.12;
        QTest::newRow("no negative zero") << -0.001 << 2 << 0.0;
        QTest::newRow("large values stay") << 1e300 << 2 << 1e300;
    }

    void roundToDecimals()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        double rounded = veltrane::roundToDecimals(value, decimals);
        QCOMPARE(rounded, expected);
        QCOMPARE(std::signbit(rounded), std::signbit(expected));
    }

    void fixedFromDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("units");
        QTest::newRow("key rate 641440") << 4294967296.0 / 641440 << qint64(66958208);
        QTest::newRow("exact tie to even, down") << 0.03125 << qint64(312);
        QTest::newRow("exact tie to even, up") << 0.09375 << qint64(938);
        QTest::newRow("negative") << -3600.0 << qint64(-36000000);
        QTest::newRow("just inside the range")
            << 922337203685477.0 << qint64(9223372036854770000LL);
    }

    void fixedFromDouble()
    {
        QFETCH(double, value);
        QFETCH(qint64, units);
        Result<Fixed> fixed = Fixed::fromDouble(value);
        QVERIFY(fixed);
        QCOMPARE(fixed->units(), units);
    }

    void fixedFromDoubleRefusesWhatDoesNotFit()
    {
        for (double value : {922337203685478.0, -1e18, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()})
            QCOMPARE(Fixed::fromDouble(value).error(), CalcError::OutOfRange);
    }

    void fixedRounding_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<qint64>("whole");
        QTest::addColumn<qint64>("thousandths");
        QTest::newRow("641.440") << qint64(66958208) << qint64(6696) << qint64(6695821);
        QTest::newRow("ties to even") << qint64(25000) << qint64(2) << qint64(2500);
        QTest::newRow("429496.7296") << qint64(4294967296LL) << qint64(429497) << qint64(429496730);
        QTest::newRow("negative ties") << qint64(-35000) << qint64(-4) << qint64(-3500);
        QTest::newRow("negative thousandth tie") << qint64(-15) << qint64(0) << qint64(-2);
    }

    void fixedRounding()
    {
        QFETCH(qint64, units);
        QFETCH(qint64, whole);
        QFETCH(qint64, thousandths);
        Fixed value = Fixed::fromUnits(units);
        QCOMPARE(value.roundedWhole(), whole);
        QCOMPARE(value.roundedThousandths(), thousandths);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
