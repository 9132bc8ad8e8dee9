// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHostAddress>
#include <QList>

#include <optional>

namespace net {

// A connection as the door weighs it when a new one comes.
struct Place
{
    QHostAddress peer;
    quint32 since = 0;   // when it came, or began what it has not finished
    bool proven = false; // it showed it belongs here: the token, or a whole message
    bool idle = false;   // proven, but between requests with nothing half-done
};

// Who makes room for a newcomer. Connections that have proved nothing are many cheap places a crowd
// can fill; they are never allowed to keep a proven client out. When their share is full, the oldest
// one of the address holding the most of them gives its place, so that neither one host nor a crowd
// of hosts holding connections open can starve someone who has the token. Proven connections keep
// their places up to the total.
struct Admission
{
    int total = 256;   // every connection; file descriptors are the bound
    int unproven = 32; // of those, ones that proved nothing yet

    // Where the newcomer from `peer` goes: -1 in a free place, the index of the place it takes
    // otherwise; nullopt when there is none (every place proven and busy).
    std::optional<int> admit(const QList<Place> &places, const QHostAddress &peer) const;
};

} // namespace net
