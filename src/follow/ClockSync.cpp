// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/ClockSync.h"

namespace follow {

void ClockSync::add(quint32 sent, quint32 leaderReading, quint32 received)
{
    const qint32 rtt = qint32(received - sent);
    if (rtt < 0) // an answer from before its question: a stale or forged pong
        return;
    // Halves on the wrapping counter: the middle of the trip is `sent` plus half the trip.
    const quint32 middle = sent + quint32(rtt / 2);
    m_trips[m_next] = {qint32(leaderReading - middle), rtt};
    m_next = (m_next + 1) % kWindow;
    if (m_count < kWindow)
        ++m_count;
}

void ClockSync::seed(quint32 leaderReading, quint32 received)
{
    constexpr qint32 kUntrusted = 1 << 30;
    m_trips[m_next] = {qint32(leaderReading - received), kUntrusted};
    m_next = (m_next + 1) % kWindow;
    if (m_count < kWindow)
        ++m_count;
}

void ClockSync::reset()
{
    m_count = 0;
    m_next = 0;
}

const ClockSync::Trip *ClockSync::best() const
{
    const Trip *b = nullptr;
    for (int i = 0; i < m_count; ++i) {
        if (!b || m_trips[i].rtt < b->rtt)
            b = &m_trips[i];
    }
    return b;
}

qint32 ClockSync::offset() const
{
    const Trip *b = best();
    return b ? b->offset : 0;
}

qint32 ClockSync::roundTrip() const
{
    const Trip *b = best();
    return b ? b->rtt : 0;
}

quint32 ClockSync::leaderTime(quint32 followerTime) const
{
    return followerTime + quint32(offset());
}

} // namespace follow
