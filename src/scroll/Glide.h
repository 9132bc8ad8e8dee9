// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Where the moving script is shown between the clock's steps. The clock steps every 20 ms or a
// little more; a display refreshes at its own rate, so showing each step as it comes makes the
// motion beat against the display. Instead each frame shows the position interpolated between the
// last two steps: the picture reaches a step's place as the next step comes, one step behind the
// clock, and moves at an even pace. Any other move (keys, wheel, Reset, a jump) is shown at once; while the
// clock runs the glide goes on from there, so the frames after it move as much as every other.
class Glide
{
public:
    // Shows top at once, exactly.
    void jump(float top);
    // Moves the whole glide by `by` twips at once, keeping its pace: a jump while the clock runs.
    void shift(float by)
    {
        m_from += by;
        m_to += by;
    }
    // A clock step to top at the millisecond reading nowMs.
    void step(float top, quint32 nowMs);

    // The position to show at nowMs, in twips.
    float shownAt(quint32 nowMs) const;
    // The picture has reached the last step.
    bool settledAt(quint32 nowMs) const;
    float target() const { return m_to; }
    // Twips a millisecond of the last clock step's glide, which the next steps keep at a steady speed;
    // 0 when the last move was not a step.
    float pace() const { return m_stepping && m_duration > 0 ? (m_to - m_from) / float(m_duration) : 0.f; }

private:
    float m_from = 0;
    float m_to = 0;
    quint32 m_start = 0;     // when the picture set off from m_from
    qint32 m_duration = 0;   // how long it takes to reach m_to
    quint32 m_lastStep = 0;  // when the last clock step came
    bool m_stepping = false; // the last move was a clock step
};
