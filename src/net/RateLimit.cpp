// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/RateLimit.h"

#include "common/Platform.h"

#include <algorithm>

namespace net {

QHostAddress plainAddress(const QHostAddress &a)
{
    bool isV4 = false;
    const quint32 v4 = a.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : a;
}

bool RateLimit::takeFrom(Bucket &b, quint32 now)
{
    const qint32 elapsed = std::max<qint32>(0, elapsedMs(now, b.last));
    b.tokens = std::min(kBurst, b.tokens + elapsed * kPerSecond / 1000.0);
    b.last = now;
    if (b.tokens < 1)
        return false;
    b.tokens -= 1;
    return true;
}

bool RateLimit::makeRoom(quint32 now)
{
    // A spray would otherwise make every packet walk the whole table.
    if (elapsedMs(now, m_lastRoomMade) < 100)
        return false;
    m_lastRoomMade = now;
    const qint32 refill = qint32(kBurst / kPerSecond * 1000);
    const qsizetype before = m_buckets.size();
    m_buckets.removeIf([&](const auto &it) { return elapsedMs(now, it.value().last) >= refill; });
    return m_buckets.size() < before;
}

namespace {

QByteArray keyOf(const QHostAddress &from)
{
    const QHostAddress source = plainAddress(from);
    return QByteArray(reinterpret_cast<const char *>(source.toIPv6Address().c), 16);
}

} // namespace

bool RateLimit::take(const QHostAddress &from, quint32 now)
{
    return takeKey(keyOf(from), now);
}

bool RateLimit::take(const QHostAddress &from, quint16 port, quint32 now)
{
    QByteArray key = keyOf(from);
    key += char(port >> 8);
    key += char(port & 0xff);
    return takeKey(key, now);
}

bool RateLimit::takeKey(const QByteArray &key, quint32 now)
{
    auto it = m_buckets.find(key);
    if (it == m_buckets.end()) {
        if (m_buckets.size() >= kMaxSources && !makeRoom(now))
            return takeFrom(m_newcomers, now);
        it = m_buckets.insert(key, Bucket{kBurst, now});
    }
    return takeFrom(*it, now);
}

} // namespace net
