// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/main_window_fixture.h"

#include <QMap>
#include <QObject>
#include <QUrl>

#include <deque>
#include <memory>
#include <random>

class QLineEdit;

namespace veltrane::test::monkey {

// Takes the addresses the program hands to the desktop, so that no browser
// starts while the site link is clicked.
class UrlCatcher : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

// What the main window shows, by control name: texts, captions, check-box
// values, button captions, and the time of one work unit.
using WindowState = QMap<QString, QString>;

// The random user. Every action goes through real Qt events to the window
// that is shown; the rules that must always hold are checked after each
// action, and the first one broken ends the walk with a report.
class Monkey
{
public:
    explicit Monkey(quint64 seed);
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    void start();
    void act(int step);
    // Calculates in the walked window and in a brand-new one given the same
    // inputs; both must end showing the same.
    void compareWithFreshWindow();

    bool ok() const { return m_failure.isEmpty(); }
    QString report() const;

private:
    // Random choices.
    int pick(int count);
    bool chance(double probability);
    QString randomText(const QString& fieldName);

    // Windows.
    frmMain* main() const { return m_fixture->window.get(); }
    static QWidget* shown(const char* name) { return MainWindowFixture::shownWindow(name); }
    bool isBlocked(QWidget* window) const;
    QList<QWidget*> shownWindows() const;
    bool activate(QWidget* window);
    QPoint centreIn(QWidget* window, QWidget* control) const;
    void clickThrough(QWidget* window, QWidget* control);
    void settle();
    void openMainWindow();
    void restart(const QString& how);

    // Actions.
    void typeIntoField();
    void typeInto(QWidget* window, QLineEdit* field, const QString& name);
    void typeIntoBlockedWindow(QWidget* window);
    void pressKeyInWindow();
    void clickControl();
    void chooseTheme();
    void openOrCloseWindow();
    void openHistory();
    void movePointer();
    void switchWindow();
    void queueInput();

    // Checks.
    void fail(const QString& what);
    void check(bool condition, const QString& what)
    {
        if (!condition && ok())
            fail(what);
    }
    void checkAlways();
    void checkSettingsFile();
    void checkRestored(const QMap<QString, QString>& before, const QString& storedTheme);
    QMap<QString, QString> snapshotOf(QWidget* window) const;

    // The final comparison.
    WindowState stateOf(frmMain& window) const;
    void giveState(MainWindowFixture& fixture, const WindowState& state);
    struct FinalPlan
    {
        QList<std::pair<const char*, QString>> typed;
        QList<int> calculations;
    };
    // Types the plan's texts, runs its calculations and the steps that read
    // their result; what the window shows after each.
    QList<WindowState> finalRun(MainWindowFixture& fixture, const FinalPlan& plan);
    void installMessageHandler();
    void log(const QString& action);

    quint64 m_seed;
    std::mt19937_64 m_random;
    std::unique_ptr<MainWindowFixture> m_fixture;
    UrlCatcher m_urls;
    QStringList m_prompts;
    bool m_randomAnswers = true;
    bool m_queued = false;
    bool m_comparing = false;
    std::deque<QString> m_log;
    int m_step = -1;
    int m_restarts = 0;
    bool m_trace = false;
    QString m_failure;
};

} // namespace veltrane::test::monkey
