// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"
#include "follow/Discovery.h"
#include "follow/Protocol.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <optional>

class Platform;
class PrompterCore;
class ShowRun;

namespace follow {
class Discovery;
class FollowLink;
class Follower;
class LeaderFeed;
class LeaderServer;
} // namespace follow

// This prompter among several: it may lead others (they follow its script, look, markers and run) or
// follow one, taking what the leader shows, moving after it and sending its keys to the leader. The
// leader's run, script and message reach this prompter's run as commands, like any other source's;
// its look and markers go to the window's copy.
class FollowSession : public QObject
{
    Q_OBJECT

public:
    FollowSession(Platform &platform, PrompterCore &core, QObject *parent = nullptr);
    ~FollowSession() override;
    // The window is going: the run let go of, and nothing more heard.
    void release();

    // The show on this prompter: followers are told it, and a follower shows its leader's there.
    void setShow(ShowRun *show);

    // Followers' connections accepted elsewhere (a remote-control server) are handed over here.
    follow::LeaderFeed &feed() const { return *m_feed; }

    // Listens for followers on its own, announced on the network; false with the reason in `error`.
    bool lead(const QHostAddress &address, quint16 port, const QString &token, QString *error = nullptr);
    // Leads through a server that already listens and hands followers to feed() (the remote control's).
    void leadThrough(quint16 port, const QString &token);
    bool leading() const;
    quint16 leadPort() const;
    // Followers are let go and no more taken; the prompter is no longer announced.
    void stopLeading();
    // Where other prompters reach this one while it leads: this computer's addresses with the port.
    QStringList leadAddresses() const;

    void follow(const QUrl &leader, const QString &token);
    // Follows whatever is handed to the follower, with no link of its own (a simulation's).
    follow::Follower &followInProcess();
    // Stops following and leads, on the port the old leader used, so the others may follow it.
    bool promote(const QHostAddress &address = QHostAddress::Any);
    void stopFollowing();
    bool following() const { return m_follower != nullptr; }
    // The leader last followed, as an operator would type it; empty before any.
    QString lastLeader() const;
    bool leaderLost() const { return m_lost; }
    follow::Follower *follower() const { return m_follower; }
    follow::FollowLink *link() const { return m_link; }

    // A command while following: sent to the leader, refused while it cannot be reached, or (with no
    // link, in a simulation) nothing, left to this prompter.
    std::optional<run::Answer> forward(const run::Command &command);
    // Stopped here by the operator, until the leader says it stopped too or comes back.
    bool held() const { return m_held; }
    static constexpr int kHoldMs = 300;

    follow::Discovery &discovery();
    // The token from the command line or CUESCROLL_REMOTE_TOKEN, for the menu's dialog.
    QString token() const { return m_token; }

    // A few words on leading or following for the operator's panel (empty: nothing to tell), and all
    // of it for its tooltip.
    QString status() const { return m_statusText; }
    QString statusDetail() const { return m_statusDetail; }

Q_SIGNALS:
    void statusChanged(const QString &text, const QString &detail);
    void followingChanged(bool following);
    // The leader would not be followed and following has stopped; `said` tells the operator why.
    // `fresh`: refused at the first attempt, as the operator's choice of leader and token.
    void refused(const QString &said, bool fresh);
    void leaderLostChanged(bool lost);
    // Whether the run this follower shows moves: its leader's, unless a Stop holds it here.
    void leaderRunningChanged(bool running);

private:
    follow::State leaderState() const;
    void makeFollower();
    void followLeader();
    void hold();
    void heardFromLeader(const follow::Message &message, quint32 now);
    void leadersChanged();
    void showStatus(const QString &text, const QString &more = QString());
    void setLost(bool lost);
    void tellRunning(bool running);

    Platform &m_platform;
    PrompterCore &m_core;
    QPointer<ShowRun> m_show;
    QString m_statusText;
    QString m_statusDetail;
    follow::LeaderFeed *m_feed;
    follow::LeaderServer *m_server = nullptr;
    quint16 m_throughPort = 0; // leading through another server, on this port
    follow::Discovery *m_discovery = nullptr;
    follow::FollowLink *m_link = nullptr;
    follow::Follower *m_follower = nullptr;
    QByteArray m_shownRtf;
    follow::Look m_shownLook;
    QString m_token;
    QUrl m_lastLeader;
    bool m_lost = false;
    bool m_held = false;
    bool m_toldRunning = false;
    quint32 m_heldAt = 0;
    QList<follow::Found> m_leadersWhenLost; // announced before the leader was lost: not its successors
};
