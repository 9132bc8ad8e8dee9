// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>

#include <functional>

class QWidget;

// A drag of a control within one window, the classic way: a press on a watched control calls its
// handler, which begins the drag with Drag(); while the button is held the control under the pointer
// hears "over", and the release "drop", with the pointer's position in that control's own twips.
// Controls that registered no handlers hear nothing.
class ControlDrag : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget *source, float x, float y)>;

    explicit ControlDrag(QWidget *window);

    void watchPress(QWidget *control, std::function<void()> mouseDown);
    void addTarget(QWidget *target, Handler over, Handler drop);

    // Begins a drag of source; the control being dragged, or none.
    void Drag(QWidget *source);
    QWidget *source() const { return m_source; }

    // The registered control under a point of the window, or none.
    QWidget *targetAt(const QPoint &windowPos) const;
    // The pointer at windowPos while the button is held, and where it is released.
    void moveTo(const QPointF &windowPos);
    void dropAt(const QPointF &windowPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Handlers
    {
        Handler over;
        Handler drop;
    };
    // Calls the handler of the target under windowPos with the point in the target's twips.
    void report(const QPointF &windowPos, Handler Handlers::*which);

    QWidget *m_window;
    QPointer<QWidget> m_source;
    QHash<const QObject *, std::function<void()>> m_mouseDown;
    QHash<const QWidget *, Handlers> m_targets;
};
