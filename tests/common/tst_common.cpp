// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Platform.h"
#include "common/modCommon.h"

#include <QTest>

#include <limits>

class tst_Common : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatTime_data()
    {
        QTest::addColumn<qint32>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "0:00";
        QTest::newRow("five") << 5 << "0:05";
        QTest::newRow("59") << 59 << "0:59";
        QTest::newRow("60") << 60 << "1:00";
        QTest::newRow("61") << 61 << "1:01";
        QTest::newRow("754") << 754 << "12:34";
        QTest::newRow("6000") << 6000 << "100:00";
        // The seconds keep the sign; the two-character cut then shows "-5" and "05" for -65.
        QTest::newRow("-5") << -5 << "0:-5";
        QTest::newRow("-65") << -65 << "1:-5";
        QTest::newRow("-600") << -600 << "10:00";
        QTest::newRow("int min") << std::numeric_limits<qint32>::min() << "35791394:-8";
    }

    void formatTime()
    {
        QFETCH(qint32, seconds);
        QFETCH(QString, text);
        QCOMPARE(modCommon::FormatTime(seconds), text);
    }

    void elapsedAcrossTheCounterWrap_data()
    {
        QTest::addColumn<quint32>("earlier");
        QTest::addColumn<quint32>("later");
        QTest::addColumn<qint32>("elapsed");
        QTest::newRow("plain") << 1000u << 1020u << 20;
        QTest::newRow("sign change") << 0x7FFFFFF0u << 0x80000004u << 20;
        QTest::newRow("wrap") << 0xFFFFFFF0u << 4u << 20;
        QTest::newRow("backwards") << 1020u << 1000u << -20;
    }

    void elapsedAcrossTheCounterWrap()
    {
        QFETCH(quint32, earlier);
        QFETCH(quint32, later);
        QFETCH(qint32, elapsed);
        QCOMPARE(elapsedMs(later, earlier), elapsed);
    }
};

QTEST_GUILESS_MAIN(tst_Common)
#include "tst_common.moc"
