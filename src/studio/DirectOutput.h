// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRegion>

#include <cstdint>
#include <memory>

class QWidget;
struct xcb_connection_t;

// A window's picture kept in the X server: a scroll moves it there, only the rows drawn anew cross
// the connection, and nothing waits for the server. The backing store shares its memory with the
// server instead, so it must wait for the server to finish reading before every frame that draws
// where the last one drew — each scroll step, on a window that only scrolls.
class DirectOutput
{
public:
    // Null where `window` is not on X11, or has a visual other than 24-bit true colour at 32 bits
    // a pixel or a device pixel ratio other than 1.
    static std::unique_ptr<DirectOutput> create(QWidget *window);
    ~DirectOutput();
    DirectOutput(const DirectOutput &) = delete;
    DirectOutput &operator=(const DirectOutput &) = delete;

    // What the images put must be.
    static constexpr QImage::Format format = QImage::Format_RGB32;

    // A new size forgets the picture.
    void resize(const QSize &size);
    // Moves the pixels of `area` by dy rows.
    void scroll(const QRect &area, int dy);
    // Puts the part `from` of `image` with its top left at `to`.
    void put(const QImage &image, const QRect &from, const QPoint &to);
    // Shows in the window what was put and moved since the last time.
    void present();

private:
    DirectOutput(QWidget *window, xcb_connection_t *connection);

    QWidget *m_window;
    xcb_connection_t *m_connection;
    std::uint32_t m_pixmap = 0;
    std::uint32_t m_gc = 0;
    QSize m_size;
    qsizetype m_maxBytes;
    QRegion m_changed;
};
