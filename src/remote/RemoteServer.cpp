// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RemoteServer.h"

#include "common/Platform.h"
#include "net/Session.h"
#include "net/Token.h"
#include "remote/Log.h"
#include "remote/PageTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QUdpSocket>

#include <algorithm>

namespace remote {
namespace {

const QLatin1String kApi("/api/v1/");
const QLatin1String kFollowPath("/api/v1/follow");

using net::plainAddress;
using Status = net::Status;

QByteArray errorJson(const QString &why)
{
    return net::errorBody(why);
}

void answer(net::Reply &r, Status status, const QByteArray &body = {},
            const QByteArray &type = "application/json", const QByteArray &policy = {})
{
    r.status = status;
    r.setHeader("Cache-Control", "no-store");
    r.setHeader("X-Content-Type-Options", "nosniff");
    // The page's address carries the token: it must not travel on as a referrer.
    r.setHeader("Referrer-Policy", "no-referrer");
    if (!policy.isEmpty())
        r.setHeader("Content-Security-Policy", policy);
    if (status == Status::Unauthorized)
        r.setHeader("WWW-Authenticate", "Bearer realm=\"Cuescroll\"");
    if (status == Status::NoContent)
        return;
    r.setHeader("Content-Type", type);
    r.body = body;
}

void refuse(net::Reply &r, Status status, const QString &why)
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
    case Reason::NoSuchStory:
    case Reason::NoSuchRunningOrder:
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

RemoteServer::RemoteServer(Platform &platform, QObject *parent) : QObject(parent), m_platform(platform) {}

RemoteServer::~RemoteServer()
{
    stop();
}

bool RemoteServer::start(const Options &options)
{
    stop();
    m_options = options;
    m_error = net::tokenProblem(QString::fromUtf8(options.token));
    if (!m_error.isEmpty())
        return false;
    auto server = std::make_unique<net::Server>([this] { return m_platform.timeGetTime(); }, this);
    if (!server->listen(options.address, options.port)) {
        m_error = server->serverError() == QAbstractSocket::AddressInUseError
                      ? tr("Port %1 is in use by another program.").arg(options.port)
                      : tr("Port %1 cannot be opened: %2").arg(options.port).arg(server->errorString());
        return false;
    }
    const quint16 port = server->port();
    if (options.osc) {
        m_osc = new QUdpSocket(this);
        if (!m_osc->bind(options.address, port)) {
            m_error = tr("OSC cannot listen on UDP port %1: %2").arg(port).arg(m_osc->errorString());
            delete m_osc;
            m_osc = nullptr;
            return false;
        }
        m_oscAllow = AddressList::parse(options.oscAllow);
        connect(m_osc, &QUdpSocket::readyRead, this, &RemoteServer::readOsc);
    }
    server->onRequest([this](const net::Request &request, net::Reply &reply) { handle(request, reply); });
    server->onWebSocket([this](net::Session *socket) { newWebSocket(socket); });
    m_server = server.release();
    qCInfo(lcRemote) << "listening on port" << port << (m_osc ? "with OSC" : "");
    return true;
}

void RemoteServer::stop()
{
    const bool hadDevices = !m_sockets.isEmpty();
    m_sockets.clear();
    delete m_server; // and with it every connection
    delete m_osc;
    m_osc = nullptr;
    if (hadDevices)
        Q_EMIT devicesChanged(0);
}

void RemoteServer::replaceToken(const QByteArray &token)
{
    m_options.token = token;
    const QList<net::Session *> sockets = std::exchange(m_sockets, {});
    for (net::Session *s : sockets) {
        s->disconnect(this);
        // The door ends the close handshake, or the connection when it is not answered.
        s->close(kCloseTokenReplaced, QStringLiteral("Token replaced"));
    }
    if (!sockets.isEmpty())
        Q_EMIT devicesChanged(0);
}

bool RemoteServer::listening() const
{
    return m_server && m_server->isListening();
}

quint16 RemoteServer::port() const
{
    return m_server ? m_server->port() : 0;
}

bool RemoteServer::oscListening() const
{
    return m_osc != nullptr;
}

void RemoteServer::handle(const net::Request &request, net::Reply &r)
{
    if (!m_rate.take(request.remoteAddress(), m_platform.timeGetTime())) {
        refuse(r, Status::TooManyRequests, tr("Too many requests; slow down."));
        return;
    }
    if (!net::carriesToken(request, m_options.token)) {
        refuse(r, Status::Unauthorized, tr("The token is missing or wrong."));
        return;
    }
    r.proven = true;
    if (request.body().size() > kMaxBody) {
        refuse(r, Status::PayloadTooLarge, tr("The body is larger than 16 KB."));
        return;
    }

    const QString path = request.url().path();
    const bool get = request.method == "GET";
    const bool post = request.method == "POST";
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
    bool allowed = post;
    if (api == QLatin1String("message")) {
        allowed = post || request.method == "DELETE";
        if (post)
            parsed = fromMessageBody(request.body());
        else
            parsed.command = Command{Verb::ClearMessage};
    } else if (api.startsWith(QLatin1String("action/"))) {
        const auto verb = actionNamed(api.mid(7));
        if (!verb)
            return refuse(r, Status::NotFound, tr("No such action."));
        parsed.command = Command{*verb, 0, 0};
    } else if (api == QLatin1String("speed")) {
        parsed = fromSpeedBody(request.body());
    } else if (api == QLatin1String("jump")) {
        parsed = fromJumpBody(request.body());
    } else if (api == QLatin1String("story")) {
        parsed = fromStoryBody(request.body());
    } else if (api == QLatin1String("target")) {
        parsed = fromTargetBody(request.body());
    } else if (api == QLatin1String("mos/runningorder")) {
        parsed = fromRunningOrderBody(request.body());
    } else {
        return refuse(r, Status::NotFound, tr("No such page."));
    }
    if (!allowed)
        return refuse(r, Status::MethodNotAllowed, tr("Only POST."));
    if (!parsed.command)
        return refuse(r, Status::BadRequest, parsed.error);
    if (const run::Answer a = carryOut(*parsed.command); a.refused())
        return refuse(r, statusOf(a), a.text);
    answer(r, Status::NoContent);
}

void RemoteServer::newWebSocket(net::Session *socket)
{
    const QString path = socket->request().url().path();
    const bool allowed = net::carriesToken(socket->request(), m_options.token);
    const bool follower = m_followers && path == kFollowPath;
    // Followers are bounded by the leader's count of them, not by their address's budget: many
    // prompters behind one address come back together after a leader's restart.
    if ((path != QLatin1String("/api/v1/ws") && !follower) || !allowed ||
        (!follower && !m_rate.take(socket->peerAddress(), m_platform.timeGetTime()))) {
        socket->close(1008, allowed ? QStringLiteral("404 Not Found") : QStringLiteral("401 Unauthorized"));
        return;
    }
    socket->prove();
    if (follower) {
        m_followers(socket);
        return;
    }
    connect(socket, &net::Session::textMessageReceived, this,
            [this, socket](const QString &text) { message(socket, text); });
    connect(socket, &net::Session::binaryMessageReceived, this, [socket] {
        socket->sendText(errorJson(tr("Messages are JSON text; binary ones are not taken.")));
    });
    connect(socket, &net::Session::disconnected, this, [this, socket] {
        if (m_sockets.removeOne(socket))
            Q_EMIT devicesChanged(devices());
    });
    m_sockets << socket;
    if (m_state)
        socket->sendLatest(m_state());
    Q_EMIT devicesChanged(devices());
}

void RemoteServer::message(net::Session *socket, const QString &text)
{
    if (!m_rate.take(socket->peerAddress(), m_platform.timeGetTime())) {
        socket->sendText(errorJson(tr("Too many requests; slow down.")));
        return;
    }
    const Parsed parsed = fromMessage(text.toUtf8());
    if (!parsed.command) {
        socket->sendText(errorJson(parsed.error));
        return;
    }
    if (parsed.command->verb == Verb::State) {
        if (m_state)
            socket->sendLatest(m_state());
        return;
    }
    if (const run::Answer a = carryOut(*parsed.command); a.refused())
        socket->sendText(refusalJson(a));
}

run::Answer RemoteServer::carryOut(const Command &command) const
{
    return m_commands ? m_commands(command) : run::Answer::done();
}

void RemoteServer::push(const QByteArray &state)
{
    for (net::Session *s : std::as_const(m_sockets))
        s->sendLatest(state);
}

void RemoteServer::broadcast(const QByteArray &event)
{
    for (net::Session *s : std::as_const(m_sockets))
        s->sendText(event);
}

void RemoteServer::readOsc()
{
    while (m_osc && m_osc->hasPendingDatagrams()) {
        const QNetworkDatagram d = m_osc->receiveDatagram(kMaxBody + 1);
        const QString from = plainAddress(d.senderAddress()).toString();
        if (!m_oscAllow.allows(d.senderAddress())) {
            Q_EMIT oscIgnored(tr("OSC from %1 ignored: the address is not allowed.").arg(from));
            continue;
        }
        if (!m_oscRate.take(d.senderAddress(), m_platform.timeGetTime()))
            continue;
        const Parsed parsed = fromOsc(d.data());
        if (!parsed.command) {
            Q_EMIT oscIgnored(tr("OSC from %1 ignored: %2").arg(from, parsed.error));
            continue;
        }
        if (parsed.command->verb == Verb::State) {
            Q_EMIT oscStateAsked(d.senderAddress(), quint16(d.senderPort()));
            continue;
        }
        if (const run::Answer a = carryOut(*parsed.command); a.refused())
            Q_EMIT oscIgnored(tr("OSC from %1 not carried out: %2").arg(from, a.text));
    }
}

} // namespace remote
