// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/ScriptWords.h"

namespace voice {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == QChar(0x2019);
}

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'?' || c == u'!' || c == u'\r' || c == u'\n' || c == QChar(0x2029);
}

} // namespace

QString normalWord(const QString &token)
{
    QString w;
    w.reserve(token.size());
    bool letter = false;
    for (QChar c : token) {
        if (isApostrophe(c))
            w += u'\'';
        else if (isWordChar(c)) {
            w += c.toLower();
            letter = letter || c.isLetter();
        } else
            return {};
    }
    while (w.startsWith(u'\''))
        w.remove(0, 1);
    while (w.endsWith(u'\''))
        w.chop(1);
    return letter ? w : QString();
}

QList<ScriptWord> scriptWords(const QString &text)
{
    QList<ScriptWord> words;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        if (!isWordChar(text[i])) {
            if (endsSentence(text[i]) && !words.isEmpty())
                words.last().sentenceEnd = true;
            ++i;
            continue;
        }
        int j = i;
        // An apostrophe belongs to the word only between letters: "don't", not "'quoted'".
        while (j < n &&
               (isWordChar(text[j]) || (isApostrophe(text[j]) && j + 1 < n && isWordChar(text[j + 1]))))
            ++j;
        const QString w = normalWord(text.mid(i, j - i));
        if (!w.isEmpty())
            words.append({w, i, j, false});
        i = j;
    }
    if (!words.isEmpty())
        words.last().sentenceEnd = true;
    return words;
}

} // namespace voice
