#include "common/Platform.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <timeapi.h>
#include <windows.h>
#else
#include <cerrno>
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
