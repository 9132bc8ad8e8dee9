// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/ScreenIdentity.h"

#include <QTest>

using studio::ScreenIdentity;

namespace {

using Screens = QList<ScreenIdentity>;

const ScreenIdentity kDesk{QStringLiteral("DP-1"), QStringLiteral("Dell Inc."), QStringLiteral("DELL U2415"),
                           QStringLiteral("7MT0186P0ECL"), QRect(0, 0, 1920, 1200)};
const ScreenIdentity kHood{QStringLiteral("HDMI-1"), QStringLiteral("Lilliput"), QStringLiteral("PVM-150"),
                           QStringLiteral("L0042"), QRect(1920, 0, 1280, 720)};

ScreenIdentity at(ScreenIdentity id, const QString &name, QRect geometry = {})
{
    id.name = name;
    if (geometry.isValid())
        id.geometry = geometry;
    return id;
}

ScreenIdentity bare(const QString &name, QRect geometry)
{
    return {name, {}, {}, {}, geometry};
}

} // namespace

Q_DECLARE_METATYPE(ScreenIdentity)

class tst_ScreenIdentity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyReadsBack_data()
    {
        QTest::addColumn<ScreenIdentity>("id");
        QTest::newRow("monitor") << kHood;
        QTest::newRow("no monitor texts") << bare(QStringLiteral("XWAYLAND1"), QRect(1920, 0, 1280, 720));
        QTest::newRow("negative place") << bare(QStringLiteral("VGA-1"), QRect(-1024, -200, 1024, 768));
    }

    void keyReadsBack()
    {
        QFETCH(ScreenIdentity, id);
        const std::optional<ScreenIdentity> back = ScreenIdentity::fromKey(id.key());
        QVERIFY(back);
        QVERIFY(*back == id);
    }

    void separatorInAMonitorsTextStillMatches()
    {
        ScreenIdentity odd = kHood;
        odd.model = QStringLiteral("PVM|150");
        QCOMPARE(studio::matchScreen(odd.key(), {kDesk, odd}), 1);
    }

    void storedValueFindsTheScreen_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<int>("expected");

        const QString hood = kHood.key();
        QTest::newRow("same monitor, same connector") << hood << Screens{kDesk, kHood} << 1;
        QTest::newRow("same monitor, other connector and place")
            << hood << Screens{at(kHood, QStringLiteral("DP-2"), QRect(0, 0, 1280, 720)), kDesk} << 0;
        QTest::newRow("monitor gone, another at its connector")
            << hood << Screens{kDesk, at(kDesk, QStringLiteral("HDMI-1"))} << 1;
        QTest::newRow("monitor gone, nothing like it")
            << hood << Screens{kDesk, at(kDesk, QStringLiteral("DP-2"), QRect(0, 1200, 800, 600))} << -1;
        // An X11 client on a Wayland desktop: the server's own names and no monitor texts; the place holds.
        QTest::newRow("Xwayland") << hood
                                  << Screens{bare(QStringLiteral("XWAYLAND0"), QRect(0, 0, 1920, 1200)),
                                             bare(QStringLiteral("XWAYLAND1"), QRect(1920, 0, 1280, 720))}
                                  << 1;
        // Two monitors of one make without serials (a compositor's headless outputs): the connector.
        const ScreenIdentity headless{QStringLiteral("HEADLESS-1"),
                                      QStringLiteral("headless"),
                                      QStringLiteral("headless"),
                                      {},
                                      QRect(0, 0, 1920, 1080)};
        const ScreenIdentity headless2 =
            at(headless, QStringLiteral("HEADLESS-2"), QRect(1920, 0, 1280, 720));
        QTest::newRow("identical monitors, by connector")
            << headless2.key() << Screens{headless, headless2} << 1;
        QTest::newRow("identical monitors, connectors renamed, by place")
            << headless2.key()
            << Screens{at(headless2, QStringLiteral("B")), at(headless, QStringLiteral("A"))} << 0;
        // Screens alike in all that is kept but their order (Xvfb's screens).
        const ScreenIdentity xvfb{QStringLiteral("screen"), {}, {}, {}, QRect(0, 0, 1024, 768), 3};
        QTest::newRow("alike but for their order")
            << xvfb.key() << Screens{bare(QStringLiteral("screen"), QRect(0, 0, 1280, 720)), xvfb, xvfb} << 2;
        QTest::newRow("by number only among the alike")
            << xvfb.key() << Screens{xvfb, xvfb, bare(QStringLiteral("other"), QRect(0, 0, 800, 600))} << -1;
        QTest::newRow("identical monitors, nothing to tell them apart")
            << at(headless, QStringLiteral("X"), QRect(5, 5, 5, 5)).key() << Screens{headless2, headless}
            << 0;

        // Values kept by earlier versions: a name, or a number where the name was shared.
        QTest::newRow("old name") << QStringLiteral("HDMI-1") << Screens{kDesk, kHood} << 1;
        QTest::newRow("old name, gone")
            << QStringLiteral("HEADLESS-2")
            << Screens{bare(QStringLiteral("XWAYLAND0"), {}), bare(QStringLiteral("XWAYLAND1"), {})} << -1;
        QTest::newRow("old number") << QStringLiteral("2") << Screens{kDesk, kHood} << 1;
        QTest::newRow("old number, too high") << QStringLiteral("3") << Screens{kDesk, kHood} << -1;
        QTest::newRow("shared name is no match")
            << QStringLiteral("VGA")
            << Screens{bare(QStringLiteral("VGA"), {}), bare(QStringLiteral("VGA"), {})} << -1;
        QTest::newRow("empty: no talent screen") << QString() << Screens{kDesk, kHood} << -1;
    }

    void storedValueFindsTheScreen()
    {
        QFETCH(QString, stored);
        QFETCH(Screens, screens);
        QFETCH(int, expected);
        QCOMPARE(studio::matchScreen(stored, screens), qsizetype(expected));
    }
};

QTEST_APPLESS_MAIN(tst_ScreenIdentity)
#include "tst_screenidentity.moc"
