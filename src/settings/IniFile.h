// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Reads one value of an INI file the way the site file "Settings.ini" has always been read: raw value
// text (commas, semicolons and inner quotes kept), section and key matched without regard to case,
// surrounding blanks and one pair of enclosing quotes removed, cut to maxChars characters.
// An absent file, section or key gives the empty text.
namespace inifile {

QString readValue(const QString &filePath, const QString &section, const QString &key, int maxChars = 255);

// The same on the file's bytes. The text may be UTF-8, UTF-16 with a byte order mark or Windows-1252.
QString valueIn(QByteArrayView data, QStringView section, QStringView key, int maxChars = 255);

// A site file larger than this is not read (it is a few lines long).
constexpr qint64 kMaxIniBytes = 1024 * 1024;

} // namespace inifile
