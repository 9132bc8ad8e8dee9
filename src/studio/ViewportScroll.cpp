// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/ViewportScroll.h"

#include "common/Trace.h"
#include "line/gui/frmLine.h"
#include "studio/ScriptPicture.h"
#include "studio/WaylandScroll.h"
#include "ui/RichTextView.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextDocument>

#include <cmath>

ViewportScroll::ViewportScroll(QWidget *window, QWidget *picBack, RichTextView *rtDoc, frmLine *band)
    : QObject(window), m_window(window), m_back(picBack), m_doc(rtDoc), m_band(band)
{
    if (!window->testAttribute(Qt::WA_TranslucentBackground))
        return;
    for (QObject *o : std::initializer_list<QObject *>{window, picBack, rtDoc})
        o->installEventFilter(this);
    studio::watchScript(this, rtDoc, [this] { refreshSoon(); });
}

ViewportScroll::~ViewportScroll() = default;

void ViewportScroll::start()
{
    m_tried = true;
    m_scroll = WaylandScroll::create(m_window, [this](QPainter &p, int top) { draw(p, top); });
    if (!m_scroll)
        return;
    m_doc->setShownBeneath(true);
    connect(m_doc, &RichTextView::shownFractionChanged, this, &ViewportScroll::follow, Qt::UniqueConnection);
    if (m_band)
        m_band->setScriptBeneath(true);
    place();
    if (onActive)
        onActive(true);
}

void ViewportScroll::stop()
{
    m_scroll.reset();
    m_tried = false;
    if (m_doc) {
        m_doc->setShownBeneath(false);
        disconnect(m_doc, &RichTextView::shownFractionChanged, this, &ViewportScroll::follow);
    }
    if (m_band)
        m_band->setScriptBeneath(false);
    if (onActive)
        onActive(false);
}

// The part of the viewport on screen, in the window's pixels.
void ViewportScroll::place()
{
    if (!m_scroll || !m_back)
        return;
    const QRect area(m_back->mapTo(m_window.data(), QPoint()), studio::visibleRect(m_back).size());
    if (area != m_scroll->geometry()) {
        m_scroll->setGeometry(area);
        m_window->update(); // the new place takes effect with the window's next frame
    }
    follow();
}

void ViewportScroll::follow()
{
    if (!m_scroll || !m_doc || !m_back)
        return;
    const qreal top = m_doc->viewport()->mapFrom(m_back.data(), QPoint()).y() - m_doc->shownFraction();
    m_scroll->show(top);
    if (trace::enabled())
        trace::record('F', std::llround(top * 1000)); // bench/measure-wayland: the picture's place
}

// Changes to the text come in bursts: drawn once they are over.
void ViewportScroll::refreshSoon()
{
    if (!m_scroll || m_refreshing)
        return;
    m_refreshing = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshing = false;
            if (!m_scroll)
                return;
            m_scroll->invalidate();
            follow();
        },
        Qt::QueuedConnection);
}

// The rows of the viewport from `top` (in the script view's viewport pixels), as the window draws them.
void ViewportScroll::draw(QPainter &p, int top) const
{
    const QColor back = m_back ? m_back->palette().color(m_back->backgroundRole()) : QColor(Qt::black);
    p.fillRect(QRect(0, 0, p.device()->width(), p.device()->height()), back);
    if (!m_back || !m_doc)
        return;
    QWidget *vp = m_doc->viewport();
    const int left = vp->mapFrom(m_back.data(), QPoint()).x();
    const QRect clip = p.clipBoundingRect().toAlignedRect();
    const QRect wanted =
        QRect(left, top + clip.top(), p.device()->width(), clip.height()).intersected(vp->rect());
    if (wanted.isEmpty())
        return;
    p.translate(-left, -top);
    vp->render(&p, wanted.topLeft(), QRegion(wanted), QWidget::DrawWindowBackground);
}

bool ViewportScroll::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
        if (watched == m_window) {
            if (!m_tried && m_window->isVisible())
                start();
            // A translucent window's background is left clear by the toolkit.
            QPainter p(m_window);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(static_cast<QPaintEvent *>(event)->rect(), m_window->palette().window());
        }
        // Clear where the script shows through.
        if (watched == m_back && m_scroll) {
            QPainter p(m_back);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(static_cast<QPaintEvent *>(event)->rect(), Qt::transparent);
            return true;
        }
        break;
    case QEvent::Hide:
        // A hidden Wayland window loses its surface, and ours with it.
        if (watched == m_window && m_scroll)
            stop();
        break;
    case QEvent::Move:
        if (watched == m_doc) {
            const auto *me = static_cast<QMoveEvent *>(event);
            if (me->pos().x() != me->oldPos().x() && m_scroll)
                m_scroll->invalidate();
            follow();
        } else if (watched == m_back) {
            place();
        }
        break;
    case QEvent::Resize:
        if (watched == m_doc) {
            const auto *re = static_cast<QResizeEvent *>(event);
            if (re->size().width() != re->oldSize().width())
                refreshSoon();
        } else {
            place();
            refreshSoon();
        }
        break;
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        refreshSoon();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
