#pragma once

#include <QPaintDevice>
#include <QString>

#include <memory>

// A paint device that writes what is painted on it as an SVG document:
// paths, polygons, lines, ellipses and rectangles, with solid colours and
// linear or radial gradients, under the painter's transform. Enough for
// vector artwork such as the program's logo; images and text are not kept.
class SvgDrawing : public QPaintDevice
{
public:
    SvgDrawing(int width, int height);
    ~SvgDrawing() override;

    // The document, complete once the painter has ended.
    QString document() const;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    int m_width;
    int m_height;
    std::unique_ptr<Engine> m_engine;
};
