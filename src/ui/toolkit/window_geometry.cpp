// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/window_geometry.h"

#include "ui/toolkit/twips.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace veltrane {
namespace {

// Keeps a window at the outer size it was given. The frame is known only
// once the window system shows the window, and may change later; the client
// size is worked out again whenever the window is shown or its frame moves.
class OuterSize : public QObject
{
    Q_OBJECT

public:
    static OuterSize& of(QWidget* window)
    {
        auto kept = window->findChild<OuterSize*>(QString(), Qt::FindDirectChildrenOnly);
        if (!kept) {
            kept = new OuterSize(window);
            window->installEventFilter(kept);
        }
        return *kept;
    }

    void set(int widthTwips, int heightTwips)
    {
        m_widthTwips = widthTwips;
        m_heightTwips = heightTwips;
        apply();
    }
    void setHeight(int heightTwips) { set(m_widthTwips, heightTwips); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Move)
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    explicit OuterSize(QWidget* window) : QObject(window), m_window(window) {}

    static int clientPixels(int outerTwips, int framePixels)
    {
        return std::max(1, twipsToPixels(outerTwips) - framePixels);
    }

    void apply()
    {
        const QRect frame = m_window->frameGeometry();
        if (m_widthTwips >= 0)
            m_window->setFixedWidth(clientPixels(m_widthTwips, frame.width() - m_window->width()));
        if (m_heightTwips >= 0)
            m_window->setFixedHeight(
                clientPixels(m_heightTwips, frame.height() - m_window->height()));
    }

    QWidget* m_window;
    int m_widthTwips = -1;
    int m_heightTwips = -1;
};

} // namespace

void setOuterHeight(QWidget* window, int twips)
{
    OuterSize::of(window).setHeight(twips);
}

void setOuterSize(QWidget* window, int widthTwips, int heightTwips)
{
    OuterSize::of(window).set(widthTwips, heightTwips);
}

void dockToRightOf(QWidget* window, const QWidget* other)
{
    const QRect outer = other->frameGeometry();
    window->move(outer.x() + outer.width(), outer.y());
}

} // namespace veltrane

#include "window_geometry.moc"
