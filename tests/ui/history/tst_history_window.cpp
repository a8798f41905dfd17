// SPDX-License-Identifier: GPL-3.0-or-later
// The History window: the lines of the history file beside the program, and
// the message when there is nothing to show.
#include "support/main_window_fixture.h"
#include "ui/toolkit/multi_line_text_field.h"
#include "ui/toolkit/twips.h"

#include <QDir>
#include <QPointer>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QString Title = QStringLiteral("Veltrane    [1.13 Build3] -- History");

} // namespace

class HistoryWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheLinesOfTheFile_data();
    void showsTheLinesOfTheFile();
    void fileWithNoTextIsReported_data();
    void fileWithNoTextIsReported();
    void programWithAnotherNameReadsItsOwnFile();
    void largeFileIsShownWhole();
    void mainWindowWaitsUntilTheWindowCloses();
    void escapeClosesItAsTheCloseBoxDoes();

private:
    QWidget* openHistory()
    {
        m_main->click("cmdHistory");
        return MainWindowFixture::shownWindow("frmHistory");
    }
    void writeHistory(const QByteArray& bytes, const QString& name = "veltrane_history.txt")
    {
        writeBytes(m_main->folder.filePath(name), bytes);
    }
    static QString shownText(QWidget* window)
    {
        return MainWindowFixture::controlOf<MultiLineTextField>(window, "txtHistory")->text();
    }

    std::unique_ptr<MainWindowFixture> m_main;
};

void HistoryWindowTest::init()
{
    m_main = std::make_unique<MainWindowFixture>();
    m_main->open();
}

void HistoryWindowTest::cleanup()
{
    if (QWidget* history = MainWindowFixture::shownWindow("frmHistory"))
        history->close();
    m_main->closeWindow();
    m_main.reset();
}

void HistoryWindowTest::showsTheLinesOfTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("three lines ending in CR LF") << QByteArray("A\r\nB\r\nC\r\n") << "A\r\nB\r\nC";
    QTest::newRow("line feeds alone stay in one line") << QByteArray("A\nB\nC\n") << "A\nB\nC\n";
    QTest::newRow("carriage returns alone end lines") << QByteArray("A\rB\rC") << "A\r\nB\r\nC";
    QTest::newRow("empty lines between") << QByteArray("A\r\n\r\r\nB") << "A\r\n\r\n\r\nB";
    QTest::newRow("no line end after the last line") << QByteArray("A\r\nB") << "A\r\nB";
    QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac\r\n") << "Café €";
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbfHistory\r\n") << "History";
    QTest::newRow("Latin-1, not valid UTF-8")
        << QByteArray("Caf\xe9\r\nna\xefve\r\n") << "Café\r\nnaïve";
}

void HistoryWindowTest::showsTheLinesOfTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    writeHistory(file);
    QWidget* history = openHistory();
    QVERIFY(history);
    QCOMPARE(shownText(history), text);
    QCOMPARE(history->windowTitle(), Title);
    QCOMPARE(m_main->messages.prompts(), QStringList());

    // The text covers the whole inside of the window.
    QCOMPARE(history->frameGeometry().size(), QSize(twipsToPixels(5370), twipsToPixels(6585)));
    QCOMPARE(MainWindowFixture::controlOf<QWidget>(history, "txtHistory")->geometry(),
             history->rect());
}

void HistoryWindowTest::fileWithNoTextIsReported_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<bool>("folder");     // a folder in the file's place
    QTest::addColumn<QString>("title");   // while the message shows
    QTest::newRow("missing") << QByteArray() << false << "History";
    QTest::newRow("empty") << QByteArray("") << false << "History";
    QTest::newRow("a folder of that name") << QByteArray() << true << "History";
    // The file was read to its end, only its one line is empty.
    QTest::newRow("one empty line") << QByteArray("\r\n") << false << Title;
}

void HistoryWindowTest::fileWithNoTextIsReported()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, folder);
    QFETCH(QString, title);
    if (!file.isNull())
        writeHistory(file);
    if (folder)
        QVERIFY(QDir(m_main->folder.path()).mkdir(QStringLiteral("veltrane_history.txt")));

    QList<MessageRequest> shown;
    QString titleMeanwhile;
    bool windowShownMeanwhile = false;
    setMessageBoxHandler([&](const MessageRequest& request) {
        shown.append(request);
        if (QWidget* history = MainWindowFixture::shownWindow("frmHistory")) {
            windowShownMeanwhile = true;
            titleMeanwhile = history->windowTitle();
        }
        return MsgAnswer::Ok;
    });
    QVERIFY(!openHistory());

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().prompt,
             QStringLiteral("Can't find History-file\r\nFile: veltrane_history.txt"));
    QCOMPARE(shown.first().icon, MsgIcon::Critical);
    QCOMPARE(shown.first().buttons, MsgButtons::Ok);
    QCOMPARE(shown.first().title, QStringLiteral("Veltrane"));
    QVERIFY(windowShownMeanwhile);
    QCOMPARE(titleMeanwhile, title);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void HistoryWindowTest::programWithAnotherNameReadsItsOwnFile()
{
    writeHistory("Not this one\r\n");
    writeHistory("Calc history\r\n", QStringLiteral("calc_history.txt"));
    setProgramFilePath(m_main->folder.filePath(QStringLiteral("calc")));
    QWidget* history = openHistory();
    QVERIFY(history);
    QCOMPARE(shownText(history), QStringLiteral("Calc history"));
    history->close();

    QFile::remove(m_main->folder.filePath(QStringLiteral("calc_history.txt")));
    QVERIFY(!openHistory());
    QCOMPARE(m_main->messages.prompts(),
             QStringList{QStringLiteral("Can't find History-file\r\nFile: calc_history.txt")});
}

void HistoryWindowTest::largeFileIsShownWhole()
{
    constexpr int Lines = 100000;
    QByteArray file;
    QStringList lines;
    for (int i = 1; i <= Lines; ++i) {
        const QString line = QStringLiteral("%1 - a line of the history, in its own words").arg(i);
        lines << line;
        file += line.toUtf8() + "\r\n";
    }
    writeHistory(file);
    QWidget* history = openHistory();
    QVERIFY(history);
    QCOMPARE(shownText(history), lines.join(QStringLiteral("\r\n")));
    QCOMPARE(MainWindowFixture::controlOf<QPlainTextEdit>(history, "txtHistory")->blockCount(),
             Lines);
    QCOMPARE(history->windowTitle(), Title);
}

void HistoryWindowTest::mainWindowWaitsUntilTheWindowCloses()
{
    writeHistory("A\r\n");
    QPointer<QWidget> history = openHistory();
    QVERIFY(history);
    QCOMPARE(QApplication::activeModalWidget(), history.data());

    // A click into the main window does nothing while the history is open.
    QPushButton* calculate = m_main->button("cmdCalculate(0)");
    m_main->clickThroughWindow("cmdCalculate(0)");
    QCOMPARE(calculate->text(), QStringLiteral("&Calculate from here"));

    history->close();
    QTRY_VERIFY(!history);
    m_main->clickThroughWindow("cmdCalculate(0)");
    QCOMPARE(calculate->text(), QStringLiteral("Re&calculate from here"));
}

void HistoryWindowTest::escapeClosesItAsTheCloseBoxDoes()
{
    writeHistory("A\r\nB\r\n");
    QPointer<QWidget> history = openHistory();
    QVERIFY(history);
    history->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), history.data());
    QWidget* text = MainWindowFixture::controlOf<QWidget>(history, "txtHistory");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Escape);
    QTRY_VERIFY(!history);
    m_main->clickThroughWindow("cmdCalculate(0)");
    QCOMPARE(m_main->text("cmdCalculate(0)"), QStringLiteral("Re&calculate from here"));
}

QTEST_MAIN(HistoryWindowTest)
#include "tst_history_window.moc"
