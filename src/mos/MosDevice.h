// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mos/Responder.h"
#include "net/AddressList.h"
#include "net/Server.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace mos {

// The prompter as a device of a newsroom system: it listens on the lower and upper ports for the
// newsroom's messages and answers each on the connection it came on; what it starts itself (its
// heartbeats, the story on air, asking for running orders) goes to the newsroom's own ports.
class MosDevice : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        Identity identity;
        quint16 lowerPort = 10540; // 0: any free port
        quint16 upperPort = 10541;
        QString allow; // the newsroom's addresses (see net::AddressList); empty: this machine
        // Where the newsroom listens for what the device starts; 0: the same as ours.
        quint16 ncsLowerPort = 0;
        quint16 ncsUpperPort = 0;
        QHostAddress address = QHostAddress::Any;
    };
    // The newsroom's connections: those that sent a whole message keep their places; of the others,
    // the oldest gives its place to a newcomer when they are kMaxUnproven.
    static constexpr int kMaxConnections = 16;
    static constexpr int kMaxUnproven = 8;
    static constexpr quint32 kHeartbeatMs = 30000;
    static constexpr quint32 kSilentMs = 180000; // a newsroom without a whole message this long is let go
    static constexpr quint32 kMessageMs = 15000; // a message must be whole this long after it began
    static constexpr qint64 kReadBuffer = 256 * 1024;
    // Answers waiting for a newsroom that does not read them; beyond this it is cut.
    static constexpr qint64 kMaxBacklog = 1024 * 1024;

    MosDevice(RunningOrders &orders, net::Clock now, QObject *parent = nullptr);
    ~MosDevice() override;

    // Nothing listens when it fails; errorString() says why.
    bool start(const Options &options);
    void stop();
    bool listening() const;
    quint16 lowerPort() const;
    quint16 upperPort() const;
    QString errorString() const { return m_error; }
    int connections() const { return int(m_links.size()); }

    // A connection as the operator is shown it; times on the device's clock, 0: not yet.
    struct Peer
    {
        QString ncsID; // the newsroom's, once it has spoken
        QHostAddress address;
        quint16 port = 0;
        bool upper = false;
        bool outgoing = false; // ours, to the newsroom's ports
        quint32 lastHeartbeat = 0;
        quint32 lastMessage = 0;
        QString lastKind; // the last message's type, "roCreate"…
    };
    QList<Peer> peers() const;
    // The last thing that went wrong on the link, and when; empty: nothing yet.
    QString lastError() const { return m_lastError; }
    quint32 lastErrorTime() const { return m_lastErrorTime; }

    // Tells the newsroom which story is on air, and lets a story deleted while on air go.
    void setOnAir(const QString &orderId, const QString &storyId);
    // Asks the newsroom for every running order it has.
    void requestAll();
    // Holds the connections to their deadlines and sends the heartbeats; a timer calls it every second.
    void sweep();

Q_SIGNALS:
    void connectionsChanged();
    // A message came, or something went wrong: the details of the connections changed.
    void activity();

private:
    struct Link
    {
        QPointer<QTcpSocket> socket;
        FrameReader reader;
        quint32 heard = 0; // the last whole message, or when it came
        bool outgoing = false;
        bool upper = false;
        bool proven = false; // it sent a whole message
        quint32 began = 0;   // the first byte of the message not yet whole
        QString ncsID = {};
        quint32 lastHeartbeat = 0;
        quint32 lastMessage = 0;
        QString lastKind = {};
        bool askAll = false; // the newsroom's first connection: ask it for every order once it speaks
    };
    void accept(QTcpServer *server, bool upper);
    void read(Link *link);
    void drop(Link *link);
    void cut(Link *link, const char *why);
    void sendToNcs(bool upper, const QByteArray &message);
    Link *outgoing(bool upper);
    void failed(const QString &why);

    RunningOrders &m_orders;
    Responder m_responder;
    net::Clock m_now;
    Options m_options;
    net::AddressList m_allow;
    QTcpServer *m_lower;
    QTcpServer *m_upper;
    QTimer *m_sweep;
    QList<Link *> m_links;
    QHostAddress m_ncs; // the newsroom last heard from
    quint32 m_lastBeat = 0;
    QString m_error;
    QString m_lastError;
    quint32 m_lastErrorTime = 0;
};

} // namespace mos
