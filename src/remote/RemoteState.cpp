// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RemoteState.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace remote {

QJsonArray markersJson(const QList<Marker> &markers)
{
    QJsonArray out;
    int index = 0;
    for (const Marker &m : markers) {
        out.append(QJsonObject{{QStringLiteral("index"), ++index},
                               {QStringLiteral("start"), m.start},
                               {QStringLiteral("length"), m.length},
                               {QStringLiteral("text"), m.text}});
    }
    return out;
}

QJsonArray cuesJson(const QList<Cue> &cues)
{
    QJsonArray out;
    for (const Cue &c : cues)
        out.append(QJsonObject{{QStringLiteral("text"), c.text}, {QStringLiteral("start"), c.start}});
    return out;
}

QByteArray stateJson(const State &s, const QJsonArray &markers, const QJsonArray &cues)
{
    QJsonObject o{
        {QStringLiteral("running"), s.running},
        {QStringLiteral("speed"), s.speed},
        {QStringLiteral("direction"), s.up ? QStringLiteral("up") : QStringLiteral("down")},
        {QStringLiteral("top"), s.top},
        {QStringLiteral("range"), s.range},
        {QStringLiteral("progress"), s.progress},
        {QStringLiteral("timeToGo"), s.timeToGo},
        {QStringLiteral("words"), s.words},
        {QStringLiteral("charAtLine"), s.charAtLine},
        {QStringLiteral("lineText"), s.lineText},
        {QStringLiteral("markers"), markers},
        {QStringLiteral("markMode"), s.markMode},
        {QStringLiteral("fullScreen"), s.fullScreen},
        {QStringLiteral("time"), s.time},
        {QStringLiteral("message"), s.message.isEmpty() ? QJsonValue() : QJsonValue(s.message)},
        {QStringLiteral("cues"), cues},
        {QStringLiteral("leaderLost"), s.leaderLost},
        {QStringLiteral("mos"), s.mos},
        {QStringLiteral("cueErrors"), QJsonArray::fromStringList(s.cueErrors)},
    };
    for (auto i = s.show.begin(); i != s.show.end(); ++i)
        o.insert(i.key(), i.value());
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QString lineFrom(const QString &text, int at, int most)
{
    if (at < 0 || at >= text.size())
        return {};
    qsizetype end = at;
    const qsizetype limit = std::min<qsizetype>(text.size(), qsizetype(at) + most);
    while (end < limit && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n') &&
           text.at(end) != QChar::ParagraphSeparator && text.at(end) != QChar::LineSeparator)
        ++end;
    if (end == limit && limit < text.size()) {
        const qsizetype space = text.lastIndexOf(QLatin1Char(' '), end - 1);
        if (space > at)
            end = space;
    }
    return text.mid(at, end - at).trimmed();
}

} // namespace remote
