#include "app/frmMain.h"
#include "common/Platform.h"
#include "common/Trace.h"
#include "common/modCommon.h"
#include "scroll/Log.h"
#include "scroll/Progress.h"
#include "scroll/ScrollEngine.h"
#include "studio/Studio.h"
#include "ui/RichTextView.h"
#include "ui/Tags.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

void frmMain::StartPrompter()
{
    // Studio: a countdown set to run first starts the clock itself when it ends.
    if (studio && studio->holdStart(timTick->isActive())) {
        qCDebug(lcScroll) << "start held for the countdown";
        bRunning = true;
        return;
    }
    StartClock(m_platform.timeGetTime());
}

void frmMain::StartClock(quint32 tick)
{
    lLastTick = static_cast<qint32>(tick);
    bRunning = true;
    qCDebug(lcScroll) << "clock started at" << tick << "ms, speed" << sldSpeed->value()
                      << (optUp->isChecked() ? "forward" : "back");
    timTick->start();
    scheduleTick();
}

void frmMain::StopPrompter()
{
    if (studio) // Studio: stopping ends a countdown too
        studio->cancelCountdown();
    if (bRunning)
        qCDebug(lcScroll) << "clock stopped at" << m_platform.timeGetTime() << "ms";
    timTick->stop();
    timTick->setInterval(1);
    bRunning = false;
}

// The clock wakes when the next step is due rather than every millisecond: the step still comes at
// the first millisecond at least 20 ms after the previous one.
void frmMain::scheduleTick()
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

void frmMain::timTick_Timer()
{
    const qint16 iDir = optUp->isChecked() ? 1 : -1;
    if (elapsedMs(m_platform.timeGetTime(), quint32(lLastTick)) < scroll::kStepIntervalMs) {
        UpdateProgress(true);
        scheduleTick();
        return;
    }
    lLastTick = static_cast<qint32>(m_platform.timeGetTime());
    m_stepFromClock = m_frameSync && !bMarkMode;
    Scroll(iDir, sldSpeed->value(), true);
    m_stepFromClock = false;
    if (trace::enabled())
        trace::record('S', qint64(twips::top(rtDoc)));
    scheduleTick();
}

void frmMain::Scroll(qint16 iDir, qint32 lVal, bool bSmooth)
{
    const scroll::StepResult r =
        scroll::step(twips::top(rtDoc), twips::height(rtDoc), twips::height(picBack), iDir, lVal, bSmooth);
    if (!r.hasRange)
        return;
    // A smooth step is many one-twip moves with no event in between: only the last is ever seen,
    // so the view is moved once, and only the viewport repaints. A clock step under frame sync is
    // only recorded here; the next display frame shows it.
    if (m_stepFromClock) {
        twips::Rect g = twips::rect(rtDoc);
        g.top = r.top;
        twips::store(rtDoc, g);
        m_glide.step(r.top, m_platform.timeGetTime());
        if (!timFrame->isActive())
            scheduleFrame();
    } else {
        twips::setTop(rtDoc, r.top);
        m_glide.jump(r.top);
    }
    if (bMarkMode) // keys and the wheel still move the script: the mirror moves with it
        twips::setTop(rtMirror, r.top);
    UpdateProgress(bSmooth);
}

void frmMain::timFrame_Timer()
{
    const float top = twips::top(rtDoc);
    // Placed by anything but a frame (Reset, a jump, a layout): shown where it was put.
    if (rtDoc->y() != m_shownY || top != m_glide.target())
        m_glide.jump(top);
    const quint32 now = m_platform.timeGetTime();
    const int y = twips::toPixels(m_glide.shownAt(now));
    if (y != rtDoc->y())
        rtDoc->move(rtDoc->x(), y);
    m_shownY = y;
    if (!bRunning && m_glide.settledAt(now)) {
        timFrame->stop(); // at rest: no more frames until the clock steps again
        return;
    }
    scheduleFrame();
}

// Frames fall on whole display periods from a fixed base, so they keep pace with the display.
void frmMain::scheduleFrame()
{
    const QScreen *s = screen();
    const double hz = s && s->refreshRate() >= 20 ? s->refreshRate() : 60.0;
    const double period = 1000.0 / hz;
    const quint32 now = m_platform.timeGetTime();
    if (!timFrame->isActive() && !bRunning)
        m_frameBase = now;
    const double since = double(elapsedMs(now, m_frameBase));
    if (since > 1e6 || since < 0) // a long rest: start the count again
        m_frameBase = now;
    const double next =
        (std::floor(std::max(0.0, double(elapsedMs(now, m_frameBase))) / period) + 1) * period;
    const int wait = std::max(1, int(std::ceil(next - double(elapsedMs(now, m_frameBase)))));
    timFrame->start(wait);
}

void frmMain::UpdateProgress(bool bSmooth)
{
    const float viewHeight = twips::height(rtDoc);
    const float viewportHeight = twips::height(picBack);
    if (viewHeight == viewportHeight)
        return;
    const progress::Reading reading =
        progress::read(twips::top(rtDoc), viewHeight, viewportHeight, sldSpeed->value(), optUp->isChecked());
    const int percent = static_cast<int>(std::nearbyint(reading.percent));
    if (prgDoc->value() != percent)
        prgDoc->setValue(percent);

    const progress::Countdown c = progress::countdown(tags::tag(lblToGo).toInt(), reading.seconds, bSmooth);
    tags::setTag(lblToGo, QString::number(c.tag));
    if (c.show) {
        const QString caption = modCommon::FormatTime(c.tag);
        if (lblToGo->text() != caption) {
            lblToGo->setText(caption);
            lblToGo->update();
        }
    }
}

void frmMain::sldSpeed_Change()
{
    qCDebug(lcScroll) << "speed" << sldSpeed->value();
    tags::setTag(lblToGo, QStringLiteral("0"));
}

void frmMain::sldSpeed_Scroll()
{
    txtFocus->setFocus();
}

void frmMain::HandleWheel(int angleDelta)
{
    const int direction = m_wheel.add(angleDelta);
    if (direction != 0)
        Scroll(static_cast<qint16>(-direction), scroll::kLineStep, false);
    txtFocus->setFocus();
}
