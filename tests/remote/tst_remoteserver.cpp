// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "remote/RemoteServer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTranslator>
#include <QWebSocket>

#include <lo/lo.h>
#include <memory>

using remote::Command;
using remote::RemoteServer;
using remote::Verb;
Q_DECLARE_METATYPE(remote::Command)

namespace {
const QByteArray kToken = "0123456789abcdef0123456789abcdef";
}

// A real server on a free port of 127.0.0.1, spoken to as phones, desks and consoles speak to it.
class tst_RemoteServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void http_data();
    void http();
    void page();
    void pageIsTranslated();
    void floodIsLimited();
    void hugeBodyIsCutOff();
    void connectionsBeyondTheLimitAreRefused();
    void webSocket();
    void osc_data();
    void osc();
    void busyPort();

private:
    struct Reply
    {
        int status = 0;
        QByteArray body;
        QByteArray policy;
    };
    Reply send(const QByteArray &method, const QString &path, const QByteArray &token,
               const QByteArray &body = {});
    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->port()).arg(path));
    }
    bool startServer(bool osc = false, const QString &allow = {});

    FakePlatform m_platform;
    std::unique_ptr<RemoteServer> m_server;
    std::unique_ptr<QList<QVariantList>> m_commands; // each as a signal spy holds it
    QNetworkAccessManager m_net;
};

bool tst_RemoteServer::startServer(bool osc, const QString &allow)
{
    RemoteServer::Options o;
    o.address = QHostAddress::LocalHost;
    o.port = 0;
    o.token = kToken;
    o.osc = osc;
    o.oscAllow = allow;
    return m_server->start(o);
}

void tst_RemoteServer::init()
{
    qRegisterMetaType<remote::Command>();
    m_platform = FakePlatform();
    m_server = std::make_unique<RemoteServer>(m_platform);
    m_server->setStateSource([] { return QByteArray(R"({"running":false})"); });
    m_commands = std::make_unique<QList<QVariantList>>();
    m_server->setCommandHandler([this](const Command &c) {
        m_commands->append({QVariant::fromValue(c)});
        return run::Answer::done();
    });
    QVERIFY(startServer());
}

void tst_RemoteServer::cleanup()
{
    m_commands.reset();
    m_server.reset();
}

tst_RemoteServer::Reply tst_RemoteServer::send(const QByteArray &method, const QString &path,
                                               const QByteArray &token, const QByteArray &body)
{
    QNetworkRequest request(url(path));
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    std::unique_ptr<QNetworkReply> reply(m_net.sendCustomRequest(request, method, body));
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 5000))
        return {};
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
            reply->rawHeader("Content-Security-Policy")};
}

void tst_RemoteServer::http_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("verb"); // -1: no command

    const QByteArray t = kToken;
    const QString q = QStringLiteral("?token=") + QString::fromLatin1(kToken);
    QTest::newRow("state") << QByteArray("GET") << "/api/v1/state" << t << QByteArray() << 200 << -1;
    QTest::newRow("state, no token") << QByteArray("GET") << "/api/v1/state" << QByteArray() << QByteArray()
                                     << 401 << -1;
    QTest::newRow("action, no token")
        << QByteArray("POST") << "/api/v1/action/start" << QByteArray() << QByteArray() << 401 << -1;
    QTest::newRow("action, wrong token")
        << QByteArray("POST") << "/api/v1/action/start" << t.chopped(1) + "0" << QByteArray() << 401 << -1;
    QTest::newRow("action") << QByteArray("POST") << "/api/v1/action/start" << t << QByteArray() << 204
                            << int(Verb::Start);
    QTest::newRow("action, token in query") << QByteArray("POST") << "/api/v1/action/pageback" + q
                                            << QByteArray() << QByteArray() << 204 << int(Verb::PageBack);
    QTest::newRow("action by GET") << QByteArray("GET") << "/api/v1/action/start" << t << QByteArray() << 405
                                   << -1;
    QTest::newRow("unknown action") << QByteArray("POST") << "/api/v1/action/format" << t << QByteArray()
                                    << 404 << -1;
    QTest::newRow("speed") << QByteArray("POST") << "/api/v1/speed" << t << QByteArray(R"({"speed":9})")
                           << 204 << int(Verb::Speed);
    QTest::newRow("speed, malformed")
        << QByteArray("POST") << "/api/v1/speed" << t << QByteArray("{speed:9") << 400 << -1;
    QTest::newRow("jump to a character") << QByteArray("POST") << "/api/v1/jump" << t
                                         << QByteArray(R"({"char":120})") << 204 << int(Verb::JumpChar);
    QTest::newRow("body over 16 KB") << QByteArray("POST") << "/api/v1/speed" << t
                                     << QByteArray(R"({"speed":9,"x":")") + QByteArray(17000, ' ') + "\"}"
                                     << 413 << -1;
    QTest::newRow("elsewhere") << QByteArray("GET") << "/etc/passwd" << t << QByteArray() << 404 << -1;
}

void tst_RemoteServer::http()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, token);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(int, verb);
    const Reply r = send(method, path, token, body);
    QCOMPARE(r.status, status);
    QCOMPARE(m_commands->size(), verb < 0 ? 0 : 1);
    if (verb >= 0)
        QCOMPARE(int(m_commands->first().first().value<Command>().verb), verb);
    if (status == 200)
        QCOMPARE(r.body, QByteArray(R"({"running":false})"));
}

// The page comes only with its token, and only with a policy that lets no script in but its own.
void tst_RemoteServer::page()
{
    const Reply r = send("GET", QStringLiteral("/?token=") + QString::fromLatin1(kToken), {});
    QCOMPARE(r.status, 200);
    QVERIFY(r.body.contains(QByteArray("remote.js?token=" + kToken)));
    QVERIFY(r.policy.contains("script-src 'self'"));
    QVERIFY(r.policy.contains("default-src 'none'"));
    QCOMPARE(send("GET", QStringLiteral("/remote.js?token=") + QString::fromLatin1(kToken), {}).status, 200);
    QCOMPARE(send("GET", QStringLiteral("/"), {}).status, 401);
}

// A translated text reaches the page as it is served, escaped, and nothing is left untranslated.
void tst_RemoteServer::pageIsTranslated()
{
    struct Translator : QTranslator
    {
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            return QByteArray(context) == "remote::Page" && QByteArray(source) == "Reset"
                       ? QStringLiteral("<Anfang & \"so\">")
                       : QString();
        }
    } translator;
    QCoreApplication::installTranslator(&translator);
    const Reply r = send("GET", QStringLiteral("/?token=") + QString::fromLatin1(kToken), {});
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(r.body.contains("data-cmd=\"reset\">&lt;Anfang &amp; &quot;so&quot;&gt;</button>"));
    QVERIFY(r.body.contains("data-cmd=\"pageback\">Page back</button>"));
    QVERIFY(!r.body.contains("{{"));
}

void tst_RemoteServer::floodIsLimited()
{
    int limited = 0;
    for (int i = 0; i < 100; ++i)
        limited += send("POST", QStringLiteral("/api/v1/action/faster"), kToken).status == 429;
    QCOMPARE(m_commands->size(), int(remote::RateLimit::kBurst));
    QCOMPARE(limited, 100 - int(remote::RateLimit::kBurst));
    m_platform.now += 1000; // a second later, a second's worth goes through again
    QCOMPARE(send("POST", QStringLiteral("/api/v1/action/slower"), kToken).status, 204);
}

// A body far over the limit is not read into memory: the connection is cut while it comes.
void tst_RemoteServer::hugeBodyIsCutOff()
{
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, m_server->port());
    QVERIFY(s.waitForConnected(5000));
    s.write("POST /api/v1/speed HTTP/1.1\r\nHost: x\r\nAuthorization: Bearer " + kToken +
            "\r\nContent-Length: 100000000\r\n\r\n");
    const QByteArray chunk(64 * 1024, 'x');
    for (int i = 0; i < 64 && s.state() == QAbstractSocket::ConnectedState; ++i) {
        s.write(chunk);
        s.waitForBytesWritten(1000);
        QCoreApplication::processEvents();
    }
    QVERIFY(QTest::qWaitFor([&] { return s.state() == QAbstractSocket::UnconnectedState; }, 5000));
    QCOMPARE(m_commands->size(), 0);
    QCOMPARE(send("GET", QStringLiteral("/api/v1/state"), kToken).status, 200);
}

void tst_RemoteServer::connectionsBeyondTheLimitAreRefused()
{
    // One that has shown the token keeps its place, however many come after it.
    QTcpSocket proven;
    proven.connectToHost(QHostAddress::LocalHost, m_server->port());
    QVERIFY(proven.waitForConnected(5000));
    const QByteArray ask =
        "GET /api/v1/state HTTP/1.1\r\nHost: x\r\nAuthorization: Bearer " + kToken + "\r\n\r\n";
    proven.write(ask);
    QVERIFY(QTest::qWaitFor([&] { return proven.bytesAvailable() > 0; }, 5000));
    QVERIFY(proven.readAll().startsWith("HTTP/1.1 200"));
    // Of those that have not, the oldest gives its place to a newcomer.
    std::vector<std::unique_ptr<QTcpSocket>> open;
    for (int i = 0; i <= RemoteServer::kMaxUnproven; ++i) {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QHostAddress::LocalHost, m_server->port());
        QVERIFY(s->waitForConnected(5000));
        open.push_back(std::move(s));
    }
    QTcpSocket *first = open.front().get();
    QVERIFY(QTest::qWaitFor([&] { return first->state() == QAbstractSocket::UnconnectedState; }, 5000));
    for (auto *s : {&proven, open.back().get()}) {
        s->write(ask);
        QVERIFY(QTest::qWaitFor([&] { return s->bytesAvailable() > 0; }, 5000));
        QVERIFY(s->readAll().startsWith("HTTP/1.1 200"));
    }
}

void tst_RemoteServer::webSocket()
{
    const QString base = QStringLiteral("ws://127.0.0.1:%1/api/v1/ws").arg(m_server->port());
    QWebSocket stranger; // no token: let go at once, having heard nothing
    QSignalSpy strangerClosed(&stranger, &QWebSocket::disconnected);
    QSignalSpy strangerHeard(&stranger, &QWebSocket::textMessageReceived);
    stranger.open(QUrl(base));
    QVERIFY(strangerClosed.wait(5000));
    QCOMPARE(stranger.closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
    stranger.sendTextMessage(QStringLiteral(R"({"cmd":"start"})"));
    QCOMPARE(strangerHeard.size(), 0);

    QWebSocket phone;
    QStringList heard;
    connect(&phone, &QWebSocket::textMessageReceived, this, [&](const QString &m) { heard << m; });
    phone.open(QUrl(base + QStringLiteral("?token=") + QString::fromLatin1(kToken)));
    QVERIFY(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 5000));
    QCOMPARE(heard.takeFirst(), QStringLiteral(R"({"running":false})")); // the state, at once
    QCOMPARE(m_server->devices(), 1);
    QCOMPARE(m_commands->size(), 0);

    phone.sendTextMessage(QStringLiteral(R"({"cmd":"speed","speed":3})"));
    phone.sendTextMessage(QStringLiteral("not json"));
    phone.sendTextMessage(QStringLiteral(R"({"cmd":"toggle"})"));
    QVERIFY(QTest::qWaitFor([&] { return m_commands->size() == 2 && heard.size() == 1; }, 5000));
    QCOMPARE(m_commands->at(0).first().value<Command>(), (Command{Verb::Speed, 3, 0}));
    QCOMPARE(m_commands->at(1).first().value<Command>().verb, Verb::Toggle);
    QVERIFY(heard.takeFirst().contains(QLatin1String("error")));

    m_server->push(R"({"running":true})");
    QVERIFY(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 5000));
    QCOMPARE(heard.takeFirst(), QStringLiteral(R"({"running":true})"));

    phone.close();
    QVERIFY(QTest::qWaitFor([&] { return m_server->devices() == 0; }, 5000));
}

void tst_RemoteServer::osc_data()
{
    QTest::addColumn<QString>("allow");
    QTest::addColumn<bool>("taken");
    QTest::newRow("this machine, by default") << QString() << true;
    QTest::newRow("listed network") << QStringLiteral("10.0.0.0/8, 127.0.0.0/8") << true;
    QTest::newRow("not listed") << QStringLiteral("192.168.1.20") << false;
}

void tst_RemoteServer::osc()
{
    QFETCH(QString, allow);
    QFETCH(bool, taken);
    QVERIFY(startServer(true, allow));
    QSignalSpy ignored(m_server.get(), &RemoteServer::oscIgnored);
    QVERIFY(m_server->oscListening());
    const QByteArray port = QByteArray::number(m_server->port());
    lo_address to = lo_address_new("127.0.0.1", port.constData());
    lo_send(to, "/cuescroll/speed", "i", 11);
    lo_send(to, "/cuescroll/nonsense", "");
    lo_send(to, "/cuescroll/start", "");
    lo_address_free(to);
    QVERIFY(QTest::qWaitFor([&] { return m_commands->size() + ignored.size() == 3; }, 5000));
    if (taken) {
        QCOMPARE(m_commands->size(), 2);
        QCOMPARE(m_commands->at(0).first().value<Command>(), (Command{Verb::Speed, 11, 0}));
        QCOMPARE(m_commands->at(1).first().value<Command>().verb, Verb::Start);
    } else {
        QCOMPARE(m_commands->size(), 0);
        QVERIFY(ignored.first().first().toString().contains(QLatin1String("127.0.0.1")));
    }
}

void tst_RemoteServer::busyPort()
{
    RemoteServer second(m_platform);
    RemoteServer::Options o;
    o.address = QHostAddress::LocalHost;
    o.port = m_server->port();
    o.token = kToken;
    QVERIFY(!second.start(o));
    QVERIFY(!second.listening());
    QVERIFY2(second.errorString().contains(QString::number(o.port)), qPrintable(second.errorString()));
    QVERIFY(second.errorString().contains(QLatin1String("in use")));
}

QTEST_GUILESS_MAIN(tst_RemoteServer)
#include "tst_remoteserver.moc"
