// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The scroll step: how far one call moves the script view inside the viewport. The script's
// position is the view's Top: 0 at the beginning, more negative further on.
namespace scroll {

inline constexpr qint32 kStepIntervalMs = 20;

// Step values of the keys and the wheel: a line (arrow keys and one wheel notch), a page, and far
// enough to reach either end of any script.
inline constexpr qint32 kLineStep = 200;
inline constexpr qint32 kPageStep = 1000;
inline constexpr qint32 kEndStep = 10000000;

// Twips one call moves for a step value (the slider's value for the clock).
constexpr qint32 stepSize(qint32 lVal)
{
    return static_cast<qint32>(static_cast<quint32>(lVal) * 3u + 5u);
}

// Nearest integer, ties to even.
qint32 roundToInt(double value);

// The scroll range in twips: how far Top can go below 0.
qint32 range(float viewHeight, float viewportHeight);

struct StepResult
{
    bool hasRange = false; // false: the script fits, nothing moved and nothing is to be refreshed
    float top = 0;         // the new Top
};

// One call of the step routine: iDir +1 moves the script forward (Top decreases), -1 back.
// A smooth step moves one twip per assignment, as many as the step has twips.
StepResult step(float top, float viewHeight, float viewportHeight, qint16 iDir, qint32 lVal, bool bSmooth);

// The script view's height for a measured line height and the number of the last display line:
// a script that fits gets exactly the viewport's height and cannot scroll.
struct Measure
{
    float textHeight = 0; // sngTextHeight
    float viewHeight = 0;
};
Measure measure(float lineHeight, qint32 lastLine, float viewportHeight);

} // namespace scroll
