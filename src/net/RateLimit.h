// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QHostAddress>

namespace net {

// Requests from one address over time: a burst, then a steady rate. The table is bounded, and a
// sweep of new (perhaps forged) sources cannot empty it: only buckets that have filled up again,
// which know nothing worth keeping, make room; while none has, newcomers share one bucket.
class RateLimit
{
public:
    static constexpr double kBurst = 60;
    static constexpr double kPerSecond = 30;
    static constexpr int kMaxSources = 4096;

    bool take(const QHostAddress &from, quint32 now);
    // A source that is not one address: a connection (its address and port), so that many behind
    // one address each have their own budget.
    bool take(const QHostAddress &from, quint16 port, quint32 now);

private:
    struct Bucket
    {
        double tokens = kBurst;
        quint32 last = 0;
    };
    static bool takeFrom(Bucket &b, quint32 now);
    bool makeRoom(quint32 now);
    bool takeKey(const QByteArray &key, quint32 now);

    QHash<QByteArray, Bucket> m_buckets;
    Bucket m_newcomers;
    quint32 m_lastRoomMade = 0;
};

// The address as one source, an IPv4 address mapped into IPv6 as itself.
QHostAddress plainAddress(const QHostAddress &a);

} // namespace net
