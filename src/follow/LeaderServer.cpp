// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/LeaderServer.h"

#include "follow/LeaderFeed.h"
#include "follow/Log.h"
#include "follow/Protocol.h"

#include <QNetworkRequest>
#include <QUrlQuery>
#include <QWebSocket>
#include <QWebSocketServer>

namespace follow {
namespace {

// Compares without stopping at the first difference, so the time taken tells nothing of the token.
bool sameSecret(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return diff == 0;
}

} // namespace

bool tokenAccepted(const QNetworkRequest &request, const QString &token)
{
    if (token.isEmpty())
        return false;
    const QByteArray expected = token.toUtf8();
    const QByteArray header = request.rawHeader("Authorization");
    if (header.startsWith("Bearer ") && sameSecret(header.mid(7).trimmed(), expected))
        return true;
    const QUrlQuery query(request.url());
    return query.hasQueryItem(QStringLiteral("token")) &&
           sameSecret(query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8(), expected);
}

LeaderServer::LeaderServer(LeaderFeed &feed, const QString &token, QObject *parent)
    : QObject(parent), m_feed(feed), m_token(token),
      m_server(new QWebSocketServer(QStringLiteral("Cuescroll"), QWebSocketServer::NonSecureMode, this))
{
    connect(m_server, &QWebSocketServer::newConnection, this, [this] {
        while (QWebSocket *socket = m_server->nextPendingConnection()) {
            if (socket->requestUrl().path() != QLatin1String(kPath)) {
                socket->close(QWebSocketProtocol::CloseCodeProtocolError,
                              tr("There is nothing to follow here."));
                socket->deleteLater();
            } else if (!tokenAccepted(socket->request(), m_token)) {
                qCInfo(lcFollow) << "follower refused: wrong token, from" << socket->peerAddress().toString();
                socket->close(QWebSocketProtocol::CloseCodePolicyViolated,
                              tr("The token is not this prompter's."));
                socket->deleteLater();
            } else {
                m_feed.addFollower(socket);
            }
        }
    });
}

bool LeaderServer::listen(const QHostAddress &address, quint16 port)
{
    const bool ok = m_server->listen(address, port);
    qCDebug(lcFollow) << "leading on" << address.toString() << "port" << m_server->serverPort() << ok;
    return ok;
}

void LeaderServer::close()
{
    m_server->close();
}

quint16 LeaderServer::port() const
{
    return m_server->serverPort();
}

QString LeaderServer::errorString() const
{
    return m_server->errorString();
}

} // namespace follow
