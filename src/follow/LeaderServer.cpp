// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/LeaderServer.h"

#include "follow/LeaderFeed.h"
#include "follow/Log.h"
#include "follow/Protocol.h"
#include "net/Server.h"
#include "net/Session.h"
#include "net/Token.h"

namespace follow {

LeaderServer::LeaderServer(LeaderFeed &feed, const QString &token, QObject *parent)
    : QObject(parent), m_feed(feed), m_token(token),
      m_server(new net::Server([&feed] { return feed.now(); }, this))
{
    m_server->onWebSocket([this](net::Session *socket) {
        if (socket->request().url().path() != QLatin1String(kPath)) {
            socket->close(1002, tr("There is nothing to follow here."));
        } else if (!net::carriesToken(socket->request(), m_token.toUtf8())) {
            qCInfo(lcFollow) << "follower refused: wrong token, from" << socket->peerAddress().toString();
            socket->close(1008, tr("The token is not this prompter's."));
        } else {
            socket->prove();
            m_feed.addFollower(socket);
        }
    });
}

bool LeaderServer::listen(const QHostAddress &address, quint16 port)
{
    m_error = net::tokenProblem(m_token);
    if (!m_error.isEmpty())
        return false;
    const bool ok = m_server->listen(address, port);
    if (!ok)
        m_error = m_server->errorString();
    qCDebug(lcFollow) << "leading on" << address.toString() << "port" << m_server->port() << ok;
    return ok;
}

void LeaderServer::close()
{
    m_server->close();
}

quint16 LeaderServer::port() const
{
    return m_server->port();
}

QString LeaderServer::errorString() const
{
    return m_error;
}

} // namespace follow
