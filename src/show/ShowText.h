// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "show/Rundown.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

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

// A story's text as compose() lays it out: one string a paragraph.
QStringList paragraphsOf(const QString &text);

// A place in a story's text: which paragraph, and how far into it.
struct TextPlace
{
    int paragraph = 0;
    int offset = 0;
    friend bool operator==(const TextPlace &, const TextPlace &) = default;
};
// Where a place in a story's old text lies in its new text: in the same paragraph, found by its text
// (the one nearest its old index when it comes twice), else in the paragraph at the same index.
TextPlace samePlace(const QStringList &before, TextPlace at, const QStringList &after);

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
