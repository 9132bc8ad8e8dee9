// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/FollowLink.h"
#include "follow/LeaderFeed.h"
#include "follow/LeaderServer.h"
#include "follow/RunChannel.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

using namespace follow;
namespace rc = follow::run_channel;

Q_DECLARE_METATYPE(follow::Message)

namespace {

const QString kToken = QStringLiteral("sesame-0123456789");
const QHostAddress kLeaderHost(QStringLiteral("127.0.0.2"));

// A leader on 127.0.0.2 that its follower reaches through relays on 127.0.0.1: one for the WebSocket
// that can hold the leader's bytes, one on the leader's UDP port number that can lose its datagrams.
struct Rig
{
    State state{500, false, 8, true, {42, 0.5}};
    quint32 clock = 0;
    LeaderFeed feed{{[] { return quint32(777); },
                     [this] { return state; },
                     [] { return QByteArray("{\\rtf1 A}"); },
                     [] {
                         return Look{QStringLiteral("Sans"), 24};
                     },
                     [] { return QList<Marker>{}; },
                     [](const Command &) {},
                     {}}};
    LeaderServer server{feed, kToken};
    QTcpServer tcp;
    QTcpSocket *toFollower = nullptr;
    QByteArray held;
    bool holding = false;
    QUdpSocket udp;
    QHostAddress follower;
    quint16 followerPort = 0;
    int toLose = 0;
    FollowLink link{[this] { return clock; }};
    QSignalSpy received{&link, &FollowLink::received};

    Rig()
    {
        server.listen(kLeaderHost, 0);
        feed.listenDatagrams(kLeaderHost, server.port(), kToken);
        tcp.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&tcp, &QTcpServer::newConnection, [this] {
            toFollower = tcp.nextPendingConnection();
            auto *up = new QTcpSocket(toFollower);
            up->connectToHost(kLeaderHost, server.port());
            QObject::connect(toFollower, &QTcpSocket::readyRead, up,
                             [up, f = toFollower] { up->write(f->readAll()); });
            QObject::connect(up, &QTcpSocket::readyRead, toFollower, [up, this] {
                held += up->readAll();
                pass();
            });
        });
        udp.bind(QHostAddress::LocalHost, feed.datagramPort());
        QObject::connect(&udp, &QUdpSocket::readyRead, [this] {
            while (udp.hasPendingDatagrams()) {
                const QNetworkDatagram d = udp.receiveDatagram();
                if (d.senderAddress() != kLeaderHost) {
                    follower = d.senderAddress();
                    followerPort = quint16(d.senderPort());
                    udp.writeDatagram(d.data(), kLeaderHost, feed.datagramPort());
                } else if (toLose > 0) {
                    --toLose;
                } else {
                    udp.writeDatagram(d.data(), follower, followerPort);
                }
            }
        });
        link.open(*FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(tcp.serverPort())), kToken);
    }
    void pass()
    {
        if (!holding && toFollower)
            toFollower->write(std::exchange(held, {}));
    }
    // The states taken, and the channel's nonce.
    QList<State> states(QByteArray *nonce = nullptr) const
    {
        QList<State> out;
        for (const QList<QVariant> &r : received) {
            const Message m = r.at(0).value<Message>();
            if (const auto *s = std::get_if<State>(&m))
                out << *s;
            else if (const auto *w = std::get_if<Welcome>(&m))
                out << w->state;
            else if (const auto *c = std::get_if<Channel>(&m); c && nonce)
                *nonce = c->nonce;
        }
        return out;
    }
};

} // namespace

class tst_RunChannel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<follow::Message>(); }
    void stopBeatsAHeldLink_data();
    void stopBeatsAHeldLink();
    void foreignDatagramsAreIgnored_data();
    void foreignDatagramsAreIgnored();
    void hellosAreCheckedAndAnsweredNoLarger_data();
    void hellosAreCheckedAndAnsweredNoLarger();
};

void tst_RunChannel::stopBeatsAHeldLink_data()
{
    QTest::addColumn<int>("lost"); // the leader's datagrams lost after the WebSocket is held
    QTest::newRow("none lost") << 0;
    QTest::newRow("two copies lost") << rc::kCopies - 1;
    QTest::newRow("all lost: the WebSocket carries it") << 1000;
}

void tst_RunChannel::stopBeatsAHeldLink()
{
    QFETCH(int, lost);
    Rig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.link.datagramsReach(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(rig.feed.reached(), 1, 5000);
    rig.state.running = true;
    rig.feed.stateChanged();
    QTRY_VERIFY_WITH_TIMEOUT(rig.states().constLast().running, 5000);

    rig.holding = true;
    rig.toLose = lost;
    rig.state.running = false;
    rig.feed.stateChanged();
    const auto stopped = [&rig] { return !rig.states().isEmpty() && !rig.states().constLast().running; };
    if (lost < 1000) {
        QTRY_VERIFY_WITH_TIMEOUT(stopped(), 5000);
        QVERIFY(!rig.held.isEmpty());
    }
    rig.holding = false;
    rig.pass();
    QTRY_VERIFY_WITH_TIMEOUT(stopped(), 5000);
    // Whichever way each copy came, no state older than one taken is taken after it.
    rig.state.speed = 3;
    rig.feed.stateChanged();
    QTRY_COMPARE_WITH_TIMEOUT(rig.states().constLast().speed, 3, 5000);
    const QList<State> s = rig.states();
    for (qsizetype i = 1; i < s.size(); ++i)
        QVERIFY2(rc::newer(s[i].seq, s[i - 1].seq), qPrintable(QString::number(i)));
}

void tst_RunChannel::foreignDatagramsAreIgnored_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<bool>("otherNonce");
    QTest::addColumn<int>("age");  // the forged state's count against the last one taken
    QTest::addColumn<int>("flip"); // a byte changed after sealing, from the end; 0: none
    QTest::newRow("another token") << QStringLiteral("not-the-token-0000") << false << 5 << 0;
    QTest::newRow("another connection") << kToken << true << 5 << 0;
    QTest::newRow("replayed") << kToken << false << 0 << 0;
    QTest::newRow("altered") << kToken << false << 5 << 30;
}

void tst_RunChannel::foreignDatagramsAreIgnored()
{
    QFETCH(QString, token);
    QFETCH(bool, otherNonce);
    QFETCH(int, age);
    QFETCH(int, flip);
    Rig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.link.datagramsReach(), 5000);
    QByteArray nonce;
    const quint32 last = rig.states(&nonce).constLast().seq;
    const auto send = [&](const QString &t, const QByteArray &nonce, quint32 seq, int speed, int flipAt) {
        State s = rig.state;
        s.speed = speed;
        s.seq = seq;
        QByteArray d = rc::seal({rc::Kind::State, nonce, seq, encode(s)}, rc::key(t.toUtf8(), nonce));
        if (flipAt)
            d[d.size() - flipAt] = char(d.at(d.size() - flipAt) ^ 1);
        rig.udp.writeDatagram(d, rig.follower, rig.followerPort);
    };
    send(token, otherNonce ? QByteArray(kNonceBytes, 'x') : nonce, last + age, 16, flip);
    // Read after the forged one, a genuine one shows that one was read and left.
    send(kToken, nonce, last + 1000, 2, 0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.states().constLast().speed, 2, 5000);
    for (const State &s : rig.states())
        QVERIFY(s.speed != 16);
}

void tst_RunChannel::hellosAreCheckedAndAnsweredNoLarger_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("token");
    QTest::addColumn<quint32>("count");
    QTest::newRow("another token") << "127.0.0.1" << QStringLiteral("not-the-token-0000") << 99u;
    QTest::newRow("replayed") << "127.0.0.1" << kToken << 1u;
    QTest::newRow("another address") << "127.0.0.3" << kToken << 99u;
    QTest::newRow("not a hello") << "127.0.0.1" << QString() << 99u;
}

void tst_RunChannel::hellosAreCheckedAndAnsweredNoLarger()
{
    QFETCH(QString, from);
    QFETCH(QString, token);
    QFETCH(quint32, count);
    Rig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.link.datagramsReach(), 5000);
    QByteArray nonce;
    rig.states(&nonce);
    QUdpSocket bad, good;
    QVERIFY(bad.bind(QHostAddress(from), 0));
    QVERIFY(good.bind(QHostAddress::LocalHost, 0));
    bad.writeDatagram(token.isEmpty() ? QByteArray(rc::kHelloBytes, 'h')
                                      : rc::hello(nonce, count, rc::key(token.toUtf8(), nonce)),
                      kLeaderHost, rig.feed.datagramPort());
    good.writeDatagram(rc::hello(nonce, 1u << 30, rc::key(kToken.toUtf8(), nonce)), kLeaderHost,
                       rig.feed.datagramPort());
    QTRY_VERIFY_WITH_TIMEOUT(good.hasPendingDatagrams(), 5000);
    QVERIFY(good.receiveDatagram().data().size() <= rc::kHelloBytes);
    QVERIFY(!bad.hasPendingDatagrams());
}

QTEST_GUILESS_MAIN(tst_RunChannel)
#include "tst_runchannel.moc"
