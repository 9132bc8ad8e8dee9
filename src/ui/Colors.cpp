// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

const QPalette &scriptPalette()
{
    static const QPalette palette = [] {
        const QColor face(0xD4, 0xD0, 0xC8);
        const QColor grey(0x80, 0x80, 0x80);
        QPalette p(Qt::black, face, Qt::white, grey, grey, Qt::black, Qt::white, Qt::white, face);
        p.setColor(QPalette::Midlight, face);
        p.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
        p.setColor(QPalette::ButtonText, Qt::black);
        p.setColor(QPalette::Highlight, QColor(0x0A, 0x24, 0x6A));
        p.setColor(QPalette::HighlightedText, Qt::white);
        p.setColor(QPalette::Inactive, QPalette::Highlight, grey);
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, face);
        p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
        p.setColor(QPalette::ToolTipText, Qt::black);
        p.setColor(QPalette::Disabled, QPalette::Text, grey);
        return p;
    }();
    return palette;
}

qint32 fromQColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace colors

#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace colors {
namespace {
constexpr char kBackProperty[] = "cuescrollBackColor";
constexpr char kForeProperty[] = "cuescrollForeColor";
constexpr char kScriptProperty[] = "cuescrollShowsScript";
} // namespace

void showsScript(QWidget *w)
{
    w->setProperty(kScriptProperty, true);
}

QColor resolve(qint32 value, const QWidget *w)
{
    if (w && w->property(kScriptProperty).toBool())
        return toQColor(value, scriptPalette());
    return toQColor(value);
}

qint32 backColor(const QWidget *w)
{
    const QVariant v = w->property(kBackProperty);
    return v.isValid() ? v.toInt() : fromQColor(w->palette().color(w->backgroundRole()));
}

void setBackColor(QWidget *w, qint32 value)
{
    w->setProperty(kBackProperty, value);
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), resolve(value, w));
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
    p.setColor(w->foregroundRole(), resolve(value, w));
    w->setPalette(p);
}

namespace {

qreal luminance(const QColor &color)
{
    const auto channel = [](qreal c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor c = color.toRgb();
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The text's resolved colour follows the background it is drawn on whenever the palette changes.
class ReadableText final : public QObject
{
public:
    ReadableText(QWidget *w, qint32 value) : QObject(w), m_value(value) { w->installEventFilter(this); }
    void apply(QWidget *w) const
    {
        const QColor bg = w->palette().color(w->backgroundRole());
        const QColor fg = readableOn(resolve(m_value, w), bg, kMinimum);
        if (w->palette().color(w->foregroundRole()) == fg)
            return; // also ends the change of palette that setting it causes
        QPalette p = w->palette();
        p.setColor(w->foregroundRole(), fg);
        w->setPalette(p);
    }
    void setValue(qint32 value) { m_value = value; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static constexpr qreal kMinimum = 4.5; // what small text needs to be read with ease
    qint32 m_value;
};

} // namespace

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &color, const QColor &background, qreal minimum)
{
    // Lighter on a background darker than the middle grey of contrast, darker on a light one.
    const bool lighten = luminance(background) < 0.18;
    QColor c = color.toHsl();
    for (int step = 0; step < 100 && contrast(c, background) < minimum; ++step) {
        const float l = c.lightnessF() + (lighten ? 0.01f : -0.01f);
        if (l < 0 || l > 1)
            break;
        c.setHslF(c.hslHueF(), c.hslSaturationF(), l);
    }
    return c.toRgb();
}

void setReadableForeColor(QWidget *w, qint32 value)
{
    w->setProperty(kForeProperty, value);
    auto *keeper = w->findChild<ReadableText *>(QString(), Qt::FindDirectChildrenOnly);
    if (keeper)
        keeper->setValue(value);
    else
        keeper = new ReadableText(w, value);
    keeper->apply(w);
}
} // namespace colors
