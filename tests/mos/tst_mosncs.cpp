// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The device against a real newsroom system: a maintained MOS library acting as the NCS, run with
// nodejs (tests/mos/ncs/ncs.js), which sends a running order, changes it, and takes what the device
// tells it.
#include "FakePlatform.h"
#include "mos/MosDevice.h"
#include "mos/RundownFeed.h"

#include <QProcess>
#include <QTcpServer>
#include <QTest>

using namespace mos;

namespace {

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

struct Sink : RundownSink
{
    QList<StoryText> shown;
    int lists = 0;
    void replaceStories(const QList<StoryText> &stories) override
    {
        shown = stories;
        ++lists;
    }
    void replaceStoryText(int index, const QString &text) override { shown[index].text = text; }
    QString titles() const
    {
        QStringList t;
        for (const StoryText &s : shown)
            t << s.title;
        return t.join(QLatin1String(" | "));
    }
};

} // namespace

class TestMosNcs : public QObject
{
    Q_OBJECT

    QProcess m_ncs;
    QByteArray m_out;

    // The newsroom's line for a step, once it is done.
    QString step(const QByteArray &name)
    {
        m_ncs.write(name + '\n');
        return line(name);
    }
    QString line(const QByteArray &start)
    {
        QString found;
        (void)QTest::qWaitFor(
            [&] {
                m_out += m_ncs.readAllStandardOutput();
                for (const QByteArray &l : m_out.split('\n'))
                    if (l.startsWith(QByteArray(start + ' ')) || l == start) {
                        found = QString::fromUtf8(l.mid(start.size())).trimmed();
                        if (found.isNull())
                            found = QLatin1String("");
                        m_out.remove(m_out.indexOf(l), l.size() + 1);
                        return true;
                    }
                return m_ncs.state() == QProcess::NotRunning;
            },
            20000);
        if (found.isNull())
            qWarning() << "the newsroom did not say" << start << "but:" << m_out;
        return found;
    }

private Q_SLOTS:
    void cleanup()
    {
        if (m_ncs.state() != QProcess::NotRunning) {
            m_ncs.kill();
            m_ncs.waitForFinished(5000);
        }
    }
    void aRunningOrderIsFollowedLive();
};

void TestMosNcs::aRunningOrderIsFollowedLive()
{
    const QString node = qEnvironmentVariable("CUESCROLL_NODE");
    const QString script = qEnvironmentVariable("CUESCROLL_MOS_NCS");
    if (node.isEmpty() || !QFileInfo(node).isExecutable())
        QFAIL("nodejs is needed: scripts/install-deps installs it");

    FakePlatform platform;
    RunningOrders orders;
    MosDevice device(orders, [&] { return platform.now; });
    Sink sink;
    RundownFeed feed(orders, sink);
    MosDevice::Options options;
    options.address = QHostAddress::LocalHost;
    options.lowerPort = 0;
    options.upperPort = 0;
    options.ncsLowerPort = freePort();
    options.ncsUpperPort = freePort();
    QVERIFY(device.start(options));

    m_ncs.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_ncs.start(node, {script, options.identity.mosID, QString::number(device.lowerPort()),
                       QString::number(device.upperPort()), QString::number(options.ncsLowerPort),
                       QString::number(options.ncsUpperPort), QString::number(freePort())});
    QVERIFY2(m_ncs.waitForStarted(10000), qPrintable(m_ncs.errorString()));
    QCOMPARE(line("ready"), QStringLiteral("yes"));
    QCOMPARE(step("machine"), QStringLiteral("Cuescroll"));

    QCOMPARE(step("create"), QStringLiteral("OK,OK,OK,OK"));
    feed.show(QStringLiteral("RO1"));
    QCOMPARE(sink.titles(), QStringLiteral("Opening | Weather | Sport"));
    QCOMPARE(sink.shown[0].text, QStringLiteral("Good evening.\n[[Camera two]]\nOur top story."));
    QCOMPARE(sink.shown[2].text, QStringLiteral("The final tonight."));

    // The prompter reads the second story; the newsroom hears so.
    device.setOnAir(QStringLiteral("RO1"), feed.storyAt(1));
    QCOMPARE(line("onair"), QStringLiteral("RO1 S2"));

    QCOMPARE(step("insert"), QStringLiteral("OK,OK"));
    QCOMPARE(sink.titles(), QStringLiteral("Opening | Weather | Traffic | Sport"));
    QCOMPARE(sink.shown[2].text, QStringLiteral("Roads are clear."));

    const int lists = sink.lists;
    QCOMPARE(step("replace"), QStringLiteral("OK,OK"));
    QCOMPARE(sink.titles(), QStringLiteral("Opening | Weather update | Traffic | Sport"));
    QCOMPARE(sink.shown[1].text, QStringLiteral("Rain after all."));
    QCOMPARE(feed.storyAt(1), QStringLiteral("S2"));
    QVERIFY(sink.lists > lists);

    QCOMPARE(step("delete"), QStringLiteral("OK"));
    QCOMPARE(sink.titles(), QStringLiteral("Opening | Weather update | Sport"));
    QVERIFY(step("wrongstory") != QLatin1String("OK"));
    QCOMPARE(sink.titles(), QStringLiteral("Opening | Weather update | Sport"));

    // Gone from the newsroom, the order is asked for again and comes back whole.
    QCOMPARE(step("droporder"), QStringLiteral("OK"));
    QVERIFY(orders.orders().isEmpty());
    device.requestAll();
    QVERIFY(QTest::qWaitFor([&] { return orders.order(QStringLiteral("RO1")) != nullptr; }, 20000));
    QCOMPARE(orders.order(QStringLiteral("RO1"))->stories.size(), 3);

    m_ncs.write("quit\n");
    QVERIFY(m_ncs.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(TestMosNcs)
#include "tst_mosncs.moc"
