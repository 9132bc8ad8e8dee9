// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/MosShow.h"

#include "core/ShowRun.h"
#include "mos/MosDevice.h"

#include <utility>

namespace mos {

MosShow::MosShow(RunningOrders &orders, MosDevice &device, ShowRun &show, QObject *parent)
    : QObject(parent), m_device(device), m_show(show), m_feed(orders, *this)
{
    // Told after the show has settled: telling the newsroom may take a deleted story out, which
    // changes the show again.
    connect(&show, &ShowRun::storyChanged, this, &MosShow::tellOnAir, Qt::QueuedConnection);
    connect(&show, &ShowRun::rundownChanged, this, &MosShow::stillOurs);
}

void MosShow::show(const QString &orderId)
{
    if (orderId == m_feed.orderId())
        return;
    m_fresh = !orderId.isEmpty();
    m_told.clear();
    m_feed.show(orderId);
}

bool MosShow::stillOurs()
{
    if (m_feed.orderId().isEmpty())
        return false;
    if (m_fresh || m_show.fed())
        return true;
    // The operator opened another show or script: the running order is no longer shown.
    m_feed.show({});
    Q_EMIT orderDropped();
    return false;
}

void MosShow::replaceStories(const QList<StoryText> &stories)
{
    if (m_feed.orderId().isEmpty()) {
        // Deleted by the newsroom: what is shown stays, for the presenter may be reading it.
        if (m_fresh || m_show.fed())
            Q_EMIT orderDropped();
        m_fresh = false;
        return;
    }
    if (!stillOurs())
        return;
    QList<show::Story> next;
    next.reserve(stories.size());
    for (const StoryText &s : stories) {
        show::Story story;
        story.newsroomId = s.key;
        story.title = s.title;
        story.text = s.text;
        story.deleted = s.deleted;
        next << story;
    }
    m_show.feedStories(next, std::exchange(m_fresh, false));
}

void MosShow::replaceStoryText(int index, const QString &text)
{
    if (stillOurs())
        m_show.feedStoryText(index, text);
}

void MosShow::tellOnAir()
{
    const int at = m_show.current();
    if (!m_show.fed() || m_feed.orderId().isEmpty() || at < 0 || at >= m_show.stories().size())
        return;
    const QString story = m_show.stories().at(at).newsroomId;
    if (story.isEmpty() || story == m_told)
        return;
    m_told = story;
    m_device.setOnAir(m_feed.orderId(), story);
}

} // namespace mos
