// SPDX-License-Identifier: GPL-3.0-or-later
// The colour themes of the main window and the "colour the buttons" box.
#include "settings/ini_file.h"
#include "support/main_window_fixture.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/line_control.h"

#include <QImage>
#include <QSet>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <cmath>

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

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor& color)
{
    auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green()) +
           0.0722 * channel(color.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QImage picture(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A desktop palette as dark schemes give it: light text on dark faces.
QPalette darkDesktopPalette()
{
    QPalette dark;
    const QColor face(53, 53, 53);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase})
        dark.setColor(role, face);
    for (auto role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
        dark.setColor(role, QColor(240, 240, 240));
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Dark, QColor(30, 30, 30));
    dark.setColor(QPalette::Mid, QColor(40, 40, 40));
    dark.setColor(QPalette::Shadow, QColor(10, 10, 10));
    return dark;
}

// The application palette for the life of the object.
class ApplicationPalette
{
public:
    explicit ApplicationPalette(const QPalette& palette) : m_before(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~ApplicationPalette() { QApplication::setPalette(m_before); }

private:
    QPalette m_before;
};

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
    void buttonCaptionsStayReadableUnderADarkDesktop_data();
    void buttonCaptionsStayReadableUnderADarkDesktop();
    void textFieldsKeepAFrameInTheSystemColours_data();
    void textFieldsKeepAFrameInTheSystemColours();
    void colouredButtonsShowTheirColourFlat_data();
    void colouredButtonsShowTheirColourFlat();

private:
    static void themeRows();
};

void ThemesTest::themeRows()
{
    QTest::addColumn<int>("theme");
    for (int theme = 0; theme < int(Themes.size()); ++theme)
        QTest::newRow(Themes[theme].name) << theme;
}

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
             QApplication::style()->standardPalette().color(QPalette::ButtonText));
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

void ThemesTest::buttonCaptionsStayReadableUnderADarkDesktop_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("buttons");
    QTest::newRow("Standard Color, coloured buttons") << 0 << 1;
    QTest::newRow("DOS, which gives plain buttons") << 1 << 1;
    QTest::newRow("Plover Site Colors!, coloured buttons") << 4 << 1;
    for (int theme = 0; theme < int(Themes.size()); ++theme)
        QTest::addRow("%s, plain buttons", Themes[theme].name) << theme << 0;
}

void ThemesTest::buttonCaptionsStayReadableUnderADarkDesktop()
{
    QFETCH(int, theme);
    QFETCH(int, buttons);
    // The desktop's palette is in place before the window is built, as it
    // is when the program starts on a dark desktop.
    const ApplicationPalette dark(darkDesktopPalette());
    MainWindowFixture f;
    f.writeSettings(QStringLiteral("[Main]\nThemes=%1\n[Calculate]\nButtons=%2\n")
                        .arg(theme)
                        .arg(buttons)
                        .toUtf8());
    f.open();

    const auto windowButtons = f.window->findChildren<QPushButton*>();
    QVERIFY(windowButtons.size() >= 10);
    for (QPushButton* button : windowButtons) {
        const QPalette colours = button->palette();
        const double ratio =
            contrast(colours.color(QPalette::ButtonText), colours.color(QPalette::Button));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 gives %4:1")
                                              .arg(button->objectName(),
                                                   colours.color(QPalette::ButtonText).name(),
                                                   colours.color(QPalette::Button).name())
                                              .arg(ratio, 0, 'f', 2)));
    }
}

void ThemesTest::textFieldsKeepAFrameInTheSystemColours_data()
{
    themeRows();
}

void ThemesTest::textFieldsKeepAFrameInTheSystemColours()
{
    QFETCH(int, theme);
    MainWindowFixture f;
    f.writeSettings(QStringLiteral("[Main]\nThemes=%1\n").arg(theme).toUtf8());
    f.open();
    const QPalette system = QApplication::style()->standardPalette();
    const QSet<QRgb> threeD = {
        system.color(QPalette::Light).rgb(), system.color(QPalette::Midlight).rgb(),
        system.color(QPalette::Dark).rgb(), system.color(QPalette::Shadow).rgb()};
    const QColor background = Themes[theme].background;

    for (const char* name : {"txtKeys", "txtWus(0)", "txtWuEnd"}) {
        TextField* field = f.field(name);
        field->deselect();
        const QImage drawn = picture(field);
        const int w = drawn.width();
        const int h = drawn.height();
        // The two outer rings, away from the corners, on all four sides.
        QList<QPoint> ring;
        for (int edge = 0; edge < 2; ++edge) {
            ring << QPoint(w / 2, edge) << QPoint(w / 2, h - 1 - edge) << QPoint(edge, h / 2)
                 << QPoint(w - 1 - edge, h / 2);
        }
        double strongest = 0;
        for (const QPoint& at : ring) {
            const QColor colour = drawn.pixelColor(at);
            QVERIFY2(threeD.contains(colour.rgb()),
                     qPrintable(QStringLiteral("%1 at (%2,%3) is %4, not a 3-D colour")
                                    .arg(name)
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(colour.name())));
            strongest = std::max(strongest, contrast(colour, background));
        }
        // The frame stands out from the theme's background, black included.
        QVERIFY2(strongest >= 2, qPrintable(QStringLiteral("%1: at most %2:1 against %3")
                                                .arg(name)
                                                .arg(strongest, 0, 'f', 2)
                                                .arg(background.name())));
    }
}

void ThemesTest::colouredButtonsShowTheirColourFlat_data()
{
    themeRows();
}

void ThemesTest::colouredButtonsShowTheirColourFlat()
{
    QFETCH(int, theme);
    MainWindowFixture f;
    f.writeSettings(QStringLiteral("[Main]\nThemes=%1\n").arg(theme).toUtf8());
    f.open();
    const QColor face = theme == DosTheme ? PlainButtonColor : Themes[theme].background;
    QPushButton* button = f.button("cmd1Line");
    QCOMPARE(button->palette().color(QPalette::Button), face);

    // Inside its border, the whole face but the caption is the colour itself.
    const QImage raised = picture(button);
    const QRect inside = QRect(QPoint(0, 0), raised.size()).adjusted(3, 3, -3, -3);
    int exact = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        QCOMPARE(raised.pixelColor(inside.left(), y), face);
        QCOMPARE(raised.pixelColor(inside.right(), y), face);
        for (int x = inside.left(); x <= inside.right(); ++x)
            exact += raised.pixelColor(x, y) == face;
    }
    QVERIFY2(exact > inside.width() * inside.height() * 3 / 4,
             qPrintable(QStringLiteral("%1 of %2 face pixels")
                            .arg(exact)
                            .arg(inside.width() * inside.height())));

    // Pressed, it looks pressed, and keeps its colour.
    button->setDown(true);
    const QImage pressed = picture(button);
    button->setDown(false);
    QVERIFY(pressed != raised);
    QCOMPARE(pressed.pixelColor(inside.center().x(), inside.top() + 1), face);

    // With the focus it shows a focus frame.
    button->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(button->hasFocus());
    QVERIFY(picture(button) != raised);
}

QTEST_MAIN(ThemesTest)
#include "tst_themes.moc"
