// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/RundownFeed.h"

namespace mos {

QString scriptText(const QList<Paragraph> &body)
{
    QStringList lines;
    for (const Paragraph &p : body)
        lines << (p.instruction ? QStringLiteral("[[%1]]").arg(
                                      QString(p.text).replace(QLatin1String("]]"), QLatin1String("] ]")))
                                : p.text);
    return lines.join(QLatin1Char('\n'));
}

RundownFeed::RundownFeed(RunningOrders &orders, RundownSink &sink, QObject *parent)
    : QObject(parent), m_orders(orders), m_sink(sink)
{
    connect(&orders, &RunningOrders::storiesChanged, this, &RundownFeed::storiesChanged);
    connect(&orders, &RunningOrders::bodyChanged, this, &RundownFeed::bodyChanged);
    connect(&orders, &RunningOrders::ordersChanged, this, [this] {
        if (!m_order.isEmpty() && !m_orders.order(m_order))
            show({});
    });
}

QList<RundownSink::StoryText> RundownFeed::stories() const
{
    QList<RundownSink::StoryText> out;
    if (const RunningOrder *o = m_orders.order(m_order))
        for (const Story &s : o->stories)
            out << RundownSink::StoryText{s.id, s.slug, scriptText(s.body), s.deleted};
    return out;
}

void RundownFeed::show(const QString &orderId)
{
    m_order = orderId;
    m_shown = stories();
    m_sink.replaceStories(m_shown);
}

QString RundownFeed::storyAt(int index) const
{
    return index >= 0 && index < m_shown.size() ? m_shown[index].key : QString();
}

void RundownFeed::storiesChanged(const QString &orderId)
{
    if (orderId != m_order)
        return;
    const QList<RundownSink::StoryText> next = stories();
    if (next == m_shown)
        return;
    m_shown = next;
    m_sink.replaceStories(m_shown);
}

void RundownFeed::bodyChanged(const QString &orderId, const QString &storyId)
{
    if (orderId != m_order)
        return;
    const QList<RundownSink::StoryText> next = stories();
    for (int i = 0; i < next.size(); ++i)
        if (next[i].key == storyId && i < m_shown.size() && m_shown[i].key == storyId) {
            m_shown[i] = next[i];
            m_sink.replaceStoryText(i, next[i].text);
            return;
        }
    storiesChanged(orderId);
}

} // namespace mos
