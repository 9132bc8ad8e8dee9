// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>

#include <array>
#include <functional>
#include <memory>

class QPainter;
class QWidget;
struct wl_display;

// A scrolling picture the Wayland compositor moves: a surface below the window's own, showing rows of
// a tall picture drawn once into shared-memory buffers two views high. A scroll step only moves the
// part of the buffer shown (to a fraction of a pixel) and commits; the buffer the scroll heads for is
// made ready a slice of rows per step, from the rows already drawn and the few new ones. The window
// draws nothing where the picture shows through (transparent pixels), only what lies over it.
class WaylandScroll
{
public:
    // Draws rows of the picture: row `top` of the picture at the painter's row 0, the painter
    // clipped to the rows wanted.
    using Draw = std::function<void(QPainter &painter, int top)>;

    // Null where `window` is not a Wayland window with a device pixel ratio of 1, or the compositor
    // lacks a piece (each reason logged once).
    static std::unique_ptr<WaylandScroll> create(QWidget *window, Draw draw);
    ~WaylandScroll();
    WaylandScroll(const WaylandScroll &) = delete;
    WaylandScroll &operator=(const WaylandScroll &) = delete;

    // What the buffers hold.
    static constexpr QImage::Format format = QImage::Format_RGB32;

    // Where the picture shows, in the window's pixels: takes effect with the window's next frame.
    void setGeometry(const QRect &area);
    QRect geometry() const { return m_area; }
    // Shows the picture from row `top` (a fraction of a pixel is shown as such).
    void show(qreal top);
    // The picture changed: every row is drawn again.
    void invalidate();

    struct Buffer;

private:
    explicit WaylandScroll(Draw draw);
    bool connect(QWidget *window);
    void drawRows(Buffer &b, int from, int to);
    bool ensureBuffers();
    void prepare(Buffer &b, int top);
    void attach(Buffer &b, qreal top);
    void readyAhead(qreal top, qreal step);
    void dropBuffers();

    struct Globals;
    std::unique_ptr<Globals> m_g;
    Draw m_draw;
    QRect m_area;
    std::array<std::unique_ptr<Buffer>, 2> m_buffers;
    Buffer *m_shown = nullptr;
    qreal m_last = 0;
    int m_direction = 1;
    bool m_positioned = false;
};
