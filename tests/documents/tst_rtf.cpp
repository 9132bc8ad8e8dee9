// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/Documents.h"
#include "documents/Rtf.h"
#include "documents/Unread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

struct Piece
{
    QString text;
    QTextCharFormat format;
};
using Paragraphs = QList<QList<Piece>>;

QTextCharFormat fmt(const QString &family, double points, QStringView styles = {}, QColor color = {})
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    if (styles.contains(u'b'))
        f.setFontWeight(QFont::Bold);
    f.setFontItalic(styles.contains(u'i'));
    f.setFontUnderline(styles.contains(u'u'));
    f.setFontStrikeOut(styles.contains(u's'));
    if (color.isValid())
        f.setForeground(color);
    return f;
}

QString attributes(const QTextCharFormat &f, const QString &baseFamily)
{
    QStringList a;
    if (f.fontWeight() >= QFont::DemiBold)
        a << QStringLiteral("b");
    if (f.fontItalic())
        a << QStringLiteral("i");
    if (f.fontUnderline())
        a << QStringLiteral("u");
    if (f.fontStrikeOut())
        a << QStringLiteral("s");
    const QString family = f.fontFamilies().toStringList().value(0);
    if (family != baseFamily)
        a << u"f=" + family;
    const int halfPoints = qRound(f.fontPointSize() * 2);
    if (halfPoints != 24)
        a << QString::number(halfPoints / 2.0) + u"pt";
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        a << f.foreground().color().name();
    return u'{' + a.join(u' ') + u'}';
}

// A block as "text{attributes}" segments; equal neighbours merge, so the way fragments happen to be
// split does not matter. Sizes show in half points, as RTF keeps them. An empty block shows the
// format typing into it would get.
QString describe(const QTextBlock &block, const QString &baseFamily)
{
    if (block.length() <= 1)
        return attributes(block.charFormat(), baseFamily);
    QString out;
    QString last;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        const QString attrs = attributes(frag.charFormat(), baseFamily);
        if (attrs == last) {
            out.insert(out.size() - attrs.size(), frag.text());
        } else {
            out += frag.text() + attrs;
            last = attrs;
        }
    }
    return out;
}

QStringList blockTexts(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}

// Reads into a document that already holds text, so every case also checks that the old text goes.
QString readText(const QByteArray &rtfData)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old\nold"));
    if (const documents::Error error = rtf::read(rtfData, &doc); error != documents::Error::None)
        return QStringLiteral("<not read: %1>").arg(int(error));
    return blockTexts(doc).join(u'\n');
}

bool hasConverter(int codePage)
{
    if (codePage == 0 || codePage == 1252)
        return true;
    const QByteArray name = "windows-" + QByteArray::number(codePage);
    return QStringDecoder(name.constData()).isValid();
}

} // namespace

Q_DECLARE_METATYPE(Paragraphs)

class tst_Rtf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void roundTripKeepsTheLook_data();
    void roundTripKeepsTheLook();
    void storyBreaksRoundTrip();
    void writtenForm_data();
    void writtenForm();
    void sampleDocument();
    void codePages_data();
    void codePages();
    void unicode_data();
    void unicode();
    void skippedDestinations_data();
    void skippedDestinations();
    void breaksAndSymbols_data();
    void breaksAndSymbols();
    void formats_data();
    void formats();
    void notRtf_data();
    void notRtf();
    void hostile_data();
    void hostile();
    void paragraphLimit();
    void formatRunLimit_data();
    void formatRunLimit();

private:
    void addTextColumns();
    void checkText();
};

void tst_Rtf::roundTrip_data()
{
    QTest::addColumn<Paragraphs>("paragraphs");

    const QString serif = QStringLiteral("Liberation Serif");
    const QString sans = QStringLiteral("DejaVu Sans");
    const QTextCharFormat base = fmt(serif, 12);

    QTest::newRow("character formats") << Paragraphs{{
        {QStringLiteral("plain "), base},
        {QStringLiteral("bold "), fmt(serif, 12, u"b")},
        {QStringLiteral("italic "), fmt(serif, 12, u"i")},
        {QStringLiteral("under "), fmt(serif, 12, u"u")},
        {QStringLiteral("strike "), fmt(serif, 12, u"s")},
        {QStringLiteral("all "), fmt(serif, 12, u"bius")},
        {QStringLiteral("plain again"), base},
    }};
    QTest::newRow("colours") << Paragraphs{
        {{QStringLiteral("red "), fmt(serif, 12, {}, Qt::red)},
         {QStringLiteral("blue "), fmt(serif, 12, {}, QColor(0x12, 0x34, 0xAB))},
         {QStringLiteral("auto "), base},
         {QStringLiteral("red again"), fmt(serif, 12, u"b", Qt::red)}},
        {{QStringLiteral("next paragraph starts auto"), base}},
    };
    QTest::newRow("families and sizes") << Paragraphs{{
        {QStringLiteral("serif 12 "), base},
        {QStringLiteral("sans 27.75 "), fmt(sans, 27.75)},
        {QStringLiteral("serif 9.5 "), fmt(serif, 9.5)},
        {QStringLiteral("sans 72"), fmt(sans, 72, u"i")},
    }};
    QTest::newRow("non-ASCII") << Paragraphs{
        {{QStringLiteral("Grüße, café, Ελληνικά, 日本語"), base}},
        {{QStringLiteral("😀🎬 beyond the BMP, — “quotes” €"), fmt(sans, 14, u"b")}},
    };
    QTest::newRow("escapes and tabs") << Paragraphs{
        {{QStringLiteral("{\\rtf1 \\par} back\\slash {braces}"), base}},
        {{QStringLiteral("\tcol 1\tcol 2\t"), base}},
    };
    // Text right after a format change must not be taken for part of the control word.
    QTest::newRow("text after a format change") << Paragraphs{{
        {QStringLiteral("x"), base},
        {QStringLiteral("123"), fmt(serif, 12, u"b")},
        {QStringLiteral("-5"), fmt(serif, 12, u"i")},
        {QStringLiteral(" spaced"), fmt(serif, 12, u"u")},
        {QStringLiteral("?"), fmt(serif, 13)},
    }};
    QTest::newRow("empty paragraphs") << Paragraphs{
        {}, {{QStringLiteral("one"), base}}, {}, {}, {{QStringLiteral("two"), base}}, {},
    };
    QTest::newRow("single empty paragraph") << Paragraphs{QList<Piece>{}};
}

void tst_Rtf::roundTrip()
{
    QFETCH(Paragraphs, paragraphs);

    QTextDocument source;
    source.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 12));
    QTextCursor cursor(&source);
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        if (p > 0)
            cursor.insertBlock();
        if (paragraphs.at(p).isEmpty())
            cursor.setBlockCharFormat(fmt(QStringLiteral("DejaVu Sans"), 20, u"i"));
        for (const Piece &piece : paragraphs.at(p))
            cursor.insertText(piece.text, piece.format);
    }

    const QByteArray data = rtf::write(&source);
    QVERIFY(rtf::looksLikeRtf(data));
    for (const char c : data)
        QVERIFY2(static_cast<unsigned char>(c) < 0x80, data.constData());

    QTextDocument back;
    QCOMPARE(rtf::read(data, &back), documents::Error::None);
    QCOMPARE(back.blockCount(), source.blockCount());
    for (QTextBlock a = source.begin(), b = back.begin(); a.isValid(); a = a.next(), b = b.next())
        QCOMPARE(describe(b, QString()), describe(a, QString()));
}

// What a character looks like: its own format over the document's default font.
static QFont shownFont(const QTextDocument &doc, int position)
{
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(position);
    return c.charFormat().font().resolve(doc.defaultFont());
}

void tst_Rtf::roundTripKeepsTheLook_data()
{
    QTest::addColumn<QFont>("base");
    QTest::addColumn<QFont>("target"); // the default font of the document read into
    const QFont plain(QStringLiteral("Liberation Serif"), 20);
    QFont bold = plain;
    bold.setBold(true);
    QFont italicUnderlined = plain;
    italicUnderlined.setItalic(true);
    italicUnderlined.setUnderline(true);
    QFont struck(QStringLiteral("Liberation Sans"), 14);
    struck.setStrikeOut(true);
    QFont all = bold;
    all.setItalic(true);
    all.setUnderline(true);
    all.setStrikeOut(true);
    QTest::newRow("bold base into plain") << bold << plain;
    QTest::newRow("bold base into the same") << bold << bold;
    QTest::newRow("italic underlined base") << italicUnderlined << plain;
    QTest::newRow("struck base") << struck << plain;
    QTest::newRow("all into all") << all << all;
    QTest::newRow("plain base into bold") << plain << bold;
}

// Characters without a format of their own show the default font; an explicit plain run inside
// shows plain. Both must look the same after writing and reading back.
// A show's breaks reach another prompter as breaks, with their band; the first paragraph too.
void tst_Rtf::storyBreaksRoundTrip()
{
    QTextDocument source;
    source.setPlainText(QStringLiteral("Weather\nSun all week.\nSport\nThe final."));
    for (int n : {0, 2}) {
        QTextCursor c(source.findBlockByNumber(n));
        QTextBlockFormat f;
        f.setProperty(unread::kProperty, int(unread::Kind::StoryBreak));
        f.setBackground(QColor(0x80, 0x70, 0x60));
        c.mergeBlockFormat(f);
    }
    const QByteArray written = rtf::write(&source);
    QTextDocument back;
    QCOMPARE(rtf::read(written, &back), documents::Error::None);
    QCOMPARE(back.toPlainText(), source.toPlainText());
    QStringList breaks;
    for (QTextBlock b = back.begin(); b.isValid(); b = b.next()) {
        if (unread::kindOf(b) != unread::Kind::StoryBreak)
            continue;
        breaks << b.text();
        QCOMPARE(b.blockFormat().background().color(), QColor(0x80, 0x70, 0x60));
    }
    QCOMPARE(breaks, QStringList({QStringLiteral("Weather"), QStringLiteral("Sport")}));
    // A reader that knows no breaks skips the mark and keeps the text.
    QByteArray older = written;
    older.replace("cuescrollbreak", "unknownmark");
    QCOMPARE(rtf::read(older, &back), documents::Error::None);
    QCOMPARE(back.toPlainText(), source.toPlainText());
}

void tst_Rtf::roundTripKeepsTheLook()
{
    QFETCH(QFont, base);
    QFETCH(QFont, target);
    QTextDocument source;
    source.setDefaultFont(base);
    source.setPlainText(QStringLiteral("base text\nplain run base again"));
    QTextCursor c(source.findBlockByNumber(1));
    c.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor, 2);
    QTextCharFormat plainRun;
    plainRun.setFontWeight(QFont::Normal);
    plainRun.setFontItalic(false);
    plainRun.setFontUnderline(false);
    plainRun.setFontStrikeOut(false);
    c.mergeCharFormat(plainRun);

    QTextDocument back;
    back.setDefaultFont(target);
    QCOMPARE(rtf::read(rtf::write(&source), &back), documents::Error::None);
    QCOMPARE(back.toPlainText(), source.toPlainText());
    for (int p = 1; p < source.characterCount(); ++p) {
        const QFont a = shownFont(source, p);
        const QFont b = shownFont(back, p);
        const QString where = QStringLiteral("at %1").arg(p);
        QVERIFY2(a.bold() == b.bold(), qPrintable(where));
        QVERIFY2(a.italic() == b.italic(), qPrintable(where));
        QVERIFY2(a.underline() == b.underline(), qPrintable(where));
        QVERIFY2(a.strikeOut() == b.strikeOut(), qPrintable(where));
        QVERIFY2(a.pointSizeF() == b.pointSizeF(), qPrintable(where));
        QVERIFY2(a.family() == b.family(), qPrintable(where));
    }
}

// Other programs read what we write, so a few details of the form matter beyond our own round trip.
void tst_Rtf::writtenForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("Latin-1") << QStringLiteral("café") << QByteArray("caf\\u233?");
    QTest::newRow("above 0x7FFF is negative") << QStringLiteral("Ｘ") << QByteArray("\\u-200?");
    QTest::newRow("surrogates one by one") << QStringLiteral("😀") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("escapes") << QStringLiteral("{\\}") << QByteArray("\\{\\\\\\}");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    QTest::newRow("no \\par after the last paragraph")
        << QStringLiteral("a\nb") << QByteArray("a\\par\n\\pard\\plain b}");
}

void tst_Rtf::writtenForm()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 12));
    doc.setPlainText(text);
    const QByteArray data = rtf::write(&doc);
    QVERIFY2(data.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), data.constData());
    QVERIFY2(data.contains(expected), data.constData());
}

void tst_Rtf::sampleDocument()
{
    QFile rtfFile(QStringLiteral(CUESCROLL_TEST_DATA "/sample.rtf"));
    QFile textFile(QStringLiteral(CUESCROLL_TEST_DATA "/sample_expected.txt"));
    QVERIFY(rtfFile.open(QIODevice::ReadOnly));
    QVERIFY(textFile.open(QIODevice::ReadOnly));
    QString expectedText = QString::fromUtf8(textFile.readAll());
    if (expectedText.endsWith(u'\n'))
        expectedText.chop(1);
    const QStringList expected = expectedText.split(u'\n');

    QTextDocument doc;
    QCOMPARE(rtf::read(rtfFile.readAll(), &doc), documents::Error::None);
    QCOMPARE(doc.toPlainText().split(u'\n'), expected);

    const QString serif = QStringLiteral("Liberation Serif");
    QTextBlock p3 = doc.begin().next().next();
    QCOMPARE(describe(doc.begin(), serif), u"P1 First paragraph, plain ASCII.{}");
    QCOMPARE(describe(p3, serif), u"P3 This has {}bold{b} and {}italic{i} and {}bolditalic{b i} runs.{}");
}

void tst_Rtf::addTextColumns()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("codePage"); // a converter the row needs, 0 for none
}

void tst_Rtf::checkText()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QFETCH(int, codePage);
    if (!hasConverter(codePage))
        QSKIP("this Qt build has no converter for the code page");
    QCOMPARE(readText(data), expected);
}

void tst_Rtf::codePages_data()
{
    addTextColumns();
    const QByteArray fonts = R"({\fonttbl{\f0\fcharset0 A;}{\f1\fcharset204 B;}{\f2\fcharset238 C;})"
                             R"({\f3\fcharset161 D;}{\f4\fcharset128 E;}})";
    QTest::newRow("1252 by default") << QByteArray(R"({\rtf1\ansi caf\'e9 \'80\'93\'81})")
                                     << QStringLiteral("café €“\u0081") << 0;
    QTest::newRow("\\ansicpg1251") << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})")
                                   << QStringLiteral("Привет") << 1251;
    QTest::newRow("raw 8-bit text in the document page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0 \xE9}") << QStringLiteral("Пр й") << 1251;
    QTest::newRow("font charset overrides the document page")
        << QByteArray(R"({\rtf1\ansi)" + fonts + R"(\f1 \'cf\'f0\f0 \'e9})") << QStringLiteral("Прé") << 1251;
    QTest::newRow("charset 0 in a 1251 document is 1252")
        << QByteArray(R"({\rtf1\ansi\ansicpg1251)" + fonts + R"(\f0\'e9\f1\'e9})") << QStringLiteral("éй")
        << 1251;
    QTest::newRow("charset 238") << QByteArray(R"({\rtf1\ansi)" + fonts + R"(\f2\'9a\'b9})")
                                 << QStringLiteral("šą") << 1250;
    QTest::newRow("charset 161") << QByteArray(R"({\rtf1\ansi)" + fonts + R"(\f3\'e1\'e2})")
                                 << QStringLiteral("αβ") << 1253;
    QTest::newRow("charset 128 double-byte")
        << QByteArray(R"({\rtf1\ansi)" + fonts + R"(\f4\'82\'a0\'93\'fa})") << QStringLiteral("あ日") << 932;
    QTest::newRow("932 trail byte written as a symbol")
        << QByteArray(R"({\rtf1\ansi\ansicpg932 \'83\\\'83\{\'83\}})") << QStringLiteral("ソボマ") << 932;
    QTest::newRow("932 character across group boundaries")
        << QByteArray(R"({\rtf1\ansi\ansicpg932 {\'83}\'5c\'83{\'5c}x})") << QStringLiteral("ソソx") << 932;
    QTest::newRow("single-byte page: a symbol after a high byte stays itself")
        << QByteArray(R"({\rtf1\ansi \'83\\})") << QStringLiteral("ƒ\\") << 0;
    QTest::newRow("\\deff picks the page")
        << QByteArray(R"({\rtf1\ansi\deff1)" + fonts + R"(\'cf})") << QStringLiteral("П") << 1251;
    QTest::newRow("\\plain returns to the default font")
        << QByteArray(R"({\rtf1\ansi)" + fonts + R"(\f1\'cf\plain\'cf})") << QStringLiteral("ПÏ") << 1251;
}

void tst_Rtf::codePages()
{
    checkText();
}

void tst_Rtf::unicode_data()
{
    addTextColumns();
    QTest::newRow("one fallback character by default")
        << QByteArray(R"({\rtf1 \u233?x})") << QStringLiteral("éx") << 0;
    QTest::newRow("\\uc0") << QByteArray(R"({\rtf1\uc0\u233 x})") << QStringLiteral("éx") << 0;
    QTest::newRow("\\uc2 counts \\'hh as one")
        << QByteArray(R"({\rtf1\uc2\u233\'3f\'3fx})") << QStringLiteral("éx") << 0;
    QTest::newRow("\\uc2 counts a control word as one")
        << QByteArray(R"({\rtf1\uc2\u233\'3f\par x})") << QStringLiteral("éx") << 0;
    QTest::newRow("negative N") << QByteArray(R"({\rtf1\u-200?\u-4064?})") << QStringLiteral("\uFF38\uF020")
                                << 0;
    QTest::newRow("surrogate pair") << QByteArray(R"({\rtf1\u-10179?\u-8704?})") << QStringLiteral("😀") << 0;
    QTest::newRow("skipping stops at the group end")
        << QByteArray(R"({\rtf1{\uc3\u233}ab})") << QStringLiteral("éab") << 0;
    QTest::newRow("\\uc belongs to its group")
        << QByteArray(R"({\rtf1{\uc0 x}\u233?})") << QStringLiteral("xé") << 0;
    QTest::newRow("lone surrogates") << QByteArray(R"({\rtf1\u-10179?x\u-8704?})")
                                     << QStringLiteral("\uFFFDx\uFFFD") << 0;
    QTest::newRow("out of range") << QByteArray(R"({\rtf1\u99999999999?x})") << QStringLiteral("\uFFFDx")
                                  << 0;
}

void tst_Rtf::unicode()
{
    checkText();
}

void tst_Rtf::skippedDestinations_data()
{
    addTextColumns();
    QTest::newRow("\\* unknown") << QByteArray(R"({\rtf1 a{\*\foo hidden {\b nested}}b})")
                                 << QStringLiteral("ab") << 0;
    QTest::newRow("\\info") << QByteArray(R"({\rtf1{\info{\title T}{\author A}}a})") << QStringLiteral("a")
                            << 0;
    QTest::newRow("\\pict with hex") << QByteArray(R"({\rtf1 a{\pict\pngblip\picw10 89504e470d0a}b})")
                                     << QStringLiteral("ab") << 0;
    QTest::newRow("\\header") << QByteArray(R"({\rtf1{\header\pard H\par}a})") << QStringLiteral("a") << 0;
    QTest::newRow("\\footnote") << QByteArray(R"({\rtf1 a{\footnote\pard F\par}b})") << QStringLiteral("ab")
                                << 0;
    QTest::newRow("\\stylesheet") << QByteArray(R"({\rtf1{\stylesheet{\s0 Normal;}}a})")
                                  << QStringLiteral("a") << 0;
    QTest::newRow("field keeps its result")
        << QByteArray(
               R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}{\field{\fldinst P}{\fldrslt 2}}})")
        << QStringLiteral("link2") << 0;
    QTest::newRow("tables write no text")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1;}a})") << QStringLiteral("a") << 0;
    QTest::newRow("\\bin skips raw braces")
        << QByteArray(R"({\rtf1 a{\pict\bin4 }}{{b}c})") << QStringLiteral("ac") << 0;
    QTest::newRow("destination word in the outer group")
        << QByteArray(R"({\rtf1\info a})") << QStringLiteral("a") << 0;
}

void tst_Rtf::skippedDestinations()
{
    checkText();
}

void tst_Rtf::breaksAndSymbols_data()
{
    addTextColumns();
    QTest::newRow("\\par") << QByteArray(R"({\rtf1 a\par b})") << QStringLiteral("a\nb") << 0;
    QTest::newRow("\\line is a paragraph")
        << QByteArray(R"({\rtf1 a\line b})") << QStringLiteral("a\nb") << 0;
    QTest::newRow("\\tab") << QByteArray(R"({\rtf1 a\tab b})") << QStringLiteral("a\tb") << 0;
    QTest::newRow("table row: a line per cell")
        << QByteArray(R"({\rtf1\trowd\cellx1\cellx2 A\cell B\cell\row\pard C\par})")
        << QStringLiteral("A\nB\nC") << 0;
    QTest::newRow("empty cell keeps its line")
        << QByteArray(R"({\rtf1 A\cell\cell\row})") << QStringLiteral("A\n") << 0;
    QTest::newRow("final \\par adds no paragraph")
        << QByteArray(R"({\rtf1 a\par})") << QStringLiteral("a") << 0;
    QTest::newRow("empty paragraphs")
        << QByteArray(R"({\rtf1 \par a\par\par b})") << QStringLiteral("\na\n\nb") << 0;
    QTest::newRow("backslash newline") << QByteArray("{\\rtf1 a\\\nb}") << QStringLiteral("a\nb") << 0;
    QTest::newRow("line ends ignored") << QByteArray("{\\rtf1 a\r\nb\n}") << QStringLiteral("ab") << 0;
    QTest::newRow("one delimiting space") << QByteArray(R"({\rtf1\b  x})") << QStringLiteral(" x") << 0;
    QTest::newRow("symbols") << QByteArray(R"({\rtf1 \{\}\\a\~b\-c\_d})")
                             << QStringLiteral("{}\\a\u00A0bc\u2011d") << 0;
    QTest::newRow("typographic words")
        << QByteArray(R"({\rtf1\emdash\endash\lquote\rquote\ldblquote\rdblquote)"
                      R"(\bullet})")
        << QStringLiteral("—–‘’“”•") << 0;
    QTest::newRow("hidden text") << QByteArray(R"({\rtf1 a{\v hidden}b\v c\v0 d})") << QStringLiteral("abd")
                                 << 0;
}

void tst_Rtf::breaksAndSymbols()
{
    checkText();
}

void tst_Rtf::formats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("group scope") << QByteArray(R"({\b bold}plain)") << QStringLiteral("bold{b}plain{}");
    QTest::newRow("toggles") << QByteArray(R"(\b x\b0 y\i z\i0 w)") << QStringLiteral("x{b}y{}z{i}w{}");
    QTest::newRow("underline") << QByteArray(R"(\ul a\ulnone b\uldb c\ul0 d)")
                               << QStringLiteral("a{u}b{}c{u}d{}");
    QTest::newRow("strike") << QByteArray(R"(\strike a\strike0 b)") << QStringLiteral("a{s}b{}");
    QTest::newRow("plain resets all") << QByteArray(R"(\b\i\ul\strike\f1\fs40\cf1 a\plain b)")
                                      << QStringLiteral("a{b i u s f=Beta 20pt #ff0000}b{}");
    QTest::newRow("half points") << QByteArray(R"(\fs55 a\fs b)") << QStringLiteral("a{27.5pt}b{}");
    QTest::newRow("huge size is clamped")
        << QByteArray(R"(\fs999999999999 a)") << QStringLiteral("a{1638pt}");
    QTest::newRow("colours, 0 and unknown are auto")
        << QByteArray(R"(\cf2 a\cf0 b\cf9 c)") << QStringLiteral("a{#0000ff}bc{}");
    QTest::newRow("font name without \\falt") << QByteArray(R"(\f1 a)") << QStringLiteral("a{f=Beta}");
}

void tst_Rtf::formats()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    const QByteArray data = R"({\rtf1\ansi\deff0{\fonttbl{\f0 Alpha;}{\f1\fswiss Beta{\*\falt Gamma};}})"
                            R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})" +
                            body + '}';
    QTextDocument doc;
    QCOMPARE(rtf::read(data, &doc), documents::Error::None);
    QCOMPARE(doc.blockCount(), 1);
    QCOMPARE(describe(doc.begin(), QStringLiteral("Alpha")), expected);
}

void tst_Rtf::notRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Hello {\\rtf1}");
    QTest::newRow("cut short") << QByteArray("{\\rt");
}

void tst_Rtf::notRtf()
{
    QFETCH(QByteArray, data);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("keep me"));
    QCOMPARE(rtf::read(data, &doc), documents::Error::NotText);
    QCOMPARE(doc.toPlainText(), u"keep me");
}

void tst_Rtf::hostile_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected"); // "*": any text will do

    QRandomGenerator random(20240611);
    QByteArray bytes = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i)
        bytes.append(char(random.bounded(256)));
    QTest::newRow("random bytes") << bytes << QStringLiteral("*");

    // Random strings of the tokens the reader cares about reach far more of its states than noise.
    static const char *const tokens[] = {
        "{",      "}",     "\\",        "\\'",     "\\'e9",     "\\u",        "\\u-", "\\uc",  "\\bin",
        "\\par",  "\\*",   "\\fonttbl", "\\f",     "\\fs",      "\\colortbl", "\\cf", "\\red", "\\fcharset",
        "\\cell", "\\row", "\\pard",    "\\plain", "\\ansicpg", "\\pict",     "\\v",  ";",     " ",
        "-",      "1",     "9",         "x",       "\xC3",      "\xBC",       "\r\n", "\\~",   "\\line",
    };
    QByteArray soup = "{\\rtf1 ";
    while (soup.size() < 100000)
        soup += tokens[random.bounded(int(std::size(tokens)))];
    QTest::newRow("random tokens") << soup << QStringLiteral("*");

    QTest::newRow("unbalanced closing") << QByteArray(R"({\rtf1 a}}}}b)") << QStringLiteral("a");
    QTest::newRow("unclosed groups") << QByteArray(R"({\rtf1 {{{a\par b)") << QStringLiteral("a\nb");
    QTest::newRow("header alone") << QByteArray(R"({\rtf1)") << QString();
    QTest::newRow("100000 nested groups")
        << "{\\rtf1 a" + QByteArray(100000, '{') + 'x' + QByteArray(100000, '}') + "b}"
        << QStringLiteral("ab");
    QTest::newRow("500 nested groups keep their text")
        << "{\\rtf1 a" + QByteArray(500, '{') + 'x' + QByteArray(500, '}') + "b}" << QStringLiteral("axb");
    QTest::newRow("\\bin beyond the end")
        << QByteArray(R"({\rtf1 a\bin99999999999 xyz})") << QStringLiteral("a");
    QTest::newRow("negative \\bin") << QByteArray(R"({\rtf1 a\bin-5 xyz})") << QStringLiteral("axyz");
    QTest::newRow("huge \\uc stops at the group end")
        << QByteArray(R"({\rtf1{\uc999999999 \u65 abc}def})") << QStringLiteral("Adef");
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("\\' at the end") << QByteArray("{\\rtf1 a\\'") << QStringLiteral("a");
    QTest::newRow("\\' without hex") << QByteArray("{\\rtf1 a\\'zb}") << QStringLiteral("azb");
    QTest::newRow("control bytes") << QByteArray("{\\rtf1 a\0\x01\x7F b}", 14) << QStringLiteral("a\x7F b");
    QTest::newRow("colour table of a million entries")
        << "{\\rtf1{\\colortbl" + QByteArray(1000000, ';') + "}a}" << QStringLiteral("a");
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 100000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " F;}";
    QTest::newRow("font table of 100000 entries") << fonts + "}a}" << QStringLiteral("a");
    QTest::newRow("byte order mark before the header")
        << QByteArray("\xEF\xBB\xBF{\\rtf1 a}") << QStringLiteral("a");
    QTest::newRow("text after the document") << QByteArray(R"({\rtf1 a}\par garbage)") << QStringLiteral("a");
    QTest::newRow("very long control word")
        << "{\\rtf1 a\\" + QByteArray(100000, 'z') + " b}" << QStringLiteral("ab");
}

void tst_Rtf::paragraphLimit()
{
    const QByteArray pars = "\\par" + QByteArray(documents::kMaxParagraphs - 2, ' ').replace(' ', "\\par");
    QTextDocument doc;
    QCOMPARE(rtf::read(QByteArray("{\\rtf1 " + pars + " x}"), &doc), documents::Error::None);
    QCOMPARE(doc.blockCount(), documents::kMaxParagraphs);
    QTextDocument refused;
    refused.setPlainText(QStringLiteral("kept"));
    QCOMPARE(rtf::read(QByteArray("{\\rtf1 " + pars + "\\par x}"), &refused),
             documents::Error::TooManyParagraphs);
    QCOMPARE(refused.toPlainText(), QStringLiteral("kept"));
}

void tst_Rtf::formatRunLimit_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("expected"); // each paragraph as in formats(), joined by '|'

    const QByteArray toggles = R"(\b a\b0 b\b c\b0 d)";
    QTest::newRow("within the limit") << toggles << 4 << QStringLiteral("a{b}b{}c{b}d{}");
    QTest::newRow("the format stops changing at the limit") << toggles << 2 << QStringLiteral("a{b}bcd{}");
    QTest::newRow("a limit of one keeps the first format") << toggles << 1 << QStringLiteral("abcd{b}");
    QTest::newRow("later paragraphs keep the format they begin with")
        << QByteArray(R"(\b a\b0 b\par\b c\b0 d\par e{\i f}\par{\ul g}h)") << 2
        << QStringLiteral("a{b}b{}|cd{b}|ef{}|gh{u}");
    QTest::newRow("empty paragraphs cost no run")
        << QByteArray(R"(\b a\par\par\b0 b)") << 1 << QStringLiteral("a{b}|{b}|b{}");
    QTest::newRow("a thousand toggles, ten runs")
        << QByteArray(R"(\b a\b0 b)").repeated(1000) << 10
        << QStringLiteral("a{b}b{}").repeated(4) + u"a{b}b" + QStringLiteral("ab").repeated(995) + u"{}";
}

// A file changing its format at every character costs no more than the limit allows, and still
// shows all of its text.
void tst_Rtf::formatRunLimit()
{
    QFETCH(QByteArray, body);
    QFETCH(int, runs);
    QFETCH(QString, expected);
    QTextDocument doc;
    rtf::Limits limits;
    limits.formatRuns = runs;
    const QByteArray data = "{\\rtf1\\deff0{\\fonttbl{\\f0 Alpha;}}" + body + '}';
    QCOMPARE(rtf::read(data, &doc, limits), documents::Error::None);
    QStringList paragraphs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        paragraphs << describe(b, QStringLiteral("Alpha"));
    QCOMPARE(paragraphs.join(u'|'), expected);
}

void tst_Rtf::hostile()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);

    QElapsedTimer timer;
    timer.start();
    QTextDocument doc;
    QCOMPARE(rtf::read(data, &doc), documents::Error::None);
    const QString text = blockTexts(doc).join(u'\n');
    if (expected != u"*")
        QCOMPARE(text, expected);

    // Whatever came out of the damage must survive our own writer unchanged.
    QTextDocument again;
    QCOMPARE(rtf::read(rtf::write(&doc), &again), documents::Error::None);
    QCOMPARE(blockTexts(again).join(u'\n'), text);
    // Generous even under sanitizers; a quadratic pass over these inputs would take minutes.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(tst_Rtf)
#include "tst_rtf.moc"
