// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "documents/Documents.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Rich Text Format: our own writer, and a reader for our output and ordinary word-processor files.
namespace rtf {

// True when the data opens as an RTF document ("{\rtf", leading white space allowed).
bool looksLikeRtf(QByteArrayView data);

// Each change of format costs the text view a fragment, far more than its bytes: a million of them
// take about a second and a hundred MB. Word processors write about 40 to a paragraph of 100 words,
// some 800,000 in 20 MB of text.
constexpr qsizetype kMaxFormatRuns = 1'000'000;

// What the reader builds at most.
struct Limits
{
    qsizetype paragraphs = documents::kMaxParagraphs; // beyond: the document is refused
    qint64 textBytes = documents::kMaxTextBytes;      // beyond: the document is refused
    // Beyond: the formats stop changing; each later paragraph keeps the format its text begins with.
    qsizetype formatRuns = kMaxFormatRuns;
};

// Replaces the document's content with the RTF data: one block per paragraph, with font, size, bold,
// italic, underline, strike-through and text colour kept per character. A manual line break and each
// table cell make paragraphs of their own; headers, footers, footnotes, pictures and hidden text are
// left out. Damaged RTF is read as far as it makes sense. Returns None when the document holds the
// text; else NotText (no RTF, or no document), TooLarge or TooManyParagraphs, and the document is
// left untouched. documents::describe() words the error.
documents::Error read(QByteArrayView data, QTextDocument *doc, const Limits &limits = {});

// The whole document as RTF (7-bit text; non-ASCII as \uN).
QByteArray write(const QTextDocument *doc);

} // namespace rtf
