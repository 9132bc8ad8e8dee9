// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

namespace net {
class Server;
}

// A leader's own listening socket for its followers, for a prompter without the remote-control
// server: it checks each follower's token and hands the connection to the feed.
namespace follow {

class LeaderFeed;

class LeaderServer : public QObject
{
    Q_OBJECT

public:
    LeaderServer(LeaderFeed &feed, const QString &token, QObject *parent = nullptr);

    // Port 0 takes any free one. A token too short to guard anything listens nowhere.
    bool listen(const QHostAddress &address, quint16 port);
    void close();
    quint16 port() const;
    QString errorString() const;

private:
    LeaderFeed &m_feed;
    QString m_token;
    net::Server *m_server;
    QString m_error;
};

} // namespace follow
