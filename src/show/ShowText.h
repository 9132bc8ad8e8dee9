// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/Rundown.h"

#include <QColor>
#include <QList>
#include <QString>

class QTextDocument;

// The stories of a show as one script: each after the first comes behind a break paragraph that
// titles it, which the presenter does not read. Missing stories are left out.
namespace show {

struct ShowText
{
    QString text;           // paragraphs end in "\n"
    QList<int> firstBlocks; // per story: its first paragraph, or -1 while it is missing
    QList<int> breakBlocks; // the break paragraphs
    int blockCount = 0;
};

ShowText compose(const QList<Story> &stories);

// Marks and dresses the breaks of a document holding compose()'s text: false, with nothing
// changed, when the document holds another text.
bool markBreaks(QTextDocument &doc, const ShowText &show, const QColor &script, const QColor &back);

// Where each story begins, as positions of the prompter's text (a paragraph end counts as two
// characters there), -1 for one missing.
QList<int> storyStarts(const QTextDocument &doc, const ShowText &show);

// The words of every paragraph read before each paragraph: the count from the start of the show
// to any place, skipping the paragraphs not read.
QList<int> wordsBefore(const QTextDocument &doc);

} // namespace show
