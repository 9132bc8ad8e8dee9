#include "common/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace programfiles {

QString locate(const QString &name)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.absoluteFilePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(programDir.absoluteFilePath(QStringLiteral("../share/cuescroll/") + name));
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

} // namespace programfiles
