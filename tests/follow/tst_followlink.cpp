// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/FollowLink.h"
#include "follow/LeaderFeed.h"
#include "follow/LeaderServer.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

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
    void leaderSocketsSendAtOnce();

private:
    struct Leader
    {
        State state{500, true, 8, true, {42, 0.5}};
        QList<Command> commands;
        LeaderFeed feed{{[] { return quint32(777); }, [this] { return state; },
                         [] { return QByteArray("{\\rtf1 Hello\\par}"); },
                         [] {
                             return Look{QStringLiteral("Liberation Sans"), 24};
                         },
                         [] {
                             return QList<Marker>{{1, 2, QStringLiteral("el")}};
                         },
                         [this](const Command &c) { commands << c; }}};
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
