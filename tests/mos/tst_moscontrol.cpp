// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "mos/MosControl.h"
#include "settings/Settings.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace mos;

// The newsroom link as the settings have it, without its window.
class tst_MosControl : public QObject
{
    Q_OBJECT

    FakePlatform m_platform;

    // Two free ports in a row on this machine, the lower first.
    static std::optional<quint16> freePair()
    {
        for (int i = 0; i < 20; ++i) {
            QTcpServer lower;
            QTcpServer upper;
            if (lower.listen(QHostAddress::LocalHost, 0) && lower.serverPort() < 65535 &&
                upper.listen(QHostAddress::LocalHost, quint16(lower.serverPort() + 1)))
                return lower.serverPort();
        }
        return std::nullopt;
    }

private Q_SLOTS:
    // Off, nothing listens whatever the ports; on, it listens on both or says why not; the run's own
    // port listens even when the settings say off.
    void listensAsTheSettingsSay_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("upperTaken");
        QTest::addColumn<bool>("forTheRun");
        QTest::addColumn<bool>("listening");
        QTest::newRow("off") << false << false << false << false;
        QTest::newRow("on") << true << false << false << true;
        QTest::newRow("on, upper port in use") << true << true << false << false;
        QTest::newRow("off, but on for the run") << false << false << true << true;
    }
    void listensAsTheSettingsSay()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, upperTaken);
        QFETCH(bool, forTheRun);
        QFETCH(bool, listening);
        IsolatedSettings sandbox;
        Settings settings;
        const std::optional<quint16> lower = freePair();
        QVERIFY(lower);
        settings.setMosEnabled(enabled);
        settings.setMosLowerPort(*lower);
        settings.setMosUpperPort(quint16(*lower + 1));
        QTcpServer squatter;
        if (upperTaken)
            QVERIFY(squatter.listen(QHostAddress::LocalHost, quint16(*lower + 1)));

        MosControl control(settings, [this] { return m_platform.now; });
        control.setListenAddress(QHostAddress::LocalHost);
        QSignalSpy told(&control, &MosControl::statusChanged);
        if (forTheRun)
            QCOMPARE(control.startForRun(std::nullopt), listening);
        else
            control.applySettings();
        QCOMPARE(control.listening(), listening);
        QVERIFY(!told.isEmpty());
        if (listening) {
            QCOMPARE(control.device().lowerPort(), *lower);
            QVERIFY2(control.status().contains(QString::number(*lower + 1)), qPrintable(control.status()));
        } else if (upperTaken) {
            QVERIFY(!control.error().isEmpty());
            QCOMPARE(control.status(), control.error());
        } else {
            QVERIFY(control.status().startsWith(QLatin1String("Off")));
        }

        // Turned off, it stops and forgets why it could not start.
        settings.setMosEnabled(false);
        control.applySettings();
        QVERIFY(!control.listening());
        QVERIFY(control.error().isEmpty());
    }

    // The running order picked is kept in the settings; a later run takes it again once the newsroom
    // sends it with stories, not while it is listed empty.
    void thePickedOrderIsTakenAgain()
    {
        IsolatedSettings sandbox;
        Settings settings;
        {
            MosControl first(settings, [this] { return m_platform.now; });
            first.setShownOrder(QStringLiteral("RO7"));
        }
        QCOMPARE(settings.mosRunningOrder(), QStringLiteral("RO7"));

        MosControl control(settings, [this] { return m_platform.now; });
        QSignalSpy shown(&control, &MosControl::shownOrderChanged);
        QVERIFY(control.shownOrder().isEmpty());
        QVERIFY(control.orders().create({QStringLiteral("RO7"), QStringLiteral("Late news"), {}, {}, false}));
        QVERIFY(shown.isEmpty());
        QVERIFY(control.orders().create({QStringLiteral("RO8"),
                                         QStringLiteral("Sport"),
                                         {{QStringLiteral("S1"), QStringLiteral("Goals"), {}, false}},
                                         {},
                                         false}));
        QVERIFY(shown.isEmpty());
        QVERIFY(control.orders().create({QStringLiteral("RO7"),
                                         QStringLiteral("Late news"),
                                         {{QStringLiteral("S1"), QStringLiteral("Opening"), {}, false}},
                                         {},
                                         false}));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(control.shownOrder(), QStringLiteral("RO7"));

        control.dropShownOrder();
        QVERIFY(control.shownOrder().isEmpty());
        QVERIFY(settings.mosRunningOrder().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_MosControl)
#include "tst_moscontrol.moc"
