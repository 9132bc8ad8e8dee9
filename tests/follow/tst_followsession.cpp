// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "FakeScriptWindow.h"
#include "core/PrompterCore.h"
#include "core/TalentMessage.h"
#include "follow/FollowSession.h"
#include "follow/Follower.h"
#include "settings/Settings.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using Messages = QList<follow::Message>;

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
        core->takeScript(scriptOfLines(100));
        session = std::make_unique<FollowSession>(platform, *core);
    }
    IsolatedSettings store;
    Settings settings;
    FakeScriptWindow view{900, 500};
    std::unique_ptr<PrompterCore> core;
    std::unique_ptr<FollowSession> session;
};

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
};

QTEST_MAIN(tst_FollowSession)
#include "tst_followsession.moc"
