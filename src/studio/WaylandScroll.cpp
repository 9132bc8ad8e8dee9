// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/WaylandScroll.h"

#include "studio/Log.h"
#include "viewporter-client-protocol.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace {
// Rows drawn a step at least while the next buffer is made ready.
constexpr int kSliceRows = 64;

void onceOnly(const char *why)
{
    static bool told = false;
    if (!told)
        qCInfo(lcStudio) << "the script is drawn through the window's backing store:" << why;
    told = true;
}
} // namespace

struct WaylandScroll::Globals
{
    wl_display *display = nullptr;
    wl_event_queue *queue = nullptr;
    wl_display *wrapper = nullptr;
    wl_registry *registry = nullptr;
    wl_compositor *compositor = nullptr;
    wl_subcompositor *subcompositor = nullptr;
    wp_viewporter *viewporter = nullptr;
    wl_shm *shm = nullptr;
    wl_surface *parent = nullptr;
    // A frame's view of a buffer, until the compositor lets it go, and whose memory it shows.
    std::map<wl_buffer *, std::shared_ptr<int>> views;
    wl_surface *surface = nullptr;
    wl_subsurface *subsurface = nullptr;
    wp_viewport *viewport = nullptr;

    ~Globals()
    {
        for (auto &[buffer, held] : views)
            wl_buffer_destroy(buffer);
        if (viewport)
            wp_viewport_destroy(viewport);
        if (subsurface)
            wl_subsurface_destroy(subsurface);
        if (surface)
            wl_surface_destroy(surface);
        if (viewporter)
            wp_viewporter_destroy(viewporter);
        if (subcompositor)
            wl_subcompositor_destroy(subcompositor);
        if (compositor)
            wl_compositor_destroy(compositor);
        if (shm)
            wl_shm_destroy(shm);
        if (registry)
            wl_registry_destroy(registry);
        if (wrapper)
            wl_proxy_wrapper_destroy(wrapper);
        if (display)
            wl_display_flush(display);
        if (queue)
            wl_event_queue_destroy(queue);
    }
};

// One shared-memory buffer: the picture's rows [top, top + height) fit it, [from, to) are drawn.
struct WaylandScroll::Buffer
{
    wl_shm_pool *pool = nullptr;
    uchar *data = nullptr;
    size_t bytes = 0;
    QImage image;
    int top = 0;
    int from = 0;
    int to = 0;
    // Views of it the compositor holds (a frame's rows are a buffer of their own in the same memory).
    std::shared_ptr<int> held = std::make_shared<int>(0);

    ~Buffer()
    {
        if (pool)
            wl_shm_pool_destroy(pool);
        if (data)
            munmap(data, bytes);
    }
    int height() const { return image.height(); }
    bool busy() const { return *held > 0; }
    bool holds(int first, int end) const { return from <= first && end <= to; }
};

namespace {
struct Binder
{
    wl_compositor **compositor;
    wl_subcompositor **subcompositor;
    wp_viewporter **viewporter;
    wl_shm **shm;
};

void bindGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    auto *b = static_cast<Binder *>(data);
    const auto bind = [&](const wl_interface *which, uint32_t most) {
        return wl_registry_bind(registry, name, which, std::min(version, most));
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        *b->compositor = static_cast<wl_compositor *>(bind(&wl_compositor_interface, 4));
    else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0)
        *b->subcompositor = static_cast<wl_subcompositor *>(bind(&wl_subcompositor_interface, 1));
    else if (std::strcmp(interface, wp_viewporter_interface.name) == 0)
        *b->viewporter = static_cast<wp_viewporter *>(bind(&wp_viewporter_interface, 1));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        *b->shm = static_cast<wl_shm *>(bind(&wl_shm_interface, 1));
}

const wl_registry_listener kBinder = {bindGlobal, [](void *, wl_registry *, uint32_t) {}};

const wl_buffer_listener kRelease = {[](void *data, wl_buffer *buffer) {
    auto *views = static_cast<std::map<wl_buffer *, std::shared_ptr<int>> *>(data);
    if (auto it = views->find(buffer); it != views->end()) {
        --*it->second;
        views->erase(it);
    }
    wl_buffer_destroy(buffer);
}};
} // namespace

WaylandScroll::WaylandScroll(Draw draw) : m_g(std::make_unique<Globals>()), m_draw(std::move(draw)) {}

WaylandScroll::~WaylandScroll()
{
    dropBuffers();
}

std::unique_ptr<WaylandScroll> WaylandScroll::create(QWidget *window, Draw draw)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) || !window->isWindow())
        return nullptr;
    if (window->devicePixelRatioF() != 1.0) {
        onceOnly("a device pixel ratio other than 1");
        return nullptr;
    }
    std::unique_ptr<WaylandScroll> s(new WaylandScroll(std::move(draw)));
    if (!s->connect(window))
        return nullptr;
    qCDebug(lcStudio) << "the compositor moves the script of" << window->objectName();
    return s;
}

// Everything of ours goes through a queue of our own, so that Qt's is never dispatched here.
bool WaylandScroll::connect(QWidget *window)
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    QWindow *handle = window->windowHandle();
    if (!native || !handle) {
        onceOnly("no native window");
        return false;
    }
    Globals &g = *m_g;
    g.display = static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display"));
    g.parent = static_cast<wl_surface *>(native->nativeResourceForWindow("surface", handle));
    if (!g.display || !g.parent) {
        onceOnly("no Wayland surface");
        return false;
    }
    g.queue = wl_display_create_queue(g.display);
    g.wrapper = static_cast<wl_display *>(wl_proxy_create_wrapper(g.display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(g.wrapper), g.queue);
    g.registry = wl_display_get_registry(g.wrapper);
    Binder binder{&g.compositor, &g.subcompositor, &g.viewporter, &g.shm};
    wl_registry_add_listener(g.registry, &kBinder, &binder);
    wl_display_roundtrip_queue(g.display, g.queue);
    wl_registry_destroy(g.registry);
    g.registry = nullptr;
    if (!g.compositor || !g.subcompositor || !g.viewporter || !g.shm) {
        onceOnly(!g.viewporter ? "the compositor has no viewporter" : "the compositor has no subsurfaces");
        return false;
    }
    g.surface = wl_compositor_create_surface(g.compositor);
    g.subsurface = wl_subcompositor_get_subsurface(g.subcompositor, g.surface, g.parent);
    g.viewport = wp_viewporter_get_viewport(g.viewporter, g.surface);
    // Beneath the window's own pixels, which are clear where the script shows; input goes to them.
    wl_subsurface_place_below(g.subsurface, g.parent);
    wl_subsurface_set_desync(g.subsurface);
    wl_region *none = wl_compositor_create_region(g.compositor);
    wl_surface_set_input_region(g.surface, none);
    wl_region_destroy(none);
    wl_surface_commit(g.surface);
    wl_display_flush(g.display);
    return true;
}

void WaylandScroll::dropBuffers()
{
    m_shown = nullptr;
    for (auto &b : m_buffers)
        b.reset();
}

void WaylandScroll::setGeometry(const QRect &area)
{
    if (area == m_area)
        return;
    const bool resized = area.size() != m_area.size();
    m_area = area;
    wl_subsurface_set_position(m_g->subsurface, area.x(), area.y());
    if (resized) {
        // Buffers the compositor holds are its to keep until it lets go: ours only stop using them.
        dropBuffers();
        if (!area.isEmpty())
            wp_viewport_set_destination(m_g->viewport, area.width(), area.height());
    }
}

void WaylandScroll::invalidate()
{
    for (auto &b : m_buffers)
        if (b)
            b->from = b->to = b->top;
}

// The two buffers, each made where missing.
bool WaylandScroll::ensureBuffers()
{
    const int w = m_area.width();
    const int rows = 2 * m_area.height() + 4;
    const int stride = w * 4;
    for (auto &b : m_buffers) {
        if (b)
            continue;
        const int fd = memfd_create("cuescroll-script", MFD_CLOEXEC);
        const size_t bytes = size_t(stride) * size_t(rows);
        if (fd < 0 || ftruncate(fd, off_t(bytes)) != 0) {
            if (fd >= 0)
                close(fd);
            return false;
        }
        void *data = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (data == MAP_FAILED) {
            close(fd);
            return false;
        }
        b = std::make_unique<Buffer>();
        b->data = static_cast<uchar *>(data);
        b->bytes = bytes;
        b->pool = wl_shm_create_pool(m_g->shm, fd, int(bytes));
        close(fd);
        b->image = QImage(b->data, w, rows, stride, format);
    }
    return true;
}

// `b` is to hold the rows from `top` on: what it held elsewhere is forgotten.
void WaylandScroll::prepare(Buffer &b, int top)
{
    if (b.top != top) {
        b.top = top;
        b.from = b.to = top;
    }
}

void WaylandScroll::drawRows(Buffer &b, int from, int to)
{
    from = std::max(from, b.top);
    to = std::min(to, b.top + b.height());
    if (from >= to)
        return;
    QPainter p(&b.image);
    p.setClipRect(QRect(0, from - b.top, b.image.width(), to - from));
    m_draw(p, b.top);
}

// The rows shown from `top` on, as a buffer of their own in `b`'s memory: a compositor may redraw a
// surface only when it gets a new buffer, and takes this one without a copy. The fraction of a pixel
// goes to the viewport.
void WaylandScroll::attach(Buffer &b, qreal top)
{
    Globals &g = *m_g;
    const int w = m_area.width();
    const int h = m_area.height();
    const int rows = h + 3;
    const int first = std::clamp(int(std::floor(top)) - 1 - b.top, 0, b.height() - rows);
    const int stride = int(b.image.bytesPerLine());
    wl_buffer *view =
        wl_shm_pool_create_buffer(b.pool, first * stride, w, rows, stride, WL_SHM_FORMAT_XRGB8888);
    ++*b.held;
    g.views.emplace(view, b.held);
    wl_buffer_add_listener(view, &kRelease, &g.views);
    wl_surface_attach(g.surface, view, 0, 0);
    wl_surface_damage_buffer(g.surface, 0, 0, w, rows);
    wp_viewport_set_source(g.viewport, wl_fixed_from_int(0), wl_fixed_from_double(top - b.top - first),
                           wl_fixed_from_int(w), wl_fixed_from_int(h));
    m_shown = &b;
}

void WaylandScroll::show(qreal top)
{
    if (m_area.isEmpty())
        return;
    Globals &g = *m_g;
    wl_display_dispatch_queue_pending(g.display, g.queue);
    const qreal step = top - m_last;
    if (step != 0)
        m_direction = step > 0 ? 1 : -1;
    m_last = top;
    const int h = m_area.height();
    // The rows sampled, with one more each side for the filter.
    const int first = int(std::floor(top)) - 1;
    const int end = int(std::ceil(top)) + h + 1;

    if (!ensureBuffers())
        return;

    Buffer *on = m_shown && m_shown->holds(first, end) ? m_shown : nullptr;
    if (!on) {
        for (auto &b : m_buffers)
            if (b.get() != m_shown && !b->busy() && b->holds(first, end))
                on = b.get();
    }
    if (!on) {
        // A jump, or a step faster than the buffers were readied: the rows shown are drawn now,
        // with what the shown buffer has in common copied.
        Buffer *free = nullptr;
        for (auto &b : m_buffers)
            if (b.get() != m_shown && !b->busy())
                free = b.get();
        if (!free) {
            // The compositor still holds the other one: ours lets it go and takes a new one.
            for (auto &b : m_buffers)
                if (b.get() != m_shown)
                    b.reset();
            if (!ensureBuffers())
                return;
            for (auto &b : m_buffers)
                if (b.get() != m_shown)
                    free = b.get();
        }
        const int rows = free->height();
        const int newTop = m_direction > 0 ? first - 2 : end + 2 - rows;
        prepare(*free, newTop);
        qCDebug(lcStudio) << "script drawn anew from row" << newTop;
        // All of it: a buffer is shown whole before the next one is ready, which takes its second
        // half from this one.
        const int bottom = newTop + rows;
        int from = newTop;
        int to = bottom;
        const int c0 = m_shown ? std::max(m_shown->from, newTop) : 0;
        const int c1 = m_shown ? std::min(m_shown->to, bottom) : 0;
        if (c0 < c1) {
            const qsizetype stride = free->image.bytesPerLine();
            std::memcpy(free->data + (c0 - newTop) * stride, m_shown->data + (c0 - m_shown->top) * stride,
                        size_t((c1 - c0) * stride));
            drawRows(*free, newTop, c0);
            drawRows(*free, c1, bottom);
        } else {
            drawRows(*free, newTop, bottom);
        }
        free->from = from;
        free->to = to;
        on = free;
    }
    attach(*on, top);
    wl_surface_commit(g.surface);
    readyAhead(top, std::abs(step));
    wl_display_flush(g.display);
}

// The other buffer takes the rows the scroll heads for: those the shown one has, copied, and a slice
// of new rows a step, enough to be done before the shown one runs out.
void WaylandScroll::readyAhead(qreal top, qreal step)
{
    Buffer *cur = m_shown;
    Buffer *next = m_buffers[0].get() == cur ? m_buffers[1].get() : m_buffers[0].get();
    if (!cur || !next || next->busy())
        return;
    const int h = m_area.height();
    const int rows = next->height();
    // A view further on: its first rows (its last going up) are the shown buffer's last (first).
    const int want = m_direction > 0 ? cur->top + h : cur->top - h;
    if (next->top != want || next->to <= next->from) {
        prepare(*next, want);
        const int c0 = std::max(cur->from, next->top);
        const int c1 = std::min(cur->to, next->top + rows);
        if (c0 >= c1)
            return;
        const qsizetype stride = next->image.bytesPerLine();
        std::memcpy(next->data + (c0 - next->top) * stride, cur->data + (c0 - cur->top) * stride,
                    size_t((c1 - c0) * stride));
        next->from = c0;
        next->to = c1;
        return;
    }
    // Steps left before the shown buffer runs out, and the rows still to draw.
    const qreal left = m_direction > 0 ? cur->to - (top + h) : top - cur->from;
    const int todo = m_direction > 0 ? next->top + rows - next->to : next->from - next->top;
    if (todo <= 0)
        return;
    const int steps = std::max(1, int(left / std::max<qreal>(step, 0.5)));
    const int slice = std::min(todo, std::max(kSliceRows, (todo + steps - 1) / steps));
    if (m_direction > 0) {
        drawRows(*next, next->to, next->to + slice);
        next->to += slice;
    } else {
        drawRows(*next, next->from - slice, next->from);
        next->from -= slice;
    }
}
