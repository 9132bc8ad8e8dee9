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
            QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            QSKIP("needs an X server and openbox");
        m_wm.setStandardErrorFile(QProcess::nullDevice());
        m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY(m_wm.waitForStarted());
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
        QTRY_VERIFY(!w.isFullScreen() && w.geometry().top() > w.frameGeometry().top());
        QVERIFY(w.isMaximized());
    }

    void cleanupTestCase()
    {
        m_wm.terminate();
        m_wm.waitForFinished(5000);
    }
};

QTEST_MAIN(tst_x11fullscreen)
#include "tst_x11fullscreen.moc"
