// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts that make the layout do the most work per character, of about `size` characters.
#include <QString>

enum class Hostile {
    UnbrokenRun,       // letters with no place to break a line
    OneParagraph,      // words, but no paragraph break
    DirectionControls, // embeddings opened and closed back to back, `perParagraph` to a paragraph
    ScriptAtEveryLetter
};

inline QString hostileText(Hostile shape, qsizetype size, qsizetype perParagraph = 1000)
{
    QString text;
    text.reserve(size + size / 4);
    for (qsizetype i = 0; text.size() < size; ++i) {
        switch (shape) {
        case Hostile::UnbrokenRun:
            text += QLatin1Char('a' + char(i % 26));
            break;
        case Hostile::OneParagraph:
            text += QStringLiteral("word ");
            break;
        case Hostile::DirectionControls:
            text += QChar(i % 2 ? 0x202C : 0x202B);
            if (i % perParagraph == perParagraph - 1)
                text += QLatin1Char('\n');
            break;
        case Hostile::ScriptAtEveryLetter:
            text += QStringView(u"a\u0628");
            if (i % 200 == 199)
                text += QLatin1Char('\n');
            else if (i % 5 == 4)
                text += QLatin1Char(' ');
            break;
        }
    }
    return text;
}
