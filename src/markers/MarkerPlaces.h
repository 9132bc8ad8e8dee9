// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where markers land in the script view: pure arithmetic, so it is tested without windows.
namespace markers {

// The highlight of a marked passage: pure blue (0x00BBGGRR).
inline constexpr qint32 kHighlightColor = 16711680;

struct Passage
{
    qint32 start = 0;
    qint32 length = 0;
};

// A marker's passage cut to the text it now lies in: a marker recorded on a longer script may reach
// past the end, or start past it (then it is an empty passage at the end).
Passage clampPassage(qint32 start, qint32 length, qint32 textLength);

// The scroll distance that brings display line `line` to the top of the viewport, in whole twips.
float lineTop(float lineHeight, qint32 line);

// The script view's Top after a jump to a line `target` twips down the script: unchanged while that
// line lies within the viewport (both edges included), else the line at the viewport's top.
float jumpTop(float top, float viewportHeight, float target);

// The script view's Top that centres a line `target` twips down the script, `lineHeight` high, on the
// reading line (`readingTop` and `readingHeight` in the viewport); the script moves no further than it
// can scroll, 0 to `maxScroll`.
float readingLineTop(float target, float lineHeight, float readingTop, float readingHeight, float maxScroll);

// What an action does while mark mode is on: only Exit passes, as Cancel.
enum class MarkModeCommand { Ignore, Cancel };
MarkModeCommand markModeCommand(const QString &sAction);

} // namespace markers
