// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/gui/LevelMeter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

LevelMeter::LevelMeter(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Voice level"));
    setFocusPolicy(Qt::NoFocus);
}

void LevelMeter::setLevel(float level)
{
    level = std::clamp(level, 0.0f, 1.0f);
    if (level == m_level)
        return;
    m_level = level;
    setAccessibleDescription(tr("%1 %").arg(std::lround(level * 100)));
    update();
}

int LevelMeter::lit() const
{
    return int(std::lround(m_level * kLamps));
}

QSize LevelMeter::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(tr("Voice")) + 8 * kLamps, fontMetrics().height()};
}

void LevelMeter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QString caption = tr("Voice");
    QFont small = font();
    small.setPixelSize(std::max(8, height() - 2));
    p.setFont(small);
    const int captionWidth = QFontMetrics(small).horizontalAdvance(caption) + 4;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(0, 0, captionWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, caption);

    const int x0 = captionWidth;
    const double pitch = double(width() - x0) / kLamps;
    const int on = lit();
    for (int i = 0; i < kLamps; ++i) {
        // The last quarter of the scale is within 15 dB of clipping: amber, then red at the top.
        const QColor hue = i >= kLamps - 1       ? QColor(220, 40, 30)
                           : i >= kLamps * 3 / 4 ? QColor(230, 170, 20)
                                                 : QColor(40, 170, 60);
        const QRectF lamp(x0 + i * pitch + 1, 1, std::max(1.0, pitch - 2), height() - 2);
        p.fillRect(lamp, i < on ? hue : palette().color(QPalette::Mid));
    }
}
