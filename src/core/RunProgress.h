// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// How far through the script the run is, and its time to go, as last told: read from where the
// script stands at each step, the countdown held steady while the script glides.
class RunProgress
{
public:
    struct Changed
    {
        bool percent = false;
        bool timeToGo = false;
    };
    // The script's Top of its height in a viewport that tall, twips, run at that speed and way.
    Changed update(float top, float scriptHeight, float viewportHeight, int speed, bool forward, bool smooth);
    // At a new speed or layout the time to go is counted afresh.
    void recount() { m_toGoSeconds = 0; }

    int percent() const { return m_percent; } // 0 to 100
    const QString &timeToGo() const { return m_timeToGo; }
    qint32 toGoSeconds() const { return m_toGoSeconds; } // what timeToGo() shows; 0 before the first count

private:
    int m_percent = 0;
    QString m_timeToGo = QStringLiteral("00:00");
    qint32 m_toGoSeconds = 0; // the seconds counted down from while gliding (0: none yet)
};
