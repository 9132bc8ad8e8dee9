// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Platform.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The per-user store's INI text, edited in place: a change touches one key's line (or adds one line,
// and its section header when there is none) and leaves every other byte of the file as it was.
// Section and key names match without regard to case. Keys above the first section header belong to
// "General", where earlier versions of the program kept them.
namespace storefile {

// A store may hold this much besides the program's own keys, which get room of their own beyond it:
// the program's writes never push a store it reads past the size it will read.
constexpr qint64 kForeignStoreBytes = 1024 * 1024;
// Larger stores are not ours: they are neither parsed nor rewritten.
constexpr qint64 kMaxStoreBytes = kForeignStoreBytes + 64 * 1024;

// The first value of the key in the section, or nothing when the key is absent.
std::optional<QString> findValue(QByteArrayView file, QStringView section, QStringView key);

// The file with the key set to the value: its first line replaced, or a line added after the last
// key of the section, or the section added at the end.
QByteArray setValue(QByteArrayView file, QStringView section, QStringView key, QStringView value);

// A value as stored: quoted and escaped only when it has to be, in the way earlier versions read it.
QByteArray encodeValue(QStringView value);
QString decodeValue(QByteArrayView stored);

// The encoding the store's text was found in; it is written back in the same one.
enum class Encoding { Utf8, Utf16LE, Utf16BE };

struct Loaded
{
    // The text as findValue and setValue take it (UTF-16 turned into UTF-8, line ends as they are);
    // nothing when the store is not ours to edit.
    std::optional<QByteArray> text;
    Encoding encoding = Encoding::Utf8;
    QString problem; // why not, in words
};

// Whole-file access that never waits on what lies at the path. No text when the store cannot be
// used (not a regular file, too large, unreadable, or text that could not be written back unchanged:
// NUL bytes outside UTF-16 with a byte order mark); an absent file is an empty store.
Loaded open(const QString &path);
std::optional<QByteArray> load(const QString &path);
// Through writeFileSafely, in the encoding the text was loaded in; never beyond kMaxStoreBytes.
FileWrite save(const QString &path, QByteArrayView text, Encoding encoding = Encoding::Utf8);

} // namespace storefile
