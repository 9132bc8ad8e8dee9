// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The device against a real newsroom system: a maintained MOS library acting as the NCS, run with
// nodejs (tests/mos/ncs/ncs.js), which sends a running order, changes it, and takes what the device
// tells it.
#include "PrompterWindow.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "mos/MosControl.h"
#include "mos/MosDevice.h"
#include "mos/MosShow.h"
#include "mos/RundownFeed.h"
#include "mos/gui/dlgMos.h"
#include "remote/RemoteCommand.h"
#include "remote/gui/RemoteControl.h"
#include "scroll/ScrollClock.h"
#include "settings/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QTreeWidget>

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

QString titles(const ShowRun &show)
{
    QStringList t;
    for (const show::Story &s : show.stories())
        t << s.shownTitle();
    return t.join(QLatin1String(" | "));
}

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
    void theRunningOrderIsTheShowWhileItRuns();
    void theLinkIsSeenAndDrivenFromOutside();
    void aWholeReplaceKeepsTheStoryOnAir();

private:
    void startNewsroom(MosDevice &device);
    void startNewsroom(const QString &mosID, quint16 lower, quint16 upper, quint16 ncsLower,
                       quint16 ncsUpper);
};

void TestMosNcs::startNewsroom(MosDevice &device)
{
    const QString node = qEnvironmentVariable("CUESCROLL_NODE");
    const QString script = qEnvironmentVariable("CUESCROLL_MOS_NCS");
    if (node.isEmpty() || !QFileInfo(node).isExecutable())
        QFAIL("nodejs is needed: scripts/install-deps installs it");

    MosDevice::Options options;
    options.address = QHostAddress::LocalHost;
    options.lowerPort = 0;
    options.upperPort = 0;
    options.ncsLowerPort = freePort();
    options.ncsUpperPort = freePort();
    QVERIFY(device.start(options));
    startNewsroom(options.identity.mosID, device.lowerPort(), device.upperPort(), options.ncsLowerPort,
                  options.ncsUpperPort);
}

void TestMosNcs::startNewsroom(const QString &mosID, quint16 lower, quint16 upper, quint16 ncsLower,
                               quint16 ncsUpper)
{
    const QString node = qEnvironmentVariable("CUESCROLL_NODE");
    const QString script = qEnvironmentVariable("CUESCROLL_MOS_NCS");
    m_out.clear();
    m_ncs.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_ncs.start(node, {script, mosID, QString::number(lower), QString::number(upper),
                       QString::number(ncsLower), QString::number(ncsUpper), QString::number(freePort())});
    QVERIFY2(m_ncs.waitForStarted(10000), qPrintable(m_ncs.errorString()));
    QCOMPARE(line("ready"), QStringLiteral("yes"));
}

void TestMosNcs::aRunningOrderIsFollowedLive()
{
    FakePlatform platform;
    RunningOrders orders;
    MosDevice device(orders, [&] { return platform.now; });
    Sink sink;
    RundownFeed feed(orders, sink);
    startNewsroom(device);
    if (QTest::currentTestFailed())
        return;
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

void TestMosNcs::theRunningOrderIsTheShowWhileItRuns()
{
    std::unique_ptr<IsolatedSettings> settings;
    FakePlatform platform;
    FakeDialogs dialogs;
    QTemporaryDir site;
    startFresh(settings, platform, dialogs, site);
    const std::unique_ptr<frmMain> w = showPrompter(platform, dialogs, {});
    PrompterCore &core = w->core();
    ShowRun &show = w->showRun();
    RunningOrders orders;
    MosDevice device(orders, [&] { return platform.now; });
    MosShow shown(orders, device, show);
    startNewsroom(device);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(step("create"), QStringLiteral("OK,OK,OK,OK"));
    shown.show(QStringLiteral("RO1"));
    QVERIFY(show.fed());
    QCOMPARE(titles(show), QStringLiteral("Opening | Weather | Sport"));
    QCOMPARE(show.stories().at(0).text, QStringLiteral("Good evening.\n[[Camera two]]\nOur top story."));
    const QJsonArray rundown =
        QJsonDocument::fromJson(w->remote().stateJson()).object().value(QStringLiteral("rundown")).toArray();
    QCOMPARE(rundown.size(), 3);
    QCOMPARE(rundown.at(1)[QStringLiteral("title")].toString(), QStringLiteral("Weather"));
    // Three short stories, all in the picture: the first is on air, and the newsroom hears so.
    QCOMPARE(show.current(), 0);
    QCOMPARE(line("onair"), QStringLiteral("RO1 ") + show.stories().at(show.current()).newsroomId);

    QCOMPARE(step("long"), QStringLiteral("OK"));
    QCOMPARE(show.stories().at(1).words, 400);
    QCOMPARE(core.command({run::Verb::Story, 2}).refused(), false);
    QCOMPARE(line("onair"), QStringLiteral("RO1 S2"));

    // Read well into it, running on the program's clock, the line partly through a display line.
    core.command({run::Verb::JumpChar, int(core.plainText().indexOf(QLatin1String("Weather line 20 ")))});
    core.command({run::Verb::Start});
    for (int i = 0; i < 20; ++i) {
        platform.now += 20;
        core.clock().timTick_Timer();
    }
    const PrompterCore::ReadingPlace place = core.readingPlace();
    const QString reading = core.plainText().mid(place.character, 40);
    QCOMPARE(show.storyAt(place.character), 1);
    QVERIFY(place.character > int(core.plainText().indexOf(QLatin1String("Weather line 20 "))));
    const auto stays = [&] {
        QVERIFY(core.running());
        QCOMPARE(show.current(), 1);
        const PrompterCore::ReadingPlace now = core.readingPlace();
        QCOMPARE(core.plainText().mid(now.character, 40), reading);
        QVERIFY(qAbs(now.through - place.through) < 0.01);
    };

    QCOMPARE(step("insert"), QStringLiteral("OK,OK"));
    QCOMPARE(titles(show), QStringLiteral("Opening | Weather | Traffic | Sport"));
    QCOMPARE(show.stories().at(2).text, QStringLiteral("Roads are clear."));
    stays();

    QCOMPARE(step("update"), QStringLiteral("OK,OK"));
    QCOMPARE(titles(show), QStringLiteral("Opening | Weather update | Traffic | Sport"));
    QVERIFY(show.stories().at(1).text.startsWith(QLatin1String("Storm warning first.\nWeather line 1 ")));
    stays();

    QCOMPARE(step("delete"), QStringLiteral("OK"));
    QCOMPARE(titles(show), QStringLiteral("Opening | Weather update | Sport"));
    stays();

    // Taken out while read: it stays, marked, until the next story is on air.
    QCOMPARE(step("deleteweather"), QStringLiteral("OK"));
    QCOMPARE(titles(show), QStringLiteral("Opening | Weather update | Sport"));
    QVERIFY(show.stories().at(1).deleted);
    stays();
    const QJsonArray marked =
        QJsonDocument::fromJson(w->remote().stateJson()).object().value(QStringLiteral("rundown")).toArray();
    QCOMPARE(marked.at(1)[QStringLiteral("deleted")].toBool(), true);
    QCOMPARE(core.command({run::Verb::NextStory}).refused(), false);
    QCOMPARE(line("onair"), QStringLiteral("RO1 S3"));
    QTRY_COMPARE(titles(show), QStringLiteral("Opening | Sport"));
    QCOMPARE(show.current(), 1);
    QCOMPARE(core.charAtLine(), show.storyStart(1));
    QVERIFY(core.running());

    m_ncs.write("quit\n");
    QVERIFY(m_ncs.waitForFinished(10000));
}

// The operator's remote sees the newsroom and picks the running order shown; the choice outlives
// the program.
void TestMosNcs::theLinkIsSeenAndDrivenFromOutside()
{
    if (!QFileInfo(qEnvironmentVariable("CUESCROLL_NODE")).isExecutable())
        QFAIL("nodejs is needed: scripts/install-deps installs it");
    std::unique_ptr<IsolatedSettings> settings;
    FakePlatform platform;
    FakeDialogs dialogs;
    QTemporaryDir site;
    startFresh(settings, platform, dialogs, site);
    platform.now = 5000;
    // Two ports side by side for the device, two for the newsroom, the same for the second run.
    quint16 lower = 0;
    for (int tries = 0; tries < 50 && !lower; ++tries) {
        QTcpServer a, b;
        if (a.listen(QHostAddress::LocalHost, 0) && b.listen(QHostAddress::LocalHost, a.serverPort() + 1))
            lower = a.serverPort();
    }
    const quint16 ncsLower = freePort(), ncsUpper = freePort();
    QNetworkAccessManager net;
    const auto run = [&](frmMain &w) {
        w.mos().setListenAddress(QHostAddress::LocalHost);
        w.mos().setNewsroomPorts(ncsLower, ncsUpper);
        QVERIFY(w.mos().startForRun(lower));
        w.remote().setAddress(QHostAddress::LocalHost);
        QVERIFY(w.remote().startForRun(quint16(0), false));
        startNewsroom(QStringLiteral("cuescroll.prompter.mos"), lower, lower + 1, ncsLower, ncsUpper);
    };
    const auto mosState = [](frmMain &w) {
        return QJsonDocument::fromJson(w.remote().stateJson())[QStringLiteral("mos")].toObject();
    };
    const auto pick = [&](frmMain &w, const QByteArray &body) {
        QNetworkRequest request(
            QUrl(QStringLiteral("http://127.0.0.1:%1/api/v1/mos/runningorder").arg(w.remote().port())));
        request.setRawHeader("Authorization", "Bearer " + w.remote().token().toUtf8());
        std::unique_ptr<QNetworkReply> reply(net.post(request, body));
        (void)QTest::qWaitFor([&] { return reply->isFinished(); }, 10000);
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    };
    {
        const std::unique_ptr<frmMain> w = showPrompter(platform, dialogs, {});
        run(*w);
        if (QTest::currentTestFailed())
            return;
        // Asked as soon as it connects, the newsroom tells the order made before the prompter started.
        QCOMPARE(line("reqall"), QString());
        const auto known = [&] { return mosState(*w)[QStringLiteral("runningOrders")][0]; };
        QTRY_VERIFY_WITH_TIMEOUT(known()[QStringLiteral("stories")].toInt() == 3, 20000);
        QCOMPARE(known()[QStringLiteral("slug")].toString(), QStringLiteral("Evening news"));
        QVERIFY(mosState(*w)[QStringLiteral("runningOrder")].isNull());
        const auto newsroom = [&] {
            for (const QJsonValue &c : mosState(*w)[QStringLiteral("connections")].toArray())
                if (c[QStringLiteral("ncsID")] == QStringLiteral("test.ncs") &&
                    c[QStringLiteral("lastHeartbeat")].isDouble())
                    return c.toObject();
            return QJsonObject();
        };
        QTRY_VERIFY_WITH_TIMEOUT(!newsroom().isEmpty(), 20000);
        QCOMPARE(newsroom()[QStringLiteral("address")].toString(), QStringLiteral("127.0.0.1"));
        QVERIFY(!newsroom()[QStringLiteral("lastMessageType")].toString().isEmpty());
        {
            Settings settings; // the window shows the same
            mos::dlgMos window(settings, w->mos(), {});
            window.show();
            QVERIFY(
                !window.lstConnections->findItems(QStringLiteral("test.ncs"), Qt::MatchExactly).isEmpty());
            if (!qEnvironmentVariableIsEmpty("CUESCROLL_SCREENSHOTS"))
                window.grab().save(qEnvironmentVariable("CUESCROLL_SCREENSHOTS") +
                                   QStringLiteral("/dlgMos-connected.png"));
        }
        QCOMPARE(pick(*w, R"({"id":"RO9"})"), 404);
        QCOMPARE(pick(*w, R"({"id":7})"), 400);
        QCOMPARE(pick(*w, R"({"id":"RO1"})"), 204);
        QCOMPARE(titles(w->showRun()), QStringLiteral("Opening | Weather | Sport"));
        QCOMPARE(mosState(*w)[QStringLiteral("runningOrder")].toString(), QStringLiteral("RO1"));
        QCOMPARE(pick(*w, R"({"id":null})"), 204);
        QVERIFY(mosState(*w)[QStringLiteral("runningOrder")].isNull());
        // The WebSocket's command takes the same path.
        QVERIFY(!w->remote()
                     .apply(*remote::fromMessage(R"({"cmd":"runningorder","id":"RO1"})").command)
                     .refused());
        m_ncs.write("quit\n");
        QVERIFY(m_ncs.waitForFinished(10000));
    }
    // Started again, it shows the order kept once the newsroom sends it.
    const std::unique_ptr<frmMain> w = showPrompter(platform, dialogs, {});
    QVERIFY(w->mos().shownOrder().isEmpty());
    run(*w);
    QTRY_COMPARE_WITH_TIMEOUT(titles(w->showRun()), QStringLiteral("Opening | Weather | Sport"), 20000);
    QCOMPARE(mosState(*w)[QStringLiteral("runningOrder")].toString(), QStringLiteral("RO1"));
    m_ncs.write("quit\n");
    QVERIFY(m_ncs.waitForFinished(10000));
}

// Replaced whole with a story added on top while story 10 of 20 is read: the same story stays on air,
// on the same words, and the newsroom hears of no other.
void TestMosNcs::aWholeReplaceKeepsTheStoryOnAir()
{
    std::unique_ptr<IsolatedSettings> settings;
    FakePlatform platform;
    FakeDialogs dialogs;
    QTemporaryDir site;
    startFresh(settings, platform, dialogs, site);
    const std::unique_ptr<frmMain> w = showPrompter(platform, dialogs, {});
    PrompterCore &core = w->core();
    ShowRun &show = w->showRun();
    RunningOrders orders;
    MosDevice device(orders, [&] { return platform.now; });
    MosShow shown(orders, device, show);
    startNewsroom(device);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(step("late"), QStringLiteral("OK"));
    shown.show(QStringLiteral("RO2"));
    QCOMPARE(show.stories().size(), 20);
    // At the top the first story is on air, whatever stands on the reading line.
    QCOMPARE(line("onair"), QStringLiteral("RO2 M1"));
    QCOMPARE(core.command({run::Verb::Story, 10}).refused(), false);
    QCOMPARE(line("onair"), QStringLiteral("RO2 M10"));
    core.command({run::Verb::Start});
    for (int i = 0; i < 40; ++i) {
        platform.now += 20;
        core.clock().timTick_Timer();
    }
    show.timShow_Timer();
    QCOMPARE(show.stories().at(show.current()).newsroomId, QStringLiteral("M10"));
    const QString reading = core.plainText().mid(int(show.reached()), 12);
    QVERIFY(core.plainText().lastIndexOf(QLatin1String("M10 line"), int(show.reached())) >
            show.storyStart(9) - 1);

    QCOMPARE(step("replacelate"), QStringLiteral("OK,OK"));
    QTRY_COMPARE(show.stories().size(), 21);
    QCOMPARE(show.stories().at(0).newsroomId, QStringLiteral("M0"));
    QCOMPARE(show.stories().at(show.current()).newsroomId, QStringLiteral("M10"));
    QVERIFY(core.plainText().mid(int(show.reached()) - 6, 24).contains(reading));
    QVERIFY(core.running());
    // Told nothing new: the story on air did not change.
    QCOMPARE(step("machine"), QStringLiteral("Cuescroll"));
    QVERIFY2(!m_out.contains("onair"), m_out.constData());

    m_ncs.write("quit\n");
    QVERIFY(m_ncs.waitForFinished(10000));
}

QTEST_MAIN(TestMosNcs)
#include "tst_mosncs.moc"
