// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a newsroom system may send: bytes cut into messages at any point, read, and carried out on
// the running orders.
#include "mos/Responder.h"

#include <QSet>

#include <cstdlib>

namespace {

void check(const mos::RunningOrders &orders)
{
    if (orders.orders().size() > mos::RunningOrders::kMaxOrders)
        std::abort();
    for (const mos::RunningOrder &o : orders.orders()) {
        if (o.stories.size() > mos::RunningOrders::kMaxStories + 1)
            std::abort();
        QSet<QString> ids;
        for (const mos::Story &s : o.stories) {
            if (s.deleted && s.id != o.onAir)
                std::abort(); // a deleted story stays only while it is on air
            if (ids.contains(s.id))
                std::abort();
            ids.insert(s.id);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype chunk = data[0] % 17 + 1;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    mos::RunningOrders orders;
    mos::Responder responder(orders, mos::Identity{});
    mos::FrameReader reader(64 * 1024);
    // The same bytes as text the reader would decode from the wire, so the XML reader meets them
    // whole as well.
    QStringList messages{QString::fromUtf8(bytes)};
    for (qsizetype i = 0; i < bytes.size(); i += chunk) {
        const QStringList framed = reader.feed(bytes.sliced(i, std::min(chunk, bytes.size() - i)));
        if (reader.pending() > 64 * 1024 + 8)
            std::abort();
        // Each is one whole message: a start, no other start within, and its end.
        for (const QString &m : framed)
            if (!m.startsWith(u"<mos>") || !m.endsWith(u"</mos>") || m.indexOf(u"<mos>", 1) >= 0 ||
                m.indexOf(u"</mos>") != m.size() - 6)
                std::abort();
        messages << framed;
    }
    for (const QString &m : messages)
        if (const std::optional<mos::Node> message = mos::parse(m)) {
            (void)responder.answer(*message);
            (void)responder.takeRequests();
            check(orders);
            for (const mos::RunningOrder &o : orders.orders())
                if (!o.stories.isEmpty())
                    orders.setOnAir(o.id, o.stories.first().id);
            check(orders);
        }
    return 0;
}
