// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "app/KeyInput.h"
#include "app/gui/PrompterControls.h"
#include "common/modCommon.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "documents/Unread.h"
#include "mos/MosControl.h"
#include "remote/gui/RemoteControl.h"
#include "scroll/ScrollClock.h"
#include "settings/gui/dlgOptions.h"
#include "show/gui/RundownPanel.h"
#include "ui/PreparedLayout.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextCursor>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QString storyText(const QString &name, int lines)
{
    QStringList l;
    for (int i = 1; i <= lines; ++i)
        l << QStringLiteral("%1 line %2 has words to read on camera.").arg(name).arg(i);
    return l.join(QLatin1Char('\n'));
}

} // namespace

// A show of three scripts on the real prompter, driven as the operator and the remotes drive it.
class tst_Rundown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        startFresh(m_settings, m_platform, m_dialogs, m_site);
        m_dir = std::make_unique<QTemporaryDir>();
        m_paths.clear();
        for (const char *name : {"alpha", "bravo", "charlie"}) {
            const QString path = m_dir->filePath(QLatin1String(name) + QStringLiteral(".txt"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QString text = storyText(QLatin1String(name), 40);
            if (qstrcmp(name, "bravo") == 0) // a cue is neither read nor counted
                text.insert(text.indexOf(QStringLiteral("bravo line 11")), QStringLiteral("[[roll VT]]\n"));
            f.write(text.toUtf8());
            m_paths << path;
        }
        m_w = showPrompter(m_platform, m_dialogs, {});
        show().setWallClock(QDateTime(QDate(2026, 12, 8), QTime(20, 0)));
        QVERIFY(show().open(m_paths));
    }
    void cleanup() { m_w.reset(); }

    void showDrivenThroughTheApi();
    void storyKeysAndBreaks();
    void rundownFileKeepsTheShow();
    void panelReordersAndRenames();
    void hitTheTimeStepsTheSpeed();
    void runningOrderShownOnlyWhenPicked();
    void storyRemovedWhileRunning();
    void optionsKeepTheStory();
    void storyEditedOnAir();

private:
    ShowRun &show() const { return m_w->showRun(); }
    QJsonObject state() const { return QJsonDocument::fromJson(m_w->remote().stateJson()).object(); }
    void tick(int ms)
    {
        m_platform.now += ms;
        show().timShow_Timer();
    }
    int call(const QByteArray &method, const QString &path, const QByteArray &body = {})
    {
        QNetworkAccessManager net;
        QNetworkRequest request(
            QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_w->remote().port()).arg(path)));
        request.setRawHeader("Authorization", "Bearer " + m_w->remote().token().toUtf8());
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
        std::unique_ptr<QNetworkReply> reply(net.sendCustomRequest(request, method, body));
        [[maybe_unused]] const bool done = QTest::qWaitFor([&] { return reply->isFinished(); }, 5000);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (method == "GET")
            m_got = QJsonDocument::fromJson(reply->readAll()).object();
        return status;
    }

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_site;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_paths;
    std::unique_ptr<frmMain> m_w;
    QJsonObject m_got;
};

void tst_Rundown::showDrivenThroughTheApi()
{
    remote::RemoteControl &r = m_w->remote();
    r.setAddress(QHostAddress::LocalHost);
    QVERIFY2(r.startForRun(quint16(0), false), qPrintable(r.error()));

    QCOMPARE(call("GET", QStringLiteral("/api/v1/state")), 200);
    QCOMPARE(m_got.value(QStringLiteral("story")).toInt(), 1);
    const QJsonArray rundown = m_got.value(QStringLiteral("rundown")).toArray();
    QCOMPARE(rundown.size(), 3);
    QStringList states;
    for (const QJsonValue &s : rundown)
        states << s[QStringLiteral("title")].toString() + QLatin1Char(' ') +
                      s[QStringLiteral("state")].toString();
    QCOMPARE(states, (QStringList{"alpha onair", "bravo next", "charlie next"}));
    QCOMPARE(rundown.at(1)[QStringLiteral("words")].toInt(), 40 * 9);
    QCOMPARE(m_got.value(QStringLiteral("words")).toInt(), 3 * 40 * 9); // the breaks' titles are not read
    QVERIFY(rundown.at(1)[QStringLiteral("estimated")].toInt() > 0);
    QVERIFY(rundown.at(1)[QStringLiteral("planned")].isNull());
    QCOMPARE(m_got.value(QStringLiteral("cues")).toArray().size(), 0); // bravo's, not on air yet

    // The show starts with the first Start; its clock runs on the program's clock.
    m_w->core().command({run::Verb::Start});
    tick(90000);
    QJsonObject timers = state().value(QStringLiteral("timers")).toObject();
    QCOMPARE(timers.value(QStringLiteral("elapsed")).toInt(), 90);
    QCOMPARE(timers.value(QStringLiteral("storyElapsed")).toInt(), 90);

    QCOMPARE(call("POST", QStringLiteral("/api/v1/action/nextstory")), 204);
    QJsonObject s = state();
    QCOMPARE(s.value(QStringLiteral("story")).toInt(), 2);
    QCOMPARE(s.value(QStringLiteral("rundown")).toArray().at(0)[QStringLiteral("state")].toString(), "done");
    // The story's first line is on the reading line, and places count in its own text.
    QCOMPARE(s.value(QStringLiteral("charAtLine")).toInt(), 0);
    QVERIFY2(s.value(QStringLiteral("lineText")).toString().startsWith(QStringLiteral("bravo line 1 ")),
             qPrintable(s.value(QStringLiteral("lineText")).toString()));
    const QJsonArray cues = s.value(QStringLiteral("cues")).toArray();
    QCOMPARE(cues.size(), 1);
    QCOMPARE(cues.at(0)[QStringLiteral("text")].toString(), QStringLiteral("roll VT"));
    QCOMPARE(cues.at(0)[QStringLiteral("start")].toInt(),
             m_w->core().plainText().mid(show().storyStart(1)).indexOf(QStringLiteral("[[roll VT]]")));
    tick(30000);
    timers = state().value(QStringLiteral("timers")).toObject();
    QCOMPARE(timers.value(QStringLiteral("elapsed")).toInt(), 120);
    QCOMPARE(timers.value(QStringLiteral("storyElapsed")).toInt(), 30);
    const int storyToGo = timers.value(QStringLiteral("storyToGo")).toInt();
    const int showToGo = timers.value(QStringLiteral("showToGo")).toInt();
    QVERIFY(storyToGo > 0 && showToGo > storyToGo);
    // One time to go: the panel's label and the state's say the show's.
    QCOMPARE(state().value(QStringLiteral("timeToGo")).toString(), modCommon::FormatTime(showToGo));
    QCOMPARE(m_w->lblToGo->text(), modCommon::FormatTime(showToGo));

    QCOMPARE(call("POST", QStringLiteral("/api/v1/story"), R"({"index":3})"), 204);
    QCOMPARE(state().value(QStringLiteral("story")).toInt(), 3);
    QCOMPARE(call("POST", QStringLiteral("/api/v1/action/nextstory")), 404);
    QCOMPARE(call("POST", QStringLiteral("/api/v1/story"), R"({"index":4})"), 404);
    QCOMPARE(call("POST", QStringLiteral("/api/v1/story"), R"({"index":0})"), 400);
    QCOMPARE(call("POST", QStringLiteral("/api/v1/action/prevstory")), 204);
    QCOMPARE(state().value(QStringLiteral("story")).toInt(), 2);

    // At 20:02:00, the rest of the show against a target end: over before it, under well after it.
    QCOMPARE(call("GET", QStringLiteral("/api/v1/state")), 200);
    timers = m_got.value(QStringLiteral("timers")).toObject();
    const int toGo = timers.value(QStringLiteral("showToGo")).toInt();
    QCOMPARE(timers.value(QStringLiteral("endTime")).toString(),
             QTime(20, 2).addSecs(toGo).toString(QStringLiteral("HH:mm:ss")));
    QVERIFY(timers.value(QStringLiteral("paceSpeed")).isNull()); // nothing planned yet
    QCOMPARE(call("POST", QStringLiteral("/api/v1/target"), R"({"end":"20:03"})"), 204);
    timers = state().value(QStringLiteral("timers")).toObject();
    QCOMPARE(timers.value(QStringLiteral("overUnder")).toInt(), 60 - toGo);
    QVERIFY(timers.value(QStringLiteral("paceSpeed")).toInt() > m_w->core().speed());
    QCOMPARE(call("POST", QStringLiteral("/api/v1/target"), R"({"end":"23:00"})"), 204);
    timers = state().value(QStringLiteral("timers")).toObject();
    QCOMPARE(timers.value(QStringLiteral("overUnder")).toInt(), 3 * 3600 - 120 - toGo);
    QCOMPARE(timers.value(QStringLiteral("paceSpeed")).toInt(), 1);
    QCOMPARE(call("POST", QStringLiteral("/api/v1/target"), R"({"end":"25:00"})"), 400);
    QCOMPARE(call("POST", QStringLiteral("/api/v1/target"), R"({"duration":600})"), 204);
    QCOMPARE(state()[QStringLiteral("timers")][QStringLiteral("overUnder")].toInt(), 600 - 120 - toGo);
}

void tst_Rundown::storyKeysAndBreaks()
{
    const QTextDocument *doc = m_w->rtDoc->document();
    QStringList breaks;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (unread::kindOf(b) == unread::Kind::StoryBreak)
            breaks << b.text();
    }
    QCOMPARE(breaks, (QStringList{"bravo", "charlie"}));
    QCOMPARE(m_w->lblWords->text(), QStringLiteral("1080 Words"));

    m_w->HandleKey(keyinput::PageDown, keyinput::CtrlBit);
    QCOMPARE(show().current(), 1);
    QCOMPARE(m_w->core().charAtLine(), show().storyStart(1));
    m_w->HandleKey(keyinput::PageDown, keyinput::CtrlBit);
    m_w->HandleKey(keyinput::PageUp, keyinput::CtrlBit);
    QCOMPARE(show().current(), 1);
    QCOMPARE(m_w->core().charAtLine(), show().storyStart(1));
    // Without Ctrl, a page as ever.
    const float top = m_w->core().top();
    m_w->HandleKey(keyinput::PageDown, 0);
    QVERIFY(m_w->core().top() < top);
    QCOMPARE(show().current(), 1);

    // Read on into the next story: it is on air once the reading line reaches its break.
    m_w->core().command({run::Verb::JumpChar, show().storyStart(2) - 2});
    tick(250);
    QCOMPARE(show().current(), 2);
    // At the end of the script what stands below the line has been read too.
    m_w->core().command({run::Verb::End});
    tick(250);
    QCOMPARE(show().current(), 2);
    QCOMPARE(show().timings().showToGo, 0);
}

void tst_Rundown::rundownFileKeepsTheShow()
{
    show().setTitle(0, QStringLiteral("Headlines"));
    show().setPlanned(2, 75);
    m_w->core().command({run::Verb::Target, 1800, 0, int(run::TargetKind::Duration)});
    const QString file = m_dir->filePath(QStringLiteral("news.cuerundown"));
    QString error;
    QVERIFY2(show().saveRundown(file, &error), qPrintable(error));
    QVERIFY(QFile::remove(m_paths.at(1)));

    m_w->core().takeScript(QStringLiteral("another script"));
    QVERIFY(!show().isShow());
    m_w->OpenShow({file}); // as a drop or the command line would
    QVERIFY(show().isShow());
    QCOMPARE(show().stories().size(), 3);
    QCOMPARE(show().stories().at(0).shownTitle(), QStringLiteral("Headlines"));
    QCOMPARE(show().stories().at(2).planned, 75);
    QCOMPARE(show().target().kind, show::Target::Kind::Duration);
    QVERIFY(show().stories().at(1).missing);
    QVERIFY(!show().stories().at(1).problem.isEmpty());
    QVERIFY(!m_w->rtDoc->Text().contains(QStringLiteral("bravo")));
    QVERIFY(m_w->core().command({run::Verb::Story, 2}).refused());
    QVERIFY(!m_w->core().command({run::Verb::NextStory}).refused());
    QCOMPARE(show().current(), 2);
    QCOMPARE(m_dialogs.shown.size(), 0);

    QFile junk(m_dir->filePath(QStringLiteral("junk.cuerundown")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a rundown");
    junk.close();
    QVERIFY(!show().open({junk.fileName()}, &error));
    QVERIFY(error.contains(QStringLiteral("junk.cuerundown")));
    QTemporaryDir empty;
    QVERIFY(!show().open({empty.path()}, &error));
    QVERIFY(error.contains(QDir::toNativeSeparators(empty.path())));
    QCOMPARE(show().stories().size(), 3); // the show stays as it was
}

void tst_Rundown::panelReordersAndRenames()
{
    RundownPanel &panel = m_w->rundown();
    QVERIFY(panel.isVisible());
    QVERIFY(panel.geometry().left() >= m_w->picBack->geometry().right());
    panel.twStories->topLevelItem(0)->setSelected(true);
    QTest::keyClick(panel.twStories, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(show().stories().at(1).shownTitle(), QStringLiteral("alpha"));
    QCOMPARE(panel.selected(), 1);
    QVERIFY(m_w->rtDoc->Text().startsWith(QStringLiteral("bravo line 1")));
    QCOMPARE(show().current(), 1); // the story on the reading line stays there, wherever it goes

    panel.twStories->topLevelItem(2)->setText(RundownPanel::ColTitle, QStringLiteral("Weather"));
    QVERIFY(m_w->rtDoc->Text().contains(QStringLiteral("\r\nWeather\r\ncharlie line 1")));
    panel.twStories->topLevelItem(2)->setText(RundownPanel::ColPlanned, QStringLiteral("2:30"));
    QCOMPARE(show().stories().at(2).planned, 150);
    panel.twStories->topLevelItem(2)->setText(RundownPanel::ColPlanned, QStringLiteral("soon"));
    QCOMPARE(show().stories().at(2).planned, 150);

    // Full screen shows the script alone.
    m_w->core().command({run::Verb::SetFullScreen, 1});
    QVERIFY(!panel.isVisible());
    m_w->core().command({run::Verb::SetFullScreen, 0});
    QVERIFY(panel.isVisible());
}

void tst_Rundown::hitTheTimeStepsTheSpeed()
{
    m_w->core().command({run::Verb::Speed, 2});
    show().setPacing({true, 1, 6});
    // A target the show meets at about speed 10 (the step grows from 11 to 35 twips): 6 at most here.
    const int atTwo = show().timings().showToGo;
    QVERIFY(atTwo > 100);
    m_w->core().command({run::Verb::Target, atTwo * 11 / 35 + 15, 0, int(run::TargetKind::Duration)});
    m_w->core().command({run::Verb::Start});
    QList<int> speeds;
    for (int i = 0; i < 60; ++i) {
        tick(250);
        speeds << m_w->core().speed();
    }
    QCOMPARE(speeds.last(), 6); // as fast as allowed, never more
    for (qsizetype i = 1; i < speeds.size(); ++i)
        QVERIFY(speeds.at(i) - speeds.at(i - 1) <= 1);
    QCOMPARE(speeds.indexOf(3) - speeds.indexOf(4), -ShowRun::kPaceStepMs / 250);
}

// The operator's file show gives way to a running order only when they pick it, and takes its place
// again when they open one; a running order gone from the newsroom leaves what is read.
void tst_Rundown::runningOrderShownOnlyWhenPicked()
{
    mos::RunningOrders &orders = m_w->mos().orders();
    mos::RunningOrder order{QStringLiteral("RO"), QStringLiteral("Late"), {}, {}, false};
    for (const char *id : {"one", "two"})
        order.stories << mos::Story{QLatin1String(id), QLatin1String(id), {{QStringLiteral("Read this.")}}};
    QVERIFY(orders.create(order));
    QCOMPARE(show().stories().at(0).shownTitle(), QStringLiteral("alpha"));

    m_w->mos().setShownOrder(order.id);
    QCOMPARE(show().stories().size(), 2);
    QCOMPARE(show().stories().at(1).shownTitle(), QStringLiteral("two"));
    // Its stories are in no file a rundown could name.
    QVERIFY(!show().saveRundown(m_dir->filePath(QStringLiteral("order.cuerundown"))));

    m_w->OpenShow(m_paths);
    QVERIFY(m_w->mos().shownOrder().isEmpty());
    QVERIFY(orders.setBody(order.id, QStringLiteral("one"), {{QStringLiteral("Changed.")}}));
    QCOMPARE(show().stories().at(0).shownTitle(), QStringLiteral("alpha"));

    m_w->mos().setShownOrder(order.id);
    QCOMPARE(show().stories().at(0).text, QStringLiteral("Changed."));
    QVERIFY(orders.remove(order.id));
    QVERIFY(m_w->mos().shownOrder().isEmpty());
    QCOMPARE(show().stories().size(), 2);
    QVERIFY(show().fed());
}

// A story taken out while the prompter runs: the show is composed and laid out again on a worker while
// the frames go on over the old script; the new one shows whole, with the reading line as far into the
// story on air as it had read by then, and the window lays none of it out again.
void tst_Rundown::storyRemovedWhileRunning()
{
    PrompterControls::setPrepareAway(true);
    const auto restore = qScopeGuard([] { PrompterControls::setPrepareAway(false); });
    PrompterCore &core = m_w->core();
    QCOMPARE(core.command({run::Verb::Story, 2}).outcome, run::Answer::Outcome::Done);
    core.command({run::Verb::Speed, 16});
    core.command({run::Verb::Start});
    const auto frame = [&] {
        m_platform.now += 16;
        core.clock().timFrame_Timer();
    };
    for (int i = 0; i < 40; ++i)
        frame();
    const int layouts = preparedlayout::wholeLayouts();
    QSignalSpy shown(&core, &PrompterCore::scriptChanged);
    show().removeStory(2);
    const float asked = core.top();
    for (int i = 0; i < 3; ++i)
        frame();
    QVERIFY(core.top() < asked); // the old script goes on moving meanwhile
    QVERIFY(shown.isEmpty());
    int into = -1;
    QVERIFY(QTest::qWaitFor(
        [&] {
            if (!shown.isEmpty())
                return true;
            frame();
            into = core.charAtLine() - show().storyStart(1);
            return false;
        },
        10000));
    QVERIFY(into > 0);
    QVERIFY(core.running());
    QCOMPARE(show().stories().size(), 2);
    QCOMPARE(show().current(), 1);
    QCOMPARE(core.charAtLine() - show().storyStart(1), into);
    QCOMPARE(preparedlayout::wholeLayouts(), layouts + 1); // on the worker, and only there
}

// Options, OK or Cancel, and the window laid out at another width leave the show on the words read,
// its breaks still dressed as breaks.
void tst_Rundown::optionsKeepTheStory()
{
    QVERIFY(!m_w->core().command({run::Verb::Story, 2}).refused());
    m_w->HandleKey(keyinput::Down, 0);
    const int reading = m_w->core().charAtLine();
    const QString words = m_w->core().plainText().mid(reading, 30);
    for (bool ok : {true, false}) {
        m_dialogs.modals << [ok](QWidget &d) {
            auto *options = qobject_cast<dlgOptions *>(&d);
            (ok ? options->cmdOk : options->cmdCancel)->click();
            return 0;
        };
        m_w->DoAction(QStringLiteral("Options"));
        QCOMPARE(show().current(), 1);
        QCOMPARE(m_w->core().plainText().mid(m_w->core().charAtLine(), 30), words);
    }
    m_w->resize(m_w->width() - 200, m_w->height());
    QTRY_COMPARE(m_w->rtDoc->width(), m_w->picBack->width());
    QCOMPARE(show().current(), 1);
    QVERIFY(m_w->core().plainText().mid(m_w->core().charAtLine() - 40, 100).contains(words.left(20)));
    QTRY_COMPARE(unread::kindOf(m_w->rtDoc->document()->findBlockByNumber(40)), unread::Kind::StoryBreak);
}

// The operator changes the story on air beside the rundown while it runs: Apply shows it at once, the
// presenter stays on the same words, and the timers take the new length.
void tst_Rundown::storyEditedOnAir()
{
    RundownPanel &panel = m_w->rundown();
    QVERIFY(!m_w->core().command({run::Verb::Story, 2}).refused());
    m_w->core().command({run::Verb::Start});
    tick(2000);
    const int reading = m_w->core().charAtLine();
    const QString words = m_w->core().plainText().mid(reading, 30);
    const int toGo = show().timings().showToGo;
    QCoreApplication::processEvents();
    QCOMPARE(panel.txtStory->toPlainText(), show().stories().at(1).text);
    QVERIFY(!panel.cmdApply->isEnabled());

    QTextCursor c(panel.txtStory->document());
    c.insertText(QStringLiteral("A new first line.\n"));
    c.movePosition(QTextCursor::End);
    c.insertText(QLatin1Char('\n') + storyText(QStringLiteral("added"), 10));
    QVERIFY(panel.cmdApply->isEnabled());
    tick(250); // the edit waits for Apply
    QCOMPARE(show().stories().at(1).words, 360);
    panel.cmdApply->click();
    QCOMPARE(show().stories().at(1).words, 360 + 4 + 90);
    QVERIFY(m_w->core().running());
    QCOMPARE(show().current(), 1);
    QVERIFY(m_w->core().plainText().mid(m_w->core().charAtLine() - 40, 100).contains(words.left(20)));
    QVERIFY(show().timings().showToGo > toGo);
    QVERIFY(!panel.cmdApply->isEnabled());
}

QTEST_MAIN(tst_Rundown)
#include "tst_rundown.moc"
