// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markers/MarkerPlaces.h"

#include <algorithm>
#include <cmath>

namespace markers {

Passage clampPassage(qint32 start, qint32 length, qint32 textLength)
{
    const qint64 end = std::clamp<qint64>(qint64(start) + std::max(0, length), 0, std::max(0, textLength));
    const qint32 s = std::clamp(start, 0, std::max(0, textLength));
    return {s, qint32(std::max<qint64>(0, end - s))};
}

float lineTop(float lineHeight, qint32 line)
{
    return std::nearbyint(lineHeight * float(line));
}

float jumpTop(float top, float viewportHeight, float target)
{
    if (std::abs(top) > target)
        top = -target;
    if (std::abs(top) + viewportHeight < target)
        top = -target;
    return top;
}

float readingLineTop(float target, float lineHeight, float readingTop, float readingHeight, float maxScroll)
{
    const float top = std::nearbyint(readingTop + (readingHeight - lineHeight) / 2 - target);
    return std::clamp(top, -std::max(0.0f, maxScroll), 0.0f);
}

MarkModeCommand markModeCommand(const QString &sAction)
{
    return sAction == QLatin1String("Exit") ? MarkModeCommand::Cancel : MarkModeCommand::Ignore;
}

} // namespace markers
