// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/Log.h"

Q_LOGGING_CATEGORY(lcMos, "cuescroll.mos", QtWarningMsg)
