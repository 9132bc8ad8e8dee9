// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// How far the script has run and how long the rest takes at the current speed.
namespace progress {

struct Reading
{
    float percent = 0;  // 0 at the beginning, 100 at the end of the range
    qint32 seconds = 0; // time to go in the current direction
};

// The script must have a range (view taller than the viewport). When the range has shrunk below the
// scrolled distance, the reading is bounded to 100 % and no time to go.
Reading read(float top, float viewHeight, float viewportHeight, qint32 sliderValue, bool forward);

// The countdown kept in the label's tag: while gliding (smooth) the shown time only goes down;
// any other caller shows the current time at once. A tag of 0 means no reference yet.
struct Countdown
{
    qint32 tag = 0;
    bool show = false; // write tag as the label's time now
};
Countdown countdown(qint32 tag, qint32 seconds, bool smooth);

} // namespace progress
