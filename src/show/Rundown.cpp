// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/Rundown.h"

#include "documents/Cues.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace show {

int storyWords(QStringView text)
{
    return cues::readWords(text);
}

QString Story::shownTitle() const
{
    return title.isEmpty() ? QFileInfo(path).completeBaseName() : title;
}

const char *stateName(StoryState state)
{
    switch (state) {
    case StoryState::Done:
        return "done";
    case StoryState::OnAir:
        return "onair";
    case StoryState::Next:
        break;
    }
    return "next";
}

bool isScriptName(const QString &fileName)
{
    static const QStringList kEndings{QStringLiteral("txt"),  QStringLiteral("text"), QStringLiteral("rtf"),
                                      QStringLiteral("docx"), QStringLiteral("odt"),  QStringLiteral("doc")};
    return kEndings.contains(QFileInfo(fileName).suffix().toLower());
}

QStringList scriptsIn(const QStringList &paths)
{
    QStringList out;
    QCollator byName;
    byName.setNumericMode(true); // "story 2" before "story 10"
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            out << info.absoluteFilePath();
            continue;
        }
        QFileInfoList files = QDir(path).entryInfoList(QDir::Files | QDir::Readable, QDir::NoSort);
        files.erase(std::remove_if(files.begin(), files.end(),
                                   [](const QFileInfo &f) { return !isScriptName(f.fileName()); }),
                    files.end());
        std::sort(files.begin(), files.end(), [&byName](const QFileInfo &a, const QFileInfo &b) {
            return byName.compare(a.fileName(), b.fileName()) < 0;
        });
        for (const QFileInfo &f : std::as_const(files))
            out << f.absoluteFilePath();
    }
    return out;
}

std::optional<int> parseDuration(QStringView text)
{
    const QList<QStringView> parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.isEmpty() || parts.size() > 3)
        return std::nullopt;
    long long seconds = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const int n = parts.at(i).toInt(&ok);
        // Below the first field, minutes and seconds run to 59 and are written with two digits.
        if (!ok || n < 0 || parts.at(i).isEmpty() || (i > 0 && (n > 59 || parts.at(i).size() != 2)))
            return std::nullopt;
        seconds = seconds * 60 + n;
        if (seconds > 7 * 24 * 3600)
            return std::nullopt;
    }
    return int(seconds);
}

QString formatDuration(int seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    const int s = std::abs(seconds);
    if (s >= 3600)
        return sign + QStringLiteral("%1:%2:%3")
                          .arg(s / 3600)
                          .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                          .arg(s % 60, 2, 10, QLatin1Char('0'));
    return sign + QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace show
