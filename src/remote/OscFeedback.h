// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Platform;
class QTimer;
class QUdpSocket;

namespace remote {

// What a control desk lights its buttons from.
struct Feedback
{
    bool running = false;
    int speed = 1;
    bool up = true;
    int story = 1;       // 1-based, the story on air
    double progress = 0; // 0 to 1
    QString timeToGo;
    double overUnder = 0; // seconds, positive when under the plan
    QString message;      // shown to the talent; empty: none
    friend bool operator==(const Feedback &, const Feedback &) = default;
};

// A figure estimated afresh at every step (over/under) jitters by seconds: what is shown moves at
// most once in kGapMs, then to the latest value, but at once by kJump or more.
class SteadyFigure
{
public:
    static constexpr quint32 kGapMs = 5000;
    static constexpr double kJump = 30;
    double take(double raw, quint32 now);
    void reset() { m_shown.reset(); }

private:
    std::optional<double> m_shown;
    quint32 m_since = 0;
};

// The values of `now` that differ from `before` (all of them without one), each as an OSC message
// under /cuescroll/state/ in a datagram of its own.
QList<QByteArray> feedbackPackets(const Feedback &now, const std::optional<Feedback> &before = {});

struct OscTarget
{
    QString host;
    quint16 port = 0;
    friend bool operator==(const OscTarget &, const OscTarget &) = default;
};
// "192.168.1.30:9000 desk.local:8000 [::1]:9000"; entries it cannot read are left out.
QList<OscTarget> parseOscTargets(const QString &text);

// Pushes the state as OSC to the desks in the settings, and answers a desk that asks for it.
class OscFeedback : public QObject
{
    Q_OBJECT

public:
    // Values that move while the script runs go out at most this often; the others at once.
    static constexpr int kGapMs = 100;
    // Answers to /cuescroll/state in one second, whoever asks: an answer is never a flood.
    static constexpr int kAnswersPerSecond = 10;
    // And to one address at most one a second: a forged query turns into a trickle, never a flood.
    static constexpr int kAnswerGapMs = 1000;

    OscFeedback(Platform &platform, std::function<Feedback()> source, QObject *parent = nullptr);
    ~OscFeedback() override;

    // The desks from now on; each hears the whole state first.
    void setTargets(const QString &text);
    int targets() const { return int(m_targets.size()); }
    // Something changed; `moving`: a value that changes all the time while running.
    void changed(bool moving);
    // The timer's handler: every desk hears what changed since it last heard.
    void pushNow();
    // The whole state to the one who asked, if answers are left this second.
    bool answer(const QHostAddress &to, quint16 port);
    // While held (the prompter not yet laid out), nothing is pushed: the first push is the true state.
    void hold(bool held);

private:
    struct Target
    {
        OscTarget asked;
        QHostAddress address; // null until the name is resolved
        std::optional<Feedback> heard;
    };
    void send(const QList<QByteArray> &packets, const QHostAddress &to, quint16 port);

    Platform &m_platform;
    std::function<Feedback()> m_source;
    QUdpSocket *m_socket;
    QTimer *m_timer;
    QList<Target> m_targets;
    quint32 m_lastPush = 0;
    quint32 m_answerSecond = 0;
    int m_answers = 0;
    QHash<QHostAddress, quint32> m_answered; // when each address was last answered
    bool m_held = false;
    int m_lookups = 0; // bumped by each setTargets, so that a late lookup of old targets is dropped
};

} // namespace remote
