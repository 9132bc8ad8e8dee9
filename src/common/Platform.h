// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QUrl>
#include <QtGlobal>

// The thin layer between the prompter and its operating system: the millisecond clock, the timer
// resolution request and the desktop's browser. Tests substitute their own.
class Platform
{
public:
    virtual ~Platform() = default;

    // Milliseconds as a wrapping 32-bit counter; take differences modulo 2^32.
    virtual quint32 timeGetTime() = 0;
    virtual void timeBeginPeriod(unsigned periodMs) = 0;
    virtual void timeEndPeriod(unsigned periodMs) = 0;
    virtual bool openUrl(const QUrl &url) = 0;

    // The process-wide real implementation.
    static Platform &system();

    // A symbolic link at `link` to `target`, both as raw bytes of the file system's names.
    static bool symlinkRaw(const QByteArray &target, const QByteArray &link);
};

// Milliseconds from `earlier` to `later` on the wrapping counter.
constexpr qint32 elapsedMs(quint32 later, quint32 earlier)
{
    return static_cast<qint32>(later - earlier);
}

// Reads a whole regular file without ever waiting on what lies at the path: a FIFO, a device or a
// directory is reported, never opened for a blocking read.
struct RegularFileRead
{
    enum Status { Ok, Absent, NotRegular, TooLarge, NoPermission, Unreadable };
    Status status = Absent;
    QByteArray data; // only with Ok
    QString detail;  // the system's reason, with Unreadable
};
RegularFileRead readRegularFile(const QString &path, qint64 maxBytes);

// Replaces a file's content, or leaves the file exactly as it was. The bytes go to a new file beside
// it, each write checked and the whole flushed to the disk and measured, and only then does the new
// file take the old one's name and permissions. Refused before anything is written: something at the
// path that is no regular file, a file without write permission (for the superuser too: a read-only
// file is the owner's choice) and a symbolic link in a shared sticky folder (like /tmp) owned by
// neither the user nor the folder's owner, which the kernel itself would not follow.
struct FileWrite
{
    enum Status { Ok, NotRegular, ReadOnly, UnsafeLink, Failed };
    Status status = Ok;
    QString detail; // the reason in words, for a message that names the file
    bool ok() const { return status == Ok; }
};
// A file made new is readable by all, as any would be, or only by its owner (a secret in it); a
// file replaced keeps the permissions it had.
enum class NewFile { Shared, Private };
FileWrite writeFileSafely(const QString &path, QByteArrayView content, NewFile made = NewFile::Shared);
