// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/AddressList.h"
#include "net/RateLimit.h"
#include "net/Server.h"
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
class QUdpSocket;

namespace net {
class Session;
}

namespace remote {

// The addresses OSC packets are taken from; empty: this machine.
using AddressList = net::AddressList;

using RateLimit = net::RateLimit;

// The network side of the remote control: the page and the HTTP API, the WebSocket and OSC, on one
// port, behind the door's limits. It reads and writes no files; every command it accepts goes to the
// command handler, in the order it came, on the thread the server lives on, and the handler's answer
// goes back to the sender.
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
    // Connections that have not shown the token yet; beyond it the oldest gives its place.
    static constexpr int kMaxUnproven = net::Admission{}.unproven;
    // The close code a WebSocket hears when a new token replaced the one it came with.
    static constexpr int kCloseTokenReplaced = 4001;

    explicit RemoteServer(Platform &platform, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Nothing listens when it fails (a port taken, a token too short); errorString() says why.
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
    // handed over here; the server still times and bounds them.
    void setFollowerTaker(std::function<void(net::Session *)> taker) { m_followers = std::move(taker); }
    // The listener, for a test to move its deadlines by the clock.
    net::Server *door() const { return m_server; }
    // Carries a command out, forwards it or refuses it. Without one, every command is taken as done.
    using CommandHandler = std::function<run::Answer(const remote::Command &)>;
    void setCommandHandler(CommandHandler handler) { m_commands = std::move(handler); }
    // To every WebSocket.
    void push(const QByteArray &state);
    // An event to every WebSocket, never dropped for a later one as a state may be.
    void broadcast(const QByteArray &event);

Q_SIGNALS:
    void devicesChanged(int count);
    // An OSC packet was not taken, and why: a console set up wrongly shows here first.
    void oscIgnored(const QString &why);
    // An OSC /cuescroll/state from an allowed address, within its budget: the sender wants the state.
    void oscStateAsked(const QHostAddress &from, quint16 port);

private:
    void handle(const net::Request &request, net::Reply &r);
    void newWebSocket(net::Session *socket);
    void message(net::Session *socket, const QString &text);
    void readOsc();
    run::Answer carryOut(const Command &command) const;

    Platform &m_platform;
    Options m_options;
    AddressList m_oscAllow;
    RateLimit m_rate;
    RateLimit m_oscRate; // a console's packets spend nothing of the phones' budget
    QString m_error;
    QPointer<net::Server> m_server;
    QUdpSocket *m_osc = nullptr;
    QList<net::Session *> m_sockets;
    std::function<QByteArray()> m_state;
    CommandHandler m_commands;
    std::function<void(net::Session *)> m_followers;
};

} // namespace remote
