// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "mos/MosDevice.h"
#include "mos/RundownFeed.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace mos;

namespace {

QString message(const QString &body, const QString &mosID = QStringLiteral("cuescroll.prompter.mos"))
{
    return QStringLiteral("<mos><mosID>%1</mosID><ncsID>NCS</ncsID><messageID>7</messageID>%2</mos>")
        .arg(mosID, body);
}

QString story(const QString &id)
{
    return QStringLiteral("<story><storyID>%1</storyID><storySlug>%1 slug</storySlug></story>").arg(id);
}

// What the answer says: roStatus of an roAck, else the answer's kind.
QString said(const QByteArray &answer)
{
    FrameReader reader;
    const QStringList frames = reader.feed(answer);
    if (frames.size() != 1)
        return QStringLiteral("no answer");
    const std::optional<Node> m = parse(frames.first());
    if (!m)
        return QStringLiteral("unreadable");
    if (const Node *ack = m->child(u"roAck"))
        return ack->value(u"roStatus");
    return m->children.back().name;
}

// The stories of RO1 as "id" for each, "id*" when marked deleted.
QString storiesOf(const RunningOrders &orders)
{
    QStringList ids;
    if (const RunningOrder *o = orders.order(QStringLiteral("RO1")))
        for (const Story &s : o->stories)
            ids << s.id + (s.deleted ? QStringLiteral("*") : QString());
    return ids.join(QLatin1Char(' '));
}

// A connection to the device's lower port, reading everything it is sent.
struct Newsroom
{
    QTcpSocket socket;
    QByteArray got;
    bool open(quint16 port)
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(5000);
    }
    bool hears(const QString &what)
    {
        return QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                return got.contains(encode(what));
            },
            5000);
    }
    bool isCut()
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000);
    }
};

const QString kHeartbeat = message(QStringLiteral("<heartbeat><time>2026-12-09T12:00:00</time></heartbeat>"));

struct Sink : RundownSink
{
    QList<QList<StoryText>> lists;
    QList<QPair<int, QString>> texts;
    void replaceStories(const QList<StoryText> &stories) override { lists << stories; }
    void replaceStoryText(int index, const QString &text) override { texts << qMakePair(index, text); }
};

} // namespace

class TestMos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framesAreCutWhereverTheBytesBreak_data();
    void framesAreCutWhereverTheBytesBreak();
    void anUnfinishedFrameIsDroppedAtTheLimit();
    void hostileXmlIsRefused_data();
    void hostileXmlIsRefused();
    void storyBodiesBecomeParagraphs_data();
    void storyBodiesBecomeParagraphs();
    void runningOrdersFollowEveryAction_data();
    void runningOrdersFollowEveryAction();
    void theRundownFollowsWithoutMovingTheStoryOnAir();
    void theDeviceAnswersOnItsPortsAndTellsTheNewsroom();
    void aConnectionOutOfStepReadsOnAtTheNextMessage_data();
    void aConnectionOutOfStepReadsOnAtTheNextMessage();
    void aNewsroomThatNeverReadsIsCut();
    void slowConnectionsGiveWayToTheNewsroom();

private:
    FakePlatform m_platform;
    RunningOrders m_orders;
    std::unique_ptr<MosDevice> m_device;
    void startDevice();
};

void TestMos::framesAreCutWhereverTheBytesBreak_data()
{
    QTest::addColumn<int>("chunk");
    QTest::newRow("byte by byte") << 1;
    QTest::newRow("odd chunks") << 3;
    QTest::newRow("a few characters") << 14;
    QTest::newRow("all at once") << 100000;
}

void TestMos::framesAreCutWhereverTheBytesBreak()
{
    QFETCH(int, chunk);
    const QString first = message(QStringLiteral("<heartbeat/>"));
    const QString second = message(QStringLiteral("<roDelete><roID>Å 😀 &lt;mos&gt;</roID></roDelete>"));
    // Noise before a message and a byte order mark are no part of it.
    const QByteArray bytes =
        encode(QStringLiteral("noise <mo") + QChar(0xFEFF) + first + QStringLiteral(" \r\n") + second);
    FrameReader reader;
    QStringList got;
    for (qsizetype i = 0; i < bytes.size(); i += chunk)
        got << reader.feed(QByteArrayView(bytes).sliced(i, std::min<qsizetype>(chunk, bytes.size() - i)));
    QCOMPARE(got, QStringList({first, second}));
    QCOMPARE(parse(got[1])->child(u"roDelete")->value(u"roID"), QStringLiteral("Å 😀 <mos>"));
}

void TestMos::anUnfinishedFrameIsDroppedAtTheLimit()
{
    FrameReader reader(4096);
    QVERIFY(reader.feed(encode(QStringLiteral("<mos><roCreate>"))).isEmpty());
    for (int i = 0; i < 10; ++i)
        QVERIFY(reader.feed(encode(QString(1000, QLatin1Char('x')))).isEmpty());
    QCOMPARE(reader.dropped(), 1);
    QVERIFY(reader.pending() <= 4096);
    // The end of the dropped frame is noise; the next whole one is read.
    const QString next = message(QStringLiteral("<heartbeat/>"));
    QCOMPARE(reader.feed(encode(QStringLiteral("</roCreate></mos>") + next)), QStringList{next});
    // Too long is too long, even when it arrives whole.
    QVERIFY(reader.feed(QByteArray(encode(message(QString(5000, QLatin1Char('x')))) + encode(next))) ==
            QStringList{next});
    QCOMPARE(reader.dropped(), 2);
}

void TestMos::hostileXmlIsRefused_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("read");
    QTest::newRow("the five entities")
        << message(QStringLiteral("<roDelete><roID>&amp;&lt;&gt;&quot;&apos;&#65;</roID></roDelete>"))
        << true;
    QTest::newRow("entities declared")
        << QStringLiteral("<!DOCTYPE mos [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>") +
               message(QStringLiteral("<x>&b;</x>"))
        << false;
    QTest::newRow("an outside entity")
        << QStringLiteral("<!DOCTYPE mos [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>") +
               message(QStringLiteral("<x>&e;</x>"))
        << false;
    QTest::newRow("an undeclared entity") << message(QStringLiteral("<x>&nbsp;</x>")) << false;
    QTest::newRow("deep")
        << message(QString(40, QLatin1Char('.')).replace(QLatin1Char('.'), QLatin1String("<a>")) +
                   QString(40, QLatin1Char('.')).replace(QLatin1Char('.'), QLatin1String("</a>")))
        << false;
    QTest::newRow("truncated") << message(QStringLiteral("<roDelete><roID>x</roID>")) << false;
    QTest::newRow("not a message") << QStringLiteral("<html/>") << false;
}

void TestMos::hostileXmlIsRefused()
{
    QFETCH(QString, xml);
    QFETCH(bool, read);
    const std::optional<Node> m = parse(xml);
    QCOMPARE(m.has_value(), read);
    if (read)
        QCOMPARE(m->child(u"roDelete")->value(u"roID"), QStringLiteral("&<>\"'A"));
}

void TestMos::storyBodiesBecomeParagraphs_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("paragraphs"); // an instruction as "!text"
    QTest::newRow("formatting is read as words")
        << "<p>Hello <b>big</b> <i>wide</i>\n  world</p><p></p><p>Again.</p>"
        << QStringList{"Hello big wide world", "Again."};
    QTest::newRow("an instruction parts a paragraph")
        << "<p>Good evening.<pi>Camera two</pi>Our top story.</p>"
        << QStringList{"Good evening.", "!Camera two", "Our top story."};
    QTest::newRow("instructions and text outside paragraphs")
        << "<pi>Stand by</pi>Loose words<p>Read me</p>" << QStringList{"!Stand by", "Loose words", "Read me"};
    QTest::newRow("what the presenter does not read is left out")
        << "<storyPresenter>Anna</storyPresenter><p>One<storyItem><itemID>1</itemID><objID>VT</objID></"
           "storyItem> two</p>"
           "<table><tr><td>cell</td></tr></table><pkg>pkg</pkg>"
        << QStringList{"One two"};
}

void TestMos::storyBodiesBecomeParagraphs()
{
    QFETCH(QString, body);
    QFETCH(QStringList, paragraphs);
    const std::optional<Node> m =
        parse(message(QStringLiteral("<storyBody>") + body + QStringLiteral("</storyBody>")));
    QVERIFY(m);
    QStringList got;
    for (const Paragraph &p : bodyOf(*m->child(u"storyBody")))
        got << (p.instruction ? QStringLiteral("!") : QString()) + p.text;
    QCOMPARE(got, paragraphs);
}

void TestMos::runningOrdersFollowEveryAction_data()
{
    QTest::addColumn<QString>("onAir"); // before the action
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("stories");
    const QString ra =
        QStringLiteral("<roElementAction operation=\"%1\"><roID>RO1</roID>%2</roElementAction>");
    auto target = [](const QString &id) {
        return QStringLiteral("<element_target><storyID>%1</storyID></element_target>").arg(id);
    };
    auto source = [](const QString &xml) {
        return QStringLiteral("<element_source>%1</element_source>").arg(xml);
    };
    const QString d = QStringLiteral("<storyID>D</storyID>");
    QTest::newRow("insert before") << "" << ra.arg("INSERT", target("B") + source(story("D"))) << "OK"
                                   << "A D B C";
    QTest::newRow("insert a known id")
        << "" << ra.arg("INSERT", target("B") + source(story("C"))) << "Unknown running order or story"
        << "A B C";
    QTest::newRow("replace by two") << "" << ra.arg("REPLACE", target("B") + source(story("D") + story("E")))
                                    << "OK"
                                    << "A D E C";
    QTest::newRow("move to the end") << "" << ra.arg("MOVE", target("") + source("<storyID>A</storyID>"))
                                     << "OK"
                                     << "B C A";
    QTest::newRow("move before") << "" << ra.arg("MOVE", target("A") + source("<storyID>C</storyID>")) << "OK"
                                 << "C A B";
    QTest::newRow("delete") << "" << ra.arg("DELETE", source("<storyID>A</storyID><storyID>C</storyID>"))
                            << "OK"
                            << "B";
    QTest::newRow("delete an unknown")
        << "" << ra.arg("DELETE", source(d)) << "Unknown running order or story"
        << "A B C";
    QTest::newRow("swap") << "" << ra.arg("SWAP", source("<storyID>A</storyID><storyID>C</storyID>")) << "OK"
                          << "C B A";
    QTest::newRow("items are not the presenter's")
        << ""
        << ra.arg("DELETE", "<element_target><storyID>B</storyID><itemID>4</itemID></element_target>" +
                                source("<itemID>4</itemID>"))
        << "OK"
        << "A B C";
    QTest::newRow("delete nothing") << "" << ra.arg("DELETE", source("")) << "Unknown running order or story"
                                    << "A B C";
    QTest::newRow("delete on air") << "B" << ra.arg("DELETE", source("<storyID>B</storyID>")) << "OK"
                                   << "A B* C";
    QTest::newRow("replace on air by another")
        << "B" << ra.arg("REPLACE", target("B") + source(story("D"))) << "OK"
        << "A B* D C";
    QTest::newRow("replace on air by itself")
        << "B" << ra.arg("REPLACE", target("B") + source(story("B"))) << "OK"
        << "A B C";
    QTest::newRow("a new order without the one on air")
        << "B"
        << "<roReplace><roID>RO1</roID>" + story("A") + story("C") + "</roReplace>"
        << "OK"
        << "A B* C";
    QTest::newRow("order deleted") << ""
                                   << "<roDelete><roID>RO1</roID></roDelete>"
                                   << "OK"
                                   << "";
    QTest::newRow("unknown order") << ""
                                   << "<roDelete><roID>RO9</roID></roDelete>"
                                   << "Unknown running order or story"
                                   << "A B C";
    QTest::newRow("another device's message") << ""
                                              << "<roDelete><roID>RO1</roID></roDelete>"
                                              << "wrong id"
                                              << "A B C";
}

void TestMos::runningOrdersFollowEveryAction()
{
    QFETCH(QString, onAir);
    QFETCH(QString, action);
    QFETCH(QString, status);
    QFETCH(QString, stories);
    RunningOrders orders;
    Responder responder(orders, Identity{});
    const auto answer = [&](const QString &xml,
                            const QString &mosID = QStringLiteral("cuescroll.prompter.mos")) {
        const std::optional<Node> m = parse(message(xml, mosID));
        return m ? said(responder.answer(*m)) : QStringLiteral("unreadable");
    };
    QCOMPARE(answer("<roCreate><roID>RO1</roID><roSlug>News</roSlug>" + story("A") + story("B") + story("C") +
                    "</roCreate>"),
             QStringLiteral("OK"));
    if (!onAir.isEmpty())
        QVERIFY(orders.setOnAir(QStringLiteral("RO1"), onAir));
    QSignalSpy changes(&orders, &RunningOrders::storiesChanged);
    const bool foreign = status == QLatin1String("wrong id");
    const QString got =
        answer(action, foreign ? QStringLiteral("other.mos") : QStringLiteral("cuescroll.prompter.mos"));
    if (foreign)
        QVERIFY(got != QLatin1String("OK"));
    else
        QCOMPARE(got, status);
    QCOMPARE(storiesOf(orders), stories);
    if (got != QLatin1String("OK") || action.startsWith(QLatin1String("<roDelete")))
        QCOMPARE(changes.size(), 0);
    else
        QVERIFY(changes.size() > 0 || stories == QLatin1String("A B C"));
    // A story deleted on air is let go once the air moves on.
    if (stories.contains(QLatin1Char('*'))) {
        QVERIFY(orders.setOnAir(QStringLiteral("RO1"), QStringLiteral("A")));
        QCOMPARE(storiesOf(orders), QString(stories).remove(QStringLiteral(" B*")));
    }
}

void TestMos::theRundownFollowsWithoutMovingTheStoryOnAir()
{
    RunningOrders orders;
    Sink sink;
    RundownFeed feed(orders, sink);
    RunningOrder ro{QStringLiteral("RO1"), QStringLiteral("News"), {}, {}, false};
    for (const char *id : {"A", "B"})
        ro.stories << Story{QString::fromLatin1(id), QStringLiteral("Slug ") + QLatin1String(id), {}, false};
    QVERIFY(orders.create(ro));
    QVERIFY(sink.lists.isEmpty()); // nothing shown until the operator picks it
    feed.show(QStringLiteral("RO1"));
    QCOMPARE(sink.lists.size(), 1);
    QCOMPARE(sink.lists.last().size(), 2);
    QCOMPARE(sink.lists.last()[1].title, QStringLiteral("Slug B"));

    QVERIFY(orders.setOnAir(QStringLiteral("RO1"), feed.storyAt(1)));
    QVERIFY(orders.setBody(QStringLiteral("RO1"), QStringLiteral("B"),
                           {{QStringLiteral("Hello."), false}, {QStringLiteral("Roll VT"), true}}));
    QCOMPARE(sink.lists.size(), 1); // a text change is no new list: the reading place stays
    QCOMPARE(sink.texts, (QList<QPair<int, QString>>{{1, QStringLiteral("Hello.\n[[Roll VT]]")}}));

    QVERIFY(orders.removeStories(QStringLiteral("RO1"), {QStringLiteral("B")}));
    QCOMPARE(sink.lists.size(), 2);
    QVERIFY(sink.lists.last()[1].deleted);
    QCOMPARE(sink.lists.last()[1].text, QStringLiteral("Hello.\n[[Roll VT]]"));
    QVERIFY(orders.setOnAir(QStringLiteral("RO1"), QStringLiteral("A")));
    QCOMPARE(sink.lists.size(), 3);
    QCOMPARE(sink.lists.last().size(), 1);

    QVERIFY(orders.remove(QStringLiteral("RO1")));
    QVERIFY(sink.lists.last().isEmpty());
    QVERIFY(feed.orderId().isEmpty());
}

void TestMos::theDeviceAnswersOnItsPortsAndTellsTheNewsroom()
{
    FakePlatform platform;
    RunningOrders orders;
    MosDevice device(orders, [&] { return platform.now; });
    // The newsroom's own ports for what the device starts.
    QTcpServer newsroom;
    QVERIFY(newsroom.listen(QHostAddress::LocalHost, 0));
    QTcpServer newsroomLower;
    QVERIFY(newsroomLower.listen(QHostAddress::LocalHost, 0));
    MosDevice::Options options;
    options.lowerPort = 0;
    options.upperPort = 0;
    options.address = QHostAddress::LocalHost;
    options.ncsUpperPort = newsroom.serverPort();
    options.ncsLowerPort = newsroomLower.serverPort();
    QVERIFY(device.start(options));

    QTcpSocket upper;
    upper.connectToHost(QHostAddress::LocalHost, device.upperPort());
    QVERIFY(upper.waitForConnected(5000));
    QByteArray got;
    auto hears = [&](QTcpSocket &s, const char *what) {
        return QTest::qWaitFor(
            [&] {
                got += s.readAll();
                return got.contains(encode(QString::fromLatin1(what)));
            },
            5000);
    };
    upper.write(encode(message("<roCreate><roID>RO1</roID>" + story("A") + story("B") + "</roCreate>")));
    QVERIFY(hears(upper, "<roStatus>OK</roStatus>"));
    QCOMPARE(storiesOf(orders), QStringLiteral("A B"));

    // Having heard the newsroom first, the device asked it for every running order it holds.
    QVERIFY(newsroom.hasPendingConnections() || newsroom.waitForNewConnection(5000));
    QTcpSocket *back = newsroom.nextPendingConnection();
    got.clear();
    QVERIFY(hears(*back, "<roReqAll/>"));

    device.setOnAir(QStringLiteral("RO1"), QStringLiteral("B"));
    QVERIFY(hears(*back, "<storyID>B</storyID><status>PLAY</status>"));

    // Heartbeats go out by the clock; a newsroom gone silent is let go.
    platform.now += MosDevice::kHeartbeatMs;
    device.sweep();
    QVERIFY(newsroomLower.waitForNewConnection(5000));
    QVERIFY(hears(*newsroomLower.nextPendingConnection(), "<heartbeat>"));
    platform.now += MosDevice::kSilentMs + 1;
    device.sweep();
    QVERIFY(QTest::qWaitFor([&] { return upper.state() == QAbstractSocket::UnconnectedState; }, 5000));

    // Only the newsroom's addresses are let in.
    options.allow = QStringLiteral("192.0.2.0/24");
    QVERIFY(device.start(options));
    QTcpSocket stranger;
    stranger.connectToHost(QHostAddress::LocalHost, device.lowerPort());
    QVERIFY(QTest::qWaitFor([&] { return stranger.state() == QAbstractSocket::UnconnectedState; }, 5000));
    QCOMPARE(device.connections(), 0);
}

void TestMos::startDevice()
{
    m_platform = FakePlatform();
    m_device = std::make_unique<MosDevice>(m_orders, [this] { return m_platform.now; });
    MosDevice::Options options;
    options.lowerPort = 0;
    options.upperPort = 0;
    options.address = QHostAddress::LocalHost;
    // The newsroom is on this machine too: point the device's own connections at a closed port, so
    // that it does not answer itself.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    options.ncsLowerPort = options.ncsUpperPort = closed.serverPort();
    closed.close();
    QVERIFY(m_device->start(options));
}

void TestMos::aConnectionOutOfStepReadsOnAtTheNextMessage_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("an odd byte") << QByteArray(encode(kHeartbeat) + "x");
    QTest::newRow("an odd-length message") << QByteArray(encode(kHeartbeat).chopped(1));
    QTest::newRow("a comment holding a start")
        << encode(message(QStringLiteral("<!-- <mos> --><heartbeat/>")));
    // Of an odd length, so that what follows is out of step.
    QTest::newRow("a message in UTF-8")
        << kHeartbeat.toUtf8() + QByteArray(kHeartbeat.size() % 2 ? "" : "\n");
    QTest::newRow("a message cut short") << encode(QStringLiteral("<mos><mosID>cuescroll"));
}

// Connections the newsroom opened, leaving out those the device opens to it.
static int incoming(const mos::MosDevice &device)
{
    const auto peers = device.peers();
    return int(std::count_if(peers.begin(), peers.end(), [](const auto &p) { return !p.outgoing; }));
}

// Whatever throws a connection out of step, the next whole message is answered.
void TestMos::aConnectionOutOfStepReadsOnAtTheNextMessage()
{
    QFETCH(QByteArray, before);
    startDevice();
    Newsroom ncs;
    QVERIFY(ncs.open(m_device->lowerPort()));
    ncs.socket.write(before);
    ncs.socket.write(encode(message(QStringLiteral("<reqMachInfo/>"))));
    QVERIFY(ncs.hears(QStringLiteral("<listMachInfo>")));
    QCOMPARE(incoming(*m_device), 1);
}

// Answers to a newsroom that sends and never reads wait in a bounded buffer; beyond it it is cut.
void TestMos::aNewsroomThatNeverReadsIsCut()
{
    startDevice();
    QTcpSocket deaf;
    deaf.setReadBufferSize(1); // and it never reads even that
    deaf.connectToHost(QHostAddress::LocalHost, m_device->lowerPort());
    QVERIFY(deaf.waitForConnected(5000));
    QTRY_COMPARE(incoming(*m_device), 1);
    const QByteArray beats = encode(kHeartbeat).repeated(1000);
    QVERIFY(QTest::qWaitFor(
        [&] {
            if (deaf.state() == QAbstractSocket::ConnectedState && deaf.bytesToWrite() < beats.size())
                deaf.write(beats);
            return incoming(*m_device) == 0;
        },
        20000));
}

// Connections that trickle bytes hold no place the newsroom needs, and none for long.
void TestMos::slowConnectionsGiveWayToTheNewsroom()
{
    startDevice();
    std::vector<std::unique_ptr<Newsroom>> slow;
    auto trickle = [&](int count) {
        for (int i = 0; i < count; ++i) {
            slow.push_back(std::make_unique<Newsroom>());
            QVERIFY(slow.back()->open(m_device->lowerPort()));
            slow.back()->socket.write(encode(QStringLiteral("<mos><mosID>")));
        }
    };
    trickle(MosDevice::kMaxUnproven);
    QTRY_COMPARE(m_device->connections(), MosDevice::kMaxUnproven);
    Newsroom ncs;
    QVERIFY(ncs.open(m_device->lowerPort()));
    ncs.socket.write(encode(kHeartbeat));
    QVERIFY(ncs.hears(QStringLiteral("<heartbeat>")));
    QVERIFY(slow.front()->isCut()); // the oldest gave its place

    // However many come after, the newsroom that spoke keeps its place.
    trickle(2 * MosDevice::kMaxConnections);
    QTRY_COMPARE(m_device->connections(), MosDevice::kMaxUnproven + 1);
    ncs.got.clear();
    ncs.socket.write(encode(kHeartbeat));
    QVERIFY(ncs.hears(QStringLiteral("<heartbeat>")));

    // A byte at a time does not keep a message open past its deadline.
    for (int second = 0; second < 15; ++second) {
        for (auto &s : slow)
            if (s->socket.state() == QAbstractSocket::ConnectedState)
                s->socket.write(encode(QStringLiteral("x")).left(1));
        QCoreApplication::processEvents();
        m_platform.now += 1000;
        m_device->sweep();
    }
    QTRY_COMPARE(m_device->connections(), 1);
    QCOMPARE(ncs.socket.state(), QAbstractSocket::ConnectedState);
}

QTEST_GUILESS_MAIN(TestMos)
#include "tst_mos.moc"
