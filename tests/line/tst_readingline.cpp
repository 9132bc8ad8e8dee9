// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line/ReadingLine.h"

#include <QTest>

using readingline::Geometry;
using readingline::Handle;
using readingline::Target;

Q_DECLARE_METATYPE(readingline::Geometry)
Q_DECLARE_METATYPE(readingline::Handle)
Q_DECLARE_METATYPE(readingline::Target)

namespace {

// The line as it starts: a 415 move handle over the 45 resize handle, 460 in all.
Geometry lineAt(float moveTop, float moveHeight = 415)
{
    return {moveTop, moveHeight, moveTop + moveHeight, 45, moveTop - 50, moveHeight + 45};
}

constexpr float kViewportBottom = 4000;

} // namespace

class tst_ReadingLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dropOnWindow_data()
    {
        QTest::addColumn<Geometry>("before");
        QTest::addColumn<Handle>("source");
        QTest::addColumn<float>("y");
        QTest::addColumn<Geometry>("after");

        QTest::newRow("move") << lineAt(2000) << Handle::Move << 1000.f
                              << Geometry{800, 415, 1215, 45, 750, 460};
        QTest::newRow("move to the very top") << lineAt(2000) << Handle::Move << 200.f << lineAt(0);
        QTest::newRow("move above the viewport") << lineAt(2000) << Handle::Move << 150.f << lineAt(-50);
        QTest::newRow("move onto the viewport's bottom")
            << lineAt(2000) << Handle::Move << 3785.f << Geometry{3585, 415, 4000, 45, 3535, 460};
        QTest::newRow("move cut at the viewport's bottom")
            << lineAt(2000) << Handle::Move << 4000.f << Geometry{3800, 200, 4000, 45, 3750, 245};
        QTest::newRow("move to the viewport's bottom")
            << lineAt(2000) << Handle::Move << 4200.f << lineAt(4000, 0);
        QTest::newRow("move below the viewport") << lineAt(2000) << Handle::Move << 4500.f << lineAt(4300, 0);
        QTest::newRow("move keeps a cut handle")
            << lineAt(3800, 200) << Handle::Move << 1000.f << lineAt(800, 200);

        QTest::newRow("resize") << lineAt(2000) << Handle::Resize << 3000.f << lineAt(2000, 1000);
        QTest::newRow("resize past the viewport")
            << lineAt(2000) << Handle::Resize << 5000.f << lineAt(2000, 3000);
        QTest::newRow("resize just below the top")
            << lineAt(2000) << Handle::Resize << 2001.f << lineAt(2000, 1);
        QTest::newRow("resize at the top") << lineAt(2000) << Handle::Resize << 2000.f << lineAt(2000);
        QTest::newRow("resize above the top") << lineAt(2000) << Handle::Resize << 100.f << lineAt(2000);

        QTest::newRow("another control") << lineAt(2000) << Handle::Other << 1000.f << lineAt(2000);
    }

    void dropOnWindow()
    {
        QFETCH(Geometry, before);
        QFETCH(Handle, source);
        QFETCH(float, y);
        QFETCH(Geometry, after);

        const Geometry g = readingline::dropOnWindow(before, source, y, kViewportBottom);
        QCOMPARE(g, after);
        QVERIFY(readingline::invariantsHold(g));
    }

    void dropOnMoveHandle_data()
    {
        QTest::addColumn<Geometry>("before");
        QTest::addColumn<Handle>("source");
        QTest::addColumn<float>("y");
        QTest::addColumn<Geometry>("after");

        QTest::newRow("move down") << lineAt(2000) << Handle::Move << 300.f << lineAt(2300);
        // No grip offset and no cut here: the handle may reach below the viewport.
        QTest::newRow("move past the viewport") << lineAt(3800) << Handle::Move << 400.f << lineAt(4200);
        QTest::newRow("resize to the top") << lineAt(2000) << Handle::Resize << 0.f << lineAt(2000, 0);
        QTest::newRow("resize shorter") << lineAt(2000) << Handle::Resize << 100.f << lineAt(2000, 100);
        QTest::newRow("another control") << lineAt(2000) << Handle::Other << 100.f << lineAt(2000);
    }

    void dropOnMoveHandle()
    {
        QFETCH(Geometry, before);
        QFETCH(Handle, source);
        QFETCH(float, y);
        QFETCH(Geometry, after);

        const Geometry g = readingline::dropOnMoveHandle(before, source, y);
        QCOMPARE(g, after);
        QVERIFY(readingline::invariantsHold(g));
    }

    void resizeDropOnTheHandleTopLeavesTheResizeHandleAlone()
    {
        const Geometry g = readingline::dropOnMoveHandle(lineAt(2000), Handle::Resize, 0);
        QCOMPARE(g.moveHeight, 0.f);
        QCOMPARE(g.lineHeight, 45.f);
        QCOMPARE(g.resizeTop, 2000.f);
    }

    // One-twip accuracy far from the origin: the sums are single precision, as the controls hold them.
    void fractionalTwipsStayExact()
    {
        const Geometry g = readingline::dropOnWindow(lineAt(0), Handle::Move, 1234.5f, 98765.25f);
        QCOMPARE(g.moveTop, 1034.5f);
        QCOMPARE(g.lineTop, 984.5f);
        QCOMPARE(g.resizeTop, 1449.5f);
    }

    void invariantsCatchABrokenLine_data()
    {
        QTest::addColumn<Geometry>("g");
        QTest::addColumn<bool>("holds");
        QTest::newRow("whole") << lineAt(800) << true;
        QTest::newRow("resize handle apart") << Geometry{800, 415, 1300, 45, 750, 460} << false;
        QTest::newRow("line too low") << Geometry{800, 415, 1215, 45, 800, 460} << false;
        QTest::newRow("line too short") << Geometry{800, 415, 1215, 45, 750, 415} << false;
    }

    void invariantsCatchABrokenLine()
    {
        QFETCH(Geometry, g);
        QFETCH(bool, holds);
        QCOMPARE(readingline::invariantsHold(g), holds);
    }

    void handleNamed()
    {
        QCOMPARE(readingline::handleNamed(QStringLiteral("picMove")), Handle::Move);
        QCOMPARE(readingline::handleNamed(QStringLiteral("picResize")), Handle::Resize);
        QCOMPARE(readingline::handleNamed(QStringLiteral("picmove")), Handle::Other);
        QCOMPARE(readingline::handleNamed(QStringLiteral("picLine")), Handle::Other);
    }

    void pointers_data()
    {
        QTest::addColumn<Handle>("source");
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("over"); // -1: the pointer stays as it was
        QTest::addColumn<int>("drop");

        QTest::newRow("move over window") << Handle::Move << Target::Window << int(Qt::SizeAllCursor) << -1;
        QTest::newRow("move over itself")
            << Handle::Move << Target::MoveHandle << int(Qt::SizeAllCursor) << -1;
        QTest::newRow("move over viewport")
            << Handle::Move << Target::Viewport << int(Qt::ForbiddenCursor) << int(Qt::SizeAllCursor);
        QTest::newRow("resize over window")
            << Handle::Resize << Target::Window << int(Qt::SizeVerCursor) << -1;
        QTest::newRow("resize over move handle")
            << Handle::Resize << Target::MoveHandle << int(Qt::SizeVerCursor) << -1;
        QTest::newRow("resize over viewport")
            << Handle::Resize << Target::Viewport << int(Qt::ForbiddenCursor) << int(Qt::SizeVerCursor);
        QTest::newRow("other over window") << Handle::Other << Target::Window << -1 << -1;
    }

    void pointers()
    {
        QFETCH(Handle, source);
        QFETCH(Target, target);
        QFETCH(int, over);
        QFETCH(int, drop);

        const auto o = readingline::pointerOver(source, target);
        const auto d = readingline::pointerOnDrop(source, target);
        QCOMPARE(o ? int(*o) : -1, over);
        QCOMPARE(d ? int(*d) : -1, drop);
    }
};

QTEST_GUILESS_MAIN(tst_ReadingLine)
#include "tst_readingline.moc"
