#pragma once

#include <QByteArray>
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
