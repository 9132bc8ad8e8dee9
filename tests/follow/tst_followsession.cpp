// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "FakeScriptWindow.h"
#include "core/PrompterCore.h"
#include "core/TalentMessage.h"
#include "follow/FollowLink.h"
#include "follow/FollowSession.h"
#include "follow/Follower.h"
#include "scroll/ScrollClock.h"
#include "settings/Settings.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using Messages = QList<follow::Message>;
Q_DECLARE_METATYPE(run::Command)

namespace {

// A run with a script and no window, and its place among prompters.
struct Prompter
{
    explicit Prompter(Platform &platform)
    {
        PrompterCore::Window window;
        window.layout = [] {};
        window.fullScreen = [](bool) {};
        window.close = [] {};
        window.editText = [] {};
        window.options = [](const appearance::Appearance &) { return std::nullopt; };
        core = std::make_unique<PrompterCore>(platform, settings, view, view, std::move(window));
        core->applyStoredAppearance(); // as the window does at its start: a leader tells its look
        core->takeScript(scriptOfLines(100));
        session = std::make_unique<FollowSession>(platform, *core);
    }
    IsolatedSettings store;
    Settings settings;
    FakeScriptWindow view{900, 500};
    std::unique_ptr<PrompterCore> core;
    std::unique_ptr<FollowSession> session;
};

const QString kToken = QStringLiteral("sesame-0123456789");

// The follower follows the leader over 127.0.0.1.
void follows(Prompter &follower, Prompter &leader)
{
    QVERIFY(leader.session->lead(QHostAddress::LocalHost, 0, kToken));
    follower.session->follow(
        *follow::FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(leader.session->leadPort())),
        kToken);
    QTRY_VERIFY_WITH_TIMEOUT(follower.session->link()->connected(), 5000);
}

follow::State state(int speed, bool forward)
{
    follow::State s;
    s.speed = speed;
    s.forward = forward;
    return s;
}

} // namespace

class tst_FollowSession : public QObject
{
    Q_OBJECT

    FakePlatform m_platform;

private Q_SLOTS:
    void initTestCase() { modSettings::setIniFilePath(QStringLiteral("/nonexistent/Settings.ini")); }

    // What the leader says is shown on this prompter and never sent back to the leader as this
    // prompter's own command.
    void leadersWordStaysHere_data()
    {
        QTest::addColumn<Messages>("heard"); // after the welcome, which says speed 5, up
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("message");

        QTest::newRow("welcome") << Messages{} << 5 << true << QString();
        QTest::newRow("speed and direction") << Messages{state(12, false)} << 12 << false << QString();
        QTest::newRow("speed past the top") << Messages{state(40, true)} << 16 << true << QString();
        QTest::newRow("message") << Messages{follow::Talent{QStringLiteral("Wrap up")}} << 5 << true
                                 << QStringLiteral("Wrap up");
        QTest::newRow("message taken away")
            << Messages{follow::Talent{QStringLiteral("Wrap up")}, follow::Talent{}} << 5 << true
            << QString();
        QTest::newRow("message of blanks")
            << Messages{follow::Talent{QStringLiteral("Wrap up")}, follow::Talent{QStringLiteral(" \t ")}}
            << 5 << true << QString();
    }
    void leadersWordStaysHere()
    {
        QFETCH(Messages, heard);
        QFETCH(int, speed);
        QFETCH(bool, up);
        QFETCH(QString, message);

        Prompter p(m_platform);
        follow::Follower &follower = p.session->followInProcess();
        QList<run::Command> sent;
        p.core->setLeader([&sent](const run::Command &c) {
            sent << c;
            return std::optional<run::Answer>(run::Answer::forwarded());
        });
        follow::Welcome welcome;
        welcome.state = state(5, true);
        follower.receive(welcome, m_platform.now);
        for (const follow::Message &m : heard)
            follower.receive(m, m_platform.now);

        QCOMPARE(p.core->speed(), speed);
        QCOMPARE(p.core->direction() == PrompterCore::Direction::Up, up);
        QCOMPARE(p.core->message().text(), message);
        QCOMPARE(sent.size(), 0);
    }

    // Without a window the session tells its state in words, once for each change.
    void statusWithoutWindow()
    {
        Prompter p(m_platform);
        QSignalSpy told(p.session.get(), &FollowSession::statusChanged);
        QVERIFY(p.session->lead(QHostAddress::LocalHost, 0, QStringLiteral("sesame-0123456789")));
        QCOMPARE(p.session->status(), QStringLiteral("Leading"));
        p.session->stopLeading();
        QCOMPARE(p.session->status(), QString());
        QCOMPARE(told.size(), 2);
    }

    // The leader goes: the follower says so, keeps the run, and takes the lead on request.
    void aLostLeaderIsReplaced()
    {
        auto leader = std::make_unique<Prompter>(m_platform);
        Prompter follower(m_platform);
        follows(follower, *leader);
        leader.reset();
        QTRY_VERIFY_WITH_TIMEOUT(follower.session->leaderLost(), 5000);
        QVERIFY(follower.session->status().contains(QStringLiteral("lost")));
        QVERIFY(follower.core->steered());
        QVERIFY(follower.session->promote(QHostAddress::LocalHost));
        QVERIFY(follower.session->leading());
        QVERIFY(!follower.core->steered());
    }

    // With its leader lost, a follower goes on; a stop stops it at the next frame for good, and what
    // only the leader can do is refused, saying why.
    void stopHoldsAFollowerWhoseLeaderIsLost_data()
    {
        QTest::addColumn<run::Command>("stop");
        QTest::newRow("toggle") << run::Command{run::Verb::Toggle};
        QTest::newRow("stop") << run::Command{run::Verb::Stop};
    }
    void stopHoldsAFollowerWhoseLeaderIsLost()
    {
        QFETCH(run::Command, stop);
        auto leader = std::make_unique<Prompter>(m_platform);
        Prompter follower(m_platform);
        PrompterCore &c = *follower.core;
        const auto frames = [&](int count) {
            for (int i = 0; i < count; ++i) {
                m_platform.now += 16;
                c.clock().timFrame_Timer();
            }
        };
        follows(follower, *leader);
        leader->core->command({run::Verb::Speed, 16});
        leader->core->command({run::Verb::Start});
        QTRY_VERIFY_WITH_TIMEOUT(follower.session->follower()->leaderState().running, 5000);
        leader.reset();
        QTRY_VERIFY_WITH_TIMEOUT(follower.session->leaderLost(), 5000);
        frames(30);
        float top = c.top();
        frames(30);
        QVERIFY(c.top() != top); // going on without its leader

        QVERIFY(!c.command(stop).refused());
        frames(1);
        top = c.top();
        frames(60);
        QCOMPARE(c.top(), top);
        QVERIFY(!c.running());

        const int speed = c.speed();
        QVERIFY(c.command({run::Verb::Faster}).refused());
        QVERIFY(c.command({run::Verb::Toggle}).refused());
        frames(30);
        QCOMPARE(c.speed(), speed);
        QCOMPARE(c.top(), top);
        QVERIFY(follower.session->status().contains(QStringLiteral("cannot be reached")));
    }

    // Stopped while its leader was lost, a follower takes the leader's run again once it is back.
    void aLeaderBackIsFollowedAgain()
    {
        auto leader = std::make_unique<Prompter>(m_platform);
        Prompter follower(m_platform);
        follows(follower, *leader);
        const quint16 port = leader->session->leadPort();
        leader.reset();
        QTRY_VERIFY_WITH_TIMEOUT(follower.session->leaderLost(), 5000);
        follower.core->command({run::Verb::Stop});
        QVERIFY(follower.session->held());
        QVERIFY(!follower.core->steered());

        leader = std::make_unique<Prompter>(m_platform);
        leader->core->command({run::Verb::Speed, 9});
        QVERIFY(leader->session->lead(QHostAddress::LocalHost, port, kToken));
        QTRY_VERIFY_WITH_TIMEOUT(follower.core->steered(), 5000);
        QVERIFY(!follower.session->held());
        QTRY_COMPARE_WITH_TIMEOUT(follower.core->speed(), 9, 5000);
    }

    // The presenter reading from a follower is told what the leader's presenter is told.
    void theLeadersMessageReachesTheFollower()
    {
        Prompter leader(m_platform);
        Prompter follower(m_platform);
        follows(follower, leader);
        QVERIFY(!leader.core->command({run::Verb::Message, 30, 0, 0, QStringLiteral("Wrap up")}).refused());
        QTRY_COMPARE_WITH_TIMEOUT(follower.core->message().text(), QStringLiteral("Wrap up"), 5000);
        // Its time is the leader's: it goes when the leader's goes.
        m_platform.now += 31000;
        leader.core->message().messageTimeout();
        QTRY_COMPARE_WITH_TIMEOUT(follower.core->message().text(), QString(), 5000);

        // A follower that comes later is told the message shown.
        QVERIFY(!leader.core->command({run::Verb::Message, 0, 0, 0, QStringLiteral("Stand by")}).refused());
        Prompter late(m_platform);
        late.session->follow(
            *follow::FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(leader.session->leadPort())),
            kToken);
        QTRY_COMPARE_WITH_TIMEOUT(late.core->message().text(), QStringLiteral("Stand by"), 5000);
    }

    // After the leader jumps back, a follower's time to go is counted afresh as the leader's is, not
    // left running down from where it stood.
    void timeToGoFollowsTheLeadersJumps()
    {
        Prompter leader(m_platform);
        Prompter follower(m_platform);
        follows(follower, leader);
        QTRY_VERIFY_WITH_TIMEOUT(follower.session->follower()->clock().known(), 5000);
        const auto seconds = [&follower] {
            const QStringList parts = follower.core->timeToGo().split(QLatin1Char(':'));
            return parts.size() == 2 ? parts[0].toInt() * 60 + parts[1].toInt() : -1;
        };
        const int atStart = seconds();
        QVERIFY(atStart > 60);
        leader.core->command({run::Verb::GoTo, 0, 0.9});
        QTRY_VERIFY_WITH_TIMEOUT(seconds() < atStart - 60, 5000);
        leader.core->command({run::Verb::Home});
        QTRY_VERIFY2_WITH_TIMEOUT(std::abs(seconds() - atStart) <= 2, qPrintable(follower.core->timeToGo()),
                                  5000);
    }
};

QTEST_MAIN(tst_FollowSession)
#include "tst_followsession.moc"
