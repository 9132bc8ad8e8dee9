// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scroll/Glide.h"

#include <QObject>

#include <functional>
#include <optional>

class Platform;
class QTimer;
class ScriptView;

// The scroll clock and its presentation: a step every 20 ms while running, and (with frame sync)
// the script view shown once per display frame, gliding between steps. With frame sync one timer
// wakes the program: each display frame takes the steps that fell due since the last, at the
// moments they were due, and shows them.
class ScrollClock : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<void()> step;    // a step is due
        std::function<void()> waiting; // woke before a step was due
        std::function<bool()> running; // the run is on (frames stop only when it is not)
        std::function<void()> framed;  // a frame has been shown
        // Where another source (a leader, a voice) puts the view at this frame, if anywhere.
        std::function<std::optional<float>(quint32 now)> steer;
    };

    // Its timers are the window's designed `timTick` and `timFrame`, children of `parent`.
    ScrollClock(Platform &platform, QObject *parent, ScriptView &view, bool frameSync, Hooks hooks);

    void start(quint32 tick);
    void stop();
    bool ticking() const;
    bool frameSync() const { return m_frameSync; }
    quint32 lastTick() const { return quint32(lLastTick); }
    // While a step runs: how many milliseconds ago it fell due (a frame takes it a little late).
    quint32 stepLateness() const;

    // Puts the view's Top (twips) there: a clock step under frame sync is only recorded, and the
    // next display frame shows it; anything else is shown at once, but for a far jump while frames
    // run, which is shown just after the next frame (see timJump_Timer).
    void place(float top, bool fromClock);

    // Frames run while the view is steered from elsewhere, with or without the clock's steps.
    void startFrames();

    void timTick_Timer();
    void timFrame_Timer();
    void timJump_Timer();
    void release();

    QTimer *const timTick;
    QTimer *const timFrame;
    QTimer *const timJump; // shows a far jump once the frame before it is painted

private:
    void scheduleTick();
    void scheduleFrame(bool mayRest = false);
    double periodMs() const; // of the display, or of 60 Hz when it does not say
    void stepsDue();
    void present(float top); // twips: shown at the nearest pixel, and the fraction past it

    Platform &m_platform;
    ScriptView &m_view;
    bool m_frameSync;
    Hooks m_hooks;
    qint32 lLastTick = 0;
    Glide m_glide;
    int m_shownY = 0;        // where the last frame put the view, in pixels
    float m_heldShift = 0;   // twips of a far jump the next frame does not show yet
    quint32 m_frameBase = 0; // frames fall on this reading plus whole periods
    quint32 m_frameDue = 0;  // when the frame timer is due
    bool m_ticking = false;
    std::optional<quint32> m_stepAt; // the moment the step being taken fell due
};
