// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RemoteCommand.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class Platform;
class QHttpServerRequest;
class QTcpSocket;
class QUdpSocket;
class QWebSocket;

namespace remote {
class HttpEndpoint;
class Listener;

// The addresses OSC packets are taken from: "127.0.0.1 192.168.1.0/24 ::1"; empty: this machine.
class AddressList
{
public:
    static AddressList parse(const QString &text);
    bool allows(const QHostAddress &address) const;
    bool empty() const { return m_subnets.isEmpty(); }

private:
    QList<QPair<QHostAddress, int>> m_subnets;
};

// Requests from one address over time: a burst, then a steady rate.
class RateLimit
{
public:
    static constexpr double kBurst = 60;
    static constexpr double kPerSecond = 30;
    bool take(const QHostAddress &from, quint32 now);

private:
    struct Bucket
    {
        double tokens = kBurst;
        quint32 last = 0;
    };
    QHash<QString, Bucket> m_buckets;
};

// The network side of the remote control: the page and the HTTP API, the WebSocket and OSC, on one
// port. It reads and writes no files; every command it accepts goes to the command handler, in the
// order it came, on the thread the server lives on, and the handler's answer goes back to the sender.
class RemoteServer : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QHostAddress address = QHostAddress::Any;
        quint16 port = 8777; // 0: any free port
        QByteArray token;
        bool osc = false;
        QString oscAllow; // see AddressList
    };
    static constexpr int kMaxConnections = 32;
    // The close code a WebSocket hears when a new token replaced the one it came with.
    static constexpr int kCloseTokenReplaced = 4001;

    explicit RemoteServer(Platform &platform, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Nothing listens when it fails; errorString() says why.
    bool start(const Options &options);
    void stop();
    bool listening() const;
    quint16 port() const;
    bool oscListening() const;
    QString errorString() const { return m_error; }
    int devices() const { return int(m_sockets.size()); }
    // From now on only `token` is let in; every WebSocket is closed with kCloseTokenReplaced, so that
    // a phone asks to scan the new code instead of trying again.
    void replaceToken(const QByteArray &token);

    // The state as GET /api/v1/state answers it and a new WebSocket first hears it.
    void setStateSource(std::function<QByteArray()> source) { m_state = std::move(source); }
    // Prompters following this one connect to /api/v1/follow with the same token; their sockets are
    // handed over here, and belong to the taker from then on.
    void setFollowerTaker(std::function<void(QWebSocket *)> taker) { m_followers = std::move(taker); }
    // Carries a command out, forwards it or refuses it. Without one, every command is taken as done.
    using CommandHandler = std::function<run::Answer(const remote::Command &)>;
    void setCommandHandler(CommandHandler handler) { m_commands = std::move(handler); }
    // To every WebSocket.
    void push(const QByteArray &state);

Q_SIGNALS:
    void devicesChanged(int count);
    // An OSC packet was not taken, and why: a console set up wrongly shows here first.
    void oscIgnored(const QString &why);

private:
    friend class HttpEndpoint;
    void handle(const QHttpServerRequest &request, QTcpSocket *socket);
    void newWebSocket();
    void message(QWebSocket *socket, const QString &text);
    void readOsc();
    bool authorised(const QHttpServerRequest &request) const;
    bool tokenMatches(const QByteArray &given) const;
    run::Answer carryOut(const Command &command) const;

    Platform &m_platform;
    Options m_options;
    AddressList m_oscAllow;
    RateLimit m_rate;
    QString m_error;
    std::unique_ptr<HttpEndpoint> m_http;
    QPointer<Listener> m_listener;
    QUdpSocket *m_osc = nullptr;
    QList<QWebSocket *> m_sockets;
    std::function<QByteArray()> m_state;
    CommandHandler m_commands;
    std::function<void(QWebSocket *)> m_followers;
};

} // namespace remote
