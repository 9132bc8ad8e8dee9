// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/Session.h"

#include "common/Platform.h"
#include "net/Log.h"
#include "net/RateLimit.h"
#include "net/Server.h"

#include <QCryptographicHash>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QtEndian>

#include <algorithm>
#include <sys/socket.h>

namespace net {
namespace {

enum Op : quint8 { Continuation = 0, Text = 1, Binary = 2, Close = 8, Ping = 9, Pong = 10 };

enum CloseCode : quint16 {
    Normal = 1000,
    ProtocolError = 1002,
    BadData = 1007,
    TooBig = 1009,
};

// What is read of a closing connection before it is cut: enough for a client to finish sending
// and read the answer, not enough to keep a flood going.
constexpr qint64 kMaxDiscarded = 1024 * 1024;

QByteArray acceptKey(const QByteArray &key)
{
    return QCryptographicHash::hash(QByteArray(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11"),
                                    QCryptographicHash::Sha1)
        .toBase64();
}

// Whether a browser page asking for the WebSocket is the one this server gave out.
bool ownOrigin(const Request &r)
{
    const QByteArray origin = r.value("Origin");
    if (origin.isEmpty()) // not a browser: it carries the token or nothing
        return true;
    const QUrl url(QString::fromLatin1(origin));
    return (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           url.userInfo().isEmpty() && url.path().isEmpty() &&
           url.authority().compare(QString::fromLatin1(r.value("Host")), Qt::CaseInsensitive) == 0;
}

} // namespace

Session::Session(QTcpSocket *socket, Server &server)
    : QObject(&server), m_tcp(socket), m_server(server), m_peer(plainAddress(socket->peerAddress())),
      m_peerPort(socket->peerPort()), m_since(server.now()), m_heard(m_since), m_progress(m_since)
{
    socket->setParent(this);
    // A state is a small write that must go at once, not wait for the last one's acknowledgement.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setReadBufferSize(64 * 1024);
    connect(socket, &QTcpSocket::readyRead, this, &Session::read);
    connect(socket, &QTcpSocket::bytesWritten, this, &Session::written);
    connect(socket, &QTcpSocket::disconnected, this, &Session::ended);
    connect(socket, &QTcpSocket::errorOccurred, this, [this] {
        if (m_tcp->state() == QAbstractSocket::UnconnectedState)
            ended();
    });
}

Session::~Session()
{
    if (m_tcp)
        m_tcp->disconnect(this);
}

qint64 Session::backlog() const
{
    return m_tcp->bytesToWrite() + (m_hasLatest ? m_latest.size() : 0);
}

Place Session::place() const
{
    const bool going = m_phase == Phase::Closing;
    return {m_peer, m_since, m_proven && !going, m_proven && waiting()};
}

bool Session::waiting() const
{
    return m_phase == Phase::Head && !m_started;
}

void Session::read()
{
    if (m_ended)
        return;
    const QByteArray got = m_tcp->readAll();
    if (m_phase == Phase::Closing) {
        m_discarded += got.size();
        if (m_discarded > kMaxDiscarded)
            abort();
        return;
    }
    m_heard = m_server.now();
    m_pinged = false;
    if (m_phase != Phase::WebSocket && !m_started) {
        m_started = true;
        m_since = m_heard;
    }
    m_in += got;
    if (m_phase == Phase::WebSocket)
        readFrames();
    else
        readHttp();
}

void Session::readHttp()
{
    const Limits &limits = m_server.limits();
    while (m_phase == Phase::Head || m_phase == Phase::Body) {
        if (m_phase == Phase::Head) {
            // An empty line or two between requests is allowed.
            while (m_in.startsWith("\r\n"))
                m_in.remove(0, 2);
            const qsizetype end = m_in.indexOf("\r\n\r\n");
            if (!plausibleStart(end < 0 ? QByteArrayView(m_in) : QByteArrayView(m_in).first(end)))
                return fail(Status::BadRequest, Texts::tr("The request is malformed."));
            if ((end < 0 && m_in.size() > limits.maxHead) || end > limits.maxHead)
                return fail(Status::RequestHeaderFieldsTooLarge,
                            Texts::tr("The request's header is too large."));
            if (end < 0)
                return;
            Head head = parseHead(QByteArrayView(m_in).first(end), limits.maxBody);
            m_in.remove(0, end + 4);
            if (!head.request)
                return fail(head.status, head.error);
            m_request = std::move(*head.request);
            m_request.peer = m_peer;
            m_bodyLength = head.bodyLength;
            m_closeAfter = head.close;
            m_phase = Phase::Body;
        }
        if (m_in.size() < m_bodyLength)
            return;
        m_request.content = m_in.left(m_bodyLength);
        m_in.remove(0, m_bodyLength);
        m_phase = Phase::Head;
        dispatch();
        if (m_phase == Phase::Head) {
            // The next request's time runs from now if it has begun already, else the idle time does.
            m_started = !m_in.isEmpty();
            m_since = m_server.now();
        }
    }
    if (m_phase == Phase::WebSocket && !m_in.isEmpty())
        readFrames();
}

void Session::dispatch()
{
    if (!m_request.value("Upgrade").isEmpty()) {
        if (!m_request.lists("Connection", "upgrade"))
            return fail(Status::BadRequest, Texts::tr("An upgrade needs \"Connection: Upgrade\"."));
        return upgrade();
    }
    Reply reply;
    if (m_server.m_http)
        m_server.m_http(m_request, reply);
    else
        reply = errorReply(Status::NotFound, Texts::tr("There is nothing here."));
    if (reply.proven)
        prove();
    reply.close = reply.close || m_closeAfter;
    m_tcp->write(reply.serialized());
    if (reply.close)
        finish();
}

void Session::upgrade()
{
    const Request &r = m_request;
    if (r.value("Upgrade").compare("websocket", Qt::CaseInsensitive) != 0 || r.method != "GET" ||
        QByteArray::fromBase64(r.value("Sec-WebSocket-Key")).size() != 16 || !r.content.isEmpty())
        return fail(Status::BadRequest, Texts::tr("The request is malformed."));
    if (r.value("Sec-WebSocket-Version") != "13") {
        Reply reply =
            errorReply(Status::UpgradeRequired, Texts::tr("Only WebSocket version 13 is spoken here."));
        reply.setHeader("Sec-WebSocket-Version", "13");
        m_tcp->write(reply.serialized());
        return finish();
    }
    // A page on another site may open a socket here from a browser that holds the token.
    if (!ownOrigin(r))
        return fail(Status::Forbidden, Texts::tr("A page from another site may not connect here."));
    m_tcp->write("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                 "Sec-WebSocket-Accept: " +
                 acceptKey(r.value("Sec-WebSocket-Key")) + "\r\n\r\n");
    m_phase = Phase::WebSocket;
    m_heard = m_progress = m_server.now();
    if (m_server.m_socket)
        m_server.m_socket(this);
    else
        close(Normal);
}

void Session::readFrames()
{
    while (m_phase == Phase::WebSocket && m_in.size() >= 2) {
        const auto b0 = quint8(m_in[0]);
        const auto b1 = quint8(m_in[1]);
        const bool fin = b0 & 0x80;
        const quint8 op = b0 & 0x0f;
        if (b0 & 0x70)
            return failSocket(ProtocolError, QStringLiteral("reserved bits set"));
        if (!(b1 & 0x80))
            return failSocket(ProtocolError, QStringLiteral("client frames must be masked"));
        qsizetype header = 2;
        quint64 length = b1 & 0x7f;
        if (length == 126) {
            if (m_in.size() < 4)
                return;
            length = qFromBigEndian<quint16>(m_in.constData() + 2);
            header = 4;
        } else if (length == 127) {
            if (m_in.size() < 10)
                return;
            length = qFromBigEndian<quint64>(m_in.constData() + 2);
            header = 10;
        }
        if ((op & 0x8) && (!fin || length > 125))
            return failSocket(ProtocolError, QStringLiteral("bad control frame"));
        if (!(op & 0x8) && length + quint64(m_message.size()) > quint64(m_server.limits().maxMessage))
            return failSocket(TooBig, QStringLiteral("message too big"));
        const qsizetype whole = header + 4 + qsizetype(length);
        if (m_in.size() < whole)
            return;
        const QByteArray mask = m_in.mid(header, 4);
        QByteArray payload = m_in.mid(header + 4, qsizetype(length));
        for (qsizetype i = 0; i < payload.size(); ++i)
            payload[i] = char(payload[i] ^ mask[i % 4]);
        m_in.remove(0, whole);
        if (!frame(op, fin, std::move(payload)))
            return;
    }
}

bool Session::frame(quint8 op, bool fin, QByteArray payload)
{
    switch (op) {
    case Ping:
        writeFrame(Pong, payload);
        return true;
    case Pong:
        return true;
    case Close: {
        if (payload.size() == 1) {
            failSocket(ProtocolError, QStringLiteral("bad close frame"));
            return false;
        }
        writeFrame(Close, payload.left(2));
        finish();
        return false;
    }
    case Continuation:
    case Text:
    case Binary:
        break;
    default:
        failSocket(ProtocolError, QStringLiteral("unknown opcode"));
        return false;
    }
    if ((op == Continuation) == (m_messageOp == 0)) {
        failSocket(ProtocolError, QStringLiteral("fragments out of order"));
        return false;
    }
    if (op != Continuation)
        m_messageOp = op;
    m_message += payload;
    if (!fin)
        return true;
    const QByteArray message = std::exchange(m_message, {});
    if (std::exchange(m_messageOp, 0) == Binary) {
        Q_EMIT binaryMessageReceived(message);
        return m_phase == Phase::WebSocket;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(message);
    if (utf8.hasError()) {
        failSocket(BadData, QStringLiteral("text is not UTF-8"));
        return false;
    }
    Q_EMIT textMessageReceived(text);
    return m_phase == Phase::WebSocket;
}

void Session::writeFrame(quint8 opcode, QByteArrayView payload, bool fin)
{
    QByteArray head(1, char((fin ? 0x80 : 0) | opcode));
    if (payload.size() < 126) {
        head += char(payload.size());
    } else if (payload.size() < 65536) {
        head += char(126);
        head.resize(4);
        qToBigEndian<quint16>(quint16(payload.size()), head.data() + 2);
    } else {
        head += char(127);
        head.resize(10);
        qToBigEndian<quint64>(quint64(payload.size()), head.data() + 2);
    }
    m_tcp->write(head + payload);
    if (m_tcp->bytesToWrite() > m_server.limits().maxBacklog) {
        qCInfo(lcNet) << "let go: a reader" << m_tcp->bytesToWrite() << "bytes behind," << m_peer;
        m_phase = Phase::Closing;
        // Not now: the caller may be going through every client.
        QMetaObject::invokeMethod(this, &Session::abort, Qt::QueuedConnection);
    }
}

void Session::sendText(const QByteArray &utf8)
{
    if (m_frameSize <= 0 || utf8.size() <= m_frameSize) {
        if (m_phase == Phase::WebSocket)
            writeFrame(Text, utf8);
        return;
    }
    const QByteArrayView all(utf8);
    for (qsizetype at = 0; at < all.size() && m_phase == Phase::WebSocket; at += m_frameSize)
        writeFrame(at == 0 ? Text : Continuation, all.sliced(at, std::min(m_frameSize, all.size() - at)),
                   at + m_frameSize >= all.size());
}

void Session::sendLatest(const QByteArray &utf8)
{
    if (m_phase != Phase::WebSocket)
        return;
    if (m_tcp->bytesToWrite() > m_server.limits().backlog) {
        m_latest = utf8;
        m_hasLatest = true;
        return;
    }
    writeFrame(Text, utf8);
}

void Session::written()
{
    m_progress = m_server.now();
    if (m_hasLatest && m_phase == Phase::WebSocket && m_tcp->bytesToWrite() <= m_server.limits().backlog) {
        m_hasLatest = false;
        writeFrame(Text, std::exchange(m_latest, {}));
    }
    // A closing connection says it will send no more once its last words are out, and reads what
    // the client still sends, so that the answer is not lost to a reset.
    if (m_phase == Phase::Closing && !m_shut && m_tcp->bytesToWrite() == 0 && m_tcp->isValid()) {
        m_shut = true;
        ::shutdown(int(m_tcp->socketDescriptor()), SHUT_WR);
    }
}

void Session::fail(Status status, const QString &why)
{
    qCInfo(lcNet) << "answered" << int(status) << why << "to" << m_peer;
    m_tcp->write(errorReply(status, why).serialized());
    finish();
}

void Session::failSocket(quint16 code, const QString &why)
{
    qCInfo(lcNet) << "WebSocket closed:" << code << why << m_peer;
    close(code, why);
}

void Session::close(quint16 code, const QString &reason)
{
    if (m_phase != Phase::WebSocket)
        return;
    QByteArray payload(2, 0);
    qToBigEndian<quint16>(code, payload.data());
    payload += reason.toUtf8().left(123);
    writeFrame(Close, payload);
    finish();
}

void Session::finish()
{
    m_phase = Phase::Closing;
    m_since = m_server.now();
    m_in.clear();
    m_hasLatest = false;
    if (m_tcp->bytesToWrite() == 0)
        written();
}

void Session::abort()
{
    m_tcp->abort();
    ended();
}

void Session::ended()
{
    if (std::exchange(m_ended, true))
        return;
    m_phase = Phase::Closing;
    Q_EMIT disconnected();
    m_server.ended(this);
}

void Session::sweep(quint32 now)
{
    const Limits &limits = m_server.limits();
    switch (m_phase) {
    case Phase::Head:
    case Phase::Body:
        if (m_started && elapsedMs(now, m_since) >= limits.requestMs)
            fail(Status::RequestTimeout, Texts::tr("The request took too long to arrive."));
        else if (!m_started && elapsedMs(now, m_since) >= limits.idleMs)
            abort();
        return;
    case Phase::WebSocket: {
        const qint32 quiet = elapsedMs(now, m_heard);
        if (m_tcp->bytesToWrite() == 0)
            m_progress = now;
        if (quiet >= 2 * limits.quietMs || elapsedMs(now, m_progress) >= 2 * limits.quietMs) {
            qCInfo(lcNet) << "let go: a WebSocket silent or not reading for" << quiet << "ms," << m_peer;
            abort();
        } else if (quiet >= limits.quietMs && !m_pinged) {
            m_pinged = true;
            writeFrame(Ping, {});
        }
        return;
    }
    case Phase::Closing:
        if (elapsedMs(now, m_since) >= limits.closingMs)
            abort();
        return;
    }
}

} // namespace net
