// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/Countdown.h"

void Countdown::begin(quint32 now, int seconds)
{
    m_start = now;
    m_seconds = qMax(0, seconds);
}

int Countdown::showing(quint32 now) const
{
    if (!active())
        return 0;
    const quint32 elapsed = now - m_start;
    const quint32 whole = elapsed / 1000u;
    return whole >= quint32(m_seconds) ? 0 : m_seconds - int(whole);
}
