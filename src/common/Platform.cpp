#include "common/Platform.h"

#include <QDesktopServices>
#include <QElapsedTimer>

#ifdef Q_OS_WIN
#include <timeapi.h>
#include <windows.h>
#else
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
