// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/ScriptPicture.h"

#include "line/gui/frmLine.h"
#include "studio/DirectOutput.h"
#include "studio/Log.h"
#include "studio/WaylandScroll.h"
#include "ui/RichTextView.h"

#include <QAbstractTextDocumentLayout>
#include <QBackingStore>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {
// Tiles kept: the two on screen and the neighbours a step or a key may bring in.
constexpr int kTilesKept = 4;
// Source rows each tile draws beyond its own share, so that rounding leaves no seam between tiles.
constexpr int kTileOverlap = 2;
// Rows drawn at a time for a window that puts its pixels itself.
constexpr int kStripRows = 64;
} // namespace

namespace studio {

void watchScript(QObject *owner, QTextEdit *view, const std::function<void()> &changed)
{
    QTextDocument *doc = view->document();
    QObject::connect(doc, &QTextDocument::contentsChanged, owner, changed);
    QObject::connect(doc->documentLayout(), &QAbstractTextDocumentLayout::update, owner, changed);
    // A new script may come as a new document, shown once the old one has gone (or with the view).
    QObject::connect(doc, &QObject::destroyed, owner, [owner, view = QPointer<QTextEdit>(view), changed] {
        QMetaObject::invokeMethod(
            owner,
            [owner, view, changed] {
                if (view)
                    watchScript(owner, view, changed);
                changed();
            },
            Qt::QueuedConnection);
    });
}

QRect visibleRect(const QWidget *picBack)
{
    int width = picBack->width();
    if (const QWidget *parent = picBack->parentWidget())
        width = std::min(width, parent->width() - picBack->x());
    return QRect(0, 0, std::max(1, width), std::max(1, picBack->height()));
}

QRectF paintCountdown(QPainter &painter, const QRectF &area, int number)
{
    if (number <= 0)
        return {};
    const qreal size = std::min(area.width(), area.height()) * 0.6;
    const QRectF disc(area.center().x() - size / 2, area.center().y() - size / 2, size, size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawEllipse(disc);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(size * 0.6)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, QString::number(number));
    painter.restore();
    return disc;
}

QRect bandIn(const QWidget *back, const QWidget *band)
{
    if (!back || !band || !band->isVisible())
        return {};
    // Through the screen while the band has not settled into the viewport: it lies outside back.
    const QPoint at = back->isAncestorOf(band) ? band->mapTo(back, QPoint())
                                               : back->mapFromGlobal(band->mapToGlobal(QPoint()));
    return QRect(at, band->size());
}

QRectF paintMessage(QPainter &painter, const QRectF &area, const QString &text, const QRectF &line,
                    bool below)
{
    if (text.isEmpty())
        return {};
    // The part of the picture it may take: one side of the reading line, the chosen one unless the
    // line stands so near that edge that the other side has far more room.
    QRectF room = area;
    if (const QRectF l = line.intersected(area); !l.isEmpty()) {
        const QRectF above(area.left(), area.top(), area.width(), l.top() - area.top());
        const QRectF under(area.left(), l.bottom(), area.width(), area.bottom() - l.bottom());
        const QRectF &chosen = below ? under : above;
        const QRectF &other = below ? above : under;
        room = chosen.height() >= area.height() / 5 || chosen.height() >= other.height() ? chosen : other;
        if (room.height() < 1)
            return {};
    }
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(1, int(std::min(area.height() / 7, room.height() / 2))));
    painter.setFont(font);
    const QRectF inner = room.adjusted(room.width() * 0.05, 0, -room.width() * 0.05, 0);
    // Shrunk until it fits: a long message still shows whole, only smaller.
    QRectF need;
    const qreal most = line.isEmpty() ? area.height() * 0.6 : room.height() * 0.8;
    for (int i = 0; i < 8; ++i) {
        need = painter.boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (need.height() <= most && need.width() <= inner.width())
            break;
        font.setPixelSize(std::max(1, font.pixelSize() * 3 / 4));
        painter.setFont(font);
    }
    const qreal pad = font.pixelSize() * 0.3;
    const qreal height = std::min(room.height(), need.height() + 2 * pad);
    const QRectF band(room.left(), room.center().y() - height / 2, room.width(), height);
    painter.fillRect(band, QColor(0, 0, 0, 200));
    painter.setPen(QColor(255, 220, 0));
    painter.drawText(inner.adjusted(0, band.top() - inner.top(), 0, band.bottom() - inner.bottom()),
                     Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
    return band;
}

QRectF paintClock(QPainter &painter, const QRectF &area, const QString &text, const QColor &color)
{
    if (text.isEmpty())
        return {};
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(1, int(area.height() / 12)));
    painter.setFont(font);
    const QRectF box = painter.boundingRect(area, Qt::AlignTop | Qt::AlignRight, text);
    const qreal pad = font.pixelSize() * 0.2;
    const QRectF back = box.adjusted(-2 * pad, 0, 0, 2 * pad).translated(-pad, pad);
    painter.fillRect(back, QColor(0, 0, 0, 200));
    painter.setPen(color);
    painter.drawText(back, Qt::AlignCenter, text);
    painter.restore();
    return back;
}

} // namespace studio

ScriptPicture::ScriptPicture(QWidget *picBack, QTextEdit *rtDoc, const frmLine *band, QWidget *parent)
    : QWidget(parent), m_back(picBack), m_doc(rtDoc), m_band(band)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Clear where the compositor shows the script beneath: decided before the window is made.
    if (!parent && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(parent ? Qt::NoFocus : Qt::StrongFocus);
    for (QObject *o : std::initializer_list<QObject *>{picBack, rtDoc, rtDoc->viewport()})
        o->installEventFilter(this);
    if (band)
        const_cast<frmLine *>(band)->installEventFilter(this);
    studio::watchScript(this, rtDoc, [this] { invalidate(); });
}

ScriptPicture::~ScriptPicture() = default;

void ScriptPicture::setMirror(bool leftRight, bool topBottom)
{
    if (leftRight == m_mirror && topBottom == m_flip)
        return;
    m_mirror = leftRight;
    m_flip = topBottom;
    invalidate();
}

void ScriptPicture::setCountdown(int number)
{
    if (number == m_countdown)
        return;
    m_countdown = number;
    m_overlay = QImage();
    update();
}

void ScriptPicture::setMessage(const QString &text)
{
    if (text == m_message)
        return;
    m_message = text;
    m_overlay = QImage();
    update();
}

void ScriptPicture::setMessageBelow(bool below)
{
    if (below == m_messageBelow)
        return;
    m_messageBelow = below;
    m_overlay = QImage();
    update();
}

void ScriptPicture::setClock(const QString &text, const QColor &color)
{
    if (text == m_clock && color == m_clockColor)
        return;
    m_clock = text;
    m_clockColor = color;
    m_overlay = QImage();
    update();
}

qreal ScriptPicture::scale() const
{
    return qreal(width()) / studio::visibleRect(m_back).width();
}

QRect ScriptPicture::frame() const
{
    const QRect src = studio::visibleRect(m_back);
    const int h = int(std::lround(src.height() * scale()));
    return QRect(0, (height() - h) / 2, width(), h);
}

// Viewport pixels (from the top left of what is on screen) to this widget's pixels.
QTransform ScriptPicture::frameTransform() const
{
    const QRect src = studio::visibleRect(m_back);
    const QRect f = frame();
    const qreal s = scale();
    QTransform t;
    if (m_mirror)
        t *= QTransform(-1, 0, 0, 1, src.width(), 0);
    if (m_flip)
        t *= QTransform(1, 0, 0, -1, 0, src.height());
    t *= QTransform::fromScale(s, s);
    t *= QTransform::fromTranslate(f.left(), f.top());
    return t;
}

int ScriptPicture::tileHeight() const
{
    return studio::visibleRect(m_back).height();
}

void ScriptPicture::invalidate()
{
    if (m_wayland)
        m_wayland->invalidate();
    m_tiles.clear();
    m_overlay = QImage();
    update();
}

// Rows [index × tile height, … + tile height + overlap) of the script view, drawn as they will show.
QPixmap ScriptPicture::tile(int index)
{
    const QRect src = studio::visibleRect(m_back);
    const QSize key(src.width() * 100000 / std::max(1, width()), src.height());
    if (key != m_tileKey) {
        m_tiles.clear();
        m_tileKey = key;
    }
    if (auto it = m_tiles.constFind(index); it != m_tiles.constEnd())
        return *it;

    QWidget *vp = m_doc->viewport();
    const int th = tileHeight();
    const int rows = th + kTileOverlap;
    const qreal s = scale();
    const int left = vp->mapFrom(m_back.data(), src.topLeft()).x();
    const qreal dpr = devicePixelRatioF();
    QPixmap pix(QSize(int(std::ceil(src.width() * s * dpr)), int(std::ceil(rows * s * dpr))));
    pix.setDevicePixelRatio(dpr);
    pix.fill(m_back->palette().color(m_back->backgroundRole()));
    {
        QPainter p(&pix);
        QTransform t;
        if (m_mirror)
            t *= QTransform(-1, 0, 0, 1, src.width(), 0);
        if (m_flip)
            t *= QTransform(1, 0, 0, -1, 0, rows);
        t *= QTransform::fromScale(s, s);
        p.setTransform(t);
        const QRect wanted = QRect(left, index * th, src.width(), rows).intersected(vp->rect());
        if (!wanted.isEmpty())
            vp->render(&p, wanted.topLeft() - QPoint(left, index * th), QRegion(wanted),
                       QWidget::DrawWindowBackground);
    }
    ++m_tilesRendered;
    // Keep the tiles nearest the one asked for.
    while (m_tiles.size() >= kTilesKept) {
        auto far = std::max_element(m_tiles.keyBegin(), m_tiles.keyEnd(), [index](int a, int b) {
            return std::abs(a - index) < std::abs(b - index);
        });
        m_tiles.remove(*far);
    }
    m_tiles.insert(index, pix);
    return pix;
}

// The script's offset in this widget's pixels: every tile lies a whole number of pixels from it, so
// that a scroll by the change in offset leaves exactly the pixels a full paint would draw.
int ScriptPicture::shownOffset() const
{
    const QPoint y0 = m_doc->viewport()->mapFrom(m_back.data(), studio::visibleRect(m_back).topLeft());
    return int(std::lround(y0.y() * scale()));
}

QRect ScriptPicture::bandInBack() const
{
    return studio::bandIn(m_back, m_band);
}

QRect ScriptPicture::bandRect() const
{
    if (!m_band || !m_back || !m_band->isVisible())
        return {};
    const QRectF r =
        frameTransform().mapRect(QRectF(bandInBack().translated(-studio::visibleRect(m_back).topLeft())));
    // Whole pixels, so that the band's rows scroll among themselves.
    const QPoint topLeft(int(std::lround(r.left())), int(std::lround(r.top())));
    const QPoint end(int(std::lround(r.right())), int(std::lround(r.bottom())));
    return QRect(topLeft, end - QPoint(1, 1)).intersected(frame());
}

void ScriptPicture::paintEvent(QPaintEvent *event)
{
    // Drawn by grab() or render() as any widget is.
    if (m_direct && !redirected(nullptr)) {
        m_unpainted -= event->region();
        // Drawn a strip at a time into one image kept for it, whose paint engine lives with it.
        if (m_strip.width() != width())
            m_strip = QImage(width(), kStripRows, DirectOutput::format);
        // Anything that changes what lies over the picture asks for all of it: a part keeps the
        // overlays where they were, drawn only in the strips they touch.
        const bool whole = event->region().contains(rect());
        for (const QRect &r : event->region()) {
            for (int top = r.top(); top <= r.bottom(); top += kStripRows) {
                const QRect part(r.left(), top, r.width(), std::min(kStripRows, r.bottom() + 1 - top));
                {
                    QPainter p(&m_strip);
                    p.translate(0, -top);
                    p.setClipRect(part);
                    paintPicture(p, whole || m_shownOverlay.intersects(part));
                }
                m_direct->put(m_strip, part.translated(0, -top), part.topLeft());
            }
        }
        m_direct->present();
        return;
    }
    // Made at the first frame: a Wayland window has its surface once shown. Painted through the
    // backing store, a frame is redirected to its image; grab() and render() elsewhere.
    const QPaintDevice *to = redirected(nullptr);
    const bool toScreen = !to || (backingStore() && to == backingStore()->paintDevice());
    if (!m_waylandTried && !m_direct && testAttribute(Qt::WA_TranslucentBackground) && toScreen) {
        m_waylandTried = true;
        m_wayland = WaylandScroll::create(this, [this](QPainter &p, int top) { drawScript(p, top); });
        // Between whole-pixel moves the compositor places the picture at the script's fraction.
        if (auto *view = qobject_cast<RichTextView *>(m_doc.data()); view && m_wayland) {
            m_fractionLink = connect(view, &RichTextView::shownFractionChanged, this, [this] {
                if (m_painted && isVisible())
                    showScript();
            });
        }
    }
    if (m_wayland && toScreen) {
        // Only what lies over the script: the compositor shows the script through the clear pixels.
        const QRect f = frame().intersected(rect());
        m_wayland->setGeometry(f);
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(rect(), Qt::black);
        p.fillRect(f, Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_shownBand = bandRect();
        m_shownBandColor = m_band ? m_band->bandColor() : QColor();
        if (!m_shownBand.isEmpty())
            p.fillRect(m_shownBand, m_shownBandColor);
        m_shownOverlay = QRegion();
        if (overlaid() && m_back) {
            const QTransform t = frameTransform();
            if (m_overlay.isNull() || t != m_overlayTransform)
                makeOverlay(t, studio::visibleRect(m_back).size());
            p.drawImage(m_overlayAt, m_overlay);
            m_shownOverlay = m_overlayArea;
        }
        showScript();
        return;
    }
    QPainter p(this);
    paintPicture(p);
}

// The row of the compositor's picture at the top of the window's part that shows it: the script's
// place to a fraction of a pixel. The picture's rows run down the screen, mirrored or not.
qreal ScriptPicture::scriptTop() const
{
    const QRect src = studio::visibleRect(m_back);
    const QRect f = frame();
    const auto *view = qobject_cast<const RichTextView *>(m_doc.data());
    const qreal y0 =
        m_doc->viewport()->mapFrom(m_back.data(), src.topLeft()).y() - (view ? view->shownFraction() : 0.0);
    const qreal s = scale();
    const qreal top = m_flip ? f.height() - (y0 + src.height()) * s : y0 * s;
    return top + std::max(0, -f.top());
}

void ScriptPicture::showScript()
{
    if (!m_back || !m_doc)
        return;
    m_wayland->show(scriptTop());
    m_offset = shownOffset();
    m_painted = true;
}

// Rows of the compositor's picture from `top` on, for the painter's clip: the script view drawn
// scaled and mirrored as the frame shows it.
void ScriptPicture::drawScript(QPainter &p, int top) const
{
    const QColor back = m_back ? m_back->palette().color(m_back->backgroundRole()) : QColor(Qt::black);
    p.fillRect(QRect(0, 0, p.device()->width(), p.device()->height()), back);
    if (!m_back || !m_doc)
        return;
    QWidget *vp = m_doc->viewport();
    const QRect src = studio::visibleRect(m_back);
    const QRect f = frame();
    const qreal s = scale();
    const int left = vp->mapFrom(m_back.data(), src.topLeft()).x();
    top -= std::max(0, -f.top());
    QTransform t = QTransform::fromTranslate(-left, 0);
    if (m_mirror)
        t *= QTransform(-1, 0, 0, 1, src.width(), 0);
    if (m_flip)
        t *= QTransform(1, 0, 0, -1, 0, 0);
    t *= QTransform::fromScale(s, s);
    t *= QTransform::fromTranslate(0, m_flip ? f.height() - top : -top);
    // The script view's rows that land in the clip, a row more each side for the scaling.
    const QRectF rows = t.inverted().mapRect(QRectF(p.clipBoundingRect()));
    const int y0 = int(std::floor(rows.top())) - 1;
    const int y1 = int(std::ceil(rows.bottom())) + 1;
    const QRect wanted = QRect(left, y0, src.width(), y1 - y0).intersected(vp->rect());
    if (wanted.isEmpty())
        return;
    p.setTransform(t);
    vp->render(&p, wanted.topLeft(), QRegion(wanted), QWidget::DrawWindowBackground);
}

QPaintEngine *ScriptPicture::paintEngine() const
{
    return m_direct ? nullptr : QWidget::paintEngine();
}

void ScriptPicture::showEvent(QShowEvent *)
{
    if (!isWindow())
        return;
    startDirectOutput();
}

void ScriptPicture::hideEvent(QHideEvent *)
{
    // Hidden, a Wayland window loses its surface and ours under it.
    m_wayland.reset();
    m_waylandTried = false;
    disconnect(m_fractionLink);
}

bool ScriptPicture::event(QEvent *event)
{
    // A window made again (on another X screen, say) needs its pixmap made there too.
    if (event->type() == QEvent::WinIdChange && m_direct)
        startDirectOutput();
    return QWidget::event(event);
}

void ScriptPicture::startDirectOutput()
{
    m_direct = DirectOutput::create(this);
    setAttribute(Qt::WA_PaintOnScreen, m_direct != nullptr);
    setAttribute(Qt::WA_NoSystemBackground, m_direct || testAttribute(Qt::WA_TranslucentBackground));
    if (m_direct)
        m_direct->resize(size());
    m_unpainted = QRegion();
    update();
}

void ScriptPicture::updateRows(const QRegion &region)
{
    if (m_direct)
        m_unpainted += region;
    update(region);
}

void ScriptPicture::paintPicture(QPainter &p, bool overlays)
{
    const QRect f = frame();
    const QRegion outside = QRegion(rect()).subtracted(f);
    for (const QRect &r : outside)
        p.fillRect(r, Qt::black);
    if (!m_back || !m_doc)
        return;
    p.setClipRect(f.intersected(rect()), Qt::IntersectClip);

    const QRect src = studio::visibleRect(m_back);
    QWidget *vp = m_doc->viewport();
    const int y0 = vp->mapFrom(m_back.data(), src.topLeft()).y();
    const int th = tileHeight();
    const qreal s = scale();
    const int rows = th + kTileOverlap;
    const int offset = shownOffset();
    const int first = int(std::floor(qreal(y0) / th));
    const int last = int(std::floor(qreal(y0 + src.height()) / th));
    for (int k = first; k <= last; ++k) {
        const QPixmap pix = tile(k);
        const int top = m_flip ? f.top() + f.height() - int(std::lround(qreal(k * th + rows) * s)) + offset
                               : f.top() + int(std::lround(qreal(k * th) * s)) - offset;
        p.drawPixmap(QPoint(f.left(), top), pix);
    }
    m_offset = offset;
    m_painted = true;

    // The band over the script is drawn as the prompter draws it.
    m_shownBand = bandRect();
    m_shownBandColor = m_band ? m_band->bandColor() : QColor();
    if (!m_shownBand.isEmpty())
        p.fillRect(m_shownBand, m_shownBandColor);
    if (!overlays)
        return;
    if (!overlaid()) {
        m_shownOverlay = QRegion();
        return;
    }
    const QTransform t = frameTransform();
    if (m_overlay.isNull() || t != m_overlayTransform)
        makeOverlay(t, src.size());
    p.drawImage(m_overlayAt, m_overlay);
    m_shownOverlay = m_overlayArea;
}

// The clock, message and countdown, drawn once into an image of their own: a frame only copies them.
void ScriptPicture::makeOverlay(const QTransform &t, const QSize &viewport)
{
    const QRectF area(QPointF(), viewport);
    const QRectF line(m_bandInBack.translated(-studio::visibleRect(m_back).topLeft()));
    const auto draw = [&](QPainter &p) {
        p.setFont(font());
        p.setTransform(t, true);
        QRegion drawn;
        // A pixel more all round for the antialiased edges.
        for (const QRectF &r : {studio::paintClock(p, area, m_clock, m_clockColor),
                                studio::paintMessage(p, area, m_message, line, m_messageBelow),
                                studio::paintCountdown(p, area, m_countdown)})
            if (!r.isEmpty())
                drawn += t.mapRect(r).toAlignedRect().adjusted(-1, -1, 1, 1);
        return drawn;
    };
    // Where it falls, found by drawing it on nothing.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&probe);
        m_overlayArea = draw(p);
    }
    const QRect bounds = m_overlayArea.boundingRect();
    m_overlay = QImage(bounds.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    m_overlay.fill(Qt::transparent);
    {
        QPainter p(&m_overlay);
        p.translate(-bounds.topLeft());
        draw(p);
    }
    m_overlayAt = bounds.topLeft();
    m_overlayTransform = t;
}

// The script view moved by a scroll step: the pixels shown move with it, and only the rows coming
// into view and the rows along the band's edges are drawn.
bool ScriptPicture::followScroll(const QMoveEvent *event)
{
    if (!m_painted || event->pos().x() != event->oldPos().x() || !isVisible())
        return false;
    if (m_wayland) {
        showScript();
        return true;
    }
    const QRect f = frame().intersected(rect());
    const int d = shownOffset() - m_offset;
    if (d == 0)
        return true;
    if (std::abs(d) >= f.height() / 2)
        return false;
    const int dy = m_flip ? d : -d;
    if (m_direct) {
        m_direct->scroll(f, dy);
        // Rows asked for and not yet drawn moved with the rest.
        QRegion stale = m_unpainted.translated(0, dy);
        stale += dy < 0 ? QRect(f.left(), f.bottom() + 1 + dy, f.width(), -dy)
                        : QRect(f.left(), f.top(), f.width(), dy);
        updateRows(stale.intersected(f));
    } else {
        scroll(0, dy, f);
    }
    // What is drawn over the picture stays where it is: drawn again, and where the move took it.
    if (!m_shownOverlay.isEmpty())
        updateRows(m_shownOverlay + m_shownOverlay.translated(0, dy));
    // The band stays where it is: the rows at its edges took pixels from the other side of them.
    if (const QRect b = m_shownBand.intersected(f); !b.isEmpty()) {
        const int n = std::abs(dy);
        updateRows(QRect(b.left(), b.top() - n, b.width(), 2 * n).intersected(f));
        updateRows(QRect(b.left(), b.bottom() + 1 - n, b.width(), 2 * n).intersected(f));
    }
    m_offset += d;
    return true;
}

// The band was painted in the prompter: a new place or colour shows here too, anything else (the
// script moving beneath it) is no change of the band.
void ScriptPicture::followBand()
{
    const QColor color = m_band ? m_band->bandColor() : QColor();
    // The band moves inside the script view every frame to stay where it is on screen.
    const QRect inBack = m_band && m_back && m_band->isVisible() ? bandInBack() : QRect();
    if (inBack == m_bandInBack && color == m_shownBandColor)
        return;
    m_bandInBack = inBack;
    if (!m_message.isEmpty()) { // it stands beside the band
        m_overlay = QImage();
        update();
    }
    if (bandRect() == m_shownBand && color == m_shownBandColor)
        return;
    update(); // the rows that scroll among themselves change with it
}

void ScriptPicture::resizeEvent(QResizeEvent *)
{
    if (m_direct)
        m_direct->resize(size());
    invalidate();
}

void ScriptPicture::keyPressEvent(QKeyEvent *event)
{
    if (onKey)
        onKey(event);
    else
        QWidget::keyPressEvent(event);
}

bool ScriptPicture::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
        // A scroll step, a key, Reset: follow in the same frame. The band moves inside the script
        // view to stay where it is on screen.
        if (watched == m_band)
            followBand();
        else if (watched != m_doc || !followScroll(static_cast<QMoveEvent *>(event)))
            update();
        break;
    case QEvent::Resize:
        if (watched == m_doc || watched == m_back) {
            // Only a new width lays the text out again; the view's height follows the script.
            const auto *re = static_cast<QResizeEvent *>(event);
            if (re->size().width() != re->oldSize().width())
                invalidate();
            else
                update();
        } else if (watched == m_band) {
            followBand();
        } else {
            update();
        }
        break;
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        invalidate();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Paint:
        if (watched == m_band)
            followBand();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

CountdownOverlay::CountdownOverlay(QWidget *picBack, const QWidget *band) : QWidget(picBack), m_band(band)
{
    setObjectName(QStringLiteral("picCountdown"));
    setAccessibleName(tr("Countdown"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void CountdownOverlay::setNumber(int number)
{
    if (number == m_number)
        return;
    m_number = number;
    showOrHide();
}

void CountdownOverlay::setMessageBelow(bool below)
{
    m_messageBelow = below;
    update();
}

void CountdownOverlay::setMessage(const QString &text)
{
    if (text == m_message)
        return;
    m_message = text;
    showOrHide();
}

// Over the viewport only while there is something to show: a widget over the moving script makes
// every step repaint all of it.
void CountdownOverlay::showOrHide()
{
    if (m_number > 0 || !m_message.isEmpty()) {
        setGeometry(studio::visibleRect(parentWidget()));
        raise();
        show();
        update();
    } else {
        hide();
    }
}

void CountdownOverlay::setMirror(bool on)
{
    m_mirror = on;
    update();
}

void CountdownOverlay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_mirror)
        p.setTransform(QTransform(-1, 0, 0, 1, width(), 0));
    // The line in this widget's pixels; mirrored left to right it stands at the same height.
    const QRect line = studio::bandIn(parentWidget(), m_band).translated(-pos());
    studio::paintMessage(p, QRectF(rect()), m_message, QRectF(line), m_messageBelow);
    studio::paintCountdown(p, QRectF(rect()), m_number);
}
