// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/frm_history.h"

#include "core/version_text.h"
#include "ui/history/history_file.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/multi_line_text_field.h"
#include "ui/toolkit/palette_color.h"
#include "ui/toolkit/pending_events.h"
#include "ui/toolkit/program_look.h"
#include "ui/toolkit/qt_text.h"
#include "ui/toolkit/window_geometry.h"
#include "ui/toolkit/window_keys.h"

#include <QElapsedTimer>
#include <QFile>

namespace veltrane {
namespace {

constexpr int OuterWidth = 5370;
constexpr int OuterHeight = 6585;

// How long the window may grow before it is repainted.
constexpr qint64 RepaintAfterMilliseconds = 50;

const QColor WindowBackground(64, 64, 64);
const QColor HistoryText(224, 224, 224);
const QColor HistoryBackground(0, 0, 0);

} // namespace

QPointer<frmHistory> frmHistory::open(QWidget* parent)
{
    QPointer<frmHistory> window = new frmHistory(parent);
    window->Form_Load();
    return window;
}

frmHistory::frmHistory(QWidget* parent) : QWidget(parent)
{
    buildWindow();
}

void frmHistory::buildWindow()
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("History"));
    // A narrow title bar with a close box only; as a tool window of the main
    // window it has no task-bar entry, and the main window takes no input
    // while it is open.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    useProgramPalette(this);
    setPaletteColor(this, QPalette::Window, WindowBackground);
    setAutoFillBackground(true);

    txtHistory = new MultiLineTextField(this);
    txtHistory->setObjectName(QStringLiteral("txtHistory"));
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSizeF(8.25);
    txtHistory->setFont(font);
    setPaletteColor(txtHistory, QPalette::Base, HistoryBackground);
    setPaletteColor(txtHistory, QPalette::Text, HistoryText);
    // Escape closes the window as its close box does.
    closeOnEscape(this, [this] { close(); });
}

void frmHistory::Form_Load()
{
    setOuterSize(this, OuterWidth, OuterHeight);
    txtHistory->setGeometry(rect());

    // The empty window shows at once; the text grows in it while the file
    // is read.
    QPointer<frmHistory> self(this);
    show();
    DoEvents();
    if (!self || !isVisible())
        return;

    QFile file(historyFilePath());
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        const bool readFailed = file.error() != QFileDevice::NoError;
        file.close();
        // After a failed read only the lines read to their end count.
        if (readFailed)
            bytes.truncate(bytes.lastIndexOf('\r') + 1);
        const QString text = historyFileText(bytes);
        HistoryLineReader lines(text);
        if (!showLines(lines))
            return;
        if (!readFailed && !text.isEmpty())
            setWindowTitle(fromCore(TitleText()) + QStringLiteral(" -- History"));
    }

    if (txtHistory->text().isEmpty()) {
        MsgBox(QStringLiteral("Can't find History-file\r\nFile: ") + historyFileName(),
               MsgButtons::Ok, MsgIcon::Critical);
        if (self)
            close();
    }
}

void frmHistory::resizeEvent(QResizeEvent* event)
{
    // The text covers the whole inside of the window, also once the window
    // system has told the frame and the inside has been sized again.
    txtHistory->setGeometry(rect());
    QWidget::resizeEvent(event);
}

bool frmHistory::showLines(HistoryLineReader& lines)
{
    QPointer<frmHistory> self(this);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    QString pending;
    for (bool first = true; !lines.atEnd(); first = false) {
        if (!first)
            pending += QLatin1String("\r\n");
        pending += lines.nextLine();
        if (sinceRepaint.elapsed() >= RepaintAfterMilliseconds) {
            txtHistory->appendText(pending);
            pending.clear();
            DoEvents();
            if (!self || !isVisible())
                return false;
            sinceRepaint.restart();
        }
    }
    txtHistory->appendText(pending);
    return true;
}

} // namespace veltrane
