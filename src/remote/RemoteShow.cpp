// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RemoteShow.h"

#include "core/ShowRun.h"

#include <QJsonArray>

namespace remote {

QJsonObject showJson(const ShowRun &show)
{
    QJsonArray rundown;
    const QList<show::Story> &stories = show.stories();
    for (qsizetype i = 0; i < stories.size(); ++i) {
        const show::Story &s = stories.at(i);
        rundown.append(QJsonObject{
            {QStringLiteral("index"), int(i + 1)},
            {QStringLiteral("title"), s.shownTitle()},
            {QStringLiteral("words"), s.words},
            {QStringLiteral("estimated"), show.estimated(int(i))},
            {QStringLiteral("planned"), s.planned ? QJsonValue(*s.planned) : QJsonValue()},
            {QStringLiteral("state"), QLatin1String(show::stateName(show.stateOf(int(i))))},
            {QStringLiteral("missing"), s.missing},
            {QStringLiteral("deleted"), s.deleted},
        });
    }
    const show::Timings t = show.timings();
    const QJsonObject timers{
        {QStringLiteral("elapsed"), t.elapsed},
        {QStringLiteral("storyElapsed"), t.storyElapsed},
        {QStringLiteral("storyToGo"), t.storyToGo},
        {QStringLiteral("showToGo"), t.showToGo},
        {QStringLiteral("overUnder"), t.overUnder},
        {QStringLiteral("endTime"), t.endTime.toString(QStringLiteral("HH:mm:ss"))},
        {QStringLiteral("paceSpeed"), t.paceSpeed ? QJsonValue(*t.paceSpeed) : QJsonValue()},
    };
    return {
        {QStringLiteral("story"), show.current() >= 0 ? QJsonValue(show.current() + 1) : QJsonValue()},
        {QStringLiteral("rundown"), rundown},
        {QStringLiteral("timers"), timers},
    };
}

} // namespace remote
