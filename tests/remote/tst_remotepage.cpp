// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "core/PrompterCore.h"
#include "remote/gui/RemoteControl.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWebSocket>

#include <memory>

namespace {

// Chromium through its DevTools protocol: one page, its commands answered in order.
class Browser
{
public:
    ~Browser()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool start(const QString &program, QString &why)
    {
        m_process.setProgram(program);
        m_process.setArguments({QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"),
                                QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                                QStringLiteral("--remote-debugging-port=0"),
                                QStringLiteral("--user-data-dir=") + m_profile.path(),
                                QStringLiteral("about:blank")});
        m_process.start();
        if (!m_process.waitForStarted(10000)) {
            why = QStringLiteral("chromium (%1) does not start: %2").arg(program, m_process.errorString());
            return false;
        }
        static const QRegularExpression listening(QStringLiteral("DevTools listening on (ws://\\S+)"));
        QString err;
        QRegularExpressionMatch m;
        const bool up = QTest::qWaitFor(
            [&] {
                err += QString::fromLocal8Bit(m_process.readAllStandardError());
                m = listening.match(err);
                return m.hasMatch() || m_process.state() == QProcess::NotRunning;
            },
            30000);
        if (!up || !m.hasMatch()) {
            why = QStringLiteral("chromium gave no DevTools address: ") + err.right(500);
            return false;
        }
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived, &m_socket, [this](const QString &text) {
            const QJsonObject o = QJsonDocument::fromJson(text.toUtf8()).object();
            if (o.contains(QLatin1String("id")))
                m_answers.insert(o.value(QLatin1String("id")).toInt(), o);
        });
        m_socket.open(QUrl(m.captured(1)));
        return QTest::qWaitFor([&] { return m_socket.state() == QAbstractSocket::ConnectedState; }, 10000);
    }

    QJsonObject call(const QString &method, const QJsonObject &params = {})
    {
        const int id = ++m_lastId;
        QJsonObject message{{QStringLiteral("id"), id},
                            {QStringLiteral("method"), method},
                            {QStringLiteral("params"), params}};
        if (!m_session.isEmpty())
            message.insert(QStringLiteral("sessionId"), m_session);
        m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
        if (!QTest::qWaitFor([&] { return m_answers.contains(id); }, 20000))
            return {};
        return m_answers.take(id).value(QLatin1String("result")).toObject();
    }

    bool open(const QString &url)
    {
        const QString target = call(QStringLiteral("Target.createTarget"),
                                    {{QStringLiteral("url"), QStringLiteral("about:blank")}})
                                   .value(QLatin1String("targetId"))
                                   .toString();
        m_session = call(QStringLiteral("Target.attachToTarget"),
                         {{QStringLiteral("targetId"), target}, {QStringLiteral("flatten"), true}})
                        .value(QLatin1String("sessionId"))
                        .toString();
        if (m_session.isEmpty())
            return false;
        // A phone's screen, touch and all.
        call(QStringLiteral("Emulation.setDeviceMetricsOverride"), {{QStringLiteral("width"), 360},
                                                                    {QStringLiteral("height"), 740},
                                                                    {QStringLiteral("deviceScaleFactor"), 2},
                                                                    {QStringLiteral("mobile"), true}});
        call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}});
        return true;
    }

    QJsonValue eval(const QString &expression)
    {
        return call(QStringLiteral("Runtime.evaluate"),
                    {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}})
            .value(QLatin1String("result"))
            .toObject()
            .value(QLatin1String("value"));
    }

    bool waitFor(const QString &expression)
    {
        return QTest::qWaitFor([&] { return eval(expression).toBool(); }, 20000);
    }

    void tap(double x, double y)
    {
        for (const char *type : {"mousePressed", "mouseReleased"}) {
            call(QStringLiteral("Input.dispatchMouseEvent"),
                 {{QStringLiteral("type"), QLatin1String(type)},
                  {QStringLiteral("x"), x},
                  {QStringLiteral("y"), y},
                  {QStringLiteral("button"), QStringLiteral("left")},
                  {QStringLiteral("clickCount"), 1}});
        }
    }

private:
    QProcess m_process;
    QTemporaryDir m_profile;
    QWebSocket m_socket;
    QHash<int, QJsonObject> m_answers;
    QString m_session;
    int m_lastId = 0;
};

} // namespace

// The phone's page of the real prompter window, in a real browser.
class tst_RemotePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tappingStartRunsThePrompter();
};

void tst_RemotePage::tappingStartRunsThePrompter()
{
    std::unique_ptr<IsolatedSettings> settings;
    FakePlatform platform;
    FakeDialogs dialogs;
    QTemporaryDir siteDir;
    startFresh(settings, platform, dialogs, siteDir);
    auto w = showPrompter(platform, dialogs, {});
    w->core().takeScript(scriptOfLines(200));
    remote::RemoteControl &remote = w->remote();
    remote.setAddress(QHostAddress::LocalHost);
    QVERIFY2(remote.startForRun(quint16(0), false), qPrintable(remote.error()));

    const QString chromium = qEnvironmentVariable("CUESCROLL_CHROMIUM");
    QVERIFY2(!chromium.isEmpty() && !chromium.endsWith(QLatin1String("NOTFOUND")),
             "Debian's chromium is needed: apt install chromium");
    Browser browser;
    QString why;
    QVERIFY2(browser.start(chromium, why), qPrintable(why));
    const QString page = remote.pageAddresses().constLast();
    QVERIFY(page.startsWith(QLatin1String("http://127.0.0.1:")));
    QVERIFY(browser.open(page));

    QVERIFY2(browser.waitFor(QStringLiteral("document.getElementById('connection').className === 'online'")),
             "the page never connected");
    QVERIFY(browser.waitFor(
        QStringLiteral("document.getElementById('words').textContent === '%1'").arg(w->core().words())));
    // It fits a 360 px phone without sideways scrolling.
    QVERIFY(browser.eval(QStringLiteral("document.documentElement.scrollWidth <= 360")).toBool());
    QCOMPARE(browser.eval(QStringLiteral("document.getElementById('startstop').textContent")).toString(),
             QStringLiteral("Start"));

    const QJsonObject box =
        QJsonDocument::fromJson(
            browser
                .eval(QStringLiteral("JSON.stringify(document.getElementById('startstop')."
                                     "getBoundingClientRect())"))
                .toString()
                .toUtf8())
            .object();
    QVERIFY(box.value(QLatin1String("height")).toDouble() >= 64); // a thumb's target
    browser.tap(box.value(QLatin1String("x")).toDouble() + box.value(QLatin1String("width")).toDouble() / 2,
                box.value(QLatin1String("y")).toDouble() + box.value(QLatin1String("height")).toDouble() / 2);

    QVERIFY2(QTest::qWaitFor([&] { return w->core().running(); }, 20000),
             "the tap did not start the prompter");
    QVERIFY2(browser.waitFor(QStringLiteral("document.body.dataset.running === 'true' && "
                                            "document.getElementById('running').textContent === 'Running' && "
                                            "document.getElementById('startstop').textContent === 'Stop'")),
             "the page does not show the prompter running");
    QCOMPARE(remote.devices(), 1);

    // A new token cuts the phone off for good: it says so at the top and stops trying.
    remote.newToken();
    QVERIFY2(browser.waitFor(QStringLiteral("document.getElementById('connection').className === 'gone'")),
             "the page does not say it was cut off");
    QVERIFY(browser.eval(QStringLiteral("document.getElementById('error').textContent"))
                .toString()
                .contains(QLatin1String("scan the code again")));
    QVERIFY(
        browser.eval(QStringLiteral("document.getElementById('error').getBoundingClientRect().bottom < 200"))
            .toBool());
    QCOMPARE(remote.devices(), 0);
}

QTEST_MAIN(tst_RemotePage)
#include "tst_remotepage.moc"
