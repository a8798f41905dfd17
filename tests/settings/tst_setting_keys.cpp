// SPDX-License-Identifier: GPL-3.0-or-later
// The stored values of the program: their defaults, and that each one reads
// back what was written for it.

#include "program/program_info.h"
#include "settings/ini_file.h"
#include "settings/setting_keys.h"
#include "support/temporary_program_folder.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace veltrane;
using veltrane::test::readBytes;
using veltrane::test::writeBytes;

Q_DECLARE_METATYPE(veltrane::SettingKey)

class TestSettingKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultThenStoredValue_data();
    void defaultThenStoredValue();
    void mathWuDoneSpellingsMeet_data();
    void mathWuDoneSpellingsMeet();

private:
    std::unique_ptr<test::TemporaryProgramFolder> m_dir;
    QString m_path;
};

void TestSettingKeys::init()
{
    m_dir = std::make_unique<test::TemporaryProgramFolder>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->settingsPath();
}

void TestSettingKeys::cleanup()
{
    m_dir.reset();
}

void TestSettingKeys::defaultThenStoredValue_data()
{
    QTest::addColumn<SettingKey>("setting");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");

    using namespace settingKeys;
    // clang-format off
    QTest::newRow("KeyRate") << KeyRate << "Calculate" << "KeyRate" << "100.358";
    QTest::newRow("CPUTime") << CPUTime << "Calculate" << "CPUTime" << "5";
    QTest::newRow("M-F StartDate") << MFStartDate << "Calculate" << "M-F StartDate" << "02/04/2004";
    QTest::newRow("M-F End Date") << MFEndDate << "Calculate" << "M-F End Date" << "11/04/2004";
    QTest::newRow("Math CPUTime") << MathCPUTime << "Calculate" << "Math CPUTime" << "1";
    QTest::newRow("Math WuDone") << MathWuDone << "Calculate" << "Math WuDone" << "1";
    QTest::newRow("Buttons") << Buttons << "Calculate" << "Buttons" << "1";
    QTest::newRow("WuDone") << WuDone << "Calculate" << "WuDone" << "0";
    QTest::newRow("ShowMs") << ShowMs << "Calculate" << "ShowMs" << "1";
    QTest::newRow("StartDate") << StartDate << "Calculate" << "StartDate" << "1";
    QTest::newRow("EndDate") << EndDate << "Calculate" << "EndDate" << "0";
    QTest::newRow("BuffTime") << BuffTime << "Calculate" << "BuffTime" << "1000";
    QTest::newRow("Themes") << Themes << "Main" << "Themes" << "0";
    QTest::newRow("Use") << Use << "Main" << "Use" << "1";
    // clang-format on
}

void TestSettingKeys::defaultThenStoredValue()
{
    QFETCH(SettingKey, setting);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);

    QCOMPARE(readSetting(setting), defaultValue);
    QVERIFY(!QFile::exists(m_path));

    writeSetting(setting, QStringLiteral("7"));
    QCOMPARE(readSetting(setting), "7");
    QCOMPARE(ReadINI(section, key, {}), "7");
}

void TestSettingKeys::mathWuDoneSpellingsMeet_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("storedBefore");
    QTest::addColumn<QByteArray>("after");

    // clang-format off
    QTest::newRow("stored in capitals is replaced in place")
        << QByteArray("[CALCULATE]\nMATH WUDONE=0\nBuffTime=9\n") << "0"
        << QByteArray("[CALCULATE]\nMATH WUDONE=5\nBuffTime=9\n");
    QTest::newRow("new key takes the write spelling")
        << QByteArray("[Calculate]\nBuffTime=9\n") << "1"
        << QByteArray("[Calculate]\nBuffTime=9\nMath WuDone=5\n");
    // clang-format on
}

void TestSettingKeys::mathWuDoneSpellingsMeet()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, storedBefore);
    QFETCH(QByteArray, after);

    QVERIFY(writeBytes(m_path, before));
    QCOMPARE(readSetting(settingKeys::MathWuDone), storedBefore);
    writeSetting(settingKeys::MathWuDone, QStringLiteral("5"));
    QCOMPARE(readBytes(m_path), after);
    QCOMPARE(readSetting(settingKeys::MathWuDone), "5");
}

QTEST_GUILESS_MAIN(TestSettingKeys)
#include "tst_setting_keys.moc"
