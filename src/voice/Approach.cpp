// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Approach.h"

#include <algorithm>
#include <cmath>

namespace voice {

void Approach::aim(float target, float from, float maxSpeed, quint32 now)
{
    if (!m_target)
        m_top = from;
    m_target = target;
    m_maxSpeed = maxSpeed;
    m_last = now;
}

std::optional<float> Approach::at(quint32 now)
{
    if (!m_target)
        return std::nullopt;
    // A stalled display (a modal window, a busy machine) resumes the glide, it does not leap.
    const double dt = std::clamp(double(qint32(now - m_last)), 0.0, 100.0) / 1000.0;
    m_last = now;
    const float distance = *m_target - m_top;
    if (std::abs(distance) < kNear) {
        m_top = *m_target;
        m_target.reset();
        return m_top;
    }
    const double eased = double(distance) * (1.0 - std::exp(-dt / kTimeConstant));
    const double capped = std::copysign(std::min(std::abs(eased), double(m_maxSpeed) * dt), eased);
    m_top += float(capped);
    return m_top;
}

} // namespace voice
