// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/Rundown.h"

#include <QByteArray>
#include <QString>

// The rundown file: UTF-8 text, one `key: value` a line, the scripts named relative to the file.
// docs/rundown.md describes it.
namespace show {

inline constexpr qsizetype kMaxRundownBytes = 1024 * 1024;
inline constexpr int kMaxStories = 1000;
inline const QLatin1String kRundownEnding("cuerundown");

struct ReadRundown
{
    Rundown rundown; // the scripts' paths absolute; nothing read from them yet
    QString error;   // not empty: no rundown at all, and why
    int ignoredLines = 0;
    bool ok() const { return error.isEmpty(); }
};

// `folder` is the one the file lies in: relative paths start there.
ReadRundown readRundown(const QByteArray &data, const QString &folder);
QByteArray writeRundown(const Rundown &rundown, const QString &folder);

bool isRundownName(const QString &fileName);

} // namespace show
