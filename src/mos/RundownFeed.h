// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mos/RunningOrders.h"

#include <QObject>
#include <QString>

namespace mos {

// What a rundown does for a running order: the narrow side it shows one through.
class RundownSink
{
public:
    struct StoryText
    {
        QString key;   // the newsroom's story id: the same story across changes
        QString title; // the slug
        QString text;  // paragraphs on lines of their own; an instruction as a [[cue]]
        bool deleted = false;
        bool operator==(const StoryText &) const = default;
    };
    virtual ~RundownSink() = default;
    // The stories changed in number, order, title or mark; the one on air keeps its reading place.
    virtual void replaceStories(const QList<StoryText> &stories) = 0;
    // A story's text changed; were it on air, the reading place stays on it.
    virtual void replaceStoryText(int index, const QString &text) = 0;
};

// The story's text as a script: one paragraph a line, an instruction to the presenter as a cue.
QString scriptText(const QList<Paragraph> &body);

// Shows the running order the operator picked through a rundown, following every change to it, and
// tells the running orders which story the rundown has on air.
class RundownFeed : public QObject
{
    Q_OBJECT

public:
    RundownFeed(RunningOrders &orders, RundownSink &sink, QObject *parent = nullptr);

    QString orderId() const { return m_order; }
    // Empty: none shown.
    void show(const QString &orderId);
    // The story at this index of what the sink shows went on air.
    QString storyAt(int index) const;

private:
    void storiesChanged(const QString &orderId);
    void bodyChanged(const QString &orderId, const QString &storyId);
    QList<RundownSink::StoryText> stories() const;

    RunningOrders &m_orders;
    RundownSink &m_sink;
    QString m_order;
    QList<RundownSink::StoryText> m_shown;
};

} // namespace mos
