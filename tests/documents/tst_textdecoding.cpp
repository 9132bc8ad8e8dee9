// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/TextDecoding.h"

#include <QStringDecoder>
#include <QTest>

class tst_TextDecoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodeText_data();
    void decodeText();
    void codePage_data();
    void codePage();
};

void tst_TextDecoding::decodeText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("UTF-8 BOM dropped") << QByteArray("\xEF\xBB\xBF"
                                                     "Gr\xC3\xBC\xC3\x9F"
                                                     "e")
                                       << QStringLiteral("Grüße");
    QTest::newRow("UTF-8 BOM alone") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("UTF-16 LE BOM") << QByteArray("\xFF\xFE"
                                                 "a\0\xFC\0\x3D\xD8\x00\xDE",
                                                 10)
                                   << QStringLiteral("aü😀");
    QTest::newRow("UTF-16 BE BOM") << QByteArray("\xFE\xFF\0a\0\xFC\xD8\x3D\xDE\x00", 10)
                                   << QStringLiteral("aü😀");
    QTest::newRow("UTF-16 LE without BOM")
        << QByteArray("H\0e\0l\0l\0\xFC\0\r\0\n\0", 14) << QStringLiteral("Hellü\r\n");
    QTest::newRow("UTF-16 BE without BOM") << QByteArray("\0H\0i\0!\0 ", 8) << QStringLiteral("Hi! ");
    QTest::newRow("plain UTF-8") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                               "e")
                                 << QStringLiteral("Grüße");
    QTest::newRow("1252 text") << QByteArray("caf\xE9 \x80 \x93quoted\x94")
                               << QStringLiteral("café € “quoted”");
    // One bad sequence is enough to mean the file was never UTF-8.
    QTest::newRow("mostly UTF-8, one stray byte") << QByteArray("\xC3\xBC \xFC") << QStringLiteral("Ã¼ ü");
    QTest::newRow("UTF-8 cut in the middle of a character") << QByteArray("ab\xC3") << QStringLiteral("abÃ");
    QTest::newRow("encoded surrogate is not UTF-8")
        << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€");
    QTest::newRow("undefined 1252 bytes keep their value")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
}

void tst_TextDecoding::decodeText()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(textcodec::decodeText(data), expected);
}

void tst_TextDecoding::codePage_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    QByteArray high;
    for (int b = 0x80; b <= 0xA0; ++b)
        high.append(char(b));
    const QString high1252 =
        QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\u00A0");

    QTest::newRow("1252 0x80-0xA0") << 1252 << high << high1252;
    QTest::newRow("1252 Latin-1 half") << 1252 << QByteArray("\xC0\xE9\xFF") << QStringLiteral("Àéÿ");
    QTest::newRow("unknown page reads as 1252") << 99999 << high << high1252;
    QTest::newRow("no page reads as 1252") << 0 << QByteArray("\x80") << QStringLiteral("€");
    QTest::newRow("1251") << 1251 << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2 \x88")
                          << QStringLiteral("Привет €");
    QTest::newRow("1250") << 1250 << QByteArray("\x9A\xB9\xE8") << QStringLiteral("šąč");
    QTest::newRow("1253") << 1253 << QByteArray("\xE1\xE2\xE3") << QStringLiteral("αβγ");
    QTest::newRow("932 double-byte") << 932 << QByteArray("\x82\xA0\x93\xFA") << QStringLiteral("あ日");
}

void tst_TextDecoding::codePage()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    if (codePage != 1252 && codePage != 99999 && codePage != 0) {
        const QByteArray name = "windows-" + QByteArray::number(codePage);
        if (!QStringDecoder(name.constData()).isValid())
            QSKIP("this Qt build has no converter for the page");
    }
    QCOMPARE(textcodec::decodeCodePage(data, codePage), expected);

    // The reusable decoder gives the same on every call.
    textcodec::CodePageDecoder decoder(codePage);
    QCOMPARE(decoder.decode(data), expected);
    QCOMPARE(decoder.decode(data), expected);
}

QTEST_APPLESS_MAIN(tst_TextDecoding)
#include "tst_textdecoding.moc"
