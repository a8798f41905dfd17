// The toolkit's controls and services, on their own.
#include "support/scripted_message_boxes.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/combo_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/pending_events.h"
#include "ui/toolkit/text_field.h"

#include <QLineEdit>
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
    void checkBoxValuesAndClicks();
    void comboBoxTypingLeavesNoItemSelected();
    void doEventsRepaints();
    void messageBoxTitleDefaultsToTheProgram();
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

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
