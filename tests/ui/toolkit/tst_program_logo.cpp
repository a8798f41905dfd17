// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon shows the logo exactly as it is drawn, at the sizes the
// program carries prerendered and at any other.
#include "ui/toolkit/prerendered_logo.h"
#include "ui/toolkit/program_logo.h"

#include <QApplication>
#include <QTest>

using namespace veltrane;

class ProgramLogoTest : public QObject
{
    Q_OBJECT

private slots:
    void iconShowsTheDrawnLogo_data();
    void iconShowsTheDrawnLogo();
    void iconOffersTheCarriedSizes();
};

void ProgramLogoTest::iconShowsTheDrawnLogo_data()
{
    QTest::addColumn<QSize>("size");
    for (int side : LogoIconSizes)
        QTest::addRow("carried %d", side) << QSize(side, side);
    QTest::addRow("drawn on demand 20") << QSize(20, 20);
    QTest::addRow("drawn on demand 40x30") << QSize(40, 30);
}

void ProgramLogoTest::iconShowsTheDrawnLogo()
{
    QFETCH(QSize, size);
    const QImage fromIcon = programIcon().pixmap(size).toImage();
    const QImage drawn = programLogo(size.width(), size.height()).toImage();
    QCOMPARE(fromIcon.size(), size);
    QCOMPARE(fromIcon.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // Something was drawn: the logo is not a transparent square.
    QVERIFY(qAlpha(drawn.pixel(size.width() / 2, size.height() / 2)) > 0);
}

void ProgramLogoTest::iconOffersTheCarriedSizes()
{
    QList<QSize> carried;
    for (int side : LogoIconSizes) {
        QVERIFY(prerenderedLogo(side));
        carried.append(QSize(side, side));
    }
    QCOMPARE(programIcon().availableSizes(), carried);
    QVERIFY(!prerenderedLogo(20));
}

QTEST_MAIN(ProgramLogoTest)
#include "tst_program_logo.moc"
