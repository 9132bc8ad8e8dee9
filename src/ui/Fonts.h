// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// A font by its classic face name; faces the system lacks resolve to the nearest serif or sans face.
QFont make(const QString &family, double points, bool bold = false);

// The size of the standard face every control uses.
inline constexpr double kStandardPointSize = 8.25;

// What a control without a font of its own uses: "MS Sans Serif" 8.25 points, regular.
QFont standard();

// The standard face in bold: the panel's labels and every fixed window's buttons.
QFont standardBold();

// `font` with the face of `face`: its family resolved the same way (same style hint).
QFont withFace(QFont font, const QFont &face);

// The distance in pixels from one line of text to the next in the font, leading included, exactly as
// a text view lays its lines out.
qreal linePitch(const QFont &font);

} // namespace fonts
