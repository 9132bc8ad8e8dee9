// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <QTextOption>

// What a text asks of the layout. The toolkit's line breaking and bidi resolution cost time with the
// square of a run without a break opportunity and of the direction controls in one paragraph, and
// more than linearly with a paragraph's length; these bounds keep every script the view takes
// within a few seconds.
namespace layoutbounds {

// About nine hours of reading without a paragraph break.
constexpr qsizetype kMaxParagraphLength = 500'000;
// Embeddings, overrides and isolates: a real paragraph uses a handful.
constexpr qsizetype kMaxDirectionControls = 1'000;
// Each change of writing system or direction is a run the layout shapes on its own, at a cost
// fifteen times a letter's; a script in two languages changes about once a word.
constexpr qsizetype kMaxRunChanges = 1'000'000;
// Longer than any word: a run this long without a break opportunity is wrapped anywhere.
constexpr qsizetype kMaxUnbrokenRun = 200;

struct Shape
{
    qsizetype longestParagraph = 0;
    qsizetype mostDirectionControls = 0; // in one paragraph
    qsizetype runChanges = 0;            // of writing system, and direction controls
    bool unbrokenRun = false;            // some run longer than kMaxUnbrokenRun cannot be broken
};

// Paragraphs end at CR, LF and U+2029, as they do in the view's document.
Shape measure(QStringView text);

// Why the view refuses the text, for a message ("…: <reason>."); empty when it takes it.
QString refusal(const Shape &shape);
inline QString refusal(QStringView text)
{
    return refusal(measure(text));
}

// Wrapping at word boundaries searches each line's run to its end for a break: the square of the
// run's length. A text holding such a run is wrapped anywhere instead (its words too), which is linear.
QTextOption::WrapMode wrapMode(const Shape &shape);

} // namespace layoutbounds
