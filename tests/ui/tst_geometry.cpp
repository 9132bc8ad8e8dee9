// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Colors.h"
#include "ui/Twips.h"

#include <QPalette>
#include <QTest>
#include <QWidget>

class tst_Geometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pixelsRoundTiesToEven_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("exact") << 150.f << 10;
        QTest::newRow("half down to even") << 337.5f << 22; // 22.5 px
        QTest::newRow("half up to even") << 352.5f << 24;   // 23.5 px
        QTest::newRow("negative half") << -37.5f << -2;     // -2.5 px
        QTest::newRow("just below half") << 337.4f << 22;
        QTest::newRow("the tall script view") << 100000000.f << 6666666; // 6666666.5 in single precision
    }

    void pixelsRoundTiesToEven()
    {
        QFETCH(float, twips);
        QFETCH(int, pixels);
        QCOMPARE(twips::toPixels(twips), pixels);
    }

    // One-twip moves accumulate exactly while the widget moves in whole pixels.
    void oneTwipMovesAccumulate()
    {
        QWidget parent;
        QWidget child(&parent);
        twips::move(&child, 0, 0, 1500, 1500);
        for (int i = 0; i < 53; ++i)
            twips::setTop(&child, twips::top(&child) - 1);
        QCOMPARE(twips::top(&child), -53.f);
        QCOMPARE(child.y(), -4); // -3.53 px
        QCOMPARE(twips::height(&child), 1500.f);
    }

    void colours_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QColor>("expected");
        QPalette p;
        p.setColor(QPalette::Base, QColor(1, 2, 3));
        p.setColor(QPalette::Text, QColor(4, 5, 6));
        p.setColor(QPalette::ButtonText, QColor(7, 8, 9));
        QGuiApplication::setPalette(p);
        QTest::newRow("pale yellow") << qint32(0x00C0FFFF) << QColor(255, 255, 192);
        QTest::newRow("line green") << qint32(0x0000C000) << QColor(0, 192, 0);
        QTest::newRow("words orange") << qint32(0x000040C0) << QColor(192, 64, 0);
        QTest::newRow("window background") << colors::system(5) << QColor(1, 2, 3);
        QTest::newRow("window text") << colors::system(8) << QColor(4, 5, 6);
        QTest::newRow("button text (default script colour)") << qint32(-2147483630) << QColor(7, 8, 9);
    }

    void colours()
    {
        QFETCH(qint32, value);
        QFETCH(QColor, expected);
        QCOMPARE(colors::toQColor(value), expected);
    }

    void aControlKeepsItsColourValue()
    {
        QWidget w;
        colors::setBackColor(&w, colors::system(5));
        QCOMPARE(colors::backColor(&w), qint32(0x80000005));
        colors::setBackColor(&w, colors::rgb(10, 20, 30));
        QCOMPARE(colors::backColor(&w), qint32(0x001E140A));
        QCOMPARE(colors::fromQColor(QColor(10, 20, 30)), qint32(0x001E140A));
    }
};

QTEST_MAIN(tst_Geometry)
#include "tst_geometry.moc"
