// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scroll/TwipUnits.h"

#include <QRectF>

class QWidget;

// Geometry in twips (1/1440 inch, 15 per logical pixel). A widget's twip rectangle is the truth:
// reading a coordinate back gives exactly the float written, so one-twip moves accumulate while
// the pixel geometry, derived by rounding, moves in whole pixels.
namespace twips {

struct Rect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The stored twip rectangle, or the pixel geometry in twips for a widget never placed in twips.
Rect rect(const QWidget *w);
void setRect(QWidget *w, const Rect &r);
// Records the twip rectangle without moving the widget: the caller places its pixels later.
void store(QWidget *w, const Rect &r);
inline void move(QWidget *w, float left, float top, float width, float height)
{
    setRect(w, {left, top, width, height});
}

float left(const QWidget *w);
float top(const QWidget *w);
float width(const QWidget *w);
float height(const QWidget *w);
void setLeft(QWidget *w, float v);
void setTop(QWidget *w, float v);
void setWidth(QWidget *w, float v);
void setHeight(QWidget *w, float v);

// Sizes a window so that its client area (inside the frame) is width x height twips.
void setClientSize(QWidget *window, float width, float height);
} // namespace twips
