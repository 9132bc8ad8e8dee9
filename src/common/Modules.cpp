// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Modules.h"

#include "common/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace modules {

namespace {

QString &overridden()
{
    static QString path;
    return path;
}

} // namespace

QString directory()
{
    if (!overridden().isEmpty())
        return overridden();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QLatin1String(CUESCROLL_MODULE_DIR));
}

void setDirectory(const QString &path)
{
    overridden() = path;
}

void *function(const QString &name, const char *symbol, QString *error)
{
    // Never unloaded: what it made may outlive whoever asked for it.
    QLibrary library(QDir(directory()).filePath(name + QLatin1String(".so")));
    if (void *f = reinterpret_cast<void *>(library.resolve(symbol))) {
        qCInfo(lcCommon).noquote() << "module" << name << "loaded from" << library.fileName();
        return f;
    }
    const QString why = library.errorString();
    qCWarning(lcCommon).noquote() << "module" << name << "not loaded:" << why;
    if (error)
        *error = QCoreApplication::translate("modules", "The module %1 could not be loaded: %2")
                     .arg(QDir::toNativeSeparators(library.fileName()), why);
    return nullptr;
}

} // namespace modules
