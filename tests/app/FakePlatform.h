#pragma once

#include "common/Platform.h"

#include <QList>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

// A clock the test moves by hand, and a record of what the prompter asked of the system.
class FakePlatform final : public Platform
{
public:
    quint32 now = 1000;
    int periodsBegun = 0;
    int periodsEnded = 0;
    QList<QUrl> opened;

    quint32 timeGetTime() override { return now; }
    void timeBeginPeriod(unsigned) override { ++periodsBegun; }
    void timeEndPeriod(unsigned) override { ++periodsEnded; }
    bool openUrl(const QUrl &url) override
    {
        opened << url;
        return true;
    }
};

// Points the per-user store at a fresh temporary directory for one test.
struct IsolatedSettings
{
    QTemporaryDir dir;
    IsolatedSettings() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path()); }
};
