// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "follow/Protocol.h"
#include "net/RateLimit.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QTimer;
class QUdpSocket;

namespace net {
class Session;
}

// The leader's side: followers' sockets, however they were accepted (the remote-control server, or
// a server of its own), are handed over here. Each gets the script, look, markers and state at once,
// the state again at every change and a few times a second while running, an answer to each ping,
// and its commands are carried out on this prompter.
namespace follow {

class LeaderFeed : public QObject
{
    Q_OBJECT

public:
    struct Prompter
    {
        std::function<quint32()> now; // this prompter's clock
        std::function<State()> state;
        std::function<QByteArray()> script; // as Rich Text
        std::function<Look()> look;
        std::function<QList<Marker>()> markers;
        std::function<void(const Command &)> command;
        std::function<QString()> talent; // the message shown to the presenter; empty: none
        // The show shown as the script (no stories: a single script); nothing while it is changing.
        std::function<std::optional<Show>()> show = {};
        std::function<Timers()> timers = {}; // the show's
    };

    // While running the state goes out this often, so that a follower's error from a late report
    // stays small; while stopped, seldom, as a sign of life.
    static constexpr int kRunningReportMs = 100;
    static constexpr int kStoppedReportMs = 1000;
    // A long message (the script) goes in frames of this size: over a slow link each frame tells the
    // follower the leader is still there, where the whole message would take longer than its patience.
    static constexpr quint64 kFrameBytes = 16 * 1024;

    // Followers taken at once; more are told to come back later. Prompters behind one address count
    // each as one follower, not as one address.
    static constexpr int kMaxFollowers = 64;

    explicit LeaderFeed(Prompter prompter, QObject *parent = nullptr);
    ~LeaderFeed() override;

    // Welcomes the socket's follower; the socket stays its server's, which times and bounds it.
    void addFollower(net::Session *socket);
    int followers() const;
    // This prompter no longer leads: its followers are let go.
    void dropFollowers();

    // The prompter changed: the followers hear of it.
    void stateChanged();
    void scriptChanged();
    void lookChanged();
    void markersChanged();
    void talentChanged();
    void showChanged();
    void timersChanged();

    // What a follower's message asks of the leader, if it asks anything; public for the simulation.
    std::optional<Message> answer(const QByteArray &text);
    Welcome welcome() const;
    // What this feed calls itself in its welcome, unlike any other's.
    QString id() const { return m_id; }
    quint32 now() const { return m_prompter.now(); }

    // Sends the state now, as the report timer does.
    void report();

    // The run channel: the state also in datagrams, from a UDP socket on `port` if it is free, or on
    // any other; offered to each follower with a nonce of its own, sealed with the token.
    bool listenDatagrams(const QHostAddress &address, quint16 port, const QString &token);
    void stopDatagrams();
    quint16 datagramPort() const;
    // Followers that said the datagrams reach them.
    int reached() const;

Q_SIGNALS:
    void followersChanged(int count);
    // Each message to all followers, as it goes out (for a simulation without sockets).
    void broadcasting(const QByteArray &text);

private:
    bool heard() const; // anyone follows
    void broadcast(const Message &message);
    void scheduleReport();
    void offerChannel(net::Session *socket);
    void readDatagrams();
    void sendDatagrams(const State &s);

    struct Channel
    {
        QByteArray nonce;
        QByteArray key;
        QHostAddress peer; // the follower's address on the WebSocket; its hellos come from there
        QHostAddress to;
        quint16 toPort = 0;
        quint32 heard = 0; // the last hello
        quint32 count = 0;
        bool hello = false;
        bool reaching = false;
    };

    Prompter m_prompter;
    QList<QPointer<net::Session>> m_sockets;
    net::RateLimit m_rate; // a follower's messages, held to the rate a phone's are
    QTimer *m_report;
    State m_lastSent;
    quint32 m_seq = 0;
    QUdpSocket *m_udp = nullptr;
    QByteArray m_token;
    QHash<net::Session *, Channel> m_channels;
    net::RateLimit m_datagramRate; // hellos, by address and port: whatever their source, they cost little
    QTimer *m_copies;
    int m_copiesLeft = 0;
    QString m_id;
    Show m_lastShow; // as followers last heard it
    Timers m_lastTimers;
};

} // namespace follow
