// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Appearance.h"

#include <cmath>
#include <limits>

namespace appearance {

qint16 storedFontSize(double points)
{
    const double rounded = std::nearbyint(points);
    if (!(rounded >= std::numeric_limits<qint16>::min()))
        return std::numeric_limits<qint16>::min();
    if (rounded > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return qint16(rounded);
}

} // namespace appearance
