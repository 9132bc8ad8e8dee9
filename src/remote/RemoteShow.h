// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>

class ShowRun;

namespace remote {

// "story", "rundown" and "timers" of the state, as the remote API gives them.
QJsonObject showJson(const ShowRun &show);

} // namespace remote
