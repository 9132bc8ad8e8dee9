// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/KeyInput.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "scroll/ScrollClock.h"
#include "settings/modSettings.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using Command = std::function<void(PrompterCore &)>;
Q_DECLARE_METATYPE(Command)
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
    w->core().goToFraction(0.5);
    w->core().setSpeed(8);
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

class tst_Core : public QObject
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
        QTest::newRow("toggle") << Command(&PrompterCore::toggle) << int(Space) << 0;
        QTest::newRow("reset") << Command(&PrompterCore::reset) << int(Back) << 0;
        QTest::newRow("back") << Command(&PrompterCore::stepBack) << int(Up) << 0;
        QTest::newRow("forward") << Command(&PrompterCore::stepForward) << int(Down) << 0;
        QTest::newRow("page back") << Command(&PrompterCore::pageBack) << int(PageUp) << 0;
        QTest::newRow("page forward") << Command(&PrompterCore::pageForward) << int(PageDown) << 0;
        QTest::newRow("home") << Command(&PrompterCore::home) << int(Home) << 0;
        QTest::newRow("end") << Command(&PrompterCore::end) << int(End) << 0;
        QTest::newRow("slower") << Command(&PrompterCore::slower) << int(Left) << 0;
        QTest::newRow("faster") << Command(&PrompterCore::faster) << int(Right) << 0;
        QTest::newRow("down") << Command([](PrompterCore &c) {
            c.setDirection(PrompterCore::Direction::Down);
        }) << int(Down) << int(CtrlBit);
        QTest::newRow("full screen") << Command(&PrompterCore::toggleFullScreen) << int(F9) << 0;
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

    // Each change is told once, and a command that changes nothing tells nothing.
    void signalOncePerChange_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArray>("told"); // the signals expected once each; every other one never
        QTest::newRow("start") << Command(&PrompterCore::start) << QByteArray("running");
        QTest::newRow("stop while stopped") << Command(&PrompterCore::stop) << QByteArray();
        QTest::newRow("faster") << Command(&PrompterCore::faster) << QByteArray("speed");
        QTest::newRow("same speed") << Command([](PrompterCore &c) { c.setSpeed(8); }) << QByteArray();
        QTest::newRow("speed past the top")
            << Command([](PrompterCore &c) { c.setSpeed(99); }) << QByteArray("speed");
        QTest::newRow("down") << Command([](PrompterCore &c) {
            c.setDirection(PrompterCore::Direction::Down);
        }) << QByteArray("direction");
        QTest::newRow("up while up") << Command([](PrompterCore &c) {
            c.setDirection(PrompterCore::Direction::Up);
        }) << QByteArray();
        QTest::newRow("step") << Command(&PrompterCore::stepForward) << QByteArray("position");
        QTest::newRow("end") << Command(&PrompterCore::end) << QByteArray("position progress");
        QTest::newRow("reset") << Command(&PrompterCore::reset) << QByteArray("position progress");
        QTest::newRow("to where it is")
            << Command([](PrompterCore &c) { c.goToFraction(0.5); }) << QByteArray();
        QTest::newRow("full screen") << Command(&PrompterCore::toggleFullScreen) << QByteArray("fullScreen");
        QTest::newRow("mark mode") << Command([](PrompterCore &c) { c.doAction(QStringLiteral("Mark")); })
                                   << QByteArray("markMode");
        QTest::newRow("new script") << Command([](PrompterCore &c) { c.takeScript(scriptOfLines(3)); })
                                    << QByteArray("script position");
    }
    void signalOncePerChange()
    {
        QFETCH(Command, command);
        QFETCH(QByteArray, told);
        auto w = prompter(m_platform, m_dialogs);
        PrompterCore &c = w->core();
        const QList<QByteArray> expected = told.split(' ');
        struct Watch
        {
            QByteArray name;
            std::unique_ptr<QSignalSpy> spy;
        };
        std::vector<Watch> watches;
        auto watch = [&](const char *name, auto signal) {
            watches.push_back({name, std::make_unique<QSignalSpy>(&c, signal)});
        };
        watch("running", &PrompterCore::runningChanged);
        watch("speed", &PrompterCore::speedChanged);
        watch("direction", &PrompterCore::directionChanged);
        watch("position", &PrompterCore::positionChanged);
        watch("progress", &PrompterCore::progressChanged);
        watch("script", &PrompterCore::scriptChanged);
        watch("markers", &PrompterCore::markersChanged);
        watch("markMode", &PrompterCore::markModeChanged);
        watch("fullScreen", &PrompterCore::fullScreenChanged);
        command(c);
        for (const Watch &w : watches)
            QVERIFY2(w.spy->size() == (expected.contains(w.name) ? 1 : 0),
                     qPrintable(QStringLiteral("%1 told %2 times").arg(w.name).arg(w.spy->size())));
    }

    // The panel shows the run as the core holds it, and a control moved by any means moves the run.
    void panelAndRunAgree_data()
    {
        QTest::addColumn<Hand>("hand");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("progress"); // below 0: wherever the middle of the script is
        QTest::newRow("faster") << Hand([](frmMain &w) { w.core().faster(); }) << 9 << true << -1;
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
        QTest::newRow("end") << Hand([](frmMain &w) { w.core().end(); }) << 8 << true << 100;
        QTest::newRow("reset") << Hand([](frmMain &w) { w.core().reset(); }) << 8 << true << 0;
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

    // However often the clock steps, the moving position is told at most once per shown frame.
    void positionAtMostOncePerFrame()
    {
        auto w = prompter(m_platform, m_dialogs);
        PrompterCore &c = w->core();
        QSignalSpy moved(&c, &PrompterCore::positionChanged);
        c.start();
        int frames = 0;
        for (int ms = 0; ms < 1000; ++ms) {
            ++m_platform.now;
            c.clock().timTick_Timer();
            if (ms % 16 == 15) {
                c.clock().timFrame_Timer();
                ++frames;
                QVERIFY(moved.size() <= frames);
            }
        }
        QVERIFY(moved.size() > frames / 2);
        c.clock().timFrame_Timer(); // the steps since the last frame, shown
        QCOMPARE(moved.last().first().toFloat(), c.top());
    }

    // A steered script goes where it is told at each frame, within its range, and is told once per frame.
    void steeringMovesEachFrame()
    {
        auto w = prompter(m_platform, m_dialogs);
        PrompterCore &c = w->core();
        QSignalSpy moved(&c, &PrompterCore::positionChanged);
        const float from = c.top();
        c.steer(PrompterCore::Driver::Leader,
                [from](quint32 now) { return std::optional<float>(from - float(now % 100000)); });
        for (int frame = 0; frame < 5; ++frame) {
            m_platform.now += 16;
            c.clock().timFrame_Timer();
        }
        QCOMPARE(moved.size(), 5);
        QCOMPARE(c.top(), from - float(m_platform.now % 100000));
        c.steer(PrompterCore::Driver::Leader, [](quint32) { return std::optional<float>(1e9f); });
        c.clock().timFrame_Timer();
        QCOMPARE(c.top(), 0.0f);
        c.letGo(PrompterCore::Driver::Leader);
        QVERIFY(!c.steered());
    }

    // A character brought to the reading line is the one the line then reads.
    void charComesToTheLine_data()
    {
        QTest::addColumn<int>("line");
        QTest::newRow("early") << 10;
        QTest::newRow("middle") << 150;
        QTest::newRow("near the end") << 280;
    }
    void charComesToTheLine()
    {
        QFETCH(int, line);
        auto w = prompter(m_platform, m_dialogs);
        PrompterCore &c = w->core();
        const QString text = c.plainText();
        int start = 0;
        for (int i = 0; i < line; ++i)
            start = int(text.indexOf(QStringLiteral("\r\n"), start)) + 2;
        c.bringCharToLine(start + 3);
        if (c.top() < 0 && c.top() > -float(c.range())) // unless the script cannot scroll that far
            QCOMPARE(c.charAtLine(), start);
        // The place read there puts another prompter, of another size, on the same words.
        const PrompterCore::ReadingPlace place = c.readingPlace();
        QCOMPARE(c.topFor(place), c.top());
        auto other = prompter(m_platform, m_dialogs);
        other->resize(700, 500);
        other->Form_Resize();
        other->core().goToFraction(0);
        const float there = other->core().topFor(place);
        other->core().goToFraction(-there / float(other->core().range()));
        if (there < 0 && there > -float(other->core().range()))
            QCOMPARE(other->core().charAtLine(), place.character);
    }
};

QTEST_MAIN(tst_Core)
#include "tst_core.moc"
