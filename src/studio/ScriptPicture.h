// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QTransform>
#include <QWidget>

#include <functional>
#include <memory>

class DirectOutput;
class WaylandScroll;
class QMoveEvent;
class QTextEdit;
class frmLine;

namespace studio {
// The part of the viewport that is on screen, in its own pixels: it reaches past the window's edge.
QRect visibleRect(const QWidget *picBack);
// The large number of the countdown, centred in `area`.
// Each returns the rectangle it drew in (empty when it drew nothing), in the painter's coordinates.
QRectF paintCountdown(QPainter &painter, const QRectF &area, int number);
// A message to the presenter, large, in a band across `area`: above the reading line `line` (below it
// when `below`, or when the other side has too little room), never over it; without a line, across
// the middle.
QRectF paintMessage(QPainter &painter, const QRectF &area, const QString &text, const QRectF &line = {},
                    bool below = false);
// Where `band` stands in `back`'s pixels; empty while it is not shown.
QRect bandIn(const QWidget *back, const QWidget *band);
// Calls `changed` (on `owner`) whenever `view`'s script changes, in its text or its layout, also once
// a new script has come as a new document, for as long as both live.
void watchScript(QObject *owner, QTextEdit *view, const std::function<void()> &changed);
// The time to the end in the top right corner of `area`, in its colour.
QRectF paintClock(QPainter &painter, const QRectF &area, const QString &text, const QColor &color);
} // namespace studio

// What the prompter's viewport shows (script, background and reading band), drawn again scaled to
// this widget's width and mirrored or flipped as a beam-splitter glass needs. It lays nothing out:
// the script view's own document is drawn a screenful at a time into tiles, and a scroll step moves
// the pixels already shown and draws only the rows coming into view.
class ScriptPicture : public QWidget
{
    Q_OBJECT

public:
    ScriptPicture(QWidget *picBack, QTextEdit *rtDoc, const frmLine *band, QWidget *parent = nullptr);
    ~ScriptPicture() override;

    void setMirror(bool leftRight, bool topBottom);
    bool mirrored() const { return m_mirror; }
    bool flipped() const { return m_flip; }
    void setCountdown(int number);
    int countdown() const { return m_countdown; }
    void setMessage(const QString &text);
    QString message() const { return m_message; }
    // The message stands below the reading line rather than above it.
    void setMessageBelow(bool below);
    void setClock(const QString &text, const QColor &color);
    QString clock() const { return m_clock; }

    // Where the viewport is drawn inside this widget, and at what scale.
    QRect frame() const;
    qreal scale() const;
    // Tiles drawn from the document since it was made (a scroll step within them draws none).
    int tilesRendered() const { return m_tilesRendered; }
    // Whether the compositor moves the script (on Wayland) rather than the window drawing it.
    bool movedByCompositor() const { return m_wayland != nullptr; }
    // The reading band in this widget's pixels; empty while there is none.
    QRect bandRect() const;
    // The same in picBack's pixels.
    QRect bandInBack() const;

    // Keys typed while this window has the focus.
    std::function<void(QKeyEvent *)> onKey;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QPaintEngine *paintEngine() const override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void invalidate();
    void paintPicture(QPainter &p, bool overlays = true);
    void updateRows(const QRegion &region);
    void startDirectOutput();
    void drawScript(QPainter &p, int top) const;
    qreal scriptTop() const;
    void showScript();
    void makeOverlay(const QTransform &t, const QSize &viewport);
    bool followScroll(const QMoveEvent *event);
    void followBand();
    int shownOffset() const;
    bool overlaid() const { return m_countdown > 0 || !m_message.isEmpty() || !m_clock.isEmpty(); }
    QPixmap tile(int index);
    int tileHeight() const;
    QTransform frameTransform() const;

    QPointer<QWidget> m_back;
    QPointer<QTextEdit> m_doc;
    QMetaObject::Connection m_fractionLink; // the script's fraction, while the compositor places it
    QPointer<const frmLine> m_band;
    bool m_mirror = false;
    bool m_flip = false;
    int m_countdown = 0;
    QString m_message;
    bool m_messageBelow = false;
    QString m_clock;
    QColor m_clockColor;
    QHash<int, QPixmap> m_tiles;
    QSize m_tileKey; // the source size and frame width the tiles were drawn for
    int m_tilesRendered = 0;
    // What the pixels on screen show: the script's offset in this widget's pixels, and the band.
    bool m_painted = false;
    int m_offset = 0;
    QRect m_shownBand;
    QColor m_shownBandColor;
    QRegion m_shownOverlay;                   // the clock, message and countdown, in this widget's pixels
    QRect m_bandInBack;                       // the band in picBack's pixels as last looked at
    std::unique_ptr<DirectOutput> m_direct;   // a window on X11: its pixels put straight into the window
    std::unique_ptr<WaylandScroll> m_wayland; // a window on Wayland: the compositor moves the script
    bool m_waylandTried = false;
    QRegion m_unpainted; // rows asked to be drawn, not yet drawn
    QImage m_strip;
    QImage m_overlay; // null when it must be drawn again
    QPoint m_overlayAt;
    QRegion m_overlayArea;
    QTransform m_overlayTransform;
};

// The countdown's number over the prompter's own viewport.
class CountdownOverlay : public QWidget
{
    Q_OBJECT

public:
    CountdownOverlay(QWidget *picBack, const QWidget *band);
    void setNumber(int number);
    int number() const { return m_number; }
    void setMessage(const QString &text);
    QString message() const { return m_message; }
    void setMessageBelow(bool below);
    void setMirror(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showOrHide();

    QPointer<const QWidget> m_band;
    int m_number = 0;
    QString m_message;
    bool m_messageBelow = false;
    bool m_mirror = false;
};
