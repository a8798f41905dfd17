// SPDX-License-Identifier: GPL-3.0-or-later
// The two-line summary on the clipboard, and the site link.
#include "support/main_window_fixture.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QTest>
#include <QUrl>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QByteArray ExampleSettings = "[Calculate]\nStartDate=0\nShowMs=0\nKeyRate=641.440\n"
                                   "CPUTime=5\nM-F StartDate=30/10/2003\n"
                                   "M-F End Date=01/01/2004\nWuDone=12\n";

const QString FirstLine = QStringLiteral(
    "With a rate of 641.440 keys/sec, it takes 1:51:36 for 1 WU, after a hour he/she's got "
    "0 WU's 54% and after a day he/she got 12 WU's 90%. If the pc is running 5 hours/day then "
    "he/she got 2,69 WU's");

} // namespace

// Catches the addresses the program hands to the desktop to open.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class SummaryAndLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void summaryFollowsTheCheckBoxes_data();
    void summaryFollowsTheCheckBoxes();
    void summaryQuotesFieldsAsTheyStand();
    void siteLinkOpensItsAddressAndTurnsBoldUnderThePointer();
};

void SummaryAndLinkTest::summaryFollowsTheCheckBoxes_data()
{
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<QString>("secondLine");

    // clang-format off
    QTest::newRow("neither")
        << 0 << 0
        << "If he/she started on 30/10/2003, ended on 01/01/2004, then he/she got 825,83 WU's " "(if the pc is running 24/24)";
    QTest::newRow("CPU time")
        << 0 << 1
        << "If he/she started on 30/10/2003, ended on 01/01/2004, then he/she got 172,05 WU's " "(if the pc is running 5 hours each day)";
    QTest::newRow("done")
        << 1 << 0
        << "If he/she started on 30/10/2003, ended on 01/01/2004 and Buff-out contains 12 WU's, " "then he/she got 837,83 WU's (if the pc is running 24/24)";
    QTest::newRow("greyed done")
        << 2 << 0
        << "If he/she started on 30/10/2003, ended on 01/01/2004, then he/she got 825,83 WU's " "(if the pc is running 24/24)";
    QTest::newRow("done, greyed CPU time")
        << 1 << 2
        << "If he/she started on 30/10/2003, ended on 01/01/2004 and Buff-out contains 12 WU's, " "then he/she got 837,83 WU's (if the pc is running 24/24)";
    // clang-format on
}

void SummaryAndLinkTest::summaryFollowsTheCheckBoxes()
{
    QFETCH(int, done);
    QFETCH(int, cpu);
    QFETCH(QString, secondLine);
    MainWindowFixture f;
    f.writeSettings(ExampleSettings + "Math WUDone=" + QByteArray::number(done) +
                    "\nMath CPUTime=" + QByteArray::number(cpu) + "\n");
    f.open();
    QGuiApplication::clipboard()->setText(QStringLiteral("what was there before"));
    f.click("cmd1Line");

    QCOMPARE(QGuiApplication::clipboard()->text(), FirstLine + "\r\n" + secondLine);
    QCOMPARE(f.messages.prompts(), QStringList{"Copyed to Clipboard"});
    QCOMPARE(f.messages.shown().first().icon, MsgIcon::Information);
    QCOMPARE(f.messages.shown().first().title, QStringLiteral("Veltrane"));
}

void SummaryAndLinkTest::summaryQuotesFieldsAsTheyStand()
{
    MainWindowFixture f;
    f.writeSettings(ExampleSettings + "Math WUDone=0\nMath CPUTime=0\n");
    f.open();
    // A new key rate without a new calculation: the text changes, the
    // figures beside it do not.
    f.type("txtKeys", " 1.000.000 ");
    f.type("txtEnd", "");
    f.click("cmd1Line");
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.startsWith(u"With a rate of  1.000.000  keys/sec, it takes 1:51:36 for 1 WU"));
    QVERIFY(text.contains(u", ended on , then he/she got 825,83 WU's"));
    QVERIFY(!text.endsWith(u"\n"));
    QCOMPARE(text.count(u"\r\n"), 1);
}

void SummaryAndLinkTest::siteLinkOpensItsAddressAndTurnsBoldUnderThePointer()
{
    OpenedUrls opened;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &opened, "open");
    MainWindowFixture f;
    f.open();
    Label* site = f.control<Label>("lblSite");
    QCOMPARE(site->caption(), QStringLiteral("veltrane.example.org"));

    QTest::mouseMove(site, site->rect().center());
    QTRY_VERIFY(site->isBold());
    QTest::mouseMove(f.window.get(), QPoint(300, 280)); // the empty region of the window
    QTRY_VERIFY(!site->isBold());

    f.click("lblSite");
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(opened.urls, QList<QUrl>{QUrl(QStringLiteral("http://veltrane.example.org"))});
}

QTEST_MAIN(SummaryAndLinkTest)
#include "tst_summary_and_link.moc"
