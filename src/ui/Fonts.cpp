#include "ui/Fonts.h"

namespace fonts {

QFont make(const QString &family, double points, bool bold)
{
    QFont f(family);
    const bool serif = family.contains(QLatin1String("Times"), Qt::CaseInsensitive) ||
                       (family.contains(QLatin1String("Serif"), Qt::CaseInsensitive) &&
                        !family.contains(QLatin1String("Sans"), Qt::CaseInsensitive));
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    if (points > 0)
        f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont standard()
{
    return make(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace fonts
