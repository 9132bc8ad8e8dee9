// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// How loud the microphone hears the presenter: a caption and a row of lamps, green while the level
// is comfortable, amber and then red as it nears clipping. It is drawn unlike the script's progress
// bar above it so that the two are never read for one another.
class LevelMeter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kLamps = 12;

    explicit LevelMeter(QWidget *parent = nullptr);

    // 0 (silent, or nothing heard any more) to 1 (full scale).
    void setLevel(float level);
    float level() const { return m_level; }
    // The lamps lit at the current level.
    int lit() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_level = 0;
};
