// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class QTextDocument;

// Cues written in the script as paragraphs in double square brackets, "[[roll VT]]": shown to the
// operator and the presenter in a style of their own, never read, and fired as the reading line
// reaches them.
namespace cues {

// "roll VT" for the paragraph "[[roll VT]]"; empty when the paragraph is no cue.
QString cueText(QStringView paragraph);

// Marks every cue paragraph unread and styles it small; a paragraph that stopped being a cue is read
// again. `hidden` leaves cues out of the layout: nothing of them shows, and they take no height.
void mark(QTextDocument &doc, bool hidden = false);

struct Cue
{
    QString text;
    int start = 0; // where the paragraph begins in the plain text (paragraph ends as CR LF)
    int block = 0; // its block number
    friend bool operator==(const Cue &, const Cue &) = default;
};
// The cues of a marked document, in order.
QList<Cue> list(const QTextDocument &doc);

// The words the presenter reads: every unread paragraph (cues, story breaks) left out.
qint32 readWords(const QTextDocument &doc);
qint32 readWords(QStringView text);
// The plain text (paragraph ends as CR LF) with every unread paragraph blanked to spaces, so that
// places in it are places in the script.
QString readText(const QTextDocument &doc);

} // namespace cues
