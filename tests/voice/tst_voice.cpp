// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PrompterWindow.h"
#include "common/Modules.h"
#include "core/PrompterCore.h"
#include "follow/FollowSession.h"
#include "scroll/ScrollClock.h"
#include "studio/Studio.h"
#include "ui/Twips.h"
#include "voice/AudioInput.h"
#include "voice/Follower.h"
#include "voice/Model.h"
#include "voice/VoiceFollower.h"
#include "voice/gui/LevelMeter.h"
#include "voice/gui/VoiceFollowing.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A second of silence: a recording that plays without anything to hear.
QString silentWav(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("silence.wav"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    const quint32 bytes = 32000;
    QByteArray h("RIFF");
    const auto u32 = [&h](quint32 v) { h.append(reinterpret_cast<const char *>(&v), 4); };
    const auto u16 = [&h](quint16 v) { h.append(reinterpret_cast<const char *>(&v), 2); };
    u32(36 + bytes);
    h += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(16000);
    u32(32000);
    u16(2);
    u16(16);
    h += "data";
    u32(bytes);
    f.write(h + QByteArray(bytes, 0));
    return path;
}

// Where line n (1-based) of scriptOfLines begins in the prompter's text.
int lineStart(const QString &text, int n)
{
    return int(text.indexOf(QStringLiteral("Line %1 ").arg(n)));
}

} // namespace

class tst_Voice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_dir.isValid(), "no temporary folder"); }
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_siteDir); }

    // A word heard further down comes to the reading line by a glide no faster than its limit, and
    // the motion is given back once it is there.
    void glidesToTheWordHeard()
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(300));
        PrompterCore &c = w->core();
        VoiceFollowing &v = *w->voice();
        v.setRecording(silentWav(m_dir));
        v.setOn(true);
        QVERIFY(v.meter()->isVisible());
        QCOMPARE(v.meter()->parentWidget(), w->picPanel);
        const int target = lineStart(c.plainText(), 12);
        Q_EMIT v.follower()->heard(target);
        QVERIFY(c.steered());
        const float maxStep = twips::height(w->lblHeightFinder) * VoiceFollowing::kMaxLinesPerSecond * 0.016f;
        float before = c.top();
        int frames = 0;
        for (; c.steered() && frames < 500; ++frames) {
            m_platform.now += 16;
            c.clock().timFrame_Timer();
            QCoreApplication::processEvents();
            QVERIFY(before - c.top() >= 0 && before - c.top() <= maxStep + 1);
            before = c.top();
        }
        QVERIFY(!c.steered());
        QCOMPARE(c.charAtLine(), target);
        QVERIFY2(frames * 16 < 2500, qPrintable(QString::number(frames)));

        // Another's steering (a leader's, on a follower) is not taken over by a word heard.
        c.steer(PrompterCore::Driver::Leader, [](quint32) { return std::optional<float>(-600.0f); });
        Q_EMIT v.follower()->heard(lineStart(c.plainText(), 30));
        m_platform.now += 16;
        c.clock().timFrame_Timer();
        QCOMPARE(c.top(), -600.0f);
    }

    // A place found far away (a skipped paragraph, a late start) is cut to but for the last line,
    // which is glided so that the eye sees which way the script went.
    void leapsToAPlaceFoundFarAway()
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(300));
        PrompterCore &c = w->core();
        VoiceFollowing &v = *w->voice();
        v.setRecording(silentWav(m_dir));
        v.setOn(true);
        const int target = lineStart(c.plainText(), 150);
        Q_EMIT v.follower()->leapt(target);
        m_platform.now += 16;
        c.clock().timFrame_Timer();
        const float shortBy = c.top() - c.topFor({target, 0.5});
        QVERIFY(shortBy > 0 && shortBy <= c.lineHeight() * VoiceFollowing::kLeapLandingLines + 1);
        for (int frames = 0; c.steered() && frames < 100; ++frames) {
            m_platform.now += 16;
            c.clock().timFrame_Timer();
            QCoreApplication::processEvents();
        }
        QVERIFY(!c.steered());
        QCOMPARE(c.charAtLine(), target);
    }

    // A glide under way when the prompter starts following a leader: however the voice lets go, the
    // leader's steering stays.
    void theVoiceLetsGoOfItsOwnOnly_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("silence") << "silence";
        QTest::newRow("voice off") << "off";
        QTest::newRow("a new script") << "script";
    }
    void theVoiceLetsGoOfItsOwnOnly()
    {
        QFETCH(QString, end);
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(300));
        PrompterCore &c = w->core();
        VoiceFollowing &v = *w->voice();
        v.setRecording(silentWav(m_dir));
        v.setOn(true);
        Q_EMIT v.follower()->heard(lineStart(c.plainText(), 40));
        m_platform.now += 16;
        c.clock().timFrame_Timer();
        QVERIFY(c.steeredBy(PrompterCore::Driver::Voice));
        w->followSession().followInProcess();
        if (end == QLatin1String("silence"))
            Q_EMIT v.follower()->silence();
        else if (end == QLatin1String("off"))
            v.setOn(false);
        else
            c.takeScript(scriptOfLines(50));
        QCoreApplication::processEvents();
        QVERIFY(c.steeredBy(PrompterCore::Driver::Leader));
        QVERIFY(c.steered());
    }

    // The operator's moves win at once and following goes on from where they leave the script;
    // silence only stops the motion.
    void operatorOverrides_data()
    {
        QTest::addColumn<QString>("move");
        QTest::newRow("step") << "step";
        QTest::newRow("wheel") << "wheel";
        QTest::newRow("jump") << "jump";
        QTest::newRow("reset") << "reset";
        QTest::newRow("silence") << "silence";
    }
    void operatorOverrides()
    {
        QFETCH(QString, move);
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(300));
        PrompterCore &c = w->core();
        VoiceFollowing &v = *w->voice();
        v.setRecording(silentWav(m_dir));
        v.setOn(true);
        Q_EMIT v.follower()->heard(lineStart(c.plainText(), 40));
        for (int i = 0; i < 5; ++i) {
            m_platform.now += 16;
            c.clock().timFrame_Timer();
        }
        if (move == QLatin1String("step"))
            c.command({run::Verb::Forward});
        else if (move == QLatin1String("wheel"))
            c.command({run::Verb::Wheel, 120});
        else if (move == QLatin1String("jump"))
            c.command({run::Verb::GoTo, 0, 0.5});
        else if (move == QLatin1String("reset"))
            c.command({run::Verb::Reset});
        else
            Q_EMIT v.follower()->silence();
        QVERIFY(!c.steered());
        const float left = c.top();
        m_platform.now += 16;
        c.clock().timFrame_Timer();
        QCOMPARE(c.top(), left);
        if (move != QLatin1String("silence"))
            QCOMPARE(v.follower()->place(), c.charAtLine());
    }

    // The meter shows what is heard now: a recording that has ended leaves it dark, not at the
    // loudness of its last chunk.
    void meterFallsWithTheRecording()
    {
        voice::VoiceFollower f;
        auto *input = new voice::RecordingInput(m_platform, silentWav(m_dir));
        f.setInput(input);
        f.setListening(true);
        QSignalSpy levels(&f, &voice::VoiceFollower::level);
        Q_EMIT input->samples(QByteArray(voice::VoiceFollower::kChunkSamples * 2, '\x10'));
        QVERIFY(!levels.isEmpty() && levels.last().first().toFloat() > 0);
        Q_EMIT input->finished();
        QCOMPARE(levels.last().first().toFloat(), 0.0f);

        // The window's meter shows the module's follower's levels as they come.
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(20));
        VoiceFollowing &v = *w->voice();
        v.setRecording(silentWav(m_dir));
        v.setOn(true);
        Q_EMIT v.follower()->level(levels.first().first().toFloat());
        QVERIFY(v.meter()->lit() > 0);
        Q_EMIT v.follower()->level(0);
        QCOMPARE(v.meter()->lit(), 0);
    }

    // Without the voice's module the operator is told what is missing, and the prompter runs on.
    void aMissingModuleIsToldNotFollowed()
    {
        QTemporaryDir empty;
        modules::setDirectory(empty.path());
        auto restore = qScopeGuard([] { modules::setDirectory({}); });
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(300));
        VoiceFollowing &v = *w->voice();
        v.setOn(true);
        QVERIFY(!v.on());
        QVERIFY(!v.meter()->isVisible());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY(m_dialogs.shown.first().text.contains(QDir::toNativeSeparators(empty.path())));
        w->core().command({run::Verb::Forward});
        QVERIFY(w->core().top() < 0);
    }

    // Found in the studio menu; an input that cannot be read says so and following goes off.
    void menuAndFailure()
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(20));
        VoiceFollowing &v = *w->voice();
        const QString missing = m_dir.filePath(QStringLiteral("missing.wav"));
        v.setRecording(missing);
        QMenu menu;
        w->studio()->fillMenu(menu);
        auto *follow = menu.findChild<QAction *>(QStringLiteral("mnuFollowVoice"));
        QVERIFY(follow);
        follow->trigger();
        QVERIFY(v.on());
        QTRY_VERIFY_WITH_TIMEOUT(!v.on(), 30000);
        QVERIFY(!v.meter()->isVisible());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY(m_dialogs.shown.first().text.contains(QLatin1String("missing.wav")));
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_siteDir;
    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
};

QTEST_MAIN(tst_Voice)
#include "tst_voice.moc"
