// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mos/RundownFeed.h"

#include <QObject>
#include <QString>

class ShowRun;

namespace mos {

class MosDevice;

// The running order the operator picked, as the prompter's show: every change the newsroom makes to
// it is followed while the prompter runs, and the newsroom hears which story is on air.
class MosShow : public QObject, private RundownSink
{
    Q_OBJECT

public:
    MosShow(RunningOrders &orders, MosDevice &device, ShowRun &show, QObject *parent = nullptr);

    // The operator's choice; empty: none followed any more, the show left as it is.
    void show(const QString &orderId);
    QString orderId() const { return m_feed.orderId(); }

Q_SIGNALS:
    // No running order is followed any more: the newsroom deleted it, or another show was opened.
    void orderDropped();

private:
    void replaceStories(const QList<StoryText> &stories) override;
    void replaceStoryText(int index, const QString &text) override;
    // Whether the show is still the running order's; if not, it is let go.
    bool stillOurs();
    void tellOnAir();

    MosDevice &m_device;
    ShowRun &m_show;
    RundownFeed m_feed;
    bool m_fresh = false;
    QString m_told; // the story the newsroom last heard is on air
};

} // namespace mos
