// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "follow/Chaser.h"
#include "follow/ClockSync.h"
#include "follow/Protocol.h"

#include <QObject>

#include <functional>
#include <optional>

// A follower's side of a link, whatever carries its messages: it takes the leader's script, look and
// markers, learns the leader's clock and moves the script after the leader's place.
namespace follow {

class Follower : public QObject
{
    Q_OBJECT

public:
    // What the follower needs of its prompter.
    struct Prompter
    {
        std::function<void(const QByteArray &rtf)> script;
        std::function<void(const Look &)> look;
        std::function<void(const QList<Marker> &)> markers;
        std::function<void(const State &)> state;   // speed, direction and running, to show them
        std::function<float(const Place &)> topFor; // the Top putting that place on the reading line
        std::function<float()> lineHeight;          // twips, for how far a glide may go
    };

    explicit Follower(Prompter prompter, QObject *parent = nullptr);

    // A message from the leader, read at `now` on the follower's clock.
    void receive(const Message &message, quint32 now);
    // The next ping, sent at `now`.
    Ping ping(quint32 now);
    // The script was laid out again here: the leader's place lies elsewhere on this view.
    void relaid();
    // The link is gone: the script goes on at the last speed until the leader is back.
    void lose();

    // The Top for the frame shown at `now` (follower's clock) with the view at `shown`.
    std::optional<float> frame(quint32 now, float shown);

    const State &leaderState() const { return m_state; }
    const ClockSync &clock() const { return m_clock; }

private:
    void follow(const State &s);

    Prompter m_prompter;
    ClockSync m_clock;
    Chaser m_chaser;
    State m_state;
    bool m_welcomed = false;
    quint32 m_nextPing = 1;
};

} // namespace follow
