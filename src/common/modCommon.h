// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

namespace modCommon {

// Seconds as minutes, ":" and two-digit seconds ("12:34"); the seconds keep the sign of the input.
QString FormatTime(qint32 lSeconds);

} // namespace modCommon
