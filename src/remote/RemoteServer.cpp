// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RemoteServer.h"

#include "common/Platform.h"
#include "remote/Log.h"
#include "remote/PageTexts.h"

#include <QAbstractHttpServer>
#include <QCoreApplication>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <QUrlQuery>
#include <QWebSocket>

#include <algorithm>

namespace remote {
namespace {

// A request's head and body together: the most of one held in memory.
constexpr qint64 kMaxRequestBytes = kMaxBody + 16 * 1024;
constexpr int kIdleMs = 30000;
const QLatin1String kApi("/api/v1/");

QHostAddress plain(const QHostAddress &a)
{
    bool isV4 = false;
    const quint32 v4 = a.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : a;
}

QByteArray errorJson(const QString &why)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("error"), why}}).toJson(QJsonDocument::Compact);
}

using Status = QHttpServerResponder::StatusCode;

void answer(QHttpServerResponder &r, Status status, const QByteArray &body = {},
            const QByteArray &type = "application/json", const QByteArray &policy = {})
{
    r.writeStatusLine(status);
    r.writeHeader("Cache-Control", "no-store");
    r.writeHeader("X-Content-Type-Options", "nosniff");
    // The page's address carries the token: it must not travel on as a referrer.
    r.writeHeader("Referrer-Policy", "no-referrer");
    if (!policy.isEmpty())
        r.writeHeader("Content-Security-Policy", policy);
    if (status == Status::Unauthorized)
        r.writeHeader("WWW-Authenticate", "Bearer realm=\"Cuescroll\"");
    if (status == Status::NoContent) {
        r.writeBody(QByteArray());
        return;
    }
    r.writeHeader("Content-Type", type);
    r.writeHeader("Content-Length", QByteArray::number(body.size()));
    r.writeBody(body);
}

void refuse(QHttpServerResponder &r, Status status, const QString &why)
{
    answer(r, status, errorJson(why));
}

// A command not carried out: 404 for what is not there, 400 for a value out of range, 409 for what
// the prompter cannot do now.
Status statusOf(const run::Answer &a)
{
    using Reason = run::Answer::Reason;
    switch (a.reason) {
    case Reason::NoSuchMarker:
        return Status::NotFound;
    case Reason::OutOfRange:
        return Status::BadRequest;
    default:
        return Status::Conflict;
    }
}

QByteArray refusalJson(const run::Answer &a)
{
    return QJsonDocument(
               QJsonObject{{QStringLiteral("error"), a.text}, {QStringLiteral("status"), int(statusOf(a))}})
        .toJson(QJsonDocument::Compact);
}

// The page's own files, served only from the program's resources.
struct PageFile
{
    const char *path;
    const char *resource;
    const char *type;
};
constexpr PageFile kPage[] = {
    {"/", ":/remote/index.html", "text/html; charset=utf-8"},
    {"/index.html", ":/remote/index.html", "text/html; charset=utf-8"},
    {"/remote.js", ":/remote/remote.js", "text/javascript; charset=utf-8"},
    {"/remote.css", ":/remote/remote.css", "text/css; charset=utf-8"},
};

QByteArray resource(const char *path)
{
    QFile f(QString::fromLatin1(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The page may talk back only to the host it came from; the Host header names it.
QByteArray pagePolicy(const QByteArray &host)
{
    static const QRegularExpression safeHost(QStringLiteral("^[A-Za-z0-9.:\\[\\]-]{1,255}$"));
    QByteArray connect = "'self'";
    if (safeHost.match(QString::fromLatin1(host)).hasMatch())
        connect += " ws://" + host + " wss://" + host;
    return "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src " + connect +
           "; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
}

} // namespace

AddressList AddressList::parse(const QString &text)
{
    AddressList list;
    const QStringList entries =
        text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(entry);
        if (subnet.first.isNull()) {
            const QHostAddress single(entry);
            if (single.isNull()) {
                qCWarning(lcRemote) << "OscAllow: not an address:" << entry;
                continue;
            }
            subnet = {single, single.protocol() == QAbstractSocket::IPv6Protocol ? 128 : 32};
        }
        list.m_subnets << subnet;
    }
    return list;
}

bool AddressList::allows(const QHostAddress &address) const
{
    const QHostAddress from = plain(address);
    if (m_subnets.isEmpty()) // this machine, by any of its addresses
        return from.isLoopback() || QNetworkInterface::allAddresses().contains(from);
    return std::any_of(m_subnets.begin(), m_subnets.end(), [&](const auto &s) { return from.isInSubnet(s); });
}

bool RateLimit::take(const QHostAddress &from, quint32 now)
{
    if (m_buckets.size() > 4096) // a sweep of spoofed sources must not grow this for ever
        m_buckets.clear();
    const QString key = plain(from).toString();
    auto it = m_buckets.find(key);
    if (it == m_buckets.end())
        it = m_buckets.insert(key, Bucket{kBurst, now});
    Bucket &b = *it;
    const qint32 elapsed = std::max<qint32>(0, elapsedMs(now, b.last));
    b.tokens = std::min(kBurst, b.tokens + elapsed * kPerSecond / 1000.0);
    b.last = now;
    if (b.tokens < 1)
        return false;
    b.tokens -= 1;
    return true;
}

// Qt's HTTP server hands each complete request here.
class HttpEndpoint final : public QAbstractHttpServer
{
public:
    explicit HttpEndpoint(RemoteServer &server) : m_server(server) {}

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override
    {
        // Qt upgrades it once this says it is handled; nothing may be written to it here. Its token
        // and address are checked on the WebSocket.
        if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
            return true;
        m_server.handle(request, socket);
        return true;
    }
    void missingHandler(const QHttpServerRequest &, QTcpSocket *) override {}

private:
    RemoteServer &m_server;
    friend class remote::RemoteServer;
    using QAbstractHttpServer::makeResponder;
};

// Takes connections for the HTTP server, and refuses those beyond the limit before Qt reads them.
class Listener final : public QTcpServer
{
public:
    // `upgraded`: whether a connection now carries a WebSocket, which may be quiet for as long as it likes.
    Listener(QObject *parent, std::function<bool(const QTcpSocket &)> upgraded)
        : QTcpServer(parent), m_upgraded(std::move(upgraded))
    {}

protected:
    void incomingConnection(qintptr descriptor) override
    {
        m_open.removeIf([](const QPointer<QTcpSocket> &s) {
            return !s || s->state() == QAbstractSocket::UnconnectedState;
        });
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        if (m_open.size() >= RemoteServer::kMaxConnections) {
            qCInfo(lcRemote) << "connection refused: already" << m_open.size();
            socket->write(
                "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            return;
        }
        // Qt's HTTP server keeps a request in the socket's buffer until it is complete; a full buffer
        // is a request larger than any it would answer, and is cut off rather than left hanging.
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            if (socket->bytesAvailable() >= kMaxRequestBytes) {
                qCInfo(lcRemote) << "connection cut: request over" << kMaxRequestBytes << "bytes";
                QTimer::singleShot(0, socket, &QTcpSocket::abort);
            }
        });
        // A connection that says nothing for a while gives its place to another, so that idle or
        // trickling ones cannot hold all of them.
        auto *idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(kIdleMs);
        connect(socket, &QTcpSocket::readyRead, idle, qOverload<>(&QTimer::start));
        connect(idle, &QTimer::timeout, socket, [this, socket] {
            if (!m_upgraded(*socket))
                socket->abort();
        });
        idle->start();
        socket->setReadBufferSize(kMaxRequestBytes);
        // A state is a small write that must go at once, not wait for the last one's acknowledgement.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_open << socket;
        addPendingConnection(socket);
    }

private:
    std::function<bool(const QTcpSocket &)> m_upgraded;
    QList<QPointer<QTcpSocket>> m_open;
};

RemoteServer::RemoteServer(Platform &platform, QObject *parent) : QObject(parent), m_platform(platform) {}

RemoteServer::~RemoteServer()
{
    stop();
}

bool RemoteServer::start(const Options &options)
{
    stop();
    m_options = options;
    m_error.clear();
    auto *listener = new Listener(this, [this](const QTcpSocket &s) {
        return std::any_of(m_sockets.begin(), m_sockets.end(), [&](const QWebSocket *w) {
            return w->peerPort() == s.peerPort() && w->peerAddress() == s.peerAddress();
        });
    });
    if (!listener->listen(options.address, options.port)) {
        m_error = listener->serverError() == QAbstractSocket::AddressInUseError
                      ? tr("Port %1 is in use by another program.").arg(options.port)
                      : tr("Port %1 cannot be opened: %2").arg(options.port).arg(listener->errorString());
        delete listener;
        return false;
    }
    const quint16 port = listener->serverPort();
    if (options.osc) {
        m_osc = new QUdpSocket(this);
        if (!m_osc->bind(options.address, port)) {
            m_error = tr("OSC cannot listen on UDP port %1: %2").arg(port).arg(m_osc->errorString());
            delete m_osc;
            m_osc = nullptr;
            delete listener;
            return false;
        }
        m_oscAllow = AddressList::parse(options.oscAllow);
        connect(m_osc, &QUdpSocket::readyRead, this, &RemoteServer::readOsc);
    }
    m_listener = listener;
    m_http = std::make_unique<HttpEndpoint>(*this);
    connect(m_http.get(), &QAbstractHttpServer::newWebSocketConnection, this, &RemoteServer::newWebSocket);
    m_http->bind(listener);
    qCInfo(lcRemote) << "listening on port" << port << (m_osc ? "with OSC" : "");
    return true;
}

void RemoteServer::stop()
{
    const bool hadDevices = !m_sockets.isEmpty();
    const QList<QWebSocket *> sockets = std::exchange(m_sockets, {});
    for (QWebSocket *s : sockets) {
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
    m_http.reset();
    delete m_listener; // and with it every HTTP connection
    delete m_osc;
    m_osc = nullptr;
    if (hadDevices)
        Q_EMIT devicesChanged(0);
}

void RemoteServer::replaceToken(const QByteArray &token)
{
    m_options.token = token;
    const QList<QWebSocket *> sockets = std::exchange(m_sockets, {});
    for (QWebSocket *s : sockets) {
        s->disconnect(this);
        connect(s, &QWebSocket::disconnected, s, &QObject::deleteLater);
        s->close(QWebSocketProtocol::CloseCode(kCloseTokenReplaced), QStringLiteral("Token replaced"));
        QTimer::singleShot(5000, s, &QWebSocket::abort); // one that never answers the close
    }
    if (!sockets.isEmpty())
        Q_EMIT devicesChanged(0);
}

bool RemoteServer::listening() const
{
    return m_listener && m_listener->isListening();
}

quint16 RemoteServer::port() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

bool RemoteServer::oscListening() const
{
    return m_osc != nullptr;
}

bool RemoteServer::tokenMatches(const QByteArray &given) const
{
    const QByteArray &token = m_options.token;
    if (token.isEmpty() || given.size() != token.size())
        return false;
    // Every byte compared, so the time taken tells nothing of how much was right.
    unsigned char diff = 0;
    for (qsizetype i = 0; i < token.size(); ++i)
        diff |= static_cast<unsigned char>(given[i] ^ token[i]);
    return diff == 0;
}

bool RemoteServer::authorised(const QHttpServerRequest &request) const
{
    const QByteArray header = request.value("Authorization").trimmed();
    if (header.size() > 7 && header.left(7).compare("Bearer ", Qt::CaseInsensitive) == 0)
        return tokenMatches(header.mid(7).trimmed());
    return tokenMatches(request.query().queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8());
}

void RemoteServer::handle(const QHttpServerRequest &request, QTcpSocket *socket)
{
    QHttpServerResponder r = HttpEndpoint::makeResponder(request, socket);
    if (!m_rate.take(request.remoteAddress(), m_platform.timeGetTime())) {
        refuse(r, Status::TooManyRequests, tr("Too many requests; slow down."));
        return;
    }
    if (!authorised(request)) {
        refuse(r, Status::Unauthorized, tr("The token is missing or wrong."));
        return;
    }
    if (request.body().size() > kMaxBody) {
        refuse(r, Status::PayloadTooLarge, tr("The body is larger than 16 KB."));
        return;
    }

    const QString path = request.url().path();
    const bool get = request.method() == QHttpServerRequest::Method::Get;
    const bool post = request.method() == QHttpServerRequest::Method::Post;
    for (const PageFile &f : kPage) {
        if (path != QLatin1String(f.path))
            continue;
        if (!get)
            return refuse(r, Status::MethodNotAllowed, tr("Only GET."));
        QByteArray body = resource(f.resource);
        // The page's own files are asked for with the token it was opened with.
        body.replace("__TOKEN__", QUrl::toPercentEncoding(QString::fromUtf8(m_options.token)));
        if (QByteArray(f.type).startsWith("text/html"))
            body = localizePage(std::move(body));
        return answer(r, Status::Ok, body, f.type, pagePolicy(request.value("Host")));
    }
    if (!path.startsWith(kApi))
        return refuse(r, Status::NotFound, tr("No such page."));

    const QStringView api = QStringView(path).mid(kApi.size());
    if (api == QLatin1String("state")) {
        if (!get)
            return refuse(r, Status::MethodNotAllowed, tr("Only GET."));
        return answer(r, Status::Ok, m_state ? m_state() : QByteArray("{}"));
    }
    if (api == QLatin1String("ws"))
        return refuse(r, Status::UpgradeRequired, tr("This address takes WebSocket connections."));

    Parsed parsed;
    if (api.startsWith(QLatin1String("action/"))) {
        const auto verb = actionNamed(api.mid(7));
        if (!verb)
            return refuse(r, Status::NotFound, tr("No such action."));
        parsed.command = Command{*verb, 0, 0};
    } else if (api == QLatin1String("speed")) {
        parsed = fromSpeedBody(request.body());
    } else if (api == QLatin1String("jump")) {
        parsed = fromJumpBody(request.body());
    } else {
        return refuse(r, Status::NotFound, tr("No such page."));
    }
    if (!post)
        return refuse(r, Status::MethodNotAllowed, tr("Only POST."));
    if (!parsed.command)
        return refuse(r, Status::BadRequest, parsed.error);
    if (const run::Answer a = carryOut(*parsed.command); a.refused())
        return refuse(r, statusOf(a), a.text);
    answer(r, Status::NoContent);
}

void RemoteServer::newWebSocket()
{
    while (m_http && m_http->hasPendingWebSocketConnections()) {
        QWebSocket *socket = m_http->nextPendingWebSocketConnection().release();
        socket->setParent(this);
        const QNetworkRequest request = socket->request();
        const QUrl url = request.url();
        const QByteArray header = request.rawHeader("Authorization").trimmed();
        const bool bearer = header.size() > 7 && header.left(7).compare("Bearer ", Qt::CaseInsensitive) == 0;
        const bool allowed =
            bearer ? tokenMatches(header.mid(7).trimmed())
                   : tokenMatches(
                         QUrlQuery(url).queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8());
        const bool follower = m_followers && url.path() == QLatin1String("/api/v1/follow");
        if ((url.path() != QLatin1String("/api/v1/ws") && !follower) || !allowed ||
            !m_rate.take(socket->peerAddress(), m_platform.timeGetTime())) {
            // The handshake is Qt's own; all that is left is to close at once, saying why.
            connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
            // Once Qt has finished the handshake it is still inside.
            QTimer::singleShot(0, socket, [socket, allowed] {
                socket->close(QWebSocketProtocol::CloseCodePolicyViolated,
                              allowed ? QStringLiteral("404 Not Found") : QStringLiteral("401 Unauthorized"));
            });
            // One that never answers the close is not kept waiting for.
            QTimer::singleShot(5000, socket, &QWebSocket::abort);
            continue;
        }
        socket->setMaxAllowedIncomingMessageSize(kMaxBody);
        socket->setMaxAllowedIncomingFrameSize(kMaxBody);
        if (follower) {
            m_followers(socket);
            continue;
        }
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString &text) { message(socket, text); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            if (m_sockets.removeOne(socket)) {
                socket->deleteLater();
                Q_EMIT devicesChanged(devices());
            }
        });
        m_sockets << socket;
        if (m_state)
            socket->sendTextMessage(QString::fromUtf8(m_state()));
        Q_EMIT devicesChanged(devices());
    }
}

void RemoteServer::message(QWebSocket *socket, const QString &text)
{
    if (!m_rate.take(socket->peerAddress(), m_platform.timeGetTime())) {
        socket->sendTextMessage(QString::fromUtf8(errorJson(tr("Too many requests; slow down."))));
        return;
    }
    const Parsed parsed = fromMessage(text.toUtf8());
    if (!parsed.command) {
        socket->sendTextMessage(QString::fromUtf8(errorJson(parsed.error)));
        return;
    }
    if (parsed.command->verb == Verb::State) {
        if (m_state)
            socket->sendTextMessage(QString::fromUtf8(m_state()));
        return;
    }
    if (const run::Answer a = carryOut(*parsed.command); a.refused())
        socket->sendTextMessage(QString::fromUtf8(refusalJson(a)));
}

run::Answer RemoteServer::carryOut(const Command &command) const
{
    return m_commands ? m_commands(command) : run::Answer::done();
}

void RemoteServer::push(const QByteArray &state)
{
    if (m_sockets.isEmpty())
        return;
    const QString text = QString::fromUtf8(state);
    for (QWebSocket *s : std::as_const(m_sockets))
        s->sendTextMessage(text);
}

void RemoteServer::readOsc()
{
    while (m_osc && m_osc->hasPendingDatagrams()) {
        const QNetworkDatagram d = m_osc->receiveDatagram(kMaxBody + 1);
        const QString from = plain(d.senderAddress()).toString();
        if (!m_oscAllow.allows(d.senderAddress())) {
            Q_EMIT oscIgnored(tr("OSC from %1 ignored: the address is not allowed.").arg(from));
            continue;
        }
        if (!m_rate.take(d.senderAddress(), m_platform.timeGetTime()))
            continue;
        const Parsed parsed = fromOsc(d.data());
        if (!parsed.command) {
            Q_EMIT oscIgnored(tr("OSC from %1 ignored: %2").arg(from, parsed.error));
            continue;
        }
        if (const run::Answer a = carryOut(*parsed.command); a.refused())
            Q_EMIT oscIgnored(tr("OSC from %1 not carried out: %2").arg(from, a.text));
    }
}

} // namespace remote
