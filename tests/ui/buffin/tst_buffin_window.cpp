// SPDX-License-Identifier: GPL-3.0-or-later
// The Buff-In window: how long the buffer's work units take, its refusals,
// the copy question, its place beside the main window and its theme.
#include "support/main_window_fixture.h"
#include "ui/toolkit/twips.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QByteArray Settings = "[Calculate]\nStartDate=0\nKeyRate=641.440\nCPUTime=5\nBuffTime=500\n";

const QString AllDay1000 = QStringLiteral(
    "It's gonna take 2 Months 3 Weeks 0 Days 11:57:01 (or 77 Days 11:57:01) for 1000 Wu's @ "
    "641.440 keys/sec, if the pc is running 24 on 24");

QColor paletteColor(const QWidget* widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}

// The window's outer height follows the result: its height plus 3495 twips.
int heightForResult(const Label* result)
{
    return twipsToPixels(pixelsToTwips(result->height()) + 3495);
}

} // namespace

class BuffInWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sentenceForTheMainWindowsFigures_data();
    void sentenceForTheMainWindowsFigures();
    void countBelowTenIsRaisedToTen_data();
    void countBelowTenIsRaisedToTen();
    void refusalKeepsResultAndStoredCount_data();
    void refusalKeepsResultAndStoredCount();
    void enterInTheCountCalculates();
    void copyQuestionPutsTheSentenceOnTheClipboard();
    void loadReadsTheStoredCountAndDocksBesideTheMainWindow();
    void openWindowIsBroughtForwardNotLoadedAgain();
    void sentenceTurnsBoldUnderThePointerAndTheWindowFollows();
    void takesTheMainWindowsThemeWhenActivated();
    void closingTheMainWindowClosesItAndStoresTheSettings();
    void copyKeysAskTheSameQuestion();
    void copyKeysInASelectionCopyTheSelection();
    void escapeClosesTheWindow();
    void countFieldIsNamedAndShowsFromItsFirstCharacter();

private:
    QWidget* openBuffIn();
    // The window active, as after a click into it, with the count field
    // holding the focus.
    void activateBuffIn();
    void calculate() { QTest::mouseClick(button("cmdCalculate"), Qt::LeftButton); }
    void setCpuHours(const QString& hours, int chkCPU);

    TextField* field(const char* name)
    {
        return MainWindowFixture::controlOf<TextField>(m_buffIn, name);
    }
    QPushButton* button(const char* name)
    {
        return MainWindowFixture::controlOf<QPushButton>(m_buffIn, name);
    }
    Label* lblout() { return MainWindowFixture::controlOf<Label>(m_buffIn, "lblout"); }
    QString stored() const { return QString::fromUtf8(m_main->settingsFile()); }

    std::unique_ptr<MainWindowFixture> m_main;
    QPointer<QWidget> m_buffIn;
};

void BuffInWindowTest::init()
{
    m_main = std::make_unique<MainWindowFixture>();
    m_main->writeSettings(Settings);
    m_main->open();
}

void BuffInWindowTest::cleanup()
{
    m_main->closeWindow();
    m_main.reset();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
}

QWidget* BuffInWindowTest::openBuffIn()
{
    m_main->click("cmdBuffIn");
    m_buffIn = MainWindowFixture::shownWindow("frmBuffIn");
    if (!m_buffIn)
        qFatal("the Buff-In window is not shown");
    return m_buffIn;
}

void BuffInWindowTest::activateBuffIn()
{
    m_buffIn->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_buffIn.data());
    field("txtBuffIn")->setFocus();
}

void BuffInWindowTest::setCpuHours(const QString& hours, int chkCPU)
{
    // The CPU hours set the check box by their own rule; the box is set after.
    m_main->paste("txtCpu", hours);
    m_main->checkBox("chkCPU")->setValue(chkCPU);
}

void BuffInWindowTest::sentenceForTheMainWindowsFigures_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("chkCPU");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("sentence");
    // clang-format off
    QTest::newRow("all day") << "641.440" << 0 << "5" << "1000" << AllDay1000;
    QTest::newRow("12 CPU hours, key rate with a comma")
        << "641,440" << 1 << "12" << "1000"
        << "It's gonna take 5 Months 2 Weeks 0 Days 23:54:02 (or 154 Days 23:54:02) for 1000 " "Wu's @ 641,440 keys/sec, if the pc is running 12 hours a day!";
    QTest::newRow("24 CPU hours take as long as all day")
        << "641440" << 1 << "24" << "1000"
        << "It's gonna take 2 Months 3 Weeks 0 Days 11:57:01 (or 77 Days 11:57:01) for 1000 " "Wu's @ 641440 keys/sec, if the pc is running 24 hours a day!";
    QTest::newRow("CPU hours not counted when the box is greyed")
        << "641.440" << 2 << "abc" << "1000" << AllDay1000;
    QTest::newRow("a count with a fraction is stored as typed")
        << "641.440" << 0 << "5" << "999,5" << AllDay1000;
    QTest::newRow("beyond 68 years")
        << "10.000" << 0 << "5" << "100000"
        << "It's gonna take 17753 Months 2 Weeks 4 Days 16:42:40 (or 497102 Days 16:42:40) for " "100000 Wu's @ 10.000 keys/sec, if the pc is running 24 on 24";
    // clang-format on
}

void BuffInWindowTest::sentenceForTheMainWindowsFigures()
{
    QFETCH(QString, keys);
    QFETCH(int, chkCPU);
    QFETCH(QString, cpu);
    QFETCH(QString, count);
    QFETCH(QString, sentence);
    m_main->paste("txtKeys", keys);
    setCpuHours(cpu, chkCPU);
    openBuffIn();
    QVERIFY(lblout()->isHidden());
    QCOMPARE(m_buffIn->frameGeometry().height(), twipsToPixels(3645));

    field("txtBuffIn")->setFieldText(count);
    calculate();

    QCOMPARE(m_main->messages.prompts(), QStringList());
    QCOMPARE(lblout()->caption(), sentence);
    QVERIFY(!lblout()->isHidden());
    QVERIFY(lblout()->height() > twipsToPixels(195)); // the sentence takes several lines
    QCOMPARE(lblout()->width(), twipsToPixels(3135));
    QCOMPARE(m_buffIn->frameGeometry().height(), heightForResult(lblout()));
    QVERIFY(stored().contains(QStringLiteral("BuffTime=") + count + u'\n'));
    QCOMPARE(m_main->text("txtKeys"), keys);
}

void BuffInWindowTest::countBelowTenIsRaisedToTen_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("raised");
    // clang-format off
    QTest::newRow("10 itself") << "10" << false;
    QTest::newRow("9") << "9" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("negative") << "-5" << true;
    QTest::newRow("far below the range") << "-99999999999" << true;
    // clang-format on
}

void BuffInWindowTest::countBelowTenIsRaisedToTen()
{
    QFETCH(QString, count);
    QFETCH(bool, raised);
    openBuffIn();
    field("txtBuffIn")->setFieldText(count);
    calculate();

    QCOMPARE(m_main->messages.shown().size(), raised ? 1 : 0);
    if (!raised) {
        QVERIFY(lblout()->caption().contains(QStringLiteral(" for 10 Wu's @ 641.440 keys/sec")));
        return;
    }
    const MessageRequest& message = m_main->messages.shown().first();
    QCOMPARE(message.prompt, QStringLiteral("To small, setted on 10"));
    QCOMPARE(message.icon, MsgIcon::None);
    QCOMPARE(message.buttons, MsgButtons::Ok);
    QCOMPARE(message.title, QStringLiteral("Veltrane"));
    QCOMPARE(field("txtBuffIn")->text(), QStringLiteral("10"));
    QVERIFY(lblout()->caption().contains(QStringLiteral(" for 10 Wu's @ 641.440 keys/sec")));
    QVERIFY(stored().contains("BuffTime=10\n"));
}

void BuffInWindowTest::refusalKeepsResultAndStoredCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<int>("chkCPU");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("keysAfter");
    // clang-format off
    QTest::newRow("zero keys") << "800" << "0" << "5" << 0 << "Zero keys!" << "0";
    QTest::newRow("key rate too low")
        << "800" << "9.999" << "5" << 0 << "To low!\r\nSetted to 10.000" << "10.000";
    QTest::newRow("negative key rate")
        << "800" << "-641.440" << "5" << 0 << "To low!\r\nSetted to 10.000" << "10.000";
    QTest::newRow("key rate not a number")
        << "800" << "fast" << "5" << 0 << "The key rate is not a number!" << "fast";
    QTest::newRow("count not a number")
        << "many" << "641.440" << "5" << 0 << "The number of WU's is not a number!" << "641.440";
    QTest::newRow("count beyond the range")
        << "99999999999" << "641.440" << "5" << 0
        << "Out of range!\r\nThe number of WU's is too large." << "641.440";
    QTest::newRow("CPU hours read as 0")
        << "800" << "641.440" << "0,4" << 1
        << "The CPU time is 0 hours a day!\r\nThe Buff-In would never empty." << "641.440";
    QTest::newRow("CPU hours not a number")
        << "800" << "641.440" << "lots" << 1 << "The CPU time is not a number!" << "641.440";
    QTest::newRow("CPU hours beyond the range")
        << "800" << "641.440" << "99999999999" << 1 << "Out of range!\r\nThe CPU time is too large."
        << "641.440";
    QTest::newRow("working time beyond the range")
        << "2147483647" << "10.000" << "1" << 1
        << "Out of range!\r\nEmptying the Buff-In would take too long to calculate with."
        << "10.000";
    // clang-format on
}

void BuffInWindowTest::refusalKeepsResultAndStoredCount()
{
    QFETCH(QString, count);
    QFETCH(QString, keys);
    QFETCH(QString, cpu);
    QFETCH(int, chkCPU);
    QFETCH(QString, prompt);
    QFETCH(QString, keysAfter);
    setCpuHours(QStringLiteral("5"), 0);
    openBuffIn();
    field("txtBuffIn")->setFieldText(QStringLiteral("1000"));
    calculate();
    QCOMPARE(lblout()->caption(), AllDay1000);
    const int resultHeight = m_buffIn->height();

    m_main->paste("txtKeys", keys);
    setCpuHours(cpu, chkCPU);
    field("txtBuffIn")->setFieldText(count);
    m_main->messages.clear();
    calculate();

    QCOMPARE(m_main->messages.prompts(), QStringList{prompt});
    QCOMPARE(m_main->messages.shown().first().icon, MsgIcon::Exclamation);
    QCOMPARE(m_main->text("txtKeys"), keysAfter);
    QCOMPARE(field("txtBuffIn")->text(), count);
    QCOMPARE(lblout()->caption(), AllDay1000);
    QCOMPARE(m_buffIn->height(), resultHeight);
    QVERIFY(stored().contains("BuffTime=1000\n"));
}

void BuffInWindowTest::enterInTheCountCalculates()
{
    setCpuHours(QStringLiteral("5"), 0);
    openBuffIn();
    TextField* count = field("txtBuffIn");
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("1000"));
    QTest::keyClick(count, Qt::Key_Return);
    QCOMPARE(lblout()->caption(), AllDay1000);
    QVERIFY(stored().contains("BuffTime=1000\n"));
}

void BuffInWindowTest::copyQuestionPutsTheSentenceOnTheClipboard()
{
    setCpuHours(QStringLiteral("5"), 0);
    openBuffIn();
    field("txtBuffIn")->setFieldText(QStringLiteral("1000"));
    calculate();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));

    m_main->messages.answerNext(MsgAnswer::Cancel);
    QTest::mouseClick(lblout(), Qt::LeftButton);
    QCOMPARE(m_main->messages.shown().size(), 1);
    const MessageRequest& question = m_main->messages.shown().first();
    QCOMPARE(question.prompt, QStringLiteral("Copy to Clipboard?"));
    QCOMPARE(question.title, QStringLiteral("Clipboard"));
    QCOMPARE(question.icon, MsgIcon::Question);
    QCOMPARE(question.buttons, MsgButtons::OkCancel);
    QCOMPARE(clipboard->text(), QStringLiteral("before"));

    QTest::mouseClick(lblout(), Qt::LeftButton);
    QCOMPARE(clipboard->text(), AllDay1000);
    QCOMPARE(m_main->messages.shown().size(), 2); // no confirmation follows
}

void BuffInWindowTest::loadReadsTheStoredCountAndDocksBesideTheMainWindow()
{
    openBuffIn();
    QCOMPARE(field("txtBuffIn")->text(), QStringLiteral("500"));
    const QRect main = m_main->window->frameGeometry();
    QCOMPARE(m_buffIn->frameGeometry().topLeft(), QPoint(main.right() + 1, main.top()));
    QCOMPARE(m_buffIn->width(), twipsToPixels(3345));

    // Closed and opened again, the window loads afresh.
    m_buffIn->close();
    QTRY_VERIFY(!m_buffIn);
    m_main->writeSettings("[Calculate]\n");
    openBuffIn();
    QCOMPARE(field("txtBuffIn")->text(), QStringLiteral("1000"));
}

void BuffInWindowTest::openWindowIsBroughtForwardNotLoadedAgain()
{
    QWidget* first = openBuffIn();
    field("txtBuffIn")->setFieldText(QStringLiteral("55"));
    first->move(10, 10);
    m_main->writeSettings("[Calculate]\nBuffTime=999\n");

    // The main window stays usable while the Buff-In window is open.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(openBuffIn(), first);
    QCOMPARE(field("txtBuffIn")->text(), QStringLiteral("55"));
    QCOMPARE(first->pos(), QPoint(10, 10));
    QCOMPARE(m_main->window->findChildren<QWidget*>(QStringLiteral("frmBuffIn")).size(), 1);
}

void BuffInWindowTest::sentenceTurnsBoldUnderThePointerAndTheWindowFollows()
{
    setCpuHours(QStringLiteral("5"), 0);
    openBuffIn();
    // The form's surface is not under the sentence: moving over it before a
    // result leaves everything as it is.
    QTest::mouseMove(m_buffIn, QPoint(2, 2));
    QCOMPARE(m_buffIn->frameGeometry().height(), twipsToPixels(3645));

    field("txtBuffIn")->setFieldText(QStringLiteral("1000"));
    calculate();
    QTest::mouseMove(lblout(), QPoint(5, 5));
    QTRY_VERIFY(lblout()->isBold());
    QCOMPARE(m_buffIn->frameGeometry().height(), heightForResult(lblout()));

    QTest::mouseMove(button("cmdCalculate"), QPoint(5, 5));
    QTest::qWait(20);
    QVERIFY(lblout()->isBold());

    QTest::mouseMove(m_buffIn, QPoint(2, 2));
    QTRY_VERIFY(!lblout()->isBold());
    QCOMPARE(m_buffIn->frameGeometry().height(), heightForResult(lblout()));
}

void BuffInWindowTest::takesTheMainWindowsThemeWhenActivated()
{
    const QColor corvid(0, 0, 66), corvidText(255, 130, 0), ploverSite(148, 178, 255);
    m_main->combo()->setListIndex(2);
    openBuffIn();
    QTRY_COMPARE(paletteColor(m_buffIn, QPalette::Window), corvid);
    QCOMPARE(paletteColor(field("txtBuffIn"), QPalette::Base), corvid);
    QCOMPARE(paletteColor(field("txtBuffIn"), QPalette::Text), corvidText);
    QCOMPARE(paletteColor(lblout(), QPalette::WindowText), corvidText);
    QCOMPARE(paletteColor(button("cmdCalculate"), QPalette::Button), corvid);

    // A theme chosen meanwhile reaches the window when it is active again.
    m_main->window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_main->window.get());
    m_main->combo()->setListIndex(4);
    QCOMPARE(paletteColor(m_buffIn, QPalette::Window), corvid);
    m_buffIn->activateWindow();
    QTRY_COMPARE(paletteColor(m_buffIn, QPalette::Window), ploverSite);

    // "DOS" turns the button colouring off: the button shows the plain colour.
    m_main->window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_main->window.get());
    m_main->combo()->setListIndex(1);
    m_buffIn->activateWindow();
    QTRY_COMPARE(paletteColor(m_buffIn, QPalette::Window), QColor(0, 0, 0));
    QCOMPARE(paletteColor(button("cmdCalculate"), QPalette::Button), QColor(224, 224, 224));
}

void BuffInWindowTest::closingTheMainWindowClosesItAndStoresTheSettings()
{
    openBuffIn();
    m_main->paste("txtKeys", QStringLiteral("777.777"));
    m_main->closeWindow();
    QTRY_VERIFY(!m_buffIn || !m_buffIn->isVisible());
    QVERIFY(stored().contains("KeyRate=777.777\n"));
    QVERIFY(stored().contains("BuffTime=500\n"));
}

void BuffInWindowTest::copyKeysAskTheSameQuestion()
{
    setCpuHours(QStringLiteral("5"), 0);
    openBuffIn();
    activateBuffIn();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));

    // Without a sentence there is nothing to copy, and nothing is asked.
    QTest::keyClick(field("txtBuffIn"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_main->messages.shown().size(), 0);

    field("txtBuffIn")->setFieldText(QStringLiteral("1000"));
    QTest::keyClick(field("txtBuffIn"), Qt::Key_Return);
    QVERIFY(lblout()->isVisible());
    m_main->messages.clear();

    m_main->messages.answerNext(MsgAnswer::Cancel);
    QTest::keyClick(field("txtBuffIn"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_main->messages.shown().size(), 1);
    const MessageRequest& question = m_main->messages.shown().first();
    QCOMPARE(question.prompt, QStringLiteral("Copy to Clipboard?"));
    QCOMPARE(question.title, QStringLiteral("Clipboard"));
    QCOMPARE(question.icon, MsgIcon::Question);
    QCOMPARE(question.buttons, MsgButtons::OkCancel);
    QCOMPARE(clipboard->text(), QStringLiteral("before"));

    // From the button as from the field; Ctrl+Insert is a Copy key too.
    button("cmdCalculate")->setFocus();
    QTest::keyClick(button("cmdCalculate"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), AllDay1000);
    clipboard->setText(QStringLiteral("before"));
    QTest::keyClick(button("cmdCalculate"), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), AllDay1000);
    QCOMPARE(m_main->messages.shown().size(), 3); // no confirmation follows
}

void BuffInWindowTest::copyKeysInASelectionCopyTheSelection()
{
    openBuffIn();
    activateBuffIn();
    QTest::keyClick(field("txtBuffIn"), Qt::Key_Return);
    QVERIFY(lblout()->isVisible());
    m_main->messages.clear();

    // Selected text in the count field is what the Copy keys copy there.
    field("txtBuffIn")->setFieldText(QStringLiteral("1234"));
    field("txtBuffIn")->setSelection(1, 2);
    QTest::keyClick(field("txtBuffIn"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
    QCOMPARE(m_main->messages.shown().size(), 0);
}

void BuffInWindowTest::escapeClosesTheWindow()
{
    openBuffIn();
    activateBuffIn();
    field("txtBuffIn")->setFieldText(QStringLiteral("77"));
    QTest::keyClick(field("txtBuffIn"), Qt::Key_Escape);
    QTRY_VERIFY(!m_buffIn);
    // Closed as by its close box: the count typed is not stored, and the
    // main window goes on.
    QVERIFY(!stored().contains(u"77"));
    QVERIFY(m_main->window->isVisible());
}

void BuffInWindowTest::countFieldIsNamedAndShowsFromItsFirstCharacter()
{
    m_main->writeSettings("[Calculate]\nBuffTime=1000000000\n");
    openBuffIn();
    TextField* count = field("txtBuffIn");
    QCOMPARE(count->text(), QStringLiteral("1000000000"));
    QVERIFY(count->fontMetrics().horizontalAdvance(count->text()) > count->contentsRect().width());
    QCOMPARE(count->cursorPosition(), 0);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(count);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("WU's in Buff-In:"));
    QCOMPARE(MainWindowFixture::controlOf<Label>(m_buffIn, "Label1(0)")->caption(),
             QStringLiteral("WU's in Buff-In:"));
}

QTEST_MAIN(BuffInWindowTest)
#include "tst_buffin_window.moc"
