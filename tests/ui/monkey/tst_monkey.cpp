// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk over every window of the program: typing, pasting,
// Enter, clicks, themes, the secondary windows, pointer moves, message-box
// answers and input that arrives while a routine lets events through. Along
// the way cheap rules that always hold are checked; at the end the window's
// figures must equal those of a brand-new window given the same inputs.
//
// VELTRANE_MONKEY_SEED=<n> replays one seed, VELTRANE_MONKEY_STEPS=<n> sets
// the number of actions, VELTRANE_MONKEY_TRACE=1 prints every action.
#include "monkey_support.h"

#include <QTest>

using namespace veltrane;
using namespace veltrane::test;
using namespace veltrane::test::monkey;

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomWalkLeavesTheWindowConsistent_data();
    void randomWalkLeavesTheWindowConsistent();
};

void MonkeyTest::randomWalkLeavesTheWindowConsistent_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("VELTRANE_MONKEY_SEED").toULongLong(&ok);
    const int steps = qEnvironmentVariableIntValue("VELTRANE_MONKEY_STEPS");
    if (ok) {
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << seed << (steps > 0 ? steps : 10000);
        return;
    }
    // One long walk and shorter ones from other starting points, each
    // ending in its own comparison with a fresh window.
    QTest::newRow("seed 20260") << quint64(20260) << (steps > 0 ? steps : 10000);
    for (quint64 other : {7, 1999, 31, 48})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(other)))
            << other << (steps > 0 ? steps : 1500);
}

void MonkeyTest::randomWalkLeavesTheWindowConsistent()
{
    QFETCH(quint64, seed);
    QFETCH(int, steps);
    Monkey monkey(seed);
    monkey.start();
    for (int step = 0; step < steps && monkey.ok(); ++step)
        monkey.act(step);
    if (monkey.ok())
        monkey.compareWithFreshWindow();
    if (!monkey.ok())
        QFAIL(qPrintable(monkey.report()));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
