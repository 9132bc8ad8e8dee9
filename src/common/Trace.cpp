// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Trace.h"

#include <QMoveEvent>
#include <QTimerEvent>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace trace {
namespace {

std::FILE *openTrace()
{
    const char *path = std::getenv("CUESCROLL_TRACE");
    if (!path || !*path)
        return nullptr;
    std::FILE *f = std::fopen(path, "w");
    if (f)
        std::setvbuf(f, nullptr, _IOLBF, 0); // whole lines, so a killed program leaves a readable file
    return f;
}

std::FILE *file()
{
    static std::FILE *const f = openTrace();
    return f;
}

class MoveWatch : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            record('Y', static_cast<QMoveEvent *>(event)->pos().y());
        return false;
    }
};

class LoopWatch : public QObject
{
public:
    explicit LoopWatch(QObject *parent) : QObject(parent), m_last(nowUs())
    {
        m_timer = startTimer(kTickMs, Qt::PreciseTimer);
    }
    ~LoopWatch() override { check(); }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() == m_timer)
            check();
    }

private:
    static constexpr int kTickMs = 10;
    static constexpr qint64 kStallUs = 20'000;

    void check()
    {
        const qint64 now = nowUs();
        if (now - m_last > kStallUs)
            record('G', now - m_last);
        m_last = now;
        // A heartbeat, so that a program killed in a stall still shows where the stall began.
        if (now - m_beat >= kBeatUs) {
            record('H');
            m_beat = now;
        }
    }

    static constexpr qint64 kBeatUs = 100'000;
    int m_timer = 0;
    qint64 m_last;
    qint64 m_beat = 0;
};

// The program's first moment, for start-up figures.
const bool kStarted = [] {
    if (file())
        record('B');
    return true;
}();

} // namespace

bool enabled()
{
    return file() != nullptr;
}

qint64 nowUs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

void record(char kind, qint64 a, qint64 b)
{
    recordAgo(0, kind, a, b);
}

void recordAgo(qint64 agoUs, char kind, qint64 a, qint64 b)
{
    if (std::FILE *f = file())
        std::fprintf(f, "%c %lld %lld %lld\n", kind, static_cast<long long>(nowUs() - agoUs),
                     static_cast<long long>(a), static_cast<long long>(b));
}

void watchMoves(QObject *widget)
{
    if (enabled())
        widget->installEventFilter(new MoveWatch(widget));
}

void watchEventLoop(QObject *widget)
{
    if (enabled())
        new LoopWatch(widget);
}

} // namespace trace
