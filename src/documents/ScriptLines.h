// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QString>

class QTextDocument;

// Positions in a script as its plain text counts them, where every paragraph end is the two
// characters CR LF, against the display lines of its document's layout (in pixels down the
// document). The caller lays the document out at the width it is shown at first.
class ScriptLines
{
public:
    explicit ScriptLines(const QTextDocument &doc) : m_doc(doc) {}

    QString text() const;
    int textLength() const;
    // 0-based display line holding a position.
    int lineOf(int position) const;
    // Display lines in all, the last one holding the script's end.
    int lineCount() const { return lineOf(textLength()) + 1; }
    // Where the display line at y pixels down begins.
    int lineStartAt(int y) const;
    // The display line holding a position.
    QRectF lineRect(int position) const;
    // The display line holding a position, as positions: its start and the next line's (a
    // paragraph's last line holds its line end).
    struct Span
    {
        int start = 0;
        int next = 0;
    };
    Span lineSpan(int position) const;
    // The paragraph holding a position.
    QRectF paragraphRect(int position) const;

    // A paragraph end is one character in the document and two here.
    int toDocPosition(int textPosition) const;
    int toTextPosition(int docPosition) const;

private:
    const QTextDocument &m_doc;
};
