#include "ui/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace colors {
namespace {

// The classic system colour indices, each on its nearest palette role.
QColor systemColor(int index, const QPalette &p)
{
    using R = QPalette::ColorRole;
    switch (index) {
    case 0:
        return p.color(R::Button); // scroll bar
    case 1:
        return p.color(R::Dark); // desktop
    case 2:
        return p.color(QPalette::Active, R::Highlight); // active caption
    case 3:
        return p.color(QPalette::Inactive, R::Highlight); // inactive caption
    case 4:
        return p.color(R::Window); // menu bar
    case 5:
        return p.color(R::Base); // window background
    case 6:
        return p.color(R::Shadow); // window frame
    case 7:
        return p.color(R::WindowText); // menu text
    case 8:
        return p.color(R::Text); // window text
    case 9:
        return p.color(QPalette::Active, R::HighlightedText); // active caption text
    case 10:
        return p.color(R::Mid); // active border
    case 11:
        return p.color(R::Midlight); // inactive border
    case 12:
        return p.color(R::Dark); // application workspace
    case 13:
        return p.color(R::Highlight); // highlight
    case 14:
        return p.color(R::HighlightedText); // highlight text
    case 15:
        return p.color(R::Button); // button face
    case 16:
        return p.color(R::Mid); // button shadow
    case 17:
        return p.color(QPalette::Disabled, R::Text); // grey text
    case 18:
        return p.color(R::ButtonText); // button text
    case 19:
        return p.color(QPalette::Inactive, R::HighlightedText); // inactive caption text
    case 20:
        return p.color(R::Light); // button highlight
    case 21:
        return p.color(R::Shadow); // 3-D dark shadow
    case 22:
        return p.color(R::Midlight); // 3-D light
    case 23:
        return p.color(R::ToolTipText); // tool tip text
    case 24:
        return p.color(R::ToolTipBase); // tool tip background
    default:
        return p.color(R::WindowText);
    }
}

} // namespace

QColor toQColor(qint32 value)
{
    return toQColor(value, QGuiApplication::palette());
}

QColor toQColor(qint32 value, const QPalette &palette)
{
    if (isSystem(value))
        return systemColor(value & 0xFF, palette);
    const auto v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 fromQColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace colors

#include <QVariant>
#include <QWidget>

namespace colors {
namespace {
constexpr char kBackProperty[] = "cuescrollBackColor";
constexpr char kForeProperty[] = "cuescrollForeColor";
} // namespace

qint32 backColor(const QWidget *w)
{
    const QVariant v = w->property(kBackProperty);
    return v.isValid() ? v.toInt() : fromQColor(w->palette().color(w->backgroundRole()));
}

void setBackColor(QWidget *w, qint32 value)
{
    w->setProperty(kBackProperty, value);
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), toQColor(value));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

qint32 foreColor(const QWidget *w)
{
    const QVariant v = w->property(kForeProperty);
    return v.isValid() ? v.toInt() : fromQColor(w->palette().color(w->foregroundRole()));
}

void setForeColor(QWidget *w, qint32 value)
{
    w->setProperty(kForeProperty, value);
    QPalette p = w->palette();
    p.setColor(w->foregroundRole(), toQColor(value));
    w->setPalette(p);
}
} // namespace colors
