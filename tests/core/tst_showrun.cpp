// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "FakeScriptWindow.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "documents/ScriptLines.h"
#include "scroll/ScrollClock.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"
#include "show/CueWatch.h"

#include <QTest>

#include <functional>
#include <memory>

namespace {

QString lines(const QString &name, int count, int from = 1)
{
    QStringList l;
    for (int i = from; i < from + count; ++i)
        l << QStringLiteral("%1 line %2 has words for the presenter to read on camera.").arg(name).arg(i);
    return l.join(QLatin1Char('\n'));
}

show::Story story(const QString &id, const QString &text)
{
    show::Story s;
    s.newsroomId = id;
    s.title = id;
    s.text = text;
    return s;
}

// A show of three stories on a run with no window; the first story opens with two cues that stand
// above the reading line at the top.
struct Show
{
    Show(FakePlatform &platform) : view(640, 480)
    {
        PrompterCore::Window window;
        window.layout = [] {};
        window.fullScreen = [](bool) {};
        window.close = [] {};
        window.editText = [] {};
        // Options as the window's own: a larger type, laid out again.
        window.options = [this](const appearance::Appearance &) -> std::optional<appearance::Appearance> {
            QFont f = view.doc.defaultFont();
            f.setPointSize(f.pointSize() + 8);
            view.doc.setDefaultFont(f);
            return std::nullopt;
        };
        core = std::make_unique<PrompterCore>(platform, settings, view, view, std::move(window));
        run = std::make_unique<ShowRun>(platform, *core);
        core->setStories(run.get());
        cues = std::make_unique<CueWatch>(*core, view);
        QObject::connect(cues.get(), &CueWatch::fired, cues.get(),
                         [this](const cues::Cue &c, int) { fired << c.text; });
        run->feedStories(
            {story(QStringLiteral("A"), QStringLiteral("[[roll VT headlines]]\n[[camera two]]\n") +
                                            lines(QStringLiteral("alpha"), 30)),
             story(QStringLiteral("B"), lines(QStringLiteral("bravo"), 30)),
             story(QStringLiteral("C"), lines(QStringLiteral("charlie"), 30))},
            true);
    }
    // The display line read, from its start; and the words read, a few characters either side.
    QString reading() const
    {
        return core->plainText().mid(ScriptLines(view.doc).lineSpan(int(run->reached())).start, 24);
    }
    QString words(int before, int length) const
    {
        return core->plainText().mid(int(run->reached()) - before, length);
    }
    QString onAir() const { return run->stories().value(run->current()).id; }

    Settings settings;
    FakeScriptWindow view;
    std::unique_ptr<PrompterCore> core;
    std::unique_ptr<ShowRun> run;
    std::unique_ptr<CueWatch> cues;
    QStringList fired;
};

} // namespace

using Change = std::function<void(Show &)>;
Q_DECLARE_METATYPE(Change)

// The show as a model: its place, its reading line and its timers, driven through the run's commands.
class tst_ShowRun : public QObject
{
    Q_OBJECT

    FakePlatform m_platform;

    void frames(Show &s, int count)
    {
        for (int i = 0; i < count; ++i) {
            m_platform.now += 20;
            s.core->clock().timTick_Timer();
            if (i % 12 == 0)
                s.run->timShow_Timer();
        }
    }

private Q_SLOTS:
    void initTestCase() { modSettings::setIniFilePath(QStringLiteral("/nonexistent/Settings.ini")); }

    // Whatever is not a move leaves the reading on the same words of the same story.
    void placeSurvives_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("relaid at another width") << Change([](Show &s) {
            s.core->beforeRelayout();
            s.view.resize(420, 480);
            s.core->afterRelayout();
        });
        QTest::newRow("font through Options")
            << Change([](Show &s) { s.core->command({run::Verb::Options}); });
        QTest::newRow("story before replaced")
            << Change([](Show &s) { s.run->feedStoryText(0, lines(QStringLiteral("alpha"), 50)); });
        QTest::newRow("story read replaced") << Change([](Show &s) {
            s.run->feedStoryText(1, QStringLiteral("A new first paragraph.\n") +
                                        lines(QStringLiteral("bravo"), 40));
        });
        QTest::newRow("whole show replaced, one story on top") << Change([](Show &s) {
            QList<show::Story> all = s.run->stories();
            all.prepend(story(QStringLiteral("N"), lines(QStringLiteral("news"), 20)));
            s.run->feedStories(all, false);
        });
        QTest::newRow("edited by the operator") << Change([](Show &s) {
            s.run->setStoryText(1, lines(QStringLiteral("bravo"), 12) + QStringLiteral("\nAdded.\n") +
                                       lines(QStringLiteral("bravo"), 18, 13));
        });
    }
    void placeSurvives()
    {
        QFETCH(Change, change);
        Show s(m_platform);
        QVERIFY(!s.core->command({run::Verb::Story, 2}).refused());
        QVERIFY(s.reading().startsWith(QLatin1String("bravo line 1 ")));
        s.core->command({run::Verb::Speed, 6});
        s.core->command({run::Verb::Start});
        frames(s, 400);
        s.core->command({run::Verb::Stop});
        const QString before = s.words(0, 10);
        QVERIFY(s.run->reached() > s.run->storyStart(1) + 200);
        change(s);
        QCOMPARE(s.onAir(), QStringLiteral("B"));
        QVERIFY2(s.words(6, 22).contains(before),
                 qPrintable(before + QStringLiteral(" / ") + s.words(6, 22)));
    }

    // At the top nothing is read yet: story 1 is on air, the cues above the line wait for the first
    // Start and fire there once, in order; the next story's first line comes onto the reading line.
    void topOfTheShow()
    {
        Show s(m_platform);
        QCOMPARE(s.core->top(), 0.0f);
        QCOMPARE(s.onAir(), QStringLiteral("A"));
        QVERIFY(s.reading().startsWith(QLatin1String("[[roll VT")));
        const show::Timings t = s.run->timings();
        QCOMPARE(t.storyToGo, s.run->estimated(0));
        QVERIFY(s.fired.isEmpty());
        s.core->command({run::Verb::Start});
        QCOMPARE(s.fired, QStringList({QStringLiteral("roll VT headlines"), QStringLiteral("camera two")}));
        frames(s, 100);
        s.core->command({run::Verb::Stop});
        s.core->command({run::Verb::Reset});
        s.core->command({run::Verb::Start});
        frames(s, 100);
        QCOMPARE(s.fired.size(), 2);
        QCOMPARE(s.onAir(), QStringLiteral("A"));

        QVERIFY(!s.core->command({run::Verb::NextStory}).refused());
        QCOMPARE(s.onAir(), QStringLiteral("B"));
        QVERIFY(s.reading().startsWith(QLatin1String("bravo line 1 ")));
        QVERIFY(!s.core->command({run::Verb::NextStory}).refused());
        QVERIFY(s.reading().startsWith(QLatin1String("charlie line 1 ")));
    }

    // The story's time to go, the stories after it and the show's time to go are one count.
    void timersAgree()
    {
        Show s(m_platform);
        s.core->command({run::Verb::Speed, 5});
        s.core->command({run::Verb::Start});
        frames(s, 3000);
        s.run->timShow_Timer();
        const show::Timings t = s.run->timings();
        QVERIFY(t.measured);
        const int current = s.run->current();
        QVERIFY(current >= 0);
        int after = 0;
        for (int i = current + 1; i < s.run->stories().size(); ++i)
            after += s.run->estimated(i);
        QVERIFY2(
            qAbs(t.showToGo - (t.storyToGo + after)) <= 2,
            qPrintable(QStringLiteral("%1 against %2 + %3").arg(t.showToGo).arg(t.storyToGo).arg(after)));
        QCOMPARE(s.run->stories().at(0).words, 30 * 12);
        // Running on at the end, where nothing moves, the rate stays what the presenter read.
        s.core->command({run::Verb::Stop});
        s.core->command({run::Verb::End});
        s.run->timShow_Timer();
        const double rate = t.rate;
        s.core->command({run::Verb::Start});
        frames(s, 3000);
        s.run->timShow_Timer();
        QVERIFY(qAbs(s.run->timings().rate - rate) < rate * 0.2);
    }
};

QTEST_MAIN(tst_ShowRun)
#include "tst_showrun.moc"
