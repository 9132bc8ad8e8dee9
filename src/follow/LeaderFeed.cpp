// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/LeaderFeed.h"

#include "follow/Log.h"
#include "follow/RunChannel.h"
#include "net/Session.h"

#include <QMetaMethod>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QTimer>
#include <QUdpSocket>
#include <QUuid>

namespace follow {

LeaderFeed::LeaderFeed(Prompter prompter, QObject *parent)
    : QObject(parent), m_prompter(std::move(prompter)), m_report(new QTimer(this)),
      m_copies(new QTimer(this)), m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_report->setTimerType(Qt::PreciseTimer);
    connect(m_report, &QTimer::timeout, this, &LeaderFeed::report);
    m_copies->setTimerType(Qt::PreciseTimer);
    m_copies->setInterval(run_channel::kCopyMs);
    connect(m_copies, &QTimer::timeout, this, [this] {
        sendDatagrams(m_lastSent);
        if (--m_copiesLeft <= 0)
            m_copies->stop();
    });
}

LeaderFeed::~LeaderFeed()
{
    for (const QPointer<net::Session> &s : std::as_const(m_sockets)) {
        if (s) {
            s->disconnect(this);
            s->close(1001); // going away
        }
    }
}

Welcome LeaderFeed::welcome() const
{
    return {{m_prompter.script()},
            m_prompter.look(),
            m_prompter.markers(),
            m_prompter.state(),
            m_id,
            m_prompter.show ? m_prompter.show().value_or(Show{}) : Show{}};
}

void LeaderFeed::addFollower(net::Session *socket)
{
    if (followers() >= kMaxFollowers) {
        qCInfo(lcFollow) << "follower refused: already" << followers();
        socket->close(1013, QStringLiteral("Too many followers"));
        return;
    }
    socket->setOutgoingFrameSize(kFrameBytes);
    m_sockets.append(socket);
    qCDebug(lcFollow) << "follower from" << socket->peerAddress().toString() << "port" << socket->peerPort();
    connect(socket, &net::Session::textMessageReceived, this, [this, socket](const QString &text) {
        if (!m_rate.take(socket->peerAddress(), socket->peerPort(), m_prompter.now())) {
            qCDebug(lcFollow) << "a follower's message dropped: too many";
            return;
        }
        const QByteArray bytes = text.toUtf8();
        if (const std::optional<Message> m = decode(bytes); m && std::holds_alternative<Reaching>(*m)) {
            if (auto it = m_channels.find(socket); it != m_channels.end()) {
                it->reaching = std::get<Reaching>(*m).reaching;
                qCDebug(lcFollow) << "datagrams reach a follower:" << it->reaching;
            }
            return;
        }
        if (const std::optional<Message> reply = answer(bytes))
            socket->sendText(encode(*reply));
    });
    connect(socket, &net::Session::disconnected, this, [this, socket] {
        m_channels.remove(socket);
        m_sockets.removeAll(socket);
        qCDebug(lcFollow) << "follower gone;" << m_sockets.size() << "left";
        Q_EMIT followersChanged(followers());
        scheduleReport();
    });
    Welcome w = welcome();
    w.state.seq = ++m_seq;
    m_lastSent = w.state;
    socket->sendText(encode(w));
    // Also when there is none: a follower back after a loss may still show one cleared meanwhile.
    socket->sendText(encode(Talent{m_prompter.talent ? m_prompter.talent() : QString()}));
    if (m_prompter.timers)
        socket->sendText(encode(m_prompter.timers()));
    offerChannel(socket);
    Q_EMIT followersChanged(followers());
    scheduleReport();
}

void LeaderFeed::dropFollowers()
{
    for (const QPointer<net::Session> &s : std::as_const(m_sockets)) {
        if (s)
            s->close(1001); // going away
    }
}

int LeaderFeed::followers() const
{
    return int(m_sockets.size());
}

std::optional<Message> LeaderFeed::answer(const QByteArray &text)
{
    const std::optional<Message> m = decode(text);
    if (!m)
        return std::nullopt;
    if (const auto *p = std::get_if<Ping>(&*m))
        return Pong{p->id, p->sent, m_prompter.now()};
    if (const auto *c = std::get_if<Command>(&*m)) {
        qCDebug(lcFollow) << "command from a follower:" << c->name << c->value;
        m_prompter.command(*c);
    }
    return std::nullopt;
}

bool LeaderFeed::heard() const
{
    return !m_sockets.isEmpty() || isSignalConnected(QMetaMethod::fromSignal(&LeaderFeed::broadcasting));
}

void LeaderFeed::broadcast(const Message &message)
{
    if (!heard())
        return;
    const QByteArray bytes = encode(message);
    Q_EMIT broadcasting(bytes);
    // A follower that reads slowly gets the newest state, not every one, but all of the rest.
    const bool state = std::holds_alternative<State>(message);
    for (const QPointer<net::Session> &s : std::as_const(m_sockets)) {
        if (s && state)
            s->sendLatest(bytes);
        else if (s)
            s->sendText(bytes);
    }
}

void LeaderFeed::stateChanged()
{
    // Finding the place costs a few lookups in the layout: not at every frame of a prompter that
    // nobody follows.
    if (!heard())
        return;
    const State s = m_prompter.state();
    // A moving script changes place at every frame; the timer reports that. Anything else at once.
    State was = m_lastSent;
    was.time = s.time;
    was.place = s.place;
    if (was == s && s.running)
        return;
    report();
    // A change goes again by datagram shortly, in case one was lost; the report timer's do not.
    m_copiesLeft = run_channel::kCopies - 1;
    m_copies->start();
}

void LeaderFeed::report()
{
    State s = m_prompter.state();
    s.seq = ++m_seq;
    m_lastSent = s;
    broadcast(s);
    sendDatagrams(s);
    scheduleReport();
}

bool LeaderFeed::listenDatagrams(const QHostAddress &address, quint16 port, const QString &token)
{
    stopDatagrams();
    m_udp = new QUdpSocket(this);
    // The remote control's OSC may hold the port: then any other, as the follower is told it.
    if (!m_udp->bind(address, port) && !m_udp->bind(address, 0)) {
        qCInfo(lcFollow) << "no run channel:" << m_udp->errorString();
        stopDatagrams();
        return false;
    }
    m_token = token.toUtf8();
    connect(m_udp, &QUdpSocket::readyRead, this, &LeaderFeed::readDatagrams);
    qCDebug(lcFollow) << "run channel on UDP port" << m_udp->localPort();
    return true;
}

void LeaderFeed::stopDatagrams()
{
    delete m_udp;
    m_udp = nullptr;
    m_channels.clear();
    m_token.clear();
}

quint16 LeaderFeed::datagramPort() const
{
    return m_udp ? m_udp->localPort() : 0;
}

int LeaderFeed::reached() const
{
    return int(
        std::count_if(m_channels.begin(), m_channels.end(), [](const Channel &c) { return c.reaching; }));
}

void LeaderFeed::offerChannel(net::Session *socket)
{
    if (!m_udp || m_token.isEmpty())
        return;
    Channel c;
    c.nonce.resize(kNonceBytes);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(c.nonce.data()), kNonceBytes / 4);
    c.key = run_channel::key(m_token, c.nonce);
    c.peer = net::plainAddress(socket->peerAddress());
    m_channels.insert(socket, c);
    socket->sendText(encode(follow::Channel{m_udp->localPort(), c.nonce}));
}

void LeaderFeed::readDatagrams()
{
    while (m_udp && m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram in = m_udp->receiveDatagram(run_channel::kMaxBytes + 1);
        const quint32 now = m_prompter.now();
        // Anything not a sealed hello from a follower's own address goes unanswered and unremarked.
        const std::optional<QByteArray> nonce = run_channel::nonceOf(in.data());
        if (!nonce || !m_datagramRate.take(in.senderAddress(), quint16(in.senderPort()), now))
            continue;
        const auto it = std::find_if(m_channels.begin(), m_channels.end(),
                                     [&](const Channel &c) { return c.nonce == *nonce; });
        if (it == m_channels.end())
            continue;
        const std::optional<run_channel::Datagram> d = run_channel::open(in.data(), it->key);
        if (!d || d->kind != run_channel::Kind::Hello ||
            (it->hello && !run_channel::newer(d->count, it->count)) ||
            net::plainAddress(in.senderAddress()) != it->peer)
            continue;
        it->hello = true;
        it->count = d->count;
        it->heard = now;
        it->to = in.senderAddress();
        it->toPort = quint16(in.senderPort());
        // The answer, the newest state, is never longer than the hello.
        const QByteArray state = run_channel::seal(
            {run_channel::Kind::State, it->nonce, m_lastSent.seq, encode(m_lastSent)}, it->key);
        if (state.size() <= in.data().size())
            m_udp->writeDatagram(state, it->to, it->toPort);
    }
}

void LeaderFeed::sendDatagrams(const State &s)
{
    if (!m_udp || m_channels.isEmpty())
        return;
    const quint32 now = m_prompter.now();
    const QByteArray body = encode(s);
    for (const Channel &c : std::as_const(m_channels)) {
        if (c.hello && qint32(now - c.heard) < run_channel::kHelloLifeMs)
            m_udp->writeDatagram(run_channel::seal({run_channel::Kind::State, c.nonce, s.seq, body}, c.key),
                                 c.to, c.toPort);
    }
}

void LeaderFeed::scheduleReport()
{
    if (m_sockets.isEmpty()) {
        m_report->stop();
        return;
    }
    m_report->start(m_lastSent.running ? kRunningReportMs : kStoppedReportMs);
}

void LeaderFeed::scriptChanged()
{
    // Written out only for someone to read: a long script takes a while.
    if (heard())
        broadcast(Script{m_prompter.script()});
    report();
}

void LeaderFeed::lookChanged()
{
    // A new look recolours and refonts every character: the script goes again with it.
    if (heard())
        broadcast(Script{m_prompter.script()});
    broadcast(m_prompter.look());
    report();
}

void LeaderFeed::markersChanged()
{
    broadcast(m_prompter.markers());
}

void LeaderFeed::showChanged()
{
    // Told after the script it belongs to, once it is laid out; a rundown changed in nothing a
    // follower shows goes nowhere.
    std::optional<Show> show = m_prompter.show ? m_prompter.show() : Show{};
    if (!show || *show == m_lastShow)
        return;
    m_lastShow = std::move(*show);
    broadcast(m_lastShow);
}

void LeaderFeed::timersChanged()
{
    // At most once a sample of the show's timers, and only when they say something new.
    if (!heard() || !m_prompter.timers)
        return;
    Timers t = m_prompter.timers();
    if (t == m_lastTimers)
        return;
    m_lastTimers = t;
    broadcast(t);
}

void LeaderFeed::talentChanged()
{
    broadcast(Talent{m_prompter.talent ? m_prompter.talent() : QString()});
}

} // namespace follow
