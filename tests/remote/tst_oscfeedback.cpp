// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "core/PrompterCore.h"
#include "core/TalentMessage.h"
#include "remote/OscFeedback.h"
#include "remote/gui/RemoteControl.h"
#include "settings/Settings.h"

#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include <lo/lo_lowlevel.h>
#include <memory>
#include <numeric>

using remote::Verb;

namespace {

// An OSC message as the desk reads it: its address and its one argument as text.
QPair<QString, QString> read(QByteArray packet)
{
    const char *path = lo_get_path(packet.data(), packet.size());
    int result = 0;
    lo_message m = lo_message_deserialise(packet.data(), size_t(packet.size()), &result);
    if (!path || !m)
        return {};
    const char type = lo_message_get_types(m)[0];
    const lo_arg *a = lo_message_get_argv(m)[0];
    const QString value = type == LO_INT32   ? QString::number(a->i)
                          : type == LO_FLOAT ? QString::number(a->f)
                                             : QString::fromUtf8(&a->s);
    lo_message_free(m);
    return {QString::fromLatin1(path), value};
}

// Everything the desk has been sent so far; loopback datagrams are there when the send returns.
QMap<QString, QString> heard(QUdpSocket &desk, int *count = nullptr)
{
    QCoreApplication::processEvents();
    QMap<QString, QString> out;
    int n = 0;
    while (desk.hasPendingDatagrams()) {
        const auto [path, value] = read(desk.receiveDatagram().data());
        out.insert(path, value);
        ++n;
    }
    if (count)
        *count = n;
    return out;
}

const QString kPrefix = QStringLiteral("/cuescroll/state/");

} // namespace

class tst_OscFeedback : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_siteDir;
    QUdpSocket m_desk;

    std::unique_ptr<frmMain> prompter()
    {
        Settings().setOscFeedback(QStringLiteral("127.0.0.1:%1").arg(m_desk.localPort()));
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(300));
        w->core().takeScript(scriptOfLines(300));
        return w;
    }

private Q_SLOTS:
    void init()
    {
        startFresh(m_settings, m_platform, m_dialogs, m_siteDir);
        m_desk.close();
        QVERIFY(m_desk.bind(QHostAddress::LocalHost, 0));
    }

    // The desk hears the whole state first, then what changes, as the run changes it.
    void changesArePushed()
    {
        auto w = prompter();
        w->remote().oscFeedback().pushNow();
        const QMap<QString, QString> first = heard(m_desk);
        QCOMPARE(first.size(), 8);
        QCOMPARE(first.value(kPrefix + "running"), "0");
        QCOMPARE(first.value(kPrefix + "direction"), "up");
        QCOMPARE(first.value(kPrefix + "story"), "1");
        // The true time, not the label's placeholder before the script was laid out.
        QCOMPARE(first.value(kPrefix + "timetogo"), w->core().timeToGo());
        QVERIFY(first.value(kPrefix + "timetogo") != QLatin1String("00:00"));

        QVERIFY(!w->remote().apply({Verb::Speed, 12, 0}).refused());
        QVERIFY(!w->remote().apply({Verb::Down}).refused());
        QVERIFY(!w->remote().apply({Verb::Start}).refused());
        const QMap<QString, QString> next = heard(m_desk);
        QCOMPARE(next.value(kPrefix + "speed"), "12");
        QCOMPARE(next.value(kPrefix + "direction"), "down");
        QCOMPARE(next.value(kPrefix + "running"), "1");
        QVERIFY(!next.contains(kPrefix + "story")); // unchanged, not sent again
    }

    // The desk's "message shown" lamp follows the message at once, whoever sets or clears it and when
    // it runs out: no later than the next turn of the event loop, the injected clock not moved on.
    void messageChangesReachTheDesk_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cleared") << "clear";
        QTest::newRow("expired") << "expire";
        QTest::newRow("replaced") << "replace";
    }
    void messageChangesReachTheDesk()
    {
        QFETCH(QString, how);
        auto w = prompter();
        w->remote().oscFeedback().pushNow();
        heard(m_desk);
        QVERIFY(!w->remote().apply({Verb::Message, 5, 0, 0, QStringLiteral("Wrap up")}).refused());
        QCOMPARE(heard(m_desk), (QMap<QString, QString>{{kPrefix + "message", "Wrap up"}}));
        QString after;
        if (how == QLatin1String("clear")) {
            QVERIFY(!w->remote().apply({Verb::ClearMessage}).refused());
        } else if (how == QLatin1String("expire")) {
            m_platform.now += 5000;
            w->core().message().messageTimeout();
        } else {
            QVERIFY(!w->remote().apply({Verb::Message, 0, 0, 0, QStringLiteral("Go to VT")}).refused());
            after = QStringLiteral("Go to VT");
        }
        QCOMPARE(heard(m_desk).value(kPrefix + "message", QStringLiteral("(nothing)")), after);
    }

    // Progress while running goes out at most ten times a second, the latest when it does.
    void movingValuesWaitTheirTurn()
    {
        auto w = prompter();
        w->remote().oscFeedback().pushNow();
        heard(m_desk);
        m_platform.now += 10;
        w->core().command({run::Verb::GoTo, 0, 0.3});
        QVERIFY(!heard(m_desk).contains(kPrefix + "progress"));
        m_platform.now += 20;
        w->core().command({run::Verb::GoTo, 0, 0.6});
        QVERIFY(heard(m_desk).isEmpty());
        m_platform.now += remote::OscFeedback::kGapMs;
        w->remote().oscFeedback().pushNow();
        const double progress = heard(m_desk).value(kPrefix + "progress").toDouble();
        QCOMPARE(progress, w->core().progress() / 100.0);
        QVERIFY(progress > 0.5);
    }

    // A desk that asks hears the whole state, and asking harder gets no more answers than allowed.
    void askedStateIsAnsweredWithinBounds()
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(50));
        remote::RemoteControl &r = w->remote();
        r.setAddress(QHostAddress::LocalHost);
        QVERIFY2(r.startForRun(quint16(0), true), qPrintable(r.error()));
        QUdpSocket asker;
        QVERIFY(asker.bind(QHostAddress::LocalHost, 0));
        char query[64];
        size_t size = sizeof query;
        lo_message m = lo_message_new();
        lo_message_serialise(m, "/cuescroll/state", query, &size);
        lo_message_free(m);

        const int asked = remote::OscFeedback::kAnswersPerSecond + 5;
        const auto count = [](QUdpSocket &from) {
            int n = 0;
            heard(from, &n);
            return n;
        };
        // Many asking at once: no more answers in all than allowed.
        std::vector<std::unique_ptr<QUdpSocket>> crowd;
        for (int i = 0; i < asked; ++i) {
            crowd.push_back(std::make_unique<QUdpSocket>());
            QVERIFY(crowd.back()->bind(QHostAddress(QStringLiteral("127.0.0.%1").arg(10 + i)), 0));
            crowd.back()->writeDatagram(query, qint64(size), QHostAddress::LocalHost, r.port());
        }
        int packets = 0;
        QTRY_VERIFY((packets += std::accumulate(crowd.begin(), crowd.end(), 0, [&](int n, auto &c) {
                         return n + count(*c);
                     })) >= 8 * remote::OscFeedback::kAnswersPerSecond);
        QCOMPARE(packets, 8 * remote::OscFeedback::kAnswersPerSecond);
        // One asking hard: one answer a second, whatever the address it gives as its own.
        m_platform.now += 1000;
        for (int i = 0; i < asked; ++i)
            asker.writeDatagram(query, qint64(size), QHostAddress::LocalHost, r.port());
        packets = 0;
        QTRY_VERIFY((packets += count(asker)) >= 8);
        QCOMPARE(packets, 8);
        QCOMPARE(count(asker), 0);
        m_platform.now += 1000; // a new second: answers again
        asker.writeDatagram(query, qint64(size), QHostAddress::LocalHost, r.port());
        QTRY_VERIFY(asker.hasPendingDatagrams()); // the answer's messages are sent together
        QCOMPARE(heard(asker).value(kPrefix + "speed"), QString::number(w->core().speed()));
    }
};

QTEST_MAIN(tst_OscFeedback)
#include "tst_oscfeedback.moc"
