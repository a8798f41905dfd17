// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/program_logo.h"

#include "ui/toolkit/prerendered_logo.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace veltrane {
namespace {

// The logo as an icon. The sizes a desktop asks for as a window is first
// shown (X11 asks for every size the icon has, up to 256 × 256, before the
// window appears) come prerendered with the program: drawing them took a
// sixth of Veltrane's start-up on X11. Any other size is drawn when it is
// first asked for.
class ProgramIconEngine final : public QIconEngine
{
public:
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : LogoIconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        if (size.isEmpty())
            return {};
        const QPixmap logo = normalPixmap(size);
        if (mode == QIcon::Normal)
            return logo;
        // Disabled and selected icons look as the style makes them from any
        // other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, logo, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // A prerendered size is handed out as it lies in the program's read-only
    // data: a pixmap of an image in the screen's own format shares that
    // image's pixels, and an image over constant data copies them only
    // before it would be changed.
    QPixmap normalPixmap(const QSize& size)
    {
        if (size.width() == size.height()) {
            if (const std::uint32_t* pixels = prerenderedLogo(size.width())) {
                const QImage image(reinterpret_cast<const uchar*>(pixels), size.width(),
                                   size.height(), QImage::Format_ARGB32_Premultiplied);
                return QPixmap::fromImage(image);
            }
        }
        QPixmap& logo = m_drawn[size];
        if (logo.isNull())
            logo = programLogo(size.width(), size.height());
        return logo;
    }

private:
    QHash<QSize, QPixmap> m_drawn;
};

} // namespace

QPixmap programLogo(int width, int height)
{
    QPixmap logo(width, height);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    paintProgramLogo(painter, width, height);
    return logo;
}

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace veltrane
