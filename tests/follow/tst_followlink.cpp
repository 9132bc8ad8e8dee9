// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/FollowLink.h"
#include "follow/LeaderFeed.h"
#include "follow/LeaderServer.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace follow;

Q_DECLARE_METATYPE(follow::Message)

// A leader and a follower over a WebSocket on 127.0.0.1.
class tst_FollowLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<follow::Message>(); }
    void addresses_data();
    void addresses();
    void followerIsWelcomedAndDrives();
    void wrongTokenIsRefused();
    void followerComesBackToARestartedLeader();
    void scriptArrivesOverASlowLink_data();
    void scriptArrivesOverASlowLink();
    void promptersDoNotFollowThemselves_data();
    void promptersDoNotFollowThemselves();
    void leaderSocketsSendAtOnce();

private:
    struct Leader
    {
        State state{500, true, 8, true, {42, 0.5}};
        QList<Command> commands;
        QByteArray script = "{\\rtf1 Hello\\par}";
        LeaderFeed feed{{[] { return quint32(777); },
                         [this] { return state; },
                         [this] { return script; },
                         [] {
                             return Look{QStringLiteral("Liberation Sans"), 24};
                         },
                         [] {
                             return QList<Marker>{{1, 2, QStringLiteral("el")}};
                         },
                         [this](const Command &c) { commands << c; },
                         {}}};
        LeaderServer server{feed, QStringLiteral("sesame-0123456789")};
    };
};

void tst_FollowLink::addresses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("url"); // empty: refused
    QTest::newRow("host") << "studio-b"
                          << "ws://studio-b:8777/api/v1/follow";
    QTest::newRow("host and port") << " 10.0.0.7:9000 "
                                   << "ws://10.0.0.7:9000/api/v1/follow";
    QTest::newRow("bare IPv6") << "fe80::1"
                               << "ws://[fe80::1]:8777/api/v1/follow";
    QTest::newRow("IPv6 and port") << "[::1]:81"
                                   << "ws://[::1]:81/api/v1/follow";
    QTest::newRow("full address") << "wss://leader/x"
                                  << "wss://leader:8777/x";
    QTest::newRow("another scheme") << "http://leader"
                                    << "";
    QTest::newRow("credentials") << "ws://a:b@leader"
                                 << "";
    QTest::newRow("port out of range") << "leader:70000"
                                       << "";
    QTest::newRow("nothing") << "  "
                             << "";
}

void tst_FollowLink::addresses()
{
    QFETCH(QString, typed);
    QFETCH(QString, url);
    const std::optional<QUrl> got = FollowLink::addressOf(typed);
    QCOMPARE(got ? got->toString() : QString(), url);
}

void tst_FollowLink::followerIsWelcomedAndDrives()
{
    Leader leader;
    QVERIFY(leader.server.listen(QHostAddress::LocalHost, 0));
    FollowLink link([] { return quint32(100); });
    QSignalSpy received(&link, &FollowLink::received);
    link.open(*FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(leader.server.port())),
              QStringLiteral("sesame-0123456789"));
    QVERIFY(received.wait(5000));
    const auto welcome = std::get<Welcome>(received.at(0).at(0).value<Message>());
    QCOMPARE(welcome.state, leader.state);
    QCOMPARE(welcome.markers.size(), 1);
    QCOMPARE(leader.feed.followers(), 1);

    // The quick pings are answered with the leader's clock.
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(received.begin(), received.end(),
                                         [](const QList<QVariant> &r) {
                                             const auto m = r.at(0).value<Message>();
                                             return std::holds_alternative<Pong>(m) &&
                                                    std::get<Pong>(m).received == 777;
                                         }),
                             5000);
    // A change of speed reaches the follower at once.
    received.clear();
    leader.state.speed = 9;
    leader.feed.stateChanged();
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(received.begin(), received.end(),
                                         [](const QList<QVariant> &r) {
                                             const auto m = r.at(0).value<Message>();
                                             return std::holds_alternative<State>(m) &&
                                                    std::get<State>(m).speed == 9;
                                         }),
                             5000);
    link.send(Command{QStringLiteral("toggle"), 0});
    QTRY_COMPARE_WITH_TIMEOUT(leader.commands.size(), 1, 5000);
    QCOMPARE(leader.commands.first().name, QStringLiteral("toggle"));
}

void tst_FollowLink::wrongTokenIsRefused()
{
    Leader leader;
    QVERIFY(leader.server.listen(QHostAddress::LocalHost, 0));
    FollowLink link([] { return quint32(0); });
    QSignalSpy refused(&link, &FollowLink::refused);
    QSignalSpy received(&link, &FollowLink::received);
    link.open(*FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(leader.server.port())),
              QStringLiteral("sesame-0123456780"));
    QVERIFY(refused.wait(5000));
    QCOMPARE(refused.at(0).at(0).value<FollowLink::Refusal>(), FollowLink::Refusal::Token);
    QCOMPARE(received.size(), 0);
    QCOMPARE(leader.feed.followers(), 0);
}

void tst_FollowLink::followerComesBackToARestartedLeader()
{
    auto leader = std::make_unique<Leader>();
    QVERIFY(leader->server.listen(QHostAddress::LocalHost, 0));
    const quint16 port = leader->server.port();
    FollowLink link([] { return quint32(0); });
    QSignalSpy linked(&link, &FollowLink::linked);
    QSignalSpy lost(&link, &FollowLink::lost);
    link.open(*FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(port)),
              QStringLiteral("sesame-0123456789"));
    QVERIFY(linked.wait(5000));
    leader.reset();
    QVERIFY(lost.wait(5000));
    // The same port again, as a restarted leader takes it: the link finds it by itself.
    leader = std::make_unique<Leader>();
    QVERIFY(leader->server.listen(QHostAddress::LocalHost, port));
    QVERIFY(linked.wait(5000));
    QTRY_COMPARE_WITH_TIMEOUT(leader->feed.followers(), 1, 5000);
}

namespace {

// Passes bytes between followers and a leader on 127.0.0.1, the leader's way no faster than a link of
// `bytesPerMs` on the test's clock: each piece let through moves `clock` on by the time it took.
class Relay : public QObject
{
public:
    Relay(quint16 leaderPort, quint32 &clock, double bytesPerMs)
        : m_leaderPort(leaderPort), m_clock(clock), m_bytesPerMs(bytesPerMs)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, &Relay::accept);
        connect(&m_tick, &QTimer::timeout, this, &Relay::pass);
        m_tick.start(1);
    }
    ~Relay() override
    {
        for (QTcpSocket *s : m_server.findChildren<QTcpSocket *>())
            s->disconnect();
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    static constexpr qsizetype kPiece = 2048;

    void accept()
    {
        while (QTcpSocket *follower = m_server.nextPendingConnection()) {
            auto *leader = new QTcpSocket(follower);
            leader->connectToHost(QHostAddress::LocalHost, m_leaderPort);
            connect(follower, &QTcpSocket::readyRead, leader, [=] { leader->write(follower->readAll()); });
            connect(leader, &QTcpSocket::readyRead, follower,
                    [=, this] { m_pending[follower] += leader->readAll(); });
            connect(leader, &QTcpSocket::disconnected, follower, &QTcpSocket::disconnectFromHost);
            connect(follower, &QTcpSocket::disconnected, this, [=, this] {
                m_pending.remove(follower);
                follower->deleteLater();
            });
        }
    }

    void pass()
    {
        for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
            if (it.value().isEmpty())
                continue;
            const QByteArray piece = it.value().left(kPiece);
            it.value().remove(0, piece.size());
            it.key()->write(piece);
            m_owed += double(piece.size()) / m_bytesPerMs;
            m_clock += quint32(m_owed);
            m_owed -= std::floor(m_owed);
        }
    }

    QTcpServer m_server;
    QTimer m_tick;
    QHash<QTcpSocket *, QByteArray> m_pending;
    quint16 m_leaderPort;
    quint32 &m_clock;
    double m_bytesPerMs;
    double m_owed = 0;
};

} // namespace

void tst_FollowLink::scriptArrivesOverASlowLink_data()
{
    QTest::addColumn<int>("kbits"); // the link's rate, kbit/s
    QTest::addColumn<int>("words");
    QTest::newRow("256 kbit, 20,000 words") << 256 << 20000;
    QTest::newRow("64 kbit, 5,000 words") << 64 << 5000;
}

// A script taking many times the leader's allowed silence to arrive arrives all the same: it comes
// in parts, each a sign of life.
void tst_FollowLink::scriptArrivesOverASlowLink()
{
    QFETCH(int, kbits);
    QFETCH(int, words);
    Leader leader;
    leader.script = "{\\rtf1\\ansi " + QByteArray("prompter ").repeated(words) + "\\par}";
    QVERIFY(leader.server.listen(QHostAddress::LocalHost, 0));
    quint32 clock = 0;
    Relay relay(leader.server.port(), clock, kbits / 8.0);
    const double transfer = leader.script.size() / (kbits / 8.0);
    QVERIFY(transfer > 2 * FollowLink::kSilenceMs);

    FollowLink link([&clock] { return clock; });
    QSignalSpy received(&link, &FollowLink::received);
    QSignalSpy lost(&link, &FollowLink::lost);
    link.open(*FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(relay.port())),
              QStringLiteral("sesame-0123456789"));
    QTRY_VERIFY_WITH_TIMEOUT(!received.isEmpty(), 20000);
    QCOMPARE(std::get<Welcome>(received.at(0).at(0).value<Message>()).script.rtf, leader.script);
    QVERIFY2(clock >= transfer, qPrintable(QString::number(clock)));
    QCOMPARE(lost.size(), 0);
}

void tst_FollowLink::promptersDoNotFollowThemselves_data()
{
    QTest::addColumn<bool>("throughRelay"); // the leader under another address
    QTest::addColumn<bool>("itself");
    QTest::newRow("its own address") << false << true;
    QTest::newRow("another address reaching it") << true << true;
    QTest::newRow("another prompter") << false << false;
}

void tst_FollowLink::promptersDoNotFollowThemselves()
{
    QFETCH(bool, throughRelay);
    QFETCH(bool, itself);
    Leader leader;
    QVERIFY(leader.server.listen(QHostAddress::LocalHost, 0));
    quint32 clock = 0;
    Relay relay(leader.server.port(), clock, 1e6);
    LeaderFeed other{{}};

    FollowLink link([] { return quint32(0); });
    link.setOwnId(itself ? leader.feed.id() : other.id());
    QSignalSpy received(&link, &FollowLink::received);
    QSignalSpy refused(&link, &FollowLink::refused);
    link.open(*FollowLink::addressOf(
                  QStringLiteral("127.0.0.1:%1").arg(throughRelay ? relay.port() : leader.server.port())),
              QStringLiteral("sesame-0123456789"));
    if (itself) {
        QVERIFY(refused.wait(5000));
        QCOMPARE(refused.at(0).at(0).value<FollowLink::Refusal>(), FollowLink::Refusal::Self);
        QVERIFY(received.isEmpty());
        QVERIFY(!link.connected());
        QTRY_COMPARE_WITH_TIMEOUT(leader.feed.followers(), 0, 5000);
    } else {
        QVERIFY(received.wait(5000));
        QVERIFY(std::holds_alternative<Welcome>(received.at(0).at(0).value<Message>()));
        QVERIFY(refused.isEmpty());
    }
}

// A Stop is a small write: it must not wait for the acknowledgement of the state before it.
void tst_FollowLink::leaderSocketsSendAtOnce()
{
    Leader leader;
    QVERIFY(leader.server.listen(QHostAddress::LocalHost, 0));
    FollowLink link([] { return quint32(0); });
    QSignalSpy linked(&link, &FollowLink::linked);
    link.open(*FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(leader.server.port())),
              QStringLiteral("sesame-0123456789"));
    QVERIFY(linked.wait(5000));
    QTRY_COMPARE_WITH_TIMEOUT(leader.feed.followers(), 1, 5000);
    const QList<QTcpSocket *> sockets = leader.server.findChildren<QTcpSocket *>();
    QCOMPARE(sockets.size(), 1);
    QCOMPARE(sockets.first()->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
}

QTEST_GUILESS_MAIN(tst_FollowLink)
#include "tst_followlink.moc"
