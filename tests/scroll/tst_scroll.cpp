// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scroll/Glide.h"
#include "scroll/Progress.h"
#include "scroll/ScrollEngine.h"
#include "scroll/WheelAccumulator.h"

#include <QTest>

class tst_Scroll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void step_data()
    {
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("viewHeight");
        QTest::addColumn<float>("viewportHeight");
        QTest::addColumn<int>("dir");
        QTest::addColumn<int>("lVal");
        QTest::addColumn<bool>("smooth");
        QTest::addColumn<bool>("hasRange");
        QTest::addColumn<float>("newTop");

        QTest::newRow("clock at slider 1") << 0.f << 20000.f << 5000.f << 1 << 1 << true << true << -8.f;
        QTest::newRow("clock at slider 16")
            << -100.f << 20000.f << 5000.f << 1 << 16 << true << true << -153.f;
        QTest::newRow("backwards") << -100.f << 20000.f << 5000.f << -1 << 1 << true << true << -92.f;
        QTest::newRow("fits: never moves") << 0.f << 5000.f << 5000.f << 1 << 16 << false << false << 0.f;
        QTest::newRow("forward clamp")
            << -14990.f << 20000.f << 5000.f << 1 << 16 << true << true << -15000.f;
        QTest::newRow("at the end stays")
            << -15000.f << 20000.f << 5000.f << 1 << 16 << true << true << -15000.f;
        QTest::newRow("back clamp rounds") << -3.5f << 20000.f << 5000.f << -1 << 1 << true << true << 0.5f;
        QTest::newRow("back clamp to zero") << -6.f << 20000.f << 5000.f << -1 << 16 << false << true << 0.f;
        QTest::newRow("home from far")
            << -14000.f << 20000.f << 5000.f << -1 << 10000000 << false << true << 0.f;
        QTest::newRow("end from start")
            << 0.f << 20000.f << 5000.f << 1 << 10000000 << false << true << -15000.f;
        QTest::newRow("at the beginning Up") << 0.f << 20000.f << 5000.f << -1 << 200 << false << true << 0.f;
        // The window grew while the script stood near its end: the range is now below |Top|.
        QTest::newRow("shrunk range, key step")
            << -16000.f << 20000.f << 5000.f << 1 << 200 << false << true << -15000.f;
        QTest::newRow("shrunk range, smooth step")
            << -16000.f << 20000.f << 5000.f << 1 << 16 << true << true << -16000.f;
    }

    void step()
    {
        QFETCH(float, top);
        QFETCH(float, viewHeight);
        QFETCH(float, viewportHeight);
        QFETCH(int, dir);
        QFETCH(int, lVal);
        QFETCH(bool, smooth);
        QFETCH(bool, hasRange);
        QFETCH(float, newTop);
        const scroll::StepResult r =
            scroll::step(top, viewHeight, viewportHeight, static_cast<qint16>(dir), lVal, smooth);
        QCOMPARE(r.hasRange, hasRange);
        QCOMPARE(r.top, newTop);
    }

    void roundingTiesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("2.6") << 2.6 << 3;
    }

    void roundingTiesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(scroll::roundToInt(value), rounded);
    }

    void measure_data()
    {
        QTest::addColumn<float>("lineHeight");
        QTest::addColumn<int>("lastLine");
        QTest::addColumn<float>("viewport");
        QTest::addColumn<float>("textHeight");
        QTest::addColumn<float>("viewHeight");
        // H = 10000; T = lineHeight * (lastLine - 1).
        QTest::newRow("empty script") << 600.f << 0 << 10000.f << 10000.f << 10000.f;
        QTest::newRow("T <= H") << 600.f << 10 << 10000.f << 10000.f << 10000.f;
        QTest::newRow("T - H/10 <= H < T") << 500.f << 22 << 10000.f << 10000.f << 10000.f;
        QTest::newRow("T - H/10 > H") << 500.f << 41 << 10000.f << 19000.f << 29000.f;
    }

    void measure()
    {
        QFETCH(float, lineHeight);
        QFETCH(int, lastLine);
        QFETCH(float, viewport);
        QFETCH(float, textHeight);
        QFETCH(float, viewHeight);
        const scroll::Measure m = scroll::measure(lineHeight, lastLine, viewport);
        QCOMPARE(m.textHeight, textHeight);
        QCOMPARE(m.viewHeight, viewHeight);
    }

    void timeToGo_data()
    {
        QTest::addColumn<float>("top");
        QTest::addColumn<int>("slider");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<float>("percent");
        QTest::addColumn<int>("seconds");
        // View 20000 over a 5000 viewport: range 15000.
        QTest::newRow("8000 to go at slider 1") << -7000.f << 1 << true << float(7000 * 100.0 / 15000) << 20;
        QTest::newRow("the way back instead") << -7000.f << 1 << false << float(7000 * 100.0 / 15000) << 18;
        QTest::newRow("beginning") << 0.f << 16 << true << 0.f << 6;
        QTest::newRow("end") << -15000.f << 1 << true << 100.f << 0;
        QTest::newRow("range shrank below |Top|") << -16000.f << 1 << true << 100.f << 0;
    }

    void timeToGo()
    {
        QFETCH(float, top);
        QFETCH(int, slider);
        QFETCH(bool, forward);
        QFETCH(float, percent);
        QFETCH(int, seconds);
        const progress::Reading r = progress::read(top, 20000, 5000, slider, forward);
        QCOMPARE(r.percent, percent);
        QCOMPARE(r.seconds, seconds);
    }

    void countdown_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("smooth");
        QTest::addColumn<int>("newTag");
        QTest::addColumn<bool>("show");
        QTest::newRow("no reference, gliding: only recorded") << 0 << 30 << true << 30 << false;
        QTest::newRow("no reference, asked: shown") << 0 << 30 << false << 30 << true;
        QTest::newRow("a second less while gliding") << 30 << 29 << true << 29 << true;
        QTest::newRow("never rises while gliding") << 30 << 31 << true << 30 << false;
        QTest::newRow("asked: rises at once") << 30 << 31 << false << 31 << true;
    }

    void countdown()
    {
        QFETCH(int, tag);
        QFETCH(int, seconds);
        QFETCH(bool, smooth);
        QFETCH(int, newTag);
        QFETCH(bool, show);
        const progress::Countdown c = progress::countdown(tag, seconds, smooth);
        QCOMPARE(c.tag, newTag);
        QCOMPARE(c.show, show);
    }

    void wheel_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("classic notch away") << QList<int>{120} << QList<int>{1};
        QTest::newRow("classic notch towards") << QList<int>{-120} << QList<int>{-1};
        QTest::newRow("two notches in one event: one step") << QList<int>{240} << QList<int>{1};
        QTest::newRow("eight small events make a notch")
            << QList<int>{15, 15, 15, 15, 15, 15, 15, 15} << QList<int>{0, 0, 0, 0, 0, 0, 0, 1};
        QTest::newRow("turning back starts afresh")
            << QList<int>{60, 60, -60, -60, 60} << QList<int>{0, 1, 0, -1, 0};
        QTest::newRow("remainder carries") << QList<int>{100, 100, 40} << QList<int>{0, 1, 1};
        QTest::newRow("zero does nothing") << QList<int>{0, 0} << QList<int>{0, 0};
    }

    void wheel()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(QList<int>, steps);
        WheelAccumulator acc;
        QList<int> got;
        for (int d : deltas)
            got << acc.add(d);
        QCOMPARE(got, steps);
    }

    // Steps come at `stepsAt` (ms), each 30 twips further; the picture is sampled at `at`.
    void glide_data()
    {
        QTest::addColumn<QList<int>>("stepsAt");
        QTest::addColumn<int>("at");
        QTest::addColumn<float>("shown");

        QTest::newRow("first step: sets off from where it stood") << QList<int>{100} << 100 << 0.f;
        QTest::newRow("first step: halfway after 10 ms") << QList<int>{100} << 110 << -15.f;
        QTest::newRow("first step: there after 20 ms") << QList<int>{100} << 120 << -30.f;
        QTest::newRow("never beyond the last step") << QList<int>{100} << 500 << -30.f;
        QTest::newRow("steady: one step behind, moving evenly") << QList<int>{100, 120, 140} << 145 << -67.5f;
        QTest::newRow("a late step stretches the glide to its interval")
            << QList<int>{100, 120, 150} << 165 << -75.f;
        QTest::newRow("a pause is not motion: the next step takes 20 ms")
            << QList<int>{100, 120, 1000} << 1010 << -75.f;
        QTest::newRow("across the wrap of the millisecond counter")
            << QList<int>{-30, -10, 10} << 20 << -75.f;
    }

    void glide()
    {
        QFETCH(QList<int>, stepsAt);
        QFETCH(int, at);
        QFETCH(float, shown);
        Glide g;
        g.jump(0);
        float top = 0;
        for (int t : stepsAt) {
            top -= 30;
            g.step(top, quint32(t));
        }
        QCOMPARE(g.shownAt(quint32(at)), shown);
        QCOMPARE(g.target(), top);
        QCOMPARE(g.settledAt(quint32(at)), shown == top);
    }

    void glideJumpShowsAtOnce()
    {
        Glide g;
        g.jump(0);
        g.step(-30, 100);
        g.jump(-5000); // a key, the wheel, Reset or a jump to a marker
        QCOMPARE(g.shownAt(101), -5000.f);
        QVERIFY(g.settledAt(101));
        g.step(-5030, 200); // the clock again: from the jumped place
        QCOMPARE(g.shownAt(210), -5015.f);
    }
};

QTEST_GUILESS_MAIN(tst_Scroll)
#include "tst_scroll.moc"
