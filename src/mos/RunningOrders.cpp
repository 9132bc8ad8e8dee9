// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/RunningOrders.h"

#include <QSet>

#include <algorithm>

namespace mos {

namespace {

bool uniqueIds(const QList<Story> &stories, const QList<Story> &besides = {})
{
    QSet<QString> seen;
    for (const Story &s : besides)
        seen.insert(s.id);
    for (const Story &s : stories) {
        if (s.id.isEmpty() || seen.contains(s.id))
            return false;
        seen.insert(s.id);
    }
    return true;
}

} // namespace

int RunningOrder::indexOf(const QString &storyId) const
{
    for (int i = 0; i < stories.size(); ++i)
        if (stories[i].id == storyId)
            return i;
    return -1;
}

const RunningOrder *RunningOrders::order(const QString &id) const
{
    for (const RunningOrder &o : m_orders)
        if (o.id == id)
            return &o;
    return nullptr;
}

RunningOrder *RunningOrders::find(const QString &id)
{
    return const_cast<RunningOrder *>(order(id));
}

QList<Story> RunningOrders::keepBodies(const QList<Story> &incoming, const QList<Story> &old)
{
    QList<Story> out = incoming;
    for (Story &s : out) {
        if (!s.body.isEmpty())
            continue;
        for (const Story &o : old)
            if (o.id == s.id) {
                s.body = o.body;
                if (s.slug.isEmpty())
                    s.slug = o.slug;
            }
    }
    return out;
}

bool RunningOrders::create(const RunningOrder &order)
{
    if (order.id.isEmpty() || order.stories.size() > kMaxStories || !uniqueIds(order.stories))
        return false;
    if (RunningOrder *old = find(order.id)) {
        RunningOrder next = order;
        next.stories = keepBodies(order.stories, old->stories);
        next.onAir = old->onAir;
        next.readyToAir = old->readyToAir;
        const int air = old->indexOf(old->onAir);
        if (air >= 0 && next.indexOf(old->onAir) < 0) {
            Story gone = old->stories[air];
            gone.deleted = true;
            next.stories.insert(std::min<qsizetype>(air, next.stories.size()), gone);
        }
        const bool renamed = old->slug != next.slug;
        *old = next;
        if (renamed)
            Q_EMIT ordersChanged();
        Q_EMIT storiesChanged(order.id);
        return true;
    }
    if (m_orders.size() >= kMaxOrders)
        return false;
    m_orders << order;
    m_orders.last().onAir.clear();
    Q_EMIT ordersChanged();
    return true;
}

bool RunningOrders::replace(const RunningOrder &order)
{
    return create(order);
}

bool RunningOrders::remove(const QString &orderId)
{
    const auto it = std::find_if(m_orders.begin(), m_orders.end(),
                                 [&](const RunningOrder &o) { return o.id == orderId; });
    if (it == m_orders.end())
        return false;
    m_orders.erase(it);
    Q_EMIT ordersChanged();
    return true;
}

bool RunningOrders::setSlug(const QString &orderId, const QString &slug)
{
    RunningOrder *o = find(orderId);
    if (!o)
        return false;
    if (o->slug != slug) {
        o->slug = slug;
        Q_EMIT ordersChanged();
    }
    return true;
}

bool RunningOrders::setReadyToAir(const QString &orderId, bool ready)
{
    RunningOrder *o = find(orderId);
    if (!o)
        return false;
    if (o->readyToAir != ready) {
        o->readyToAir = ready;
        Q_EMIT ordersChanged();
    }
    return true;
}

bool RunningOrders::insert(const QString &orderId, const QString &beforeStory, const QList<Story> &stories)
{
    RunningOrder *o = find(orderId);
    if (!o || !uniqueIds(stories, o->stories) || o->stories.size() + stories.size() > kMaxStories)
        return false;
    qsizetype at = beforeStory.isEmpty() ? o->stories.size() : o->indexOf(beforeStory);
    if (at < 0)
        return false;
    for (const Story &s : stories)
        o->stories.insert(at++, s);
    Q_EMIT storiesChanged(orderId);
    return true;
}

bool RunningOrders::replaceStory(const QString &orderId, const QString &storyId, const QList<Story> &stories)
{
    RunningOrder *o = find(orderId);
    if (!o)
        return false;
    const int at = o->indexOf(storyId);
    if (at < 0)
        return false;
    QList<Story> others = o->stories;
    others.removeAt(at);
    if (!uniqueIds(stories, others) || others.size() + stories.size() > kMaxStories)
        return false;
    const QList<Story> incoming = keepBodies(stories, {o->stories[at]});
    const bool airKept = storyId != o->onAir || std::any_of(stories.begin(), stories.end(),
                                                            [&](const Story &s) { return s.id == storyId; });
    if (airKept) {
        o->stories.removeAt(at);
        for (qsizetype i = 0; i < incoming.size(); ++i)
            o->stories.insert(at + i, incoming[i]);
    } else {
        // The one read now stays where it is until the air moves on; what replaces it follows it.
        o->stories[at].deleted = true;
        for (qsizetype i = 0; i < incoming.size(); ++i)
            o->stories.insert(at + 1 + i, incoming[i]);
    }
    Q_EMIT storiesChanged(orderId);
    for (const Story &s : incoming)
        if (s.id == storyId)
            Q_EMIT bodyChanged(orderId, storyId);
    return true;
}

bool RunningOrders::move(const QString &orderId, const QString &beforeStory, const QStringList &storyIds)
{
    RunningOrder *o = find(orderId);
    if (!o || storyIds.contains(beforeStory))
        return false;
    QList<Story> moved;
    for (const QString &id : storyIds) {
        const int i = o->indexOf(id);
        if (i < 0)
            return false;
        moved << o->stories[i];
    }
    if (!beforeStory.isEmpty() && o->indexOf(beforeStory) < 0)
        return false;
    o->stories.removeIf([&](const Story &s) { return storyIds.contains(s.id); });
    qsizetype at = beforeStory.isEmpty() ? o->stories.size() : o->indexOf(beforeStory);
    for (const Story &s : moved)
        o->stories.insert(at++, s);
    Q_EMIT storiesChanged(orderId);
    return true;
}

void RunningOrders::takeOut(RunningOrder &order, const QStringList &storyIds)
{
    order.stories.removeIf([&](const Story &s) { return storyIds.contains(s.id) && s.id != order.onAir; });
    const int air = order.indexOf(order.onAir);
    if (air >= 0 && storyIds.contains(order.onAir))
        order.stories[air].deleted = true;
}

bool RunningOrders::removeStories(const QString &orderId, const QStringList &storyIds)
{
    RunningOrder *o = find(orderId);
    if (!o || storyIds.isEmpty())
        return false;
    for (const QString &id : storyIds)
        if (o->indexOf(id) < 0)
            return false;
    takeOut(*o, storyIds);
    Q_EMIT storiesChanged(orderId);
    return true;
}

bool RunningOrders::swap(const QString &orderId, const QString &first, const QString &second)
{
    RunningOrder *o = find(orderId);
    if (!o)
        return false;
    const int a = o->indexOf(first);
    const int b = o->indexOf(second);
    if (a < 0 || b < 0)
        return false;
    o->stories.swapItemsAt(a, b);
    Q_EMIT storiesChanged(orderId);
    return true;
}

bool RunningOrders::setBody(const QString &orderId, const QString &storyId, const QList<Paragraph> &body,
                            const QString &slug)
{
    RunningOrder *o = find(orderId);
    if (!o)
        return false;
    const int i = o->indexOf(storyId);
    if (i < 0)
        return false;
    Story &s = o->stories[i];
    if (!slug.isEmpty() && slug != s.slug) {
        s.slug = slug;
        Q_EMIT storiesChanged(orderId);
    }
    if (s.body != body) {
        s.body = body;
        Q_EMIT bodyChanged(orderId, storyId);
    }
    return true;
}

bool RunningOrders::setOnAir(const QString &orderId, const QString &storyId)
{
    RunningOrder *o = find(orderId);
    if (!o || (!storyId.isEmpty() && o->indexOf(storyId) < 0))
        return false;
    if (o->onAir == storyId)
        return true;
    o->onAir = storyId;
    const qsizetype removed =
        o->stories.removeIf([&](const Story &s) { return s.deleted && s.id != storyId; });
    if (removed > 0)
        Q_EMIT storiesChanged(orderId);
    Q_EMIT onAirChanged(orderId, storyId);
    return true;
}

} // namespace mos
