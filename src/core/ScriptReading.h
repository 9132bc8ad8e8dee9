// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

class ScriptView;
class ScriptWindow;

// Where the script stands and where the reading line reads in it, from the view and the laid-out
// script: what every reader of the run asks, whatever moves it. It changes nothing.
class ScriptReading
{
public:
    ScriptReading(const ScriptView &view, const ScriptWindow &script) : m_view(view), m_script(script) {}

    float top() const;    // the script view's Top, twips: 0 at the beginning, negative further on
    qint32 range() const; // how far Top can go below 0, twips
    // The script as plain text (paragraphs end in CR LF).
    QString plainText() const;
    // The script's characters as the layout counts them, the display lines they make, and the height
    // of a line of the script's font, twips.
    int layoutLength() const;
    int lineCount() const;
    float lineHeight() const;
    // Where in plainText() the display line under the middle of the reading line begins.
    int charAtLine() const;
    // The reading line's middle, and the viewport's height, twips down the viewport.
    float readingMiddle() const;
    float viewportHeight() const;

    // Where the reading line reads, independent of window and font size: the first character of the
    // display line under its middle, and how far down that line (0 to 1) the middle lies.
    // `length` is the characters of that display line (to the next line's start), so another
    // prompter, whose lines wrap elsewhere, finds the share of the line's text read. Paragraphs do not
    // wrap elsewhere: `paragraph` is how far down its paragraph (0 to 1) the reading line lies, for a
    // prompter that must pass each paragraph evenly in the same time, never hurrying where a line of
    // one holds less text than a line of the other.
    struct Place
    {
        int character = 0;
        double through = 0;
        int length = 0;
        double paragraph = -1; // below 0: not known; the line and `through` place it
    };
    Place place() const;
    // The Top that puts the reading line on that place here, within the scroll range: on the line
    // holding the place's share of its line's text, or (for a motion that must stay even) as far
    // down the place's paragraph.
    enum class Align { Line, Paragraph };
    float topFor(const Place &place, Align align = Align::Line) const;
    // The Top that puts the display line holding that character of plainText() on the reading line.
    float topForChar(int position) const;

private:
    const ScriptView &m_view;
    const ScriptWindow &m_script;
};
