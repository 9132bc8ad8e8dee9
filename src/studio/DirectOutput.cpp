// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/DirectOutput.h"

#include "studio/Log.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

constexpr std::uint8_t kDepth = 24;

// The visual's pixels as QImage::Format_RGB32 lays them out in memory.
bool takesRgb32(xcb_connection_t *c, xcb_window_t window)
{
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr), &std::free);
    if (!geometry || !attributes || geometry->depth != kDepth)
        return false;
    const xcb_setup_t *setup = xcb_get_setup(c);
    if (setup->image_byte_order != (QSysInfo::ByteOrder == QSysInfo::LittleEndian
                                        ? XCB_IMAGE_ORDER_LSB_FIRST
                                        : XCB_IMAGE_ORDER_MSB_FIRST))
        return false;
    bool wholeWords = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == kDepth)
            wholeWords = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!wholeWords)
        return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == attributes->visual)
                    return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xff0000 &&
                           v.data->green_mask == 0xff00 && v.data->blue_mask == 0xff;
    return false;
}
} // namespace

std::unique_ptr<DirectOutput> DirectOutput::create(QWidget *window)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window->isWindow() || window->devicePixelRatioF() != 1.0)
        return nullptr;
    xcb_connection_t *c = x11->connection();
    if (!c || !takesRgb32(c, xcb_window_t(window->winId()))) {
        qCDebug(lcStudio) << "the window's pixels are drawn through its backing store";
        return nullptr;
    }
    return std::unique_ptr<DirectOutput>(new DirectOutput(window, c));
}

DirectOutput::DirectOutput(QWidget *window, xcb_connection_t *connection)
    : m_window(window), m_connection(connection),
      // In bytes, less the request's own header.
      m_maxBytes(qsizetype(xcb_get_maximum_request_length(connection)) * 4 - 64)
{}

DirectOutput::~DirectOutput()
{
    resize(QSize());
}

void DirectOutput::resize(const QSize &size)
{
    if (size == m_size)
        return;
    if (m_pixmap) {
        xcb_free_gc(m_connection, m_gc);
        xcb_free_pixmap(m_connection, m_pixmap);
        m_pixmap = m_gc = 0;
    }
    m_size = size;
    m_changed = QRegion();
    if (size.isEmpty())
        return;
    m_pixmap = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, kDepth, m_pixmap, xcb_window_t(m_window->winId()),
                      std::uint16_t(size.width()), std::uint16_t(size.height()));
    m_gc = xcb_generate_id(m_connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(m_connection, m_gc, m_pixmap, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
}

void DirectOutput::scroll(const QRect &area, int dy)
{
    const QRect from = area.intersected(QRect(QPoint(), m_size)).intersected(area.translated(0, -dy));
    if (!m_pixmap || from.isEmpty())
        return;
    xcb_copy_area(m_connection, m_pixmap, m_pixmap, m_gc, std::int16_t(from.x()), std::int16_t(from.y()),
                  std::int16_t(from.x()), std::int16_t(from.y() + dy), std::uint16_t(from.width()),
                  std::uint16_t(from.height()));
    m_changed += from.translated(0, dy);
}

void DirectOutput::put(const QImage &image, const QRect &from, const QPoint &to)
{
    const QPoint shift = to - from.topLeft(); // from the image's pixels to the window's
    const QRect target =
        from.intersected(image.rect()).translated(shift).intersected(QRect(QPoint(), m_size));
    if (!m_pixmap || target.isEmpty() || image.format() != format)
        return;
    const QRect wanted = target.translated(-shift);
    // Whole rows go as they lie in the image; part of a row needs its own rows.
    const QImage part = wanted.left() == 0 && wanted.width() == image.width()
                            ? QImage(image.constScanLine(wanted.top()), image.width(), wanted.height(),
                                     image.bytesPerLine(), format)
                            : image.copy(wanted);
    const qsizetype rowBytes = part.bytesPerLine();
    const int rowsPerPut = int(std::max<qsizetype>(1, m_maxBytes / rowBytes));
    for (int y = 0; y < part.height(); y += rowsPerPut) {
        const int rows = std::min(rowsPerPut, part.height() - y);
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_pixmap, m_gc, std::uint16_t(part.width()),
                      std::uint16_t(rows), std::int16_t(target.x()), std::int16_t(target.y() + y), 0, kDepth,
                      std::uint32_t(rowBytes * rows), part.constScanLine(y));
    }
    m_changed += target;
}

void DirectOutput::present()
{
    if (!m_pixmap || m_changed.isEmpty())
        return;
    const auto window = xcb_window_t(m_window->winId());
    for (const QRect &r : m_changed)
        xcb_copy_area(m_connection, m_pixmap, window, m_gc, std::int16_t(r.x()), std::int16_t(r.y()),
                      std::int16_t(r.x()), std::int16_t(r.y()), std::uint16_t(r.width()),
                      std::uint16_t(r.height()));
    m_changed = QRegion();
    xcb_flush(m_connection);
}
