// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scroll/WheelAccumulator.h"

int WheelAccumulator::add(int angleDelta)
{
    if (angleDelta == 0)
        return 0;
    if ((angleDelta > 0) != (m_sum > 0) && m_sum != 0)
        m_sum = 0; // a turn the other way starts afresh
    m_sum += angleDelta;
    if (m_sum >= kNotch || m_sum <= -kNotch) {
        const int direction = m_sum > 0 ? 1 : -1;
        m_sum %= kNotch;
        return direction;
    }
    return 0;
}
