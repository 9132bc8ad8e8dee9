// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/Server.h"

#include "net/Log.h"
#include "net/RateLimit.h"
#include "net/Session.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace net {

Server::Server(Clock now, QObject *parent, Limits limits)
    : QObject(parent), m_now(std::move(now)), m_limits(limits), m_listener(new QTcpServer(this)),
      m_sweep(new QTimer(this))
{
    connect(m_listener, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_listener->nextPendingConnection())
            accept(socket);
    });
    connect(m_sweep, &QTimer::timeout, this, &Server::sweep);
    m_sweep->start(1000);
}

Server::~Server()
{
    close();
}

bool Server::listen(const QHostAddress &address, quint16 port)
{
    return m_listener->listen(address, port);
}

void Server::close()
{
    m_listener->close();
    for (Session *s : std::exchange(m_sessions, {})) {
        s->m_tcp->abort();
        s->ended();
        delete s;
    }
}

bool Server::isListening() const
{
    return m_listener->isListening();
}

quint16 Server::port() const
{
    return m_listener->serverPort();
}

QAbstractSocket::SocketError Server::serverError() const
{
    return m_listener->serverError();
}

QString Server::errorString() const
{
    return m_listener->errorString();
}

qint64 Server::backlog() const
{
    qint64 sum = 0;
    for (const Session *s : m_sessions)
        sum += s->backlog();
    return sum;
}

void Server::accept(QTcpSocket *socket)
{
    const QHostAddress peer = plainAddress(socket->peerAddress());
    QList<Place> places;
    places.reserve(m_sessions.size());
    for (const Session *s : std::as_const(m_sessions))
        places << s->place();
    const std::optional<int> room = m_limits.admission.admit(places, peer);
    if (!room) {
        const QString refusal = Texts::tr("Too many connections.");
        qCInfo(lcNet) << "connection refused:" << refusal << peer;
        socket->setParent(this);
        socket->write(errorReply(Status::ServiceUnavailable, refusal).serialized());
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(m_limits.closingMs, socket, &QTcpSocket::abort);
        return;
    }
    if (*room >= 0) {
        Session *gone = m_sessions.at(*room);
        qCInfo(lcNet) << "made room: let go of" << gone->peerAddress() << "for" << peer;
        gone->abort();
    }
    m_sessions << new Session(socket, *this);
}

void Server::ended(Session *session)
{
    if (m_sessions.removeOne(session))
        session->deleteLater();
}

void Server::sweep()
{
    const quint32 now = m_now();
    for (Session *s : QList<Session *>(m_sessions)) {
        if (m_sessions.contains(s))
            s->sweep(now);
    }
}

} // namespace net
