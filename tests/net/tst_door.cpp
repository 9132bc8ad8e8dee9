// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "follow/LeaderFeed.h"
#include "follow/LeaderServer.h"
#include "net/Session.h"
#include "remote/RemoteServer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>
#include <QtEndian>

#include <lo/lo.h>
#include <memory>

using remote::RemoteServer;

namespace {

const QByteArray kToken = "0123456789abcdef0123456789abcdef";

// A client as a hostile or careless program would be: bytes on a socket, nothing more.
struct Raw
{
    QTcpSocket socket;
    QByteArray got;

    bool open(quint16 port, const char *from = "127.0.0.1")
    {
        socket.bind(QHostAddress(QString::fromLatin1(from)));
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(5000);
    }
    bool waitFor(const std::function<bool()> &done)
    {
        return QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                return done();
            },
            5000);
    }
    bool hears(const QByteArray &text)
    {
        return waitFor([&] { return got.contains(text); });
    }
    bool closed()
    {
        return waitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; });
    }
    bool openSocket(quint16 port, const QByteArray &path, const QByteArray &extra = {})
    {
        if (!open(port))
            return false;
        socket.write("GET " + path + "?token=" + kToken +
                     " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                     "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                     "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n" +
                     extra + "\r\n");
        if (!hears("\r\n\r\n") || !got.startsWith("HTTP/1.1 101"))
            return false;
        got.remove(0, got.indexOf("\r\n\r\n") + 4);
        return true;
    }
    void send(quint8 op, const QByteArray &payload, bool masked = true)
    {
        QByteArray f(1, char(0x80 | op));
        f += char((masked ? 0x80 : 0) | payload.size()); // short payloads only
        const QByteArray mask = masked ? QByteArray("\x11\x22\x33\x44") : QByteArray();
        f += mask;
        for (qsizetype i = 0; i < payload.size(); ++i)
            f += masked ? char(payload[i] ^ mask[i % 4]) : payload[i];
        socket.write(f);
    }
    // The next whole frame the server sent, as its opcode and payload.
    std::optional<QPair<int, QByteArray>> frame()
    {
        qsizetype head = 2;
        quint64 length = 0;
        const bool whole = waitFor([&] {
            if (got.size() < 2)
                return false;
            length = quint8(got[1]) & 0x7f;
            if (length == 126 && got.size() >= 4) {
                length = qFromBigEndian<quint16>(got.constData() + 2);
                head = 4;
            } else if (length == 127 && got.size() >= 10) {
                length = qFromBigEndian<quint64>(got.constData() + 2);
                head = 10;
            }
            return length < 126 || head > 2 ? got.size() >= head + qsizetype(length) : false;
        });
        if (!whole)
            return std::nullopt;
        const QPair<int, QByteArray> f{quint8(got[0]) & 0x0f, got.mid(head, qsizetype(length))};
        got.remove(0, head + qsizetype(length));
        return f;
    }
};

} // namespace

// The listener as hostile hosts, careless programs and slow networks meet it: a real server on
// 127.0.0.1, raw sockets, and deadlines moved by the clock.
class tst_Door : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void noHostLocksOthersOut_data();
    void noHostLocksOthersOut();
    void followersBehindOneAddressAllLink();
    void slowReaderGetsTheLatestState();
    void readerFarBehindIsLetGo();
    void socketsAreTimedAfterHandOver_data();
    void socketsAreTimedAfterHandOver();
    void followersAreRateLimited();
    void tokens_data();
    void tokens();
    void foreignPagesAreRefused_data();
    void foreignPagesAreRefused();
    void sprayCannotClearTheLimit();
    void oscHasItsOwnBudget();
    void oscStateOnlyToAllowedAddresses();
    void strictHttp_data();
    void strictHttp();
    void strictWebSocket_data();
    void strictWebSocket();

private:
    int get(const QString &path);
    void advance(int ms)
    {
        m_platform.now += ms;
        m_server->door()->sweep();
    }

    FakePlatform m_platform;
    std::unique_ptr<RemoteServer> m_server;
    std::unique_ptr<follow::LeaderFeed> m_feed;
    QList<follow::Command> m_followerCommands;
    QList<follow::Marker> m_markers;
    QNetworkAccessManager m_net;
};

void tst_Door::init()
{
    m_platform = FakePlatform();
    m_followerCommands.clear();
    m_markers.clear();
    follow::LeaderFeed::Prompter p{[this] { return m_platform.now; },
                                   [] { return follow::State{}; },
                                   [] { return QByteArray("{\\rtf1 Hi\\par}"); },
                                   [] { return follow::Look{}; },
                                   [this] { return m_markers; },
                                   [this](const follow::Command &c) { m_followerCommands << c; },
                                   {}};
    m_feed = std::make_unique<follow::LeaderFeed>(std::move(p));
    m_server = std::make_unique<RemoteServer>(m_platform);
    m_server->setStateSource([] { return QByteArray(R"({"running":false})"); });
    m_server->setFollowerTaker([this](net::Session *s) { m_feed->addFollower(s); });
    RemoteServer::Options o;
    o.address = QHostAddress::LocalHost;
    o.port = 0;
    o.token = kToken;
    o.osc = true;
    QVERIFY(m_server->start(o));
}

void tst_Door::cleanup()
{
    m_server.reset();
    m_feed.reset();
}

int tst_Door::get(const QString &path)
{
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->port()).arg(path)));
    request.setRawHeader("Authorization", "Bearer " + kToken);
    std::unique_ptr<QNetworkReply> reply(m_net.get(request));
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 5000))
        return 0;
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

void tst_Door::noHostLocksOthersOut_data()
{
    QTest::addColumn<int>("addresses");      // the forty connections come from this many
    QTest::addColumn<QByteArray>("trickle"); // a byte of it every two seconds
    QTest::newRow("one host, idle") << 1 << QByteArray();
    QTest::newRow("one host, trickling") << 1 << QByteArray("GET /api/v1/state HTTP/1.1\r\n");
    QTest::newRow("a crowd, idle") << 40 << QByteArray();
    QTest::newRow("a crowd, trickling") << 40 << QByteArray("GET /api/v1/state HTTP/1.1\r\n");
    QTest::newRow("a crowd, eight each") << 5 << QByteArray("GET /api/v1/state HTTP/1.1\r\n");
}

// Forty connections from one host or from many, saying nothing or a byte at a time, leave a token
// holder who opens a connection for each request served, and a phone's WebSocket opened before them
// working; those held get 408 at the deadline however they trickle, or give their places.
void tst_Door::noHostLocksOthersOut()
{
    QFETCH(int, addresses);
    QFETCH(QByteArray, trickle);
    Raw phone;
    QVERIFY(phone.openSocket(m_server->port(), "/api/v1/ws"));
    QVERIFY(phone.frame());
    std::vector<std::unique_ptr<Raw>> crowd;
    for (int i = 0; i < 40; ++i) {
        crowd.push_back(std::make_unique<Raw>());
        const QByteArray from = "127.0.1." + QByteArray::number(10 + i % addresses);
        QVERIFY(crowd.back()->open(m_server->port(), from.constData()));
    }
    QTRY_COMPARE(m_server->door()->connections(), RemoteServer::kMaxUnproven + 1);
    const QByteArray ask = "GET /api/v1/state HTTP/1.1\r\nHost: x\r\nConnection: close\r\n"
                           "Authorization: Bearer " +
                           kToken + "\r\n\r\n";
    for (int step = 0; step < 6; ++step) {
        for (auto &r : crowd) {
            if (!trickle.isEmpty() && r->socket.state() == QAbstractSocket::ConnectedState)
                r->socket.write(trickle.mid(step, 1));
        }
        Raw holder;
        QVERIFY(holder.open(m_server->port(), "127.0.0.9"));
        holder.socket.write(ask);
        QVERIFY(holder.hears("\r\n\r\n"));
        QVERIFY2(holder.got.startsWith("HTTP/1.1 200"), holder.got.constData());
        phone.send(1, R"({"cmd":"state"})");
        QVERIFY(phone.frame());
        advance(2000);
    }
    for (auto &r : crowd) {
        QVERIFY(r->closed());
        QVERIFY2(r->got.isEmpty() || r->got.startsWith("HTTP/1.1 408"), r->got.constData());
    }
    QCOMPARE(phone.socket.state(), QAbstractSocket::ConnectedState);
}

// Prompters behind one address each follow, however many, up to the leader's limit: they are
// counted as followers, not as connections from one host.
void tst_Door::followersBehindOneAddressAllLink()
{
    std::vector<std::unique_ptr<Raw>> followers;
    for (int i = 0; i < follow::LeaderFeed::kMaxFollowers + 2; ++i) {
        followers.push_back(std::make_unique<Raw>());
        QVERIFY(followers.back()->openSocket(m_server->port(), "/api/v1/follow"));
    }
    for (int i = 0; i < int(followers.size()); ++i) {
        const auto f = followers[i]->frame();
        QVERIFY(f);
        // Those beyond the limit are told to try again later (1013).
        QCOMPARE(f->first, i < follow::LeaderFeed::kMaxFollowers ? 1 : 8);
        if (i >= follow::LeaderFeed::kMaxFollowers)
            QCOMPARE(qFromBigEndian<quint16>(f->second.constData()), quint16(1013));
    }
    QCOMPARE(m_feed->followers(), follow::LeaderFeed::kMaxFollowers);
    followers.resize(12);
    QTRY_COMPARE(m_feed->followers(), 12);
    // A crowd that proved nothing does not push them out.
    std::vector<std::unique_ptr<Raw>> crowd;
    for (int i = 0; i < 2 * RemoteServer::kMaxUnproven; ++i) {
        crowd.push_back(std::make_unique<Raw>());
        QVERIFY(crowd.back()->open(m_server->port()));
        QCoreApplication::processEvents(); // taken as they come, as the listener's queue is short
    }
    QTRY_COMPARE(m_server->door()->connections(), 12 + RemoteServer::kMaxUnproven);
    QCOMPARE(m_feed->followers(), 12);
}

// A WebSocket client that stops reading is sent the newest state when it reads again, not every
// state that came meanwhile.
void tst_Door::slowReaderGetsTheLatestState()
{
    Raw sleeper;
    QVERIFY(sleeper.openSocket(m_server->port(), "/api/v1/ws"));
    QVERIFY(QTest::qWaitFor([&] { return m_server->devices() == 1; }, 5000));
    sleeper.socket.setReadBufferSize(1);
    const QByteArray padding(30000, 'x');
    constexpr int kPushes = 3000;
    for (int i = 1; i <= kPushes; ++i) {
        m_server->push("{\"n\":" + QByteArray::number(i) + ",\"pad\":\"" + padding + "\"}");
        if (i % 100 == 0)
            QCoreApplication::processEvents();
    }
    QVERIFY(m_server->door()->backlog() <= net::Limits{}.backlog + 2 * padding.size());
    sleeper.socket.setReadBufferSize(0);
    int states = 0;
    QByteArray last;
    const QByteArray final = "{\"n\":" + QByteArray::number(kPushes) + ",";
    while (!last.startsWith(final)) {
        const auto f = sleeper.frame();
        QVERIFY(f);
        last = f->second;
        ++states;
    }
    QVERIFY2(states < kPushes / 3, QByteArray::number(states).constData());
}

// What must arrive whole (markers, a script) is not dropped for a reader that lags; one that stops
// reading altogether is let go rather than followed by an ever longer queue.
void tst_Door::readerFarBehindIsLetGo()
{
    for (int i = 0; i < 1000; ++i)
        m_markers << follow::Marker{i * 10, 5, QString(60, QLatin1Char('m'))};
    Raw follower;
    QVERIFY(follower.openSocket(m_server->port(), "/api/v1/follow"));
    follower.socket.setReadBufferSize(1);
    QVERIFY(QTest::qWaitFor([&] { return m_feed->followers() == 1; }, 5000));
    for (int i = 0; i < 400 && m_feed->followers() == 1; ++i) {
        m_feed->markersChanged();
        QCoreApplication::processEvents();
    }
    QVERIFY(QTest::qWaitFor([&] { return m_feed->followers() == 0; }, 5000));
    QVERIFY(m_server->door()->backlog() < net::Limits{}.backlog);
}

void tst_Door::socketsAreTimedAfterHandOver_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("answers");
    QTest::newRow("follower, alive") << QByteArray("/api/v1/follow") << true;
    QTest::newRow("follower, gone silent") << QByteArray("/api/v1/follow") << false;
    QTest::newRow("phone, alive") << QByteArray("/api/v1/ws") << true;
    QTest::newRow("phone, gone silent") << QByteArray("/api/v1/ws") << false;
}

// A quiet WebSocket is asked whether it is there; one that answers stays however long, one that
// does not is let go, handed over to the leader or not.
void tst_Door::socketsAreTimedAfterHandOver()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, answers);
    Raw client;
    QVERIFY(client.openSocket(m_server->port(), path));
    QVERIFY(client.frame()); // the welcome, or the state
    const int quiet = net::Limits{}.quietMs;
    for (int round = 0; round < 10; ++round) {
        advance(quiet);
        if (!answers && round == 1) {
            QVERIFY(client.closed());
            return;
        }
        std::optional<QPair<int, QByteArray>> f;
        do {
            f = client.frame();
            QVERIFY(f);
        } while (f->first != 9);
        if (answers) {
            client.send(10, f->second);
            client.send(9, "still here"); // its answer shows the pong was read
            do {
                f = client.frame();
                QVERIFY(f);
            } while (f->first != 10);
        }
    }
    QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
}

// A follower's commands are held to a phone's rate: a burst, then a steady trickle.
void tst_Door::followersAreRateLimited()
{
    Raw follower;
    QVERIFY(follower.openSocket(m_server->port(), "/api/v1/follow"));
    QVERIFY(follower.frame());
    const QByteArray mark = follow::encode(follow::Command{QStringLiteral("faster"), 0});
    for (int i = 0; i < 100; ++i)
        follower.send(1, mark);
    follower.send(9, "done");
    QVERIFY(follower.waitFor([&] { return follower.got.contains("done"); }));
    QCOMPARE(m_followerCommands.size(), int(net::RateLimit::kBurst));
}

void tst_Door::tokens_data()
{
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<bool>("taken");
    QTest::newRow("one character") << QByteArray("1") << false;
    QTest::newRow("fifteen") << QByteArray("0123456789abcde") << false;
    QTest::newRow("sixteen") << QByteArray("0123456789abcdef") << true;
}

void tst_Door::tokens()
{
    QFETCH(QByteArray, token);
    QFETCH(bool, taken);
    RemoteServer other(m_platform);
    RemoteServer::Options o;
    o.address = QHostAddress::LocalHost;
    o.port = 0;
    o.token = token;
    QCOMPARE(other.start(o), taken);
    QCOMPARE(other.listening(), taken);
    QCOMPARE(other.errorString().contains(QLatin1String("16")), !taken);
    if (!taken) {
        follow::LeaderServer leader(*m_feed, QString::fromLatin1(token));
        QVERIFY(!leader.listen(QHostAddress::LocalHost, 0));
        QVERIFY(leader.errorString().contains(QLatin1String("16")));
    }
}

void tst_Door::foreignPagesAreRefused_data()
{
    QTest::addColumn<QByteArray>("origin"); // %1: the server's port
    QTest::addColumn<bool>("taken");
    QTest::newRow("no browser") << QByteArray() << true;
    QTest::newRow("its own page") << QByteArray("http://127.0.0.1:%1") << true;
    QTest::newRow("another site") << QByteArray("https://evil.example") << false;
    QTest::newRow("another port") << QByteArray("http://127.0.0.1:1") << false;
    QTest::newRow("a local file") << QByteArray("null") << false;
}

void tst_Door::foreignPagesAreRefused()
{
    QFETCH(QByteArray, origin);
    QFETCH(bool, taken);
    Raw page;
    const QByteArray header =
        origin.isEmpty() ? QByteArray()
                         : "Origin: " + origin.replace("%1", QByteArray::number(m_server->port())) + "\r\n";
    QCOMPARE(page.openSocket(m_server->port(), "/api/v1/ws", header), taken);
    if (!taken) {
        QVERIFY(page.got.startsWith("HTTP/1.1 403"));
        QVERIFY(page.got.contains("{\"error\":"));
        QCOMPARE(m_server->devices(), 0);
    }
}

// New sources by the thousand neither empty a flooding address's bucket nor grow the table.
void tst_Door::sprayCannotClearTheLimit()
{
    net::RateLimit limit;
    const QHostAddress flooder(QStringLiteral("10.0.0.1"));
    while (limit.take(flooder, 1000)) {
    }
    for (quint32 i = 0; i < 3 * net::RateLimit::kMaxSources; ++i)
        limit.take(QHostAddress(0x0b000000 + i), 1000);
    QVERIFY(!limit.take(flooder, 1000));
    // Once their buckets have filled up again the table makes room for new sources.
    const QHostAddress later(QStringLiteral("12.0.0.1"));
    QVERIFY(limit.take(later, 5000));
}

// Packets from a console, allowed or not, spend nothing of the phones' budget on the same host.
void tst_Door::oscHasItsOwnBudget()
{
    const QByteArray port = QByteArray::number(m_server->port());
    QSignalSpy ignored(m_server.get(), &RemoteServer::oscIgnored);
    lo_address to = lo_address_new("127.0.0.1", port.constData());
    for (int i = 0; i < 200; ++i)
        lo_send(to, "/cuescroll/nonsense", "");
    lo_address_free(to);
    // All of them lie waiting together and are read in one go: the first burst is heard of.
    QVERIFY(QTest::qWaitFor([&] { return ignored.size() == int(net::RateLimit::kBurst); }, 5000));
    QCOMPARE(get(QStringLiteral("/api/v1/state")), 200);
}

// The state is told only to an address OscAllow lets in: a query from any other, however it came,
// is not turned into an answer to it.
void tst_Door::oscStateOnlyToAllowedAddresses()
{
    RemoteServer::Options o;
    o.address = QHostAddress::LocalHost;
    o.port = 0;
    o.token = kToken;
    o.osc = true;
    o.oscAllow = QStringLiteral("127.0.0.1");
    QVERIFY(m_server->start(o));
    QSignalSpy asked(m_server.get(), &RemoteServer::oscStateAsked);
    QSignalSpy ignored(m_server.get(), &RemoteServer::oscIgnored);
    char query[64];
    size_t size = sizeof query;
    lo_message m = lo_message_new();
    lo_message_serialise(m, "/cuescroll/state", query, &size);
    lo_message_free(m);
    QUdpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));
    stranger.writeDatagram(query, qint64(size), QHostAddress::LocalHost, m_server->port());
    QVERIFY(ignored.wait(5000));
    QCOMPARE(asked.size(), 0);
    QUdpSocket desk;
    QVERIFY(desk.bind(QHostAddress::LocalHost, 0));
    desk.writeDatagram(query, qint64(size), QHostAddress::LocalHost, m_server->port());
    QVERIFY(asked.wait(5000));
    QCOMPARE(asked.first().at(1).value<quint16>(), desk.localPort());
}

void tst_Door::strictHttp_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("waitMs"); // on the clock, before the answer is due
    QTest::addColumn<QByteArray>("status");
    const QByteArray auth = "Authorization: Bearer " + kToken + "\r\n";
    QTest::newRow("two lengths") << "POST /api/v1/action/start HTTP/1.1\r\nHost: x\r\n" + auth +
                                        "Content-Length: 0\r\nContent-Length: 5\r\n\r\nhello"
                                 << 0 << QByteArray("400");
    QTest::newRow("TLS greeting") << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11) << 0
                                  << QByteArray("400");
    QTest::newRow("upgrade, no Connection")
        << "GET /api/v1/ws HTTP/1.1\r\nHost: x\r\n" + auth +
               "Upgrade: websocket\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: "
               "13\r\n\r\n"
        << 0 << QByteArray("400");
    QTest::newRow("header over the limit") << "GET / HTTP/1.1\r\nX: " + QByteArray(20000, 'a') + "\r\n\r\n"
                                           << 0 << QByteArray("431");
    QTest::newRow("body over the limit")
        << "POST /api/v1/speed HTTP/1.1\r\n" + auth + "Content-Length: 99999\r\n\r\n"
        << 0 << QByteArray("413");
    QTest::newRow("body shorter than said")
        << "POST /api/v1/speed HTTP/1.1\r\n" + auth + "Content-Length: 50\r\n\r\n{\"speed\":" << 10000
        << QByteArray("408");
    QTest::newRow("head never ends") << "GET /api/v1/state HTTP/1.1\r\n" + auth << 10000 << QByteArray("408");
}

// Every malformed, oversized or unfinished request is answered with its status and an error, then
// closed: none is held in silence.
void tst_Door::strictHttp()
{
    QFETCH(QByteArray, request);
    QFETCH(int, waitMs);
    QFETCH(QByteArray, status);
    Raw client;
    QVERIFY(client.open(m_server->port()));
    client.socket.write(request);
    QVERIFY(client.socket.waitForBytesWritten(5000));
    if (waitMs > 0) {
        QCoreApplication::processEvents();
        QVERIFY(client.got.isEmpty());
        advance(waitMs);
    }
    QVERIFY(client.closed());
    QVERIFY2(client.got.startsWith(QByteArray("HTTP/1.1 " + status)), client.got.left(80).constData());
    QVERIFY(client.got.contains("\r\n\r\n{\"error\":"));
}

void tst_Door::strictWebSocket_data()
{
    QTest::addColumn<int>("opcode");
    QTest::addColumn<bool>("masked");
    QTest::addColumn<int>("answer"); // the opcode of the server's answer
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("unmasked") << 1 << false << 8 << QByteArray("\x03\xea", 2); // 1002
    QTest::newRow("binary") << 2 << true << 1 << QByteArray("{\"error\":");
    QTest::newRow("unknown opcode") << 3 << true << 8 << QByteArray("\x03\xea", 2);
}

void tst_Door::strictWebSocket()
{
    QFETCH(int, opcode);
    QFETCH(bool, masked);
    QFETCH(int, answer);
    QFETCH(QByteArray, says);
    Raw phone;
    QVERIFY(phone.openSocket(m_server->port(), "/api/v1/ws"));
    QVERIFY(phone.frame()); // the state
    phone.send(quint8(opcode), R"({"cmd":"start"})", masked);
    const auto f = phone.frame();
    QVERIFY(f);
    QCOMPARE(f->first, answer);
    QVERIFY2(f->second.startsWith(says), f->second.constData());
}

QTEST_GUILESS_MAIN(tst_Door)
#include "tst_door.moc"
