// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// It lives beside what it adapts; start-up still names it here.
#include "voice/VoiceFollowing.h"
