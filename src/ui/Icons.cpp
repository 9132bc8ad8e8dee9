// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Icons.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace icons {
namespace {

// Every image is drawn on a 16-unit grid. Outlines are one unit wide on half-unit coordinates and
// glyph strokes two units on whole ones, so the 16 px rendering lands on whole pixels.
namespace pal {
constexpr QRgb ink = 0xFF2B3545;
constexpr QRgb inkSoft = 0xFF8A96A8;
constexpr QRgb paper = 0xFFFFFFFF;
constexpr QRgb mist = 0xFFDCE3ED;
constexpr QRgb blue = 0xFF2F7BE6;
constexpr QRgb blueDark = 0xFF1C57B0;
constexpr QRgb blueLight = 0xFFB9D3F8;
constexpr QRgb green = 0xFF23A158;
constexpr QRgb greenDark = 0xFF167540;
constexpr QRgb red = 0xFFE0453D;
constexpr QRgb redDark = 0xFFA92C26;
constexpr QRgb amber = 0xFFF5B338;
constexpr QRgb amberDark = 0xFFB97A12;
constexpr QRgb amberDeep = 0xFFE29A1E;
constexpr QRgb pink = 0xFFF28BA0;
constexpr QRgb line = 0xA080FF80; // the reading line's own green, translucent
} // namespace pal

QPen pen(QRgb color, qreal width = 1.0)
{
    return QPen(QColor::fromRgba(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush brush(QRgb color)
{
    return QBrush(QColor::fromRgba(color));
}

void fill(QPainter &p, QRgb face, QRgb edge)
{
    p.setPen(pen(edge));
    p.setBrush(brush(face));
}

QPolygonF poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

// A filled block arrow pointing down; `flip` points it up.
QPolygonF downArrow(qreal top, qreal bottom, qreal neck, bool flip)
{
    QPolygonF a =
        poly({{6.5, top}, {9.5, top}, {9.5, neck}, {13, neck}, {8, bottom}, {3, neck}, {6.5, neck}});
    if (flip) {
        for (QPointF &pt : a)
            pt.setY(16 - pt.y());
    }
    return a;
}

QPolygonF bookmark(qreal left, qreal top, qreal width, qreal height)
{
    const qreal right = left + width;
    const qreal bottom = top + height;
    return poly(
        {{left, top}, {right, top}, {right, bottom}, {left + width / 2, bottom - width / 2}, {left, bottom}});
}

// Plus, minus or cross at the lower right, haloed in white so it reads over whatever lies beneath.
enum class Sign { Plus, Minus, Cross };

void sign(QPainter &p, Sign kind, QRgb color)
{
    QList<QLineF> strokes;
    if (kind == Sign::Cross) {
        strokes = {{9.5, 9.5, 14.5, 14.5}, {14.5, 9.5, 9.5, 14.5}};
    } else {
        strokes = {{9, 12, 15, 12}};
        if (kind == Sign::Plus)
            strokes.append({12, 9, 12, 15});
    }
    p.setPen(pen(pal::paper, 4));
    p.drawLines(strokes);
    QPen mark = pen(color, 2);
    mark.setCapStyle(kind == Sign::Cross ? Qt::RoundCap : Qt::FlatCap);
    p.setPen(mark);
    p.drawLines(strokes);
}

void drawStop(QPainter &p)
{
    fill(p, pal::red, pal::redDark);
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
}

void drawStart(QPainter &p)
{
    fill(p, pal::green, pal::greenDark);
    p.drawPolygon(poly({{4.5, 2}, {14, 8}, {4.5, 14}}));
}

void drawHelp(QPainter &p)
{
    fill(p, pal::blue, pal::blueDark);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    QPainterPath q;
    q.moveTo(5.9, 6.2);
    q.cubicTo(5.9, 4.8, 6.9, 4, 8, 4);
    q.cubicTo(9.2, 4, 10.1, 4.8, 10.1, 5.9);
    q.cubicTo(10.1, 7.4, 8, 7.5, 8, 9.3);
    p.setPen(pen(pal::paper, 1.75));
    p.setBrush(Qt::NoBrush);
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(brush(pal::paper));
    p.drawEllipse(QPointF(8, 11.7), 1.1, 1.1);
}

void drawCancel(QPainter &p)
{
    p.setPen(pen(pal::red, 2.5));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void drawJumpTo(QPainter &p)
{
    fill(p, pal::amber, pal::amberDark);
    p.drawPolygon(bookmark(9.5, 1.5, 6, 13));
    fill(p, pal::blue, pal::blueDark);
    p.drawPolygon(poly({{0.5, 6.5}, {4.5, 6.5}, {4.5, 3}, {9.5, 8}, {4.5, 13}, {4.5, 9.5}, {0.5, 9.5}}));
}

void drawMark(QPainter &p)
{
    fill(p, pal::amber, pal::amberDark);
    p.drawPolygon(bookmark(1.5, 1.5, 8, 13));
    sign(p, Sign::Plus, pal::green);
}

void drawUnmark(QPainter &p)
{
    fill(p, pal::amber, pal::amberDark);
    p.drawPolygon(bookmark(1.5, 1.5, 8, 13));
    sign(p, Sign::Minus, pal::red);
}

void drawClearAll(QPainter &p)
{
    fill(p, pal::mist, pal::inkSoft);
    p.drawPolygon(bookmark(6.5, 0.5, 7, 11));
    fill(p, pal::amber, pal::amberDark);
    p.drawPolygon(bookmark(1.5, 2.5, 7, 12));
    sign(p, Sign::Cross, pal::red);
}

void drawEdit(QPainter &p)
{
    fill(p, pal::paper, pal::ink);
    p.drawPolygon(poly({{2.5, 1.5}, {8.5, 1.5}, {11.5, 4.5}, {11.5, 14.5}, {2.5, 14.5}}));
    p.setBrush(brush(pal::mist));
    p.drawPolygon(poly({{8.5, 1.5}, {8.5, 4.5}, {11.5, 4.5}}));
    p.setPen(pen(pal::inkSoft));
    for (qreal y : {6.5, 8.5, 10.5})
        p.drawLine(QPointF(4.5, y), QPointF(y > 9 ? 6.5 : 8.5, y));
    // The pencil, laid across the page's lower corner.
    p.save();
    p.translate(11, 10);
    p.rotate(-45);
    fill(p, pal::amber, pal::amberDark);
    p.drawRect(QRectF(-3, -1.6, 7, 3.2));
    fill(p, pal::pink, pal::amberDark);
    p.drawRect(QRectF(4, -1.6, 1.6, 3.2));
    fill(p, 0xFFF6DEB8, pal::amberDark);
    p.drawPolygon(poly({{-3, -1.6}, {-6, 0}, {-3, 1.6}}));
    p.setPen(Qt::NoPen);
    p.setBrush(brush(pal::ink));
    p.drawPolygon(poly({{-4.9, -0.6}, {-6.2, 0}, {-4.9, 0.6}}));
    p.restore();
}

void drawExit(QPainter &p)
{
    fill(p, pal::mist, pal::ink);
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    // The door stands open into the room.
    fill(p, pal::amberDeep, pal::amberDark);
    p.drawPolygon(poly({{2.5, 1.5}, {6.5, 3}, {6.5, 15.5}, {2.5, 14.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(brush(pal::ink));
    p.drawEllipse(QPointF(5.2, 8.8), 0.7, 0.7);
    p.setPen(pen(pal::blue, 2));
    p.drawLine(QPointF(8, 8), QPointF(14, 8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(poly({{11.5, 5.5}, {14.25, 8}, {11.5, 10.5}}));
}

void drawDown(QPainter &p)
{
    fill(p, pal::blue, pal::blueDark);
    p.drawPolygon(downArrow(2.5, 13.5, 8.5, false));
}

void drawUp(QPainter &p)
{
    fill(p, pal::blue, pal::blueDark);
    p.drawPolygon(downArrow(2.5, 13.5, 8.5, true));
}

void drawReset(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush(pal::blueDark));
    p.drawRoundedRect(QRectF(2, 1.5, 12, 2.5), 1, 1);
    fill(p, pal::blue, pal::blueDark);
    p.drawPolygon(
        poly({{6.5, 14.5}, {9.5, 14.5}, {9.5, 10.5}, {13, 10.5}, {8, 5.5}, {3, 10.5}, {6.5, 10.5}}));
}

void drawOptions(QPainter &p)
{
    const struct
    {
        qreal y;
        qreal knob;
    } rows[] = {{3.5, 10.5}, {8, 5.5}, {12.5, 9.5}};
    p.setPen(pen(pal::inkSoft, 1.5));
    for (const auto &r : rows)
        p.drawLine(QPointF(1.75, r.y), QPointF(14.25, r.y));
    fill(p, pal::blue, pal::blueDark);
    for (const auto &r : rows)
        p.drawEllipse(QPointF(r.knob, r.y), 2.25, 2.25);
}

void drawFullScreen(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush(pal::blueLight));
    p.drawRect(QRectF(5, 5, 6, 6));
    QPen corner = pen(pal::blue, 2);
    corner.setCapStyle(Qt::SquareCap);
    corner.setJoinStyle(Qt::MiterJoin);
    p.setPen(corner);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(poly({{2, 5.5}, {2, 2}, {5.5, 2}}));
    p.drawPolyline(poly({{10.5, 2}, {14, 2}, {14, 5.5}}));
    p.drawPolyline(poly({{14, 10.5}, {14, 14}, {10.5, 14}}));
    p.drawPolyline(poly({{5.5, 14}, {2, 14}, {2, 10.5}}));
}

void drawClear(QPainter &p)
{
    p.setPen(pen(pal::inkSoft, 1));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    p.save();
    p.translate(8.5, 8);
    p.rotate(-40);
    fill(p, pal::blue, pal::ink);
    p.drawRoundedRect(QRectF(-1, -3, 7, 6), 1, 1);
    fill(p, pal::pink, pal::ink);
    p.drawRoundedRect(QRectF(-6, -3, 5, 6), 1, 1);
    p.restore();
}

void drawDone(QPainter &p)
{
    p.setPen(pen(pal::green, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(poly({{2.75, 8.5}, {6.25, 12}, {13.25, 4}}));
}

void drawSave(QPainter &p)
{
    fill(p, pal::blue, pal::blueDark);
    p.drawPolygon(poly({{1.5, 1.5}, {11.5, 1.5}, {14.5, 4.5}, {14.5, 14.5}, {1.5, 14.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(brush(pal::mist));
    p.drawRect(QRectF(4, 2, 7, 4));
    p.setBrush(brush(pal::blueDark));
    p.drawRect(QRectF(8, 2.5, 1.5, 3));
    p.setBrush(brush(pal::paper));
    p.drawRoundedRect(QRectF(4, 8.5, 8, 5.5), 0.75, 0.75);
    p.setPen(pen(pal::inkSoft));
    p.drawLine(QPointF(5.5, 10.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(5.5, 12.5), QPointF(9, 12.5));
}

void drawOpen(QPainter &p)
{
    fill(p, pal::amberDeep, pal::amberDark);
    p.drawPolygon(
        poly({{1.5, 13.5}, {1.5, 2.5}, {6, 2.5}, {7.5, 4.5}, {12.5, 4.5}, {12.5, 7.5}, {3.5, 7.5}}));
    fill(p, pal::amber, pal::amberDark);
    p.drawPolygon(poly({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
}

void drawApp(QPainter &p)
{
    // A prompter screen: lines of script and the translucent reading line across them.
    fill(p, pal::mist, pal::ink);
    p.drawPolygon(poly({{6, 12}, {10, 12}, {11.5, 14.5}, {4.5, 14.5}}));
    // A light rim keeps the dark screen apart from a dark panel behind it.
    fill(p, pal::ink, pal::inkSoft);
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 11), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(brush(pal::line));
    p.drawRect(QRectF(1, 6.5, 14, 3));
    p.setPen(pen(pal::paper, 1));
    const struct
    {
        qreal y;
        qreal right;
    } rows[] = {{4, 12}, {8, 11}, {11, 9}};
    for (const auto &r : rows)
        p.drawLine(QPointF(3.5, r.y), QPointF(r.right, r.y));
}

using Drawing = void (*)(QPainter &);

struct Entry
{
    const char *key;
    Drawing draw;
};

// The design order of each image list; empty keys are the unused slots.
constexpr Entry kTools[] = {
    {"Stop", drawStop},
    {"Help", drawHelp},
    {"Cancel", drawCancel},
    {"JumpTo", drawJumpTo},
    {"Unmark", drawUnmark},
    {"ClearAll", drawClearAll},
    {"Edit", drawEdit},
    {"Mark", drawMark},
    {"Exit", drawExit},
    {"Down", drawDown},
    {"Up", drawUp},
    {"Options", drawOptions},
    {"FullScreen", drawFullScreen},
    {"", nullptr},
    {"", nullptr},
    {"", nullptr},
    {"", nullptr},
    {"Start", drawStart},
    {"Reset", drawReset},
};

constexpr Entry kEditor[] = {
    {"Cancel", drawCancel}, {"Clear", drawClear}, {"Done", drawDone}, {"Save", drawSave}, {"Open", drawOpen},
};

template <size_t N> QStringList keysOf(const Entry (&list)[N])
{
    QStringList keys;
    keys.reserve(qsizetype(N));
    for (const Entry &e : list)
        keys << QLatin1String(e.key);
    return keys;
}

template <size_t N> Drawing find(const Entry (&list)[N], const QString &key)
{
    if (key.isEmpty())
        return nullptr;
    for (const Entry &e : list) {
        if (key == QLatin1String(e.key))
            return e.draw;
    }
    return nullptr;
}

QImage render(Drawing draw, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int side = std::min(pixels.width(), pixels.height());
    if (side <= 0)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate((pixels.width() - side) / 2.0, (pixels.height() - side) / 2.0);
    p.scale(side / 16.0, side / 16.0);
    draw(p);
    p.end();
    return image;
}

// Disabled images fade to a light grey so the shape stays readable but clearly inactive.
void fade(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(qUnpremultiply(row[x]));
            const int grey = 96 + qGray(c.rgb()) * 100 / 255;
            row[x] = qPremultiply(qRgba(grey, grey, grey, c.alpha() * 45 / 100));
        }
    }
}

class DrawnIconEngine final : public QIconEngine
{
public:
    DrawnIconEngine(Drawing draw, QString name) : m_draw(draw), m_name(std::move(name)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QSize pixels = size * scale;
        if (pixels.isEmpty())
            return {};
        const bool faded = mode == QIcon::Disabled;
        const QString cacheKey = QStringLiteral("cuescroll-icon/%1/%2x%3/%4")
                                     .arg(m_name)
                                     .arg(pixels.width())
                                     .arg(pixels.height())
                                     .arg(faded ? 'd' : 'n');
        QPixmap pm;
        if (!QPixmapCache::find(cacheKey, &pm)) {
            QImage image = render(m_draw, pixels);
            if (faded)
                fade(image);
            pm = QPixmap::fromImage(std::move(image));
            QPixmapCache::insert(cacheKey, pm);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(m_draw, m_name); }
    QString key() const override { return QStringLiteral("CuescrollDrawn"); }
    QString iconName() override { return m_name; }
    bool isNull() override { return false; }

private:
    Drawing m_draw;
    QString m_name;
};

QIcon make(Drawing draw, const QString &name)
{
    if (!draw)
        return {};
    return QIcon(new DrawnIconEngine(draw, name));
}

} // namespace

QStringList toolKeys()
{
    return keysOf(kTools);
}

QIcon tool(const QString &key)
{
    return make(find(kTools, key), QLatin1String("tool-") + key);
}

QStringList editorKeys()
{
    return keysOf(kEditor);
}

QIcon editor(const QString &key)
{
    return make(find(kEditor, key), QLatin1String("editor-") + key);
}

QIcon app()
{
    return make(drawApp, QStringLiteral("app"));
}

void paintApp(QPainter &painter)
{
    drawApp(painter);
}

} // namespace icons
