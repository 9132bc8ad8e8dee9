// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/MosDevice.h"

#include "common/Platform.h"
#include "mos/Log.h"
#include "net/Admission.h"
#include "net/RateLimit.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace mos {

MosDevice::MosDevice(RunningOrders &orders, net::Clock now, QObject *parent)
    : QObject(parent), m_orders(orders), m_responder(orders, Identity{}), m_now(std::move(now)),
      m_lower(new QTcpServer(this)), m_upper(new QTcpServer(this)), m_sweep(new QTimer(this))
{
    connect(m_lower, &QTcpServer::newConnection, this, [this] { accept(m_lower, false); });
    connect(m_upper, &QTcpServer::newConnection, this, [this] { accept(m_upper, true); });
    m_sweep->setInterval(1000);
    connect(m_sweep, &QTimer::timeout, this, &MosDevice::sweep);
}

MosDevice::~MosDevice()
{
    stop();
}

bool MosDevice::start(const Options &options)
{
    stop();
    m_options = options;
    m_responder.setIdentity(options.identity);
    m_allow = net::AddressList::parse(options.allow);
    if (!m_lower->listen(options.address, options.lowerPort)) {
        m_error = tr("The lower port %1 cannot be listened on: %2")
                      .arg(options.lowerPort)
                      .arg(m_lower->errorString());
        return false;
    }
    if (!m_upper->listen(options.address, options.upperPort)) {
        m_error = tr("The upper port %1 cannot be listened on: %2")
                      .arg(options.upperPort)
                      .arg(m_upper->errorString());
        m_lower->close();
        return false;
    }
    m_error.clear();
    m_lastBeat = m_now();
    m_sweep->start();
    return true;
}

void MosDevice::stop()
{
    m_sweep->stop();
    m_lower->close();
    m_upper->close();
    const QList<Link *> links = std::exchange(m_links, {});
    for (Link *l : links) {
        if (l->socket) {
            l->socket->disconnect(this);
            l->socket->abort();
            l->socket->deleteLater();
        }
        delete l;
    }
    if (!links.isEmpty())
        Q_EMIT connectionsChanged();
}

bool MosDevice::listening() const
{
    return m_lower->isListening() && m_upper->isListening();
}

quint16 MosDevice::lowerPort() const
{
    return m_lower->serverPort();
}

quint16 MosDevice::upperPort() const
{
    return m_upper->serverPort();
}

void MosDevice::accept(QTcpServer *server, bool upper)
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        const QHostAddress from = net::plainAddress(socket->peerAddress());
        if (!m_allow.allows(from)) {
            qCInfo(lcMos) << "refused a connection from" << from;
            failed(tr("A connection from %1 was refused.").arg(from.toString()));
            socket->abort();
            socket->deleteLater();
            continue;
        }
        QList<Link *> incoming;
        QList<net::Place> places;
        for (Link *l : std::as_const(m_links))
            if (!l->outgoing && l->socket) {
                incoming << l;
                places << net::Place{net::plainAddress(l->socket->peerAddress()),
                                     l->reader.midMessage() ? l->began : l->heard, l->proven, false};
            }
        const std::optional<int> room = net::Admission{kMaxConnections, kMaxUnproven}.admit(places, from);
        if (!room) {
            qCInfo(lcMos) << "refused a connection from" << from << ": every place is the newsroom's";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (*room >= 0)
            cut(incoming.at(*room), "its place went to a new connection");
        // Read in bounded parts, so that a flood waits in the system's buffers, not in ours.
        socket->setReadBufferSize(kReadBuffer);
        const bool first = std::none_of(m_links.begin(), m_links.end(), [&](const Link *l) {
            return !l->outgoing && l->socket && net::plainAddress(l->socket->peerAddress()) == from;
        });
        auto *link = new Link{socket, FrameReader{}, m_now(), false, upper};
        m_links << link;
        connect(socket, &QTcpSocket::readyRead, this, [this, link] { read(link); });
        connect(socket, &QTcpSocket::disconnected, this, [this, link] { drop(link); });
        Q_EMIT connectionsChanged();
        // A newsroom that connects anew may hold running orders made while we were away: asked once
        // it has said who it is, so that the request is addressed to it.
        link->askAll = first;
    }
}

void MosDevice::read(Link *link)
{
    if (!link->socket)
        return;
    const quint32 now = m_now();
    const bool wasOpen = link->reader.midMessage();
    const QStringList messages = link->reader.feed(link->socket->readAll());
    if (link->reader.midMessage() && (!wasOpen || !messages.isEmpty()))
        link->began = now;
    for (const QString &text : messages) {
        QString why;
        const std::optional<Node> message = parse(text, &why);
        if (!message) {
            qCInfo(lcMos) << "unreadable message:" << why;
            failed(tr("An unreadable message: %1").arg(why));
            continue;
        }
        // Only whole messages keep a connection: a trickle of bytes does not.
        link->heard = now;
        link->proven = true;
        if (!link->outgoing)
            m_ncs = net::plainAddress(link->socket->peerAddress());
        if (const QString ncs = message->value(u"ncsID"); !ncs.isEmpty())
            link->ncsID = ncs;
        link->lastMessage = link->heard;
        link->lastKind = kindOf(*message);
        if (link->lastKind == QLatin1String("heartbeat"))
            link->lastHeartbeat = link->heard;
        Q_EMIT activity();
        const bool askAll = std::exchange(link->askAll, false);
        const QByteArray reply = m_responder.answer(*message);
        // On our own connection the newsroom answers us: answering back would never end.
        if (!reply.isEmpty() && !link->outgoing && link->socket)
            link->socket->write(reply);
        for (const QByteArray &request : m_responder.takeRequests())
            sendToNcs(true, request);
        if (askAll && !m_responder.ncsID().isEmpty())
            requestAll();
        // Sending to the newsroom may have let this very connection go.
        if (!m_links.contains(link) || !link->socket)
            return;
        if (link->socket->bytesToWrite() > kMaxBacklog)
            return cut(link, "it does not read its answers");
    }
}

void MosDevice::cut(Link *link, const char *why)
{
    qCInfo(lcMos) << "let go of a connection:" << why;
    if (link->socket) {
        link->socket->disconnect(this);
        link->socket->abort();
    }
    drop(link);
}

void MosDevice::drop(Link *link)
{
    if (!m_links.removeOne(link))
        return;
    if (link->socket) {
        link->socket->disconnect(this);
        link->socket->deleteLater();
    }
    delete link;
    Q_EMIT connectionsChanged();
}

MosDevice::Link *MosDevice::outgoing(bool upper)
{
    for (Link *l : std::as_const(m_links))
        if (l->outgoing && l->upper == upper && l->socket)
            return l;
    if (m_ncs.isNull() || m_links.size() >= kMaxConnections + 2)
        return nullptr;
    const quint16 theirs = upper ? (m_options.ncsUpperPort ? m_options.ncsUpperPort : upperPort())
                                 : (m_options.ncsLowerPort ? m_options.ncsLowerPort : lowerPort());
    auto *socket = new QTcpSocket(this);
    socket->setReadBufferSize(kReadBuffer);
    auto *link = new Link{socket, FrameReader{}, m_now(), true, upper};
    m_links << link;
    connect(socket, &QTcpSocket::readyRead, this, [this, link] { read(link); });
    connect(socket, &QTcpSocket::disconnected, this, [this, link] { drop(link); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, link] {
        const QString why = link->socket ? link->socket->errorString() : QString();
        qCInfo(lcMos) << "the newsroom cannot be reached:" << why;
        if (!(link->socket && link->socket->error() == QAbstractSocket::RemoteHostClosedError))
            failed(tr("The newsroom cannot be reached: %1").arg(why));
        drop(link);
    });
    socket->connectToHost(m_ncs, theirs);
    return link;
}

QList<MosDevice::Peer> MosDevice::peers() const
{
    QList<Peer> out;
    for (const Link *l : m_links) {
        if (!l->socket)
            continue;
        out << Peer{l->ncsID,
                    net::plainAddress(l->socket->peerAddress()),
                    l->socket->peerPort(),
                    l->upper,
                    l->outgoing,
                    l->lastHeartbeat,
                    l->lastMessage,
                    l->lastKind};
    }
    return out;
}

void MosDevice::failed(const QString &why)
{
    m_lastError = why;
    m_lastErrorTime = m_now();
    Q_EMIT activity();
}

void MosDevice::sendToNcs(bool upper, const QByteArray &message)
{
    if (Link *link = outgoing(upper)) {
        link->socket->write(message); // queued by the socket until it is connected
        if (link->socket->bytesToWrite() > kMaxBacklog)
            cut(link, "the newsroom does not read what it is sent");
    }
}

void MosDevice::setOnAir(const QString &orderId, const QString &storyId)
{
    if (!m_orders.setOnAir(orderId, storyId) || storyId.isEmpty())
        return;
    if (listening())
        sendToNcs(true, m_responder.storyOnAir(orderId, storyId));
}

void MosDevice::requestAll()
{
    if (listening())
        sendToNcs(true, m_responder.requestAll());
}

void MosDevice::sweep()
{
    const quint32 now = m_now();
    const QList<Link *> links = m_links;
    for (Link *l : links) {
        if (l->outgoing)
            continue;
        if (l->reader.midMessage() && elapsedMs(now, l->began) >= qint32(kMessageMs)) {
            cut(l, "a message did not come whole in time");
        } else if (elapsedMs(now, l->heard) > qint32(kSilentMs)) {
            failed(tr("The newsroom was silent for %n second(s) and was let go.", nullptr, kSilentMs / 1000));
            cut(l, "the newsroom went silent");
        }
    }
    if (now - m_lastBeat >= kHeartbeatMs && !m_ncs.isNull()) {
        m_lastBeat = now;
        sendToNcs(false, m_responder.heartbeat());
    }
}

} // namespace mos
