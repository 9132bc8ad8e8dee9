// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Twips.h"

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>

class QAbstractScrollArea;
class QTimer;

// The reading line as the operator sees it: a band in the line colour at half opacity over the script.
// It decides its place from the prompter's hidden line at a tick of timResize after the line or the
// viewport changes, and lives inside the script view that is on top (the script, or its mirror in
// mark mode), so that the moving script keeps no translucent sibling over it and a scroll step
// repaints only the strip that comes into view and the rows at the band's edges. Clicks on the band
// are taken and ignored.
class frmLine : public QWidget
{
    Q_OBJECT

public:
    explicit frmLine(QWidget *parent);

    qint32 lineColor() const { return m_color; }
    void setLineColor(qint32 color);
    // What the band is painted with, wherever it is drawn.
    QColor bandColor() const { return m_bandColor; }

    // The prompter's viewport and its hidden reading line, which this band follows.
    void setSources(QWidget *picBack, const QWidget *picLine);

    // Lays the band exactly over the reading line and takes its colour; timResize runs it.
    void ResizeLine();

    // The compositor shows the script beneath the window: a scroll step leaves the band's pixels as
    // they were, with nothing beneath them to repaint.
    void setScriptBeneath(bool on) { m_beneath = on; }

    // Where the band lies, in the prompter window's client twips.
    twips::Rect band() const { return m_band; }

    QTimer *timResize = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor resolveBand(qint32 color) const;
    QAbstractScrollArea *topView() const;
    void settleIn(QAbstractScrollArea *view);
    void place(bool withView = false);
    void tickSoon();
    bool covers(const QWidget *widget, const QPointF &pos) const;

    qint32 m_color;
    QColor m_bandColor; // painted every frame: resolved once per colour
    QPointer<QWidget> m_picBack;
    QPointer<const QWidget> m_picLine;
    QPointer<QAbstractScrollArea> m_view; // the script view the band lies in
    twips::Rect m_inBack;                 // the band in the viewport's twips
    twips::Rect m_band;
    // Rows at the band's top and bottom edge not painted since the script slid under the band.
    int m_staleTop = 0;
    int m_staleBottom = 0;
    bool m_beneath = false;
};
