// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QObject;

// Timing records for the measurement script (bench/measure-gui). Switched on by naming a file in
// the environment variable CUESCROLL_TRACE; when it is unset every call is one test of a constant.
// Each record is one line: a kind letter, microseconds on the monotonic clock, and two numbers.
namespace trace {

bool enabled();

// Microseconds on CLOCK_MONOTONIC (the clock a script reads as its own monotonic time).
qint64 nowUs();

void record(char kind, qint64 a = 0, qint64 b = 0);
// A record of something that happened `agoUs` microseconds before now.
void recordAgo(qint64 agoUs, char kind, qint64 a = 0, qint64 b = 0);

// Records every move of the widget as 'Y' with its new pixel top.
void watchMoves(QObject *widget);

// Records as 'G' each stretch of more than 20 ms, a frame missed, (in microseconds) in which the event
// loop of the widget's thread ran no timer: the window answered nothing. The last stretch is recorded when
// the widget goes; an 'H' every 100 ms shows where a stall began in a program killed during it.
void watchEventLoop(QObject *widget);

// Times a stretch of work and records it as `kind` with its duration in microseconds.
class Span
{
public:
    explicit Span(char kind, qint64 detail = 0)
        : m_kind(kind), m_detail(detail), m_start(enabled() ? nowUs() : 0)
    {}
    ~Span()
    {
        if (m_start)
            record(m_kind, nowUs() - m_start, m_detail);
    }
    Span(const Span &) = delete;
    Span &operator=(const Span &) = delete;

private:
    char m_kind;
    qint64 m_detail;
    qint64 m_start;
};

} // namespace trace
