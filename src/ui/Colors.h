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
// The plain 0x00BBGGRR value of a concrete colour (alpha dropped).
qint32 fromQColor(const QColor &color);

} // namespace colors

class QWidget;

// The colour a control was given, kept as its original value so a system colour stays one.
namespace colors {
qint32 backColor(const QWidget *w);
void setBackColor(QWidget *w, qint32 value);
qint32 foreColor(const QWidget *w);
void setForeColor(QWidget *w, qint32 value);
} // namespace colors
