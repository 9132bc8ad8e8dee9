// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scroll/Progress.h"

#include "scroll/ScrollEngine.h"

#include <algorithm>
#include <cmath>

namespace progress {

Reading read(float top, float viewHeight, float viewportHeight, qint32 sliderValue, bool forward)
{
    const qint32 r = scroll::range(viewHeight, viewportHeight);
    const double scrolled = std::fabs(double(top));
    if (r <= 0)
        return {100.0f, 0};

    const float percent = std::min(100.0f, float(scrolled * 100.0 / r));
    const qint32 step = scroll::stepSize(sliderValue);
    const qint32 remaining = std::max(0, scroll::roundToInt(forward ? r - scrolled : scrolled));
    const qint32 steps = scroll::roundToInt(double(remaining) / step);
    const qint32 ms = static_cast<qint32>(static_cast<quint32>(steps) * quint32(scroll::kStepIntervalMs));
    return {percent, scroll::roundToInt(ms / 1000.0)};
}

Countdown countdown(qint32 tag, qint32 seconds, bool smooth)
{
    if (tag == 0)
        tag = seconds;
    if (tag > seconds || !smooth)
        return {seconds, true};
    return {tag, false};
}

} // namespace progress
