// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/OscFeedback.h"

#include "common/Platform.h"
#include "remote/Log.h"

#include <QHostInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <cmath>
#include <lo/lo_lowlevel.h>
#include <memory>

namespace remote {

namespace {

// A message's text is cut here, so that an answer stays one small datagram each.
constexpr qsizetype kMostText = 200;

struct LoMessageFree
{
    void operator()(lo_message m) const { lo_message_free(m); }
};
using Message = std::unique_ptr<std::remove_pointer_t<lo_message>, LoMessageFree>;

QByteArray serialised(const char *path, const Message &m)
{
    QByteArray out(qsizetype(lo_message_length(m.get(), path)), Qt::Uninitialized);
    size_t size = size_t(out.size());
    lo_message_serialise(m.get(), path, out.data(), &size);
    return out;
}

QByteArray intMessage(const char *path, int value)
{
    Message m(lo_message_new());
    lo_message_add_int32(m.get(), value);
    return serialised(path, m);
}

QByteArray floatMessage(const char *path, double value)
{
    Message m(lo_message_new());
    lo_message_add_float(m.get(), float(value));
    return serialised(path, m);
}

QByteArray textMessage(const char *path, const QString &value)
{
    Message m(lo_message_new());
    lo_message_add_string(m.get(), value.left(kMostText).toUtf8().constData());
    return serialised(path, m);
}

} // namespace

double SteadyFigure::take(double raw, quint32 now)
{
    const double whole = std::round(raw);
    // A real change (a new target, a story dropped) is far beyond the jitter: shown at once.
    const bool jump = m_shown && std::abs(whole - *m_shown) >= kJump;
    if (!m_shown || jump || (whole != *m_shown && now - m_since >= kGapMs)) {
        m_shown = whole;
        m_since = now;
    }
    return *m_shown;
}

QList<QByteArray> feedbackPackets(const Feedback &now, const std::optional<Feedback> &before)
{
    QList<QByteArray> out;
    const auto differs = [&](auto member) { return !before || now.*member != (*before).*member; };
    if (differs(&Feedback::running))
        out << intMessage("/cuescroll/state/running", now.running ? 1 : 0);
    if (differs(&Feedback::speed))
        out << intMessage("/cuescroll/state/speed", now.speed);
    if (differs(&Feedback::up))
        out << textMessage("/cuescroll/state/direction",
                           now.up ? QStringLiteral("up") : QStringLiteral("down"));
    if (differs(&Feedback::story))
        out << intMessage("/cuescroll/state/story", now.story);
    if (differs(&Feedback::progress))
        out << floatMessage("/cuescroll/state/progress", now.progress);
    if (differs(&Feedback::timeToGo))
        out << textMessage("/cuescroll/state/timetogo", now.timeToGo);
    if (differs(&Feedback::overUnder))
        out << floatMessage("/cuescroll/state/overunder", now.overUnder);
    if (differs(&Feedback::message))
        out << textMessage("/cuescroll/state/message", now.message);
    return out;
}

QList<OscTarget> parseOscTargets(const QString &text)
{
    static const QRegularExpression entry(QStringLiteral(R"(^(?:\[([^\]]+)\]|([^:\[\]]+)):(\d{1,5})$)"));
    QList<OscTarget> out;
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = entry.match(part);
        const int port = m.hasMatch() ? m.captured(3).toInt() : 0;
        if (port < 1 || port > 65535) {
            qCWarning(lcRemote) << "OscFeedback: not host:port:" << part;
            continue;
        }
        const OscTarget t{m.captured(1).isEmpty() ? m.captured(2) : m.captured(1), quint16(port)};
        if (!out.contains(t))
            out << t;
    }
    return out;
}

OscFeedback::OscFeedback(Platform &platform, std::function<Feedback()> source, QObject *parent)
    : QObject(parent), m_platform(platform), m_source(std::move(source)), m_socket(new QUdpSocket(this)),
      m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &OscFeedback::pushNow);
}

OscFeedback::~OscFeedback() = default;

void OscFeedback::setTargets(const QString &text)
{
    m_targets.clear();
    const int lookup = ++m_lookups;
    for (const OscTarget &t : parseOscTargets(text)) {
        m_targets << Target{t, QHostAddress(t.host), std::nullopt};
        if (!m_targets.last().address.isNull())
            continue;
        // A name is looked up once, without holding the window up meanwhile.
        QPointer<OscFeedback> self(this);
        QHostInfo::lookupHost(t.host, this, [self, lookup, t](const QHostInfo &info) {
            if (!self || self->m_lookups != lookup)
                return;
            if (info.addresses().isEmpty()) {
                qCWarning(lcRemote) << "OscFeedback: cannot find" << t.host;
                return;
            }
            for (Target &target : self->m_targets) {
                if (target.asked == t)
                    target.address = info.addresses().constFirst();
            }
            self->changed(false);
        });
    }
    changed(false);
}

void OscFeedback::hold(bool held)
{
    m_held = held;
    if (!held)
        changed(false);
}

void OscFeedback::changed(bool moving)
{
    if (m_targets.isEmpty() || m_held)
        return;
    int delay = 0;
    if (moving) {
        if (m_timer->isActive())
            return; // already due, and it will tell the latest
        delay = std::clamp(kGapMs - elapsedMs(m_platform.timeGetTime(), m_lastPush), 0, kGapMs);
    }
    // Changes in one turn of the event loop go out together.
    if (!m_timer->isActive() || m_timer->remainingTime() > delay)
        m_timer->start(delay);
}

void OscFeedback::pushNow()
{
    m_timer->stop();
    if (m_held)
        return;
    m_lastPush = m_platform.timeGetTime();
    const Feedback now = m_source();
    for (Target &t : m_targets) {
        if (t.address.isNull())
            continue;
        send(feedbackPackets(now, t.heard), t.address, t.asked.port);
        t.heard = now;
    }
}

bool OscFeedback::answer(const QHostAddress &to, quint16 port)
{
    const quint32 now = m_platform.timeGetTime();
    const quint32 second = now / 1000;
    if (second != m_answerSecond) {
        m_answerSecond = second;
        m_answers = 0;
        // Only those answered within the gap are worth remembering.
        m_answered.removeIf([now](const auto &it) { return elapsedMs(now, it.value()) >= kAnswerGapMs; });
    }
    const auto last = m_answered.constFind(to);
    if (m_answers >= kAnswersPerSecond || port == 0 ||
        (last != m_answered.cend() && elapsedMs(now, *last) < kAnswerGapMs))
        return false;
    ++m_answers;
    m_answered.insert(to, now);
    send(feedbackPackets(m_source()), to, port);
    return true;
}

void OscFeedback::send(const QList<QByteArray> &packets, const QHostAddress &to, quint16 port)
{
    for (const QByteArray &p : packets)
        m_socket->writeDatagram(p, to, port);
}

} // namespace remote
