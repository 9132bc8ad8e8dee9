// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/Log.h"

Q_LOGGING_CATEGORY(lcStudio, "cuescroll.studio", QtWarningMsg)
