// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a leader or a follower may be sent by the other side: one message of the follow protocol.
#include "follow/Protocol.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<follow::Message> m = follow::decode(bytes);
    if (!m)
        return 0;
    const auto stateHolds = [](const follow::State &s) {
        return s.speed >= 1 && s.speed <= 16 && s.place.character >= 0 && s.place.through >= 0 &&
               s.place.through <= 1;
    };
    if (const auto *s = std::get_if<follow::State>(&*m); s && !stateHolds(*s))
        std::abort();
    if (const auto *w = std::get_if<follow::Welcome>(&*m); w && !stateHolds(w->state))
        std::abort();
    if (const auto *c = std::get_if<follow::Command>(&*m); c && !follow::isCommand(c->name))
        std::abort();
    // Whatever is taken in says the same when passed on.
    const QByteArray again = follow::encode(*m);
    const std::optional<follow::Message> back = follow::decode(again);
    if (!back || back->index() != m->index() || follow::encode(*back) != again)
        std::abort();
    return 0;
}
