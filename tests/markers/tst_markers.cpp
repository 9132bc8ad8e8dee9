// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markers/CMarkers.h"
#include "markers/MarkerPlaces.h"

#include <QTest>

Q_DECLARE_METATYPE(CMarker)

namespace {

CMarker marker(const QString &text, qint32 start = 0)
{
    return {start, qint32(text.size()), text};
}

QList<CMarker> contents(const CMarkers &markers)
{
    QList<CMarker> out;
    for (qint32 i = 1; i <= markers.Count(); ++i)
        out << *markers.Item(i);
    return out;
}

} // namespace

class tst_Markers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newCollectionIsEmpty()
    {
        CMarkers m;
        QCOMPARE(m.Count(), 0);
        m.Clear();
        QCOMPARE(m.Count(), 0);
        QVERIFY(!m.Item(1));
    }

    void addRemoveAndClear()
    {
        CMarkers m;
        m.Add(marker("A", 5));
        m.Add(marker("B", 1));
        m.Add(marker("C", 9));
        // Insertion order, not script order.
        QCOMPARE(contents(m), (QList<CMarker>{marker("A", 5), marker("B", 1), marker("C", 9)}));
        QVERIFY(m.Remove(2));
        QCOMPARE(contents(m), (QList<CMarker>{marker("A", 5), marker("C", 9)}));
        m.Add(marker("D"));
        QCOMPARE(m.Item(3)->sText, QStringLiteral("D"));
        m.Clear();
        QCOMPARE(m.Count(), 0);
    }

    void equalMarkersAreKeptApart()
    {
        CMarkers m;
        m.Add(marker("same", 3));
        m.Add(marker("same", 3));
        QCOMPARE(m.Count(), 2);
        QCOMPARE(*m.Item(1), *m.Item(2));
        QVERIFY(m.Remove(1));
        QCOMPARE(m.Count(), 1);
        QCOMPARE(*m.Item(1), marker("same", 3));
    }

    void badPositionsChangeNothing_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::newRow("empty, 1") << 0 << 1;
        QTest::newRow("empty, 0") << 0 << 0;
        QTest::newRow("0") << 3 << 0;
        QTest::newRow("-1") << 3 << -1;
        QTest::newRow("Count + 1") << 3 << 4;
        QTest::newRow("far out") << 3 << std::numeric_limits<qint32>::max();
        QTest::newRow("far below") << 3 << std::numeric_limits<qint32>::min();
    }

    void badPositionsChangeNothing()
    {
        QFETCH(int, count);
        QFETCH(int, index);
        CMarkers m;
        for (int i = 0; i < count; ++i)
            m.Add(marker(QString::number(i), i));
        const QList<CMarker> before = contents(m);
        QVERIFY(!m.Item(index));
        QVERIFY(!m.Remove(index));
        QCOMPARE(contents(m), before);
    }

    void clampPassage_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<int>("wantStart");
        QTest::addColumn<int>("wantLength");
        QTest::newRow("inside") << 10 << 5 << 100 << 10 << 5;
        QTest::newRow("to the end exactly") << 90 << 10 << 100 << 90 << 10;
        QTest::newRow("reaches past the end") << 90 << 50 << 100 << 90 << 10;
        QTest::newRow("starts at the end") << 100 << 5 << 100 << 100 << 0;
        QTest::newRow("wholly past the end") << 250 << 5 << 100 << 100 << 0;
        QTest::newRow("empty script") << 3 << 4 << 0 << 0 << 0;
        QTest::newRow("length overflows") << 10 << std::numeric_limits<qint32>::max() << 100 << 10 << 90;
    }

    void clampPassage()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, textLength);
        QFETCH(int, wantStart);
        QFETCH(int, wantLength);
        const markers::Passage p = markers::clampPassage(start, length, textLength);
        QCOMPARE(p.start, wantStart);
        QCOMPARE(p.length, wantLength);
    }

    void lineTopRoundsHalvesToEven()
    {
        QCOMPARE(markers::lineTop(412.5f, 0), 0.0f);
        QCOMPARE(markers::lineTop(412.5f, 1), 412.0f);
        QCOMPARE(markers::lineTop(412.5f, 3), 1238.0f);
        QCOMPARE(markers::lineTop(600.4f, 10), 6004.0f);
    }

    void jumpTop_data()
    {
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("target");
        QTest::addColumn<float>("want");
        QTest::newRow("visible") << -3000.f << 5000.f << -3000.f;
        QTest::newRow("at the top edge") << -3000.f << 3000.f << -3000.f;
        QTest::newRow("at the bottom edge") << -3000.f << 9000.f << -3000.f;
        QTest::newRow("above") << -3000.f << 2999.f << -2999.f;
        QTest::newRow("below") << -3000.f << 9001.f << -9001.f;
        QTest::newRow("line 0, scrolled") << -3000.f << 0.f << 0.f;
        QTest::newRow("line 0, at the start") << 0.f << 0.f << 0.f;
    }

    // The viewport is 6000 twips high.
    void jumpTop()
    {
        QFETCH(float, top);
        QFETCH(float, target);
        QFETCH(float, want);
        QCOMPARE(markers::jumpTop(top, 6000, target), want);
    }
};

QTEST_MAIN(tst_Markers)
#include "tst_markers.moc"
