// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scroll/Glide.h"

#include "scroll/ScrollEngine.h"

#include <algorithm>

namespace {
// A pause longer than this between steps is not motion to smooth over.
constexpr qint32 kLongestStepMs = 100;

// Milliseconds between two readings of the wrapping counter.
qint32 elapsedMs(quint32 later, quint32 earlier)
{
    return static_cast<qint32>(later - earlier);
}
} // namespace

void Glide::jump(float top)
{
    m_from = m_to = top;
    m_duration = 0;
    m_stepping = false;
}

void Glide::step(float top, quint32 nowMs)
{
    qint32 interval = m_stepping ? elapsedMs(nowMs, m_lastStep) : scroll::kStepIntervalMs;
    if (interval < scroll::kStepIntervalMs || interval > kLongestStepMs)
        interval = scroll::kStepIntervalMs;
    m_from = shownAt(nowMs);
    m_to = top;
    m_start = nowMs;
    m_duration = interval;
    m_lastStep = nowMs;
    m_stepping = true;
}

float Glide::shownAt(quint32 nowMs) const
{
    if (m_duration <= 0)
        return m_to;
    const qint32 t = std::clamp(elapsedMs(nowMs, m_start), 0, m_duration);
    return m_from + (m_to - m_from) * float(t) / float(m_duration);
}

bool Glide::settledAt(quint32 nowMs) const
{
    return m_duration <= 0 || elapsedMs(nowMs, m_start) >= m_duration;
}
