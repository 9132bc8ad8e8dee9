// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/ShowText.h"

#include "documents/Documents.h"
#include "documents/Unread.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdlib>

namespace show {
namespace {

// One paragraph a line: every character the text layout would take as a paragraph's or frame's
// end becomes a line end or a space, so that paragraphs are counted as the document will hold them.
QString paragraphs(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar &c : text) {
        if (c == QLatin1Char('\r') || c == QChar::ParagraphSeparator)
            c = QLatin1Char('\n');
        else if (c == QChar(0xFDD0) || c == QChar(0xFDD1) || c == QChar(0xFDEA))
            c = QLatin1Char(' ');
    }
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

ShowText compose(const QList<Story> &stories)
{
    ShowText out;
    QStringList parts;
    for (const Story &s : stories) {
        if (s.missing) {
            out.firstBlocks << -1;
            continue;
        }
        if (!parts.isEmpty()) {
            QString title = paragraphs(s.shownTitle());
            title.replace(QLatin1Char('\n'), QLatin1Char(' '));
            out.breakBlocks << out.blockCount++;
            parts << title;
        }
        const QString text = paragraphs(s.text);
        out.firstBlocks << out.blockCount;
        out.blockCount += int(text.count(QLatin1Char('\n'))) + 1;
        parts << text;
    }
    out.text = parts.join(QLatin1Char('\n'));
    out.blockCount = std::max(out.blockCount, 1);
    return out;
}

QStringList paragraphsOf(const QString &text)
{
    return paragraphs(text).split(QLatin1Char('\n'));
}

TextPlace samePlace(const QStringList &before, TextPlace at, const QStringList &after)
{
    if (after.isEmpty())
        return {};
    int found = -1;
    if (at.paragraph >= 0 && at.paragraph < before.size()) {
        const QString &text = before.at(at.paragraph);
        for (int i = 0; i < after.size(); ++i) {
            if (after.at(i) == text &&
                (found < 0 || std::abs(i - at.paragraph) < std::abs(found - at.paragraph)))
                found = i;
        }
    }
    if (found < 0)
        found = std::clamp(at.paragraph, 0, int(after.size() - 1));
    return {found, std::clamp(at.offset, 0, int(after.at(found).size()))};
}

bool markBreaks(QTextDocument &doc, const ShowText &show, const QColor &script, const QColor &back)
{
    if (doc.blockCount() != show.blockCount)
        return false;
    // A band across the page, halfway between the script's colours: seen at once, read by nobody.
    const QColor band((script.red() + back.red()) / 2, (script.green() + back.green()) / 2,
                      (script.blue() + back.blue()) / 2);
    QTextCursor edit(&doc);
    edit.beginEditBlock();
    for (const int number : show.breakBlocks) {
        const QTextBlock block = doc.findBlockByNumber(number);
        QTextCursor c(block);
        QTextBlockFormat f;
        f.setProperty(unread::kProperty, int(unread::Kind::StoryBreak));
        f.setAlignment(Qt::AlignHCenter);
        f.setBackground(band);
        c.mergeBlockFormat(f);
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat chars;
        chars.setFontWeight(QFont::Bold);
        chars.setForeground(back);
        c.mergeCharFormat(chars);
    }
    edit.endEditBlock();
    return true;
}

QList<int> storyStarts(const QTextDocument &doc, const ShowText &show)
{
    QList<int> out;
    for (const int number : show.firstBlocks) {
        const QTextBlock block = number >= 0 ? doc.findBlockByNumber(number) : QTextBlock();
        out << (block.isValid() ? block.position() + number : -1);
    }
    return out;
}

QList<int> wordsBefore(const QTextDocument &doc)
{
    QList<int> out;
    out.reserve(doc.blockCount() + 1);
    int words = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        out << words;
        if (!unread::isUnread(b))
            words += documents::CountWords(b.text());
    }
    out << words;
    return out;
}

} // namespace show
