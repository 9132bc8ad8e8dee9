// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Platform.h"
#include "settings/modSettings.h"

#include <QList>
#include <QStringList>
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
    bool browserWorks = true; // false: the desktop cannot open any address

    quint32 timeGetTime() override { return now; }
    void timeBeginPeriod(unsigned) override { ++periodsBegun; }
    void timeEndPeriod(unsigned) override { ++periodsEnded; }
    bool openUrl(const QUrl &url) override
    {
        opened << url;
        return browserWorks;
    }
};

// Points the per-user store at a fresh temporary directory for one test: the store file is
// dir/Cuescroll/Cuescroll.ini, as under a real configuration directory.
struct IsolatedSettings
{
    QTemporaryDir dir;
    IsolatedSettings() { modSettings::setStoreFilePath(storeFile()); }
    QString storeFile() const { return dir.filePath(QStringLiteral("Cuescroll/Cuescroll.ini")); }
};

// A script of numbered lines, each short enough not to wrap in a test window.
inline QString scriptOfLines(int lines)
{
    QStringList l;
    for (int i = 1; i <= lines; ++i)
        l << QStringLiteral("Line %1 of the script, long enough to read on camera.").arg(i);
    return l.join(QLatin1String("\r\n"));
}
