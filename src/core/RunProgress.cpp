// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RunProgress.h"

#include "common/modCommon.h"
#include "scroll/Progress.h"

#include <cmath>

RunProgress::Changed RunProgress::update(float top, float scriptHeight, float viewportHeight, int speed,
                                         bool forward, bool smooth)
{
    Changed changed;
    if (scriptHeight == viewportHeight)
        return changed;
    const progress::Reading reading = progress::read(top, scriptHeight, viewportHeight, speed, forward);
    const int percent = static_cast<int>(std::nearbyint(reading.percent));
    if (m_percent != percent) {
        m_percent = percent;
        changed.percent = true;
    }
    const progress::Countdown c = progress::countdown(m_toGoSeconds, reading.seconds, smooth);
    m_toGoSeconds = c.tag;
    if (c.show) {
        const QString caption = modCommon::FormatTime(c.tag);
        if (m_timeToGo != caption) {
            m_timeToGo = caption;
            changed.timeToGo = true;
        }
    }
    return changed;
}
