// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/gui/Log.h"

Q_LOGGING_CATEGORY(lcEditor, "cuescroll.editor", QtWarningMsg)
