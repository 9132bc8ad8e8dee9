#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// A font by its classic face name; faces the system lacks resolve to the nearest serif or sans face.
QFont make(const QString &family, double points, bool bold = false);

// What a control without a font of its own uses: "MS Sans Serif" 8.25 points, regular.
QFont standard();

} // namespace fonts
