// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// Debug and info lines are off unless QT_LOGGING_RULES="cuescroll.line=true" (or cuescroll.*) asks.
Q_DECLARE_LOGGING_CATEGORY(lcLine)
