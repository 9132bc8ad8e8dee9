// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/Follower.h"

#include "follow/Log.h"

#include <algorithm>
#include <cmath>

namespace follow {

Follower::Follower(Prompter prompter, QObject *parent) : QObject(parent), m_prompter(std::move(prompter)) {}

void Follower::receive(const Message &message, quint32 now)
{
    if (const auto *w = std::get_if<Welcome>(&message)) {
        qCDebug(lcFollow) << "welcomed:" << w->script.rtf.size() << "bytes of script," << w->markers.size()
                          << "markers";
        // A leader back after a loss may be another process with another clock. Nor is the welcome's
        // time of use: over a slow link it was read long before the script was through.
        m_clock.reset();
        m_offset.reset();
        m_welcomedAt = now;
        m_chaser.forget();
        m_prompter.script(w->script.rtf);
        m_prompter.look(w->look);
        m_prompter.markers(w->markers);
        if (m_prompter.show)
            m_prompter.show(w->show);
        m_welcomed = true;
        follow(w->state);
    } else if (!m_welcomed) {
        if (const auto *p = std::get_if<Pong>(&message))
            m_clock.add(p->sent, p->received, now);
    } else if (const auto *s = std::get_if<Script>(&message)) {
        m_chaser.forget();
        m_prompter.script(s->rtf);
        follow(m_state);
    } else if (const auto *l = std::get_if<Look>(&message)) {
        m_prompter.look(*l);
    } else if (const auto *m = std::get_if<QList<Marker>>(&message)) {
        m_prompter.markers(*m);
    } else if (const auto *t = std::get_if<Talent>(&message)) {
        if (m_prompter.talent)
            m_prompter.talent(t->text);
    } else if (const auto *ti = std::get_if<Timers>(&message)) {
        if (m_prompter.timers)
            m_prompter.timers(*ti);
    } else if (const auto *sh = std::get_if<Show>(&message)) {
        if (m_prompter.show)
            m_prompter.show(*sh);
    } else if (const auto *st = std::get_if<State>(&message)) {
        follow(*st);
    } else if (const auto *p = std::get_if<Pong>(&message)) {
        // A trip begun before the welcome was through waited behind it.
        if (qint32(p->sent - m_welcomedAt) >= 0)
            m_clock.add(p->sent, p->received, now);
    }
}

void Follower::follow(const State &s)
{
    const bool changed =
        s.running != m_state.running || s.speed != m_state.speed || s.forward != m_state.forward;
    m_state = s;
    if (m_prompter.lineHeight)
        m_chaser.setJumpDistance(std::max(3 * m_prompter.lineHeight(), 600.0f));
    m_chaser.lead({s.time, m_prompter.topFor(s.place), s.running, s.speed, s.forward});
    if (changed || !m_welcomed)
        m_prompter.state(s);
}

Ping Follower::ping(quint32 now)
{
    return {m_nextPing++, now};
}

void Follower::relaid()
{
    if (m_welcomed)
        m_chaser.relaid(m_prompter.topFor(m_state.place));
}

void Follower::lose()
{
    // The last report stays the lead, on the clock last known: a running leader is assumed still
    // running at its speed.
    qCDebug(lcFollow) << "leader lost; going on at speed" << m_state.speed
                      << (m_state.running ? "running" : "stopped");
}

std::optional<float> Follower::frame(quint32 now, float shown)
{
    if (!m_welcomed || !m_clock.known())
        return std::nullopt;
    const double estimate = m_clock.offset();
    if (!m_offset) {
        m_offset = estimate;
    } else {
        const double most =
            std::max(1.0, kClockSlew * std::clamp(double(qint32(now - m_lastFrame)), 0.0, 100.0));
        *m_offset += std::clamp(estimate - *m_offset, -most, most);
    }
    m_lastFrame = now;
    return m_chaser.frame(now + quint32(qint32(std::lround(*m_offset))), now, shown);
}

} // namespace follow
