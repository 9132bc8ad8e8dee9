// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/OscFeedback.h"

#include <QTest>

// What the control desk is sent, as read from the settings and held steady, without a prompter.
class tst_OscFigures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void targetsAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("two") << "10.0.0.5:9000 desk.local:8000"
                             << QStringList{"10.0.0.5:9000", "desk.local:8000"};
        QTest::newRow("IPv6 in brackets") << "[::1]:9000" << QStringList{"::1:9000"};
        QTest::newRow("unreadable left out")
            << "nohost 1.2.3.4:0 1.2.3.4:70000 :9000 ::1:9000 5.6.7.8:99" << QStringList{"5.6.7.8:99"};
    }

    void targetsAreRead()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, targets);
        QStringList got;
        for (const remote::OscTarget &t : remote::parseOscTargets(text))
            got << t.host + QLatin1Char(':') + QString::number(t.port);
        QCOMPARE(got, targets);
    }

    // Over/under estimated afresh at every step is shown steady: its second moves at most once in 5 s.
    void overUnderHoldsStill()
    {
        remote::SteadyFigure f;
        quint32 now = 1000;
        QCOMPARE(f.take(-55.4, now), -55.0);
        const QList<double> jitter{-46, -47, -39, -52, -48};
        for (double raw : jitter) {
            now += 900;
            QCOMPARE(f.take(raw, now), -55.0);
        }
        now += 1000; // 5.5 s since it moved
        QCOMPARE(f.take(-47.2, now), -47.0);
        now += 100;
        QCOMPARE(f.take(-40, now), -47.0);
        QCOMPARE(f.take(120, now), 120.0); // a new target: no jitter
        f.reset();
        QCOMPARE(f.take(-40, now), -40.0);
    }
};

QTEST_GUILESS_MAIN(tst_OscFigures)
#include "tst_oscfigures.moc"
