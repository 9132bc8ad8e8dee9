// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "FakeScriptWindow.h"
#include "core/PrompterCore.h"
#include "scroll/ScrollClock.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"

#include <QSignalSpy>
#include <QTest>

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

using Check = std::function<bool(const PrompterCore &)>;
Q_DECLARE_METATYPE(Check)
Q_DECLARE_METATYPE(run::Command)

namespace {

// A run with its script and no window.
struct Prompter
{
    Prompter(Platform &platform, int width, int height) : view(width, height)
    {
        PrompterCore::Window window;
        window.layout = [] {};
        window.fullScreen = [](bool) {};
        window.close = [] {};
        window.editText = [] {};
        window.options = [](const appearance::Appearance &) { return std::nullopt; };
        core = std::make_unique<PrompterCore>(platform, settings, view, view, std::move(window));
        core->takeScript(scriptOfLines(300));
        // Somewhere in the middle, at a middling speed: every command has room to act.
        core->command({run::Verb::GoTo, 0, 0.5});
        core->command({run::Verb::Speed, 8});
    }
    Settings settings;
    FakeScriptWindow view;
    std::unique_ptr<PrompterCore> core;
};

} // namespace

class tst_Core : public QObject
{
    Q_OBJECT

    FakePlatform m_platform;

private Q_SLOTS:
    void initTestCase()
    {
        modSettings::setIniFilePath(QStringLiteral("/nonexistent/Settings.ini"));
        QVERIFY(!QCoreApplication::instance()->inherits("QApplication"));
    }

    // Each change is told once, and a command that changes nothing tells nothing.
    void signalOncePerChange_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArray>("told"); // the signals expected once each; every other one never
        QTest::newRow("start") << verb(run::Verb::Start) << QByteArray("running");
        QTest::newRow("stop while stopped") << verb(run::Verb::Stop) << QByteArray();
        QTest::newRow("faster") << verb(run::Verb::Faster) << QByteArray("speed");
        QTest::newRow("same speed") << Command([](PrompterCore &c) {
            c.command({run::Verb::Speed, 8});
        }) << QByteArray();
        QTest::newRow("speed out of range") << Command([](PrompterCore &c) {
            c.command({run::Verb::Speed, 99});
        }) << QByteArray();
        QTest::newRow("down") << verb(run::Verb::Down) << QByteArray("direction");
        QTest::newRow("up while up") << verb(run::Verb::Up) << QByteArray();
        QTest::newRow("step") << verb(run::Verb::Forward) << QByteArray("position");
        QTest::newRow("end") << verb(run::Verb::End) << QByteArray("position progress");
        QTest::newRow("reset") << verb(run::Verb::Reset) << QByteArray("position progress");
        QTest::newRow("to where it is") << Command([](PrompterCore &c) {
            c.command({run::Verb::GoTo, 0, 0.5});
        }) << QByteArray();
        QTest::newRow("full screen") << verb(run::Verb::FullScreen) << QByteArray("fullScreen");
        QTest::newRow("mark mode") << verb(run::Verb::MarkMode) << QByteArray("markMode");
        QTest::newRow("new script") << Command([](PrompterCore &c) { c.takeScript(scriptOfLines(3)); })
                                    << QByteArray("script position");
    }
    void signalOncePerChange()
    {
        QFETCH(Command, command);
        QFETCH(QByteArray, told);
        Prompter p(m_platform, 900, 500);
        PrompterCore &c = *p.core;
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

    // The run is built before any window: a window takes it, and when the window goes the run keeps
    // its speed and direction, stops quietly and can be shown by another.
    void windowTakesTheRun()
    {
        Settings settings;
        PrompterCore core(m_platform, settings);
        QVERIFY(!core.attached());
        // Before a window, nothing to move: refused, and the run waits for one.
        QCOMPARE(core.command({run::Verb::Start}).reason, run::Answer::Reason::NoWindow);
        QVERIFY(!core.running());
        const auto shown = [&core](FakeScriptWindow &view) {
            PrompterCore::Window window;
            window.layout = [] {};
            core.attach(view, view, std::move(window), nullptr);
        };
        auto first = std::make_unique<FakeScriptWindow>(900, 500);
        shown(*first);
        core.takeScript(scriptOfLines(300));
        core.command({run::Verb::Speed, 8});
        core.command({run::Verb::Start});
        for (int ms = 0; ms < 100; ++ms) {
            ++m_platform.now;
            core.clock().timTick_Timer();
        }
        QVERIFY(core.top() < 0);

        QSignalSpy told(&core, &PrompterCore::runningChanged);
        core.detach();
        first.reset();
        QVERIFY(!core.attached());
        QVERIFY(!core.running());
        QVERIFY(told.isEmpty());
        QCOMPARE(core.speed(), 8);
        // Shown nowhere, it reads an empty script and moves for no one.
        QCOMPARE(core.top(), 0.0f);
        QVERIFY(core.document()->isEmpty());
        QCOMPARE(core.command({run::Verb::Start}).reason, run::Answer::Reason::NoWindow);

        FakeScriptWindow second(600, 350);
        shown(second);
        core.takeScript(scriptOfLines(100));
        QCOMPARE(core.top(), 0.0f);
        core.command({run::Verb::End});
        QVERIFY(core.top() < 0);
        QCOMPARE(core.progress(), 100);
    }

    // However often the clock steps, the moving position is told at most once per shown frame.
    void positionAtMostOncePerFrame()
    {
        Prompter p(m_platform, 900, 500);
        PrompterCore &c = *p.core;
        QSignalSpy moved(&c, &PrompterCore::positionChanged);
        c.command({run::Verb::Start});
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

    // At the slow speeds, where a step is less than a pixel a frame, every display frame still shows
    // the script further on: to a fraction of a pixel, for a display that places pictures so.
    void everyFrameMovesAtSlowSpeeds_data()
    {
        QTest::addColumn<int>("speed");
        for (int speed = 1; speed <= 4; ++speed)
            QTest::addRow("speed %d", speed) << speed;
    }
    void everyFrameMovesAtSlowSpeeds()
    {
        QFETCH(int, speed);
        Prompter p(m_platform, 900, 500);
        PrompterCore &c = *p.core;
        c.command({run::Verb::Speed, speed});
        c.command({run::Verb::Start});
        int frames = 0;
        int still = 0;
        int wholePixelsStill = 0;
        float last = 0;
        int lastY = 0;
        for (int ms = 0; ms < 3000; ++ms) {
            ++m_platform.now;
            c.clock().timTick_Timer();
            if (ms % 17 != 16) // 60 Hz, near enough, and never in step with the clock's 20 ms
                continue;
            c.clock().timFrame_Timer();
            if (ms > 500) {
                ++frames;
                still += p.view.presented == last;
                wholePixelsStill += p.view.shownY == lastY;
                QVERIFY(std::abs(p.view.presented - float(p.view.shownY)) <= 0.5f);
            }
            last = p.view.presented;
            lastY = p.view.shownY;
        }
        QVERIFY(frames > 100);
        QCOMPARE(still, 0);
        QVERIFY(wholePixelsStill > 0); // what the fraction is for
    }

    // A steered script goes where it is told at each frame, within its range, and is told once per frame.
    void steeringMovesEachFrame()
    {
        Prompter p(m_platform, 900, 500);
        PrompterCore &c = *p.core;
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

    // The leader takes what moves every prompter's run; what belongs to this window stays here, and
    // marking holds the toolbar but never the way out of full screen.
    void whereCommandsGo_data()
    {
        using run::Verb;
        QTest::addColumn<run::Command>("command");
        QTest::addColumn<bool>("marking");
        QTest::addColumn<bool>("following");
        QTest::addColumn<QByteArray>("goes"); // here, leader or refused
        QTest::addColumn<Check>("after");     // from full screen, stopped, at speed 8
        const Check fullScreen = [](const PrompterCore &c) { return c.fullScreen(); };
        const Check windowed = [](const PrompterCore &c) { return !c.fullScreen(); };
        const Check running = [](const PrompterCore &c) { return c.running(); };
        const Check stopped = [](const PrompterCore &c) { return !c.running(); };
        QTest::newRow("leave full screen while marking")
            << run::Command{Verb::SetFullScreen, 0} << true << false << QByteArray("here") << windowed;
        QTest::newRow("toolbar's full screen while marking")
            << run::Command{Verb::EnterFullScreen} << true << false << QByteArray("refused") << fullScreen;
        QTest::newRow("leave full screen while following")
            << run::Command{Verb::SetFullScreen, 0} << false << true << QByteArray("here") << windowed;
        QTest::newRow("countdown's start while following")
            << run::Command{Verb::StartAt, 5000} << false << true << QByteArray("here") << running;
        QTest::newRow("start while following")
            << run::Command{Verb::Start} << false << true << QByteArray("leader") << stopped;
        QTest::newRow("speed while following")
            << run::Command{Verb::Speed, 3} << false << true << QByteArray("leader")
            << Check([](const PrompterCore &c) { return c.speed() == 8; });
        QTest::newRow("hide cues while following")
            << run::Command{Verb::HideCues, 1} << false << true << QByteArray("here")
            << Check([](const PrompterCore &c) { return c.cuesHidden(); });
    }
    void whereCommandsGo()
    {
        QFETCH(run::Command, command);
        QFETCH(bool, marking);
        QFETCH(bool, following);
        QFETCH(QByteArray, goes);
        QFETCH(Check, after);
        Prompter p(m_platform, 900, 500);
        PrompterCore &c = *p.core;
        QVERIFY(!c.command({run::Verb::SetFullScreen, 1}).refused());
        if (marking)
            c.command({run::Verb::MarkMode});
        QList<run::Command> led;
        if (following)
            c.setLeader([&led](const run::Command &sent) {
                led << sent;
                return std::optional<run::Answer>(run::Answer::forwarded());
            });
        const run::Answer answer = c.command(command);
        QCOMPARE(answer.refused(), goes == "refused");
        QCOMPARE(led.size(), goes == "leader" ? 1 : 0);
        QVERIFY(after(c));
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
        Prompter p(m_platform, 900, 500);
        PrompterCore &c = *p.core;
        const QString text = c.plainText();
        int start = 0;
        for (int i = 0; i < line; ++i)
            start = int(text.indexOf(QStringLiteral("\r\n"), start)) + 2;
        c.command({run::Verb::JumpChar, start + 3});
        if (c.top() < 0 && c.top() > -float(c.range())) // unless the script cannot scroll that far
            QCOMPARE(c.charAtLine(), start);
        // The place read there puts another prompter, of another size, on the same words.
        const PrompterCore::ReadingPlace place = c.readingPlace();
        QCOMPARE(c.topFor(place), c.top());
        Prompter other(m_platform, 600, 350);
        other.core->command({run::Verb::GoTo, 0, 0});
        const float there = other.core->topFor(place);
        other.core->command({run::Verb::GoTo, 0, -there / float(other.core->range())});
        if (there < 0 && there > -float(other.core->range()))
            QCOMPARE(other.core->charAtLine(), place.character);
    }
};

QTEST_MAIN(tst_Core)
#include "tst_core.moc"
