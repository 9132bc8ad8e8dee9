// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/LeaderFeed.h"

#include "follow/Log.h"
#include "net/Session.h"

#include <QMetaMethod>
#include <QTimer>
#include <QUuid>

namespace follow {

LeaderFeed::LeaderFeed(Prompter prompter, QObject *parent)
    : QObject(parent), m_prompter(std::move(prompter)), m_report(new QTimer(this)),
      m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_report->setTimerType(Qt::PreciseTimer);
    connect(m_report, &QTimer::timeout, this, &LeaderFeed::report);
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
    return {{m_prompter.script()}, m_prompter.look(), m_prompter.markers(), m_prompter.state(), m_id};
}

void LeaderFeed::addFollower(net::Session *socket)
{
    socket->setOutgoingFrameSize(kFrameBytes);
    m_sockets.append(socket);
    qCDebug(lcFollow) << "follower from" << socket->peerAddress().toString() << "port" << socket->peerPort();
    connect(socket, &net::Session::textMessageReceived, this, [this, socket](const QString &text) {
        if (!m_rate.take(socket->peerAddress(), m_prompter.now())) {
            qCDebug(lcFollow) << "a follower's message dropped: too many";
            return;
        }
        if (const std::optional<Message> reply = answer(text.toUtf8()))
            socket->sendText(encode(*reply));
    });
    connect(socket, &net::Session::disconnected, this, [this, socket] {
        m_sockets.removeAll(socket);
        qCDebug(lcFollow) << "follower gone;" << m_sockets.size() << "left";
        Q_EMIT followersChanged(followers());
        scheduleReport();
    });
    const Welcome w = welcome();
    m_lastSent = w.state;
    socket->sendText(encode(w));
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
}

void LeaderFeed::report()
{
    const State s = m_prompter.state();
    m_lastSent = s;
    broadcast(s);
    scheduleReport();
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
    broadcast(Script{m_prompter.script()});
    report();
}

void LeaderFeed::lookChanged()
{
    // A new look recolours and refonts every character: the script goes again with it.
    broadcast(Script{m_prompter.script()});
    broadcast(m_prompter.look());
    report();
}

void LeaderFeed::markersChanged()
{
    broadcast(m_prompter.markers());
}

} // namespace follow
