// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/Chaser.h"

#include "scroll/ScrollEngine.h"

#include <algorithm>
#include <cmath>

namespace follow {

double Chaser::nominalPace(int speed)
{
    return double(scroll::stepSize(std::clamp(speed, 1, 16))) / scroll::kStepIntervalMs;
}

double Chaser::pace() const
{
    return nominalPace(m_lead.speed) * m_scale;
}

float Chaser::expected(quint32 now) const
{
    if (!m_lead.running)
        return m_lead.top;
    const double since = double(qint32(now - m_lead.time));
    return float(m_lead.top + (m_lead.forward ? -1 : 1) * pace() * since);
}

void Chaser::lead(const Lead &l)
{
    // Two running reports at one speed tell how fast the text goes by here; a jump between them
    // tells nothing.
    if (m_led && m_lead.running && l.running && l.speed == m_lead.speed && l.forward == m_lead.forward) {
        const double since = double(qint32(l.time - m_lead.time));
        if (since >= 50 && std::abs(l.top - expected(l.time)) < m_jump) {
            const double seen = std::abs(double(l.top) - m_lead.top) / since / nominalPace(l.speed);
            m_scale = std::clamp(0.8 * m_scale + 0.2 * seen, kLeastScale, kMostScale);
        }
    }
    m_lead = l;
    m_led = true;
    m_settled = false;
}

void Chaser::relaid(float top)
{
    m_lead.top = top;
    m_settled = false;
}

void Chaser::forget()
{
    m_scale = 1;
    m_led = false;
    m_started = false;
}

std::optional<float> Chaser::frame(quint32 now, quint32 own, float shown)
{
    if (!m_led)
        return std::nullopt;
    const double dt = m_started ? std::clamp(double(qint32(own - m_lastFrame)), 0.0, 100.0) : 0.0;
    m_lastFrame = own;
    // Moved by anything else (a layout, the end of the range): go on from where it shows.
    if (!m_started || std::abs(m_position - shown) > 1)
        m_position = shown;
    m_started = true;
    if (m_settled)
        return std::nullopt;

    const double target = expected(now);
    const double step = m_lead.running ? (m_lead.forward ? -1 : 1) * pace() * dt : 0.0;
    const double error = target - (m_position + step);
    if (std::abs(error) > m_jump) {
        m_position = target;
        return float(m_position);
    }
    // Running, the error is taken up gradually; stopped, straight away within the cap, so the
    // follower stops within a few frames of hearing of it.
    const double cap = kMaxStepRatio * pace() * dt;
    const double correction = m_lead.running ? error * (1 - std::exp(-dt / kRunningLagMs)) : error;
    const double move = std::clamp(step + correction, -cap, cap);
    if (!m_lead.running && std::abs(target - (m_position + move)) < 0.5) {
        m_position = target;
        m_settled = true;
    } else {
        m_position += move;
    }
    return float(m_position);
}

} // namespace follow
