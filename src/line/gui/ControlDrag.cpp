// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line/gui/ControlDrag.h"

#include "line/gui/Log.h"
#include "ui/Twips.h"

#include <QMouseEvent>
#include <QWidget>

ControlDrag::ControlDrag(QWidget *window) : QObject(window), m_window(window) {}

void ControlDrag::watchPress(QWidget *control, std::function<void()> mouseDown)
{
    m_mouseDown.insert(control, std::move(mouseDown));
    control->installEventFilter(this);
}

void ControlDrag::addTarget(QWidget *target, Handler over, Handler drop)
{
    m_targets.insert(target, {std::move(over), std::move(drop)});
}

void ControlDrag::Drag(QWidget *source)
{
    m_source = source;
}

QWidget *ControlDrag::targetAt(const QPoint &windowPos) const
{
    QWidget *w = m_window->childAt(windowPos);
    if (!w && m_window->rect().contains(windowPos))
        w = m_window;
    return m_targets.contains(w) ? w : nullptr;
}

void ControlDrag::report(const QPointF &windowPos, Handler Handlers::*which)
{
    QWidget *target = targetAt(windowPos.toPoint());
    if (!target || !m_source)
        return;
    const QPointF p = target == m_window ? windowPos : target->mapFrom(m_window, windowPos);
    const Handler handler = m_targets.value(target).*which;
    if (handler)
        handler(m_source, float(p.x()) * twips::kPerPixel, float(p.y()) * twips::kPerPixel);
}

void ControlDrag::moveTo(const QPointF &windowPos)
{
    report(windowPos, &Handlers::over);
}

void ControlDrag::dropAt(const QPointF &windowPos)
{
    if (m_source)
        qCDebug(lcLine).noquote() << m_source->objectName() << "dropped at" << windowPos
                                  << (targetAt(windowPos.toPoint()) ? "" : "- outside every target, ignored");
    report(windowPos, &Handlers::drop);
    m_source = nullptr;
}

bool ControlDrag::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (const auto it = m_mouseDown.constFind(watched); it != m_mouseDown.cend()) {
            if (!m_source)
                it.value()();
            return true;
        }
        break;
    case QEvent::MouseMove:
        // The pressed control keeps the mouse while a button is held, so the drag is reported here.
        if (watched == m_source) {
            moveTo(m_window->mapFromGlobal(static_cast<QMouseEvent *>(event)->globalPosition()));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_source) {
            auto *me = static_cast<QMouseEvent *>(event);
            if (me->buttons() == Qt::NoButton)
                dropAt(m_window->mapFromGlobal(me->globalPosition()));
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
