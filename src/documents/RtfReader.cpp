// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/Documents.h"
#include "documents/Log.h"
#include "documents/Rtf.h"
#include "documents/RtfFormat.h"
#include "documents/TextDecoding.h"
#include "documents/Unread.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace rtf {

namespace {

// Editors that save everything as UTF-8 put a byte order mark even before RTF.
QByteArrayView withoutBom(QByteArrayView data)
{
    return data.startsWith("\xEF\xBB\xBF") ? data.sliced(3) : data;
}

} // namespace

bool looksLikeRtf(QByteArrayView data)
{
    return withoutBom(data).trimmed().startsWith("{\\rtf");
}

namespace {

// Nesting beyond this is hostile, not a document; such groups are counted but their content dropped.
constexpr qsizetype kMaxDepth = 1000;
// Numeric parameters saturate here: large enough for any real value, small enough never to overflow.
constexpr qint64 kParamLimit = 1'000'000'000;
constexpr int kMaxUnicodeSkip = 16;
// Tables beyond these are hostile: a few bytes per entry would otherwise cost memory far beyond the
// file's size. Later entries are ignored.
constexpr qsizetype kMaxColors = 4096;
constexpr qsizetype kMaxFonts = 4096;
constexpr int kDefaultCodePage = 1252;

// ---------------------------------------------------------------------------------------------------
// Control words

enum class Kw : quint8 {
    Char,        // inserts `ch`
    Par,         // ends the paragraph
    EndNonEmpty, // ends the paragraph unless it is still empty (\row after the row's last \cell)
    Pard,
    Skip, // a destination whose content we drop
    FontTable,
    ColorTable,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Font,
    FontSize,
    Color,
    Red,
    Green,
    Blue,
    FontCharset,
    FontCodePage,
    DefaultFont,
    AnsiCodePage,
    CharacterSet, // \ansi, \mac, \pc, \pca: `ch` holds the code page
    UnicodeSkip,
    Unicode,
};

struct Keyword
{
    std::string_view name;
    Kw kw;
    char16_t ch = 0;
};

// Sorted by name for the binary search in findKeyword().
constexpr Keyword kKeywords[] = {
    {"aftncn", Kw::Skip},
    {"aftnsep", Kw::Skip},
    {"aftnsepc", Kw::Skip},
    {"annotation", Kw::Skip},
    {"ansi", Kw::CharacterSet, 1252},
    {"ansicpg", Kw::AnsiCodePage},
    {"atnauthor", Kw::Skip},
    {"atndate", Kw::Skip},
    {"atnicn", Kw::Skip},
    {"atnid", Kw::Skip},
    {"atnparent", Kw::Skip},
    {"atnref", Kw::Skip},
    {"atntime", Kw::Skip},
    {"atrfend", Kw::Skip},
    {"atrfstart", Kw::Skip},
    {"author", Kw::Skip},
    {"b", Kw::Bold},
    {"background", Kw::Skip},
    {"bkmkend", Kw::Skip},
    {"bkmkstart", Kw::Skip},
    {"blue", Kw::Blue},
    {"bullet", Kw::Char, 0x2022},
    {"buptim", Kw::Skip},
    {"category", Kw::Skip},
    {"cell", Kw::Par},
    {"cf", Kw::Color},
    {"colorschememapping", Kw::Skip},
    {"colortbl", Kw::ColorTable},
    {"comment", Kw::Skip},
    {"company", Kw::Skip},
    {"cpg", Kw::FontCodePage},
    {"creatim", Kw::Skip},
    {"datafield", Kw::Skip},
    {"datastore", Kw::Skip},
    {"defchp", Kw::Skip},
    {"deff", Kw::DefaultFont},
    {"defpap", Kw::Skip},
    {"do", Kw::Skip},
    {"doccomm", Kw::Skip},
    {"docvar", Kw::Skip},
    {"dptxbxtext", Kw::Skip},
    {"emdash", Kw::Char, 0x2014},
    {"emspace", Kw::Char, 0x2003},
    {"endash", Kw::Char, 0x2013},
    {"enspace", Kw::Char, 0x2002},
    {"f", Kw::Font},
    {"falt", Kw::Skip},
    {"fchars", Kw::Skip},
    {"fcharset", Kw::FontCharset},
    {"ffdeftext", Kw::Skip},
    {"ffentrymcr", Kw::Skip},
    {"ffexitmcr", Kw::Skip},
    {"ffformat", Kw::Skip},
    {"ffhelptext", Kw::Skip},
    {"ffl", Kw::Skip},
    {"ffname", Kw::Skip},
    {"ffstattext", Kw::Skip},
    {"filetbl", Kw::Skip},
    {"fldinst", Kw::Skip},
    {"fonttbl", Kw::FontTable},
    {"footer", Kw::Skip},
    {"footerf", Kw::Skip},
    {"footerl", Kw::Skip},
    {"footerr", Kw::Skip},
    {"footnote", Kw::Skip},
    {"fs", Kw::FontSize},
    {"ftncn", Kw::Skip},
    {"ftnsep", Kw::Skip},
    {"ftnsepc", Kw::Skip},
    {"generator", Kw::Skip},
    {"green", Kw::Green},
    {"header", Kw::Skip},
    {"headerf", Kw::Skip},
    {"headerl", Kw::Skip},
    {"headerr", Kw::Skip},
    {"hlinkbase", Kw::Skip},
    {"i", Kw::Italic},
    {"info", Kw::Skip},
    {"keywords", Kw::Skip},
    {"latentstyles", Kw::Skip},
    {"lchars", Kw::Skip},
    {"ldblquote", Kw::Char, 0x201C},
    {"line", Kw::Par},
    {"listoverridetable", Kw::Skip},
    {"listpicture", Kw::Skip},
    {"listtable", Kw::Skip},
    {"lquote", Kw::Char, 0x2018},
    {"mac", Kw::CharacterSet, 10000},
    {"manager", Kw::Skip},
    {"mmathPr", Kw::Skip},
    {"nestcell", Kw::Par},
    {"nestrow", Kw::EndNonEmpty},
    {"nesttableprops", Kw::Skip},
    {"nextfile", Kw::Skip},
    {"nonesttables", Kw::Skip},
    {"nonshppict", Kw::Skip},
    {"objdata", Kw::Skip},
    {"object", Kw::Skip},
    {"operator", Kw::Skip},
    {"page", Kw::EndNonEmpty},
    {"panose", Kw::Skip},
    {"par", Kw::Par},
    {"pard", Kw::Pard},
    {"passwordhash", Kw::Skip},
    {"pc", Kw::CharacterSet, 437},
    {"pca", Kw::CharacterSet, 850},
    {"pgdsctbl", Kw::Skip},
    {"pgptbl", Kw::Skip},
    {"pict", Kw::Skip},
    {"plain", Kw::Plain},
    {"pn", Kw::Skip},
    {"printim", Kw::Skip},
    {"private", Kw::Skip},
    {"protusertbl", Kw::Skip},
    {"qmspace", Kw::Char, 0x2005},
    {"rdblquote", Kw::Char, 0x201D},
    {"red", Kw::Red},
    {"revtbl", Kw::Skip},
    {"revtim", Kw::Skip},
    {"row", Kw::EndNonEmpty},
    {"rquote", Kw::Char, 0x2019},
    {"rsidtbl", Kw::Skip},
    {"rxe", Kw::Skip},
    {"sect", Kw::EndNonEmpty},
    {"shp", Kw::Skip},
    {"shpgrp", Kw::Skip},
    {"shppict", Kw::Skip},
    {"strike", Kw::Strike},
    {"striked", Kw::Strike},
    {"stylesheet", Kw::Skip},
    {"subject", Kw::Skip},
    {"tab", Kw::Char, u'\t'},
    {"tc", Kw::Skip},
    {"template", Kw::Skip},
    {"themedata", Kw::Skip},
    {"title", Kw::Skip},
    {"txe", Kw::Skip},
    {"u", Kw::Unicode},
    {"uc", Kw::UnicodeSkip},
    {"ul", Kw::Underline},
    {"uld", Kw::Underline},
    {"uldash", Kw::Underline},
    {"uldashd", Kw::Underline},
    {"uldashdd", Kw::Underline},
    {"uldb", Kw::Underline},
    {"ulhwave", Kw::Underline},
    {"ulldash", Kw::Underline},
    {"ulnone", Kw::UnderlineNone},
    {"ulth", Kw::Underline},
    {"ulthd", Kw::Underline},
    {"ulthdash", Kw::Underline},
    {"ulthdashd", Kw::Underline},
    {"ulthdashdd", Kw::Underline},
    {"ulthldash", Kw::Underline},
    {"ululdbwave", Kw::Underline},
    {"ulw", Kw::Underline},
    {"ulwave", Kw::Underline},
    {"userprops", Kw::Skip},
    {"v", Kw::Hidden},
    {"wgrffmtfilter", Kw::Skip},
    {"xe", Kw::Skip},
    {"xmlnstbl", Kw::Skip},
    {"zwj", Kw::Char, 0x200D},
    {"zwnj", Kw::Char, 0x200C},
};

static_assert(std::is_sorted(std::begin(kKeywords), std::end(kKeywords),
                             [](const Keyword &a, const Keyword &b) { return a.name < b.name; }));

const Keyword *findKeyword(std::string_view name)
{
    const auto it = std::lower_bound(std::begin(kKeywords), std::end(kKeywords), name,
                                     [](const Keyword &k, std::string_view n) { return k.name < n; });
    return (it != std::end(kKeywords) && it->name == name) ? it : nullptr;
}

// The Windows code page behind a \fcharset value; 0 means "the document's own".
int charsetCodePage(int charset)
{
    switch (charset) {
    case 0:
    case 2: // Symbol fonts: the bytes are glyph numbers, 1252 is the least surprising reading.
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------------------------------
// Reader

enum class Dest : quint8 { Text, Skip, FontTable, ColorTable };

struct CharState
{
    int font = -1; // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
};

struct GroupState
{
    CharState chars;
    Dest dest = Dest::Text;
    int unicodeSkip = 1;
};

// What a run of text looks like, with the default font already resolved.
struct RunKey
{
    int font = -1;
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const RunKey &) const = default;
};

size_t qHash(const RunKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.font, k.halfPoints, k.color, k.bold, k.italic, k.underline, k.strike);
}

struct Run
{
    qsizetype start;
    qsizetype length;
    RunKey key;
};

struct Paragraph
{
    size_t firstRun;
    size_t endRun;
    RunKey mark; // the format of the paragraph mark: what typing into an empty line gets
    // A show's break between stories, with its band's colour: written as an ignorable destination,
    // so that another reader skips it.
    std::optional<QRgb> storyBreak;
};

struct FontDef
{
    QString name;
    int codePage = 0; // 0: the document's code page
};

class Reader
{
public:
    Reader(QByteArrayView data, const Limits &limits)
        : m_data(data), m_limits(limits), m_limit(limits.textBytes, limits.paragraphs)
    {}

    void parse();
    documents::Error refusal() const { return m_limit.error(); }
    void build(QTextDocument *doc);

private:
    // Tokens
    void controlWord();
    void controlSymbol(char c);
    void hexByte();
    void openGroup();
    bool closeGroup(); // false once the outermost group has closed

    void word(std::string_view name, bool hasParam, int param);
    void setDestination(Dest dest);

    // Text
    void textBytes(QByteArrayView bytes);
    void textByte(unsigned char b);
    void flushBytes();
    bool endsInLeadByte() const;
    void emitText(QStringView text);
    void emitUnit(char16_t u);
    void appendUnit(char16_t u) { append(QStringView(&u, 1), currentKey()); }
    void append(QStringView text, const RunKey &key);
    void endParagraph();
    bool paragraphEmpty() const { return m_runs.size() == m_paraFirstRun && m_pendingHigh == 0; }

    // Tables
    void commitFont();
    void commitColor();

    GroupState &state() { return m_stack.back(); }
    RunKey currentKey() const;
    int currentCodePage() const;
    textcodec::CodePageDecoder &decoder(int codePage);
    QTextCharFormat charFormat(const RunKey &key, QHash<RunKey, QTextCharFormat> &cache) const;

    QByteArrayView m_data;
    const Limits m_limits;
    documents::TextLimit m_limit; // paragraph ends count as one line end each
    qsizetype m_pos = 0;

    std::vector<GroupState> m_stack;
    qsizetype m_overflow = 0; // open groups beyond kMaxDepth
    int m_skip = 0;           // characters still to drop after a \u
    bool m_done = false;

    int m_docCodePage = kDefaultCodePage;
    int m_defaultFont = 0;
    QHash<int, FontDef> m_fonts;
    QList<QColor> m_colors; // invalid entry: "auto"

    // The font table entry being read.
    int m_fontIndex = -1;
    QString m_fontName;
    int m_fontCodePage = 0;

    // The colour table entry being read.
    int m_rgb[3] = {0, 0, 0};
    bool m_colorSet = false;

    // Bytes waiting to be decoded together (a double-byte character may come as two \'hh).
    QByteArray m_bytes;
    int m_bytesCodePage = kDefaultCodePage;
    mutable qsizetype m_leadScan = 0; // where the next character starts in m_bytes, as far as seen
    std::unordered_map<int, std::unique_ptr<textcodec::CodePageDecoder>> m_decoders;

    QString m_text;
    std::vector<Run> m_runs;
    std::vector<Paragraph> m_paragraphs;
    size_t m_paraFirstRun = 0;
    char16_t m_pendingHigh = 0;       // a high surrogate waiting for its partner
    bool m_pardSinceBreak = false;    // \pard since the last paragraph ended
    std::optional<QRgb> m_storyBreak; // the paragraph being read is a show's break
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSyntax(char c)
{
    return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n';
}

// Characters that go into a run as they are, without a second look.
bool isOrdinary(char16_t u)
{
    if (u < 0x20)
        return u == u'\t';
    if (u < 0xD800)
        return u != QChar::LineSeparator && u != QChar::ParagraphSeparator;
    return u > 0xDFFF && u != 0xFDD0 && u != 0xFDD1 && u != QChar::ObjectReplacementCharacter && u < 0xFFFE;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void Reader::parse()
{
    const qsizetype n = m_data.size();
    while (m_pos < n && !m_done && m_limit.within()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            // Writers may split a double-byte character around a group boundary.
            if (!endsInLeadByte())
                flushBytes();
            m_skip = 0;
            openGroup();
            break;
        case '}':
            ++m_pos;
            if (!endsInLeadByte())
                flushBytes();
            m_skip = 0;
            m_done = !closeGroup();
            break;
        case '\\':
            ++m_pos;
            if (m_pos >= n)
                break;
            if (isLetter(m_data[m_pos]))
                controlWord();
            else if (m_data[m_pos] == '\'')
                hexByte();
            else
                controlSymbol(m_data[m_pos++]);
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default: {
            if (m_skip > 0) {
                ++m_pos;
                --m_skip;
                break;
            }
            const qsizetype start = m_pos;
            while (m_pos < n && !isSyntax(m_data[m_pos]))
                ++m_pos;
            textBytes(m_data.sliced(start, m_pos - start));
            break;
        }
        }
    }
    flushBytes();
    if (!m_limit.within())
        return;
    // A final \par closes the last paragraph; only text, or a \pard that opened another one, makes
    // a new one. So word-processor files get no empty last line and our own empty last line survives.
    if (!paragraphEmpty() || m_pardSinceBreak)
        endParagraph();
}

void Reader::controlWord()
{
    const qsizetype n = m_data.size();
    const qsizetype start = m_pos;
    while (m_pos < n && isLetter(m_data[m_pos]))
        ++m_pos;
    const std::string_view name(m_data.data() + start, size_t(m_pos - start));

    bool negative = false;
    if (m_pos + 1 < n && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParam = false;
    qint64 value = 0;
    while (m_pos < n && isDigit(m_data[m_pos])) {
        hasParam = true;
        if (value < kParamLimit)
            value = value * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    value = std::min(value, kParamLimit);
    const int param = int(negative ? -value : value);
    if (m_pos < n && m_data[m_pos] == ' ')
        ++m_pos;

    if (name == "bin") {
        // Raw bytes follow; they may hold anything, braces included, so they are never tokenized.
        if (hasParam && param > 0)
            m_pos += std::min<qsizetype>(param, n - m_pos);
        if (m_skip > 0)
            --m_skip;
        return;
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (m_overflow > 0 || m_stack.empty())
        return;
    flushBytes();
    word(name, hasParam, param);
}

void Reader::controlSymbol(char c)
{
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (m_overflow > 0 || m_stack.empty())
        return;
    // In a double-byte page, 0x5C, 0x7B and 0x7D are also trail bytes, and writers escape them.
    if ((c == '\\' || c == '{' || c == '}') && endsInLeadByte()) {
        textByte(static_cast<unsigned char>(c));
        return;
    }
    flushBytes();
    switch (c) {
    case '\\':
    case '{':
    case '}':
        emitUnit(char16_t(c));
        break;
    case '~':
        emitUnit(0x00A0);
        break;
    case '_':
        emitUnit(0x2011);
        break;
    case '*':
        setDestination(Dest::Skip);
        break;
    case '\r':
    case '\n':
        word("par", false, 0);
        break;
    default: // \- (optional hyphen) and the rest write nothing
        break;
    }
}

void Reader::hexByte()
{
    ++m_pos; // the quote
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_data.size()) {
        const int v = hexValue(m_data[m_pos]);
        if (v < 0)
            break;
        value = value * 16 + v;
        ++digits;
        ++m_pos;
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (digits == 2)
        textByte(static_cast<unsigned char>(value));
}

void Reader::openGroup()
{
    if (m_overflow > 0 || qsizetype(m_stack.size()) >= kMaxDepth) {
        ++m_overflow;
        return;
    }
    if (m_stack.empty())
        m_stack.emplace_back();
    else
        m_stack.push_back(GroupState(m_stack.back()));
}

bool Reader::closeGroup()
{
    if (m_overflow > 0) {
        --m_overflow;
        return true;
    }
    if (m_stack.empty())
        return true; // stray brace before the document began
    if (m_stack.size() == 1)
        return false; // the document's own group: kept, so the last paragraph still has a format
    const Dest closed = m_stack.back().dest;
    m_stack.pop_back();
    if (closed == Dest::FontTable)
        commitFont();
    return true;
}

void Reader::setDestination(Dest dest)
{
    // The outermost group is the document itself; a stray destination word there must not swallow it.
    if (m_stack.size() < 2 || state().dest == Dest::Skip)
        return;
    state().dest = dest;
}

void Reader::word(std::string_view name, bool hasParam, int param)
{
    if (name == kStoryBreakWord) {
        m_storyBreak = QRgb(quint32(param) & 0xFFFFFF);
        return;
    }
    const Keyword *k = findKeyword(name);
    if (!k)
        return;
    GroupState &st = state();
    CharState &ch = st.chars;
    const bool on = !hasParam || param != 0;

    switch (k->kw) {
    case Kw::Char:
        emitUnit(k->ch);
        break;
    case Kw::Par:
        if (st.dest == Dest::Text)
            endParagraph();
        break;
    case Kw::EndNonEmpty:
        if (st.dest == Dest::Text && !paragraphEmpty())
            endParagraph();
        break;
    case Kw::Pard:
        if (st.dest == Dest::Text)
            m_pardSinceBreak = true;
        break;
    case Kw::Skip:
        setDestination(Dest::Skip);
        break;
    case Kw::FontTable:
        setDestination(Dest::FontTable);
        break;
    case Kw::ColorTable:
        setDestination(Dest::ColorTable);
        if (st.dest == Dest::ColorTable) {
            m_colors.clear();
            m_colorSet = false;
        }
        break;
    case Kw::Plain:
        ch = CharState{};
        break;
    case Kw::Bold:
        ch.bold = on;
        break;
    case Kw::Italic:
        ch.italic = on;
        break;
    case Kw::Underline:
        ch.underline = on;
        break;
    case Kw::UnderlineNone:
        ch.underline = false;
        break;
    case Kw::Strike:
        ch.strike = on;
        break;
    case Kw::Hidden:
        ch.hidden = on;
        break;
    case Kw::Font:
        if (!hasParam || param < 0)
            break;
        if (st.dest == Dest::FontTable) {
            commitFont();
            m_fontIndex = param;
        } else {
            ch.font = param;
        }
        break;
    case Kw::FontSize:
        ch.halfPoints = hasParam ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    case Kw::Color:
        ch.color = std::max(param, 0);
        break;
    case Kw::Red:
    case Kw::Green:
    case Kw::Blue:
        if (st.dest == Dest::ColorTable) {
            m_rgb[k->kw == Kw::Red ? 0 : k->kw == Kw::Green ? 1 : 2] = std::clamp(param, 0, 255);
            m_colorSet = true;
        }
        break;
    case Kw::FontCharset:
        if (st.dest == Dest::FontTable)
            m_fontCodePage = charsetCodePage(param);
        break;
    case Kw::FontCodePage:
        if (st.dest == Dest::FontTable && param > 0)
            m_fontCodePage = param;
        break;
    case Kw::DefaultFont:
        m_defaultFont = std::max(param, 0);
        break;
    case Kw::AnsiCodePage:
        if (param > 0)
            m_docCodePage = param;
        break;
    case Kw::CharacterSet:
        m_docCodePage = k->ch;
        break;
    case Kw::UnicodeSkip:
        st.unicodeSkip = hasParam ? std::clamp(param, 0, kMaxUnicodeSkip) : 1;
        break;
    case Kw::Unicode:
        if (!hasParam)
            break;
        // Written as a signed 16-bit number; anything outside that range is damage.
        emitUnit(param >= -32768 && param <= 65535 ? char16_t(param < 0 ? param + 65536 : param)
                                                   : char16_t(0xFFFD));
        m_skip = st.unicodeSkip;
        break;
    }
}

void Reader::textBytes(QByteArrayView bytes)
{
    if (m_overflow > 0 || m_stack.empty())
        return;
    const GroupState &st = state();
    if (st.dest == Dest::Skip || (st.dest == Dest::Text && st.chars.hidden))
        return;
    if (st.dest != Dest::Text) { // the tables look at every ';'
        for (const char c : bytes)
            textByte(static_cast<unsigned char>(c));
        return;
    }
    const int cp = currentCodePage();
    if (!m_bytes.isEmpty() && cp != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = cp;
    m_bytes.append(bytes);
}

void Reader::textByte(unsigned char b)
{
    if (m_overflow > 0 || m_stack.empty())
        return;
    const GroupState &st = state();
    switch (st.dest) {
    case Dest::Skip:
        return;
    case Dest::ColorTable:
        if (b == ';')
            commitColor();
        return;
    case Dest::FontTable:
        if (b == ';') {
            flushBytes();
            commitFont();
            return;
        }
        break;
    case Dest::Text:
        if (st.chars.hidden)
            return;
        break;
    }
    const int cp = currentCodePage();
    if (!m_bytes.isEmpty() && cp != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = cp;
    m_bytes.append(char(b));
}

// True when the bytes waiting for decoding end with the first half of a double-byte character.
bool Reader::endsInLeadByte() const
{
    const auto isLead = [cp = m_bytesCodePage](unsigned char b) {
        switch (cp) {
        case 932:
            return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        case 936:
        case 949:
        case 950:
            return b >= 0x81 && b <= 0xFE;
        default:
            return false;
        }
    };
    // Carries on from where the last look ended, so hostile files cost each byte one look.
    while (m_leadScan < m_bytes.size())
        m_leadScan += isLead(static_cast<unsigned char>(m_bytes[m_leadScan])) ? 2 : 1;
    return m_leadScan > m_bytes.size();
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = decoder(m_bytesCodePage).decode(m_bytes);
    m_bytes.clear();
    m_leadScan = 0;
    emitText(text);
}

void Reader::emitText(QStringView text)
{
    if (m_overflow > 0 || m_stack.empty())
        return;
    const GroupState &st = state();
    if (st.dest != Dest::Text) {
        for (const QChar c : text)
            emitUnit(c.unicode());
        return;
    }
    if (st.chars.hidden)
        return;
    // Stretches of ordinary characters are appended whole; only the rest goes one by one.
    const RunKey key = currentKey();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (m_pendingHigh || !isOrdinary(text[i].unicode())) {
            emitUnit(text[i++].unicode());
            continue;
        }
        const qsizetype start = i;
        while (i < n && isOrdinary(text[i].unicode()))
            ++i;
        append(text.sliced(start, i - start), key);
    }
}

void Reader::emitUnit(char16_t u)
{
    if (m_overflow > 0 || m_stack.empty())
        return;
    const GroupState &st = state();
    if (st.dest == Dest::FontTable) {
        if (m_fontIndex >= 0 && u >= 0x20)
            m_fontName.append(QChar(u));
        return;
    }
    if (st.dest != Dest::Text || st.chars.hidden)
        return;

    if (m_pendingHigh) {
        const char16_t high = m_pendingHigh;
        m_pendingHigh = 0;
        if (QChar::isLowSurrogate(u)) {
            appendUnit(high);
            appendUnit(u);
            return;
        }
        appendUnit(0xFFFD);
    }
    if (QChar::isHighSurrogate(u)) {
        m_pendingHigh = u;
        return;
    }
    if (QChar::isLowSurrogate(u)) {
        appendUnit(0xFFFD);
        return;
    }
    if (isOrdinary(u))
        appendUnit(u);
    else if (u == QChar::LineSeparator || u == QChar::ParagraphSeparator)
        endParagraph();
    // Everything else is dropped: control characters, non-characters, QTextDocument's own frame
    // markers and the object replacement character (it would stand for an object we do not have).
}

void Reader::append(QStringView text, const RunKey &key)
{
    if (!m_limit.add(text)) {
        m_done = true;
        return;
    }
    // Past the budget only a paragraph's first run is new, so hostile formatting costs no more than
    // the paragraphs themselves.
    if (m_runs.size() > m_paraFirstRun &&
        (m_runs.back().key == key || qsizetype(m_runs.size()) >= m_limits.formatRuns))
        m_runs.back().length += text.size();
    else
        m_runs.push_back(Run{m_text.size(), text.size(), key});
    m_text.append(text);
}

void Reader::endParagraph()
{
    if (m_pendingHigh) {
        m_pendingHigh = 0;
        appendUnit(0xFFFD);
    }
    if (!m_limit.add(QChar(u'\n'), 1)) {
        m_done = true;
        return;
    }
    m_paragraphs.push_back(
        Paragraph{m_paraFirstRun, m_runs.size(), currentKey(), std::exchange(m_storyBreak, {})});
    m_paraFirstRun = m_runs.size();
    m_pardSinceBreak = false;
}

void Reader::commitFont()
{
    if (m_fontIndex >= 0 && (m_fonts.size() < kMaxFonts || m_fonts.contains(m_fontIndex)))
        m_fonts.insert(m_fontIndex, FontDef{m_fontName.trimmed(), m_fontCodePage});
    m_fontIndex = -1;
    m_fontName.clear();
    m_fontCodePage = 0;
}

void Reader::commitColor()
{
    if (m_colors.size() < kMaxColors)
        m_colors.append(m_colorSet ? QColor(m_rgb[0], m_rgb[1], m_rgb[2]) : QColor());
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
    m_colorSet = false;
}

RunKey Reader::currentKey() const
{
    const CharState c = m_stack.empty() ? CharState{} : m_stack.back().chars;
    return RunKey{
        c.font >= 0 ? c.font : m_defaultFont, c.halfPoints, c.color, c.bold, c.italic, c.underline, c.strike};
}

int Reader::currentCodePage() const
{
    const CharState &c = m_stack.back().chars;
    const auto it = m_fonts.constFind(c.font >= 0 ? c.font : m_defaultFont);
    return (it != m_fonts.cend() && it->codePage > 0) ? it->codePage : m_docCodePage;
}

textcodec::CodePageDecoder &Reader::decoder(int codePage)
{
    auto &slot = m_decoders[codePage];
    if (!slot)
        slot = std::make_unique<textcodec::CodePageDecoder>(codePage);
    return *slot;
}

QTextCharFormat Reader::charFormat(const RunKey &key, QHash<RunKey, QTextCharFormat> &cache) const
{
    const auto it = cache.constFind(key);
    if (it != cache.cend())
        return *it;
    QTextCharFormat f;
    const auto font = m_fonts.constFind(key.font);
    if (font != m_fonts.cend() && !font->name.isEmpty())
        f.setFontFamilies({font->name});
    f.setFontPointSize(key.halfPoints / 2.0);
    // Stated either way, so that the text looks as written whatever the document's default font.
    f.setFontWeight(key.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(key.italic);
    f.setFontUnderline(key.underline);
    f.setFontStrikeOut(key.strike);
    if (key.color >= 0 && key.color < m_colors.size() && m_colors.at(key.color).isValid())
        f.setForeground(m_colors.at(key.color));
    cache.insert(key, f);
    return f;
}

void Reader::build(QTextDocument *doc)
{
    // Loading is not an edit the user could undo; without the undo stack it is also much faster.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();

    QHash<RunKey, QTextCharFormat> formats;
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (size_t p = 0; p < m_paragraphs.size(); ++p) {
        const Paragraph &para = m_paragraphs[p];
        const QTextCharFormat mark = charFormat(para.mark, formats);
        QTextBlockFormat block;
        if (para.storyBreak) {
            block.setProperty(unread::kProperty, int(unread::Kind::StoryBreak));
            block.setAlignment(Qt::AlignHCenter);
            block.setBackground(QColor(*para.storyBreak));
        }
        if (p == 0) {
            cursor.setBlockCharFormat(mark);
            cursor.setBlockFormat(block);
        } else {
            cursor.insertBlock(block, mark);
        }
        for (size_t r = para.firstRun; r < para.endRun; ++r) {
            const Run &run = m_runs[r];
            cursor.insertText(m_text.sliced(run.start, run.length), charFormat(run.key, formats));
        }
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
}

} // namespace

documents::Error read(QByteArrayView data, QTextDocument *doc, const Limits &limits)
{
    if (!doc || !looksLikeRtf(data))
        return documents::Error::NotText;
    Reader reader(withoutBom(data).trimmed(), limits);
    reader.parse();
    if (reader.refusal() != documents::Error::None) {
        qCInfo(lcDocuments).noquote()
            << "Rich Text refused -" << documents::describe(documents::Result{reader.refusal(), {}});
        return reader.refusal();
    }
    reader.build(doc);
    qCDebug(lcDocuments) << "Rich Text:" << data.size() << "bytes," << doc->blockCount() << "paragraphs";
    return documents::Error::None;
}

} // namespace rtf
