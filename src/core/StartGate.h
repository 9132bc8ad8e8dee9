// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What may hold Start back, as a countdown does: it then starts the clock itself when it ends.
class StartGate
{
public:
    virtual ~StartGate() = default;
    virtual bool holdStart(bool clockRunning) = 0;
    virtual void cancelCountdown() = 0;
};
