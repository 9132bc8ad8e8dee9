// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The seconds shown before the scroll clock starts: N, N-1 … 1, each for one second of the clock.
// Readings of the millisecond clock are taken modulo 2^32, as the scroll clock takes them.
class Countdown
{
public:
    void begin(quint32 now, int seconds);
    void cancel() { m_seconds = 0; }
    bool active() const { return m_seconds > 0; }

    // The number to show at `now`; 0 when no countdown runs or it is over.
    int showing(quint32 now) const;
    bool over(quint32 now) const { return active() && showing(now) == 0; }
    // When the last second ends: the moment the clock is to start.
    quint32 end() const { return m_start + quint32(m_seconds) * 1000u; }

private:
    quint32 m_start = 0;
    int m_seconds = 0;
};
