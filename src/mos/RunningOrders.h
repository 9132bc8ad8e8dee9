// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace mos {

// A paragraph of a story as the newsroom wrote it: read by the presenter, or an instruction to them.
struct Paragraph
{
    QString text;
    bool instruction = false;
    bool operator==(const Paragraph &) const = default;
};

struct Story
{
    QString id;
    QString slug; // the title
    QList<Paragraph> body;
    bool deleted = false; // taken out while on air: kept until the air moves on
};

struct RunningOrder
{
    QString id;
    QString slug;
    QList<Story> stories;
    QString onAir; // the story on air, by id; empty: none
    bool readyToAir = false;
    int indexOf(const QString &storyId) const;
};

// The running orders a newsroom sent, as they stand. Every change is announced; a story deleted
// while on air stays, marked, until another story goes on air.
class RunningOrders : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    static constexpr int kMaxOrders = 64;
    static constexpr int kMaxStories = 2000;

    const QList<RunningOrder> &orders() const { return m_orders; }
    const RunningOrder *order(const QString &id) const;

    // Each answers whether it could be carried out (an unknown order or story is not).
    bool create(const RunningOrder &order); // or replace one of the same id
    bool replace(const RunningOrder &order);
    bool remove(const QString &orderId);
    bool setSlug(const QString &orderId, const QString &slug);
    bool setReadyToAir(const QString &orderId, bool ready);
    // Before `beforeStory` (empty: at the end).
    bool insert(const QString &orderId, const QString &beforeStory, const QList<Story> &stories);
    bool replaceStory(const QString &orderId, const QString &storyId, const QList<Story> &stories);
    bool move(const QString &orderId, const QString &beforeStory, const QStringList &storyIds);
    bool removeStories(const QString &orderId, const QStringList &storyIds);
    bool swap(const QString &orderId, const QString &first, const QString &second);
    // A story's body (and its slug, when one came with it).
    bool setBody(const QString &orderId, const QString &storyId, const QList<Paragraph> &body,
                 const QString &slug = {});
    // The prompter's reading place: a deleted story left on air goes once another is on air.
    bool setOnAir(const QString &orderId, const QString &storyId);

Q_SIGNALS:
    // The list of orders, or an order's name or readiness.
    void ordersChanged();
    // Stories added, taken out, moved, renamed or marked deleted.
    void storiesChanged(const QString &orderId);
    void bodyChanged(const QString &orderId, const QString &storyId);
    void onAirChanged(const QString &orderId, const QString &storyId);

private:
    RunningOrder *find(const QString &id);
    // Takes the stories out of `order`, but the one on air, which is marked deleted.
    void takeOut(RunningOrder &order, const QStringList &storyIds);
    static QList<Story> keepBodies(const QList<Story> &incoming, const QList<Story> &old);

    QList<RunningOrder> m_orders;
};

} // namespace mos
