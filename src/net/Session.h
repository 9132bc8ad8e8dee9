// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/Admission.h"
#include "net/Http.h"

#include <QObject>

class QTcpSocket;

namespace net {

class Server;

// One client's connection: HTTP requests one after another, then perhaps a WebSocket. It belongs
// to its server from the first byte to the last, which times it and bounds what waits for it.
class Session : public QObject
{
    Q_OBJECT

public:
    Session(QTcpSocket *socket, Server &server);
    ~Session() override;

    QHostAddress peerAddress() const { return m_peer; }
    quint16 peerPort() const { return m_peerPort; }
    bool isWebSocket() const { return m_phase == Phase::WebSocket; }
    // The request that opened the WebSocket.
    const Request &request() const { return m_request; }
    QTcpSocket *socket() const { return m_tcp; }

    // A text message that must arrive whole and in order (a script, markers).
    void sendText(const QByteArray &utf8);
    // Messages longer than this go out in parts, so a reader on a slow link sees each part arrive.
    void setOutgoingFrameSize(qsizetype bytes) { m_frameSize = bytes; }
    // A state: while the reader lags, only the newest one waits.
    void sendLatest(const QByteArray &utf8);
    void close(quint16 code, const QString &reason = {});
    void abort();
    qint64 backlog() const;
    // The client showed it belongs (the token): it keeps its place when the door is full.
    void prove() { m_proven = true; }
    bool proven() const { return m_proven; }
    Place place() const;

Q_SIGNALS:
    void textMessageReceived(const QString &text);
    void binaryMessageReceived(const QByteArray &data);
    // Once, whichever side ended it; the server deletes the session soon after.
    void disconnected();

private:
    friend class Server;
    enum class Phase { Head, Body, WebSocket, Closing };

    void read();
    void readHttp();
    void dispatch();
    void upgrade();
    void readFrames();
    bool frame(quint8 opcode, bool fin, QByteArray payload);
    void fail(Status status, const QString &why);
    void failSocket(quint16 code, const QString &why);
    void finish();
    void writeFrame(quint8 opcode, QByteArrayView payload, bool fin = true);
    void written();
    void ended();
    void sweep(quint32 now);
    bool waiting() const; // between requests, with nothing half-read

    QTcpSocket *m_tcp;
    Server &m_server;
    QHostAddress m_peer;
    quint16 m_peerPort = 0;
    Phase m_phase = Phase::Head;
    QByteArray m_in;
    Request m_request;
    qsizetype m_bodyLength = 0;
    bool m_closeAfter = false;
    bool m_started = true; // a request has begun (a new connection's first one, from the start)
    quint32 m_since;       // when the request began, the last answer went, or the closing began
    quint32 m_heard;       // the last bytes from the client
    quint32 m_progress;    // the last bytes that went out, or when nothing waited
    bool m_pinged = false;
    QByteArray m_message;
    quint8 m_messageOp = 0;
    QByteArray m_latest;
    qsizetype m_frameSize = 0; // 0: every message in one frame
    bool m_hasLatest = false;
    bool m_shut = false;
    qint64 m_discarded = 0;
    bool m_ended = false;
    bool m_proven = false;
};

} // namespace net
