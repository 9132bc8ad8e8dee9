// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/ScreenIdentity.h"

#include <QScreen>

#include <optional>

namespace studio {

namespace {

constexpr QChar kSeparator = QLatin1Char('|');

// A monitor's texts never hold the separator in practice; if one does, it becomes a blank
// both when stored and when compared, so that the key still reads back.
QString field(const QString &text)
{
    QString t = text.trimmed();
    return t.replace(kSeparator, QLatin1Char(' '));
}

// The only index among `candidates` for which `pick` holds, -1 when none or several do.
template <typename Pick> qsizetype onlyOne(const QList<qsizetype> &candidates, Pick pick)
{
    qsizetype found = -1;
    for (qsizetype i : candidates) {
        if (!pick(i))
            continue;
        if (found >= 0)
            return -1;
        found = i;
    }
    return found;
}

} // namespace

ScreenIdentity ScreenIdentity::of(const QScreen *screen, int number)
{
    return {field(screen->name()),  field(screen->manufacturer()),
            field(screen->model()), field(screen->serialNumber()),
            screen->geometry(),     number};
}

bool ScreenIdentity::sameMonitor(const ScreenIdentity &other) const
{
    return hasMonitor() && field(manufacturer) == field(other.manufacturer) &&
           field(model) == field(other.model) && field(serial) == field(other.serial);
}

QString ScreenIdentity::key() const
{
    const QRect &g = geometry;
    return QStringList{field(manufacturer),
                       field(model),
                       field(serial),
                       field(name),
                       QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()),
                       QString::number(number)}
        .join(kSeparator);
}

std::optional<ScreenIdentity> ScreenIdentity::fromKey(const QString &key)
{
    const QStringList parts = key.split(kSeparator);
    if (parts.size() < 4)
        return std::nullopt;
    ScreenIdentity id{parts.at(3), parts.at(0), parts.at(1), parts.at(2), {}, parts.value(5).toInt()};
    if (parts.size() > 4) {
        const QStringList g = parts.at(4).split(QLatin1Char(','));
        bool ok[4] = {};
        if (g.size() == 4) {
            const QRect r(g.at(0).toInt(&ok[0]), g.at(1).toInt(&ok[1]), g.at(2).toInt(&ok[2]),
                          g.at(3).toInt(&ok[3]));
            if (ok[0] && ok[1] && ok[2] && ok[3])
                id.geometry = r;
        }
    }
    return id;
}

qsizetype matchScreen(const QString &stored, const QList<ScreenIdentity> &screens)
{
    if (stored.isEmpty())
        return -1;
    QList<qsizetype> all;
    for (qsizetype i = 0; i < screens.size(); ++i)
        all.append(i);
    const std::optional<ScreenIdentity> id = ScreenIdentity::fromKey(stored);
    if (!id) {
        if (const qsizetype i = onlyOne(all, [&](qsizetype i) { return screens.at(i).name == stored; });
            i >= 0)
            return i;
        bool isNumber = false;
        const int n = stored.toInt(&isNumber);
        return isNumber && n >= 1 && n <= screens.size() ? n - 1 : -1;
    }

    QList<qsizetype> same;
    for (qsizetype i : all) {
        if (id->sameMonitor(screens.at(i)))
            same.append(i);
    }
    if (same.size() == 1)
        return same.first();
    // Identical monitors, or the monitor's texts read differently on this platform (or not at all):
    // the connector decides, then the place on the desktop.
    const QList<qsizetype> &pool = same.isEmpty() ? all : same;
    if (const qsizetype i = onlyOne(pool, [&](qsizetype i) { return screens.at(i).name == id->name; });
        i >= 0)
        return i;
    if (id->geometry.isValid()) {
        if (const qsizetype i =
                onlyOne(pool, [&](qsizetype i) { return screens.at(i).geometry == id->geometry; });
            i >= 0)
            return i;
    }
    // Alike in all that was kept (Xvfb's screens, say): by number, as long as it is one of them.
    const qsizetype byNumber = id->number - 1;
    if (pool.contains(byNumber) && (!same.isEmpty() || screens.at(byNumber).name == id->name ||
                                    screens.at(byNumber).geometry == id->geometry))
        return byNumber;
    return same.isEmpty() ? -1 : same.first();
}

} // namespace studio
