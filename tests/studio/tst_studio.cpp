// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "line/gui/frmLine.h"
#include "scroll/ScrollClock.h"
#include "settings/Settings.h"
#include "settings/StoreFile.h"
#include "settings/modSettings.h"
#include "studio/ScriptPicture.h"
#include "studio/Studio.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QBackingStore>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <qpa/qplatformbackingstore.h>

#include <memory>

// The countdown before Start and the studio choices, without a second screen.
// What the settings store holds for a key of [General], read without storing anything.
static std::optional<QString> storedValue(const QString &key)
{
    const std::optional<QByteArray> file = storefile::load(modSettings::storeFilePath());
    return file ? storefile::findValue(*file, u"General", key) : std::nullopt;
}

static void store(QStringView key, const QString &text)
{
    modSettings::WriteSetting(QStringLiteral("General"), key.toString(), text);
}

class tst_studio : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;

    std::unique_ptr<frmMain> makeWindow(int countdown)
    {
        if (countdown > 0)
            store(u"CountdownSeconds", QString::number(countdown));
        auto w = std::make_unique<frmMain>(m_platform, m_dialogs);
        w->rtDoc->setText(scriptOfLines(200));
        w->resize(1000, 700);
        w->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(w.get());
        w->Form_Resize();
        return w;
    }

    // Moves the clock on and lets both timers act as their ticks would.
    static void advance(frmMain &w, FakePlatform &platform, quint32 ms)
    {
        platform.now += ms;
        w.studio()->countdownTick();
        if (w.core().clock().ticking())
            w.core().clock().timTick_Timer();
    }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>();
        m_platform = FakePlatform();
        m_dialogs = FakeDialogs();
    }

    // With the script shown beneath the window, the view's frames on screen are clear, while what is
    // drawn of it elsewhere (the compositor's buffers, the talent picture's tiles) still holds the text.
    void scriptShownBeneathIsDrawnOnlyElsewhere_data()
    {
        QTest::addColumn<bool>("beneath");
        QTest::newRow("drawn by the window") << false;
        QTest::newRow("shown beneath it") << true;
    }

    void scriptShownBeneathIsDrawnOnlyElsewhere()
    {
        QFETCH(bool, beneath);
        QWidget window;
        window.resize(300, 200);
        RichTextView view(RichTextView::Input::None, &window);
        view.setGeometry(window.rect());
        view.setText(QStringLiteral("good evening and welcome to the news at nine"));
        view.setShownBeneath(beneath);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        view.viewport()->repaint();
        // Text leaves more than one colour; a clear view leaves one.
        const auto inked = [](const QImage &image) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != image.pixel(0, 0))
                        return true;
            return false;
        };
        const QRect vp(view.viewport()->mapTo(&window, QPoint()), view.viewport()->size());
        const QImage onScreen = window.backingStore()->handle()->toImage().copy(vp);
        QCOMPARE(inked(onScreen), !beneath);
        QVERIFY(inked(view.viewport()->grab().toImage()));
    }

    void countdownShowsEachSecond_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<quint32>("start");
        QTest::newRow("3 s") << 3 << quint32(1000);
        QTest::newRow("10 s") << 10 << quint32(5);
        QTest::newRow("across the clock's wrap") << 5 << quint32(0xFFFFF000u);
    }
    void countdownShowsEachSecond()
    {
        QFETCH(int, seconds);
        QFETCH(quint32, start);
        Countdown c;
        QCOMPARE(c.showing(start), 0);
        c.begin(start, seconds);
        for (int i = 0; i < seconds; ++i) {
            QCOMPARE(c.showing(start + quint32(i) * 1000u), seconds - i);
            QCOMPARE(c.showing(start + quint32(i) * 1000u + 999u), seconds - i);
        }
        QVERIFY(!c.over(start + quint32(seconds) * 1000u - 1u));
        QVERIFY(c.over(start + quint32(seconds) * 1000u));
        QCOMPARE(c.end(), start + quint32(seconds) * 1000u);
    }

    void clockStartsWhenTheCountdownEnds()
    {
        auto w = makeWindow(3);
        const float top = twips::top(w->rtDoc);
        const QString toGo = w->lblToGo->text();
        w->HandleKey(32, 0);          // Space
        QVERIFY(w->core().running()); // counts as started
        QVERIFY(!w->core().clock().ticking());
        QVERIFY(w->studio()->counting());
        QCOMPARE(w->studio()->countdownOverlay()->number(), 3);
        QVERIFY(w->studio()->countdownOverlay()->isVisible());
        advance(*w, m_platform, 1000);
        QCOMPARE(w->studio()->countdownOverlay()->number(), 2);
        advance(*w, m_platform, 1999); // 2999 ms in
        QCOMPARE(w->studio()->countdownOverlay()->number(), 1);
        QCOMPARE(twips::top(w->rtDoc), top);
        QCOMPARE(w->lblToGo->text(), toGo);

        const quint32 end = 1000 + 3000;
        advance(*w, m_platform, 8); // 7 ms late, the tick: the clock starts as of the countdown's end
        QVERIFY(!w->studio()->counting());
        QVERIFY(!w->studio()->countdownOverlay()->isVisible());
        QVERIFY(w->core().clock().ticking());
        QCOMPARE(quint32(w->core().clock().lastTick()), end);
        QCOMPARE(twips::top(w->rtDoc), top); // 7 ms after the end: no step yet
        advance(*w, m_platform, 13);         // 20 ms after the end: the first step
        QCOMPARE(twips::top(w->rtDoc), top - 8);
        QCOMPARE(quint32(w->core().clock().lastTick()), end + 20);
    }

    void countdownCancelledByAnythingThatStops_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("atTop");
        QTest::newRow("Space") << 32 << false;
        QTest::newRow("F3") << 114 << false;
        QTest::newRow("Reset (F4)") << 115 << true;
        QTest::newRow("Reset (Backspace)") << 8 << true;
    }
    void countdownCancelledByAnythingThatStops()
    {
        QFETCH(int, key);
        QFETCH(bool, atTop);
        auto w = makeWindow(5);
        w->HandleKey(34, 0); // Page Down: the script is somewhere in the middle
        const float top = twips::top(w->rtDoc);
        w->HandleKey(114, 0); // F3 starts the countdown
        advance(*w, m_platform, 1500);
        w->HandleKey(key, 0);
        QVERIFY(!w->core().running());
        QVERIFY(!w->studio()->counting());
        QVERIFY(!w->studio()->countdownOverlay()->isVisible());
        advance(*w, m_platform, 10000);
        QVERIFY(!w->core().clock().ticking());
        QCOMPARE(twips::top(w->rtDoc), atTop ? 0.0f : top);
        QVERIFY(top != 0);
    }

    void withoutCountdownStartIsImmediate()
    {
        auto w = makeWindow(0);
        w->DoAction(QStringLiteral("Start"));
        QVERIFY(w->core().clock().ticking());
        QCOMPARE(quint32(w->core().clock().lastTick()), m_platform.now);
        QVERIFY(!w->studio()->counting());
        QVERIFY(!w->studio()->countdownOverlay()->isVisible());
        // The store gains none of the studio keys while nobody chose any.
        for (const char *k :
             {"TalentScreen", "MirrorTalent", "FlipTalent", "MirrorPrompter", "CountdownSeconds"})
            QVERIFY2(!storedValue(QLatin1String(k)), k);
    }

    void startWhileCountingKeepsCounting()
    {
        auto w = makeWindow(3);
        w->DoAction(QStringLiteral("Start"));
        advance(*w, m_platform, 1200);
        w->DoAction(QStringLiteral("Start"));
        QCOMPARE(w->studio()->countdownShowing(), 2);
        advance(*w, m_platform, 1800);
        QVERIFY(w->core().clock().ticking());
        QCOMPARE(quint32(w->core().clock().lastTick()), 4000u);
    }

    // The context menu: each choice shows at once and lands in the store under its own key.
    void menuChoices_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("mirror talent off") << QStringList{"Mirror talent screen"} << "MirrorTalent"
                                           << "False";
        QTest::newRow("flip talent") << QStringList{"Flip talent screen vertically"} << "FlipTalent"
                                     << "True";
        QTest::newRow("mirror prompter") << QStringList{"Mirror prompter"} << "MirrorPrompter"
                                         << "True";
        QTest::newRow("countdown 3") << QStringList{"Countdown", "3 s"} << "CountdownSeconds"
                                     << "3";
        QTest::newRow("countdown 5") << QStringList{"Countdown", "5 s"} << "CountdownSeconds"
                                     << "5";
        QTest::newRow("countdown 10") << QStringList{"Countdown", "10 s"} << "CountdownSeconds"
                                      << "10";
        QTest::newRow("talent off") << QStringList{"Talent screen", "Off"} << "TalentScreen"
                                    << "";
        QTest::newRow("message below")
            << QStringList{"Message below the reading line"} << "TalentMessageBelow"
            << "True";
    }
    void menuChoices()
    {
        QFETCH(QStringList, path);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        auto w = makeWindow(0);
        if (key == QLatin1String("TalentScreen")) { // Off is only news when a screen was chosen
            StudioOptions o = w->studio()->options();
            o.talentScreen = QStringLiteral("elsewhere");
            w->studio()->setOptions(o, true);
        }
        QMenu menu;
        w->studio()->fillMenu(menu);
        QMenu *in = &menu;
        QAction *chosen = nullptr;
        for (const QString &step : path) {
            chosen = nullptr;
            for (QAction *a : in->actions()) {
                if (QString(a->text()).remove(QLatin1Char('&')) == step) // as read, without the accelerator
                    chosen = a;
            }
            QVERIFY2(chosen, qPrintable(step));
            if (chosen->menu())
                in = chosen->menu();
        }
        chosen->trigger();
        QCOMPARE(storedValue(key).value_or(QString()), stored);
        QCOMPARE(Studio::storedOptions(Settings()), w->studio()->options());
        // A fresh menu shows the choice ticked.
        QMenu again;
        w->studio()->fillMenu(again);
        QVERIFY(!again.actions().isEmpty());
        if (path.size() == 1) {
            for (QAction *a : again.actions()) {
                if (QString(a->text()).remove(QLatin1Char('&')) == path.first())
                    QCOMPARE(a->isChecked(), stored == QLatin1String("True"));
            }
        }
        QCOMPARE(w->studio()->prompterMirror() != nullptr, w->studio()->options().mirrorPrompter);
    }

    // The message stands beside the reading line, never over it: on the side chosen unless the line
    // stands so near that edge that there is no room.
    void messageStandsBesideTheReadingLine_data()
    {
        QTest::addColumn<QRectF>("line");
        QTest::addColumn<bool>("below");
        QTest::addColumn<bool>("standsBelow");
        QTest::newRow("above, the default") << QRectF(0, 280, 800, 40) << false << false;
        QTest::newRow("below, chosen") << QRectF(0, 280, 800, 40) << true << true;
        QTest::newRow("line at the top: below") << QRectF(0, 20, 800, 40) << false << true;
        QTest::newRow("line at the foot: above") << QRectF(0, 560, 800, 36) << true << false;
    }
    void messageStandsBesideTheReadingLine()
    {
        QFETCH(QRectF, line);
        QFETCH(bool, below);
        QFETCH(bool, standsBelow);
        QImage picture(800, 600, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        QPainter p(&picture);
        const QString text = QStringLiteral("Wrap up now, we are over by a minute and a half");
        const QRectF band = studio::paintMessage(p, QRectF(0, 0, 800, 600), text, line, below);
        QVERIFY(!band.isEmpty());
        QVERIFY(!band.intersects(line));
        QCOMPARE(band.top() >= line.bottom(), standsBelow);
        // Nothing drawn on the line's rows.
        for (int y = int(line.top()); y < int(line.bottom()); ++y)
            QCOMPARE(picture.pixel(400, y), qRgb(255, 255, 255));
    }

    // On the operator's view too; the screenshot shows where it stands.
    void messageOnThePrompterLeavesTheLineFree()
    {
        auto w = makeWindow(0);
        QVERIFY(!w->core().command({run::Verb::Message, 0, 0, 0, QStringLiteral("Wrap up")}).refused());
        QCoreApplication::processEvents();
        QWidget *overlay = w->studio()->countdownOverlay();
        QVERIFY(overlay->isVisible());
        QImage shown(overlay->size(), QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::transparent);
        overlay->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren); // its own drawing only
        const QRect line = studio::bandIn(w->picBack, w->lineWindow).translated(-overlay->pos());
        QVERIFY(!line.isEmpty());
        // Drawn above the line; the line's rows stay clear.
        QVERIFY(qAlpha(shown.pixel(shown.width() / 2, line.top() / 2)) > 0);
        for (int y = std::max(0, line.top()); y <= std::min(shown.height() - 1, line.bottom()); ++y)
            QCOMPARE(qAlpha(shown.pixel(shown.width() / 2, y)), 0);
        if (!qEnvironmentVariableIsEmpty("CUESCROLL_SCREENSHOTS"))
            w->grab().save(qEnvironmentVariable("CUESCROLL_SCREENSHOTS") +
                           QStringLiteral("/message-above-line.png"));
    }

    void storedChoicesComeBackAtStart()
    {
        store(u"MirrorPrompter", QStringLiteral("True"));
        store(u"FlipTalent", QStringLiteral("True"));
        store(u"MirrorTalent", QStringLiteral("False"));
        store(u"TalentScreen", QStringLiteral("no such screen"));
        auto w = makeWindow(10);
        const StudioOptions o = w->studio()->options();
        QCOMPARE(o.countdownSeconds, 10);
        QVERIFY(o.mirrorPrompter && o.flipTalent && !o.mirrorTalent);
        QVERIFY(w->studio()->prompterMirror());
        QVERIFY(!w->studio()->talentWindow()); // an unknown screen: no talent window
    }

    void prompterScreenIsNeverTheTalentScreen()
    {
        store(u"TalentScreen", QStringLiteral("1"));
        auto w = makeWindow(0);
        QVERIFY(!w->studio()->talentWindow());
        // The operator is told why, in the panel.
        QVERIFY(w->lblStudio->isVisible());
        QVERIFY(w->lblStudio->text().contains(QGuiApplication::primaryScreen()->name()));
        QMenu menu;
        w->studio()->fillMenu(menu);
        QVERIFY(!menu.findChild<QMenu *>(QStringLiteral("mnuTalentScreen"))->actions().first()->isEnabled());
    }

    void commandLine_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::addColumn<int>("exitCode");   // -1: runs
        QTest::addColumn<QString>("talent"); // "-": not given
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<int>("countdown"); // -1: not given
        QTest::newRow("none") << QList<QByteArray>{"cuescroll"} << -1 << "-" << false << -1;
        QTest::newRow("talent 2") << QList<QByteArray>{"cuescroll", "--talent-screen", "2"} << -1 << "2"
                                  << false << -1;
        QTest::newRow("talent by name")
            << QList<QByteArray>{"cuescroll", "--talent-screen=HDMI-1"} << -1 << "HDMI-1" << false << -1;
        QTest::newRow("mirror") << QList<QByteArray>{"cuescroll", "--mirror"} << -1 << "-" << true << -1;
        QTest::newRow("countdown") << QList<QByteArray>{"cuescroll", "--countdown", "5"} << -1 << "-" << false
                                   << 5;
        QTest::newRow("countdown 0") << QList<QByteArray>{"cuescroll", "--countdown", "0"} << -1 << "-"
                                     << false << 0;
        QTest::newRow("all") << QList<QByteArray>{"cuescroll", "--mirror",    "--talent-screen",
                                                  "1",         "--countdown", "3"}
                             << -1 << "1" << true << 3;
        QTest::newRow("countdown not a number")
            << QList<QByteArray>{"cuescroll", "--countdown", "soon"} << 2 << "-" << false << -1;
        QTest::newRow("countdown negative")
            << QList<QByteArray>{"cuescroll", "--countdown=-3"} << 2 << "-" << false << -1;
        QTest::newRow("countdown too long")
            << QList<QByteArray>{"cuescroll", "--countdown", "61"} << 2 << "-" << false << -1;
        QTest::newRow("talent without N")
            << QList<QByteArray>{"cuescroll", "--talent-screen"} << 2 << "-" << false << -1;
    }
    void commandLine()
    {
        QFETCH(QList<QByteArray>, args);
        QFETCH(int, exitCode);
        QFETCH(QString, talent);
        QFETCH(bool, mirror);
        QFETCH(int, countdown);
        const commandline::Request r = commandline::parse(args);
        if (exitCode >= 0) {
            QCOMPARE(r.action, commandline::Request::Action::Print);
            QCOMPARE(r.exitCode, exitCode);
            return;
        }
        QCOMPARE(r.action, commandline::Request::Action::Run);
        QCOMPARE(r.talentScreen.has_value(), talent != QLatin1String("-"));
        if (r.talentScreen)
            QCOMPARE(*r.talentScreen, talent);
        QCOMPARE(r.mirror, mirror);
        QCOMPARE(r.countdown.value_or(-1), countdown);
    }

    void helpNamesTheOptions()
    {
        const commandline::Request r = commandline::parse({"cuescroll", "--help"});
        for (const char *o : {"--talent-screen <N>", "--mirror", "--countdown <S>"})
            QVERIFY2(r.output.contains(QLatin1String(o)), o);
    }
};

QTEST_MAIN(tst_studio)
#include "tst_studio.moc"
