// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PrompterWindow.h"
#include "app/KeyInput.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "core/TalentMessage.h"
#include "documents/Unread.h"
#include "follow/Discovery.h"
#include "follow/FollowLink.h"
#include "follow/FollowSession.h"
#include "follow/Follower.h"
#include "follow/LeaderFeed.h"
#include "follow/gui/FollowSeat.h"
#include "follow/gui/dlgFollow.h"
#include "follow/gui/dlgLeading.h"
#include "remote/OscFeedback.h"
#include "remote/gui/RemoteControl.h"
#include "scroll/ScrollClock.h"
#include "show/CueWatch.h"
#include "show/gui/ShowControl.h"
#include "ui/RichTextView.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

using Source = std::function<void(frmMain &)>;
Q_DECLARE_METATYPE(Source)

// Two prompter windows in one test, the second following the first over 127.0.0.1.
class tst_Following : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        startFresh(m_settings, m_platform, m_dialogs, m_siteDir);
        m_followerDialogs = FakeDialogs();
        m_leader = showPrompter(m_platform, m_dialogs, QString(), QSize(1000, 700));
        QByteArray rtf("{\\rtf1\\ansi {\\b Bold} words\\par ");
        rtf += scriptOfLines(300).replace(QLatin1String("\r\n"), QLatin1String("\\par ")).toLatin1() + '}';
        QVERIFY(m_leader->core().takeRichScript(rtf));
        QVERIFY(
            m_leader->followSession().lead(QHostAddress::LocalHost, 0, QStringLiteral("sesame-0123456789")));
        m_follower = showPrompter(m_platform, m_followerDialogs, QString(), QSize(800, 600));
        m_follower->followSession().follow(
            *follow::FollowLink::addressOf(
                QStringLiteral("127.0.0.1:%1").arg(m_leader->followSession().leadPort())),
            QStringLiteral("sesame-0123456789"));
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().plainText(), m_leader->core().plainText(), 5000);
    }
    void cleanup()
    {
        m_follower.reset();
        m_leader.reset();
    }

    // A show reaches the follower as the leader's show: its breaks (not read, not counted, on their
    // band), its stories and their plan, and its place by story, whatever the follower's width.
    void aShowReachesTheFollowerAsAShow()
    {
        QList<show::Story> stories;
        for (const char *name : {"Weather", "Sport", "Traffic"}) {
            show::Story s;
            s.newsroomId = s.title = QLatin1String(name);
            QStringList lines;
            for (int i = 1; i <= 30; ++i)
                lines << QStringLiteral("%1 line %2 has words to read on camera.").arg(s.title).arg(i);
            s.text = lines.join(QLatin1Char('\n'));
            stories << s;
        }
        m_leader->showRun().feedStories(stories, true);
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().plainText(), m_leader->core().plainText(), 5000);
        const auto breaks = [](const frmMain &w) {
            QStringList out;
            for (QTextBlock b = w.rtDoc->document()->begin(); b.isValid(); b = b.next())
                if (unread::kindOf(b) == unread::Kind::StoryBreak)
                    out << b.text();
            return out;
        };
        QCOMPARE(breaks(*m_follower), (QStringList{QStringLiteral("Sport"), QStringLiteral("Traffic")}));
        QCOMPARE(breaks(*m_follower), breaks(*m_leader));
        QCOMPARE(m_follower->core().words(), m_leader->core().words());

        // The rundown is the leader's, its plan too.
        const auto rundown = [](const frmMain &w) {
            return w.remote().state().show.value(QLatin1String("rundown")).toArray();
        };
        m_leader->showRun().setPlanned(1, 75);
        QTRY_COMPARE_WITH_TIMEOUT(rundown(*m_follower), rundown(*m_leader), 5000);
        QCOMPARE(rundown(*m_follower).size(), 3);
        QCOMPARE(rundown(*m_follower).at(1).toObject().value(QLatin1String("planned")).toInt(), 75);
        QCOMPARE(m_follower->showRun().words(), m_leader->showRun().words());
        // It is the leader's to change: a follower's rundown edits nothing.
        m_follower->showRun().removeStory(0);
        m_follower->showRun().setPlanned(0, 10);
        QCOMPARE(rundown(*m_follower), rundown(*m_leader));
        for (const char *name : {"cmdAdd", "cmdRemove", "cmdOpen"})
            QVERIFY2(!m_follower->findChild<QToolButton *>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(m_follower->findChild<QToolButton *>(QStringLiteral("cmdNext"))->isEnabled());
        const QTreeWidget *tree = m_follower->findChild<QTreeWidget *>(QStringLiteral("twStories"));
        QVERIFY(!(tree->topLevelItem(0)->flags() & Qt::ItemIsEditable));

        // At the next story, on the move, both read the same story and the same words within a display
        // line of the follower, which is narrower.
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSession().follower()->clock().known(), 5000);
        const auto story = [](const frmMain &w) {
            return w.remote().state().show.value(QLatin1String("story")).toInt();
        };
        const auto read = [](const frmMain &w) {
            const PrompterCore::ReadingPlace p = w.core().readingPlace();
            return p.character + p.through * p.length;
        };
        const auto timers = [](const frmMain &w) {
            return w.remote().state().show.value(QLatin1String("timers"));
        };
        const auto together = [&] {
            m_follower->showRun().timShow_Timer();
            const int line = std::max(1, m_follower->core().readingPlace().length);
            return story(*m_follower) == story(*m_leader) && rundown(*m_follower) == rundown(*m_leader) &&
                   timers(*m_follower) == timers(*m_leader) &&
                   std::abs(read(*m_follower) - read(*m_leader)) <= line;
        };
        QVERIFY(!m_leader->core().command({run::Verb::NextStory}).refused());
        m_leader->showRun().timShow_Timer();
        QCOMPARE(story(*m_leader), 2);
        QTRY_VERIFY_WITH_TIMEOUT(together(), 5000);
        if (!qEnvironmentVariableIsEmpty("CUESCROLL_SCREENSHOTS")) {
            // The leader, and its follower beside it, their panels filled.
            QCoreApplication::processEvents();
            const QPixmap leader = m_leader->grab();
            const QPixmap follower = m_follower->grab();
            QPixmap both(leader.width() + 16 + follower.width(),
                         std::max(leader.height(), follower.height()));
            both.fill(Qt::darkGray);
            QPainter painter(&both);
            painter.drawPixmap(0, 0, leader);
            painter.drawPixmap(leader.width() + 16, 0, follower);
            painter.end();
            both.save(qEnvironmentVariable("CUESCROLL_SCREENSHOTS") +
                      QStringLiteral("/follower-beside-leader.png"));
        }
        QVERIFY(!m_leader->core().command({run::Verb::Start}).refused());
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->remote().state().running, 5000);
        for (int i = 0; i < 40; ++i)
            m_leader->core().command({run::Verb::Forward});
        m_leader->showRun().timShow_Timer();
        QTRY_VERIFY_WITH_TIMEOUT(together(), 5000);
        QVERIFY(m_follower->remote().state().running);
        const QString words = m_leader->core().plainText().mid(int(read(*m_leader)), 5);
        QVERIFY2(
            m_follower->core()
                .plainText()
                .mid(m_follower->core().readingPlace().character, m_follower->core().readingPlace().length)
                .contains(words.left(2)),
            qPrintable(words));

        // A single script again: the follower holds no show.
        m_leader->core().takeScript(scriptOfLines(50));
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().plainText(), m_leader->core().plainText(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_follower->showRun().isShow(), 5000);
    }

    // A follower's timers are the leader's; with a leader that does not tell them (an earlier
    // version), its own go by the run it shows, the leader's, not by its own clock, which stands.
    void aFollowersTimersGoByTheLeadersRun()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSession().link()->connected(), 5000);
        const auto elapsed = [](const frmMain &w) {
            return w.remote()
                .state()
                .show.value(QLatin1String("timers"))
                .toObject()
                .value(QLatin1String("elapsed"));
        };
        QCOMPARE(elapsed(*m_follower).toInt(), 0);
        QVERIFY(!m_leader->core().command({run::Verb::Start}).refused());
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->remote().state().running, 5000);
        QVERIFY(!m_follower->core().running());
        m_platform.now += 7000;
        m_leader->showRun().timShow_Timer();
        QCOMPARE(elapsed(*m_leader).toInt(), 7);
        QTRY_COMPARE_WITH_TIMEOUT(elapsed(*m_follower).toInt(), 7, 5000);

        m_follower->showRun().followTimings(std::nullopt);
        m_platform.now += 5000;
        m_follower->showRun().timShow_Timer();
        QCOMPARE(elapsed(*m_follower).toInt(), 12);
    }

    void takesTheLeadersScriptWithItsFormatting()
    {
        const auto boldAt = [](const frmMain &w, int position) {
            QTextCursor c(w.rtDoc->document());
            c.setPosition(position);
            return c.charFormat().font().bold();
        };
        QVERIFY(boldAt(*m_follower, 2));
        QVERIFY(!boldAt(*m_follower, 7));
        QVERIFY(m_follower->core().steered());
        QVERIFY(m_follower->lblFollow->isVisible());
    }

    // Keys on a follower act on the leader, but for those that stay with the follower's own window.
    void keysDriveTheLeader_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QString>("localWindow"); // the modal window the follower opens itself
        QTest::newRow("Space starts") << int(keyinput::Space) << 0 << true << 1 << true << QString();
        QTest::newRow("Right is faster") << int(keyinput::Right) << 0 << false << 2 << true << QString();
        QTest::newRow("Ctrl+Down turns back")
            << int(keyinput::Down) << int(keyinput::CtrlBit) << false << 1 << false << QString();
        QTest::newRow("Options stay here")
            << int(keyinput::F10) << 0 << false << 1 << true << QStringLiteral("dlgOptions");
        QTest::newRow("no editor while following")
            << int(keyinput::F2) << 0 << false << 1 << true << QString();
    }
    void keysDriveTheLeader()
    {
        QFETCH(int, key);
        QFETCH(int, shift);
        QFETCH(bool, running);
        QFETCH(int, speed);
        QFETCH(bool, forward);
        QFETCH(QString, localWindow);
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSession().link()->connected(), 5000);
        m_follower->HandleKey(key, shift);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().running(), running, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().speed(), speed, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().direction() == PrompterCore::Direction::Up, forward, 5000);
        // The follower shows the leader's run, and tells it as its own, and never opened anything else.
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().speed(), speed, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->remote().state().running, running, 5000);
        QCOMPARE(m_follower->remote().feedback().running, running);
        QCOMPARE(m_follower->remote().state().speed, speed);
        QStringList opened;
        for (const FakeDialogs::Shown &s : m_followerDialogs.shown)
            if (s.kind == QLatin1String("modal"))
                opened << s.text;
        QCOMPARE(opened, localWindow.isEmpty() ? QStringList() : QStringList{localWindow});
        QVERIFY(m_leader->core().steered() == false);
    }

    // A passage marked on a follower is the leader's marker, and so every follower's.
    void markingOnAFollowerMarksTheLeader()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSession().link()->connected(), 5000);
        m_follower->HandleKey(keyinput::F5, 0);
        QVERIFY(m_follower->core().markMode());
        m_follower->rtMirror->setSelStart(12);
        m_follower->rtMirror->setSelLength(6);
        m_follower->cmdMark->click();
        QVERIFY(!m_follower->core().markMode());
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().markers().Count(), 1, 5000);
        QCOMPARE(m_leader->core().markers().Item(1)->lStartFrom, 12);
        QCOMPARE(m_leader->core().markers().Item(1)->sText, m_leader->core().plainText().mid(12, 6));
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().markers().Count(), 1, 5000);
    }

    // Whatever a command comes from, on a follower it is the leader's to carry out.
    void everySourceDrivesTheLeader_data()
    {
        using remote::Verb;
        QTest::addColumn<Source>("source");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("moves");
        const auto phone = [](remote::Command c) { return Source([c](frmMain &w) { w.remote().apply(c); }); };
        QTest::newRow("phone: faster") << phone({Verb::Faster}) << 2 << false;
        QTest::newRow("phone: speed") << phone({Verb::Speed, 7}) << 7 << false;
        QTest::newRow("phone: go to") << phone({Verb::GoTo, 0, 0.5}) << 1 << true;
        QTest::newRow("phone: a character") << phone({Verb::JumpChar, 4000}) << 1 << true;
        QTest::newRow("wheel") << Source([](frmMain &w) { w.HandleWheel(-360); }) << 1 << true;
        QTest::newRow("toolbar") << Source([](frmMain &w) { w.DoAction(QStringLiteral("Start")); }) << 1
                                 << true;
    }
    void everySourceDrivesTheLeader()
    {
        QFETCH(Source, source);
        QFETCH(int, speed);
        QFETCH(bool, moves);
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSession().link()->connected(), 5000);
        const float top = m_leader->core().top();
        source(*m_follower);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().speed(), speed, 5000);
        if (moves) {
            QTRY_VERIFY_WITH_TIMEOUT(m_leader->core().top() != top || m_leader->core().running(), 5000);
        } else {
            QTest::qWait(50);
            QCOMPARE(m_leader->core().top(), top);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().speed(), speed, 5000);
    }

    // "Follow prompter…" with an address typed and the token: a third prompter follows too.
    void theMenuFollowsATypedLeader()
    {
        FakeDialogs dialogs;
        auto third = showPrompter(m_platform, dialogs, QString(), QSize(600, 500));
        const quint16 port = m_leader->followSession().leadPort();
        dialogs.modals.append([port](QWidget &w) {
            auto &d = static_cast<dlgFollow &>(w);
            d.cboAddress->setEditText(QStringLiteral(" 127.0.0.1:%1 ").arg(port));
            d.txtToken->setText(QStringLiteral("sesame-0123456789"));
            return int(QDialog::Accepted);
        });
        third->FollowPrompterAction();
        QVERIFY(third->followSession().following());
        QTRY_COMPARE_WITH_TIMEOUT(third->core().plainText(), m_leader->core().plainText(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->followSession().feed().followers(), 2, 5000);
    }

    // A prompter whose remote control is on takes followers on that port, with that token.
    void followsThroughTheRemoteControl()
    {
        remote::RemoteControl &remote = m_leader->remote();
        remote.setAddress(QHostAddress::LocalHost);
        QVERIFY2(remote.startForRun(quint16(0), false), qPrintable(remote.error()));
        m_leader->followSession().leadThrough(remote.port(), remote.token());
        FakeDialogs dialogs;
        auto third = showPrompter(m_platform, dialogs, QString(), QSize(600, 500));
        const QUrl url = *follow::FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(remote.port()));
        third->followSession().follow(url, QStringLiteral("not the token"));
        QSignalSpy refused(third->followSession().link(), &follow::FollowLink::refused);
        QVERIFY(refused.wait(5000));
        QVERIFY(third->core().plainText() != m_leader->core().plainText());
        third->followSession().follow(url, remote.token());
        QTRY_COMPARE_WITH_TIMEOUT(third->core().plainText(), m_leader->core().plainText(), 5000);
        third->HandleKey(keyinput::Space, 0);
        QTRY_VERIFY_WITH_TIMEOUT(m_leader->core().running(), 5000);
    }

    // The remote control's page address, or a follow address, pasted whole: its token goes apart.
    void pastedAddressesGiveTheirToken_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("address"); // empty: no token in it, taken as it is
        QTest::addColumn<QString>("token");
        QTest::newRow("phone page") << "http://192.168.1.20:8777/?token=a%2Bb%20c"
                                    << "192.168.1.20:8777"
                                    << "a+b c";
        QTest::newRow("phone page, IPv6") << " http://[fd00::7]:9000/?token=t "
                                          << "[fd00::7]:9000"
                                          << "t";
        QTest::newRow("page without a port") << "http://studio-b/?token=q"
                                             << "studio-b"
                                             << "q";
        QTest::newRow("follow address") << "ws://10.0.0.7:8777/api/v1/follow?token=xyz"
                                        << "ws://10.0.0.7:8777/api/v1/follow"
                                        << "xyz";
        QTest::newRow("host and port") << "studio-b:8777"
                                       << ""
                                       << "";
        QTest::newRow("token without a host") << "?token=abc"
                                              << ""
                                              << "";
    }
    void pastedAddressesGiveTheirToken()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, address);
        QFETCH(QString, token);
        follow::Discovery discovery;
        dlgFollow dialog(discovery, QString(), QStringLiteral("typed before"));
        dialog.cboAddress->setEditText(pasted);
        QCOMPARE(dialog.address(), address.isEmpty() ? pasted.trimmed() : address);
        QCOMPARE(dialog.token(), token.isEmpty() ? QStringLiteral("typed before") : token);
        if (!address.isEmpty())
            QVERIFY(follow::FollowLink::addressOf(dialog.address()));
    }

    // A leader that will not be followed is said so in words, follow mode is left, and the choice is
    // put back before the operator, address and token as they were.
    void aRefusedFollowerIsAskedAgain_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("itself"); // the leader asked to follow its own address
        QTest::addColumn<QString>("said");
        QTest::newRow("wrong token") << "sesame-0123456780" << false << "did not accept the token";
        QTest::newRow("itself") << "sesame-0123456789" << true << "cannot follow itself";
    }
    void aRefusedFollowerIsAskedAgain()
    {
        QFETCH(QString, token);
        QFETCH(bool, itself);
        QFETCH(QString, said);
        FakeDialogs dialogs;
        auto other = showPrompter(m_platform, dialogs, QString(), QSize(600, 500));
        frmMain &who = itself ? *m_leader : *other;
        FakeDialogs &asked = itself ? m_dialogs : dialogs;
        const QString address = QStringLiteral("127.0.0.1:%1").arg(m_leader->followSession().leadPort());
        asked.modals.append([&](QWidget &w) {
            auto &d = static_cast<dlgFollow &>(w);
            d.cboAddress->setEditText(address);
            d.txtToken->setText(token);
            return int(QDialog::Accepted);
        });
        QString problem, addressAgain, tokenAgain;
        asked.modals.append([&](QWidget &w) {
            auto &d = static_cast<dlgFollow &>(w);
            problem = d.lblProblem->isVisibleTo(&d) ? d.lblProblem->text() : QString();
            addressAgain = d.address();
            tokenAgain = d.token();
            return int(QDialog::Rejected);
        });
        who.FollowPrompterAction();
        QTRY_VERIFY_WITH_TIMEOUT(asked.modals.isEmpty(), 5000);
        QVERIFY2(problem.contains(said), qPrintable(problem));
        QCOMPARE(addressAgain, address);
        QCOMPARE(tokenAgain, token);
        QVERIFY(!who.followSession().following());
        QVERIFY(!who.core().steered());
        if (!itself) { // a leader's panel tells of its leading
            QVERIFY(who.lblFollow->isVisibleTo(&who));
            QCOMPARE(who.lblFollow->toolTip(), problem);
        }
        QCOMPARE(m_leader->followSession().leading(), true);
    }

    // Leading shows where and with what token to follow, and stops on request: its followers are let
    // go, and none is taken any more on its own port or the remote control's.
    void leadingShowsHowToFollowAndStops_data()
    {
        QTest::addColumn<bool>("throughRemote");
        QTest::newRow("own port") << false;
        QTest::newRow("remote control's port") << true;
    }
    void leadingShowsHowToFollowAndStops()
    {
        QFETCH(bool, throughRemote);
        remote::RemoteControl &remote = m_leader->remote();
        quint16 port = m_leader->followSession().leadPort();
        QString token = QStringLiteral("sesame-0123456789");
        if (throughRemote) {
            remote.setAddress(QHostAddress::LocalHost);
            QVERIFY2(remote.startForRun(quint16(0), false), qPrintable(remote.error()));
            m_leader->followSession().stopLeading();
            m_leader->followSession().leadThrough(remote.port(), remote.token());
            port = remote.port();
            token = remote.token();
            m_follower->followSession().follow(
                *follow::FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(port)), token);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->followSession().feed().followers(), 1, 5000);
        QStringList addresses;
        QString shownToken;
        m_dialogs.modals.append([&](QWidget &w) {
            auto &d = static_cast<dlgLeading &>(w);
            addresses = d.txtAddresses->toPlainText().split(QLatin1Char('\n'));
            shownToken = d.txtToken->text();
            return dlgLeading::kStopLeading;
        });
        m_leader->followSeat().showLeading(m_dialogs, m_leader.get());
        QVERIFY(!addresses.isEmpty());
        for (const QString &a : std::as_const(addresses))
            QVERIFY2(a.endsWith(QStringLiteral(":%1").arg(port)) && follow::FollowLink::addressOf(a),
                     qPrintable(a));
        QCOMPARE(shownToken, token);
        QVERIFY(!m_leader->followSession().leading());
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->followSession().feed().followers(), 0, 5000);
        // Its follower tries again and finds nothing to follow: the remote control says so at once.
        if (throughRemote)
            QTRY_VERIFY_WITH_TIMEOUT(!m_follower->followSession().following(), 5000);
        else
            QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSession().leaderLost(), 5000);
        QCOMPARE(m_leader->followSession().feed().followers(), 0);
    }

    // The leader fires the show's cues; a follower passing the same cue fires nothing.
    void aFollowerFiresNoCues()
    {
        QStringList lines = scriptOfLines(80).split(QStringLiteral("\r\n"));
        lines.insert(40, QStringLiteral("[[roll VT]]"));
        m_leader->core().takeScript(lines.join(QStringLiteral("\r\n")));
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().plainText(), m_leader->core().plainText(), 5000);
        QSignalSpy leaderFired(&m_leader->showControl().watch(), &CueWatch::fired);
        QSignalSpy followerFired(&m_follower->showControl().watch(), &CueWatch::fired);
        QCOMPARE(m_follower->showControl().watch().cues().size(), 1);
        const int cueAt = m_leader->core().plainText().indexOf(QLatin1String("[[roll"));
        while (m_leader->core().charAtLine() <= cueAt + 12) {
            m_leader->core().command({run::Verb::Forward});
            // Where the leader's frames would put it.
            m_follower->setScriptTop(m_follower->core().topFor(m_leader->core().readingPlace()));
            m_follower->showControl().watch().moved();
        }
        QVERIFY(m_follower->core().charAtLine() > cueAt);
        QCOMPARE(leaderFired.size(), 1);
        QCOMPARE(followerFired.size(), 0);
    }

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    FakeDialogs m_followerDialogs;
    QTemporaryDir m_siteDir;
    std::unique_ptr<frmMain> m_leader;
    std::unique_ptr<frmMain> m_follower;
};

QTEST_MAIN(tst_Following)
#include "tst_following.moc"
