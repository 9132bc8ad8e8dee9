// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/Rtf.h"
#include "documents/RtfFormat.h"
#include "documents/Unread.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace rtf {

namespace {

struct WriteFormat
{
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

class Writer
{
public:
    explicit Writer(const QTextDocument *doc);
    QByteArray write();

private:
    QString familyOf(const QTextCharFormat &f) const;
    WriteFormat formatOf(const QTextCharFormat &f);
    void switchTo(const WriteFormat &want);
    void controlWord(const char *name, int param);
    void controlWord(const char *name);
    void text(QStringView s);

    const QTextDocument *m_doc;
    QFont m_defaultFont;
    QString m_defaultFamily;
    double m_defaultPointSize;
    QStringList m_families;
    QHash<QString, int> m_familyIndex;
    QList<QRgb> m_colors; // after the "auto" entry at index 0
    QHash<QRgb, int> m_colorIndex;
    QByteArray m_out;
    WriteFormat m_current;
    bool m_needDelimiter = false; // a control word was written last and text follows
};

Writer::Writer(const QTextDocument *doc) : m_doc(doc)
{
    const QFont font = doc->defaultFont();
    m_defaultFont = font;
    m_defaultFamily = font.family();
    m_defaultPointSize = font.pointSizeF() > 0 ? font.pointSizeF() : kDefaultHalfPoints / 2.0;
    m_families.append(m_defaultFamily);
    m_familyIndex.insert(m_defaultFamily, 0);
}

QString Writer::familyOf(const QTextCharFormat &f) const
{
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() || families.first().isEmpty() ? m_defaultFamily : families.first();
}

WriteFormat Writer::formatOf(const QTextCharFormat &f)
{
    WriteFormat w;
    const QString family = familyOf(f);
    const auto font = m_familyIndex.constFind(family);
    if (font != m_familyIndex.cend()) {
        w.font = *font;
    } else {
        w.font = int(m_families.size());
        m_families.append(family);
        m_familyIndex.insert(family, w.font);
    }
    const double points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : m_defaultPointSize;
    w.halfPoints = std::clamp(int(std::lround(points * 2)), kMinHalfPoints, kMaxHalfPoints);
    // What the character shows: its own format where it has one, else the document's default font.
    w.bold =
        (f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : m_defaultFont.weight()) >= QFont::DemiBold;
    w.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : m_defaultFont.italic();
    w.underline = f.hasProperty(QTextFormat::FontUnderline) || f.hasProperty(QTextFormat::TextUnderlineStyle)
                      ? f.fontUnderline()
                      : m_defaultFont.underline();
    w.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : m_defaultFont.strikeOut();
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
        const QRgb rgb = f.foreground().color().rgb() | 0xFF000000u; // RTF has no alpha
        const auto color = m_colorIndex.constFind(rgb);
        if (color != m_colorIndex.cend()) {
            w.color = *color;
        } else {
            m_colors.append(rgb);
            w.color = int(m_colors.size()); // 0 is "auto"
            m_colorIndex.insert(rgb, w.color);
        }
    }
    return w;
}

void Writer::controlWord(const char *name)
{
    m_out += '\\';
    m_out += name;
    m_needDelimiter = true;
}

void Writer::controlWord(const char *name, int param)
{
    controlWord(name);
    m_out += QByteArray::number(param);
}

void Writer::switchTo(const WriteFormat &want)
{
    WriteFormat &cur = m_current;
    if (want.font != cur.font)
        controlWord("f", want.font);
    if (want.halfPoints != cur.halfPoints)
        controlWord("fs", want.halfPoints);
    if (want.bold != cur.bold)
        controlWord(want.bold ? "b" : "b0");
    if (want.italic != cur.italic)
        controlWord(want.italic ? "i" : "i0");
    if (want.underline != cur.underline)
        controlWord(want.underline ? "ul" : "ulnone");
    if (want.strike != cur.strike)
        controlWord(want.strike ? "strike" : "strike0");
    if (want.color != cur.color)
        controlWord("cf", want.color);
    cur = want;
}

void Writer::text(QStringView s)
{
    for (const QChar qc : s) {
        const char16_t u = qc.unicode();
        switch (u) {
        case u'\\':
        case u'{':
        case u'}':
            m_out += '\\';
            m_out += char(u);
            m_needDelimiter = false;
            continue;
        case u'\t':
            controlWord("tab");
            continue;
        case QChar::LineSeparator:
            controlWord("line");
            continue;
        case QChar::ObjectReplacementCharacter: // images and other objects are not kept
            continue;
        default:
            break;
        }
        if (u < 0x20)
            continue; // control characters have no place in a paragraph
        if (u < 0x7F) {
            if (m_needDelimiter)
                m_out += ' ';
            m_out += char(u);
        } else {
            m_out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
        m_needDelimiter = false;
    }
}

QByteArray Writer::write()
{
    // First pass: the tables must come before the text that refers to them.
    struct Piece
    {
        QString text;
        WriteFormat format;
    };
    std::vector<std::vector<Piece>> paragraphs;
    std::vector<std::optional<QRgb>> breaks;
    for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next()) {
        breaks.push_back(unread::kindOf(block) == unread::Kind::StoryBreak
                             ? std::optional<QRgb>(block.blockFormat().background().color().rgb())
                             : std::nullopt);
        std::vector<Piece> &pieces = paragraphs.emplace_back();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                pieces.push_back(Piece{fragment.text(), formatOf(fragment.charFormat())});
        }
        if (pieces.empty())
            pieces.push_back(Piece{QString(), formatOf(block.charFormat())});
    }

    m_out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\n{\\fonttbl";
    for (qsizetype i = 0; i < m_families.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + "\\fnil";
        m_needDelimiter = true;
        QString name = m_families.at(i);
        name.remove(u';');
        text(name);
        m_out += ";}";
    }
    m_out += "}\n{\\colortbl;";
    for (const QRgb c : std::as_const(m_colors)) {
        m_out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) +
                 "\\blue" + QByteArray::number(qBlue(c)) + ';';
    }
    m_out += "}\n\\uc1\n";

    for (size_t p = 0; p < paragraphs.size(); ++p) {
        if (p > 0)
            m_out += "\\par\n";
        controlWord("pard");
        controlWord("plain");
        if (breaks[p]) {
            m_out += "{\\*\\";
            m_out += kStoryBreakWord;
            m_out += QByteArray::number(qint32(*breaks[p] & 0xFFFFFF));
            m_out += '}';
            m_needDelimiter = false;
        }
        m_current = WriteFormat{};
        for (const Piece &piece : paragraphs[p]) {
            switchTo(piece.format);
            text(piece.text);
        }
    }
    m_out += "}\n";
    return m_out;
}

} // namespace

QByteArray write(const QTextDocument *doc)
{
    if (!doc)
        return {};
    return Writer(doc).write();
}

} // namespace rtf
