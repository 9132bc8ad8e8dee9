// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line/gui/frmLine.h"

#include "line/gui/Log.h"
#include "ui/Colors.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {
// Half opacity: the text beneath stays readable through the band.
constexpr int kAlpha = 128;
// The band stops short of the line's right end by this much.
constexpr float kNarrower = 60;
} // namespace

frmLine::frmLine(QWidget *parent) : QWidget(parent), m_color(colors::rgb(0x80, 0xFF, 0x80))
{
    setObjectName(QStringLiteral("frmLine"));
    colors::showsScript(this);
    m_bandColor = resolveBand(m_color);
    setAccessibleName(tr("Reading line"));
    // Not opaque: what lies beneath must show through the translucent fill.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setCursor(Qt::ArrowCursor);
    twips::move(this, 0, 0, 4680, 3090);

    timResize = new QTimer(this);
    timResize->setObjectName(QStringLiteral("timResize"));
    timResize->setInterval(10);
    // Runs only after the line or the viewport has changed, not around the clock.
    timResize->setSingleShot(true);
}

void frmLine::setLineColor(qint32 color)
{
    if (color == m_color)
        return;
    m_color = color;
    m_bandColor = resolveBand(color);
    update();
}

void frmLine::setSources(QWidget *picBack, const QWidget *picLine)
{
    m_picBack = picBack;
    m_picLine = picLine;
    // A click on the band over a view that takes no pointer input would reach the viewport; a move
    // or resize of the viewport, and any new place, size or colour of the line, calls for a tick.
    picBack->installEventFilter(this);
    const_cast<QWidget *>(picLine)->installEventFilter(this);
    connect(timResize, &QTimer::timeout, this, &frmLine::ResizeLine, Qt::UniqueConnection);
    // Until its first tick the band has no place of its own: shown at its design place it would lie
    // over the window's corner, taking clicks there, for as long as start-up keeps the tick away.
    hide();
    tickSoon();
}

void frmLine::ResizeLine()
{
    if (!m_picBack || !m_picLine)
        return;
    const twips::Rect back = twips::rect(m_picBack);
    const twips::Rect line = twips::rect(m_picLine);
    if (line.top != m_inBack.top || line.height != m_inBack.height)
        qCDebug(lcLine) << "reading line at" << line.top << "twips," << line.height << "high";
    m_inBack = {line.left, line.top, line.width - kNarrower, line.height};
    m_band = {back.left + line.left, back.top + line.top, m_inBack.width, m_inBack.height};
    settleIn(topView());
    place();
    if (isHidden())
        show();
    setLineColor(colors::backColor(m_picLine));
}

// The script view in front inside the viewport: later children lie on top.
QAbstractScrollArea *frmLine::topView() const
{
    const QObjectList &children = m_picBack->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *view = qobject_cast<QAbstractScrollArea *>(*it);
        if (view && view->isVisible())
            return view;
    }
    return nullptr;
}

void frmLine::settleIn(QAbstractScrollArea *view)
{
    QWidget *host = view ? view->viewport() : m_picBack.data();
    if (parentWidget() == host)
        return;
    if (m_view)
        m_view->removeEventFilter(this);
    m_view = view;
    if (view)
        view->installEventFilter(this); // to stay put while the view moves under it
    setParent(host);
    show();
}

// Lays the band over its place in the viewport, whatever the view it lies in has moved to.
// `withView`: the view has just moved, and the toolkit shifted what was on screen with it, band
// included. Tinted text shifted is still tinted text, so the band keeps those pixels and repaints only
// the rows at its edges where script came in from outside it or left it, not its whole area at every
// frame. A view the toolkit repainted instead of shifting repaints the band with it.
void frmLine::place(bool withView)
{
    const QRect inBack(twips::toPixels(m_inBack.left), twips::toPixels(m_inBack.top),
                       std::max(0, twips::toPixels(m_inBack.width)),
                       std::max(0, twips::toPixels(m_inBack.height)));
    QWidget *host = parentWidget();
    const QRect g(host == m_picBack ? inBack.topLeft() : host->mapFrom(m_picBack, inBack.topLeft()),
                  inBack.size());
    if (g == geometry())
        return;
    const int dy = g.y() - y();
    if (!withView || g.size() != size() || g.x() != x() || !isVisible()) {
        setGeometry(g);
        return;
    }
    // The toolkit's own repaint of a translucent widget's new place would be the whole band, and what
    // it leaves uncovered it would repaint from the window down: both are left to the view beneath,
    // which is opaque.
    const QRect before = geometry();
    const bool hostOff = host->testAttribute(Qt::WA_UpdatesDisabled);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    host->setAttribute(Qt::WA_UpdatesDisabled, true);
    move(g.topLeft());
    host->setAttribute(Qt::WA_UpdatesDisabled, hostOff);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    if (m_beneath)
        return;
    host->update(QRegion(before).subtracted(geometry()));
    if (dy > 0)
        m_staleBottom = std::min(height(), m_staleBottom + dy);
    else
        m_staleTop = std::min(height(), m_staleTop - dy);
    if (m_staleTop > 0)
        host->update(x(), y(), width(), m_staleTop);
    if (m_staleBottom > 0)
        host->update(x(), y() + height() - m_staleBottom, width(), m_staleBottom);
}

// The next tick comes as a running 10 ms timer's would: within 10 ms of the first change.
void frmLine::tickSoon()
{
    if (!timResize->isActive())
        timResize->start();
}

bool frmLine::covers(const QWidget *widget, const QPointF &pos) const
{
    if (!isVisible())
        return false;
    return rect().contains(mapFrom(widget, pos).toPoint());
}

bool frmLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picLine) {
        // The line is hidden: its geometry and colour arrive as properties and palettes, not moves.
        if (event->type() == QEvent::DynamicPropertyChange || event->type() == QEvent::PaletteChange ||
            event->type() == QEvent::Move || event->type() == QEvent::Resize)
            tickSoon();
        return QWidget::eventFilter(watched, event);
    }
    if (watched == m_picBack && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        tickSoon();
    switch (event->type()) {
    case QEvent::Move:
        // The script moved by a step: follow at once, so the band neither jumps nor smears.
        if (watched == m_view && m_picBack)
            place(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (watched == m_picBack && parentWidget() != m_picBack &&
            covers(m_picBack, static_cast<QMouseEvent *>(event)->position()))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QColor frmLine::resolveBand(qint32 color) const
{
    QColor c = colors::resolve(color, this);
    c.setAlpha(kAlpha);
    return c;
}

void frmLine::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), bandColor());
    const QRegion painted = event->region();
    if (painted.contains(QRect(0, 0, width(), m_staleTop)))
        m_staleTop = 0;
    if (painted.contains(QRect(0, height() - m_staleBottom, width(), m_staleBottom)))
        m_staleBottom = 0;
}

// The band takes clicks so they never reach the script beneath (where a click has a meaning of its
// own), but does nothing with them.
void frmLine::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void frmLine::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void frmLine::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
