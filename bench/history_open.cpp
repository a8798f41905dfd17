// How long the History window takes to open a history file of 10,000,
// 100,000 and 1,000,000 lines: from the click on "History" until the last
// line is shown. The time should grow in step with the file.
//   QT_QPA_PLATFORM=offscreen veltrane_bench_history_open [runs]
#include "ui/main/frm_main.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/program_info.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

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

// Milliseconds from the click until the window has read the whole file.
double openOnce(veltrane::frmMain& window)
{
    auto button = window.findChild<QPushButton*>(QStringLiteral("cmdHistory"));
    QElapsedTimer timer;
    timer.start();
    button->click();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    QWidget* history = shownHistory();
    if (!history)
        qFatal("the History window did not open");
    history->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return milliseconds;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir folder;
    veltrane::setProgramFilePath(folder.filePath(QStringLiteral("veltrane")));
    veltrane::setMessageBoxHandler(
        [](const veltrane::MessageRequest&) { return veltrane::MsgAnswer::Ok; });
    veltrane::frmMain window;
    window.show();
    QApplication::processEvents();

    QTextStream out(stdout);
    out << "lines      median ms   (of " << runs << " runs)\n";
    for (int lines : {10000, 100000, 1000000}) {
        writeHistory(folder.filePath(QStringLiteral("veltrane_history.txt")), lines);
        std::vector<double> times;
        for (int run = 0; run < runs; ++run)
            times.push_back(openOnce(window));
        std::sort(times.begin(), times.end());
        out << qSetFieldWidth(9) << lines << qSetFieldWidth(0) << "  " << qSetFieldWidth(10)
            << QString::number(times[times.size() / 2], 'f', 1) << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    window.close();
    return 0;
}
