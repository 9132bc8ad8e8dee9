// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace localpath {

// A path the program can open for a file named by the raw bytes of a local path (a command-line
// argument, a dropped file's address). A name that the locale's encoding cannot hold, such as
// Latin-1 bytes under UTF-8, would not survive the trip through QString; such a file is reached
// through a symbolic link with a readable name in a folder of the program's own.
QString usable(const QByteArray &raw);

} // namespace localpath
