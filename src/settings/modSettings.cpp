// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/modSettings.h"

#include "common/ProgramFiles.h"
#include "settings/IniFile.h"
#include "settings/StoreFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace modSettings {

namespace {

const QString kGeneral = QStringLiteral("General");

QString &iniPathOverride()
{
    static QString path;
    return path;
}

QString &storePathOverride()
{
    static QString path;
    return path;
}

// The reason the last change could not be kept, until one is kept again; told to the operator once.
struct StoreProblem
{
    QString reason;
    bool told = false;
};

StoreProblem &storeProblem()
{
    static StoreProblem problem;
    return problem;
}

void changeNotKept(const QString &reason)
{
    if (storeProblem().reason.isEmpty())
        storeProblem().reason = reason;
}

} // namespace

QString storeFilePath()
{
    const QString &path = storePathOverride();
    if (!path.isEmpty())
        return path;
    // Where earlier versions kept it, so that an upgrade keeps the operator's appearance.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Cuescroll/Cuescroll.ini");
}

void setStoreFilePath(const QString &path)
{
    storePathOverride() = path;
}

QString ReadSetting(const QString &section, const QString &key, const QString &defaultText)
{
    // The file is read afresh each time: another copy of the program may have saved in between.
    const storefile::Loaded file = storefile::open(storeFilePath());
    if (!file.text)
        return defaultText;
    const QString value = storefile::findValue(*file.text, section, key).value_or(QString());
    if (!value.isEmpty())
        return value;
    // A default that cannot be stored is no loss: it is read again next time.
    storefile::save(storeFilePath(), storefile::setValue(*file.text, section, key, defaultText),
                    file.encoding);
    return defaultText;
}

void WriteSetting(const QString &section, const QString &key, const QString &value)
{
    const storefile::Loaded file = storefile::open(storeFilePath());
    if (!file.text) {
        changeNotKept(file.problem); // not ours to overwrite: the operator's file is kept as it is
        return;
    }
    const QByteArray changed = storefile::setValue(*file.text, section, key, value);
    if (changed == *file.text)
        return;
    const FileWrite written = storefile::save(storeFilePath(), changed, file.encoding);
    if (written.ok())
        storeProblem() = {};
    else
        changeNotKept(written.detail);
}

std::optional<QString> takeStoreProblem()
{
    StoreProblem &problem = storeProblem();
    if (problem.reason.isEmpty() || problem.told)
        return std::nullopt;
    problem.told = true;
    return QCoreApplication::translate("modSettings",
                                       "The settings could not be kept in “%1”: %2. They apply until "
                                       "Cuescroll ends.")
        .arg(QDir::toNativeSeparators(storeFilePath()), problem.reason);
}

QString ReadIniValue(const QString &section, const QString &key)
{
    return inifile::readValue(iniFilePath(), section, key, 255);
}

QString GetAppName()
{
    return ReadIniValue(kGeneral, QStringLiteral("AppName"));
}

QString GetHelpLink()
{
    return ReadIniValue(kGeneral, QStringLiteral("HelpLink"));
}

QString iniFilePath()
{
    const QString &path = iniPathOverride();
    if (!path.isEmpty())
        return path;
    return programfiles::locate(QStringLiteral("Settings.ini"));
}

void setIniFilePath(const QString &path)
{
    iniPathOverride() = path;
}

} // namespace modSettings
