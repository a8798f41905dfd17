// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey_support.h"

#include "core/progress_caption.h"
#include "core/work_unit_rate.h"
#include "settings/ini_text.h"
#include "settings/setting_keys.h"
#include "ui/theme/theme_table.h"
#include "ui/toolkit/multi_line_text_field.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/twips.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace veltrane::test::monkey {
namespace {

// The theme list holds one item a theme of the table.
int themeCount()
{
    return int(Themes.size());
}

const QString Title = QStringLiteral("Veltrane    [1.13 Build3]");
const QString CalculateCaption = QStringLiteral("&Calculate from here");
const QString RecalculateCaption = QStringLiteral("Re&calculate from here");
const QString LayoutProgressCaption = QStringLiteral("0WU's 0%");
const QString HistoryMissing =
    QStringLiteral("Can't find History-file\r\nFile: veltrane_history.txt");

const char* const MainFields[] = {"txtKeys",   "txtCpu",    "txtStart",  "txtEnd",  "txtWus(0)",
                                  "txtWus(1)", "txtAmount", "txtWuDone", "txtWuEnd"};
const char* const MainLabels[] = {"lblWu",         "lblWUsProc(0)", "lblWUsProc(1)",
                                  "lblAmountProc", "lblWuEnd",      "Label1(7)"};
const char* const MainCheckBoxes[] = {"chkCPU", "chkDone", "chkShowMs"};
const char* const MainButtons[] = {"cmdCalculate(0)", "cmdCalculate(1)", "cmdCalculate(2)"};

// Each figure and the progress caption that restates it.
const std::pair<const char*, const char*> CaptionOfField[] = {
    {"txtWus(0)", "lblWUsProc(0)"},
    {"txtWus(1)", "lblWUsProc(1)"},
    {"txtAmount", "lblAmountProc"},
    {"txtWuEnd", "lblWuEnd"},
};

// What a user clicks in the main window; cmdEnd is left to restart().
const char* const MainClickable[] = {
    "cmdCalculate(0)", "cmdCalculate(1)", "cmdCalculate(2)", "cmdDateNow", "cmdDateEnd",
    "cmdBuffIn",       "cmdAbout",        "cmdHistory",      "cmd1Line",   "chkSetStartDate",
    "chkSetEndDate",   "chkShowMs",       "chkDone",         "chkCPU",     "chkButtons",
    "lblSite",         "txtKeys",         "txtCpu",          "txtWus(0)",  "txtWus(1)",
    "txtAmount",       "txtWuEnd",        "txtWuDone",       "Label1(7)",  "lblWu"};

// Values a user would sensibly type into each field.
QStringList sensibleValues(const QString& field)
{
    if (field == u"txtKeys")
        return {"641.440", "100.358", "10.000", "9.999",        "0", "5000", "1.234.567",
                "641440",  "641,440", "-5",     "4.294.967.296"};
    if (field == u"txtCpu")
        return {"5", "24", "23,5", "0", "12", "7,5", "6,5", "1", "-3", "0,4", "25"};
    if (field == u"txtStart" || field == u"txtEnd")
        return {"30/10/2003", "01/01/2004", "11/04/2004", "29/02/2004", "31/12/1999",
                "1/1/2000",   "10/12/2026", "31/02/2003", "00/00/0000"};
    if (field.startsWith(u"txtWus"))
        return {"0.54", "1", "100", "0,5", "0", "12,9", "-1", "0,00001", "99999999"};
    if (field == u"txtWuDone")
        return {"0", "12", " ", "  ", "12,5", "13,5", "-4", "2147483647"};
    if (field == u"txtBuffIn")
        return {"1000", "9", "10", "0", "-5", "100000", "2,5", "2147483647", "2147483648"};
    return {"Standard Color", "DOS", "Corvid", "x"};
}

// clang-format off
const QStringList EdgeValues = {"",   " ",   "  ",   "-0",        "99999999999999999999", "1e5",
                                ",",  ".",   "-",    "2147483648", "-2147483649",          "0,00001",
                                "1,", ",5",  "1.2,3", "١٢٣",       "€",                    "\xC3\xA9"};
// clang-format on

// Types text key by key; characters beyond ASCII come as keys that carry
// only their text, as from an input method.
void typeKeys(QWidget* widget, const QString& text)
{
    QPointer<QWidget> guard(widget);
    for (QChar character : text) {
        if (!guard || !guard->isVisible())
            return;
        if (character.unicode() < 128)
            QTest::keyClick(widget, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

QString shortened(const QString& text)
{
    if (text.size() <= 60)
        return text;
    return text.left(40) + QStringLiteral("...(%1 chars)").arg(text.size());
}

} // namespace

Monkey::Monkey(quint64 seed) : m_seed(seed), m_random(seed)
{
    m_trace = qEnvironmentVariableIntValue("VELTRANE_MONKEY_TRACE") != 0;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_urls, "openUrl");
}

Monkey::~Monkey()
{
    if (m_fixture && main() && main()->isVisible())
        m_fixture->closeWindow();
    m_fixture.reset();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

int Monkey::pick(int count)
{
    return int(std::uniform_int_distribution<int>(0, count - 1)(m_random));
}

bool Monkey::chance(double probability)
{
    return std::uniform_real_distribution<double>(0, 1)(m_random) < probability;
}

QString Monkey::randomText(const QString& fieldName)
{
    const int kind = pick(100);
    if (kind < 30) {
        const QStringList values = sensibleValues(fieldName);
        return values[pick(int(values.size()))];
    }
    if (kind < 42)
        return EdgeValues[pick(int(EdgeValues.size()))];
    static const QString Alphabet = QStringLiteral("0123456789,.- abcXYZ/%&\xE9");
    static const QString Digits = QStringLiteral("0123456789");
    if (kind < 50) {
        // Thousands of characters: digits with a few marks, or anything.
        const int length = 1000 + pick(4000);
        const QString& from = chance(0.5) ? Digits : Alphabet;
        QString text;
        text.reserve(length);
        for (int i = 0; i < length; ++i)
            text += from[pick(int(from.size()))];
        return text;
    }
    const int length = pick(kind < 80 ? 8 : 20);
    const QString& from = kind < 80 ? Digits + QStringLiteral(",.- ") : Alphabet;
    QString text;
    for (int i = 0; i < length; ++i)
        text += from[pick(int(from.size()))];
    return text;
}

bool Monkey::isBlocked(QWidget* window) const
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != window;
}

QList<QWidget*> Monkey::shownWindows() const
{
    QList<QWidget*> windows{main()};
    for (const char* name : {"frmBuffIn", "frmAbout", "frmHistory"})
        if (QWidget* window = shown(name))
            windows.append(window);
    return windows;
}

bool Monkey::activate(QWidget* window)
{
    // Queued input may close the window while it comes forward.
    QPointer<QWidget> guard(window);
    if (QApplication::activeWindow() != window && !isBlocked(window)) {
        window->activateWindow();
        settle();
    }
    return guard && guard->isVisible();
}

QPoint Monkey::centreIn(QWidget* window, QWidget* control) const
{
    return control->mapTo(window, control->rect().center());
}

void Monkey::clickThrough(QWidget* window, QWidget* control)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centreIn(window, control));
}

void Monkey::settle()
{
    QCoreApplication::processEvents();
    // Windows closed by the action are deleted, as back in the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Monkey::installMessageHandler()
{
    setMessageBoxHandler([this](const MessageRequest& request) {
        m_prompts.append(request.prompt);
        MsgAnswer answer = MsgAnswer::Ok;
        if (m_randomAnswers && request.buttons == MsgButtons::OkCancel && chance(0.5))
            answer = MsgAnswer::Cancel;
        log(QStringLiteral("  message \"%1\" answered %2")
                .arg(shortened(request.prompt),
                     QLatin1String(answer == MsgAnswer::Ok ? "OK" : "Cancel")));
        return answer;
    });
}

void Monkey::openMainWindow()
{
    m_fixture->open();
    installMessageHandler();
    check(main()->isVisible(), QStringLiteral("the main window did not open"));
    check(main()->windowTitle() == Title,
          QStringLiteral("the title reads \"%1\"").arg(main()->windowTitle()));
}

void Monkey::start()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    // Half the walks start from a settings file of an earlier run.
    if (chance(0.5)) {
        QByteArray settings = "[Main]\nThemes=" + QByteArray::number(pick(themeCount())) +
                              "\nUse=" + QByteArray::number(pick(1000)) + "\n[Calculate]\n";
        settings += "KeyRate=" + sensibleValues("txtKeys")[pick(6)].toUtf8() + "\n";
        settings += "Buttons=" + QByteArray::number(pick(2)) + "\n";
        settings += "ShowMs=" + QByteArray::number(pick(2)) + "\n";
        // Dates edited by hand may be longer than the user can type.
        const bool longDates = chance(0.3);
        if (longDates)
            settings += "M-F StartDate=01/01/2004 and more\nM-F End Date=31/12/2004, the end\n";
        settings += "StartDate=" + QByteArray::number(longDates ? 0 : pick(2)) + "\n";
        settings += "EndDate=" + QByteArray::number(longDates ? 0 : pick(2)) + "\n";
        settings += "CPUTime=" + sensibleValues("txtCpu")[pick(6)].toUtf8() + "\n";
        m_fixture->writeSettings(settings);
    }
    // Printed first, so that a run that crashes can be replayed too.
    qInfo("monkey seed %llu; replay with VELTRANE_MONKEY_SEED=%llu VELTRANE_MONKEY_TRACE=1",
          static_cast<unsigned long long>(m_seed), static_cast<unsigned long long>(m_seed));
    log(QStringLiteral("start, seed %1").arg(m_seed));
    openMainWindow();
    checkAlways();
}

void Monkey::log(const QString& action)
{
    QString line = QStringLiteral("#%1 %2").arg(m_step).arg(action);
    if (m_trace)
        qInfo("%s", qPrintable(line));
    m_log.push_back(line);
    if (m_log.size() > 60)
        m_log.pop_front();
}

void Monkey::fail(const QString& what)
{
    m_failure = QStringLiteral("step %1: ").arg(m_step) + what;
}

QString Monkey::report() const
{
    QString text = QStringLiteral("seed %1, %2\nreplay with VELTRANE_MONKEY_SEED=%1 "
                                  "VELTRANE_MONKEY_STEPS=%3 (VELTRANE_MONKEY_TRACE=1 prints "
                                  "every action); the program was started %4 times\n"
                                  "the last actions:\n")
                       .arg(QString::number(m_seed), m_failure, QString::number(m_step + 1),
                            QString::number(m_restarts + 1));
    for (const QString& line : m_log)
        text += line + u'\n';
    return text;
}

void Monkey::act(int step)
{
    m_step = step;
    m_prompts.clear();
    m_queued = false;
    const int roll = pick(100);
    if (QApplication::activeModalWidget() && chance(0.15))
        openOrCloseWindow();
    else if (roll < 34)
        typeIntoField();
    else if (roll < 40)
        pressKeyInWindow();
    else if (roll < 64)
        clickControl();
    else if (roll < 70)
        chooseTheme();
    else if (roll < 78)
        openOrCloseWindow();
    else if (roll < 86)
        movePointer();
    else if (roll < 91)
        switchWindow();
    else if (roll < 99)
        queueInput();
    else if (chance(0.3))
        restart(chance(0.5) ? QStringLiteral("cmdEnd") : QStringLiteral("close box"));
    settle();

    // A queued click on "Exit..." may have ended the program in the middle
    // of a routine; it is started again.
    if (ok() && !main()->isVisible())
        restart(QStringLiteral("after the window closed"));
    checkAlways();
    if (ok() && step % 50 == 0)
        checkSettingsFile();
}

void Monkey::restart(const QString& how)
{
    ++m_restarts;
    // What the window showed when it was closed, to see it come back.
    QMap<QString, QString> shownBefore;
    const bool explicitClose = main()->isVisible();
    if (explicitClose) {
        for (const char* name : {"txtKeys", "txtStart", "txtEnd", "txtWuDone"})
            shownBefore[QString::fromUtf8(name)] = m_fixture->text(name);
        for (const char* name :
             {"chkDone", "chkShowMs", "chkSetStartDate", "chkSetEndDate", "chkButtons"})
            shownBefore[QString::fromUtf8(name)] =
                QString::number(m_fixture->checkBox(name)->value());
    }
    if (main()->isVisible()) {
        // A modal window has to be closed before the main window's own
        // button can be reached; the close box of the system always can.
        if (how == u"cmdEnd") {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            settle();
            activate(main());
            clickThrough(main(), m_fixture->button("cmdEnd"));
        } else {
            m_fixture->closeWindow();
        }
        settle();
    }
    log(QStringLiteral("restart (%1)").arg(how));
    check(!main()->isVisible(), QStringLiteral("the main window stays open after %1").arg(how));
    for (const char* name : {"frmBuffIn", "frmAbout", "frmHistory"})
        check(!shown(name), QStringLiteral("%1 stays open after the main window closed").arg(name));
    checkSettingsFile();
    if (!ok())
        return;
    const QString storedTheme = readSetting(settingKeys::Themes);
    m_prompts.clear();
    openMainWindow();
    if (explicitClose && ok())
        checkRestored(shownBefore, storedTheme);
}

void Monkey::checkRestored(const QMap<QString, QString>& before, const QString& storedTheme)
{
    const bool tooLow = m_prompts.contains(QStringLiteral("To low!\r\nSetted to 10.000"));
    // A text comes back as it was, unless it was empty (the default comes),
    // too long for a stored value, or the stored form changes it (blanks
    // around it, enclosing quotes).
    auto comesBackUnchanged = [](const QString& text) {
        return !text.isEmpty() && text.size() <= 2047 && text == text.trimmed() &&
               !(text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'));
    };
    auto expectText = [&](const char* name, bool applies) {
        const QString was = before[QString::fromUtf8(name)];
        if (applies && comesBackUnchanged(was))
            check(m_fixture->text(name) == was,
                  QStringLiteral("%1 comes back as \"%2\" after \"%3\" was stored")
                      .arg(name, shortened(m_fixture->text(name)), shortened(was)));
    };
    expectText("txtKeys", !tooLow);
    expectText("txtWuDone", true);
    expectText("txtStart", before[QStringLiteral("chkSetStartDate")] != u"1");
    expectText("txtEnd", before[QStringLiteral("chkSetEndDate")] != u"1");
    for (const char* name : {"chkDone", "chkShowMs", "chkSetStartDate", "chkSetEndDate"})
        check(QString::number(m_fixture->checkBox(name)->value()) ==
                  before[QString::fromUtf8(name)],
              QStringLiteral("%1 comes back as %2, %3 was stored")
                  .arg(name)
                  .arg(m_fixture->checkBox(name)->value())
                  .arg(before[QString::fromUtf8(name)]));
    bool number = false;
    const int theme = storedTheme.toInt(&number);
    const int expectedTheme = number && isThemeIndex(theme) ? theme : 0;
    check(main()->themeIndex() == expectedTheme, QStringLiteral("theme %1 after \"%2\" was stored")
                                                     .arg(main()->themeIndex())
                                                     .arg(storedTheme));
    if (expectedTheme != DosTheme)
        check(QString::number(m_fixture->checkBox("chkButtons")->value()) ==
                  before[QStringLiteral("chkButtons")],
              QStringLiteral("chkButtons does not come back"));
}

// --- actions ---------------------------------------------------------------

void Monkey::typeIntoField()
{
    const QList<QWidget*> windows = shownWindows();
    QWidget* window = windows[pick(int(windows.size()))];
    if (isBlocked(window)) {
        typeIntoBlockedWindow(window);
        return;
    }
    if (window == main()) {
        if (chance(0.08)) {
            typeInto(window, m_fixture->combo()->lineEdit(), QStringLiteral("cmbThemes"));
            return;
        }
        const char* name = MainFields[pick(int(std::size(MainFields)))];
        typeInto(window, m_fixture->field(name), QString::fromUtf8(name));
    } else if (window->objectName() == u"frmBuffIn") {
        typeInto(window, MainWindowFixture::controlOf<TextField>(window, "txtBuffIn"),
                 QStringLiteral("txtBuffIn"));
    } else if (window->objectName() == u"frmHistory") {
        auto history = MainWindowFixture::controlOf<MultiLineTextField>(window, "txtHistory");
        const QString before = history->text();
        if (!activate(window))
            return;
        history->setFocus();
        const QString typed = randomText(QStringLiteral("history")).left(30);
        log(QStringLiteral("type \"%1\" into txtHistory").arg(typed));
        typeKeys(history, typed);
        QTest::keyClick(history, Qt::Key_Delete);
        check(history->text() == before, QStringLiteral("typing changed the read-only history"));
    } else {
        pressKeyInWindow();
    }
}

void Monkey::typeInto(QWidget* window, QLineEdit* field, const QString& name)
{
    if (!activate(window))
        return;
    if (!field->isVisible())
        return;
    QPointer<QLineEdit> guard(field);
    clickThrough(window, field);
    if (!guard)
        return;
    field->setFocus();
    const QString before = field->text();
    const auto typedField = qobject_cast<TextField*>(field);
    const int limit = typedField ? typedField->typingLimit() : 0;
    const int mode = pick(10);
    QString typed;
    bool replaced = false;
    bool pasted = false;
    if (mode < 6) {
        // Over the whole text, as after Ctrl+A.
        typed = randomText(name);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty()) {
            QTest::keyClick(field, Qt::Key_Delete);
        } else if (typed.size() <= 40 && chance(0.7)) {
            typeKeys(field, typed);
        } else {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            pasted = true;
        }
        replaced = true;
    } else if (mode < 8) {
        typed = randomText(name).left(pick(2) ? 12 : 3000);
        field->setCursorPosition(pick(int(field->text().size()) + 1));
        if (typed.size() <= 12) {
            typeKeys(field, typed);
        } else {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        }
    } else if (mode < 9) {
        // Whatever the clipboard holds: a figure, the summary, the sentence.
        typed = QGuiApplication::clipboard()->text();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Z,
                                       Qt::Key_Y,         Qt::Key_X,      Qt::Key_C,
                                       Qt::Key_Home,      Qt::Key_End};
        const Qt::Key key = keys[pick(int(std::size(keys)))];
        const bool control = key == Qt::Key_Z || key == Qt::Key_Y || key == Qt::Key_X ||
                             key == Qt::Key_C || chance(0.3);
        typed = QStringLiteral("<key %1%2>").arg(control ? "Ctrl+" : "").arg(int(key), 0, 16);
        for (int i = pick(4); i >= 0 && guard; --i)
            QTest::keyClick(field, key, control ? Qt::ControlModifier : Qt::NoModifier);
    }
    log(QStringLiteral("%1 \"%2\" into %3 (mode %4)")
            .arg(QLatin1String(pasted ? "paste" : "type"), shortened(typed), name,
                 QString::number(mode)));
    if (!guard)
        return;

    const QString after = field->text();
    if (m_queued) {
        // Queued clicks may have changed the field meanwhile.
    } else if (field->isReadOnly()) {
        check(after == before,
              QStringLiteral("typing changed the read-only %1 from \"%2\" to \"%3\"")
                  .arg(name, shortened(before), shortened(after)));
    } else if (limit > 0 && after.size() > std::max<qsizetype>(limit, before.size())) {
        fail(QStringLiteral("%1 holds %2 characters after typing, more than its limit %3")
                 .arg(name)
                 .arg(after.size())
                 .arg(limit));
    } else if (replaced) {
        // What was typed over the whole text, cut to the field's limit; the
        // CPU hours and the done count rewrite a few texts of their own.
        const QString expected = limit > 0 ? typed.left(limit) : typed;
        bool exact = true;
        if (name == u"txtCpu")
            exact = !typed.startsWith(u'0') && !typed.isEmpty();
        else if (name == u"txtWuDone")
            exact = !typed.startsWith(u' ') && !typed.isEmpty();
        if (exact)
            check(after == expected,
                  QStringLiteral("%1 holds \"%2\" after \"%3\" was typed over it")
                      .arg(name, shortened(after), shortened(expected)));
        if (name == u"txtCpu")
            check(!after.isEmpty() && after != u"0",
                  QStringLiteral("txtCpu holds \"%1\"").arg(after));
        if (name == u"cmbThemes" && !typed.isEmpty())
            check(m_fixture->combo()->listIndex() == -1,
                  QStringLiteral("typing into cmbThemes left item %1 selected")
                      .arg(m_fixture->combo()->listIndex()));
    }
    if (chance(0.25) && guard) {
        log(QStringLiteral("Enter in %1").arg(name));
        QTest::keyClick(field, Qt::Key_Return);
    }
}

QMap<QString, QString> Monkey::snapshotOf(QWidget* window) const
{
    QMap<QString, QString> snapshot;
    const auto controls = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->objectName().isEmpty())
            continue;
        if (auto box = qobject_cast<CheckBox*>(control))
            snapshot[control->objectName()] = QString::number(box->value());
        else
            snapshot[control->objectName()] = MainWindowFixture::textOf(control);
    }
    return snapshot;
}

void Monkey::typeIntoBlockedWindow(QWidget* window)
{
    // A window behind a modal one takes neither clicks nor keys.
    const QMap<QString, QString> before = snapshotOf(window);
    const auto controls = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QWidget* target = controls.isEmpty() ? window : controls[pick(int(controls.size()))];
    log(QStringLiteral("click and type into %1 of the blocked %2")
            .arg(target->objectName(), window->objectName()));
    // Queued input may close the window at any of these steps.
    QPointer<QWidget> guard(window);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centreIn(window, target));
    for (Qt::Key key : {Qt::Key_5, Qt::Key_Return})
        if (guard)
            QTest::keyClick(guard->windowHandle(), key);
    settle();
    if (!guard)
        return;
    if (!m_queued)
        check(snapshotOf(window) == before,
              QStringLiteral("%1 changed while a modal window was open").arg(window->objectName()));
}

void Monkey::pressKeyInWindow()
{
    const QList<QWidget*> windows = shownWindows();
    QWidget* window = windows[pick(int(windows.size()))];
    if (isBlocked(window)) {
        typeIntoBlockedWindow(window);
        return;
    }
    if (!activate(window))
        return;
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Space,
                                   Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Escape};
    const Qt::Key key = keys[pick(int(std::size(keys)))];
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != window)
        focus = window;
    log(QStringLiteral("key %1 in %2 (focus %3)")
            .arg(int(key), 0, 16)
            .arg(window->objectName(), focus->objectName()));
    QTest::keyClick(window->windowHandle(), key);
}

void Monkey::clickControl()
{
    const QList<QWidget*> windows = shownWindows();
    QWidget* window = windows[pick(int(windows.size()))];
    if (isBlocked(window)) {
        typeIntoBlockedWindow(window);
        return;
    }
    if (!activate(window))
        return;
    QWidget* control = nullptr;
    if (window == main()) {
        control = m_fixture->control<QWidget>(MainClickable[pick(int(std::size(MainClickable)))]);
    } else {
        QList<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!child->objectName().isEmpty() && child->isVisible() &&
                !child->objectName().startsWith(u"Line") && !child->objectName().startsWith(u"qt_"))
                controls.append(child);
        if (controls.isEmpty())
            return;
        control = controls[pick(int(controls.size()))];
    }
    const QString name = control->objectName();
    const QString clipboardBefore = QGuiApplication::clipboard()->text();
    const qsizetype urlsBefore = m_urls.opened.size();
    const QString caption = MainWindowFixture::textOf(control);
    log(QStringLiteral("click %1 in %2").arg(name, window->objectName()));
    clickThrough(window, control);
    settle();

    // The copy commands and the site link.
    if (m_queued) {
        // Queued clicks may have changed what they copy.
    } else if (window == main() && name == u"cmd1Line") {
        const QString summary = QGuiApplication::clipboard()->text();
        check(m_prompts.contains(QStringLiteral("Copyed to Clipboard")),
              QStringLiteral("2 Line Text showed %1").arg(m_prompts.join(u'|')));
        check(summary.startsWith(QStringLiteral("With a rate of ") + m_fixture->text("txtKeys") +
                                 QStringLiteral(" keys/sec, it takes ")),
              QStringLiteral("the summary reads \"%1\"").arg(shortened(summary)));
        check(summary.count(QStringLiteral("\r\n")) == 1 && !summary.endsWith(u'\n'),
              QStringLiteral("the summary is not two lines"));
    } else if (name == u"lblout") {
        const QString now = QGuiApplication::clipboard()->text();
        check(now == caption || now == clipboardBefore,
              QStringLiteral("the clipboard holds \"%1\" after the copy question")
                  .arg(shortened(now)));
    } else if (name == u"lblSite") {
        check(m_urls.opened.size() == urlsBefore + 1 &&
                  m_urls.opened.last() == QUrl(QStringLiteral("http://") + caption),
              QStringLiteral("the site link opened %1 addresses")
                  .arg(m_urls.opened.size() - urlsBefore));
    }
}

void Monkey::chooseTheme()
{
    if (isBlocked(main())) {
        typeIntoBlockedWindow(main());
        return;
    }
    if (!activate(main()))
        return;
    ComboBox* combo = m_fixture->combo();
    const int before = combo->listIndex();
    if (chance(0.5)) {
        const int index = pick(themeCount());
        log(QStringLiteral("pick theme %1").arg(index));
        combo->setCurrentIndex(index);
    } else {
        const Qt::Key key = chance(0.5) ? Qt::Key_Up : Qt::Key_Down;
        log(QStringLiteral("key %1 in cmbThemes").arg(key == Qt::Key_Up ? "Up" : "Down"));
        combo->setFocus();
        QTest::keyClick(combo, key);
    }
    settle();
    if (combo->listIndex() != before)
        check(readSetting(settingKeys::Themes) == QString::number(combo->listIndex()),
              QStringLiteral("theme %1 chosen, %2 stored")
                  .arg(combo->listIndex())
                  .arg(readSetting(settingKeys::Themes)));
}

void Monkey::openHistory()
{
    const QString path = m_fixture->folder.filePath(QStringLiteral("veltrane_history.txt"));
    const int kind = pick(4);
    QByteArray content;
    if (kind == 0) {
        QFile::remove(path);
    } else {
        if (kind == 2)
            for (int i = 0; i < 3000; ++i)
                content += "Line " + QByteArray::number(i) + " of the history\r\n";
        else if (kind == 3)
            content = "Version 1.13\r\nFixed things\r\n";
        writeBytes(path, content);
    }
    const bool blocked = isBlocked(main());
    // The user may close the window while it fills.
    const bool closeWhileFilling = chance(0.15);
    if (closeWhileFilling)
        QTimer::singleShot(0, main(), [] {
            if (QWidget* history = shown("frmHistory"))
                history->close();
        });
    log(QStringLiteral("open History (%1 bytes, file %2)%3")
            .arg(content.size())
            .arg(QLatin1String(kind == 0 ? "missing" : "present"),
                 QLatin1String(closeWhileFilling ? ", closed while it fills" : "")));
    clickThrough(main(), m_fixture->button("cmdHistory"));
    settle();
    if (blocked || closeWhileFilling)
        return;
    QWidget* history = shown("frmHistory");
    if (content.isEmpty()) {
        check(!history, QStringLiteral("the History window stays open without a file"));
        check(m_prompts == QStringList{HistoryMissing},
              QStringLiteral("History showed %1").arg(m_prompts.join(u'|')));
    } else {
        check(history != nullptr, QStringLiteral("the History window did not open"));
        if (history)
            check(history->windowTitle() == Title + QStringLiteral(" -- History"),
                  QStringLiteral("History's title is \"%1\"").arg(history->windowTitle()));
    }
}

void Monkey::openOrCloseWindow()
{
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    const QString modalName = modal ? modal->objectName() : QString();
    const int roll = pick(6);
    if (modal && roll < 4) {
        // Closing the modal window the way its user does.
        if (!activate(modal))
            return;
        if (modal->objectName() == u"frmAbout") {
            auto back = MainWindowFixture::controlOf<QPushButton>(modal, "cmdBack");
            log(QStringLiteral("close About"));
            if (chance(0.5))
                clickThrough(modal, back);
            else
                QTest::keyClick(modal->windowHandle(),
                                chance(0.5) ? Qt::Key_Return : Qt::Key_Space);
        } else {
            log(QStringLiteral("close %1").arg(modal->objectName()));
            modal->close();
        }
        settle();
        check(!modal || !modal->isVisible(), QStringLiteral("%1 did not close").arg(modalName));
        return;
    }
    if (roll == 0 && shown("frmBuffIn")) {
        log(QStringLiteral("close Buff-In"));
        shown("frmBuffIn")->close();
        return;
    }
    if (roll < 3) {
        QWidget* buffInBefore = shown("frmBuffIn");
        const bool blocked = isBlocked(main());
        log(QStringLiteral("open Buff-In"));
        clickThrough(main(), m_fixture->button("cmdBuffIn"));
        settle();
        if (!blocked) {
            QWidget* buffIn = shown("frmBuffIn");
            check(buffIn != nullptr, QStringLiteral("Buff-In did not open"));
            if (buffInBefore)
                check(buffIn == buffInBefore, QStringLiteral("Buff-In was opened a second time"));
        }
        return;
    }
    if (roll < 5) {
        const bool blocked = isBlocked(main());
        log(QStringLiteral("open About"));
        clickThrough(main(), m_fixture->button("cmdAbout"));
        settle();
        if (!blocked) {
            QWidget* about = shown("frmAbout");
            check(about && QApplication::activeModalWidget() == about,
                  QStringLiteral("About did not open as a modal window"));
            if (about)
                check(MainWindowFixture::controlOf<Label>(about, "lblUse")->caption() ==
                          QStringLiteral("Used: %1 time(s)").arg(main()->useCount()),
                      QStringLiteral("About shows the wrong count"));
        }
        return;
    }
    openHistory();
}

void Monkey::movePointer()
{
    QWidget* buffIn = shown("frmBuffIn");
    if (buffIn && !isBlocked(buffIn) && chance(0.6)) {
        if (!activate(buffIn))
            return;
        auto lblout = MainWindowFixture::controlOf<Label>(buffIn, "lblout");
        const bool overSentence = lblout->isVisible() && chance(0.6);
        QPoint where = overSentence ? centreIn(buffIn, lblout) : QPoint(2, 2);
        if (!overSentence && buffIn->childAt(where))
            return;
        log(QStringLiteral("move over Buff-In %1").arg(overSentence ? "sentence" : "surface"));
        // Two steps: the window system drops a move to where the pointer is.
        QPointer<QWidget> guard(buffIn);
        QTest::mouseMove(buffIn->windowHandle(), where + QPoint(1, 1));
        if (guard)
            QTest::mouseMove(buffIn->windowHandle(), where);
        settle();
        if (!guard)
            return;
        if (lblout->isVisible()) {
            check(lblout->isBold() == overSentence,
                  QStringLiteral("the sentence is %1 under the pointer")
                      .arg(lblout->isBold() ? "bold" : "regular"));
            const int expected = twipsToPixels(pixelsToTwips(lblout->height()) + 3495);
            check(buffIn->frameGeometry().height() == expected,
                  QStringLiteral("Buff-In is %1 pixels tall, its sentence asks for %2")
                      .arg(buffIn->frameGeometry().height())
                      .arg(expected));
        }
        return;
    }
    if (isBlocked(main()))
        return;
    if (!activate(main()))
        return;
    Label* site = m_fixture->control<Label>("lblSite");
    const bool overSite = chance(0.5);
    QPoint where = overSite ? centreIn(main(), site) : QPoint(3, main()->height() - 2);
    if (!overSite && main()->childAt(where))
        return;
    log(QStringLiteral("move over the main window's %1").arg(overSite ? "site link" : "surface"));
    QTest::mouseMove(main()->windowHandle(), where + QPoint(1, -1));
    QTest::mouseMove(main()->windowHandle(), where);
    settle();
    check(site->isBold() == overSite, QStringLiteral("the site link is %1 under the pointer")
                                          .arg(site->isBold() ? "bold" : "regular"));
}

void Monkey::switchWindow()
{
    // A click on a window behind a modal one brings the modal one forward.
    const QList<QWidget*> windows = shownWindows();
    QWidget* window = windows[pick(int(windows.size()))];
    const bool blocked = isBlocked(window);
    if (blocked)
        window = QApplication::activeModalWidget();
    log(QStringLiteral("activate %1").arg(window->objectName()));
    window->activateWindow();
    settle();
    // A window that becomes active takes the main window's theme.
    if (!blocked && window->objectName() == u"frmBuffIn" &&
        QApplication::activeWindow() == window) {
        const int theme = main()->themeIndex();
        if (isThemeIndex(theme))
            check(window->palette().color(QPalette::Window) == Themes[theme].background,
                  QStringLiteral("Buff-In did not take theme %1 when activated").arg(theme));
    }
}

void Monkey::queueInput()
{
    // Clicks that wait in the queue while a routine runs: the routine's
    // pauses for pending events hand them out in its middle.
    const QList<QWidget*> windows = shownWindows();
    if (!activate(windows[pick(int(windows.size()))]))
        return;
    m_queued = true;
    const int queued = 1 + pick(3);
    QStringList what;
    for (int i = 0; i < queued; ++i) {
        QWidget* window = windows[pick(int(windows.size()))];
        QList<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!child->objectName().isEmpty() && child->isVisible() &&
                !child->objectName().startsWith(u"qt_") && child->objectName() != u"cmbThemes" &&
                (child->objectName() != u"cmdEnd" || chance(0.02)))
                controls.append(child);
        if (controls.isEmpty())
            continue;
        QWidget* control = controls[pick(int(controls.size()))];
        const QPointF local = centreIn(window, control);
        const QPointF global = window->mapToGlobal(local.toPoint());
        QWindow* handle = window->windowHandle();
        QCoreApplication::postEvent(handle, new QMouseEvent(QEvent::MouseButtonPress, local, local,
                                                            global, Qt::LeftButton, Qt::LeftButton,
                                                            Qt::NoModifier));
        QCoreApplication::postEvent(handle, new QMouseEvent(QEvent::MouseButtonRelease, local,
                                                            local, global, Qt::LeftButton,
                                                            Qt::NoButton, Qt::NoModifier));
        what << window->objectName() + u'.' + control->objectName();
    }
    // Now and then a window is closed from outside while a routine runs:
    // its close box, or the session ending for the main window.
    if (chance(0.2)) {
        static const char* const closable[] = {"frmBuffIn", "frmAbout", "frmHistory", "frmMain"};
        const char* name = closable[pick(chance(0.05) ? 4 : 3)];
        QTimer::singleShot(0, main(), [name] {
            if (QWidget* window = shown(name))
                window->close();
        });
        what << QStringLiteral("close of %1").arg(QLatin1String(name));
    }
    log(QStringLiteral("queue clicks on %1, then:").arg(what.join(QStringLiteral(", "))));
    // The action during which they arrive.
    if (chance(0.5))
        clickControl();
    else
        typeIntoField();
}

// --- checks ----------------------------------------------------------------

void Monkey::checkAlways()
{
    if (!ok())
        return;
    check(main() && main()->isVisible(), QStringLiteral("the main window is gone"));
    check(main()->windowTitle() == Title, QStringLiteral("the title changed"));
    for (const char* name : {"frmBuffIn", "frmAbout", "frmHistory"}) {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == QLatin1String(name))
                ++count;
        check(count <= 1, QStringLiteral("%1 is shown %2 times").arg(name).arg(count));
    }
    for (const char* name : {"frmAbout", "frmHistory"})
        if (QWidget* window = shown(name))
            check(QApplication::activeModalWidget() == window,
                  QStringLiteral("%1 is shown but not modal").arg(name));
    // A field of one line never holds a line break.
    for (const char* name : MainFields) {
        const QString text = m_fixture->text(name);
        check(!text.contains(u'\r') && !text.contains(u'\n'),
              QStringLiteral("%1 holds a line break: \"%2\"").arg(name, shortened(text)));
    }
    if (QWidget* buffIn = shown("frmBuffIn")) {
        const QString count = MainWindowFixture::controlOf<TextField>(buffIn, "txtBuffIn")->text();
        check(!count.contains(u'\r') && !count.contains(u'\n'),
              QStringLiteral("txtBuffIn holds a line break"));
        // The window ends a little below its button until there is a
        // sentence, and then follows the sentence.
        auto sentence = MainWindowFixture::controlOf<Label>(buffIn, "lblout");
        const int expected = twipsToPixels(
            sentence->isVisible() ? pixelsToTwips(sentence->height()) + 3495 : 2520 + 3 * 375);
        check(buffIn->frameGeometry().height() == expected,
              QStringLiteral("Buff-In is %1 pixels tall, not %2")
                  .arg(buffIn->frameGeometry().height())
                  .arg(expected));
    }
    // Every progress caption restates its figure, once the first figure
    // has replaced the layout's placeholder.
    for (const auto& [fieldName, labelName] : CaptionOfField) {
        const QString figure = m_fixture->text(fieldName);
        if (figure == u"0" && m_fixture->text(labelName) == LayoutProgressCaption)
            continue;
        if (auto caption = progressCaptionText(toCore(figure)))
            check(m_fixture->text(labelName) == fromCore(*caption),
                  QStringLiteral("%1 reads \"%2\" beside %3 \"%4\"")
                      .arg(labelName, shortened(m_fixture->text(labelName)), fieldName,
                           shortened(figure)));
    }
    // The time of one work unit is the one shown. A fresh window given
    // another window's figures keeps its own time until it calculates.
    if (!m_comparing && !main()->secondsPerWu().isZero()) {
        const QString shownTime = m_fixture->text("lblWu");
        const QString plain = fromCore(wuDurationText(main()->secondsPerWu(), false));
        const QString withMs = fromCore(wuDurationText(main()->secondsPerWu(), true));
        check(shownTime == plain || shownTime == withMs,
              QStringLiteral("lblWu reads \"%1\" for %2 seconds a work unit")
                  .arg(shownTime, QString::number(main()->secondsPerWu().units())));
    }
    const int theme = main()->themeIndex();
    check(theme == -1 || isThemeIndex(theme), QStringLiteral("theme index %1").arg(theme));
    if (theme == DosTheme)
        check(m_fixture->checkBox("chkButtons")->value() != CheckBox::On,
              QStringLiteral("DOS with the button colouring on"));
    if (isThemeIndex(theme) && m_fixture->combo()->listIndex() == theme)
        check(main()->palette().color(QPalette::Window) == Themes[theme].background,
              QStringLiteral("the main window does not show theme %1").arg(theme));
    for (const char* name : MainButtons) {
        const QString caption = m_fixture->text(name);
        check(caption == CalculateCaption || caption == RecalculateCaption,
              QStringLiteral("%1 reads \"%2\"").arg(name, caption));
    }
    check(m_fixture->field("txtAmount")->isReadOnly() && m_fixture->field("txtWuEnd")->isReadOnly(),
          QStringLiteral("a result field became editable"));
}

void Monkey::checkSettingsFile()
{
    const QByteArray bytes = m_fixture->settingsFile();
    if (bytes.isNull())
        return;
    const QString text = ini::decodeText(bytes);
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        const bool fine = line.isEmpty() || line.startsWith(u';') ||
                          (line.startsWith(u'[') && line.endsWith(u']')) || line.contains(u'=');
        check(fine, QStringLiteral("the settings file holds the line \"%1\"").arg(shortened(line)));
    }
    for (const char* section : {"Calculate", "Main"}) {
        int headers = 0;
        for (const QString& line : lines)
            if (line.trimmed().compare(QStringLiteral("[%1]").arg(section), Qt::CaseInsensitive) ==
                0)
                ++headers;
        check(headers <= 1,
              QStringLiteral("the settings file holds [%1] %2 times").arg(section).arg(headers));
    }
    const QString themes = readSetting(settingKeys::Themes);
    bool number = false;
    const int stored = themes.toInt(&number);
    check(number && (stored == -1 || isThemeIndex(stored)),
          QStringLiteral("the settings file stores the theme \"%1\"").arg(themes));
}

// --- the final comparison --------------------------------------------------

WindowState Monkey::stateOf(frmMain& window) const
{
    WindowState state;
    for (const char* name : MainFields)
        state[QString::fromUtf8(name)] = window.findChild<QLineEdit*>(name)->text();
    for (const char* name : MainLabels)
        state[QString::fromUtf8(name)] = window.findChild<Label*>(name)->caption();
    for (const char* name : MainCheckBoxes)
        state[QString::fromUtf8(name)] =
            QString::number(window.findChild<CheckBox*>(name)->value());
    for (const char* name : MainButtons)
        state[QString::fromUtf8(name)] = window.findChild<QPushButton*>(name)->text();
    state[QStringLiteral("SecondsPerWu")] = QString::number(window.secondsPerWu().units());
    return state;
}

void Monkey::giveState(MainWindowFixture& fixture, const WindowState& state)
{
    // The controls take the values as they stand, without reactions: the
    // window then shows exactly what the walked one showed.
    for (const char* name : MainFields) {
        TextField* field = fixture.field(name);
        const QSignalBlocker quiet(field);
        field->setFieldText(state[QString::fromUtf8(name)]);
    }
    for (const char* name : MainLabels) {
        Label* label = fixture.control<Label>(name);
        const QSignalBlocker quiet(label);
        label->setCaption(state[QString::fromUtf8(name)]);
    }
    for (const char* name : MainCheckBoxes) {
        CheckBox* box = fixture.checkBox(name);
        const QSignalBlocker quiet(box);
        box->setValue(state[QString::fromUtf8(name)].toInt());
    }
    for (const char* name : MainButtons)
        fixture.button(name)->setText(state[QString::fromUtf8(name)]);
}

QList<WindowState> Monkey::finalRun(MainWindowFixture& fixture, const FinalPlan& plan)
{
    frmMain& window = *fixture.window;
    QList<WindowState> records;
    for (const auto& [name, text] : plan.typed)
        fixture.type(name, text);
    settle();
    for (int index : plan.calculations) {
        m_prompts.clear();
        fixture.clickThroughWindow(MainButtons[index]);
        settle();
        WindowState after = stateOf(window);
        after[QStringLiteral("messages")] = m_prompts.join(u'|');
        after[QStringLiteral("step")] = QStringLiteral("cmdCalculate(%1)").arg(index);
        records.append(after);
    }

    // What follows reads the time of one work unit again: the check boxes,
    // the done count, the summary and the Buff-In sentence.
    m_prompts.clear();
    for (const char* name : {"chkDone", "chkDone", "chkCPU", "chkCPU"}) {
        fixture.clickThroughWindow(name);
        settle();
    }
    fixture.type("txtWuDone", QStringLiteral("3"));
    fixture.clickThroughWindow("cmd1Line");
    settle();
    WindowState followed = stateOf(window);
    followed[QStringLiteral("clipboard")] = QGuiApplication::clipboard()->text();
    // A Buff-In window opened during the walk keeps its last sentence when a
    // calculation is refused; the comparison starts from a new one.
    if (QWidget* open = shown("frmBuffIn")) {
        open->close();
        settle();
    }
    fixture.clickThroughWindow("cmdBuffIn");
    settle();
    if (QWidget* buffIn = shown("frmBuffIn")) {
        auto count = MainWindowFixture::controlOf<TextField>(buffIn, "txtBuffIn");
        count->setFocus();
        count->selectAll();
        typeKeys(count, QStringLiteral("1000"));
        QTest::mouseClick(MainWindowFixture::controlOf<QPushButton>(buffIn, "cmdCalculate"),
                          Qt::LeftButton);
        settle();
        auto sentence = MainWindowFixture::controlOf<Label>(buffIn, "lblout");
        followed[QStringLiteral("Buff-In")] =
            sentence->isVisible() ? sentence->caption() : QStringLiteral("<no result>");
        followed[QStringLiteral("txtKeys after Buff-In")] = fixture.text("txtKeys");
        buffIn->close();
        settle();
    } else {
        followed[QStringLiteral("Buff-In")] = QStringLiteral("<not opened>");
    }
    followed[QStringLiteral("messages")] = m_prompts.join(u'|');
    followed[QStringLiteral("step")] = QStringLiteral("the check boxes, 2 Line Text and Buff-In");
    records.append(followed);
    return records;
}

void Monkey::compareWithFreshWindow()
{
    m_step += 1;
    m_randomAnswers = false;
    // A user closes the modal windows before reaching the main window.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        settle();
    }
    activate(main());

    // Either the walked inputs as they stand and one calculation, or inputs
    // a user tidies up and all three calculations in a random order; the
    // first calculation then shows whether anything of the walk's past
    // still counts.
    FinalPlan plan;
    if (chance(0.5)) {
        plan.calculations = {pick(3)};
    } else {
        const QStringList keys{"641.440", "100.358", "1.234.567", "50.000", "10.000"};
        const QStringList hours{"5", "24", "12", "7,5", "1"};
        const QStringList dates{"30/10/2003", "01/01/2004", "11/04/2004", "29/02/2004"};
        const QStringList perHour{"0,54", "1", "2,5", "0.3"};
        const QStringList perDay{"12,9", "100", "24", "7.25"};
        plan.typed = {{"txtKeys", keys[pick(5)]},
                      {"txtCpu", hours[pick(5)]},
                      {"txtStart", dates[pick(4)]},
                      {"txtEnd", dates[pick(4)]},
                      {"txtWuDone", QString::number(pick(20))},
                      {"txtWus(0)", perHour[pick(4)]},
                      {"txtWus(1)", perDay[pick(4)]}};
        plan.calculations = {0, 1, 2};
        std::shuffle(plan.calculations.begin(), plan.calculations.end(), m_random);
    }
    const WindowState given = stateOf(*main());
    QStringList planText;
    for (const auto& [name, text] : plan.typed)
        planText << QStringLiteral("%1 \"%2\"").arg(QLatin1String(name), text);
    for (int index : plan.calculations)
        planText << QStringLiteral("cmdCalculate(%1)").arg(index);
    log(QStringLiteral("final, in the walked window and in a fresh one: %1")
            .arg(planText.join(QStringLiteral(", "))));

    const QList<WindowState> walked = finalRun(*m_fixture, plan);
    checkAlways();
    m_fixture->closeWindow();
    m_fixture.reset();

    m_comparing = true;
    m_fixture = std::make_unique<MainWindowFixture>();
    openMainWindow();
    log(QStringLiteral("the fresh window"));
    const QString freshTimeBefore = QString::number(main()->secondsPerWu().units());
    giveState(*m_fixture, given);
    settle();
    const QList<WindowState> fresh = finalRun(*m_fixture, plan);

    auto dump = [](const WindowState& state) {
        QString text;
        for (auto it = state.begin(); it != state.end(); ++it)
            text += QStringLiteral("  %1 = \"%2\"\n").arg(it.key(), shortened(it.value()));
        return text;
    };
    // A calculation that was refused leaves the time of one work unit of
    // each window's own past; it and what reads it are compared once a
    // calculation has set it in both.
    QStringList found;
    bool timeSet = false;
    for (qsizetype i = 0; i < fresh.size(); ++i) {
        const WindowState& mine = walked[i];
        const WindowState& theirs = fresh[i];
        const bool calculation = i < plan.calculations.size();
        const QString messages = theirs[QStringLiteral("messages")];
        if (calculation && (theirs[QStringLiteral("SecondsPerWu")] != freshTimeBefore ||
                            messages.isEmpty() || messages == u"To low!\r\nSetted to 10.000"))
            timeSet = true;
        if (!calculation && !timeSet)
            break;
        for (auto it = mine.begin(); it != mine.end(); ++it)
            if ((timeSet || it.key() != u"SecondsPerWu") && theirs.value(it.key()) != it.value())
                found << QStringLiteral("after %1, %2: \"%3\" against \"%4\"")
                             .arg(mine[QStringLiteral("step")], it.key(), shortened(it.value()),
                                  shortened(theirs.value(it.key())));
    }
    if (!found.isEmpty())
        fail(QStringLiteral("the walked window differs from a fresh one:\n%1\nboth were given:\n%2")
                 .arg(found.join(u'\n'), dump(given)));
    checkAlways();
}

} // namespace veltrane::test::monkey
