// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/Cues.h"

#include "documents/Documents.h"
#include "documents/Unread.h"

#include <QColor>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace cues {
namespace {

constexpr QStringView kEnd = u"\r\n";
// Small beside the script, and on a tint that shows on a dark glass and on paper alike.
constexpr double kCueScale = 0.6;
const QColor kCueTint(255, 170, 0, 90);

// The size the script around a cue is written in: its own formats may set one far from the
// document's default font (a script from a word processor at 48 points over a default of 8).
double scriptSize(const QTextDocument &doc, const QTextBlock &block)
{
    const auto sizeOf = [](const QTextBlock &b) {
        return b.isValid() && unread::kindOf(b) == unread::Kind::None && b.length() > 1
                   ? b.begin().fragment().charFormat().fontPointSize()
                   : 0.0;
    };
    QTextBlock b = block.previous(), a = block.next();
    for (int steps = 0; steps < 50 && (b.isValid() || a.isValid()); ++steps) {
        if (const double s = sizeOf(b); s > 0)
            return s;
        if (const double s = sizeOf(a); s > 0)
            return s;
        b = b.isValid() ? b.previous() : b;
        a = a.isValid() ? a.next() : a;
    }
    return doc.defaultFont().pointSizeF();
}

void style(QTextDocument &doc, const QTextBlock &block, bool cue)
{
    QTextCursor c(block);
    QTextBlockFormat bf = block.blockFormat();
    bf.setProperty(unread::kProperty, int(cue ? unread::Kind::Cue : unread::Kind::None));
    if (cue)
        bf.setBackground(kCueTint);
    else
        bf.clearBackground();
    c.setBlockFormat(bf);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat cf;
    if (cue) {
        cf.setFontPointSize(scriptSize(doc, block) * kCueScale);
        cf.setFontItalic(true);
        c.mergeCharFormat(cf);
    } else {
        // Back to the script's own size: the size set as a cue goes, nothing else.
        QTextCharFormat plain = c.charFormat();
        plain.clearProperty(QTextFormat::FontPointSize);
        plain.clearProperty(QTextFormat::FontItalic);
        c.setCharFormat(plain);
    }
}

} // namespace

QString cueText(QStringView paragraph)
{
    const QStringView t = paragraph.trimmed();
    if (t.size() < 5 || !t.startsWith(u"[[") || !t.endsWith(u"]]"))
        return {};
    const QStringView inner = t.mid(2, t.size() - 4).trimmed();
    // "[[a]] and [[b]]" is text with two bracketed words, not one cue.
    if (inner.isEmpty() || inner.contains(u"]]") || inner.contains(u"[["))
        return {};
    return inner.toString();
}

void mark(QTextDocument &doc, bool hidden)
{
    QTextCursor batch(&doc);
    batch.beginEditBlock();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const unread::Kind kind = unread::kindOf(b);
        if (kind == unread::Kind::StoryBreak)
            continue;
        const bool cue = !cueText(b.text()).isEmpty();
        // Styled afresh every time: a new look may have changed the script's size.
        if (cue || kind == unread::Kind::Cue)
            style(doc, b, cue);
        const bool visible = !(cue && hidden);
        if (b.isVisible() != visible) {
            b.setVisible(visible);
            doc.markContentsDirty(b.position(), b.length());
        }
    }
    batch.endEditBlock();
}

QList<Cue> list(const QTextDocument &doc)
{
    QList<Cue> out;
    int start = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (unread::kindOf(b) == unread::Kind::Cue)
            out << Cue{cueText(b.text()), start, b.blockNumber()};
        start += b.length() - 1 + int(kEnd.size());
    }
    return out;
}

qint32 readWords(const QTextDocument &doc)
{
    qint32 words = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (!unread::isUnread(b))
            words += documents::CountWords(b.text());
    }
    return words;
}

qint32 readWords(QStringView text)
{
    static const QRegularExpression paragraphEnd(QStringLiteral("\\r\\n|[\\r\\n\\x{2029}]"));
    qint32 words = 0;
    const QStringList paragraphs = text.toString().split(paragraphEnd);
    for (const QString &p : paragraphs) {
        if (cueText(p).isEmpty())
            words += documents::CountWords(p);
    }
    return words;
}

QString readText(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin())
            out += kEnd;
        out += unread::isUnread(b) ? QString(b.length() - 1, QLatin1Char(' ')) : b.text();
    }
    return out;
}

} // namespace cues
