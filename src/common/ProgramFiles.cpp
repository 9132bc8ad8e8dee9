// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/ProgramFiles.h"

#include "common/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace programfiles {

QString locate(const QString &name)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.absoluteFilePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(programDir.absoluteFilePath(QStringLiteral("../share/cuescroll/") + name));
    if (QFileInfo::exists(installed)) {
        qCDebug(lcCommon).noquote() << name << "found at" << installed;
        return installed;
    }
    qCDebug(lcCommon).noquote() << name << "looked for at" << beside;
    return beside;
}

} // namespace programfiles

namespace programfiles {

QUrl helpAddress(const QString &link, const QString &programDir)
{
    static const QRegularExpression windowsPath(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    const QUrl url = windowsPath.match(link).hasMatch()
                         ? QUrl::fromLocalFile(QString(link).replace(u'\\', u'/'))
                         : QUrl::fromUserInput(link, programDir);
    const QString scheme = url.scheme().toLower();
    if (scheme != u"http" && scheme != u"https" && scheme != u"file") {
        qCInfo(lcCommon).noquote() << "help address" << link << "refused: scheme" << scheme;
        return {};
    }
    return url;
}

} // namespace programfiles
