// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The offset between the leader's clock and the follower's, learnt from round trips. A round trip's
// answer was read by the leader somewhere inside it; taking the middle errs by at most half the trip,
// so of the recent trips the shortest is believed: a trip delayed by the network or a busy leader
// only ever lengthens.
namespace follow {

class ClockSync
{
public:
    static constexpr int kWindow = 16; // the trips kept, so a changed path is noticed within seconds

    // A ping sent at `sent` (follower's clock), read by the leader at `leaderReading`, answered and
    // received back at `received`.
    void add(quint32 sent, quint32 leaderReading, quint32 received);
    void reset();
    // Until a round trip is measured: the leader's reading in a message just received, believed less
    // than any trip.
    void seed(quint32 leaderReading, quint32 received);

    bool known() const { return m_count > 0; }
    // The leader's clock at a reading of the follower's; the follower's own reading while unknown.
    quint32 leaderTime(quint32 followerTime) const;
    qint32 offset() const;    // leader minus follower, ms
    qint32 roundTrip() const; // of the trip believed, ms

private:
    struct Trip
    {
        qint32 offset = 0;
        qint32 rtt = 0;
    };
    const Trip *best() const;

    std::array<Trip, kWindow> m_trips{};
    int m_next = 0;
    int m_count = 0;
};

} // namespace follow
