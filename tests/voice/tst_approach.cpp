// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Approach.h"

#include <QTest>

#include <cmath>

using voice::Approach;

// The glide to the word heard: steady for the eye whatever the clock does.
class tst_Approach : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each step keeps to the speed limit, heads for the target and never passes it; the glide ends
    // on the target exactly and then stops.
    void glidesWithinTheLimit_data()
    {
        QTest::addColumn<float>("from");
        QTest::addColumn<float>("target");
        QTest::addColumn<float>("maxSpeed");
        QTest::addColumn<int>("stepMs");
        QTest::newRow("down the script, slow limit") << 0.f << 6000.f << 2000.f << 16;
        QTest::newRow("up the script, slow limit") << 6000.f << 0.f << 2000.f << 16;
        QTest::newRow("short way, no limit reached") << 100.f << 400.f << 1e6f << 16;
        QTest::newRow("coarse frames") << -500.f << 9000.f << 5000.f << 100;
    }
    void glidesWithinTheLimit()
    {
        QFETCH(float, from);
        QFETCH(float, target);
        QFETCH(float, maxSpeed);
        QFETCH(int, stepMs);
        Approach a;
        quint32 now = 1000;
        a.aim(target, from, maxSpeed, now);
        float top = from;
        const float way = target > from ? 1.f : -1.f;
        for (int i = 0; i < 10000 && a.moving(); ++i) {
            now += quint32(stepMs);
            const std::optional<float> next = a.at(now);
            QVERIFY(next);
            const float step = (*next - top) * way;
            QVERIFY2(step >= 0, "moved away from the target");
            QVERIFY(step <= maxSpeed * float(stepMs) / 1000.f + 0.01f);
            QVERIFY2((target - *next) * way >= 0, "passed the target");
            top = *next;
        }
        QCOMPARE(top, target);
        QVERIFY(!a.moving());
        QCOMPARE(a.at(now + 16), std::nullopt);
    }

    // Unhindered by the limit, about two thirds of the way go in the time constant.
    void mostOfTheWayInTheTimeConstant()
    {
        Approach a;
        quint32 now = 0;
        a.aim(3000, 0, 1e6f, now);
        float top = 0;
        for (int t = 0; t < int(Approach::kTimeConstant * 1000); t += 10)
            top = *a.at(now += 10);
        const double share = top / 3000.0;
        QVERIFY2(std::abs(share - (1 - std::exp(-1.0))) < 0.02, qPrintable(QString::number(share)));
    }

    // A stalled display, the clock read out of order, or the clock wrapping: the glide goes on from
    // where it was, no more than a tenth of a second's way at once, never backwards.
    void theClockCannotMakeItLeap_data()
    {
        QTest::addColumn<quint32>("start");
        QTest::addColumn<qint64>("gap");
        QTest::addColumn<float>("most");
        QTest::newRow("five seconds stalled") << 1000u << qint64(5000) << 2000.f * 0.1f;
        QTest::newRow("read out of order") << 1000u << qint64(-40) << 0.f;
        QTest::newRow("the clock wraps") << 0xFFFFFFF0u << qint64(32) << 2000.f * 0.032f;
    }
    void theClockCannotMakeItLeap()
    {
        QFETCH(quint32, start);
        QFETCH(qint64, gap);
        QFETCH(float, most);
        Approach a;
        a.aim(10000, 0, 2000, start);
        const std::optional<float> top = a.at(quint32(qint64(start) + gap));
        QVERIFY(top);
        QVERIFY(*top >= 0);
        QVERIFY(*top <= most + 0.01f);
    }

    // Aimed again while gliding it goes on from where it is, not from where the caller says; halted
    // it gives no place until aimed again.
    void aimedAgainOrHalted()
    {
        Approach a;
        a.aim(6000, 0, 2000, 0);
        const float top = *a.at(50);
        a.aim(-3000, 123456, 2000, 50);
        const float next = *a.at(66);
        QVERIFY(next < top);
        QVERIFY(top - next <= 2000 * 0.016f + 0.01f);
        a.halt();
        QVERIFY(!a.moving());
        QCOMPARE(a.at(100), std::nullopt);
        a.aim(500, 400, 2000, 100);
        QCOMPARE(*a.at(100), 400.f);
    }
};

QTEST_GUILESS_MAIN(tst_Approach)
#include "tst_approach.moc"
