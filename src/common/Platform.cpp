// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <QSaveFile>

#include <timeapi.h>
#include <windows.h>
#else
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class SystemPlatform final : public Platform
{
public:
    SystemPlatform() { m_timer.start(); }

    quint32 timeGetTime() override
    {
#ifdef Q_OS_WIN
        return ::timeGetTime();
#else
        return static_cast<quint32>(m_timer.elapsed());
#endif
    }

    // Only Windows coarsens its timers by default; elsewhere precise timers need no request.
    void timeBeginPeriod(unsigned periodMs) override
    {
#ifdef Q_OS_WIN
        ::timeBeginPeriod(periodMs);
#else
        Q_UNUSED(periodMs);
#endif
    }

    void timeEndPeriod(unsigned periodMs) override
    {
#ifdef Q_OS_WIN
        ::timeEndPeriod(periodMs);
#else
        Q_UNUSED(periodMs);
#endif
    }

    bool openUrl(const QUrl &url) override
    {
        return QDesktopServices::openUrl(url);
    }

private:
    QElapsedTimer m_timer;
};

} // namespace

Platform &Platform::system()
{
    static SystemPlatform instance;
    return instance;
}

bool Platform::symlinkRaw(const QByteArray &target, const QByteArray &link)
{
#ifdef Q_OS_WIN
    // Windows hands programs their arguments in UTF-16: every name arrives intact.
    Q_UNUSED(target);
    Q_UNUSED(link);
    return false;
#else
    return ::symlink(target.constData(), link.constData()) == 0;
#endif
}

RegularFileRead readRegularFile(const QString &path, qint64 maxBytes)
{
    RegularFileRead r;
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists())
        return r;
    if (!info.isFile()) {
        r.status = RegularFileRead::NotRegular;
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.status = file.error() == QFileDevice::PermissionsError ? RegularFileRead::NoPermission
                                                                 : RegularFileRead::Unreadable;
        r.detail = file.errorString();
        return r;
    }
    if (file.size() > maxBytes) {
        r.status = RegularFileRead::TooLarge;
        return r;
    }
    r.data = file.read(maxBytes + 1);
#else
    // Non-blocking open: a FIFO put there after any check still cannot stall us.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        switch (error) {
        case ENOENT:
        case ENOTDIR:
            r.status = RegularFileRead::Absent;
            break;
        case ENXIO: // a device with nothing behind it
        case EISDIR:
            r.status = RegularFileRead::NotRegular;
            break;
        case EACCES:
        case EPERM:
            r.status = RegularFileRead::NoPermission;
            break;
        default:
            r.status = RegularFileRead::Unreadable;
            r.detail = QString::fromLocal8Bit(std::strerror(error));
            break;
        }
        return r;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        r.status = RegularFileRead::NotRegular;
        return r;
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        r.status = RegularFileRead::TooLarge;
        return r;
    }
    // The file may grow while we read; never take more than the limit allows.
    r.data.resize(qsizetype(st.st_size));
    qsizetype got = 0;
    for (;;) {
        if (got == r.data.size()) {
            if (got > maxBytes)
                break;
            r.data.resize(got + 4096);
        }
        const ssize_t n = ::read(fd, r.data.data() + got, size_t(r.data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            r.detail = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            r.status = RegularFileRead::Unreadable;
            r.data.clear();
            return r;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    r.data.truncate(got);
#endif
    if (r.data.size() > maxBytes) {
        r.status = RegularFileRead::TooLarge;
        r.data.clear();
        return r;
    }
    r.status = RegularFileRead::Ok;
    return r;
}

namespace {

FileWrite writeFailure(FileWrite::Status status, const QString &detail)
{
    FileWrite w;
    w.status = status;
    w.detail = detail;
    return w;
}

QString notRegular()
{
    return QCoreApplication::translate("platform", "it is not a regular file");
}

QString readOnly()
{
    return QCoreApplication::translate("platform", "the file is read-only");
}

#ifndef Q_OS_WIN
QString shortWrite(qint64 written, qint64 wanted)
{
    return QCoreApplication::translate("platform", "only %1 of %2 bytes reached the disk")
        .arg(written)
        .arg(wanted);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

class FileHandle
{
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    int get() const { return m_fd; }
    // Closing is the last chance for a file system to report a failed write.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// 0 when every byte went out, else the system's error.
int writeAll(int fd, QByteArrayView content)
{
    const char *data = content.data();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        data += n;
        left -= n;
    }
    return 0;
}

// Writes the content to a new file in the folder and renames it over `name`. `existing` is the old
// file's status, or nothing when there is none.
FileWrite replaceInFolder(int dir, const QByteArray &name, QByteArrayView content,
                          const struct stat *existing, NewFile made)
{
    // Kept within the longest name a folder entry may have.
    const QByteArray stem = '.' + name.left(200) + '.';
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = stem + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + "~";
        // A new file gets the permissions any new file would; a replacement gets the old ones below.
        fd = ::openat(dir, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                      existing || made == NewFile::Private ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return writeFailure(FileWrite::Failed, systemReason(errno));
    }
    if (fd < 0)
        return writeFailure(FileWrite::Failed, systemReason(EEXIST));
    FileHandle file(fd);
    const auto discard = [&](const QString &reason) {
        file.close();
        ::unlinkat(dir, temp.constData(), 0);
        return writeFailure(FileWrite::Failed, reason);
    };

    if (const int error = writeAll(fd, content))
        return discard(systemReason(error));
    // A full disk may refuse the data only now, when it is flushed. A file system that cannot flush
    // on request (EINVAL) has lost nothing by that.
    if (::fsync(fd) != 0 && errno != EINVAL)
        return discard(systemReason(errno));
    struct stat written
    {
    };
    if (::fstat(fd, &written) != 0)
        return discard(systemReason(errno));
    if (written.st_size != content.size())
        return discard(shortWrite(written.st_size, content.size()));
    if (existing) {
        // Ownership first: changing it clears the set-id bits that the mode then restores. Only the
        // superuser may give a file away; anyone else keeps the file as theirs.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), existing->st_gid);
        if (::fchmod(fd, existing->st_mode & 07777) != 0)
            return discard(systemReason(errno));
    }
    if (!file.close()) {
        const int error = errno;
        ::unlinkat(dir, temp.constData(), 0);
        return writeFailure(FileWrite::Failed, systemReason(error));
    }
    if (::renameat(dir, temp.constData(), dir, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(dir, temp.constData(), 0);
        return writeFailure(FileWrite::Failed, systemReason(error));
    }
    // The new name itself reaches the disk with the folder; a file system that cannot say so is no
    // reason to report the saved file as lost.
    (void)::fsync(dir);
    return {};
}
#endif

} // namespace

FileWrite writeFileSafely(const QString &path, QByteArrayView content, [[maybe_unused]] NewFile made)
{
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return writeFailure(FileWrite::NotRegular, notRegular());
    if (info.exists() && !info.isWritable())
        return writeFailure(FileWrite::ReadOnly, readOnly());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(FileWrite::Failed, file.errorString());
    // commit() may report success although its last buffered write failed: check each step.
    if (file.write(content.data(), content.size()) != content.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return writeFailure(FileWrite::Failed, reason);
    }
    if (!file.commit() || file.error() != QFileDevice::NoError)
        return writeFailure(FileWrite::Failed, file.errorString());
    return {};
#else
    QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    // Links are followed here, one by one, so that each can be judged before it is trusted.
    for (int links = 0;; ++links) {
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray folder = slash == 0 ? QByteArray("/") : target.left(slash);
        const QByteArray name = target.mid(slash + 1);
        if (name.isEmpty() || name == "." || name == "..")
            return writeFailure(FileWrite::NotRegular, notRegular());
        FileHandle dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.get() < 0)
            return writeFailure(FileWrite::Failed, systemReason(errno));
        struct stat folderStatus
        {
        };
        struct stat st
        {
        };
        if (::fstat(dir.get(), &folderStatus) != 0)
            return writeFailure(FileWrite::Failed, systemReason(errno));
        if (::fstatat(dir.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return writeFailure(FileWrite::Failed, systemReason(errno));
            return replaceInFolder(dir.get(), name, content, nullptr, made);
        }
        if (S_ISLNK(st.st_mode)) {
            const bool shared = (folderStatus.st_mode & S_ISVTX) && (folderStatus.st_mode & S_IWOTH);
            if (shared && st.st_uid != ::geteuid() && st.st_uid != folderStatus.st_uid) {
                return writeFailure(
                    FileWrite::UnsafeLink,
                    QCoreApplication::translate("platform", "it is a symbolic link that another user made "
                                                            "in a shared folder; it was not followed"));
            }
            if (links >= 40)
                return writeFailure(FileWrite::Failed, systemReason(ELOOP));
            QByteArray link(PATH_MAX, Qt::Uninitialized);
            const ssize_t n = ::readlinkat(dir.get(), name.constData(), link.data(), size_t(link.size()));
            if (n < 0)
                return writeFailure(FileWrite::Failed, systemReason(errno));
            if (n >= link.size())
                return writeFailure(FileWrite::Failed, systemReason(ENAMETOOLONG));
            link.truncate(n);
            target = link.startsWith('/') ? link : folder + '/' + link;
            continue;
        }
        if (!S_ISREG(st.st_mode))
            return writeFailure(FileWrite::NotRegular, notRegular());
        // The superuser may write anything, but a file nobody may write is still meant to stay.
        if (::geteuid() == 0) {
            if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
                return writeFailure(FileWrite::ReadOnly, readOnly());
        } else if (::faccessat(dir.get(), name.constData(), W_OK, AT_EACCESS) != 0) {
            if (errno == EACCES || errno == EPERM)
                return writeFailure(FileWrite::ReadOnly, readOnly());
            return writeFailure(FileWrite::Failed, systemReason(errno));
        }
        return replaceInFolder(dir.get(), name, content, &st, made);
    }
#endif
}
