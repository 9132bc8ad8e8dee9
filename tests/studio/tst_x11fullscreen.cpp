// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/KeyInput.h"
#include "app/frmMain.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

// Full screen on an X server with a window manager, which gives a maximised window a title bar.
class tst_x11fullscreen : public QObject
{
    Q_OBJECT

    QProcess m_wm;
    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb") ||
            QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
            QFAIL("needs an X server, openbox and xprop: scripts/install-deps --tests installs them");
        m_wm.setStandardErrorFile(QProcess::nullDevice());
        m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY(m_wm.waitForStarted());
        // A window shown before the window manager has taken the screen may never be framed.
        const auto managed = [] {
            QProcess xprop;
            xprop.start(QStringLiteral("xprop"),
                        {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            xprop.waitForFinished(5000);
            return xprop.readAllStandardOutput().contains("window id");
        };
        QTRY_VERIFY_WITH_TIMEOUT(managed(), 10000);
        m_settings = std::make_unique<IsolatedSettings>();
    }

    void f9CoversTheTitleBarAndGivesItBack()
    {
        frmMain w(m_platform, m_dialogs);
        w.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect screen = w.screen()->geometry();
        // The window manager's frame: the title bar above the client area.
        QTRY_VERIFY(w.isMaximized() && w.geometry().top() > w.frameGeometry().top());
        w.HandleKey(keyinput::F9, 0);
        // No panel here: maximised, the frame already fills the screen; full screen, the client does.
        QTRY_COMPARE(w.geometry(), screen);
        QCOMPARE(w.frameGeometry(), screen);
        w.HandleKey(keyinput::F9, 0);
        // The window manager may report the states one at a time: the end is maximised and framed.
        QTRY_VERIFY(!w.isFullScreen() && w.isMaximized() && w.geometry().top() > w.frameGeometry().top());
    }

    void cleanupTestCase()
    {
        m_wm.terminate();
        m_wm.waitForFinished(5000);
    }
};

QTEST_MAIN(tst_x11fullscreen)
#include "tst_x11fullscreen.moc"
