// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scroll/ScrollClock.h"

#include "common/Platform.h"
#include "scroll/Log.h"
#include "scroll/ScriptView.h"
#include "scroll/ScrollEngine.h"
#include "scroll/TwipUnits.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
QTimer *designedTimer(QObject *parent, const char *name)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setTimerType(Qt::PreciseTimer);
    return t;
}
// After the frame's timer, long enough for the frame to have been painted first.
constexpr int kJumpAfterFrameMs = 2;
// The longest a running clock sleeps between frames: the steps due are taken in frames, and more
// than four steps late counts as a stall.
constexpr double kLongestRestMs = 50;
} // namespace

ScrollClock::ScrollClock(Platform &platform, QObject *parent, ScriptView &view, bool frameSync, Hooks hooks)
    : QObject(parent), timTick(designedTimer(parent ? parent : this, "timTick")),
      timFrame(designedTimer(parent ? parent : this, "timFrame")), timJump(new QTimer(this)),
      m_platform(platform), m_view(view), m_frameSync(frameSync), m_hooks(std::move(hooks))
{
    timTick->setInterval(1);
    timFrame->setSingleShot(true);
    timJump->setSingleShot(true);
    timJump->setTimerType(Qt::PreciseTimer);
    connect(timJump, &QTimer::timeout, this, &ScrollClock::timJump_Timer);
    connect(timTick, &QTimer::timeout, this, &ScrollClock::timTick_Timer);
    connect(timFrame, &QTimer::timeout, this, &ScrollClock::timFrame_Timer);
}

void ScrollClock::start(quint32 tick)
{
    lLastTick = static_cast<qint32>(tick);
    m_ticking = true;
    if (m_frameSync) {
        startFrames();
        return;
    }
    timTick->start();
    scheduleTick();
}

void ScrollClock::stop()
{
    m_ticking = false;
    timTick->stop();
    timTick->setInterval(1);
}

bool ScrollClock::ticking() const
{
    return m_ticking;
}

quint32 ScrollClock::stepLateness() const
{
    return m_stepAt ? quint32(elapsedMs(m_platform.timeGetTime(), *m_stepAt)) : 0u;
}

void ScrollClock::release()
{
    m_ticking = false;
    timTick->stop();
    timFrame->stop();
    if (std::exchange(m_heldShift, 0.f) != 0.f || timJump->isActive())
        timJump_Timer();
}

// The clock wakes when the next step is due rather than every millisecond: the step still comes at
// the first millisecond at least 20 ms after the previous one.
void ScrollClock::scheduleTick()
{
    if (!timTick->isActive())
        return;
    // A millisecond early: the clock reads whole milliseconds, so a wake-up due in n of them may
    // come almost one late; the tick one before the due one re-arms at 1 ms and catches it.
    const qint32 wait = scroll::kStepIntervalMs - elapsedMs(m_platform.timeGetTime(), quint32(lLastTick)) - 1;
    const int interval = std::clamp(wait, 1, scroll::kStepIntervalMs);
    if (timTick->interval() != interval)
        timTick->start(interval);
}

void ScrollClock::timTick_Timer()
{
    if (elapsedMs(m_platform.timeGetTime(), quint32(lLastTick)) < scroll::kStepIntervalMs) {
        m_hooks.waiting();
        scheduleTick();
        return;
    }
    lLastTick = static_cast<qint32>(m_platform.timeGetTime());
    m_hooks.step();
    scheduleTick();
}

// The steps due by now, each at the moment it fell due, so that the glide between them is as even as
// if a timer of their own had woken for each. After a stall the clock goes on from now, as a late
// timer would, rather than catching up.
void ScrollClock::stepsDue()
{
    const quint32 now = m_platform.timeGetTime();
    if (elapsedMs(now, quint32(lLastTick)) < scroll::kStepIntervalMs) {
        m_hooks.waiting();
        return;
    }
    for (int i = 0; i < 4 && m_ticking && elapsedMs(now, quint32(lLastTick)) >= scroll::kStepIntervalMs;
         ++i) {
        quint32 due = quint32(lLastTick) + scroll::kStepIntervalMs;
        if (elapsedMs(now, due) >= scroll::kStepIntervalMs * 4)
            due = now;
        lLastTick = static_cast<qint32>(due);
        m_stepAt = due;
        m_hooks.step();
        m_stepAt.reset();
    }
}

void ScrollClock::place(float top, bool fromClock)
{
    // A smooth step is many one-twip moves with no event in between: only the last is ever seen,
    // so the view is moved once, and only the viewport repaints.
    if (fromClock) {
        m_view.keepScriptTop(top);
        m_glide.step(top, m_stepAt.value_or(m_platform.timeGetTime()));
        if (!timFrame->isActive())
            scheduleFrame();
    } else {
        const quint32 now = m_platform.timeGetTime();
        if (m_ticking && m_frameSync) {
            // Sleeping through still frames: the next shows this move's glide in its time.
            if (timFrame->isActive() && timFrame->remainingTime() > int(std::ceil(periodMs()))) {
                timFrame->stop();
                scheduleFrame();
            }
            const float shift = top - m_glide.target();
            m_glide.shift(shift);
            // A far jump repaints the whole view, which takes a frame's worth of painting: shown
            // between two frames rather than by the late key or in a frame, none is held up.
            if (std::abs(shift) >= m_view.viewportHeight() / 2) {
                m_view.keepScriptTop(top);
                m_heldShift += shift;
                return;
            }
            m_view.setScriptTop(top);
            m_shownY = twips::toPixels(m_glide.shownAt(now) - m_heldShift);
            m_view.showScriptAt(m_shownY);
        } else {
            m_view.setScriptTop(top);
            m_glide.jump(top);
        }
    }
}

void ScrollClock::startFrames()
{
    if (!timFrame->isActive())
        scheduleFrame();
}

void ScrollClock::timFrame_Timer()
{
    // A frame held up well past its time (a jump's whole repaint) starts the count again: the next
    // comes a whole period later, not so soon after this one that it has no motion to show.
    const quint32 start = m_platform.timeGetTime();
    if (const qint32 late = elapsedMs(start, m_frameDue); late > 1 && late * 3 > periodMs())
        m_frameBase = start;
    // Placed by anything but a frame (Reset, a jump, a layout): shown where it was put, and the steps
    // due glide on from there, so that the next frames move as much as every other.
    const auto placedElsewhere = [this] {
        if (m_view.shownScriptY() != m_shownY || m_view.scriptTop() != m_glide.target()) {
            m_glide.jump(m_view.scriptTop());
            m_shownY = m_view.shownScriptY();
            m_heldShift = 0;
        }
    };
    placedElsewhere();
    if (m_ticking && m_frameSync)
        stepsDue();
    bool steered = false;
    if (m_hooks.steer) {
        if (const std::optional<float> at = m_hooks.steer(m_platform.timeGetTime())) {
            place(*at, false);
            steered = true;
        }
    }
    placedElsewhere();
    const quint32 now = m_platform.timeGetTime();
    present(m_glide.shownAt(now) - m_heldShift);
    if (std::exchange(m_heldShift, 0.f) != 0.f)
        timJump->start(kJumpAfterFrameMs);
    m_hooks.framed();
    if (!m_hooks.running() && m_glide.settledAt(now)) {
        timFrame->stop(); // at rest: no more frames until the clock steps again
        return;
    }
    scheduleFrame(!steered && m_ticking && m_frameSync && !timJump->isActive());
}

void ScrollClock::timJump_Timer()
{
    timJump->stop();
    present(m_glide.shownAt(m_platform.timeGetTime()) - m_heldShift);
}

void ScrollClock::present(float top)
{
    const float pixels = top / twips::kPerPixel;
    const int y = static_cast<int>(std::nearbyint(pixels));
    m_view.presentScript(y, pixels - static_cast<float>(y));
    m_shownY = y;
}

double ScrollClock::periodMs() const
{
    const double rate = m_view.refreshRate();
    return 1000.0 / (rate >= 20 ? rate : 60.0);
}

// Frames fall on whole display periods from a fixed base, so they keep pace with the display.
void ScrollClock::scheduleFrame(bool mayRest)
{
    const double period = periodMs();
    const quint32 now = m_platform.timeGetTime();
    if (!timFrame->isActive() && !m_hooks.running())
        m_frameBase = now;
    if (const qint32 lapse = elapsedMs(now, m_frameBase); lapse > 1000000 || lapse < 0)
        m_frameBase = now; // a long rest: start the count again
    const double since = double(elapsedMs(now, m_frameBase));
    double next = (std::floor(std::max(0.0, since) / period) + 1) * period;
    // At a slow speed most frames would show the picture where it is: the clock sleeps through them
    // to the frame that moves it a pixel, which every frame would have shown no sooner. A view that
    // shows fractions of a pixel moves at every frame.
    if (const float pace = m_glide.pace(); mayRest && pace != 0.f && !m_view.showsFractions()) {
        const float shown = m_glide.shownAt(now);
        const float edge = (float(twips::toPixels(shown)) + (pace > 0 ? 0.5f : -0.5f)) * twips::kPerPixel;
        const double moves = since + double((edge - shown) / pace);
        while (next + 1 < moves && next + period - since <= kLongestRestMs)
            next += period;
    }
    const int wait = std::max(1, int(std::ceil(next - since)));
    m_frameDue = now + quint32(wait);
    timFrame->start(wait);
}
