// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line/ReadingLine.h"

namespace readingline {
namespace {

// Re-derives the resize handle and the line from the move handle.
Geometry settled(Geometry g)
{
    g.lineTop = g.moveTop - kLineOverlap;
    g.resizeTop = g.moveTop + g.moveHeight;
    g.lineHeight = g.resizeHeight + g.moveHeight;
    return g;
}

// The pointer of a handle passing the window surface or the move handle.
std::optional<Qt::CursorShape> handlePointer(Handle source)
{
    switch (source) {
    case Handle::Move:
        return Qt::SizeAllCursor;
    case Handle::Resize:
        return Qt::SizeVerCursor;
    case Handle::Other:
        break;
    }
    return std::nullopt;
}

} // namespace

Handle handleNamed(const QString &name)
{
    if (name == QLatin1String("picMove"))
        return Handle::Move;
    if (name == QLatin1String("picResize"))
        return Handle::Resize;
    return Handle::Other;
}

bool invariantsHold(const Geometry &g)
{
    return g.resizeTop == g.moveTop + g.moveHeight && g.lineTop == g.moveTop - kLineOverlap &&
           g.lineHeight == g.moveHeight + g.resizeHeight;
}

Geometry dropOnWindow(const Geometry &g, Handle source, float y, float viewportBottom)
{
    Geometry r = g;
    switch (source) {
    case Handle::Move: {
        r.moveTop = y - kMoveGrip;
        const float bottom = r.moveTop + r.moveHeight;
        // Cut at the viewport's bottom; the cut stays when the line later moves up again. A top
        // below the viewport leaves no handle at all rather than a negative one.
        if (viewportBottom < bottom)
            r.moveHeight = r.moveTop > viewportBottom ? 0.0f : viewportBottom - r.moveTop;
        return settled(r);
    }
    case Handle::Resize:
        if (!(y > r.moveTop))
            return g;
        r.moveHeight = y - r.moveTop;
        return settled(r);
    case Handle::Other:
        break;
    }
    return g;
}

Geometry dropOnMoveHandle(const Geometry &g, Handle source, float y)
{
    Geometry r = g;
    switch (source) {
    case Handle::Move:
        r.moveTop = r.moveTop + y;
        return settled(r);
    case Handle::Resize:
        r.moveHeight = y;
        return settled(r);
    case Handle::Other:
        break;
    }
    return g;
}

std::optional<Qt::CursorShape> pointerOver(Handle source, Target target)
{
    if (target == Target::Viewport)
        return Qt::ForbiddenCursor;
    return handlePointer(source);
}

std::optional<Qt::CursorShape> pointerOnDrop(Handle source, Target target)
{
    // A drop that lands on the window or the move handle moves the line and leaves the pointer be.
    if (target != Target::Viewport)
        return std::nullopt;
    return handlePointer(source);
}

} // namespace readingline
