// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "app/KeyInput.h"
#include "core/PrompterCore.h"
#include "remote/RemoteControl.h"
#include "remote/RemoteServer.h"
#include "remote/dlgRemote.h"
#include "settings/Settings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>
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
    void windowSaysWhenThePortIsBusy();
    void newTokenOnlyWhenMeant_data();
    void panelShowsTheRemote_data();
    void panelShowsTheRemote();
    void namesSayWhatIsShown_data();
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
        w->core().goToFraction(0.5); // somewhere in the middle, so that every step shows
        w->core().setSpeed(8);
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

void tst_RemoteControl::newTokenOnlyWhenMeant_data()
{
    QTest::addColumn<QString>("act"); // "return": Return in the port box; "click": the button
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("phones");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Return in the port box") << "return" << QList<bool>{true} << 1 << false;
    QTest::newRow("declined") << "click" << QList<bool>{false} << 2 << false;
    QTest::newRow("agreed, one phone") << "click" << QList<bool>{true} << 1 << true;
    QTest::newRow("agreed, two phones") << "click" << QList<bool>{true} << 2 << true;
    QTest::newRow("agreed, none") << "click" << QList<bool>{true} << 0 << true;
}

// A new token cuts every phone off: only ever after a question that says how many.
void tst_RemoteControl::newTokenOnlyWhenMeant()
{
    QFETCH(QString, act);
    QFETCH(QList<bool>, answers);
    QFETCH(int, phones);
    QFETCH(bool, replaced);
    auto w = showPrompter(m_platform, m_dialogs, {});
    Settings *settings = w->findChild<Settings *>();
    remote::RemoteControl &r = w->remote();
    r.setAddress(QHostAddress::LocalHost);
    QTcpServer probe; // a free port
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    settings->setRemotePort(probe.serverPort());
    probe.close();
    remote::dlgRemote window(*settings, r, m_dialogs, w.get());
    window.chkEnabled->setChecked(true);
    QVERIFY(r.listening());
    const QString token = r.token();
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    for (int i = 0; i < phones; ++i) {
        sockets.push_back(std::make_unique<QWebSocket>());
        sockets.back()->open(
            QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/ws?token=%2").arg(r.port()).arg(token)));
    }
    QTRY_COMPARE(r.devices(), phones);
    for (const auto &phone : sockets)
        QTRY_COMPARE(phone->state(), QAbstractSocket::ConnectedState);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_dialogs.shown.clear();
    m_dialogs.confirms = answers;

    if (act == QLatin1String("return")) {
        window.spnPort->setFocus();
        QTest::keyClick(window.spnPort, Qt::Key_Return);
        QTest::keyClick(&window, Qt::Key_Enter);
        QVERIFY(window.isVisible());
        QVERIFY(m_dialogs.shown.isEmpty());
    } else {
        QTest::mouseClick(window.cmdNewToken, Qt::LeftButton);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().kind, QStringLiteral("confirm"));
        const QString text = m_dialogs.shown.first().text;
        if (phones > 0)
            QVERIFY2(text.contains(QString::number(phones)), qPrintable(text));
    }
    QCOMPARE(r.token() != token, replaced);
    QCOMPARE(settings->remoteToken() != token, replaced);
    QTRY_COMPARE(r.devices(), replaced ? 0 : phones);
    for (const auto &phone : sockets) {
        // Told why, so that the page asks for the new code instead of trying again.
        if (replaced)
            QTRY_COMPARE(int(phone->closeCode()), int(remote::RemoteServer::kCloseTokenReplaced));
        QCOMPARE(phone->state() == QAbstractSocket::ConnectedState, !replaced);
    }
}

void tst_RemoteControl::panelShowsTheRemote_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("phones");
    QTest::newRow("off") << false << 0;
    QTest::newRow("on, none") << true << 0;
    QTest::newRow("on, one") << true << 1;
    QTest::newRow("on, three") << true << 3;
}

// The operator sees in the panel that the prompter takes commands from the network, and from how many.
void tst_RemoteControl::panelShowsTheRemote()
{
    QFETCH(bool, on);
    QFETCH(int, phones);
    auto w = showPrompter(m_platform, m_dialogs, {});
    remote::RemoteControl &r = w->remote();
    r.setAddress(QHostAddress::LocalHost);
    if (on)
        QVERIFY(r.startForRun(quint16(0), false));
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    for (int i = 0; i < phones; ++i) {
        sockets.push_back(std::make_unique<QWebSocket>());
        sockets.back()->open(
            QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/ws?token=%2").arg(r.port()).arg(r.token())));
    }
    QTRY_COMPARE(r.devices(), phones);
    QCOMPARE(w->lblRemote->isVisible(), on);
    if (on) {
        QVERIFY2(w->lblRemote->text().contains(QString::number(phones)), qPrintable(w->lblRemote->text()));
        QVERIFY(w->lblRemote->geometry().intersects(w->picPanel->rect()));
        // Beside the other captions of the panel, never over them.
        const std::initializer_list<const QWidget *> others{w->lblFollow, w->lblToGo, w->sldSpeed,
                                                            w->optDown};
        for (const QWidget *other : others)
            QVERIFY2(!w->lblRemote->geometry().intersects(other->geometry()),
                     qPrintable(other->objectName()));
    }
    QVERIFY(r.applySettings()); // as stored: off
    QVERIFY(!w->lblRemote->isVisible());
}

void tst_RemoteControl::namesSayWhatIsShown_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("caption"); // set first; empty: the widget's own
    QTest::newRow("leading") << "lblFollow"
                             << "Leading 2 prompters";
    QTest::newRow("leader lost") << "lblFollow"
                                 << "Leader lost";
    QTest::newRow("remote") << "lblRemote"
                            << "Remote control on, 2 devices";
    QTest::newRow("QR code") << "picQr"
                             << "";
    QTest::newRow("addresses") << "lblAddresses"
                               << "";
}

// A screen reader hears what the screen shows: a status by what it says now, a picture by what it is.
void tst_RemoteControl::namesSayWhatIsShown()
{
    QFETCH(QString, widget);
    QFETCH(QString, caption);
    auto w = showPrompter(m_platform, m_dialogs, {});
    Settings *settings = w->findChild<Settings *>();
    remote::dlgRemote window(*settings, w->remote(), m_dialogs, w.get());
    auto *label = w->findChild<QLabel *>(widget);
    if (!label)
        label = window.findChild<QLabel *>(widget);
    QVERIFY(label);
    QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(label);
    QVERIFY(seen);
    if (!caption.isEmpty()) {
        label->setText(caption);
        QCOMPARE(seen->text(QAccessible::Name), caption);
    } else {
        QVERIFY(!seen->text(QAccessible::Name).isEmpty());
    }
}

QTEST_MAIN(tst_RemoteControl)
#include "tst_remotecontrol.moc"
