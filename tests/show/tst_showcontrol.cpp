// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "core/PrompterCore.h"
#include "core/TalentMessage.h"
#include "documents/Cues.h"
#include "remote/gui/RemoteControl.h"
#include "settings/modSettings.h"
#include "show/CueWatch.h"
#include "show/gui/ShowControl.h"
#include "studio/Studio.h"

#include <QAbstractTextDocumentLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkDatagram>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUdpSocket>

namespace {

// A web server of one address: records each POST's body and answers with `status`.
class HookServer : public QTcpServer
{
public:
    int status = 204;
    QList<QByteArray> bodies;

    HookServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { read(s); });
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/hook").arg(serverPort()); }

private:
    void read(QTcpSocket *s)
    {
        QByteArray &got = m_got[s];
        got += s->readAll();
        const qsizetype end = got.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const qsizetype lengthAt = got.toLower().indexOf("content-length:");
        const int length =
            lengthAt < 0
                ? 0
                : got.mid(lengthAt + 15, got.indexOf('\r', lengthAt) - lengthAt - 15).trimmed().toInt();
        if (got.size() < end + 4 + length)
            return;
        bodies << got.mid(end + 4, length);
        s->write("HTTP/1.1 " + QByteArray::number(status) +
                 " X\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        s->disconnectFromHost();
        m_got.remove(s);
    }
    QHash<QTcpSocket *, QByteArray> m_got;
};

QString scriptWithCue()
{
    QStringList lines = scriptOfLines(80).split(QStringLiteral("\r\n"));
    lines.insert(40, QStringLiteral("[[roll VT]]"));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class tst_ShowControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_siteDir); }

    // What the presenter reads is counted; the cues are listed where the remotes find them.
    void cuesAreNotRead_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("shown") << false;
        QTest::newRow("hidden") << true;
    }
    void cuesAreNotRead()
    {
        QFETCH(bool, hidden);
        auto w = showPrompter(m_platform, m_dialogs, {});
        w->core().command({run::Verb::HideCues, hidden ? 1 : 0});
        w->core().takeScript(QStringLiteral("one two\r\n[[roll VT]]\r\nthree\r\n[[ lights ]]"));
        QCOMPARE(w->core().words(), 3);
        QVERIFY(w->lblWords->text().startsWith(QLatin1String("3 ")));
        QCOMPARE(cues::readText(*w->core().document()),
                 QStringLiteral("one two\r\n           \r\nthree\r\n            "));
        const QJsonArray listed =
            QJsonDocument::fromJson(w->remote().stateJson()).object().value(QStringLiteral("cues")).toArray();
        QCOMPARE(listed, (QJsonArray{QJsonObject{{"text", "roll VT"}, {"start", 9}},
                                     QJsonObject{{"text", "lights"}, {"start", 29}}}));
        QCOMPARE(w->core().document()->findBlockByNumber(1).isVisible(), !hidden);
        // Cues are drawn smaller; the paragraphs around them keep the script's size.
        const QTextDocument *doc = w->core().document();
        const auto sizeOf = [doc](int block) {
            QTextCursor c(doc->findBlockByNumber(block));
            c.movePosition(QTextCursor::NextCharacter);
            const qreal size = c.charFormat().fontPointSize();
            return size > 0 ? size : doc->defaultFont().pointSizeF();
        };
        QVERIFY(sizeOf(1) < sizeOf(0));
        QCOMPARE(sizeOf(2), sizeOf(0));
    }

    // Passing the reading line fires once to every receiver; going back above it arms it again, and
    // a jump over it fires nothing.
    void aCueFiresOncePerPass()
    {
        HookServer hook;
        QUdpSocket osc;
        QVERIFY(osc.bind(QHostAddress::LocalHost, 0));
        modSettings::WriteSetting(QStringLiteral("General"), QStringLiteral("CueWebhook"), hook.address());
        modSettings::WriteSetting(QStringLiteral("General"), QStringLiteral("CueOsc"),
                                  QStringLiteral("127.0.0.1:%1").arg(osc.localPort()));
        auto w = showPrompter(m_platform, m_dialogs, {});
        w->core().takeScript(scriptWithCue());
        QSignalSpy fired(&w->showControl().watch(), &CueWatch::fired);
        const int cueAt = w->core().plainText().indexOf(QLatin1String("[[roll"));
        const auto forwardPast = [&] {
            while (w->core().charAtLine() <= cueAt + 12)
                w->core().command({run::Verb::Forward});
        };
        forwardPast();
        QCOMPARE(fired.size(), 1);
        QVERIFY(QTest::qWaitFor([&] { return !hook.bodies.isEmpty() && osc.hasPendingDatagrams(); }, 5000));
        const QJsonObject posted = QJsonDocument::fromJson(hook.bodies.first()).object();
        QCOMPARE(posted.value(QStringLiteral("cue")).toString(), QStringLiteral("roll VT"));
        QCOMPARE(posted.value(QStringLiteral("story")).toInt(), 1);
        QVERIFY(
            QDateTime::fromString(posted.value(QStringLiteral("time")).toString(), Qt::ISODate).isValid());
        const QByteArray datagram = osc.receiveDatagram().data();
        QVERIFY(datagram.startsWith(QByteArray("/cuescroll/cue\0\0", 16)));
        QVERIFY(datagram.contains("roll VT"));

        for (int i = 0; i < 5; ++i)
            w->core().command({run::Verb::Forward});
        QCOMPARE(fired.size(), 1);
        while (w->core().charAtLine() >= cueAt)
            w->core().command({run::Verb::Back});
        forwardPast();
        QCOMPARE(fired.size(), 2);
        w->core().command({run::Verb::GoTo, 0, 0});
        w->core().command({run::Verb::GoTo, 0, 1});
        QCOMPARE(fired.size(), 2);
        QVERIFY(QTest::qWaitFor([&] { return hook.bodies.size() == 2; }, 5000));
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("lblCueProblem"))->text().isEmpty());
    }

    // A web address that fails is told to the operator on the panel, in the panel's own size, and to
    // the remotes, until it takes a cue again; the script moves on meanwhile.
    void aFailedWebhookIsShown_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("server error") << 500;
        QTest::newRow("refused") << 0;
    }
    void aFailedWebhookIsShown()
    {
        QFETCH(int, status);
        HookServer hook;
        hook.status = status;
        QString address = hook.address();
        if (status == 0)
            hook.close(); // nothing listens there any more
        modSettings::WriteSetting(QStringLiteral("General"), QStringLiteral("CueWebhook"), address);
        auto w = showPrompter(m_platform, m_dialogs, {});
        w->core().takeScript(scriptWithCue());
        const int cueAt = w->core().plainText().indexOf(QLatin1String("[[roll"));
        const auto passTheCue = [&] {
            while (w->core().charAtLine() >= cueAt)
                w->core().command({run::Verb::Back});
            while (w->core().charAtLine() <= cueAt + 12)
                w->core().command({run::Verb::Forward});
        };
        passTheCue();
        QLabel *problem = w->findChild<QLabel *>(QStringLiteral("lblCueProblem"));
        QVERIFY(QTest::qWaitFor([&] { return !problem->text().isEmpty(); }, 5000));
        QVERIFY(problem->text().contains(QLatin1String("roll VT")));
        QVERIFY(problem->isVisible());
        QCOMPARE(problem->parentWidget(), w->picPanel);
        QCOMPARE(problem->font(), w->lblToGo->font());
        const auto cueErrors = [&] {
            return QJsonDocument::fromJson(w->remote().stateJson())
                .object()[QStringLiteral("cueErrors")]
                .toArray();
        };
        QCOMPARE(cueErrors().size(), 1);
        QVERIFY(cueErrors().at(0).toString().contains(address));
        if (!qEnvironmentVariableIsEmpty("CUESCROLL_SCREENSHOTS"))
            w->grab().save(qEnvironmentVariable("CUESCROLL_SCREENSHOTS") +
                           QStringLiteral("/failed-webhook.png"));
        if (status == 0)
            return;
        hook.status = 204; // mended: the next cue goes out well, and the warning goes
        passTheCue();
        QVERIFY(QTest::qWaitFor([&] { return problem->isHidden(); }, 5000));
        QCOMPARE(cueErrors().size(), 0);
    }

    // Through the API: shown over the picture until its time on the run's clock is up, or cleared.
    void aMessageIsShownAndGoes()
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(50));
        remote::RemoteControl &r = w->remote();
        r.setAddress(QHostAddress::LocalHost);
        QVERIFY2(r.startForRun(quint16(0), false), qPrintable(r.error()));
        QNetworkAccessManager net;
        const auto ask = [&](const QByteArray &verb, const QByteArray &body) {
            QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/api/v1/message").arg(r.port())));
            request.setRawHeader("Authorization", "Bearer " + r.token().toUtf8());
            request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
            std::unique_ptr<QNetworkReply> reply(net.sendCustomRequest(request, verb, body));
            [[maybe_unused]] const bool done = QTest::qWaitFor([&] { return reply->isFinished(); }, 5000);
            return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        };
        const auto shown = [&] {
            const QJsonValue m =
                QJsonDocument::fromJson(r.stateJson()).object().value(QStringLiteral("message"));
            return m.isNull() ? QStringLiteral("(null)") : m.toString();
        };
        QCOMPARE(shown(), QStringLiteral("(null)"));
        QCOMPARE(ask("POST", R"({"text":"Wrap\u0007\nup  ","seconds":30})"), 204);
        QCOMPARE(shown(), QStringLiteral("Wrap up"));
        QCOMPARE(w->studio()->countdownOverlay()->message(), QStringLiteral("Wrap up"));
        QVERIFY(w->studio()->countdownOverlay()->isVisible());
        TalentMessage &m = w->core().message();
        m_platform.now += 29999;
        m.messageTimeout();
        QCOMPARE(shown(), QStringLiteral("Wrap up"));
        m_platform.now += 1;
        m.messageTimeout();
        QCOMPARE(shown(), QStringLiteral("(null)"));
        QVERIFY(!w->studio()->countdownOverlay()->isVisible());

        QCOMPARE(ask("POST", R"({"text":"30 seconds"})"), 204);
        m_platform.now += 3600 * 1000;
        m.messageTimeout();
        QCOMPARE(shown(), QStringLiteral("30 seconds"));
        QCOMPARE(ask("DELETE", {}), 204);
        QCOMPARE(shown(), QStringLiteral("(null)"));

        for (const QByteArray &body :
             {QByteArray(R"({"text":" \t "})"), QByteArray(R"({"text":"x","seconds":-1})"),
              QByteArray(R"({"seconds":5})")})
            QCOMPARE(ask("POST", body), 400);
        QCOMPARE(ask("POST", R"({"text":")" + QByteArray(300, 'x') + R"("})"), 204);
        QCOMPARE(shown().size(), TalentMessage::kMaxLength);
    }

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_siteDir;
};

QTEST_MAIN(tst_ShowControl)
#include "tst_showcontrol.moc"
