// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scroll/ScrollEngine.h"

#include <cmath>
#include <limits>

namespace scroll {

qint32 roundToInt(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    if (r > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(r);
}

qint32 range(float viewHeight, float viewportHeight)
{
    return roundToInt(double(viewHeight) - double(viewportHeight));
}

StepResult step(float top, float viewHeight, float viewportHeight, qint16 iDir, qint32 lVal, bool bSmooth)
{
    qint32 stepTwips = stepSize(lVal);
    if (viewHeight == viewportHeight)
        return {false, top};

    const double scrolled = std::fabs(double(top));
    if (iDir == -1 && scrolled - stepTwips < 0)
        stepTwips = roundToInt(scrolled);
    if (iDir == 1) {
        const qint32 r = range(viewHeight, viewportHeight);
        if (scrolled + stepTwips > r)
            stepTwips = roundToInt(r - scrolled);
    }

    if (bSmooth) {
        const auto n = static_cast<qint16>(stepTwips);
        for (qint16 i = 0; i < n; ++i)
            top = top - float(iDir);
    } else {
        const auto delta = static_cast<qint32>(static_cast<quint32>(stepTwips) * static_cast<quint32>(iDir));
        top = float(double(top) - double(delta));
    }
    return {true, top};
}

Measure measure(float lineHeight, qint32 lastLine, float viewportHeight)
{
    const qint32 n = static_cast<qint32>(static_cast<quint32>(lastLine) - 1u);
    float textHeight = lineHeight * float(n);
    if (textHeight > viewportHeight)
        textHeight -= viewportHeight / 10;
    if (textHeight < viewportHeight)
        textHeight = viewportHeight;
    const float viewHeight = textHeight > viewportHeight ? viewportHeight + textHeight : viewportHeight;
    return {textHeight, viewHeight};
}

} // namespace scroll
