// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PrompterWindow.h"
#include "app/FollowSeat.h"
#include "app/KeyInput.h"
#include "app/dlgFollow.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "follow/FollowLink.h"
#include "follow/LeaderFeed.h"
#include "remote/RemoteControl.h"
#include "scroll/ScrollClock.h"
#include "ui/RichTextView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

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
        QVERIFY(m_leader->followSeat().lead(QHostAddress::LocalHost, 0, QStringLiteral("sesame-0123456789")));
        m_follower = showPrompter(m_platform, m_followerDialogs, QString(), QSize(800, 600));
        m_follower->followSeat().follow(
            *follow::FollowLink::addressOf(
                QStringLiteral("127.0.0.1:%1").arg(m_leader->followSeat().leadPort())),
            QStringLiteral("sesame-0123456789"));
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().plainText(), m_leader->core().plainText(), 5000);
    }
    void cleanup()
    {
        m_follower.reset();
        m_leader.reset();
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
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSeat().link()->connected(), 5000);
        m_follower->HandleKey(key, shift);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().running(), running, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().speed(), speed, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->core().direction() == PrompterCore::Direction::Up, forward, 5000);
        // The follower shows the leader's speed and direction, and never opened anything else.
        QTRY_COMPARE_WITH_TIMEOUT(m_follower->core().speed(), speed, 5000);
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
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSeat().link()->connected(), 5000);
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

    // The leader goes: the follower says so on its panel, keeps the run, and takes the lead on request.
    void aLostLeaderIsReplaced()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSeat().link()->connected(), 5000);
        m_leader.reset();
        QTRY_VERIFY_WITH_TIMEOUT(m_follower->followSeat().leaderLost(), 5000);
        QVERIFY(m_follower->lblFollow->text().contains(QStringLiteral("lost")));
        QVERIFY(m_follower->core().steered());
        QVERIFY(m_follower->followSeat().promote(QHostAddress::LocalHost));
        QVERIFY(m_follower->followSeat().leading());
        QVERIFY(!m_follower->core().steered());
    }

    // "Follow prompter…" with an address typed and the token: a third prompter follows too.
    void theMenuFollowsATypedLeader()
    {
        FakeDialogs dialogs;
        auto third = showPrompter(m_platform, dialogs, QString(), QSize(600, 500));
        const quint16 port = m_leader->followSeat().leadPort();
        dialogs.modals.append([port](QWidget &w) {
            auto &d = static_cast<dlgFollow &>(w);
            d.cboAddress->setEditText(QStringLiteral(" 127.0.0.1:%1 ").arg(port));
            d.txtToken->setText(QStringLiteral("sesame-0123456789"));
            return int(QDialog::Accepted);
        });
        third->FollowPrompterAction();
        QVERIFY(third->followSeat().following());
        QTRY_COMPARE_WITH_TIMEOUT(third->core().plainText(), m_leader->core().plainText(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_leader->followSeat().feed().followers(), 2, 5000);
    }

    // A prompter whose remote control is on takes followers on that port, with that token.
    void followsThroughTheRemoteControl()
    {
        remote::RemoteControl &remote = m_leader->remote();
        remote.setAddress(QHostAddress::LocalHost);
        QVERIFY2(remote.startForRun(quint16(0), false), qPrintable(remote.error()));
        m_leader->followSeat().leadThrough(remote.port(), remote.token());
        FakeDialogs dialogs;
        auto third = showPrompter(m_platform, dialogs, QString(), QSize(600, 500));
        const QUrl url = *follow::FollowLink::addressOf(QStringLiteral("127.0.0.1:%1").arg(remote.port()));
        third->followSeat().follow(url, QStringLiteral("not the token"));
        QSignalSpy refused(third->followSeat().link(), &follow::FollowLink::refused);
        QVERIFY(refused.wait(5000));
        QVERIFY(third->core().plainText() != m_leader->core().plainText());
        third->followSeat().follow(url, remote.token());
        QTRY_COMPARE_WITH_TIMEOUT(third->core().plainText(), m_leader->core().plainText(), 5000);
        third->HandleKey(keyinput::Space, 0);
        QTRY_VERIFY_WITH_TIMEOUT(m_leader->core().running(), 5000);
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
