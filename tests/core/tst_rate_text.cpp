// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rate_text.h"

#include <QtTest>

using namespace veltrane;

Q_DECLARE_METATYPE(veltrane::RateTextError)

class TestRateText : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qulonglong>("keys");
        // clang-format off
        QTest::newRow("window points") << QByteArray("2.296.988") << 2296988ull;
        QTest::newRow("window, any group size") << QByteArray("64.14.40") << 641440ull;
        QTest::newRow("blanks around") << QByteArray("  641440\t") << 641440ull;
        QTest::newRow("client bracketed") << QByteArray("[2,296,988 keys/sec]") << 2296988ull;
        QTest::newRow("client, blanks inside brackets") << QByteArray("[ 2,296,988 keys/sec ]") << 2296988ull;
        QTest::newRow("client, Keys/Sec in capitals") << QByteArray("2,296,988 Keys/Sec") << 2296988ull;
        QTest::newRow("one key/s") << QByteArray("1 key/s") << 1ull;
        QTest::newRow("no-break space groups") << QByteArray("2\xC2\xA0" "296\xC2\xA0" "988") << 2296988ull;
        QTest::newRow("prefix apart from keys") << QByteArray("40 G keys/s") << 40000000000ull;
        QTest::newRow("lower-case k") << QByteArray("750k") << 750000ull;
        QTest::newRow("upper-case K") << QByteArray("750K") << 750000ull;
        QTest::newRow("decimals that end in zeros") << QByteArray("1.50000000000G") << 1500000000ull;
        QTest::newRow("leading zeros") << QByteArray("007") << 7ull;
        QTest::newRow("10^15") << QByteArray("1,000,000,000,000,000 keys/s") << 1000000000000000ull;
        // clang-format on
    }
    void reading()
    {
        QFETCH(QByteArray, text);
        QFETCH(qulonglong, keys);
        Result<std::uint64_t, RateTextError> rate = readRateText(text.toStdString());
        QVERIFY(rate);
        QCOMPARE(qulonglong(*rate), keys);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<RateTextError>("error");
        // clang-format off
        QTest::newRow("empty") << QByteArray("") << RateTextError::NotARate;
        QTest::newRow("only a unit") << QByteArray("Gkeys/s") << RateTextError::NotARate;
        QTest::newRow("unclosed bracket") << QByteArray("[2,296,988 keys/sec") << RateTextError::NotARate;
        QTest::newRow("mark first") << QByteArray(".5") << RateTextError::NotARate;
        QTest::newRow("two marks") << QByteArray("2..296") << RateTextError::NotARate;
        QTest::newRow("blank before two digits") << QByteArray("2 29") << RateTextError::NotARate;
        QTest::newRow("blank before four digits") << QByteArray("2 2960") << RateTextError::NotARate;
        QTest::newRow("comma groups two digits with a unit") << QByteArray("1,50G") << RateTextError::NotARate;
        QTest::newRow("two decimal points") << QByteArray("1.5.0G") << RateTextError::NotARate;
        QTest::newRow("milli is no unit") << QByteArray("5m") << RateTextError::NotARate;
        QTest::newRow("keys per minute") << QByteArray("5 keys/min") << RateTextError::NotARate;
        QTest::newRow("plus sign") << QByteArray("+5") << RateTextError::NotARate;
        QTest::newRow("zero") << QByteArray("0 keys/s") << RateTextError::ZeroOrBelow;
        QTest::newRow("zero with a unit") << QByteArray("0.0G") << RateTextError::ZeroOrBelow;
        QTest::newRow("negative") << QByteArray("-2.296.988") << RateTextError::ZeroOrBelow;
        QTest::newRow("negative nonsense") << QByteArray("-x") << RateTextError::NotARate;
        QTest::newRow("one above 10^15") << QByteArray("1000000000000001") << RateTextError::TooLarge;
        QTest::newRow("forty digits") << QByteArray("1234567890123456789012345678901234567890") << RateTextError::TooLarge;
        QTest::newRow("half a key") << QByteArray("1.0005k") << RateTextError::FractionOfAKey;
        // clang-format on
    }
    void refusals()
    {
        QFETCH(QByteArray, text);
        QFETCH(RateTextError, error);
        Result<std::uint64_t, RateTextError> rate = readRateText(text.toStdString());
        QVERIFY(!rate);
        QCOMPARE(rate.error(), error);
    }

    void lastRateInALog_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QByteArray>("found");
        // clang-format off
        QTest::newRow("last of two") << QByteArray("[1,000 keys/sec]\n[2,000 keys/sec]\n") << QByteArray("2,000 keys/sec");
        QTest::newRow("a zero rate counts") << QByteArray("[1,000 keys/sec] [0 keys/sec]") << QByteArray("0 keys/sec");
        QTest::newRow("an unreadable last one is passed over") << QByteArray("[1,000 keys/sec] monkeys/s") << QByteArray("1,000 keys/sec");
        QTest::newRow("with a unit prefix") << QByteArray("rate 5.04 Mkeys/sec.") << QByteArray("5.04 Mkeys/sec");
        QTest::newRow("time and rate apart") << QByteArray("0.00:00:16.02 2 296 988 keys/sec") << QByteArray("2 296 988 keys/sec");
        QTest::newRow("none") << QByteArray("RC5-72: Benchmark for core #4") << QByteArray();
        QTest::newRow("digits beyond any rate") << (QByteArray(100, '9') + " keys/s") << QByteArray();
        // clang-format on
    }
    void lastRateInALog()
    {
        QFETCH(QByteArray, log);
        QFETCH(QByteArray, found);
        std::optional<std::string> text = lastRateTextIn(log.toStdString());
        QCOMPARE(QByteArray(text ? text->c_str() : ""), found);
    }

    void writtenRatesReadBack_data()
    {
        QTest::addColumn<qulonglong>("keys");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("unit");
        QTest::newRow("1") << 1ull << "1"
                           << "1 keys/s";
        QTest::newRow("2296988") << 2296988ull << "2.296.988"
                                 << "2.296988 Mkeys/s";
        QTest::newRow("40 G") << 40000000000ull << "40.000.000.000"
                              << "40 Gkeys/s";
        QTest::newRow("10^15") << 1000000000000000ull << "1.000.000.000.000.000"
                               << "1,000 Tkeys/s";
    }
    void writtenRatesReadBack()
    {
        QFETCH(qulonglong, keys);
        QFETCH(QString, window);
        QFETCH(QString, unit);
        QCOMPARE(QString::fromStdString(windowRateText(keys)), window);
        QCOMPARE(QString::fromStdString(unitRateText(keys)), unit);
        QCOMPARE(qulonglong(*readRateText(windowRateText(keys))), keys);
        QCOMPARE(qulonglong(*readRateText(unitRateText(keys))), keys);
    }
};

QTEST_APPLESS_MAIN(TestRateText)
#include "tst_rate_text.moc"
