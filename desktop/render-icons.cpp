// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's own icon for the desktop: PNGs at the usual sizes and a scalable SVG of the
// same drawing, into <dir>/hicolor/<size>x<size>/apps and <dir>/hicolor/scalable/apps.
#include "ui/Icons.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kGrid = 16;
const QString kName = QStringLiteral("cuescroll");

// A paint engine that writes what is painted as SVG elements: the icon is drawn by the same code
// whether it ends up in pixels or in vectors.
class SvgEngine final : public QPaintEngine
{
public:
    SvgEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QString body;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawPath(const QPainterPath &path) override { write(path, true); }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode != PolylineMode)
            path.closeSubpath();
        path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        write(path, mode != PolylineMode);
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i]);
            write(path, true);
        }
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.moveTo(lines[i].p1());
            path.lineTo(lines[i].p2());
            write(path, false);
        }
    }

private:
    static QString number(qreal v) { return QString::number(v, 'g', 6); }

    static QString paint(const QColor &c, const char *what)
    {
        QString s = QStringLiteral(" %1=\"%2\"").arg(QLatin1String(what), c.name(QColor::HexRgb));
        if (c.alpha() != 255)
            s += QStringLiteral(" %1-opacity=\"%2\"").arg(QLatin1String(what), number(c.alphaF()));
        return s;
    }

    void write(const QPainterPath &path, bool filled)
    {
        QString d;
        QPointF start;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            const QString at = number(e.x) + QLatin1Char(' ') + number(e.y);
            if (e.isMoveTo()) {
                start = e;
                d += QStringLiteral("M") + at;
            } else if (e.isLineTo()) {
                const bool closes =
                    QPointF(e) == start && (i + 1 == path.elementCount() || path.elementAt(i + 1).isMoveTo());
                d += closes ? QStringLiteral("Z") : QStringLiteral("L") + at;
            } else if (e.isCurveTo()) {
                d += QStringLiteral("C") + at;
            } else {
                d += QLatin1Char(' ') + at;
            }
        }
        QString attrs;
        if (filled && m_brush.style() != Qt::NoBrush)
            attrs += paint(m_brush.color(), "fill");
        else
            attrs += QStringLiteral(" fill=\"none\"");
        if (filled && path.fillRule() == Qt::OddEvenFill)
            attrs += QStringLiteral(" fill-rule=\"evenodd\"");
        if (m_pen.style() != Qt::NoPen) {
            attrs += paint(m_pen.color(), "stroke");
            attrs += QStringLiteral(" stroke-width=\"%1\"").arg(number(m_pen.widthF()));
            attrs += m_pen.capStyle() == Qt::RoundCap    ? QStringLiteral(" stroke-linecap=\"round\"")
                     : m_pen.capStyle() == Qt::SquareCap ? QStringLiteral(" stroke-linecap=\"square\"")
                                                         : QString();
            attrs += m_pen.joinStyle() == Qt::RoundJoin   ? QStringLiteral(" stroke-linejoin=\"round\"")
                     : m_pen.joinStyle() == Qt::BevelJoin ? QStringLiteral(" stroke-linejoin=\"bevel\"")
                                                          : QString();
        }
        if (!m_transform.isIdentity()) {
            attrs += QStringLiteral(" transform=\"matrix(%1 %2 %3 %4 %5 %6)\"")
                         .arg(number(m_transform.m11()), number(m_transform.m12()), number(m_transform.m21()),
                              number(m_transform.m22()), number(m_transform.dx()), number(m_transform.dy()));
        }
        body += QStringLiteral("  <path d=\"%1\"%2/>\n").arg(d, attrs);
    }

    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
};

class SvgDevice final : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable SvgEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return kGrid;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }
};

QString folder(const QString &root, const QString &size)
{
    const QString dir = root + QStringLiteral("/hicolor/") + size + QStringLiteral("/apps");
    QDir().mkpath(dir);
    return dir;
}

bool writePng(const QString &root, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / qreal(kGrid), side / qreal(kGrid));
    icons::paintApp(p);
    p.end();
    const QString size = QStringLiteral("%1x%1").arg(side);
    return image.save(folder(root, size) + QLatin1Char('/') + kName + QStringLiteral(".png"), "PNG");
}

bool writeSvg(const QString &root)
{
    SvgDevice device;
    QPainter p(&device);
    icons::paintApp(p);
    p.end();
    QFile file(folder(root, QStringLiteral("scalable")) + QLatin1Char('/') + kName + QStringLiteral(".svg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kGrid << "\" height=\"" << kGrid
        << "\" viewBox=\"0 0 " << kGrid << ' ' << kGrid << "\">\n"
        << device.engine.body << "</svg>\n";
    out.flush();
    return file.error() == QFileDevice::NoError;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: render-icons DIR SIZE...\n", stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = writeSvg(root);
    for (int i = 2; i < argc; ++i)
        ok = writePng(root, QByteArray(argv[i]).toInt()) && ok;
    if (!ok)
        std::fputs("render-icons: could not write the icons\n", stderr);
    return ok ? 0 : 1;
}
