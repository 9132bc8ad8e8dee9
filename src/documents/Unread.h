// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBlock>
#include <QTextFormat>

// Paragraphs of the shown script that the presenter does not read: cues and notes written in the
// script, and the breaks that title the next story of a rundown. They are marked on the paragraph's
// block format, so that word counts, reading-time estimates and the voice skip them wherever the
// text goes.
namespace unread {

enum class Kind { None = 0, Cue = 1, StoryBreak = 2 };

inline constexpr int kProperty = QTextFormat::UserProperty + 40;

inline Kind kindOf(const QTextBlock &block)
{
    return static_cast<Kind>(block.blockFormat().intProperty(kProperty));
}

inline bool isUnread(const QTextBlock &block)
{
    return kindOf(block) != Kind::None;
}

} // namespace unread
