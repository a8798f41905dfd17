// SPDX-License-Identifier: GPL-3.0-or-later
// veltrane-cli run as a process of its own: every option, every form of a
// key rate, the refusals, and the figures against a decimal reference.
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run cli(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(VELTRANE_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        run.err = "did not finish";
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The value after "label:" in the lines for a person.
QString line(const QByteArray& out, const QString& label)
{
    for (const QString& text : QString::fromUtf8(out).split(u'\n'))
        if (text.startsWith(label + u':'))
            return text.mid(label.size() + 1).trimmed();
    return QStringLiteral("(no line %1)").arg(label);
}

// The text of a JSON member as printed, without parsing it into a double.
QString member(const QByteArray& out, const QString& name)
{
    QRegularExpression pattern(u'"' + name + QStringLiteral("\": ([^,\\n]*)"));
    QRegularExpressionMatch match = pattern.match(QString::fromUtf8(out));
    return match.hasMatch() ? match.captured(1) : QStringLiteral("(no member %1)").arg(name);
}

QString isoDate(QDate date)
{
    return date.toString(Qt::ISODate);
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void figuresAreExactToTheLastDigit_data();
    void figuresAreExactToTheLastDigit();
    void readsEveryFormOfAKeyRate_data();
    void readsEveryFormOfAKeyRate();
    void answersEveryOption_data();
    void answersEveryOption();
    void bufferRunsEmptyFromNow();
    void targetCountsFromToday();
    void takesTheLastRateOfAClientLog_data();
    void takesTheLastRateOfAClientLog();
    void summaryIsTheWindowsClipboardText();
    void refusesWithOneLineAndStatus2_data();
    void refusesWithOneLineAndStatus2();
    void helpAndVersion();
    void linksNoQt();
    void manualPageHasNoWarnings();
    void bashCompletionOffersTheOptions();
};

void CliTest::figuresAreExactToTheLastDigit_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("perHour");
    QTest::addColumn<QString>("perDay");
    QTest::addColumn<QString>("shownSeconds");
    QTest::addColumn<QString>("shownPerHour");
    QTest::addColumn<QString>("shownPerDay");
    // Made by exact_reference.py: 50-digit decimal arithmetic, rounded as
    // the program writes its figures.
#define ROW(rate, seconds, perHour, perDay, shownSeconds, shownPerHour, shownPerDay)               \
    QTest::newRow(#rate " keys/s") << QString::number(qint64(rate)) << QString(seconds)            \
                                   << QString(perHour) << QString(perDay) << QString(shownSeconds) \
                                   << QString(shownPerHour) << QString(shownPerDay)
    // clang-format off
    ROW(1, "4294967296", "0.000000838190317153931", "0.0000201165676116943", "4.294.967.296", "0,000000838", "0,0000201");
    ROW(2, "2147483648", "0.00000167638063430786", "0.0000402331352233887", "2.147.483.648", "0,00000168", "0,0000402");
    ROW(3, "1431655765.33333", "0.00000251457095146179", "0.000060349702835083", "1.431.655.765,333", "0,00000251", "0,0000603");
    ROW(7, "613566756.571429", "0.00000586733222007751", "0.00014081597328186", "613.566.756,571", "0,00000587", "0,000141");
    ROW(10, "429496729.6", "0.00000838190317153931", "0.000201165676116943", "429.496.729,6", "0,00000838", "0,000201");
    ROW(999, "4299266.56256256", "0.000837352126836777", "0.0200964510440826", "4.299.266,563", "0,000837", "0,0201");
    ROW(9999, "429539.683568357", "0.00838106498122215", "0.201145559549332", "429.539,684", "0,00838", "0,201");
    ROW(10000, "429496.7296", "0.00838190317153931", "0.201165676116943", "429.496,73", "0,00838", "0,201");
    ROW(100358, "42796.461627374", "0.0841191038489342", "2.01885849237442", "42.796,462", "0,0841", "2,02");
    ROW(641440, "6695.82080319282", "0.537648797035217", "12.9035711288452", "6.695,821", "0,538", "12,9");
    ROW(2296988, "1869.82574397428", "1.92531310021877", "46.2075144052505", "1.869,826", "1,93", "46,21");
    ROW(5040000, "852.176050793651", "4.22447919845581", "101.387500762939", "852,176", "4,22", "101,39");
    ROW(123456789, "34.789235414182", "103.480285126716", "2483.52684304118", "34,789", "103,48", "2.483,53");
    ROW(4294967296, "1", "3600", "86400", "1", "3.600", "86.400");
    ROW(1500000000, "2.86331153066667", "1257.2854757309", "30174.8514175415", "2,863", "1.257,29", "30.174,85");
    ROW(40000000000, "0.1073741824", "33527.6126861572", "804662.704467773", "0,107", "33.527,61", "804.662,7");
    ROW(68719476736, "0.0625", "57600", "1382400", "0,0625", "57.600", "1.382.400");
    ROW(188743680000, "0.0227555555555556", "158203.125", "3796875", "0,0228", "158.203,12", "3.796.875");
    ROW(1000000000000, "0.004294967296", "838190.317153931", "20116567.6116943", "0,00429", "838.190,32", "20.116.567,61");
    ROW(9999999999999, "0.000429496729600043", "8381903.17153847", "201165676.116923", "0,000429", "8.381.903,17", "201.165.676,12");
    ROW(10000000000000, "0.0004294967296", "8381903.17153931", "201165676.116943", "0,000429", "8.381.903,17", "201.165.676,12");
    ROW(85899345920000, "0.00005", "72000000", "1728000000", "0,00005", "72.000.000", "1.728.000.000");
    ROW(123456789012345, "0.0000347892354107033", "103480285.137063", "2483526843.28952", "0,0000348", "103.480.285,14", "2.483.526.843,29");
    ROW(999999999999999, "0.000004294967296", "838190317.15393", "20116567611.6943", "0,00000429", "838.190.317,15", "20.116.567.611,69");
    ROW(1000000000000000, "0.000004294967296", "838190317.153931", "20116567611.6943", "0,00000429", "838.190.317,15", "20.116.567.611,69");
    ROW(371, "11576731.2560647", "0.000310968607664108", "0.0074632465839386", "11.576.731,256", "0,000311", "0,00746");
    ROW(7688, "558658.597294485", "0.00644400715827942", "0.154656171798706", "558.658,597", "0,00644", "0,155");
    ROW(62978, "68197.8992028962", "0.0527875497937202", "1.26690119504929", "68.197,899", "0,0528", "1,27");
    ROW(298775, "14375.2566178562", "0.250430312007666", "6.01032748818398", "14.375,257", "0,25", "6,01");
    ROW(6995305, "613.978560763255", "5.86339691653848", "140.721525996923", "613,979", "5,86", "140,72");
    ROW(30419735, "141.190161452754", "25.4975273273885", "611.940655857325", "141,19", "25,5", "611,94");
    ROW(479704104, "8.95336783693641", "402.083335071802", "9650.00004172325", "8,953", "402,08", "9.650");
    ROW(4320108263, "0.994180477555314", "3621.07291510329", "86905.7499624789", "0,994", "3.621,07", "86.905,75");
    ROW(93862802087, "0.0457579275336257", "78674.8918502592", "1888197.40440622", "0,0458", "78.674,89", "1.888.197,4");
    ROW(177048989075, "0.024258637784035", "148400.748304557", "3561617.95930937", "0,0243", "148.400,75", "3.561.617,96");
    ROW(286521569543, "0.0149900313014844", "240159.605246689", "5763830.52592054", "0,015", "240.159,61", "5.763.830,53");
    ROW(42508565204484, "0.00010103769147087", "35630267.750505", "855126426.01212", "0,000101", "35.630.267,75", "855.126.426,01");
    ROW(377247657493651, "0.0000113850071980163", "316205333.680181", "7588928008.32434", "0,0000114", "316.205.333,68", "7.588.928.008,32");
    // clang-format on
#undef ROW
}

void CliTest::figuresAreExactToTheLastDigit()
{
    QFETCH(QString, rate);
    QFETCH(QString, seconds);
    QFETCH(QString, perHour);
    QFETCH(QString, perDay);
    QFETCH(QString, shownSeconds);
    QFETCH(QString, shownPerHour);
    QFETCH(QString, shownPerDay);

    const Run json = cli({rate, QStringLiteral("--json")});
    QCOMPARE(json.exitCode, 0);
    QCOMPARE(member(json.out, QStringLiteral("key_rate")), rate);
    QCOMPARE(member(json.out, QStringLiteral("seconds_per_wu")), seconds);
    QCOMPARE(member(json.out, QStringLiteral("wus_per_hour")), perHour);
    QCOMPARE(member(json.out, QStringLiteral("wus_per_day")), perDay);

    const Run person = cli({rate});
    QCOMPARE(person.exitCode, 0);
    QCOMPARE(line(person.out, QStringLiteral("Time of 1 WU")).section(u' ', 0, 0), shownSeconds);
    QCOMPARE(line(person.out, QStringLiteral("WU's per hour")), shownPerHour);
    QCOMPARE(line(person.out, QStringLiteral("WU's per day")), shownPerDay);
}

void CliTest::readsEveryFormOfAKeyRate_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("keyRate");
    const QString nbsp = QString(QChar(0x00A0));
    const QString narrow = QString(QChar(0x202F));
    // clang-format off
    QTest::newRow("window, points") << QStringList{"2.296.988"} << "2296988";
    QTest::newRow("window, commas") << QStringList{"641,440"} << "641440";
    QTest::newRow("window, plain") << QStringList{"641440"} << "641440";
    QTest::newRow("window, every mark groups") << QStringList{"641440,5"} << "6414405";
    QTest::newRow("client benchmark, bracketed") << QStringList{"[2,296,988 keys/sec]"} << "2296988";
    QTest::newRow("client, keys/s") << QStringList{"2,296,988 keys/s"} << "2296988";
    QTest::newRow("client, blanks") << QStringList{"2 296 988 keys/sec"} << "2296988";
    QTest::newRow("client, no-break spaces") << QStringList{"2" + nbsp + "296" + nbsp + "988"} << "2296988";
    QTest::newRow("client, narrow no-break spaces") << QStringList{"2" + narrow + "296" + narrow + "988 keys/s"} << "2296988";
    QTest::newRow("unit G with keys/s") << QStringList{"40 Gkeys/s"} << "40000000000";
    QTest::newRow("unit M with decimals") << QStringList{"5.04 Mkeys/sec"} << "5040000";
    QTest::newRow("unit M alone") << QStringList{"750M"} << "750000000";
    QTest::newRow("unit G, decimal point") << QStringList{"1.5G"} << "1500000000";
    QTest::newRow("unit T") << QStringList{"2T"} << "2000000000000";
    QTest::newRow("unit k, comma groups") << QStringList{"1,500.5k"} << "1500500";
    QTest::newRow("largest rate") << QStringList{"1000T"} << "1000000000000000";
    QTest::newRow("unit in its own argument") << QStringList{"40", "Gkeys/s"} << "40000000000";
    QTest::newRow("benchmark rate unquoted") << QStringList{"[2,296,988", "keys/sec]"} << "2296988";
    QTest::newRow("rates add up") << QStringList{"40G", "1.5G", "750M"} << "42250000000";
    QTest::newRow("times a rate") << QStringList{"2.296.988", "--times", "16"} << "36751808";
    QTest::newRow("rate after --") << QStringList{"--json", "--", "2T"} << "2000000000000";
    // clang-format on
}

void CliTest::readsEveryFormOfAKeyRate()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, keyRate);
    if (!arguments.contains(u"--json"))
        arguments.prepend(QStringLiteral("--json"));
    const Run run = cli(arguments);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(member(run.out, QStringLiteral("key_rate")), keyRate);
}

void CliTest::answersEveryOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    // clang-format off
    QTest::newRow("key rate grouped")
        << QStringList{"40G", "1.5G", "--times", "2"} << "Key rate" << "83.000.000.000 keys/s (2 rates added up, times 2)";
    QTest::newRow("time of a WU with its clock")
        << QStringList{"641.440"} << "Time of 1 WU" << "6.695,821 s (1:51:35,821)";
    QTest::newRow("hours")
        << QStringList{"40G", "--hours", "8"} << "WU's in 8 hours" << "268.220,9";
    QTest::newRow("hours with a decimal comma")
        << QStringList{"40G", "--hours", "7,5"} << "WU's in 7,5 hours" << "251.457,1";
    QTest::newRow("span in a leap year")
        << QStringList{"40G", "--from", "2028-01-01", "--to", "31/12/2028"} << "Span" << "2028-01-01 to 2028-12-31, 366 days";
    QTest::newRow("span figure")
        << QStringList{"40G", "--from", "2028-01-01", "--to", "31/12/2028"} << "WU's in the span" << "294.506.549,84";
    QTest::newRow("span over 29 February")
        << QStringList{"1", "--from", "28/02/2028", "--to", "01/03/2028"} << "Span" << "2028-02-28 to 2028-03-01, 3 days";
    QTest::newRow("span with hours and done")
        << QStringList{"4294967296", "--hours", "6", "--from", "2027-01-01", "--to", "2027-01-10", "--done", "12"}
        << "WU's in the span" << "216.012 (6 hours a day, 12 done)";
    QTest::newRow("buffer")
        << QStringList{"641.440", "--buffer", "1000"} << "1.000 WU's last" << "11 weeks 0 days 11:57:01";
    QTest::newRow("buffer at 12 hours a day")
        << QStringList{"4294967296", "--buffer", "86400", "--hours", "12"} << "86.400 WU's last" << "0 weeks 2 days 0:00:00 (12 hours a day)";
    QTest::newRow("last, rounded up")
        << QStringList{"2296988", "--last", "7"} << "Buffer for 7 days" << "324 WU's";
    QTest::newRow("target from a date")
        << QStringList{"2296988", "--target", "1000", "--from", "2027-01-01"} << "1.000 WU's reached" << "on 2027-01-22, day 22 from 2027-01-01";
    QTest::newRow("target with done")
        << QStringList{"4294967296", "--target", "20000", "--done", "2000", "--from", "2027-12-31", "--hours", "1"}
        << "20.000 WU's reached" << "on 2028-01-04, day 5 from 2027-12-31 (1 hours a day, 2.000 done)";
    QTest::newRow("target already reached")
        << QStringList{"1", "--target", "10", "--done", "10", "--from", "2027-01-01"} << "10 WU's reached" << "already, on 2027-01-01 (10 done)";
    // clang-format on
}

void CliTest::answersEveryOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, label);
    QFETCH(QString, value);
    const Run run = cli(arguments);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(run.err.isEmpty());
    QCOMPARE(line(run.out, label), value);
}

void CliTest::bufferRunsEmptyFromNow()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const Run run = cli({QStringLiteral("641.440"), QStringLiteral("--buffer"),
                         QStringLiteral("1000"), QStringLiteral("--json")});
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(member(run.out, QStringLiteral("seconds")), QStringLiteral("6695820.80319282"));
    QString emptyAt = member(run.out, QStringLiteral("empty_at"));
    emptyAt = emptyAt.mid(1, emptyAt.size() - 2);
    const QDateTime empty = QDateTime::fromString(emptyAt, Qt::ISODate);
    QVERIFY2(empty.isValid(), qPrintable(emptyAt));
    QVERIFY(empty >= before.addSecs(6695821) && empty <= after.addSecs(6695821));
    // Local time, as the person reads a clock there.
    QCOMPARE(empty.offsetFromUtc(), QDateTime::currentDateTime().offsetFromUtc());
}

void CliTest::targetCountsFromToday()
{
    const QDate today = QDate::currentDate();
    // One work unit a second, one hour a day: 3.600 work units a day.
    const Run run =
        cli({QStringLiteral("4294967296"), QStringLiteral("--hours"), QStringLiteral("1"),
             QStringLiteral("--target"), QStringLiteral("10800"), QStringLiteral("--json")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(member(run.out, QStringLiteral("days")), QStringLiteral("3"));
    const QString date = member(run.out, QStringLiteral("date"));
    // Around midnight the program may have seen the day before the test.
    QVERIFY2(date == u'"' + isoDate(today.addDays(2)) + u'"' ||
                 date == u'"' + isoDate(today.addDays(1)) + u'"',
             qPrintable(date));
}

void CliTest::takesTheLastRateOfAClientLog_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("keyRate");
    QTest::newRow("benchmark of two cores")
        << QByteArray("RC5-72: Benchmark for core #3 (GO 2-pipe)\n"
                      "        0.00:00:16.02 [2,101,460 keys/sec]\n"
                      "RC5-72: Benchmark for core #4 (KBE-64 3-pipe)\n"
                      "        0.00:00:16.02 [2,296,988 keys/sec]\n")
        << "2296988";
    QTest::newRow("a later line without a rate")
        << QByteArray("0.00:00:16.02 [2,296,988 keys/sec]\r\n"
                      "[Dec 11 10:00:00 UTC] RC5-72: 4 packets remain in buff-in\r\n")
        << "2296988";
    QTest::newRow("rate with a unit, after a time")
        << QByteArray("Completed in 0.00:01:30.12 - 5.04 Mkeys/sec\n") << "5040000";
    QTest::newRow("time right before the rate")
        << QByteArray("0.00:00:16.02 2 296 988 keys/sec\n") << "2296988";
}

void CliTest::takesTheLastRateOfAClientLog()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, keyRate);
    const Run fromInput =
        cli({QStringLiteral("--rates-from"), QStringLiteral("-"), QStringLiteral("--json")}, log);
    QVERIFY2(fromInput.exitCode == 0, fromInput.err.constData());
    QCOMPARE(member(fromInput.out, QStringLiteral("key_rate")), keyRate);

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("dnetc.log")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(log);
    file.close();
    const Run fromFile = cli({QStringLiteral("--rates-from"), file.fileName(),
                              QStringLiteral("--json"), QStringLiteral("1")});
    QVERIFY2(fromFile.exitCode == 0, fromFile.err.constData());
    QCOMPARE(member(fromFile.out, QStringLiteral("key_rate")),
             QString::number(keyRate.toLongLong() + 1));
}

void CliTest::summaryIsTheWindowsClipboardText()
{
    // The window's figures for its own example inputs, CR LF and no line
    // break at the end.
    const Run run =
        cli({QStringLiteral("641.440"), QStringLiteral("--hours"), QStringLiteral("5"),
             QStringLiteral("--from"), QStringLiteral("30/10/2003"), QStringLiteral("--to"),
             QStringLiteral("2004-01-01"), QStringLiteral("--done"), QStringLiteral("12"),
             QStringLiteral("--summary")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(run.out,
             QByteArray("With a rate of 641.440 keys/sec, it takes 1:51:36 for 1 WU, after a hour "
                        "he/she's got 0 WU's 54% and after a day he/she got 12 WU's 90%. If the "
                        "pc is running 5 hours/day then he/she got 2,69 WU's\r\n"
                        "If he/she started on 30/10/2003, ended on 01/01/2004 and Buff-out "
                        "contains 12 WU's, then he/she got 184,05 WU's (if the pc is running 5 "
                        "hours each day)"));

    const Run json =
        cli({QStringLiteral("641.440"), QStringLiteral("--from"), QStringLiteral("30/10/2003"),
             QStringLiteral("--to"), QStringLiteral("01/01/2004"), QStringLiteral("--summary"),
             QStringLiteral("--ms"), QStringLiteral("--json")});
    QVERIFY2(json.exitCode == 0, json.err.constData());
    QVERIFY2(json.out.contains("\"summary\": \"With a rate of 641.440 keys/sec, it takes "
                               "1:51:35:821 for 1 WU"),
             json.out.constData());
    QVERIFY(json.out.contains("WU's\\r\\nIf he/she started on 30/10/2003"));
}

void CliTest::refusesWithOneLineAndStatus2_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("no rate") << QStringList{"--json"} << "veltrane-cli: RATE: no key rate given";
    QTest::newRow("zero") << QStringList{"0"} << "veltrane-cli: RATE '0': a key rate must be above 0";
    QTest::newRow("negative") << QStringList{"-5"} << "veltrane-cli: RATE '-5': a key rate must be above 0";
    QTest::newRow("letters") << QStringList{"fast"} << "veltrane-cli: RATE 'fast': not a key rate; give keys per second, as 2.296.988";
    QTest::newRow("exponent") << QStringList{"4e10"} << "RATE '4e10': not a key rate";
    QTest::newRow("blank parts two numbers") << QStringList{"40 50"} << "RATE '40 50': not a key rate";
    QTest::newRow("mark at the end") << QStringList{"2.296."} << "RATE '2.296.': not a key rate";
    QTest::newRow("unknown unit") << QStringList{"5 Pkeys/s"} << "RATE '5 Pkeys/s': not a key rate";
    QTest::newRow("fraction of a key") << QStringList{"1.2345k"} << "RATE '1.2345k': keys come whole";
    QTest::newRow("above 10^15") << QStringList{"1000000000000001"} << "RATE '1000000000000001': a key rate must be at most 10^15";
    QTest::newRow("sum above 10^15") << QStringList{"999T", "2T"} << "RATE: the rates add up to more than 10^15";
    QTest::newRow("times 0") << QStringList{"1", "--times", "0"} << "--times '0': how many crunchers: a whole number from 1";
    QTest::newRow("times beyond 10^15") << QStringList{"2T", "--times", "501"} << "--times '501': the key rate times this is more than 10^15";
    QTest::newRow("hours 0") << QStringList{"1", "--hours", "0"} << "--hours '0': CPU hours a day: above 0 and at most 24";
    QTest::newRow("hours 25") << QStringList{"1", "--hours", "25"} << "--hours '25'";
    QTest::newRow("hours 24.5") << QStringList{"1", "--hours", "24.5"} << "--hours '24.5'";
    QTest::newRow("hours, letters") << QStringList{"1", "--hours", "8h"} << "--hours '8h'";
    QTest::newRow("no such day") << QStringList{"1", "--from", "31/02/2027", "--to", "2027-03-01"} << "--from '31/02/2027': there is no such day";
    QTest::newRow("29 February of a common year") << QStringList{"1", "--from", "2027-02-29", "--to", "2027-03-01"} << "--from '2027-02-29': there is no such day";
    QTest::newRow("month 13") << QStringList{"1", "--from", "01/01/2027", "--to", "01/13/2027"} << "--to '01/13/2027': there is no such day";
    QTest::newRow("not a date") << QStringList{"1", "--from", "1.1.2027", "--to", "2027-03-01"} << "--from '1.1.2027': not a date; give dd/mm/yyyy or yyyy-mm-dd";
    QTest::newRow("year 0") << QStringList{"1", "--from", "0000-01-01", "--to", "2027-03-01"} << "--from '0000-01-01': give a year from 0001 to 9999";
    QTest::newRow("end before start") << QStringList{"1", "--from", "02/01/2027", "--to", "01/01/2027"} << "--to '01/01/2027': the span ends before it starts";
    QTest::newRow("to without from") << QStringList{"1", "--to", "01/01/2027"} << "--to '01/01/2027': needs --from";
    QTest::newRow("from alone") << QStringList{"1", "--from", "01/01/2027"} << "--from '01/01/2027': needs --to";
    QTest::newRow("done alone") << QStringList{"1", "--done", "5"} << "--done '5': is added to the span";
    QTest::newRow("done not a count") << QStringList{"1", "--done", "5,5,", "--target", "9"} << "--done '5,5,': work units already done: a whole number";
    QTest::newRow("ms without summary") << QStringList{"1", "--ms"} << "veltrane-cli: --ms: shows the time of one work unit with milliseconds in --summary";
    QTest::newRow("summary without dates") << QStringList{"641440", "--summary"} << "veltrane-cli: --summary: needs --from and --to";
    QTest::newRow("summary with a buffer") << QStringList{"641440", "--summary", "--from", "01/01/2027", "--to", "01/02/2027", "--buffer", "5"} << "veltrane-cli: --buffer: is not in the two-line summary";
    QTest::newRow("summary below the window's rates") << QStringList{"9999", "--summary", "--from", "01/01/2027", "--to", "01/02/2027"} << "--summary: the window's figures start at a key rate of 10.000";
    QTest::newRow("summary above the window's rates") << QStringList{"86T", "--summary", "--from", "01/01/2027", "--to", "01/02/2027"} << "--summary: the window's time of one work unit rounds to 0";
    QTest::newRow("summary, done beyond the window") << QStringList{"641440", "--summary", "--from", "01/01/2027", "--to", "01/02/2027", "--done", "3000000000"} << "--done '3000000000': the window adds done work units up to 2147483647";
    QTest::newRow("buffer 0") << QStringList{"1", "--buffer", "0"} << "--buffer '0': work units in the buffer: a whole number from 1";
    QTest::newRow("buffer past year 9999") << QStringList{"1", "--buffer", "1000000"} << "--buffer '1000000': lasts past the year 9999";
    QTest::newRow("last 0 days") << QStringList{"1", "--last", "0"} << "--last '0': days the buffer lasts";
    QTest::newRow("target 0") << QStringList{"1", "--target", "0"} << "--target '0': work units to reach";
    QTest::newRow("target never reached") << QStringList{"1", "--target", "1000000"} << "--target '1000000': is not reached before the year 10000";
    QTest::newRow("unknown option") << QStringList{"1", "--rate", "5"} << "veltrane-cli: unknown option '--rate'";
    QTest::newRow("option twice") << QStringList{"1", "--hours", "5", "--hours", "6"} << "veltrane-cli: --hours:";
    QTest::newRow("option without its value") << QStringList{"1", "--hours"} << "veltrane-cli: --hours";
    QTest::newRow("no such log") << QStringList{"--rates-from", "/nonexistent/dnetc.log"} << "--rates-from '/nonexistent/dnetc.log': cannot read it: No such file or directory";
    QTest::newRow("a log without rates") << QStringList{"--rates-from", "/dev/null"} << "--rates-from '/dev/null': no key rate in it";
    // clang-format on
}

void CliTest::refusesWithOneLineAndStatus2()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QVERIFY2(run.err.endsWith('\n') && run.err.count('\n') == 1, run.err.constData());
}

void CliTest::helpAndVersion()
{
    const Run help = cli({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("Usage: veltrane-cli [OPTIONS] RATE..."));
    for (const char* option : {"--rates-from", "--times", "--hours", "--from", "--to", "--done",
                               "--buffer", "--last", "--target", "--summary", "--ms", "--json"})
        QVERIFY2(help.out.contains(option), option);

    const Run version = cli({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("veltrane-cli 1.13 Build3\n"));
}

void CliTest::linksNoQt()
{
    const QString readelf = QStandardPaths::findExecutable(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        QSKIP("readelf (Debian package binutils) is not installed");
    QProcess process;
    process.start(readelf, {QStringLiteral("--dynamic"), QStringLiteral(VELTRANE_CLI)});
    QVERIFY(process.waitForFinished());
    const QByteArray needed = process.readAllStandardOutput();
    QVERIFY(needed.contains("NEEDED"));
    QVERIFY2(!needed.contains("libQt"), needed.constData());
}

void CliTest::manualPageHasNoWarnings()
{
    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    if (man.isEmpty())
        QSKIP("man (Debian package man-db) is not installed");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    process.setProcessEnvironment(environment);
    process.start(man, {QStringLiteral("--warnings"), QStringLiteral("-l"),
                        QStringLiteral(VELTRANE_MAN_PAGE)});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardError(), QByteArray());
    const QByteArray page = process.readAllStandardOutput();
    QVERIFY(page.contains("veltrane-cli"));
    QVERIFY(page.contains("--rates-from"));
}

void CliTest::bashCompletionOffersTheOptions()
{
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("-c"),
                QStringLiteral("source '%1' && COMP_WORDS=(veltrane-cli --ra) && COMP_CWORD=1 && "
                               "_veltrane_cli && echo \"${COMPREPLY[*]}\" && "
                               "COMP_WORDS=(veltrane-cli --hours 1) && COMP_CWORD=2 && "
                               "_veltrane_cli && echo \"${COMPREPLY[*]}\"")
                    .arg(QStringLiteral(VELTRANE_BASH_COMPLETION))});
    QVERIFY(bash.waitForFinished());
    QCOMPARE(bash.readAllStandardError(), QByteArray());
    QCOMPARE(bash.readAllStandardOutput(), QByteArray("--rates-from\n1 12 16\n"));
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
