// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/ShowTimers.h"

#include <algorithm>
#include <cmath>

namespace show {
namespace {

int seconds(quint32 later, quint32 earlier)
{
    return static_cast<qint32>(later - earlier) / 1000;
}

int secondsFor(int words, double rate)
{
    return rate > 0 ? int(std::lround(words / rate)) : 0;
}

} // namespace

void ShowTimers::setWallClock(quint32 now, const QDateTime &wall)
{
    m_wallSet = true;
    m_wallTick = now;
    m_wall = wall;
}

QDateTime ShowTimers::wallAt(quint32 now) const
{
    return m_wall.addMSecs(static_cast<qint32>(now - m_wallTick));
}

void ShowTimers::start(quint32 now)
{
    if (m_started)
        return;
    m_started = true;
    m_start = now;
    m_story = now;
}

void ShowTimers::reset()
{
    const Target target = m_target;
    const bool wallSet = m_wallSet;
    const quint32 wallTick = m_wallTick;
    const QDateTime wall = m_wall;
    *this = ShowTimers();
    m_target = target;
    m_wallSet = wallSet;
    m_wallTick = wallTick;
    m_wall = wall;
}

void ShowTimers::storyOnAir(quint32 now)
{
    m_story = now;
}

void ShowTimers::reading(quint32 now, int wordsRead, bool running)
{
    // Only what is read forward while running tells the rate; a jump is no reading.
    if (m_lastRunning && running) {
        const qint64 ms = static_cast<qint32>(now - m_lastTick);
        const int words = wordsRead - m_lastWords;
        if (ms > 0 && words >= 0 && words < 20 * std::max<qint64>(1, ms / 1000)) {
            m_runMs += ms;
            m_runWords += words;
        }
    }
    m_lastRunning = running;
    m_lastTick = now;
    m_lastWords = wordsRead;
}

Timings ShowTimers::read(quint32 now, const Place &place) const
{
    Timings t;
    const int speed = std::clamp(place.speed, 1, kSpeeds);
    t.measured = m_runMs >= kMeasureSeconds * 1000 && m_runWords >= kMeasureWords;
    t.rate = t.measured ? m_runWords * 1000.0 / m_runMs : place.speedRates[speed - 1];
    if (m_started) {
        t.elapsed = std::max(0, seconds(now, m_start));
        t.storyElapsed = std::max(0, seconds(now, m_story));
    }
    t.storyToGo = secondsFor(place.storyWordsToGo, t.rate);
    t.showToGo = secondsFor(place.showWordsToGo, t.rate);
    const QDateTime wallNow = wallAt(now);
    const QDateTime end = wallNow.addSecs(t.showToGo);
    t.endTime = end.time();

    // Seconds left to the target from now, if there is one.
    std::optional<qint64> left;
    switch (m_target.kind) {
    case Target::Kind::End: {
        QDateTime target(wallNow.date(), QTime::fromMSecsSinceStartOfDay(m_target.seconds * 1000));
        // An end time more than twelve hours past is tomorrow's (a show across midnight).
        if (target.secsTo(wallNow) > 12 * 3600)
            target = target.addDays(1);
        left = wallNow.secsTo(target);
        break;
    }
    case Target::Kind::Duration:
        left = qint64(m_target.seconds) - t.elapsed;
        break;
    case Target::Kind::Plan:
        if (place.plannedSeconds >= 0)
            left = qint64(place.plannedSeconds) - t.elapsed;
        break;
    }
    if (!left)
        return t;
    t.planned = true;
    t.overUnder = int(std::clamp<qint64>(*left - t.showToGo, -1000000000, 1000000000));
    if (place.showWordsToGo > 0 && *left > 0) {
        const double needed = double(place.showWordsToGo) / double(*left);
        // The presenter's own rate is read at this speed: the other speeds in the same proportion, so
        // that the pace and the over or under speak of the same rate.
        const double here = place.speedRates[speed - 1];
        const double scale = t.measured && here > 0 ? t.rate / here : 1.0;
        for (int s = 1; s <= kSpeeds; ++s) {
            if (place.speedRates[s - 1] * scale >= needed) {
                t.paceSpeed = s;
                break;
            }
        }
    }
    return t;
}

} // namespace show
