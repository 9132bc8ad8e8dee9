// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/LocalPath.h"

#include "common/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace localpath {

QString usable(const QByteArray &raw)
{
    const QString decoded = QFile::decodeName(raw);
    if (QFile::encodeName(decoded) == raw)
        return decoded;

    static std::unique_ptr<QTemporaryDir> links;
    static int count = 0;
    if (!links) {
        links = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/cuescroll-XXXXXX"));
        if (!links->isValid())
            return decoded;
    }
    QByteArray target = raw;
    if (!target.startsWith('/'))
        target = QFile::encodeName(QDir::currentPath()) + '/' + target;
    // One folder per link keeps the file's own (readable) name for messages and the editor.
    const QString folder = links->filePath(QString::number(++count));
    if (!QDir().mkpath(folder))
        return decoded;
    const QString link = folder + QLatin1Char('/') + QFileInfo(decoded).fileName();
    if (!Platform::symlinkRaw(target, QFile::encodeName(link)))
        return decoded;
    return link;
}

} // namespace localpath
