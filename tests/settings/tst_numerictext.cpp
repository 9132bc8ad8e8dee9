// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/NumericText.h"

#include <QTest>

#include <limits>

class tst_NumericText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void typed_data();
    void typed();
};

void tst_NumericText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("found");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("letters") << "abc" << 0.0 << false;
    QTest::newRow("blanks between digits") << "1 2 3" << 123.0 << true;
    QTest::newRow("tabs and line feeds") << "\t1\n2\n3 " << 123.0 << true;
    QTest::newRow("carriage return ends the number") << "2\r8" << 2.0 << true;
    QTest::newRow("CR LF ends the number") << "\t1\n2\r\n3 " << 12.0 << true;
    QTest::newRow("blanks after the sign") << "  -2 147 483 630" << -2147483630.0 << true;
    QTest::newRow("trailing garbage") << "12abc" << 12.0 << true;
    QTest::newRow("comma stops") << "1,5" << 1.0 << true;
    QTest::newRow("leading point") << ".5" << 0.5 << true;
    QTest::newRow("negative leading point") << "-.5" << -0.5 << true;
    QTest::newRow("plus sign") << "+3" << 3.0 << true;
    QTest::newRow("two signs") << "--3" << 0.0 << false;
    QTest::newRow("point alone") << "." << 0.0 << false;
    QTest::newRow("exponent") << "1e3" << 1000.0 << true;
    QTest::newRow("negative exponent") << "1.5e-1" << 0.15 << true;
    QTest::newRow("exponent without digits") << "1E" << 1.0 << true;
    QTest::newRow("exponent sign without digits") << "1E+x" << 1.0 << true;
    QTest::newRow("blanks in exponent") << "2 E 2" << 200.0 << true;
    QTest::newRow("overflow") << "-1e99999999999" << -inf << true;
    QTest::newRow("underflow") << "0.001e-999" << 0.0 << true;
    QTest::newRow("hex") << "&HC0FFFF" << 12648447.0 << true;
    QTest::newRow("hex lower case") << "&hff" << 255.0 << true;
    QTest::newRow("hex with blanks") << "&H C0" << 192.0 << true;
    QTest::newRow("hex sign bit, closing &") << "&H80000012&" << -2147483630.0 << true;
    QTest::newRow("hex all ones") << "&HFFFFFFFF" << -1.0 << true;
    QTest::newRow("hex leading zeros") << "&H0000C000&" << 49152.0 << true;
    QTest::newRow("hex wider than 32 bits") << "&H100000000" << 4294967296.0 << true;
    QTest::newRow("hex without digits") << "&H" << 0.0 << false;
    QTest::newRow("octal") << "&o17&" << 15.0 << true;
    QTest::newRow("octal all ones") << "&O37777777777" << -1.0 << true;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0 << true;
    QTest::newRow("sign before hex") << "-&H10" << 0.0 << false;
}

void tst_NumericText::parse()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, found);

    const numtext::Number n = numtext::parse(text);
    QCOMPARE(n.value, value);
    QCOMPARE(n.found, found);
}

// An invalid QVariant marks a text the type must refuse.
void tst_NumericText::typed_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("half down to even") << "int16"
                                       << "28.5" << QVariant(28);
    QTest::newRow("half up to even") << "int16"
                                     << "29.5" << QVariant(30);
    QTest::newRow("negative half to even") << "int16"
                                           << "-2.5" << QVariant(-2);
    QTest::newRow("size without number") << "int16"
                                         << "abc" << QVariant(0);
    QTest::newRow("rounds past largest size") << "int16"
                                              << "32767.5" << QVariant();
    QTest::newRow("smallest size") << "int16"
                                   << "-32768" << QVariant(-32768);
    QTest::newRow("size too large") << "int16"
                                    << "40000" << QVariant();
    QTest::newRow("hex is 32-bit for sizes too") << "int16"
                                                 << "&HFFFF" << QVariant();
    QTest::newRow("hex colour") << "int32"
                                << "&H80000012&" << QVariant(-2147483630);
    QTest::newRow("rounds past largest colour") << "int32"
                                                << "2147483647.5" << QVariant();
    QTest::newRow("smallest colour, tie to even") << "int32"
                                                  << "-2147483648.5" << QVariant(INT_MIN);
    QTest::newRow("unsigned colour") << "int32"
                                     << "4294967295" << QVariant();
    QTest::newRow("hex too wide") << "int32"
                                  << "&H100000000" << QVariant();
    QTest::newRow("infinite") << "int32"
                              << "1e999" << QVariant();
    QTest::newRow("true, any case") << "bool"
                                    << "tRUE" << QVariant(true);
    QTest::newRow("true with blanks") << "bool"
                                      << " True " << QVariant(true);
    QTest::newRow("false") << "bool"
                           << "FALSE" << QVariant(false);
    QTest::newRow("zero") << "bool"
                          << "0" << QVariant(false);
    QTest::newRow("minus one") << "bool"
                               << "-1" << QVariant(true);
    QTest::newRow("fraction") << "bool"
                              << "0.4" << QVariant(true);
    QTest::newRow("hex zero") << "bool"
                              << "&H0&" << QVariant(false);
    QTest::newRow("yes") << "bool"
                         << "yes" << QVariant();
    QTest::newRow("blank") << "bool"
                           << "  " << QVariant();
}

void tst_NumericText::typed()
{
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(QVariant, expected);

    QVariant got;
    if (type == u"int16") {
        if (const auto v = numtext::toInt16(text))
            got = int(*v);
    } else if (type == u"int32") {
        if (const auto v = numtext::toInt32(text))
            got = *v;
    } else if (const auto v = numtext::toBool(text)) {
        got = *v;
    }
    QCOMPARE(got.isValid(), expected.isValid());
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(tst_NumericText)
#include "tst_numerictext.moc"
