// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

// Colours as the settings and the script view keep them: a signed 32-bit 0x00BBGGRR value; with the
// top bit set the low byte names a system colour, resolved through the palette only where it is drawn.
namespace colors {

inline constexpr qint32 kSystemBit = qint32(0x80000000u);

constexpr bool isSystem(qint32 value)
{
    return (value & kSystemBit) != 0;
}
constexpr qint32 rgb(int r, int g, int b)
{
    return qint32((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}
constexpr qint32 system(int index)
{
    return qint32(quint32(kSystemBit) | quint32(index & 0xFF));
}

// Resolves system colours through the application palette.
QColor toQColor(qint32 value);
QColor toQColor(qint32 value, const QPalette &palette);

// The classic light scheme. The script's page colour is fixed, so system colours among the script's
// colours resolve here rather than in the desktop's palette, which may be dark.
const QPalette &scriptPalette();
// The plain 0x00BBGGRR value of a concrete colour (alpha dropped).
qint32 fromQColor(const QColor &color);

} // namespace colors

class QWidget;

// The colour a control was given, kept as its original value so a system colour stays one.
namespace colors {
// w shows the script or a picture of it: its colours resolve in scriptPalette() from now on.
void showsScript(QWidget *w);
// value as w draws it: through scriptPalette() if w shows the script, else the application palette.
QColor resolve(qint32 value, const QWidget *w);

qint32 backColor(const QWidget *w);
void setBackColor(QWidget *w, qint32 value);
qint32 foreColor(const QWidget *w);
void setForeColor(QWidget *w, qint32 value);

// Contrast ratio of two colours, 1 (none) to 21 (black on white), by relative luminance.
qreal contrast(const QColor &a, const QColor &b);
// color with its hue kept and its lightness moved away from background until their contrast
// reaches minimum (or no further move helps).
QColor readableOn(const QColor &color, const QColor &background, qreal minimum);
// Like setForeColor, but the text stays readable on whatever background w is given, now and after
// any change of palette: an accent colour made for a light panel would vanish on a dark one.
void setReadableForeColor(QWidget *w, qint32 value);
} // namespace colors
