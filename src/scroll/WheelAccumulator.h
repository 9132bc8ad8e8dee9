// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Turns wheel angle deltas into steps: one step per notch (120 units) built up, never more than one
// per event, so a high-resolution wheel or a touchpad steps no faster than a classic wheel.
class WheelAccumulator
{
public:
    static constexpr int kNotch = 120;

    // +1 or -1 (the delta's sign) when this event completes a notch, else 0.
    int add(int angleDelta);
    void reset() { m_sum = 0; }

private:
    int m_sum = 0;
};
