// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/RundownFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringConverter>
#include <QTime>

namespace show {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("show", text);
}

const QLatin1String kMagic("Cuescroll rundown 1");

// Keys are written and read alike; a key this version does not know is skipped, so that a later
// version's file still opens.
const QLatin1String kStory("story");
const QLatin1String kTitle("title");
const QLatin1String kPlanned("planned");
const QLatin1String kTargetEnd("target-end");
const QLatin1String kTargetDuration("target-duration");

// A title or path on one line: a line end in it would start a key of its own.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

bool isRundownName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(kRundownEnding, Qt::CaseInsensitive) == 0;
}

ReadRundown readRundown(const QByteArray &data, const QString &folder)
{
    ReadRundown out;
    if (data.size() > kMaxRundownBytes) {
        out.error = tr("the rundown is larger than 1 MB");
        return out;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(data);
    if (utf8.hasError()) {
        out.error = tr("the rundown is not UTF-8 text");
        return out;
    }
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first().trimmed() != kMagic) {
        out.error = tr("this is no Cuescroll rundown");
        return out;
    }
    const QDir base(folder);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            ++out.ignoredLines;
            continue;
        }
        const QStringView key = line.left(colon).trimmed();
        const QStringView value = line.mid(colon + 1).trimmed();
        QList<Story> &stories = out.rundown.stories;
        if (key == kStory) {
            if (value.isEmpty() || stories.size() >= kMaxStories) {
                ++out.ignoredLines;
                continue;
            }
            Story s;
            s.path = QDir::cleanPath(base.absoluteFilePath(QDir::fromNativeSeparators(value.toString())));
            stories << s;
        } else if (key == kTitle && !stories.isEmpty()) {
            stories.last().title = value.toString();
        } else if (key == kPlanned && !stories.isEmpty() && parseDuration(value)) {
            stories.last().planned = parseDuration(value);
        } else if (key == kTargetEnd &&
                   QTime::fromString(value.toString(), QStringLiteral("H:mm")).isValid()) {
            out.rundown.target = {
                Target::Kind::End,
                QTime::fromString(value.toString(), QStringLiteral("H:mm")).msecsSinceStartOfDay() / 1000};
        } else if (key == kTargetDuration && parseDuration(value)) {
            out.rundown.target = {Target::Kind::Duration, *parseDuration(value)};
        } else {
            ++out.ignoredLines;
        }
    }
    return out;
}

QByteArray writeRundown(const Rundown &rundown, const QString &folder)
{
    const QDir base(folder);
    QString text = kMagic + QLatin1Char('\n');
    switch (rundown.target.kind) {
    case Target::Kind::End:
        text +=
            kTargetEnd + QStringLiteral(": ") +
            QTime::fromMSecsSinceStartOfDay(rundown.target.seconds * 1000).toString(QStringLiteral("HH:mm")) +
            QLatin1Char('\n');
        break;
    case Target::Kind::Duration:
        text += kTargetDuration + QStringLiteral(": ") + formatDuration(rundown.target.seconds) +
                QLatin1Char('\n');
        break;
    case Target::Kind::Plan:
        break;
    }
    for (const Story &s : rundown.stories) {
        const QString relative = base.relativeFilePath(s.path);
        text += QLatin1Char('\n') + kStory + QStringLiteral(": ") +
                oneLine(relative.isEmpty() ? QStringLiteral(".") : relative) + QLatin1Char('\n');
        if (!s.title.isEmpty())
            text += kTitle + QStringLiteral(": ") + oneLine(s.title) + QLatin1Char('\n');
        if (s.planned)
            text += kPlanned + QStringLiteral(": ") + formatDuration(*s.planned) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace show
