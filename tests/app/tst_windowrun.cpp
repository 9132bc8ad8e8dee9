// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/KeyInput.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "settings/modSettings.h"

#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using Command = std::function<void(PrompterCore &)>;
Q_DECLARE_METATYPE(Command)

namespace {

Command verb(run::Verb v)
{
    return [v](PrompterCore &c) { c.command({v}); };
}

} // namespace

using Hand = std::function<void(frmMain &)>; // on the window's controls, or on its core
Q_DECLARE_METATYPE(Hand)

namespace {

std::unique_ptr<frmMain> prompter(FakePlatform &platform, FakeDialogs &dialogs)
{
    auto w = std::make_unique<frmMain>(platform, dialogs);
    w->core().takeScript(scriptOfLines(300));
    w->resize(1000, 700);
    w->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(w.get());
    w->Form_Resize();
    // Somewhere in the middle, at a middling speed: every command has room to act.
    w->core().command({run::Verb::GoTo, 0, 0.5});
    w->core().command({run::Verb::Speed, 8});
    return w;
}

QString stateOf(const PrompterCore &c)
{
    return QStringLiteral("top %1 speed %2 %3 %4 %5")
        .arg(c.top())
        .arg(c.speed())
        .arg(c.direction() == PrompterCore::Direction::Up ? "up" : "down",
             c.running() ? "running" : "stopped", c.fullScreen() ? "full" : "windowed");
}

} // namespace

// The prompter window bound to its run: its keys and its panel.
class tst_WindowRun : public QObject
{
    Q_OBJECT

    FakePlatform m_platform;
    FakeDialogs m_dialogs;

private Q_SLOTS:
    void initTestCase() { modSettings::setIniFilePath(QStringLiteral("/nonexistent/Settings.ini")); }

    // A remote command and the operator's key leave the run in the same state.
    void commandIsItsKey_data()
    {
        using namespace keyinput;
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("toggle") << verb(run::Verb::Toggle) << int(Space) << 0;
        QTest::newRow("reset") << verb(run::Verb::Reset) << int(Back) << 0;
        QTest::newRow("back") << verb(run::Verb::Back) << int(Up) << 0;
        QTest::newRow("forward") << verb(run::Verb::Forward) << int(Down) << 0;
        QTest::newRow("page back") << verb(run::Verb::PageBack) << int(PageUp) << 0;
        QTest::newRow("page forward") << verb(run::Verb::PageForward) << int(PageDown) << 0;
        QTest::newRow("home") << verb(run::Verb::Home) << int(Home) << 0;
        QTest::newRow("end") << verb(run::Verb::End) << int(End) << 0;
        QTest::newRow("slower") << verb(run::Verb::Slower) << int(Left) << 0;
        QTest::newRow("faster") << verb(run::Verb::Faster) << int(Right) << 0;
        QTest::newRow("down") << verb(run::Verb::Down) << int(Down) << int(CtrlBit);
        QTest::newRow("full screen") << verb(run::Verb::FullScreen) << int(F9) << 0;
    }
    void commandIsItsKey()
    {
        QFETCH(Command, command);
        QFETCH(int, code);
        QFETCH(int, shift);
        auto byKey = prompter(m_platform, m_dialogs);
        auto byCommand = prompter(m_platform, m_dialogs);
        const QString before = stateOf(byKey->core());
        byKey->HandleKey(code, shift);
        command(byCommand->core());
        QCOMPARE(stateOf(byCommand->core()), stateOf(byKey->core()));
        QVERIFY2(stateOf(byKey->core()) != before, "the key changed nothing");
    }

    // The panel shows the run as the core holds it, and a control moved by any means moves the run.
    void panelAndRunAgree_data()
    {
        QTest::addColumn<Hand>("hand");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("progress"); // below 0: wherever the middle of the script is
        QTest::newRow("faster") << Hand([](frmMain &w) { w.core().command({run::Verb::Faster}); }) << 9
                                << true << -1;
        QTest::newRow("speed command") << Hand([](frmMain &w) {
            w.core().command({run::Verb::Speed, 3});
        }) << 3 << true << -1;
        QTest::newRow("down command")
            << Hand([](frmMain &w) { w.core().command({run::Verb::Down}); }) << 8 << false << -1;
        QTest::newRow("slider set") << Hand([](frmMain &w) { w.sldSpeed->setValue(13); }) << 13 << true << -1;
        QTest::newRow("down button") << Hand([](frmMain &w) { w.optDown->click(); }) << 8 << false << -1;
        QTest::newRow("down and up again") << Hand([](frmMain &w) {
            w.optDown->setChecked(true);
            w.optUp->setChecked(true);
        }) << 8 << true << -1;
        QTest::newRow("end") << Hand([](frmMain &w) { w.core().command({run::Verb::End}); }) << 8 << true
                             << 100;
        QTest::newRow("reset") << Hand([](frmMain &w) { w.core().command({run::Verb::Reset}); }) << 8 << true
                               << 0;
    }
    void panelAndRunAgree()
    {
        QFETCH(Hand, hand);
        QFETCH(int, speed);
        QFETCH(bool, up);
        QFETCH(int, progress);
        auto w = prompter(m_platform, m_dialogs);
        hand(*w);
        const PrompterCore &c = w->core();
        QCOMPARE(c.speed(), speed);
        QCOMPARE(c.direction() == PrompterCore::Direction::Up, up);
        if (progress >= 0)
            QCOMPARE(c.progress(), progress);
        else
            QVERIFY(c.progress() > 0 && c.progress() < 100);
        QCOMPARE(w->sldSpeed->value(), c.speed());
        QCOMPARE(w->optUp->isChecked(), up);
        QCOMPARE(w->optDown->isChecked(), !up);
        QCOMPARE(w->prgDoc->value(), c.progress());
        QCOMPARE(w->lblToGo->text(), c.timeToGo());
        QVERIFY(!c.timeToGo().isEmpty());
    }
};

QTEST_MAIN(tst_WindowRun)
#include "tst_windowrun.moc"
