#pragma once

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

// Larger stores are not ours: they are neither parsed nor rewritten.
constexpr qint64 kMaxStoreBytes = 1024 * 1024;

// The first value of the key in the section, or nothing when the key is absent.
std::optional<QString> findValue(QByteArrayView file, QStringView section, QStringView key);

// The file with the key set to the value: its first line replaced, or a line added after the last
// key of the section, or the section added at the end.
QByteArray setValue(QByteArrayView file, QStringView section, QStringView key, QStringView value);

// A value as stored: quoted and escaped only when it has to be, in the way earlier versions read it.
QByteArray encodeValue(QStringView value);
QString decodeValue(QByteArrayView stored);

// Whole-file access that never waits on what lies at the path. Nothing when the store cannot be
// used (not a regular file, too large, unreadable); an absent file is an empty store.
std::optional<QByteArray> load(const QString &path);
// Atomic: an interrupted or failed write leaves the old file. False when nothing could be written.
bool save(const QString &path, QByteArrayView content);

} // namespace storefile
