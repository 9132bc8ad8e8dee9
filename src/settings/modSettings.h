// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The settings store's generic operations on the per-user store and "Settings.ini".
// A store that cannot be read or written never stops the program: it then runs on the defaults, and
// changes it could not keep are told once (takeStoreProblem).
namespace modSettings {

QString ReadSetting(const QString &section, const QString &key, const QString &defaultText);
void WriteSetting(const QString &section, const QString &key, const QString &value);
QString ReadIniValue(const QString &section, const QString &key);

// Why changes given to WriteSetting were not kept, worded for the operator; said once: nothing more
// until a change has been kept again and a later one fails. Nothing when all were kept.
std::optional<QString> takeStoreProblem();

// The two site values of "Settings.ini"; the per-user keys are read through a Settings object.
QString GetAppName();
QString GetHelpLink();

// "Settings.ini" beside the executable unless a test points elsewhere; empty restores the default.
QString iniFilePath();
void setIniFilePath(const QString &path);

// The per-user store, $XDG_CONFIG_HOME/Cuescroll/Cuescroll.ini unless a test points elsewhere.
QString storeFilePath();
void setStoreFilePath(const QString &path);

} // namespace modSettings
