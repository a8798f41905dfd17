// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/group_thousands.h"
#include "core/progress_caption.h"
#include "core/version_text.h"

#include <QtTest>

using namespace veltrane;

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void groupThousands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("grouped");
        QTest::newRow("two digits") << "12"
                                    << "12";
        QTest::newRow("three digits") << "123"
                                      << "123";
        QTest::newRow("four digits") << "1234"
                                     << "1.234";
        QTest::newRow("five digits") << "12345"
                                     << "12.345";
        QTest::newRow("six digits") << "644245"
                                    << "644.245";
        QTest::newRow("seven digits") << "1193046"
                                      << "1.193.046";
        QTest::newRow("eight digits") << "15390298"
                                      << "15.390.298";
        QTest::newRow("nine digits") << "123456789"
                                     << "123.456.789";
        QTest::newRow("twelve digits") << "123456789012"
                                       << "123.456.789.012";
        QTest::newRow("thirteen digits keep three marks") << "1234567890123"
                                                          << "1234.567.890.123";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("negative seven digits") << "-1193046"
                                               << "-1.193.046";
        QTest::newRow("negative six digits") << "-193046"
                                             << "-193.046";
    }

    void groupThousands()
    {
        QFETCH(QString, text);
        QFETCH(QString, grouped);
        QCOMPARE(QString::fromStdString(GroupThousands(text.toStdString())), grouped);
    }

    void progressCaption_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::newRow("whole number") << "12"
                                      << "12 WU's 0%";
        QTest::newRow("zero") << "0"
                              << "0 WU's 0%";
        QTest::newRow("two decimals") << "12,34"
                                      << "12 WU's 34%";
        QTest::newRow("leading zero kept") << "12,05"
                                           << "12 WU's 05%";
        QTest::newRow("one decimal counts tenths") << "12,5"
                                                   << "12 WU's 50%";
        QTest::newRow("one zero decimal") << "12,0"
                                          << "12 WU's 0%";
        QTest::newRow("three decimals copied") << "1,234"
                                               << "1 WU's 234%";
        QTest::newRow("second comma stays in the fraction") << "1,2,3"
                                                            << "1 WU's 2,3%";
        QTest::newRow("empty whole part") << ",5"
                                          << " WU's 50%";
        QTest::newRow("point is no separator") << "12.5"
                                               << "12.5 WU's 0%";
        QTest::newRow("comma still being typed") << "12,"
                                                 << "12 WU's 0%";
        QTest::newRow("one non-digit after the comma") << "12,x"
                                                       << "12 WU's 0%";
        QTest::newRow("one non-ASCII character after the comma") << "12,é"
                                                                 << "12 WU's 0%";
        QTest::newRow("negative") << "-3,7"
                                  << "-3 WU's 70%";
    }

    void progressCaption()
    {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        std::optional<std::string> text = progressCaptionText(field.toStdString());
        QVERIFY(text);
        QCOMPARE(QString::fromStdString(*text), caption);
    }

    void emptyFieldLeavesTheCaption() { QVERIFY(!progressCaptionText("")); }

    void versionAndTitle()
    {
        QCOMPARE(QString::fromStdString(VersionText()), "1.13 Build3");
        QCOMPARE(QString::fromStdString(VersionText(1, 5, 0)), "1.5 Build0");
        QCOMPARE(QString::fromStdString(TitleText()), "Veltrane    [1.13 Build3]");
    }
};

QTEST_APPLESS_MAIN(TestCaptions)
#include "tst_captions.moc"
