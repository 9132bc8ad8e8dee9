// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace voice {

// A spoken word of the script: its lower-case form as the recogniser spells it, and where it lies in
// the text.
struct ScriptWord
{
    QString text;
    int start = 0;
    int end = 0;
    bool sentenceEnd = false; // a full stop, question, exclamation or paragraph end follows it
};

// The words of a script in reading order. Letters, digits and inner apostrophes make a word; a
// hyphen or any other mark separates words. Tokens without a letter (numbers) are left out: the
// recogniser only knows words it can spell.
QList<ScriptWord> scriptWords(const QString &text);

// The same rule for a single token, as the recogniser's dictionary keys it; empty when it is no word.
QString normalWord(const QString &token);

} // namespace voice
