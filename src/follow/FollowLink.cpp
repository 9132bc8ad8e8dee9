// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/FollowLink.h"

#include "follow/Log.h"
#include "follow/RunChannel.h"
#include "net/RateLimit.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkRequest>
#include <QTimer>
#include <QUdpSocket>
#include <QUrlQuery>
#include <QWebSocket>

namespace follow {

FollowLink::FollowLink(std::function<quint32()> now, QObject *parent)
    : QObject(parent), m_now(std::move(now)), m_retry(new QTimer(this)), m_ping(new QTimer(this)),
      m_silence(new QTimer(this)), m_attempt(new QTimer(this))
{
    m_retry->setSingleShot(true);
    m_attempt->setSingleShot(true);
    m_attempt->setInterval(kAttemptMs);
    connect(m_attempt, &QTimer::timeout, this, [this] {
        if (m_connected)
            return;
        dropSocket();
        m_retry->start(retryDelay(m_failures++));
    });
    // The silence is measured on the link's own clock, which a test may move by hand.
    m_silence->setInterval(kSilenceCheckMs);
    connect(m_retry, &QTimer::timeout, this, &FollowLink::connectNow);
    connect(m_ping, &QTimer::timeout, this, &FollowLink::sendPing);
    connect(m_silence, &QTimer::timeout, this, [this] {
        if (qint32(m_now() - m_heard) < kSilenceMs)
            return;
        qCDebug(lcFollow) << "leader silent for" << kSilenceMs << "ms";
        m_silence->stop();
        if (m_socket)
            m_socket->abort();
    });
}

FollowLink::~FollowLink()
{
    close();
}

std::optional<QUrl> FollowLink::addressOf(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    QUrl url;
    if (t.contains(QLatin1String("://"))) {
        url = QUrl(t, QUrl::StrictMode);
    } else {
        // A bare IPv6 address has colons of its own and no port.
        const QHostAddress bare(t);
        url = QUrl(QStringLiteral("ws://") + (bare.protocol() == QAbstractSocket::IPv6Protocol
                                                  ? QLatin1Char('[') + t + QLatin1Char(']')
                                                  : t),
                   QUrl::StrictMode);
    }
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("ws") && url.scheme() != QLatin1String("wss")) ||
        !url.userInfo().isEmpty())
        return std::nullopt;
    if (url.port() == -1)
        url.setPort(kDefaultPort);
    if (url.path().isEmpty() || url.path() == QLatin1String("/"))
        url.setPath(QLatin1String(kPath));
    return url;
}

int FollowLink::retryDelay(int failures)
{
    int delay = kFirstRetryMs;
    for (int i = 0; i < failures && delay < kLongestRetryMs; ++i)
        delay *= 2;
    return std::min(delay, kLongestRetryMs);
}

void FollowLink::open(const QUrl &url, const QString &token)
{
    close();
    m_url = url;
    m_token = token;
    m_open = true;
    m_failures = 0;
    connectNow();
}

void FollowLink::close()
{
    m_open = false;
    m_retry->stop();
    m_ping->stop();
    m_silence->stop();
    m_attempt->stop();
    dropSocket();
    m_connected = false;
}

void FollowLink::dropSocket()
{
    closeChannel();
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}

void FollowLink::connectNow()
{
    if (!m_open)
        return;
    dropSocket();
    m_socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
    connect(m_socket, &QWebSocket::connected, this, &FollowLink::onConnected);
    connect(m_socket, &QWebSocket::disconnected, this, &FollowLink::onDisconnected);
    connect(m_socket, &QWebSocket::textMessageReceived, this, &FollowLink::onText);
    connect(m_socket, &QWebSocket::textFrameReceived, this, [this] { m_heard = m_now(); });
    QNetworkRequest request(m_url);
    if (!m_token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + m_token.toUtf8());
    m_socket->open(request);
    m_attempt->start();
}

void FollowLink::onConnected()
{
    qCDebug(lcFollow) << "linked to" << m_url.toDisplayString();
    m_connected = true;
    m_failures = 0;
    m_attempt->stop();
    m_heard = m_now();
    m_silence->start();
    quickPings();
    Q_EMIT linked();
}

void FollowLink::onDisconnected()
{
    const bool was = m_connected;
    m_connected = false;
    m_ping->stop();
    m_silence->stop();
    m_attempt->stop();
    const QWebSocketProtocol::CloseCode code =
        m_socket ? m_socket->closeCode() : QWebSocketProtocol::CloseCodeNormal;
    if (code == QWebSocketProtocol::CloseCodePolicyViolated) {
        m_open = false;
        // Leaders refuse a token this way; a prompter's remote control also a feed it does not serve.
        const QString reason = m_socket->closeReason();
        Q_EMIT refused(reason.contains(QLatin1String("404")) ? Refusal::NotLeading : Refusal::Token, reason);
        return;
    }
    if (was)
        Q_EMIT lost();
    if (!m_open)
        return;
    m_retry->start(retryDelay(m_failures++));
}

void FollowLink::onText(const QString &text)
{
    const quint32 now = m_now();
    m_heard = now;
    const std::optional<Message> m = decode(text.toUtf8());
    if (!m)
        return;
    if (const auto *w = std::get_if<Welcome>(&*m)) {
        if (!m_ownId.isEmpty() && w->leader == m_ownId) {
            qCInfo(lcFollow) << m_url.toDisplayString() << "is this prompter itself";
            close();
            Q_EMIT refused(Refusal::Self, QString());
            return;
        }
        // Trips timed while the welcome was on its way queued behind it: the clock is learnt afresh.
        quickPings();
        // A new connection, perhaps to a leader started again: its count starts afresh.
        m_lastSeq = w->state.seq;
        closeChannel();
    } else if (const auto *c = std::get_if<Channel>(&*m)) {
        openChannel(*c);
    }
    take(*m, now);
}

void FollowLink::take(const Message &message, quint32 now)
{
    if (const auto *s = std::get_if<State>(&message); s && s->seq != 0) {
        if (!run_channel::newer(s->seq, m_lastSeq))
            return;
        m_lastSeq = s->seq;
    }
    Q_EMIT received(message, now);
}

quint16 FollowLink::datagramPort() const
{
    return m_udp ? m_udp->localPort() : 0;
}

void FollowLink::openChannel(const Channel &channel)
{
    closeChannel();
    if (!m_socket)
        return;
    m_leaderAddress = net::plainAddress(m_socket->peerAddress());
    m_leaderPort = channel.port;
    m_nonce = channel.nonce;
    m_key = run_channel::key(m_token.toUtf8(), channel.nonce);
    m_offeredAt = m_now();
    m_udp = new QUdpSocket(this);
    if (!m_udp->bind(m_leaderAddress.protocol() == QAbstractSocket::IPv6Protocol ? QHostAddress::AnyIPv6
                                                                                 : QHostAddress::AnyIPv4,
                     0)) {
        qCInfo(lcFollow) << "no run channel:" << m_udp->errorString();
        closeChannel();
        return;
    }
    connect(m_udp, &QUdpSocket::readyRead, this, &FollowLink::readDatagrams);
    sayHello();
}

void FollowLink::closeChannel()
{
    delete m_udp;
    m_udp = nullptr;
    m_nonce.clear();
    m_key.clear();
    m_datagramsHeard = false;
    m_toldReaching = false;
}

void FollowLink::sayHello()
{
    if (!m_udp)
        return;
    m_udp->writeDatagram(run_channel::hello(m_nonce, ++m_helloCount, m_key), m_leaderAddress, m_leaderPort);
    if (!m_datagramsHeard && !m_toldReaching && qint32(m_now() - m_offeredAt) >= kReachMs) {
        qCInfo(lcFollow) << "the leader's datagrams do not reach us: its states come by the WebSocket";
        m_toldReaching = true;
        send(Reaching{false});
    }
}

void FollowLink::readDatagrams()
{
    while (m_udp && m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram in = m_udp->receiveDatagram(run_channel::kMaxBytes + 1);
        // Anything else than a state sealed for this connection, from the leader's port, is nothing.
        if (net::plainAddress(in.senderAddress()) != m_leaderAddress || in.senderPort() != m_leaderPort)
            continue;
        const std::optional<run_channel::Datagram> d = run_channel::open(in.data(), m_key);
        if (!d || d->kind != run_channel::Kind::State || d->nonce != m_nonce)
            continue;
        const std::optional<Message> m = decode(d->body);
        if (!m || !std::holds_alternative<State>(*m))
            continue;
        if (!m_datagramsHeard) {
            m_datagramsHeard = true;
            m_toldReaching = true;
            send(Reaching{true});
        }
        take(*m, m_now());
    }
}

void FollowLink::send(const Message &message)
{
    if (m_socket && m_connected)
        m_socket->sendTextMessage(QString::fromUtf8(encode(message)));
}

void FollowLink::quickPings()
{
    m_pingsSent = 0;
    sendPing();
    m_ping->start(kPingMs / kQuickPings);
}

void FollowLink::sendPing()
{
    send(Ping{++m_pingId, m_now()});
    // The hello keeps the leader sending, and a path through a router open.
    if (m_pingsSent >= kQuickPings - 1)
        sayHello();
    if (++m_pingsSent == kQuickPings)
        m_ping->start(kPingMs);
}

} // namespace follow
