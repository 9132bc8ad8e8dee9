#include "app/frmMain.h"
#include "common/Platform.h"
#include "common/modCommon.h"
#include "scroll/Progress.h"
#include "scroll/ScrollEngine.h"
#include "studio/Studio.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <cmath>

void frmMain::StartPrompter()
{
    // Studio: a countdown set to run first starts the clock itself when it ends.
    if (studio && studio->holdStart(timTick->isActive())) {
        bRunning = true;
        return;
    }
    StartClock(m_platform.timeGetTime());
}

void frmMain::StartClock(quint32 tick)
{
    lLastTick = static_cast<qint32>(tick);
    bRunning = true;
    timTick->start();
}

void frmMain::StopPrompter()
{
    if (studio) // Studio: stopping ends a countdown too
        studio->cancelCountdown();
    timTick->stop();
    bRunning = false;
}

void frmMain::timTick_Timer()
{
    const qint16 iDir = optUp->isChecked() ? 1 : -1;
    if (elapsedMs(m_platform.timeGetTime(), quint32(lLastTick)) < scroll::kStepIntervalMs) {
        UpdateProgress(true);
        return;
    }
    lLastTick = static_cast<qint32>(m_platform.timeGetTime());
    Scroll(iDir, sldSpeed->value(), true);
}

void frmMain::Scroll(qint16 iDir, qint32 lVal, bool bSmooth)
{
    const scroll::StepResult r =
        scroll::step(twips::top(rtDoc), twips::height(rtDoc), twips::height(picBack), iDir, lVal, bSmooth);
    if (!r.hasRange)
        return;
    // A smooth step is many one-twip moves with no event in between: only the last is ever seen,
    // so the view is moved once, and only the viewport repaints.
    twips::setTop(rtDoc, r.top);
    if (bMarkMode) // keys and the wheel still move the script: the mirror moves with it
        twips::setTop(rtMirror, r.top);
    UpdateProgress(bSmooth);
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
            lblToGo->repaint();
        }
    }
}

void frmMain::sldSpeed_Change()
{
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
        Scroll(static_cast<qint16>(-direction), 200, false);
    txtFocus->setFocus();
}
