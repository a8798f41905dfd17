// The main window as the layout draws it: size, places, fonts, focus order.
#include "support/main_window_fixture.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/line_control.h"

#include <QFontInfo>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowIsFixedWithMinimiseButNoMaximise();
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void linesRunBetweenTheirEnds();
    void focusFollowsTheTabOrder();
    void dateAndDoneFieldsTakeTenTypedCharacters();
    void resultFieldsAreReadOnlyButSelectable();
    void themeListKeepsTheFiveThemesInTheirPlaces();

private:
    std::unique_ptr<MainWindowFixture> f;
};

void LayoutTest::init()
{
    f = std::make_unique<MainWindowFixture>();
    f->writeSettings("[Calculate]\nStartDate=0\n");
    f->open();
}

void LayoutTest::cleanup()
{
    f.reset();
}

void LayoutTest::windowIsFixedWithMinimiseButNoMaximise()
{
    frmMain& window = *f->window;
    QCOMPARE(window.size(), QSize(546, 366));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(QFontInfo(window.font()).family(), QStringLiteral("Liberation Serif"));
}

void LayoutTest::controlsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("toolTip");

    // Twips from the layout, divided by 15.
    QTest::newRow("txtKeys") << "txtKeys" << QRect(8, 32, 137, 19) << "Liberation Sans" << 8.25
                             << "Enter your keys/sec, may have . or ,";
    QTest::newRow("cmdCalculate(0)") << "cmdCalculate(0)" << QRect(8, 336, 137, 25)
                                     << "Liberation Sans" << 8.25 << "Can't you read";
    QTest::newRow("Label1(7)") << "Label1(7)" << QRect(160, 176, 153, 17) << "Liberation Sans"
                               << 9.75 << "";
    QTest::newRow("txtWus(1)") << "txtWus(1)" << QRect(408, 24, 41, 22) << "Liberation Serif"
                               << 9.75 << "";
    QTest::newRow("chkButtons") << "chkButtons" << QRect(424, 232, 121, 41) << "Liberation Serif"
                                << 9.75 << "";
    QTest::newRow("cmbThemes") << "cmbThemes" << QRect(280, 248, 137, 23) << "Liberation Serif"
                               << 9.75 << "Colorfull themes for this proggie :P";
    QTest::newRow("cmdEnd") << "cmdEnd" << QRect(456, 336, 81, 25) << "Liberation Serif" << 9.75
                            << "Exit this program";
}

void LayoutTest::controlsStandWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(QString, toolTip);
    QWidget* control = f->control<QWidget>(name.toUtf8().constData());
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(QFontInfo(control->font()).family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->toolTip(), toolTip);
}

void LayoutTest::linesRunBetweenTheirEnds()
{
    auto line = f->control<LineControl>("Line3");
    QCOMPARE(line->from(), QPoint(544, 224));
    QCOMPARE(line->to(), QPoint(272, 224));
    // The first line runs past the bottom of the window and is clipped there.
    QCOMPARE(f->control<LineControl>("Line1")->to(), QPoint(152, 376));
}

void LayoutTest::focusFollowsTheTabOrder()
{
    const QStringList expected{"txtKeys",         "txtCpu",          "txtStart",  "cmdDateNow",
                               "txtEnd",          "cmdCalculate(0)", "txtWus(0)", "cmdCalculate(1)",
                               "txtWus(1)",       "cmdCalculate(2)", "txtAmount", "cmdBuffIn",
                               "txtWuDone",       "chkDone",         "chkCPU",    "txtWuEnd",
                               "cmbThemes",       "chkButtons",      "cmd1Line",  "cmdAbout",
                               "cmdEnd",          "cmdHistory",      "chkShowMs", "cmdDateEnd",
                               "chkSetStartDate", "chkSetEndDate"};
    QStringList order;
    QWidget* first = f->field("txtKeys");
    QWidget* widget = first;
    do {
        if (widget->parentWidget() == f->window.get() && (widget->focusPolicy() & Qt::TabFocus))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && order.size() <= expected.size());
    QCOMPARE(order, expected);
}

void LayoutTest::dateAndDoneFieldsTakeTenTypedCharacters()
{
    for (const char* name : {"txtStart", "txtEnd", "txtWuDone"}) {
        f->type(name, "01/01/20041999");
        QCOMPARE(f->text(name), QStringLiteral("01/01/2004"));
        f->paste(name, "12345678901234");
        QCOMPARE(f->text(name), QStringLiteral("1234567890"));
    }
    // What the program itself puts in is not cut, and may still be shortened.
    TextField* start = f->field("txtStart");
    start->setFieldText(QStringLiteral("01/01/2004 and more"));
    QCOMPARE(start->text(), QStringLiteral("01/01/2004 and more"));
    start->setFocus();
    start->end(false);
    QTest::keyClick(start, Qt::Key_X);
    QCOMPARE(start->text(), QStringLiteral("01/01/2004 and more"));
    QTest::keyClick(start, Qt::Key_Backspace);
    QCOMPARE(start->text(), QStringLiteral("01/01/2004 and mor"));
    // The key rate field has no limit.
    f->paste("txtKeys", "123.456.789.012.345");
    QCOMPARE(f->text("txtKeys"), QStringLiteral("123.456.789.012.345"));
}

void LayoutTest::resultFieldsAreReadOnlyButSelectable()
{
    for (const char* name : {"txtAmount", "txtWuEnd"}) {
        TextField* field = f->field(name);
        const QString before = field->text();
        field->setFocus();
        QTest::keyClicks(field, "99");
        QCOMPARE(field->text(), before);
        QVERIFY(field->isReadOnly());
    }
}

void LayoutTest::themeListKeepsTheFiveThemesInTheirPlaces()
{
    ComboBox* themes = f->combo();
    QStringList items;
    for (int i = 0; i < themes->count(); ++i)
        items << themes->itemText(i);
    // The settings file stores a theme by its place, so these never move; a
    // new theme can only follow them.
    QCOMPARE(items.mid(0, 5), (QStringList{"Standard Color", "DOS", "Corvid", "Plover Forum Colors",
                                           "Plover Site Colors!"}));
    QCOMPARE(items.size(), qsizetype(Themes.size()));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
