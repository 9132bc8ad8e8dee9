// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "app/KeyInput.h"
#include "common/Modules.h"
#include "core/PrompterCore.h"
#include "remote/RemoteServer.h"
#include "remote/gui/RemoteControl.h"
#include "remote/gui/dlgRemote.h"
#include "settings/Settings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

using remote::Command;
using remote::Verb;

namespace {

// The state as the remotes hear it, without the moment it was taken.
QJsonObject seen(frmMain &w)
{
    QJsonObject o = QJsonDocument::fromJson(w.remote().stateJson()).object();
    o.remove(QStringLiteral("time"));
    return o;
}

} // namespace

// A remote's command does exactly what the key does, on the real prompter.
class tst_RemoteControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void commandIsTheKey_data();
    void commandIsTheKey();
    void commandsWithValues();
    void commandsNotCarriedOutAreRefused_data();
    void commandsNotCarriedOutAreRefused();
    void aPhoneHearsTheWholeStateFirstAndEachChangeAtOnce();
    void windowSaysWhenThePortIsBusy();
    void aDeviceWithoutItsModuleIsTold_data();
    void aDeviceWithoutItsModuleIsTold();
    void newTokenOnlyWhenMeant_data();
    void namesSayWhatIsShown();
    void newTokenOnlyWhenMeant();

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_siteDir;
};

void tst_RemoteControl::init()
{
    startFresh(m_settings, m_platform, m_dialogs, m_siteDir);
}

void tst_RemoteControl::commandIsTheKey_data()
{
    QTest::addColumn<int>("verb");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shift");
    using namespace keyinput;
    QTest::newRow("start") << int(Verb::Start) << int(Space) << 0;
    QTest::newRow("toggle") << int(Verb::Toggle) << int(F3) << 0;
    QTest::newRow("reset") << int(Verb::Reset) << int(Back) << 0;
    QTest::newRow("back") << int(Verb::Back) << int(Up) << 0;
    QTest::newRow("forward") << int(Verb::Forward) << int(Down) << 0;
    QTest::newRow("pageback") << int(Verb::PageBack) << int(PageUp) << 0;
    QTest::newRow("pageforward") << int(Verb::PageForward) << int(PageDown) << 0;
    QTest::newRow("home") << int(Verb::Home) << int(Home) << 0;
    QTest::newRow("end") << int(Verb::End) << int(End) << 0;
    QTest::newRow("slower") << int(Verb::Slower) << int(Left) << 0;
    QTest::newRow("faster") << int(Verb::Faster) << int(Right) << 0;
    QTest::newRow("down") << int(Verb::Down) << int(Down) << int(CtrlBit);
    QTest::newRow("fullscreen") << int(Verb::FullScreen) << int(F9) << 0;
}

void tst_RemoteControl::commandIsTheKey()
{
    QFETCH(int, verb);
    QFETCH(int, key);
    QFETCH(int, shift);
    const QString script = scriptOfLines(200);
    auto byKey = showPrompter(m_platform, m_dialogs, {});
    auto byRemote = showPrompter(m_platform, m_dialogs, {});
    for (frmMain *w : {byKey.get(), byRemote.get()}) {
        w->core().takeScript(script);
        w->core().command({run::Verb::GoTo, 0, 0.5}); // somewhere in the middle, so that every step shows
        w->core().command({run::Verb::Speed, 8});
    }
    QCOMPARE(seen(*byKey), seen(*byRemote));
    const QJsonObject before = seen(*byKey);

    byKey->HandleKey(key, shift);
    byRemote->remote().apply(Command{Verb(verb), 0, 0});
    QCOMPARE(seen(*byRemote), seen(*byKey));
    QVERIFY(seen(*byRemote) != before);
}

void tst_RemoteControl::commandsWithValues()
{
    auto w = showPrompter(m_platform, m_dialogs, {});
    w->core().takeScript(scriptOfLines(200));
    remote::RemoteControl &r = w->remote();
    r.apply({Verb::Speed, 12, 0});
    QCOMPARE(seen(*w).value(QStringLiteral("speed")).toInt(), 12);
    r.apply({Verb::GoTo, 0, 1.0});
    QCOMPARE(seen(*w).value(QStringLiteral("top")).toDouble(), -double(w->core().range()));
    QCOMPARE(seen(*w).value(QStringLiteral("progress")).toInt(), 100);
    const int line100 = int(w->core().plainText().indexOf(QLatin1String("Line 100 ")));
    r.apply({Verb::JumpChar, line100, 0});
    QCOMPARE(seen(*w).value(QStringLiteral("charAtLine")).toInt(), line100);
    QVERIFY(seen(*w).value(QStringLiteral("lineText")).toString().startsWith(QLatin1String("Line 100 of")));
}

// A command the prompter cannot carry out says why, with the status a program goes by, and leaves
// the run as it was; over the WebSocket the same answer comes as a message.
void tst_RemoteControl::commandsNotCarriedOutAreRefused_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("path"); // empty: over the WebSocket
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("running");
    QTest::newRow("no such marker, show running")
        << "running"
        << "/api/v1/jump" << QByteArray(R"({"marker":99})") << 404 << true;
    QTest::newRow("no such marker, by WebSocket")
        << "running" << QString() << QByteArray(R"({"cmd":"jump","marker":99})") << 404 << true;
    QTest::newRow("a marker that is there")
        << "running"
        << "/api/v1/jump" << QByteArray(R"({"marker":1})") << 204 << false;
    QTest::newRow("while marking") << "marking"
                                   << "/api/v1/jump" << QByteArray(R"({"marker":1})") << 409 << false;
    QTest::newRow("another window open") << "window"
                                         << "/api/v1/action/start" << QByteArray() << 409 << false;
}

void tst_RemoteControl::commandsNotCarriedOutAreRefused()
{
    QFETCH(QString, situation);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(bool, running);
    auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(200));
    remote::RemoteControl &r = w->remote();
    r.setAddress(QHostAddress::LocalHost);
    QVERIFY2(r.startForRun(quint16(0), false), qPrintable(r.error()));
    QVERIFY(!w->core().command({run::Verb::Mark, 100, 0, 20}).refused());
    QDialog other(w.get());
    if (situation == QLatin1String("running"))
        w->core().command({run::Verb::Start});
    else if (situation == QLatin1String("marking"))
        w->HandleKey(keyinput::F5, 0);
    else
        other.open();
    const float top = w->core().top();

    QByteArray answer;
    int got = 0;
    if (path.isEmpty()) {
        QWebSocket phone;
        QStringList heard;
        connect(&phone, &QWebSocket::textMessageReceived, this, [&](const QString &m) { heard << m; });
        phone.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/ws?token=%2").arg(r.port()).arg(r.token())));
        QVERIFY(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 5000)); // the state
        phone.sendTextMessage(QString::fromUtf8(body));
        // The refusal, told apart from the states (which carry error fields of their own).
        const auto refusal = [](const QString &m) {
            return QJsonDocument::fromJson(m.toUtf8()).object().contains(QLatin1String("status"));
        };
        QVERIFY(QTest::qWaitFor([&] { return std::any_of(heard.cbegin(), heard.cend(), refusal); }, 5000));
        answer = std::find_if(heard.cbegin(), heard.cend(), refusal)->toUtf8();
        got = QJsonDocument::fromJson(answer).object().value(QStringLiteral("status")).toInt();
    } else {
        QNetworkAccessManager net;
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(r.port()).arg(path)));
        request.setRawHeader("Authorization", "Bearer " + r.token().toUtf8());
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
        std::unique_ptr<QNetworkReply> reply(net.post(request, body));
        QVERIFY(QTest::qWaitFor([&] { return reply->isFinished(); }, 5000));
        got = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer = reply->readAll();
    }
    QCOMPARE(got, status);
    QCOMPARE(w->core().running(), running);
    if (status != 204) {
        QVERIFY(
            !QJsonDocument::fromJson(answer).object().value(QStringLiteral("error")).toString().isEmpty());
        QCOMPARE(w->core().top(), top);
    }
}

// The first state a phone hears is the true and whole one; a message set or cleared reaches it
// without waiting for anything else to change.
void tst_RemoteControl::aPhoneHearsTheWholeStateFirstAndEachChangeAtOnce()
{
    auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(200));
    remote::RemoteControl &r = w->remote();
    r.setAddress(QHostAddress::LocalHost);
    QVERIFY2(r.startForRun(quint16(0), false), qPrintable(r.error()));
    QWebSocket phone;
    QList<QJsonObject> heard;
    connect(&phone, &QWebSocket::textMessageReceived, this,
            [&](const QString &m) { heard << QJsonDocument::fromJson(m.toUtf8()).object(); });
    phone.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/ws?token=%2").arg(r.port()).arg(r.token())));
    QVERIFY(QTest::qWaitFor([&] { return !heard.isEmpty(); }, 5000));
    const QJsonObject first = heard.takeFirst();
    const QJsonObject now = QJsonDocument::fromJson(r.stateJson()).object();
    QCOMPARE(first.keys(), now.keys());
    for (const char *key : {"mos", "cueErrors", "timers", "rundown", "story", "message"})
        QVERIFY2(first.contains(QLatin1String(key)), key);
    QCOMPARE(first.value(QStringLiteral("timeToGo")).toString(), w->core().timeToGo());
    QVERIFY(first.value(QStringLiteral("timeToGo")).toString() != QLatin1String("00:00"));
    QCOMPARE(first.value(QStringLiteral("words")).toInt(), now.value(QStringLiteral("words")).toInt());

    const auto lastMessage = [&] {
        return heard.isEmpty() ? QJsonValue(QJsonValue::Undefined)
                               : heard.last().value(QStringLiteral("message"));
    };
    QVERIFY(!r.apply({Verb::Message, 0, 0, 0, QStringLiteral("Wrap up")}).refused());
    QVERIFY(QTest::qWaitFor([&] { return lastMessage() == QJsonValue(QStringLiteral("Wrap up")); }, 5000));
    QVERIFY(!r.apply({Verb::ClearMessage}).refused());
    QVERIFY(QTest::qWaitFor([&] { return lastMessage().isNull(); }, 5000));
}

// Turned on in the window: a busy port is said there and nothing listens; once free, it listens.
void tst_RemoteControl::windowSaysWhenThePortIsBusy()
{
    auto w = showPrompter(m_platform, m_dialogs, {});
    Settings *settings = w->findChild<Settings *>();
    QVERIFY(settings);
    QTcpServer squatter;
    QVERIFY(squatter.listen(QHostAddress::LocalHost, 0));
    const quint16 port = squatter.serverPort();
    settings->setRemotePort(port);
    remote::RemoteControl &r = w->remote();
    r.setAddress(QHostAddress::LocalHost);

    remote::dlgRemote window(*settings, r, m_dialogs, w.get());
    window.chkEnabled->setChecked(true);
    QVERIFY(!r.listening());
    QVERIFY2(window.lblStatus->text().contains(QString::number(port)), qPrintable(window.lblStatus->text()));
    QVERIFY(window.lblStatus->text().contains(QLatin1String("in use")));
    QVERIFY(window.picQr->isHidden());

    squatter.close();
    window.chkEnabled->setChecked(false);
    window.chkEnabled->setChecked(true);
    QVERIFY(r.listening());
    QCOMPARE(r.port(), port);
    QVERIFY(!window.picQr->isHidden());
    QVERIFY(!window.picQr->pixmap().isNull());
    QVERIFY(settings->remoteEnabled());
    QVERIFY(!settings->remoteToken().isEmpty());

    window.chkEnabled->setChecked(false);
    QVERIFY(!r.listening());
    QVERIFY(!settings->remoteEnabled());
}

void tst_RemoteControl::aDeviceWithoutItsModuleIsTold_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("MIDI") << "midi";
    QTest::newRow("game controllers") << "gamepad";
}

// The remote control and the window say which module is missing, as they tell a busy port; the
// server listens on.
void tst_RemoteControl::aDeviceWithoutItsModuleIsTold()
{
    QFETCH(QString, device);
    QTemporaryDir empty;
    modules::setDirectory(empty.path());
    auto restore = qScopeGuard([] { modules::setDirectory({}); });
    auto w = showPrompter(m_platform, m_dialogs, {});
    Settings *settings = w->findChild<Settings *>();
    QVERIFY(settings);
    remote::RemoteControl &r = w->remote();
    r.setAddress(QHostAddress::LocalHost);
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    settings->setRemotePort(probe.serverPort());
    probe.close();
    settings->setRemoteEnabled(true);
    if (device == QLatin1String("midi"))
        settings->setMidi(true);
    else
        settings->setGamepad(true);
    QVERIFY(!r.applySettings());
    QVERIFY(r.listening());
    const QString module = QDir::toNativeSeparators(empty.filePath(device + QLatin1String(".so")));
    QVERIFY2(r.error().contains(module), qPrintable(r.error()));
    remote::dlgRemote window(*settings, r, m_dialogs, w.get());
    QVERIFY2(window.lblStatus->text().contains(module), qPrintable(window.lblStatus->text()));

    // At start, with the server off, the operator is not told that it cannot listen.
    settings->setRemoteEnabled(false);
    auto next = showPrompter(m_platform, m_dialogs, {});
    QCoreApplication::processEvents();
    const QString told = m_dialogs.messages().value(m_dialogs.messages().size() - 1);
    QVERIFY2(told.contains(QLatin1String("Part of the remote control cannot start")) && told.contains(module),
             qPrintable(told));
}

void tst_RemoteControl::newTokenOnlyWhenMeant_data()
{
    QTest::addColumn<bool>("byReturn"); // Return in the port box, else a click on the button
    QTest::addColumn<bool>("agreed");
    QTest::addColumn<int>("phones");
    QTest::addColumn<bool>("forRun"); // on from the command line, not from the settings
    QTest::newRow("Return in the port box") << true << true << 1 << false;
    QTest::newRow("Return, on for the run") << true << true << 1 << true;
    QTest::newRow("declined") << false << false << 2 << false;
    QTest::newRow("agreed, one phone") << false << true << 1 << false;
    QTest::newRow("agreed, two phones") << false << true << 2 << true;
    QTest::newRow("agreed, none") << false << true << 0 << false;
}

// A new token cuts off every phone the panel counts: only ever after a question that says how many.
void tst_RemoteControl::newTokenOnlyWhenMeant()
{
    QFETCH(bool, byReturn);
    QFETCH(bool, agreed);
    QFETCH(int, phones);
    QFETCH(bool, forRun);
    auto w = showPrompter(m_platform, m_dialogs, {});
    Settings *settings = w->findChild<Settings *>();
    remote::RemoteControl &r = w->remote();
    r.setAddress(QHostAddress::LocalHost);
    QTcpServer probe; // a free port
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    settings->setRemotePort(probe.serverPort());
    probe.close();
    QVERIFY(!w->lblRemote->isVisible());
    if (forRun)
        QVERIFY(r.startForRun(std::nullopt, false));
    remote::dlgRemote window(*settings, r, m_dialogs, w.get());
    window.chkEnabled->setChecked(true);
    const QString token = r.token();
    std::vector<std::unique_ptr<QWebSocket>> sockets(phones);
    for (auto &phone : sockets) {
        phone = std::make_unique<QWebSocket>();
        phone->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/ws?token=%2").arg(r.port()).arg(token)));
        QTRY_COMPARE(phone->state(), QAbstractSocket::ConnectedState);
    }
    QTRY_COMPARE(r.devices(), phones);
    QVERIFY(w->lblRemote->isVisible());
    QVERIFY2(w->lblRemote->text().contains(QString::number(phones)), qPrintable(w->lblRemote->text()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_dialogs.shown.clear();
    m_dialogs.confirms = {agreed};
    if (byReturn)
        QTest::keyClick(window.spnPort, Qt::Key_Return);
    else
        QTest::mouseClick(window.cmdNewToken, Qt::LeftButton);
    QVERIFY(window.isVisible());
    QCOMPARE(m_dialogs.shown.size(), byReturn ? 0 : 1);
    if (!byReturn && phones > 0)
        QVERIFY2(m_dialogs.shown.first().text.contains(QString::number(phones)),
                 qPrintable(m_dialogs.shown[0].text));
    const bool replaced = agreed && !byReturn;
    QCOMPARE(settings->remoteToken() != token, replaced);
    QCOMPARE(r.devices(), replaced ? 0 : phones);
    for (const auto &phone : sockets) { // told why, so that the page asks for the new code
        if (replaced)
            QTRY_COMPARE(int(phone->closeCode()), int(remote::RemoteServer::kCloseTokenReplaced));
        QCOMPARE(phone->state() == QAbstractSocket::ConnectedState, !replaced);
    }
}

// A screen reader hears what the screen shows: a status by what it says now, a picture by what it is.
void tst_RemoteControl::namesSayWhatIsShown()
{
    auto w = showPrompter(m_platform, m_dialogs, {});
    remote::dlgRemote window(*w->findChild<Settings *>(), w->remote(), m_dialogs, w.get());
    const auto name = [](QWidget *shown) {
        return QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name);
    };
    for (QLabel *status : {w->lblFollow, w->lblRemote}) {
        for (const QString &caption :
             {QStringLiteral("Leading 2 prompters"), QStringLiteral("Leader lost")}) {
            status->setText(caption);
            QCOMPARE(name(status), caption);
        }
    }
    QVERIFY(!name(window.picQr).isEmpty());
    QVERIFY(!name(window.lblAddresses).isEmpty());
}

QTEST_MAIN(tst_RemoteControl)
#include "tst_remotecontrol.moc"
