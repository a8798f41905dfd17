#include "svg_drawing.h"

#include <QBrush>
#include <QGradient>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

namespace {

QString number(double value)
{
    // Short, exact enough for a drawing, and never in exponent form.
    QString text = QString::number(value, 'f', 6);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text == u"-0" ? QStringLiteral("0") : text;
}

QString point(const QPointF& p)
{
    return number(p.x()) + u' ' + number(p.y());
}

QString colour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString pathData(const QPainterPath& path)
{
    QString data;
    QPointF subpathStart;
    QPointF last;
    auto closeIfBack = [&] {
        if (!data.isEmpty() && last == subpathStart)
            data += u'Z';
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            closeIfBack();
            subpathStart = e;
            data += u'M' + point(e);
            break;
        case QPainterPath::LineToElement:
            data += u'L' + point(e);
            break;
        case QPainterPath::CurveToElement:
            data += u'C' + point(e) + u' ' + point(path.elementAt(i + 1)) + u' ' +
                    point(path.elementAt(i + 2));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
        last = path.elementAt(i);
    }
    closeIfBack();
    return data;
}

} // namespace

class SvgDrawing::Engine : public QPaintEngine
{
public:
    Engine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override
    {
        m_body.clear();
        m_defs.clear();
        m_gradients = 0;
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawPath(const QPainterPath& path) override { emitPath(path, true); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode == PolylineMode) {
            emitPath(path, false);
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        emitPath(path, true);
    }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path(lines[i].p1());
            path.lineTo(lines[i].p2());
            emitPath(path, false);
        }
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    QString defs() const { return m_defs; }
    QString body() const { return m_body; }

private:
    void emitPath(const QPainterPath& path, bool filled)
    {
        QString element = QStringLiteral("  <path d=\"") + pathData(path) + u'"';
        if (!m_transform.isIdentity())
            element += QStringLiteral(" transform=\"matrix(%1 %2 %3 %4 %5 %6)\"")
                           .arg(number(m_transform.m11()), number(m_transform.m12()),
                                number(m_transform.m21()), number(m_transform.m22()),
                                number(m_transform.dx()), number(m_transform.dy()));
        element += fill(filled, path.fillRule()) + stroke() + QStringLiteral("/>\n");
        m_body += element;
    }

    QString fill(bool filled, Qt::FillRule rule)
    {
        if (!filled || m_brush.style() == Qt::NoBrush)
            return QStringLiteral(" fill=\"none\"");
        QString text = QStringLiteral(" fill=\"") + paint(m_brush) + u'"';
        if (m_brush.style() == Qt::SolidPattern && m_brush.color().alphaF() < 1)
            text += QStringLiteral(" fill-opacity=\"") + number(m_brush.color().alphaF()) + u'"';
        if (rule == Qt::OddEvenFill)
            text += QStringLiteral(" fill-rule=\"evenodd\"");
        return text;
    }

    QString stroke() const
    {
        if (m_pen.style() == Qt::NoPen)
            return {};
        QString text = QStringLiteral(" stroke=\"") + colour(m_pen.color()) +
                       QStringLiteral("\" stroke-width=\"") + number(m_pen.widthF()) + u'"';
        switch (m_pen.capStyle()) {
        case Qt::RoundCap:
            text += QStringLiteral(" stroke-linecap=\"round\"");
            break;
        case Qt::SquareCap:
            text += QStringLiteral(" stroke-linecap=\"square\"");
            break;
        default:
            break;
        }
        switch (m_pen.joinStyle()) {
        case Qt::RoundJoin:
            text += QStringLiteral(" stroke-linejoin=\"round\"");
            break;
        case Qt::MiterJoin:
        case Qt::SvgMiterJoin:
            text += QStringLiteral(" stroke-miterlimit=\"") + number(m_pen.miterLimit()) + u'"';
            break;
        default:
            text += QStringLiteral(" stroke-linejoin=\"bevel\"");
            break;
        }
        return text;
    }

    // A solid colour, or a reference to a gradient written into the defs.
    QString paint(const QBrush& brush)
    {
        const QGradient* gradient = brush.gradient();
        if (!gradient)
            return colour(brush.color());
        const QString id = QStringLiteral("g%1").arg(++m_gradients);
        QString element;
        if (gradient->type() == QGradient::RadialGradient) {
            const auto* radial = static_cast<const QRadialGradient*>(gradient);
            element =
                QStringLiteral("    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\""
                               " cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">\n")
                    .arg(id, number(radial->center().x()), number(radial->center().y()),
                         number(radial->radius()), number(radial->focalPoint().x()),
                         number(radial->focalPoint().y()));
        } else {
            const auto* linear = static_cast<const QLinearGradient*>(gradient);
            element =
                QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\""
                               " x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">\n")
                    .arg(id, number(linear->start().x()), number(linear->start().y()),
                         number(linear->finalStop().x()), number(linear->finalStop().y()));
        }
        for (const QGradientStop& stop : gradient->stops())
            element += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                           .arg(number(stop.first), colour(stop.second));
        element += gradient->type() == QGradient::RadialGradient
                       ? QStringLiteral("    </radialGradient>\n")
                       : QStringLiteral("    </linearGradient>\n");
        m_defs += element;
        return QStringLiteral("url(#") + id + u')';
    }

    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    QString m_defs;
    QString m_body;
    int m_gradients = 0;
};

SvgDrawing::SvgDrawing(int width, int height)
    : m_width(width), m_height(height), m_engine(std::make_unique<Engine>())
{
}

SvgDrawing::~SvgDrawing() = default;

QPaintEngine* SvgDrawing::paintEngine() const
{
    return m_engine.get();
}

QString SvgDrawing::document() const
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%2\" viewBox=\"0 0 %1 %2\">\n")
                      .arg(m_width)
                      .arg(m_height);
    if (!m_engine->defs().isEmpty())
        svg += QStringLiteral("  <defs>\n") + m_engine->defs() + QStringLiteral("  </defs>\n");
    return svg + m_engine->body() + QStringLiteral("</svg>\n");
}

int SvgDrawing::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_width;
    case PdmHeight:
        return m_height;
    case PdmWidthMM:
        return qRound(m_width * 25.4 / 96);
    case PdmHeightMM:
        return qRound(m_height * 25.4 / 96);
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}
