// SPDX-License-Identifier: GPL-3.0-or-later
// How long the History window takes to open a history file of 10,000,
// 100,000 and 1,000,000 lines: from the click on "History" until the last
// line is in the window and the window has painted what was waiting. The
// time should grow in step with the file.
//
// For the 100,000 lines it also times the yardstick: the same file read and
// the same text put into the same kind of field, set up as the History window
// sets up its own (font, colours, size, line wrapping), in one setPlainText,
// until the field has painted it. The History window fills itself line by
// line and repaints as it grows; that should cost at most 1.5 times the one
// call.
//
// Every measurement runs in a process of its own, started afresh with the
// main window shown, as the user meets the History window: most of the time
// goes into fresh memory, and a process that has already held the text once
// would open it again about twice as fast. The two measurements take turns.
//   QT_QPA_PLATFORM=offscreen veltrane_bench_history_open [runs]
#include "program/program_info.h"
#include "ui/history/history_file.h"
#include "ui/main/frm_main.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/multi_line_text_field.h"
#include "ui/toolkit/palette_color.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int ComparedLines = 100000;
constexpr double MaxOneCallRatio = 1.5;

// How one measuring process is asked for its one measurement.
const QString HistoryRole = QStringLiteral("--open-history");
const QString OneCallRole = QStringLiteral("--one-call");

void writeHistory(const QString& path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
        text +=
            "1." + QByteArray::number(i) + " Build1 - a line of the history, in its own words\r\n";
    file.write(text);
}

QWidget* shownHistory()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->objectName() == u"frmHistory")
            return window;
    }
    return nullptr;
}

// Counts the paints of the widget it watches.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the click until the window has read the whole file and
// painted what its last lines left to paint; also the window's size.
QString openHistory(veltrane::frmMain& window)
{
    auto button = window.findChild<QPushButton*>(QStringLiteral("cmdHistory"));
    QElapsedTimer timer;
    timer.start();
    button->click();
    QApplication::processEvents();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    QWidget* history = shownHistory();
    if (!history)
        qFatal("the History window did not open");
    return QStringLiteral("%1 %2 %3")
        .arg(milliseconds, 0, 'f', 2)
        .arg(history->width())
        .arg(history->height());
}

// Milliseconds to show a window like the History window and put the history
// file's text into its field in one call, until the field has painted it.
QString fillInOneCall(veltrane::frmMain& owner, const QSize& windowSize)
{
    QElapsedTimer timer;
    timer.start();
    // The window and its field as frm_history.cpp sets them up.
    QWidget window(&owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint);
    window.setWindowModality(Qt::ApplicationModal);
    veltrane::setPaletteColor(&window, QPalette::Window, QColor(64, 64, 64));
    window.setAutoFillBackground(true);
    auto field = new veltrane::MultiLineTextField(&window);
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSizeF(8.25);
    field->setFont(font);
    veltrane::setPaletteColor(field, QPalette::Base, QColor(0, 0, 0));
    veltrane::setPaletteColor(field, QPalette::Text, QColor(224, 224, 224));
    window.setFixedSize(windowSize);
    field->setGeometry(window.rect());
    PaintCounter painted;
    field->viewport()->installEventFilter(&painted);

    QFile file(veltrane::historyFilePath());
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QString text = veltrane::historyFileText(file.readAll());
    // The History window shows no empty line after the last line end.
    if (text.endsWith(u"\r\n"))
        text.chop(2);
    field->setPlainText(text);
    window.show();
    for (int round = 0; painted.paints == 0; ++round) {
        if (round == 1000)
            qFatal("the field was never painted");
        QApplication::processEvents();
    }
    return QString::number(timer.nsecsElapsed() / 1e6, 'f', 2);
}

// One measurement in this process: the main window comes up as in the
// program, then the History window opens, or the text goes into the
// yardstick window. Prints the result on standard output.
int measureOnce(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString role = arguments.at(1);
    veltrane::setProgramFilePath(arguments.at(2) + QStringLiteral("/veltrane"));
    veltrane::setMessageBoxHandler(
        [](const veltrane::MessageRequest&) { return veltrane::MsgAnswer::Ok; });
    veltrane::frmMain window;
    window.show();
    QApplication::processEvents();

    const QString result =
        role == HistoryRole
            ? openHistory(window)
            : fillInOneCall(window, QSize(arguments.at(3).toInt(), arguments.at(4).toInt()));
    std::printf("%s\n", qPrintable(result));
    return 0;
}

// Runs one measuring process and gives the numbers it printed. What the
// process says on its error output is shown only when it fails: the
// offscreen platform has a remark for every window it shows.
QStringList measureInProcess(const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fputs(process.readAllStandardError().constData(), stderr);
        qFatal("the measuring process %s failed", qPrintable(arguments.join(u' ')));
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 2 && (argv[1] == HistoryRole || argv[1] == OneCallRole))
        return measureOnce(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir folder;
    const QString historyPath = folder.filePath(QStringLiteral("veltrane_history.txt"));

    QTextStream out(stdout);
    out << "lines      median ms   (of " << runs << " runs, each in a fresh process)\n";
    double historyMs = 0;
    double oneCallMs = 0;
    for (int lines : {10000, ComparedLines, 1000000}) {
        writeHistory(historyPath, lines);
        std::vector<double> times;
        std::vector<double> oneCallTimes;
        for (int run = 0; run < runs; ++run) {
            const QStringList opened = measureInProcess({HistoryRole, folder.path()});
            times.push_back(opened.at(0).toDouble());
            if (lines == ComparedLines) {
                const QStringList filled =
                    measureInProcess({OneCallRole, folder.path(), opened.at(1), opened.at(2)});
                oneCallTimes.push_back(filled.at(0).toDouble());
            }
        }
        out << qSetFieldWidth(9) << lines << qSetFieldWidth(0) << "  " << qSetFieldWidth(10)
            << QString::number(median(times), 'f', 1) << qSetFieldWidth(0) << "\n";
        out.flush();
        if (lines == ComparedLines) {
            historyMs = median(times);
            oneCallMs = median(oneCallTimes);
        }
    }

    const double ratio = historyMs / oneCallMs;
    out << "\n"
        << ComparedLines
        << " lines in one setPlainText, median ms: " << QString::number(oneCallMs, 'f', 1) << "\n"
        << "History window / one call: " << QString::number(ratio, 'f', 2)
        << "   target <= " << MaxOneCallRatio << ": "
        << (ratio <= MaxOneCallRatio ? "met" : "MISSED") << "\n";
    return 0;
}
