// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markers/CMarkers.h"

#include "markers/Log.h"

void CMarkers::Add(const CMarker &oMarker)
{
    colMarkers.append(oMarker);
    qCDebug(lcMarkers) << "marker" << Count() << "added: characters" << oMarker.lStartFrom << "to"
                       << oMarker.lStartFrom + oMarker.lLength;
}

bool CMarkers::Remove(qint32 lIndex)
{
    if (lIndex < 1 || lIndex > Count()) {
        qCDebug(lcMarkers) << "no marker" << lIndex << "to remove of" << Count();
        return false;
    }
    colMarkers.removeAt(lIndex - 1);
    qCDebug(lcMarkers) << "marker" << lIndex << "removed," << Count() << "left";
    return true;
}

void CMarkers::Clear()
{
    for (qint32 i = Count(); i > 0; --i)
        [[maybe_unused]] const bool removed = Remove(i);
}

qint32 CMarkers::Count() const
{
    return qint32(colMarkers.size());
}

std::optional<CMarker> CMarkers::Item(qint32 lIndex) const
{
    if (lIndex < 1 || lIndex > Count())
        return std::nullopt;
    return colMarkers.at(lIndex - 1);
}
