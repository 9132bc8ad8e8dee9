// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace voice {

// A spoken word of the script: its lower-case form as the recogniser spells it, and where it lies in
// the text.
struct ScriptWord
{
    QString text;
    int start = 0;
    int end = 0;
    bool sentenceEnd = false; // a full stop, question, exclamation or paragraph end follows it
    // On the first word of a number that can be said two ways, the other way ("two thousand and
    // twenty six" beside "twenty twenty six").
    QStringList otherReading;
};

// The words of a script in reading order. Letters, digits and inner apostrophes make a word; a
// hyphen or any other mark separates words. Numbers ("2026", "3.2", "1,200", "115th", "5%") and
// common abbreviations ("Dr.", "Ltd.") become the words they are said as, all spanning the token;
// the full stop of an abbreviation, an initial or a decimal ends no sentence.
QList<ScriptWord> scriptWords(const QString &text);

// How a whole number is said: the usual reading first, then a year's reading where it has one.
QStringList spokenNumber(qint64 n, bool ordinal = false);
QStringList spokenYear(int n);

// The same rule for a single token, as the recogniser's dictionary keys it; empty when it is no word.
QString normalWord(const QString &token);

} // namespace voice
