// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/Rundown.h"

#include <QDateTime>
#include <QtGlobal>

#include <array>
#include <optional>

// The show's clocks against its plan. Time is the program's millisecond counter, read by the
// caller; the wall clock is read once and carried forward on that counter, so that every figure
// moves with the same clock.
namespace show {

inline constexpr int kSpeeds = 16;

struct Timings
{
    int elapsed = 0;      // seconds since the show started (its first Start)
    int storyElapsed = 0; // since the story on air came on
    int storyToGo = 0;    // reading what is left of it
    int showToGo = 0;
    int overUnder = 0;            // positive: the show ends before its target
    bool planned = false;         // there is a target: the stories' planned times or one set
    QTime endTime;                // on the wall clock
    std::optional<int> paceSpeed; // the slowest speed that ends in time
    double rate = 0;              // words a second the estimates take
    bool measured = false;        // the rate is the presenter's own
    friend bool operator==(const Timings &, const Timings &) = default;
};

struct Place
{
    int storyWordsToGo = 0;
    int showWordsToGo = 0;
    int plannedSeconds = -1; // the stories' planned times together; below 0: none planned
    // Words a second the script passes the reading line at each speed, 1 to 16.
    std::array<double, kSpeeds> speedRates{};
    int speed = 1;
};

class ShowTimers
{
public:
    // Read long enough: this many seconds of running and words, and the rate is the presenter's.
    static constexpr int kMeasureSeconds = 30;
    static constexpr int kMeasureWords = 40;

    // The first call sets the wall clock's reading against the counter's.
    void setWallClock(quint32 now, const QDateTime &wall);
    bool started() const { return m_started; }
    // Start: the first one starts the show.
    void start(quint32 now);
    void reset(); // a new show, not yet started
    void storyOnAir(quint32 now);
    void setTarget(const Target &target) { m_target = target; }
    const Target &target() const { return m_target; }
    // Where the reading line stands, in words read from the show's start, and whether it runs.
    void reading(quint32 now, int wordsRead, bool running);

    Timings read(quint32 now, const Place &place) const;
    QDateTime wallAt(quint32 now) const;

private:
    bool m_started = false;
    quint32 m_start = 0;
    quint32 m_story = 0;
    Target m_target;
    bool m_wallSet = false;
    quint32 m_wallTick = 0;
    QDateTime m_wall;
    // The presenter's rate: words passed while running, and how long that took.
    bool m_lastRunning = false;
    quint32 m_lastTick = 0;
    int m_lastWords = 0;
    qint64 m_runMs = 0;
    qint64 m_runWords = 0;
};

} // namespace show
