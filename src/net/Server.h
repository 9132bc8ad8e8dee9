// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/Admission.h"
#include "net/Http.h"

#include <QAbstractSocket>
#include <QList>
#include <QObject>

#include <functional>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace net {

class Session;

// The millisecond clock every deadline reads (the program's injectable one).
using Clock = std::function<quint32()>;

// What every client is held to, whoever it is and whatever it asks.
struct Limits
{
    Admission admission;
    int requestMs = 10000; // a request's head and body, from its first byte: a trickle cannot extend it
    int idleMs = 30000;    // a kept-open HTTP connection between requests
    int quietMs = 30000;   // a silent WebSocket is pinged after this, and let go after twice as long
    int closingMs = 5000;  // for a closing connection's last words
    qsizetype maxHead = 16 * 1024;
    qsizetype maxBody = 16 * 1024;
    qsizetype maxMessage = 16 * 1024;
    // Output waiting beyond this: a slow reader gets only the newest state, not each one.
    qint64 backlog = 64 * 1024;
    // Output waiting beyond this: the reader is let go.
    qint64 maxBacklog = 8 * 1024 * 1024;
};

// One listening TCP port for HTTP and WebSocket clients. Requests and new WebSockets go to the
// handlers, in order, on this object's thread; every connection stays the server's to time and
// bound, whoever it was handed to.
class Server : public QObject
{
    Q_OBJECT

public:
    using HttpHandler = std::function<void(const Request &, Reply &)>;
    // A WebSocket whose handshake was sound; the handler may close it at once, or keep it.
    using SocketHandler = std::function<void(Session *)>;

    explicit Server(Clock now, QObject *parent = nullptr, Limits limits = {});
    ~Server() override;

    void onRequest(HttpHandler handler) { m_http = std::move(handler); }
    void onWebSocket(SocketHandler handler) { m_socket = std::move(handler); }

    bool listen(const QHostAddress &address, quint16 port);
    void close();
    bool isListening() const;
    quint16 port() const;
    QAbstractSocket::SocketError serverError() const;
    QString errorString() const;

    // Holds every connection to its deadlines by the clock; a timer calls it every second.
    void sweep();
    int connections() const { return int(m_sessions.size()); }
    QList<Session *> sessions() const { return m_sessions; }
    // Bytes waiting to go out to every client.
    qint64 backlog() const;
    const Limits &limits() const { return m_limits; }
    quint32 now() const { return m_now(); }

private:
    friend class Session;
    void accept(QTcpSocket *socket);
    void ended(Session *session);

    Clock m_now;
    Limits m_limits;
    HttpHandler m_http;
    SocketHandler m_socket;
    QTcpServer *m_listener;
    QTimer *m_sweep;
    QList<Session *> m_sessions;
};

} // namespace net
