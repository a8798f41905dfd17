// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's controls and services, on their own.
#include "support/scripted_message_boxes.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/combo_box.h"
#include "ui/toolkit/control_table.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/pending_events.h"
#include "ui/toolkit/text_field.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void fieldChangesOnlyWhenTheTextDiffers();
    void pastedLinesEndAtTheFirstLineBreak_data();
    void pastedLinesEndAtTheFirstLineBreak();
    void typingLimitCountsWhatIsLeftOfTheText_data();
    void typingLimitCountsWhatIsLeftOfTheText();
    void checkBoxValuesAndClicks();
    void comboBoxTypingLeavesNoItemSelected();
    void doEventsRepaints();
    void messageBoxTitleDefaultsToTheProgram();
    void lookUpOfAMissingControlStops_data();
    void lookUpOfAMissingControlStops();
};

void ControlsTest::fieldChangesOnlyWhenTheTextDiffers()
{
    TextField field;
    QSignalSpy changes(&field, &QLineEdit::textChanged);
    field.setFieldText(QStringLiteral("5"));
    field.setFieldText(QStringLiteral("5"));
    QCOMPARE(changes.count(), 1);
    field.setFieldText(QString());
    QCOMPARE(changes.count(), 2);
}

void ControlsTest::pastedLinesEndAtTheFirstLineBreak_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor"); // -1: the whole text selected
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("two-line summary over the whole text")
        << "641.440" << -1 << 0 << "With a rate of 1\r\nIf he/she started" << "With a rate of 1";
    QTest::newRow("line feed alone") << "" << 0 << 0 << "12\n34\n" << "12";
    QTest::newRow("carriage return alone") << "" << 0 << 0 << "12\r34" << "12";
    QTest::newRow("into the middle") << "1000" << 2 << 0 << "5\r\n6" << "10500";
    QTest::newRow("line break first") << "24" << 2 << 0 << "\r\n7" << "24";
    QTest::newRow("limited field") << "" << 0 << 10 << "01/01/2004 and\r\nmore" << "01/01/2004";
    QTest::newRow("one line") << "5" << 1 << 0 << "0,5" << "50,5";
    // clang-format on
}

void ControlsTest::pastedLinesEndAtTheFirstLineBreak()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(int, limit);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    TextField field;
    field.setTypingLimit(limit);
    field.setFieldText(before);
    field.show();
    field.setFocus();
    if (cursor < 0)
        field.selectAll();
    else
        field.setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field.text(), after);
    // Typing goes on behind what was pasted.
    QTest::keyClick(&field, Qt::Key_9);
    QCOMPARE(field.text().size(), limit > 0 ? limit : after.size() + 1);

    // Text the program puts in stays as it is.
    field.setFieldText(pasted);
    QCOMPARE(field.text(), pasted);
}

void ControlsTest::typingLimitCountsWhatIsLeftOfTheText_data()
{
    QTest::addColumn<QString>("before"); // put in by the program
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("over the whole of a longer text")
        << "01/01/2004 and more" << 0 << 19 << "31/12/2004 and later" << "31/12/2004";
    QTest::newRow("over the end of a longer text")
        << "01/01/2004 and more" << 10 << 9 << "XYZ" << "01/01/2004";
    QTest::newRow("over the start of a longer text")
        << "01/01/2004 and more" << 0 << 12 << "2" << "2nd more";
    QTest::newRow("at the end of a full field") << "1234567890" << 10 << 0 << "1" << "1234567890";
    QTest::newRow("at the end, with room") << "123" << 3 << 0 << "4567890123" << "1234567890";
    QTest::newRow("into the middle") << "12345678" << 4 << 0 << "abcdef" << "1234ab5678";
    QTest::newRow("over a part, with room") << "12345678" << 2 << 4 << "abcdefgh" << "12abcdef78";
    // clang-format on
}

void ControlsTest::typingLimitCountsWhatIsLeftOfTheText()
{
    QFETCH(QString, before);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    TextField field;
    field.setTypingLimit(10);
    field.setFieldText(before);
    field.show();
    field.setFocus();
    field.setSelection(selectionStart, selectionLength);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field.text(), after);

    // Typed key by key it comes out the same.
    field.setFieldText(before);
    field.setSelection(selectionStart, selectionLength);
    QTest::keyClicks(&field, pasted);
    QCOMPARE(field.text(), after);
}

void ControlsTest::checkBoxValuesAndClicks()
{
    CheckBox box;
    box.resize(120, 20);
    QSignalSpy changes(&box, &CheckBox::valueChanged);
    box.setValue(CheckBox::Greyed);
    box.setValue(CheckBox::Greyed);
    box.setValue(7);
    QCOMPARE(box.value(), CheckBox::Greyed);
    QCOMPARE(changes.count(), 1);
    QVERIFY(!box.isOn());

    // A click ticks a greyed box, then clears it, then ticks it: the user
    // never makes it greyed.
    const int afterClicks[] = {CheckBox::On, CheckBox::Off, CheckBox::On};
    for (int expected : afterClicks) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(100, 10)); // on the caption
        QCOMPARE(box.value(), expected);
    }
    QCOMPARE(changes.count(), 4);
}

void ControlsTest::comboBoxTypingLeavesNoItemSelected()
{
    ComboBox combo;
    combo.addItems({QStringLiteral("Standard Color"), QStringLiteral("DOS")});
    QSignalSpy picks(&combo, &ComboBox::listIndexChanged);
    combo.setListIndex(1);
    combo.setListIndex(1);
    QCOMPARE(picks.count(), 1);

    combo.setFocus();
    QTest::keyClicks(&combo, "x");
    QCOMPARE(combo.listIndex(), -1);
    QCOMPARE(combo.currentText(), QStringLiteral("DOSx"));
    QCOMPARE(picks.count(), 1);

    // Typing an item's name and pressing Enter picks nothing either.
    combo.lineEdit()->selectAll();
    QTest::keyClicks(&combo, "DOS");
    QTest::keyClick(&combo, Qt::Key_Return);
    QCOMPARE(combo.listIndex(), -1);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(picks.count(), 1);
}

void ControlsTest::doEventsRepaints()
{
    QLineEdit field;
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    PaintCounter counter;
    field.installEventFilter(&counter);
    field.setText(QStringLiteral("changed"));
    QCOMPARE(counter.paints, 0);
    DoEvents();
    QVERIFY(counter.paints > 0);
}

void ControlsTest::messageBoxTitleDefaultsToTheProgram()
{
    ScriptedMessageBoxes boxes;
    boxes.answerNext(MsgAnswer::Cancel);
    QCOMPARE(MsgBox(QStringLiteral("Copy?"), MsgButtons::OkCancel, MsgIcon::Question),
             MsgAnswer::Cancel);
    MsgBox(QStringLiteral("Hello"), MsgButtons::Ok, MsgIcon::None, QStringLiteral("Other"));
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown()[0].title, QStringLiteral("Veltrane"));
    QCOMPARE(boxes.shown()[0].buttons, MsgButtons::OkCancel);
    QCOMPARE(boxes.shown()[0].icon, MsgIcon::Question);
    QCOMPARE(boxes.shown()[1].title, QStringLiteral("Other"));
}

void ControlsTest::lookUpOfAMissingControlStops_data()
{
    QTest::addColumn<QString>("lookUp");
    QTest::addColumn<bool>("stops");
    QTest::newRow("the name and kind of the layout") << "txtKeys:TextField" << false;
    QTest::newRow("a misspelt name") << "txtKey:TextField" << true;
    QTest::newRow("the name of a control of another kind") << "txtKeys:QPushButton" << true;
}

// Release builds too: the look-up runs in a child process of this test,
// which is built as the program is.
void ControlsTest::lookUpOfAMissingControlStops()
{
    QFETCH(QString, lookUp);
    QFETCH(bool, stops);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELTRANE_LOOK_UP"), lookUp);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    const QString errors = QString::fromUtf8(child.readAllStandardError());
    if (stops) {
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(errors.contains(lookUp.section(u':', 0, 0)), qPrintable(errors));
    } else {
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
}

// The child of lookUpOfAMissingControlStops: a window with one field,
// txtKeys, asked for "name:kind".
int lookUpOneControl(const QString& lookUp)
{
    QWidget window;
    ControlsByName controls;
    controls.insert(QStringLiteral("txtKeys"), new TextField(&window));
    const QByteArray name = lookUp.section(u':', 0, 0).toUtf8();
    if (lookUp.section(u':', 1) == u"QPushButton")
        return requiredControl<QPushButton>(controls, name.constData()) ? 0 : 1;
    return requiredControl<TextField>(controls, name.constData()) ? 0 : 1;
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("VELTRANE_LOOK_UP"))
        return lookUpOneControl(qEnvironmentVariable("VELTRANE_LOOK_UP"));
    ControlsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_controls.moc"
