#include "settings/Appearance.h"

#include "settings/modSettings.h"

#include <cmath>
#include <limits>

namespace appearance {
namespace {

QString boolText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

qint16 storedFontSize(double points)
{
    const double rounded = std::nearbyint(points);
    if (!(rounded >= std::numeric_limits<qint16>::min()))
        return std::numeric_limits<qint16>::min();
    if (rounded > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return qint16(rounded);
}

void Save(const Appearance &a)
{
    modSettings::SetForeColor(QString::number(a.lForeColor));
    modSettings::SetFontName(a.sFontName);
    modSettings::SetFontBold(boolText(a.bFontBold));
    modSettings::SetFontItalic(boolText(a.bFontItalic));
    modSettings::SetFontSize(QString::number(a.iFontSize));
    modSettings::SetFontStrikethrough(boolText(a.bFontStrikethrough));
    modSettings::SetFontUnderline(boolText(a.bFontUnderline));
    modSettings::SetBackColor(QString::number(a.lBackColor));
    modSettings::SetLineColor(QString::number(a.lLineColor));
}

} // namespace appearance
