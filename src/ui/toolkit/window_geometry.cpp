#include "ui/toolkit/window_geometry.h"

#include "ui/toolkit/twips.h"

#include <QWidget>

#include <algorithm>

namespace veltrane {
namespace {

int frameWidth(const QWidget* window)
{
    return window->frameGeometry().width() - window->width();
}

int frameHeight(const QWidget* window)
{
    return window->frameGeometry().height() - window->height();
}

int clientPixels(int outerTwips, int framePixels)
{
    return std::max(1, twipsToPixels(outerTwips) - framePixels);
}

} // namespace

void setOuterHeight(QWidget* window, int twips)
{
    window->setFixedHeight(clientPixels(twips, frameHeight(window)));
}

void setOuterSize(QWidget* window, int widthTwips, int heightTwips)
{
    window->setFixedSize(clientPixels(widthTwips, frameWidth(window)),
                         clientPixels(heightTwips, frameHeight(window)));
}

void dockToRightOf(QWidget* window, const QWidget* other)
{
    const QRect outer = other->frameGeometry();
    window->move(outer.x() + outer.width(), outer.y());
}

} // namespace veltrane
