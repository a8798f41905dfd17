// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of the main, Buff-In and About windows is drawn whole in its
// control. CTest runs this at Qt scale factors 1, 1.5 and 2 (QT_SCALE_FACTOR),
// where fonts are drawn at other pixel sizes and positions round differently.
//
// What is drawn is measured, not the fonts: each control is drawn with and
// without its caption, once as it stands and once with room to spare (wider
// and taller for a one-line caption, taller for one that wraps at the
// control's width). The caption is cut when it shows less of itself in the
// control than with room.
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QTest>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QByteArray ExampleSettings = "[Calculate]\nStartDate=0\nKeyRate=641.440\nCPUTime=5\n";

QString captionOf(const QWidget* control)
{
    if (auto button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() ? label->text() : QString();
    return {};
}

// Sets the text only: a label that sizes itself to its caption keeps its size.
void setCaptionOf(QWidget* control, const QString& caption)
{
    if (auto button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto label = qobject_cast<QLabel*>(control))
        label->setText(caption);
}

bool wrapsCaption(const QWidget* control)
{
    if (qobject_cast<const CheckBox*>(control))
        return true;
    auto label = qobject_cast<const QLabel*>(control);
    return label && label->wordWrap();
}

QImage picture(QWidget* control)
{
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The box, in device pixels, around the pixels that differ clearly between
// the two pictures of one control: its caption's ink.
QRect inkBox(const QImage& drawn, const QImage& blank)
{
    QRect box;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(blank.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int difference = qAbs(qRed(a[x]) - qRed(b[x])) +
                                   qAbs(qGreen(a[x]) - qGreen(b[x])) +
                                   qAbs(qBlue(a[x]) - qBlue(b[x]));
            if (difference > 90)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

struct Ink
{
    QRect box;
    QSize area;
};

Ink inkAtSize(QWidget* control, const QString& caption, QSize size)
{
    control->resize(size);
    const QImage drawn = picture(control);
    setCaptionOf(control, QString());
    const QImage blank = picture(control);
    setCaptionOf(control, caption);
    return {inkBox(drawn, blank), drawn.size()};
}

// Less of the caption along one direction. At a fractional scale an
// anti-aliased edge may come out one pixel shorter without anything lost,
// unless the ink runs into the control's edge there.
bool shorter(int seen, int whole, int spareBefore, int spareAfter)
{
    const int missing = whole - seen;
    return missing > 1 || (missing == 1 && (spareBefore == 0 || spareAfter == 0));
}

// A line for each control of the window whose caption is cut.
QStringList cutCaptions(QWidget* window)
{
    QStringList cut;
    const auto controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        const QString caption = captionOf(control);
        if (!control->isVisible() || caption.isEmpty())
            continue;
        const QRect geometry = control->geometry();
        const QSize room = wrapsCaption(control) ? QSize(geometry.width(), geometry.height() * 4)
                                                 : geometry.size() * 3;
        const Ink whole = inkAtSize(control, caption, room);
        const Ink seen = inkAtSize(control, caption, geometry.size());
        control->setGeometry(geometry);

        const QRect box = seen.box;
        if (seen.box.isEmpty() ||
            shorter(box.width(), whole.box.width(), box.left(),
                    seen.area.width() - 1 - box.right()) ||
            shorter(box.height(), whole.box.height(), box.top(),
                    seen.area.height() - 1 - box.bottom())) {
            // The font actually found tells a missing font from a caption
            // that grew.
            cut << QStringLiteral("%1 \"%2\" in %3: ")
                           .arg(control->objectName(), caption,
                                QFontInfo(control->font()).family()) +
                       QStringLiteral("%1x%2 of its %3x%4 device pixels shown in a %5x%6 control")
                           .arg(box.width())
                           .arg(box.height())
                           .arg(whole.box.width())
                           .arg(whole.box.height())
                           .arg(seen.area.width())
                           .arg(seen.area.height());
        }
    }
    return cut;
}

// Lists the cut captions, one a line, and gives the verdict's message.
QByteArray report(const QStringList& cut)
{
    for (const QString& line : cut)
        qWarning("%s", qPrintable(line));
    return QStringLiteral("%1 caption(s) cut at scale factor %2")
        .arg(cut.size())
        .arg(qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")))
        .toUtf8();
}

} // namespace

class CaptionFitTest : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowCaptionsFit();
    void buffInCaptionsFit();
    void aboutCaptionsFit();
};

void CaptionFitTest::mainWindowCaptionsFit()
{
    MainWindowFixture f;
    f.writeSettings(ExampleSettings);
    f.open();
    // After a calculation each button offers "Recalculate from here", its
    // longest caption.
    for (const char* button : {"cmdCalculate(1)", "cmdCalculate(2)", "cmdCalculate(0)"})
        f.click(button);
    QCOMPARE(f.text("cmdCalculate(1)"), QStringLiteral("Re&calculate from here"));
    const QStringList cut = cutCaptions(f.window.get());
    QVERIFY2(cut.isEmpty(), report(cut).constData());
}

void CaptionFitTest::buffInCaptionsFit()
{
    MainWindowFixture f;
    f.writeSettings(ExampleSettings);
    f.open();
    f.click("cmdBuffIn");
    QWidget* buffIn = MainWindowFixture::shownWindow("frmBuffIn");
    QVERIFY(buffIn);
    QTest::mouseClick(MainWindowFixture::controlOf<QPushButton>(buffIn, "cmdCalculate"),
                      Qt::LeftButton);
    QVERIFY(MainWindowFixture::controlOf<Label>(buffIn, "lblout")->isVisible());
    const QStringList cut = cutCaptions(buffIn);
    QVERIFY2(cut.isEmpty(), report(cut).constData());
}

void CaptionFitTest::aboutCaptionsFit()
{
    MainWindowFixture f;
    f.open();
    f.click("cmdAbout");
    QWidget* about = MainWindowFixture::shownWindow("frmAbout");
    QVERIFY(about);
    const QStringList cut = cutCaptions(about);
    QVERIFY2(cut.isEmpty(), report(cut).constData());
    about->close();
}

QTEST_MAIN(CaptionFitTest)
#include "tst_caption_fit.moc"
