// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/Admission.h"

#include "common/Platform.h"

#include <QHash>

namespace net {

std::optional<int> Admission::admit(const QList<Place> &places, const QHostAddress &peer) const
{
    QHash<QHostAddress, int> held; // unproven places by address
    for (const Place &p : places)
        if (!p.proven)
            ++held[p.peer];
    const int unprovenNow = [&] {
        int n = 0;
        for (const int c : std::as_const(held))
            n += c;
        return n;
    }();
    if (unprovenNow < unproven && places.size() < total)
        return -1;
    // The newcomer counts with its own address: a host that opens one more gives up one of its own.
    int most = 0;
    for (auto it = held.begin(); it != held.end(); ++it)
        most = std::max(most, it.value() + (it.key() == peer ? 1 : 0));
    int victim = -1;
    for (int i = 0; i < places.size(); ++i) {
        const Place &p = places[i];
        if (p.proven || held.value(p.peer) + (p.peer == peer ? 1 : 0) != most)
            continue;
        if (victim < 0 || elapsedMs(places[victim].since, p.since) > 0)
            victim = i;
    }
    if (victim >= 0)
        return victim;
    // Every place is proven: one kept open between requests makes room, the longest idle first.
    for (int i = 0; i < places.size(); ++i)
        if (places[i].idle && (victim < 0 || elapsedMs(places[victim].since, places[i].since) > 0))
            victim = i;
    if (victim >= 0)
        return victim;
    return std::nullopt;
}

} // namespace net
