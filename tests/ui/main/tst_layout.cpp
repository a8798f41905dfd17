// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the layout draws it: size, places, fonts, focus order.
#include "support/main_window_fixture.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/line_control.h"

#include <QAccessible>
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
    void fieldsAreNamedAfterTheirLabels_data();
    void fieldsAreNamedAfterTheirLabels();
    void controlsThatShareACaptionHaveNamesOfTheirOwn();

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

void LayoutTest::fieldsAreNamedAfterTheirLabels_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    auto row = [](const char* field, const char* label, const char* name) {
        QTest::newRow(field) << QString::fromUtf8(field) << QString::fromUtf8(label)
                             << QString::fromUtf8(name);
    };
    row("txtKeys", "Label1(0)", "Enter key's/sec");
    row("txtCpu", "Label1(4)", "Enter cpu time in hours");
    row("txtStart", "Label1(5)", "Enter start date");
    row("txtEnd", "Label1(6)", "Enter end date");
    row("txtWus(0)", "Label1(3)", "Number of WU's/Hour");
    row("txtWus(1)", "Label1(1)", "Number of WU's/Day");
    row("txtAmount", "Label1(8)", "WU's in amount of CPU time");
    row("txtWuDone", "Label1(10)", "WU's that allready are done:");
    row("txtWuEnd", "Label1(7)", "WU's after 10 days");
}

void LayoutTest::fieldsAreNamedAfterTheirLabels()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, name);
    QWidget* control = f->control<QWidget>(field.toUtf8().constData());
    QWidget* caption = f->control<QWidget>(label.toUtf8().constData());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    // A screen reader also reads the caption as the field's label.
    const auto labelledBy = accessible->relations(QAccessible::Label);
    QVERIFY(std::any_of(labelledBy.begin(), labelledBy.end(), [caption](const auto& relation) {
        return relation.first->object() == caption;
    }));
    // The caption on screen is unchanged.
    QCOMPARE(MainWindowFixture::textOf(caption), name);
}

void LayoutTest::controlsThatShareACaptionHaveNamesOfTheirOwn()
{
    auto nameOf = [this](const char* control) {
        return QAccessible::queryAccessibleInterface(f->control<QWidget>(control))
            ->text(QAccessible::Name);
    };
    QCOMPARE(nameOf("cmdCalculate(0)"), QStringLiteral("Calculate from the key rate"));
    QCOMPARE(nameOf("cmdCalculate(1)"), QStringLiteral("Calculate from WU's per hour"));
    QCOMPARE(nameOf("cmdCalculate(2)"), QStringLiteral("Calculate from WU's per day"));
    QCOMPARE(nameOf("chkSetStartDate"), QStringLiteral("Set start date now on start"));
    QCOMPARE(nameOf("chkSetEndDate"), QStringLiteral("Set end date now on start"));

    // The name follows the caption when a calculation renames the button.
    f->click("cmdCalculate(1)");
    QCOMPARE(f->text("cmdCalculate(1)"), QStringLiteral("Re&calculate from here"));
    QCOMPARE(nameOf("cmdCalculate(1)"), QStringLiteral("Recalculate from WU's per hour"));

    // The captions on screen are those of the layout.
    QCOMPARE(f->text("cmdCalculate(2)"), QStringLiteral("&Calculate from here"));
    QCOMPARE(f->text("chkSetStartDate"), QStringLiteral("Set Date now on start"));
    QCOMPARE(f->text("chkSetEndDate"), QStringLiteral("Set Date now on start"));

    // Every button and check box has a name no other one has.
    QStringList names;
    for (QWidget* control : f->window->findChildren<QAbstractButton*>())
        names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
