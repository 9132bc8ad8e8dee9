// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <optional>

// One marked passage of the script, as it was when it was marked.
struct CMarker
{
    qint32 lStartFrom = 0; // first character, counted from 0 as the script view's selection counts
    qint32 lLength = 0;    // characters in the passage
    QString sText;         // the passage's text

    friend bool operator==(const CMarker &, const CMarker &) = default;
};

// The script's markers in the order they were made, addressed by 1-based position.
// Nothing here follows later edits of the script: a marker keeps the place it recorded.
class CMarkers
{
public:
    void Add(const CMarker &oMarker);
    // False, with nothing removed, when lIndex is outside 1 to Count().
    [[nodiscard]] bool Remove(qint32 lIndex);
    void Clear();
    qint32 Count() const;
    // Empty when lIndex is outside 1 to Count().
    std::optional<CMarker> Item(qint32 lIndex) const;

private:
    QList<CMarker> colMarkers;
};
