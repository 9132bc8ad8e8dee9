// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ScriptReading.h"

#include "core/ScriptWindow.h"
#include "documents/ScriptLines.h"
#include "markers/MarkerPlaces.h"
#include "scroll/ScriptView.h"
#include "scroll/ScrollEngine.h"
#include "scroll/TwipUnits.h"

#include <QTextDocument>

#include <algorithm>
#include <cmath>

int ScriptWindow::lineCount() const
{
    return ScriptLines(script()).lineCount();
}

float ScriptReading::top() const
{
    return m_view.scriptTop();
}

qint32 ScriptReading::range() const
{
    return scroll::range(m_view.scriptHeight(), m_view.viewportHeight());
}

QString ScriptReading::plainText() const
{
    return ScriptLines(m_script.script()).text();
}

int ScriptReading::layoutLength() const
{
    return ScriptLines(m_script.script()).textLength();
}

int ScriptReading::lineCount() const
{
    return m_script.lineCount();
}

float ScriptReading::lineHeight() const
{
    return m_view.fontLineHeight();
}

float ScriptReading::readingMiddle() const
{
    return m_view.readingLineTop() + m_view.readingLineHeight() / 2;
}

float ScriptReading::viewportHeight() const
{
    return m_view.viewportHeight();
}

int ScriptReading::charAtLine() const
{
    return ScriptLines(m_script.script()).lineStartAt(twips::toPixels(readingMiddle() - top()));
}

ScriptReading::Place ScriptReading::place() const
{
    // The layout's own lines: a script in several sizes has lines of several heights.
    const ScriptLines lines(m_script.script());
    const double into = double(readingMiddle() - top()) / twips::kPerPixel;
    const int character = charAtLine();
    const QRectF line = lines.lineRect(character);
    const double through = line.height() > 0 ? (into - line.top()) / line.height() : 0.0;
    const ScriptLines::Span span = lines.lineSpan(character);
    const QRectF paragraph = lines.paragraphRect(character);
    const double down = paragraph.height() > 0 ? (into - paragraph.top()) / paragraph.height() : 0.0;
    return {character, std::clamp(through, 0.0, 1.0), std::max(0, span.next - span.start),
            std::clamp(down, 0.0, 1.0)};
}

float ScriptReading::topFor(const Place &place, Align align) const
{
    const ScriptLines lines(m_script.script());
    const int length = lines.textLength();
    int character = std::clamp(place.character, 0, length);
    double into = 0;
    if (align == Align::Paragraph && place.paragraph >= 0) {
        const QRectF paragraph = lines.paragraphRect(character);
        into = paragraph.top() + std::min(place.paragraph, 1.0) * paragraph.height();
    } else {
        double through = place.through;
        if (place.length > 0) {
            // The same share of the text here, on whichever line holds it.
            const double reached = std::min(double(length), place.character + place.through * place.length);
            const ScriptLines::Span span = lines.lineSpan(int(std::floor(reached)));
            character = span.start;
            through = span.next > span.start
                          ? std::clamp((reached - span.start) / (span.next - span.start), 0.0, 1.0)
                          : 0.0;
        }
        const QRectF line = lines.lineRect(character);
        into = line.top() + through * line.height();
    }
    return std::clamp(float(std::nearbyint(readingMiddle() - into * twips::kPerPixel)), -float(range()),
                      0.0f);
}

float ScriptReading::topForChar(int position) const
{
    const float lineHeight = m_view.fontLineHeight();
    const ScriptLines lines(m_script.script());
    const qint32 line = lines.lineOf(std::clamp(position, 0, lines.textLength()));
    return markers::readingLineTop(markers::lineTop(lineHeight, line), lineHeight, m_view.readingLineTop(),
                                   m_view.readingLineHeight(), float(range()));
}
