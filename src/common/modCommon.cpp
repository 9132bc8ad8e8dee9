// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/modCommon.h"

#include <cstdlib>

namespace modCommon {

QString FormatTime(qint32 lSeconds)
{
    const qint64 s = lSeconds; // |INT_MIN| does not fit 32 bits
    const qint64 minutes = std::llabs(s) / 60;
    const QString seconds = QString(QLatin1String("00") + QString::number(s % 60)).right(2);
    return QString::number(minutes) + QLatin1Char(':') + seconds;
}

} // namespace modCommon
