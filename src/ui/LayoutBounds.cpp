// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LayoutBounds.h"

#include "ui/Log.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace layoutbounds {
namespace {

bool isDirectionControl(char16_t u)
{
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

// Whether the paragraph has more than kMaxUnbrokenRun characters between two places where a line
// may break. Blanks find nearly every paragraph clear; only one with a long blank-free stretch
// (Thai, Chinese, a hostile run) is asked of the line breaking rules themselves.
bool hasUnbrokenRun(QStringView paragraph)
{
    qsizetype run = 0;
    bool suspect = false;
    for (const QChar c : paragraph) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kMaxUnbrokenRun) {
            suspect = true;
            break;
        }
    }
    if (!suspect)
        return false;
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, paragraph.data(), int(paragraph.size()));
    qsizetype last = 0;
    for (qsizetype at = lines.toNextBoundary(); at >= 0; at = lines.toNextBoundary()) {
        if (at - last > kMaxUnbrokenRun)
            return true;
        last = at;
    }
    return false;
}

} // namespace

Shape measure(QStringView text)
{
    Shape shape;
    qsizetype start = 0;
    qsizetype controls = 0;
    QChar::Script script = QChar::Script_Common;
    const auto enter = [&](QChar::Script s) {
        // Marks, digits and punctuation join the run they stand in.
        if (s > QChar::Script_Common && s != script) {
            shape.runChanges += script != QChar::Script_Common;
            script = s;
        }
    };
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size()) {
            const char16_t u = text[i].unicode();
            if (u < 0x80 && u != '\n' && u != '\r') { // most scripts: no Unicode tables needed
                if ((u | 0x20) >= 'a' && (u | 0x20) <= 'z')
                    enter(QChar::Script_Latin);
                continue;
            }
            if (u >= 0x80 && u != QChar::ParagraphSeparator) {
                if (isDirectionControl(u)) {
                    ++controls;
                    ++shape.runChanges;
                }
                // A lone surrogate counts as a character of its own.
                const bool pair =
                    QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
                enter(pair ? QChar::script(QChar::surrogateToUcs4(u, text[++i].unicode()))
                           : QChar::script(u));
                continue;
            }
        }
        const QStringView paragraph = text.sliced(start, i - start);
        shape.longestParagraph = std::max(shape.longestParagraph, paragraph.size());
        shape.mostDirectionControls = std::max(shape.mostDirectionControls, controls);
        if (!shape.unbrokenRun && paragraph.size() > kMaxUnbrokenRun)
            shape.unbrokenRun = hasUnbrokenRun(paragraph);
        start = i + 1;
        controls = 0;
    }
    return shape;
}

QString refusal(const Shape &shape)
{
    if (shape.longestParagraph > kMaxParagraphLength || shape.mostDirectionControls > kMaxDirectionControls ||
        shape.runChanges > kMaxRunChanges)
        qCInfo(lcUi) << "layout bounds refuse a text: longest paragraph" << shape.longestParagraph << "of"
                     << kMaxParagraphLength << "characters," << shape.mostDirectionControls << "of"
                     << kMaxDirectionControls << "direction controls," << shape.runChanges << "of"
                     << kMaxRunChanges << "run changes";
    if (shape.longestParagraph > kMaxParagraphLength)
        return QCoreApplication::translate(
                   "RichTextView", "it has a paragraph of more than %L1 characters, too long for a script")
            .arg(kMaxParagraphLength);
    if (shape.mostDirectionControls > kMaxDirectionControls)
        return QCoreApplication::translate("RichTextView",
                                           "it has a paragraph with more than %L1 text direction controls")
            .arg(kMaxDirectionControls);
    if (shape.runChanges > kMaxRunChanges)
        return QCoreApplication::translate("RichTextView",
                                           "it changes writing system or direction more than %L1 times")
            .arg(kMaxRunChanges);
    return {};
}

QTextOption::WrapMode wrapMode(const Shape &shape)
{
    if (shape.unbrokenRun)
        qCDebug(lcUi) << "a run of more than" << kMaxUnbrokenRun
                      << "characters cannot break: wrapping anywhere";
    return shape.unbrokenRun ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

} // namespace layoutbounds
