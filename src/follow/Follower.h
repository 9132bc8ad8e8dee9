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
        std::function<void(const State &)> state;        // speed, direction and running, to show them
        std::function<float(const Place &)> topFor;      // the Top putting that place on the reading line
        std::function<float()> lineHeight;               // twips, for how far a glide may go
        std::function<void(const QString &)> talent;     // the leader's message to its presenter
        std::function<void(const Show &)> show = {};     // the leader's show; none: a single script
        std::function<void(const Timers &)> timers = {}; // the show's timers on the leader
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

    // The Top for the frame shown at `now` (follower's clock) with the view at `shown`; nothing until
    // a round trip after the welcome has told the leader's clock.
    std::optional<float> frame(quint32 now, float shown);

    // How fast the offset shown by follows a new estimate of the leader's clock: a tenth of the time
    // passing, so a changed estimate is taken up over frames and shows as no jump.
    static constexpr double kClockSlew = 0.1;

    bool welcomed() const { return m_welcomed; }
    const State &leaderState() const { return m_state; }
    const ClockSync &clock() const { return m_clock; }

private:
    void follow(const State &s);

    Prompter m_prompter;
    ClockSync m_clock;
    Chaser m_chaser;
    State m_state;
    bool m_welcomed = false;
    quint32 m_welcomedAt = 0;
    std::optional<double> m_offset; // the leader's clock minus this one, as frames are shown by
    quint32 m_lastFrame = 0;
    quint32 m_nextPing = 1;
};

} // namespace follow
