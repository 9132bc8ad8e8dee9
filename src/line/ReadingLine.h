// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The reading line's vertical geometry and what a drop of one of its handles does to it. Pure
// arithmetic on twips, so that the window only reads the controls, calls in and writes back.
namespace readingline {

inline constexpr float kLineOverlap = 50; // the line starts this far above the move handle
inline constexpr float kMoveGrip = 200;   // a window drop puts the move handle's top this far above Y

struct Geometry
{
    float moveTop = 0;
    float moveHeight = 0;
    float resizeTop = 0;
    float resizeHeight = 0;
    float lineTop = 0;
    float lineHeight = 0;

    friend bool operator==(const Geometry &, const Geometry &) = default;
};

// The dragged control, told by its name; anything but the two handles is no concern of the line.
enum class Handle { Other, Move, Resize };
Handle handleNamed(const QString &name);

// The resize handle sits right under the move handle; the line begins just above the move handle
// and is as tall as both handles together.
bool invariantsHold(const Geometry &g);

// A drop on the window's own surface, y in the window's client twips. viewportBottom is the
// viewport's top plus its height: a moved handle never reaches below it.
Geometry dropOnWindow(const Geometry &g, Handle source, float y, float viewportBottom);

// A drop on the move handle, y measured from the handle's top.
Geometry dropOnMoveHandle(const Geometry &g, Handle source, float y);

// Where a drag can be over or end.
enum class Target { Window, MoveHandle, Viewport };

// The pointer the dragged handle shows while it passes over a target, and after it is dropped
// there; nothing where the pointer stays as it was.
std::optional<Qt::CursorShape> pointerOver(Handle source, Target target);
std::optional<Qt::CursorShape> pointerOnDrop(Handle source, Target target);

} // namespace readingline
