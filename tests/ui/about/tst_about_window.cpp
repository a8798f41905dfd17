// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: version, usage count, logo, theme, and its modality.
#include "support/main_window_fixture.h"
#include "ui/toolkit/line_control.h"
#include "ui/toolkit/twips.h"

#include <QPointer>
#include <QScreen>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

class AboutWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsVersionUseCountAndLogo();
    void takesTheMainWindowsTheme_data();
    void takesTheMainWindowsTheme();
    void mainWindowWaitsUntilBackIsPressed();
    void escapeClosesItAsBackDoes();

private:
    static QWidget* openAbout(MainWindowFixture& f)
    {
        f.click("cmdAbout");
        return MainWindowFixture::shownWindow("frmAbout");
    }
    static QString caption(QWidget* about, const char* name)
    {
        return MainWindowFixture::controlOf<Label>(about, name)->caption();
    }
};

void AboutWindowTest::showsVersionUseCountAndLogo()
{
    MainWindowFixture f;
    f.open();
    QWidget* about = openAbout(f);
    QVERIFY(about);
    QCOMPARE(caption(about, "Label1(0)"), QStringLiteral("Veltrane for RC5-72"));
    QCOMPARE(caption(about, "lblVersion"), QStringLiteral("Version 1.13 Build3"));
    QCOMPARE(caption(about, "lblUse"), QStringLiteral("Used: 1 time(s)"));
    QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(about->frameGeometry().size(), QSize(twipsToPixels(5130), twipsToPixels(2850)));
    // 4335 twips from the left of the screen and 2175 from its top.
    QCOMPARE(about->pos(), about->screen()->availableGeometry().topLeft() +
                               QPoint(twipsToPixels(4335), twipsToPixels(2175)));

    const QPixmap logo = MainWindowFixture::controlOf<QLabel>(about, "Image1")->pixmap();
    QCOMPARE(logo.size(), QSize(61, 58));
    QCOMPARE(logo.toImage().pixelColor(0, 0).alpha(), 0); // transparent around the logo
    QVERIFY(!QApplication::windowIcon().isNull());

    // Started again, the program has been used twice.
    about->close();
    f.closeWindow();
    f.open();
    about = openAbout(f);
    QCOMPARE(caption(about, "lblUse"), QStringLiteral("Used: 2 time(s)"));
    about->close();
    f.closeWindow();
}

void AboutWindowTest::takesTheMainWindowsTheme_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("button");
    QTest::addColumn<int>("buttonsAfter");
    const QColor site(148, 178, 255), white(255, 255, 255), plain(224, 224, 224);
    QTest::newRow("Plover Site Colors!, coloured buttons") << 4 << 1 << site << white << site << 1;
    QTest::newRow("Plover Site Colors!, plain buttons") << 4 << 0 << site << white << plain << 0;
    QTest::newRow("DOS keeps the button colouring off")
        << 1 << 1 << QColor(0, 0, 0) << white << plain << 0;
}

void AboutWindowTest::takesTheMainWindowsTheme()
{
    QFETCH(int, theme);
    QFETCH(int, buttons);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QFETCH(QColor, button);
    QFETCH(int, buttonsAfter);
    MainWindowFixture f;
    f.open();
    f.combo()->setListIndex(theme);
    f.checkBox("chkButtons")->setValue(buttons);
    QWidget* about = openAbout(f);
    QCOMPARE(about->palette().color(QPalette::Window), background);
    QCOMPARE(
        MainWindowFixture::controlOf<Label>(about, "lblUse")->palette().color(QPalette::WindowText),
        text);
    QCOMPARE(MainWindowFixture::controlOf<QPushButton>(about, "cmdBack")
                 ->palette()
                 .color(QPalette::Button),
             button);
    QCOMPARE(MainWindowFixture::controlOf<LineControl>(about, "Line1(1)")->borderColor(), text);
    QCOMPARE(f.checkBox("chkButtons")->value(), buttonsAfter);
    about->close();
    f.closeWindow();
}

void AboutWindowTest::mainWindowWaitsUntilBackIsPressed()
{
    MainWindowFixture f;
    f.open();
    QPointer<QWidget> about = openAbout(f);
    QVERIFY(about);
    QCOMPARE(QApplication::activeModalWidget(), about.data());
    QPushButton* calculate = f.button("cmdCalculate(0)");
    f.clickThroughWindow("cmdCalculate(0)");
    QCOMPARE(calculate->text(), QStringLiteral("&Calculate from here"));

    // "<< Back" is the only control that takes the focus; Enter presses it.
    auto back = MainWindowFixture::controlOf<QPushButton>(about, "cmdBack");
    for (QWidget* control : about->findChildren<QWidget*>())
        QCOMPARE(control->focusPolicy() != Qt::NoFocus, control == back);
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Return);
    QTRY_VERIFY(!about);

    f.clickThroughWindow("cmdCalculate(0)");
    QCOMPARE(calculate->text(), QStringLiteral("Re&calculate from here"));

    about = openAbout(f);
    QTest::mouseClick(MainWindowFixture::controlOf<QPushButton>(about, "cmdBack"), Qt::LeftButton);
    QTRY_VERIFY(!about);
    f.closeWindow();
}

void AboutWindowTest::escapeClosesItAsBackDoes()
{
    MainWindowFixture f;
    f.open();
    QPointer<QWidget> about = openAbout(f);
    QVERIFY(about);
    about->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), about.data());
    QTest::keyClick(MainWindowFixture::controlOf<QPushButton>(about, "cmdBack"), Qt::Key_Escape);
    QTRY_VERIFY(!about);
    // The main window takes input again.
    f.clickThroughWindow("cmdCalculate(0)");
    QCOMPARE(f.text("cmdCalculate(0)"), QStringLiteral("Re&calculate from here"));
    f.closeWindow();
}

QTEST_MAIN(AboutWindowTest)
#include "tst_about_window.moc"
