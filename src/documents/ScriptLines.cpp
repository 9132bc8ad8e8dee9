// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/ScriptLines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

QString ScriptLines::text() const
{
    QString text = m_doc.toRawText();
    text.replace(QChar::LineSeparator, QLatin1Char('\v'));
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

int ScriptLines::textLength() const
{
    const QTextDocument *doc = &m_doc;
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

int ScriptLines::lineStartAt(int y) const
{
    const QTextDocument *doc = &m_doc;
    const int hit = doc->documentLayout()->hitTest(QPointF(0, std::max(0, y)), Qt::FuzzyHit);
    const QTextBlock block = doc->findBlock(std::max(0, hit));
    const QTextLine line = block.layout()->lineForTextPosition(std::max(0, hit) - block.position());
    return toTextPosition(block.position() + (line.isValid() ? line.textStart() : 0));
}

QRectF ScriptLines::lineRect(int position) const
{
    const QTextDocument *doc = &m_doc;
    const int docPos = toDocPosition(position);
    const QTextBlock block = doc->findBlock(docPos);
    const QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return doc->documentLayout()->blockBoundingRect(block);
    QTextLine line = layout->lineForTextPosition(docPos - block.position());
    if (!line.isValid())
        line = layout->lineAt(layout->lineCount() - 1);
    return line.rect().translated(layout->position());
}

QRectF ScriptLines::paragraphRect(int position) const
{
    const QTextDocument *doc = &m_doc;
    return doc->documentLayout()->blockBoundingRect(doc->findBlock(toDocPosition(position)));
}

ScriptLines::Span ScriptLines::lineSpan(int position) const
{
    const QTextDocument *doc = &m_doc;
    const int docPos = toDocPosition(position);
    const QTextBlock block = doc->findBlock(docPos);
    const QTextLayout *layout = block.layout();
    const QTextBlock after = block.next();
    const int blockEnd = after.isValid() ? toTextPosition(after.position()) : textLength();
    if (!layout || layout->lineCount() == 0)
        return {toTextPosition(block.position()), blockEnd};
    QTextLine line = layout->lineForTextPosition(docPos - block.position());
    if (!line.isValid())
        line = layout->lineAt(layout->lineCount() - 1);
    const int start = toTextPosition(block.position() + line.textStart());
    const bool last = line.lineNumber() == layout->lineCount() - 1;
    return {start, last ? blockEnd : start + line.textLength()};
}

int ScriptLines::toDocPosition(int textPosition) const
{
    const QTextDocument *doc = &m_doc;
    const int t = std::clamp(textPosition, 0, textLength());
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) { // last block whose start in Text() is <= t
        const int mid = (lo + hi + 1) / 2;
        const QTextBlock b = doc->findBlockByNumber(mid);
        if (b.position() + mid <= t)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int offset = std::min(t - (block.position() + lo), block.length() - 1);
    return block.position() + offset;
}

int ScriptLines::toTextPosition(int docPosition) const
{
    return docPosition + m_doc.findBlock(docPosition).blockNumber();
}

int ScriptLines::lineOf(int position) const
{
    const QTextDocument *doc = &m_doc;
    const int docPos = toDocPosition(position);
    const QTextBlock target = doc->findBlock(docPos);
    int line = 0;
    for (QTextBlock b = doc->begin(); b.isValid() && b != target; b = b.next())
        line += std::max(1, b.layout()->lineCount());
    const QTextLayout *layout = target.layout();
    if (layout->lineCount() > 0) {
        const QTextLine l = layout->lineForTextPosition(docPos - target.position());
        line += l.isValid() ? l.lineNumber() : layout->lineCount() - 1;
    }
    return line;
}
