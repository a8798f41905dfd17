// The colour themes of the main window and the "colour the buttons" box.
#include "settings/ini_file.h"
#include "support/main_window_fixture.h"
#include "ui/toolkit/line_control.h"

#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QColor Plain(224, 224, 224);

QColor background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

QColor buttonColor(const MainWindowFixture& f, const char* name)
{
    return f.button(name)->palette().color(QPalette::Button);
}

QString storedTheme()
{
    return ReadINI(QStringLiteral("Main"), QStringLiteral("Themes"), QStringLiteral("(none)"));
}

} // namespace

class ThemesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyThemeColoursEveryKindOfControl_data();
    void everyThemeColoursEveryKindOfControl();
    void dosTurnsButtonColouringOffAndKeepsItOff();
    void clearingTheBoxGivesPlainButtons();
    void typingIntoTheListLeavesNoThemeSelected();
};

void ThemesTest::everyThemeColoursEveryKindOfControl_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("text");

    QTest::newRow("Standard Color") << 0 << QColor(QRgb(0xE0E0E0)) << QColor(QRgb(0x000000));
    QTest::newRow("DOS") << 1 << QColor(QRgb(0x000000)) << QColor(QRgb(0xFFFFFF));
    QTest::newRow("Corvid") << 2 << QColor(QRgb(0x000042)) << QColor(QRgb(0xFF8200));
    QTest::newRow("Plover Forum Colors") << 3 << QColor(QRgb(0x31659C)) << QColor(QRgb(0xD6EBFF));
    QTest::newRow("Plover Site Colors!") << 4 << QColor(QRgb(0x94B2FF)) << QColor(QRgb(0xFFFFFF));
}

void ThemesTest::everyThemeColoursEveryKindOfControl()
{
    QFETCH(int, theme);
    QFETCH(QColor, back);
    QFETCH(QColor, text);
    MainWindowFixture f;
    f.open();
    f.combo()->setListIndex(theme);

    // Stored at once, not at shut-down.
    QCOMPARE(storedTheme(), QString::number(theme));
    QCOMPARE(background(f.window.get()), back);
    QCOMPARE(f.control<Label>("Label1(0)")->palette().color(QPalette::WindowText), text);
    QCOMPARE(f.field("txtKeys")->palette().color(QPalette::Base), back);
    QCOMPARE(f.field("txtKeys")->palette().color(QPalette::Text), text);
    QCOMPARE(f.combo()->palette().color(QPalette::Text), text);
    QCOMPARE(background(f.checkBox("chkCPU")), back);
    QCOMPARE(f.checkBox("chkCPU")->palette().color(QPalette::WindowText), text);
    QCOMPARE(f.control<LineControl>("Line2(1)")->borderColor(), text);
    // The "DOS" theme turns the button colouring off; the others keep it.
    QCOMPARE(buttonColor(f, "cmdAbout"), theme == 1 ? Plain : back);
    QCOMPARE(f.button("cmdAbout")->palette().color(QPalette::ButtonText),
             QApplication::palette().color(QPalette::ButtonText));
}

void ThemesTest::dosTurnsButtonColouringOffAndKeepsItOff()
{
    MainWindowFixture f;
    f.open();
    QCOMPARE(f.checkBox("chkButtons")->value(), CheckBox::On);
    f.combo()->setListIndex(1);
    QCOMPARE(f.checkBox("chkButtons")->value(), CheckBox::Off);
    QCOMPARE(buttonColor(f, "cmdCalculate(0)"), Plain);

    f.click("chkButtons");
    QCOMPARE(f.checkBox("chkButtons")->value(), CheckBox::Off);
    QCOMPARE(buttonColor(f, "cmdCalculate(0)"), Plain);

    // Leaving "DOS" does not turn the box back on.
    f.combo()->setListIndex(2);
    QCOMPARE(f.checkBox("chkButtons")->value(), CheckBox::Off);
    QCOMPARE(buttonColor(f, "cmdCalculate(0)"), Plain);
}

void ThemesTest::clearingTheBoxGivesPlainButtons()
{
    MainWindowFixture f;
    f.writeSettings("[Main]\nThemes=2\n");
    f.open();
    QCOMPARE(buttonColor(f, "cmdHistory"), QColor(QRgb(0x000042)));
    f.click("chkButtons");
    QCOMPARE(background(f.window.get()), QColor(QRgb(0x000042)));
    QCOMPARE(buttonColor(f, "cmdHistory"), Plain);
    f.click("chkButtons");
    QCOMPARE(buttonColor(f, "cmdHistory"), QColor(QRgb(0x000042)));
}

void ThemesTest::typingIntoTheListLeavesNoThemeSelected()
{
    MainWindowFixture f;
    f.writeSettings("[Main]\nThemes=2\n");
    f.open();
    ComboBox* themes = f.combo();
    themes->setFocus();
    QTest::keyClicks(themes, "Plain");
    QCOMPARE(themes->listIndex(), -1);
    QVERIFY(themes->currentText().contains(u"Plain"));
    QCOMPARE(storedTheme(), QStringLiteral("2"));

    // The box stores "no theme" and changes no theme colour; only the
    // button rule still acts.
    f.click("chkButtons");
    QCOMPARE(storedTheme(), QStringLiteral("-1"));
    QCOMPARE(background(f.window.get()), QColor(QRgb(0x000042)));
    QCOMPARE(buttonColor(f, "cmd1Line"), Plain);
}

QTEST_MAIN(ThemesTest)
#include "tst_themes.moc"
