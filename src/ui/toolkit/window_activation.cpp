// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/window_activation.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <vector>

namespace veltrane {
namespace {

// Follows the program's active window. While another application is active
// it keeps the program's last one, so that a return from there is told
// apart from a change of window inside the program.
class ProgramActivation : public QObject
{
public:
    static ProgramActivation& instance()
    {
        static QPointer<ProgramActivation> tracker;
        if (!tracker)
            tracker = new ProgramActivation;
        return *tracker;
    }

    void watch(QWidget* window, std::function<void()> reaction)
    {
        m_watched.push_back({window, std::move(reaction)});
    }

private:
    struct Watched
    {
        QPointer<QWidget> window;
        std::function<void()> reaction;
    };

    ProgramActivation() : QObject(qGuiApp), m_last(QGuiApplication::focusWindow())
    {
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                [this](QWindow* now) { focusWindowChanged(now); });
    }

    void focusWindowChanged(QWindow* now)
    {
        if (!now || now == m_last)
            return;
        m_last = now;
        std::erase_if(m_watched, [](const Watched& watched) { return !watched.window; });
        // A reaction may show or close windows; work on a copy.
        const std::vector<Watched> watched = m_watched;
        for (const Watched& entry : watched) {
            if (entry.window && entry.window->windowHandle() == now)
                entry.reaction();
        }
    }

    QPointer<QWindow> m_last;
    std::vector<Watched> m_watched;
};

} // namespace

void onActivatedFromProgram(QWidget* window, std::function<void()> reaction)
{
    ProgramActivation::instance().watch(window, std::move(reaction));
}

} // namespace veltrane
