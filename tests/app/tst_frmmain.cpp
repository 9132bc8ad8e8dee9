// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PrompterWindow.h"
#include "app/KeyInput.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "line/gui/frmLine.h"
#include "scroll/Progress.h"
#include "scroll/ScrollClock.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"
#include "ui/Colors.h"
#include "ui/RichTextView.h"
#include "ui/Tags.h"
#include "ui/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

// Where the script view lays out its last display line, in pixels from the view's top.
qreal lastLineY(const RichTextView &view)
{
    const QTextDocument *doc = view.document();
    const QTextBlock last = doc->lastBlock();
    const QTextLayout *layout = last.layout();
    return doc->documentLayout()->blockBoundingRect(last).top() +
           (layout->lineCount() > 0 ? layout->lineAt(layout->lineCount() - 1).y() : 0);
}

} // namespace

class tst_FrmMain : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_iniDir;

    std::unique_ptr<frmMain> makeWindow(int lines = 300, QSize size = QSize(1000, 700))
    {
        return showPrompter(m_platform, m_dialogs, lines > 0 ? scriptOfLines(lines) : QString(), size);
    }

    static float range(const frmMain &w) { return twips::height(w.rtDoc) - twips::height(w.picBack); }

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_iniDir); }

    void captionComesFromTheSiteFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no file") << QByteArray() << QString();
        QTest::newRow("AppName") << QByteArray("[General]\r\nAppName=Studio 4 Prompter\r\n")
                                 << "Studio 4 Prompter";
        QTest::newRow("no key") << QByteArray("[General]\nHelpLink=x.html\n") << QString();
    }

    void captionComesFromTheSiteFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, caption);
        if (!ini.isNull()) {
            QFile f(modSettings::iniFilePath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ini);
        }
        frmMain w(m_platform, m_dialogs);
        QCOMPARE(w.windowTitle(), caption);
    }

    void startUpState()
    {
        const auto w = makeWindow(0);
        const QList<QAction *> actions = w->tlbMain->actions();
        const QStringList keys{"EditText", "Start",    "Stop",       "Reset",   "Mark", "JumpTo",
                               "Unmark",   "ClearAll", "FullScreen", "Options", "Help", "Exit"};
        const QStringList captions{"Edit Text",   "     Start     ", "Stop",   "Reset",
                                   "Mark",        "Jump To",         "Unmark", "Clear All",
                                   "Full Screen", "Options",         "Help",   "Exit"};
        const QStringList tips{"Edit Text  (F2)",
                               "Prompter Start  (F3)",
                               "Prompter Stop  (F3)",
                               "Reset  (F4)",
                               "Mark  (F5)",
                               "Jump To Marker  (F6)",
                               "Unmark  (F7)",
                               "Clear All Markers  (F8)",
                               "Full Screen Toggle  (F9)",
                               "Options  (F10)",
                               "Help  (F1)",
                               "Exit  (Esc)"};
        QCOMPARE(actions.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(actions[i]->objectName(), keys[i]);
            QCOMPARE(actions[i]->iconText(), captions[i]);
            QCOMPARE(actions[i]->toolTip(), tips[i]);
            QVERIFY(!actions[i]->icon().isNull());
            auto *button = qobject_cast<QToolButton *>(w->tlbMain->widgetForAction(actions[i]));
            QVERIFY(button);
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(w->sldSpeed->value(), 1);
        QVERIFY(w->optUp->isChecked());
        QVERIFY(!w->optDown->isChecked());
        QCOMPARE(w->lblToGo->text(), QStringLiteral("00:00"));
        QCOMPARE(w->lblWords->text(), QString());
        QVERIFY(w->picMark->isHidden());
        QVERIFY(!w->core().running());
        QVERIFY(!w->core().clock().ticking());
        QVERIFY(!w->core().clock().timTick->isActive());
        QVERIFY(w->timResize->isActive());
        QCOMPARE(m_platform.periodsBegun, 1);
        QCOMPARE(w->windowTitle(), QString());
        // The stored appearance: pale yellow script background, green line, 28-point text.
        QCOMPARE(w->rtDoc->BackColor(), 12648447);
        QCOMPARE(colors::backColor(w->picBack), 12648447);
        QCOMPARE(colors::backColor(w->picLine), 49152);
        QCOMPARE(w->rtDoc->FontSize(), 28.0);
        QCOMPARE(w->rtDoc->Tag(), QStringLiteral("-2147483630"));
        QVERIFY(w->lineWindow);
    }

    void closingReleasesTheTimerResolutionOnce()
    {
        auto w = makeWindow(0);
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        w->DoAction(QStringLiteral("Exit"));
        QVERIFY(!w->isVisible());
        w->close();
        w.reset();
        QCOMPARE(m_platform.periodsBegun, 1);
        QCOMPARE(m_platform.periodsEnded, 1);
        QCOMPARE(unloaded.size(), 1);
    }

    void layoutArrangesTheWindow()
    {
        const auto w = makeWindow();
        const float scaleWidth = twips::fromPixels(w->width());
        const float scaleHeight = twips::fromPixels(w->height());
        const float toolbar = twips::height(w->tlbMain);
        const float panel = twips::height(w->picPanel);

        QCOMPARE(twips::top(w->tlbMain) + toolbar, scaleHeight);
        QCOMPARE(twips::top(w->picPanel), scaleHeight - toolbar - panel);
        QCOMPARE(twips::width(w->picPanel), scaleWidth);
        QCOMPARE(twips::left(w->picBack), 100.f);
        QCOMPARE(twips::width(w->picBack), scaleWidth);
        QCOMPARE(twips::height(w->picBack), scaleHeight - 50 - toolbar - panel);
        QCOMPARE(twips::width(w->rtDoc), twips::width(w->picBack));
        QCOMPARE(twips::width(w->sldSpeed), twips::width(w->prgDoc));
        QCOMPARE(twips::left(w->lblWords) + twips::width(w->lblWords),
                 twips::left(w->prgDoc) + twips::width(w->prgDoc));
        QCOMPARE(twips::left(w->lblToGo), twips::left(w->prgDoc));
        QCOMPARE(twips::rect(w->picMark).top, twips::rect(w->picPanel).top);

        // The line: centred in the viewport, 60 lower, once the window is on screen.
        QCOMPARE(twips::top(w->picMove), twips::height(w->picBack) / 2 - twips::height(w->picLine) / 2 + 60);
        QCOMPARE(twips::height(w->picMove), 415.f);
        QCOMPARE(twips::top(w->picResize), twips::top(w->picMove) + twips::height(w->picMove));
        QCOMPARE(twips::top(w->picLine), twips::top(w->picMove) - 50);
        QCOMPARE(twips::height(w->picLine), 460.f);
        QCOMPARE(twips::left(w->picLine), 30.f);
        QCOMPARE(twips::left(w->picMove), -10000.f);
    }

    void lineHeightIsTheScriptsLinePitch_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::newRow("serif 36") << "Times New Roman" << 36.0;
        QTest::newRow("serif 20") << "Times New Roman" << 20.0;
        QTest::newRow("serif 27.75") << "Times New Roman" << 27.75;
        QTest::newRow("sans 24") << "Arial" << 24.0;
        QTest::newRow("sans 48") << "Arial" << 48.0;
        QTest::newRow("sans 10.5") << "Arial" << 10.5;
        QTest::newRow("default face 28") << "MS Sans Serif" << 28.0;
        QTest::newRow("mono 30") << "Courier New" << 30.0;
        QTest::newRow("mono 13.5") << "Liberation Mono" << 13.5;
        QTest::newRow("bold italic serif 36") << "Times New Roman bold italic" << 36.0;
        QTest::newRow("bold sans 27.75") << "Arial bold" << 27.75;
    }

    // The script height is line height x lines: the measured height must be the view's own pitch,
    // or a long script ends before its last line reaches the reading line.
    void lineHeightIsTheScriptsLinePitch()
    {
        QFETCH(QString, face);
        QFETCH(double, points);
        auto w = makeWindow(0);
        w->rtDoc->setFontName(face.section(QLatin1String(" bold"), 0, 0));
        w->rtDoc->setFontSize(points);
        w->rtDoc->setFontBold(face.contains(QLatin1String(" bold")));
        w->rtDoc->setFontItalic(face.contains(QLatin1String(" italic")));
        w->rtDoc->setText(scriptOfLines(1000));
        w->Form_Resize();

        const int lines = w->rtDoc->GetLineFromChar(w->rtDoc->textLength()) + 1;
        const qreal pitch = lastLineY(*w->rtDoc) / (lines - 1);
        const float lineHeight = twips::height(w->lblHeightFinder);
        QCOMPARE(lineHeight, float(pitch * twips::kPerPixel));
        QCOMPARE(QFontInfo(w->lblHeightFinder->font()).family(), QFontInfo(w->rtDoc->font()).family());

        // At the end of the range the last line stands one line plus a tenth of the viewport down,
        // well above the reading line.
        w->HandleKey(keyinput::End, 0);
        const float lastTop =
            twips::fromPixels(w->rtDoc->y()) + float(lastLineY(*w->rtDoc) * twips::kPerPixel);
        const float expected = lineHeight + twips::height(w->picBack) / 10;
        QVERIFY2(qAbs(lastTop - expected) <= twips::kPerPixel,
                 qPrintable(QStringLiteral("last line at %1, expected %2").arg(lastTop).arg(expected)));
        QVERIFY(lastTop < twips::top(w->picLine));
    }

    void relayoutKeepsScrollPositionAndLine()
    {
        auto w = makeWindow();
        twips::setTop(w->rtDoc, -4321);
        twips::setTop(w->picMove, 2000);
        w->resize(1300, 900);
        w->Form_Resize();
        QCOMPARE(twips::top(w->rtDoc), -4321.f);
        QCOMPARE(twips::top(w->picMove), 2000.f);
        QCOMPARE(twips::top(w->picLine), 1950.f);
    }

    void handlesTakeTheLineColourPlus200_data()
    {
        QTest::addColumn<qint32>("line");
        QTest::addColumn<qint32>("handles");
        QTest::newRow("pure green gets red 200") << colors::rgb(0, 255, 0) << colors::rgb(200, 255, 0);
        QTest::newRow("red carries into green") << colors::rgb(100, 0, 0) << colors::rgb(44, 1, 0);
        QTest::newRow("default green") << qint32(49152) << qint32(49352);
    }

    void handlesTakeTheLineColourPlus200()
    {
        QFETCH(qint32, line);
        QFETCH(qint32, handles);
        auto w = makeWindow(0);
        colors::setBackColor(w->picLine, line);
        w->Form_Resize();
        QCOMPARE(colors::backColor(w->picMove), handles);
        QCOMPARE(colors::backColor(w->picResize), handles);
    }

    void fullScreenViewportTakesTheWholeHeight()
    {
        auto w = makeWindow();
        const QRect panelBefore = w->picPanel->geometry();
        w->ToggleFullScreen(true);
        w->resize(1000, 700); // the offscreen screen may not maximise
        w->Form_Resize();
        QCOMPARE(twips::height(w->picBack), twips::fromPixels(w->height()) - 50);
        QCOMPARE(w->picPanel->geometry(), panelBefore);
    }

    // The toolbar is one button high: no frame or margin of its own above the viewport.
    void toolbarIsOneButtonHigh()
    {
        const auto w = makeWindow();
        const QList<QAction *> actions = w->tlbMain->actions();
        auto *first = w->tlbMain->widgetForAction(actions.first());
        QVERIFY(first);
        const float buttonHeight = twips::fromPixels(first->sizeHint().height());
        QCOMPARE(twips::height(w->tlbMain), buttonHeight);
        for (QAction *a : actions) {
            QWidget *b = w->tlbMain->widgetForAction(a);
            QCOMPARE(b->height(), first->sizeHint().height()); // not squeezed by the toolbar
            QCOMPARE(b->y(), 0);
        }
        const float scaleHeight = twips::fromPixels(w->height());
        QCOMPARE(twips::height(w->picBack), scaleHeight - 50 - buttonHeight - twips::height(w->picPanel));
    }

    // No button may end up behind the toolbar's overflow button, down to the narrowest window.
    void everyButtonInReach_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("narrowest") << 0;
        QTest::newRow("on a portrait screen 480 wide") << 470;
        QTest::newRow("restored") << 592;
        QTest::newRow("wide") << 1000;
    }

    void everyButtonInReach()
    {
        QFETCH(int, width);
        auto w = makeWindow(0, QSize(width, 700));
        QCOMPARE(w->width(), std::max(width, w->minimumWidth()));
        w->tlbMain->layout()->activate();
        for (QAction *a : w->tlbMain->actions()) {
            QWidget *b = w->tlbMain->widgetForAction(a);
            QVERIFY2(b->isVisibleTo(w.get()), qPrintable(a->objectName()));
            QVERIFY2(w->tlbMain->rect().contains(b->geometry()), qPrintable(a->objectName()));
        }
        const auto *more = w->tlbMain->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(!more || !more->isVisibleTo(w.get()));
    }

    // The time to go is never cut off, however long the script and however small the window.
    void timeToGoFits_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("100 minutes at 800x480") << QSize(800, 480) << 6000 << "100:00";
        QTest::newRow("214:15 at 800x480") << QSize(800, 480) << 12855 << "214:15";
        QTest::newRow("214:15 at the narrowest") << QSize(0, 800) << 12855 << "214:15";
    }

    void timeToGoFits()
    {
        QFETCH(QSize, size);
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        auto w = makeWindow(12000, size);
        // Speed 1 goes 8 twips every 20 ms: 400 twips a second.
        const float remaining = float(seconds) * 400;
        QVERIFY(range(*w) > remaining);
        twips::setTop(w->rtDoc, -(range(*w) - remaining));
        w->Form_Resize();
        QCOMPARE(w->lblToGo->text(), shown);
        QVERIFY(w->lblToGo->width() >= w->lblToGo->sizeHint().width());
        QVERIFY(w->lblToGo->height() >= w->lblToGo->sizeHint().height());
        QVERIFY(w->picPanel->rect().contains(w->lblToGo->geometry()));
    }

    void fullScreenLeavesTheHiddenToolbarAlone()
    {
        auto w = makeWindow();
        const QRect toolbarBefore = w->tlbMain->geometry();
        w->ToggleFullScreen(true);
        w->resize(1300, 900);
        w->Form_Resize();
        QVERIFY(w->tlbMain->isHidden());
        QCOMPARE(w->tlbMain->geometry(), toolbarBefore);
        w->ToggleFullScreen(false);
        w->resize(1000, 700);
        w->Form_Resize();
        QCOMPARE(twips::top(w->tlbMain) + twips::height(w->tlbMain), twips::fromPixels(w->height()));
    }

    void tooLowToLayOutKeepsTheViewport()
    {
        auto w = makeWindow();
        const twips::Rect before = twips::rect(w->picBack);
        w->resize(1000, 40);
        w->Form_Resize();
        QCOMPARE(twips::rect(w->picBack).height, before.height);
    }

    static void holdWidth(frmMain &w)
    {
        for (int tick = 0; tick < frmMain::kWidthHoldTicks; ++tick)
            w.timResize_Timer();
    }

    void widthIsLaidOutOnceItHolds()
    {
        auto w = makeWindow();
        holdWidth(*w);
        const float before = twips::width(w->picBack);
        // A hidden window hears of no resize until it shows again; the watch still sees the width.
        w->hide();
        w->setGeometry(QRect(w->pos(), QSize(1200, w->height())));
        QCOMPARE(twips::width(w->picBack), before);
        for (int tick = 1; tick < frmMain::kWidthHoldTicks; ++tick)
            w->timResize_Timer();
        QCOMPARE(twips::width(w->picBack), before);
        w->timResize_Timer();
        QCOMPARE(twips::width(w->picBack), twips::fromPixels(1200));
        QCOMPARE(w->lastWidth(), qint32(twips::fromPixels(w->frameGeometry().width())));
    }

    // A drag changes the width at every tick: the script is wrapped once, when the width holds.
    void dragIsLaidOutOnceWhenItStops()
    {
        auto w = makeWindow();
        holdWidth(*w);
        int layouts = 0;
        QObject counter;
        connect(w->rtDoc->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                &counter, [&layouts] { ++layouts; });
        const float before = twips::width(w->picBack);
        for (int step = 1; step <= 12; ++step) {
            w->resize(1000 + 10 * step, w->height());
            QCoreApplication::processEvents();
            w->timResize_Timer();
            QCOMPARE(twips::width(w->picBack), before);
        }
        QCOMPARE(layouts, 0);
        holdWidth(*w);
        QCOMPARE(twips::width(w->picBack), twips::fromPixels(1120));
        QVERIFY(layouts > 0);
        const int once = layouts;
        for (int tick = 0; tick < 10; ++tick)
            w->timResize_Timer();
        QCOMPARE(layouts, once);
    }

    void resizeIsLaidOutOnceNotAgainByTheWatch()
    {
        auto w = makeWindow();
        holdWidth(*w);
        w->resize(1200, w->height());
        QCoreApplication::processEvents();
        // A new width waits for the watch, so a drag's many sizes are laid out once it settles.
        holdWidth(*w);
        QCOMPARE(twips::width(w->picBack), twips::fromPixels(1200));
        // The layout has recorded the width, so the watch's next ticks find nothing new.
        QCOMPARE(w->lastWidth(), qint32(twips::fromPixels(w->frameGeometry().width())));
    }

    void scriptIsWrappedOnceAtTheSizeItShowsAt()
    {
        frmMain w(m_platform, m_dialogs);
        w.resize(700, 500);
        w.show(); // not on screen until the events below are handled
        w.rtDoc->setText(scriptOfLines(300));
        w.Form_Resize();
        w.resize(1100, 800);
        w.Form_Resize();
        const QTextBlock last = w.rtDoc->document()->lastBlock();
        QCOMPARE(last.layout()->lineCount(), 0); // not wrapped at a size nobody saw
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(last.layout()->lineCount() > 0);
        QCOMPARE(w.rtDoc->width(), w.picBack->width());
        // Measured as a layout of the shown window measures it.
        const float measured = twips::height(w.rtDoc);
        w.Form_Resize();
        QCOMPARE(twips::height(w.rtDoc), measured);
        QVERIFY(range(w) > 0);
    }

    void scriptThatFitsNeverScrolls()
    {
        auto w = makeWindow(3);
        QCOMPARE(twips::height(w->rtDoc), twips::height(w->picBack));
        w->core().Scroll(1, 10000000, false);
        w->HandleKey(keyinput::End, 0);
        QCOMPARE(twips::top(w->rtDoc), 0.f);
        QCOMPARE(w->lblToGo->text(), QStringLiteral("00:00"));
    }

    void clockStepsAtLeast20msApart()
    {
        auto w = makeWindow();
        w->DoAction(QStringLiteral("Start"));
        QVERIFY(w->core().running());
        QVERIFY(w->core().clock().ticking());
        QList<float> tops;
        for (int tick = 0; tick < 12; ++tick) {
            m_platform.now += 5;
            w->core().clock().timTick_Timer();
            tops << twips::top(w->rtDoc);
        }
        // A step of 8 twips on every fourth tick, nothing in between.
        const QList<float> expected{0, 0, 0, -8, -8, -8, -8, -16, -16, -16, -16, -24};
        QCOMPARE(tops, expected);
    }

    void clockSurvivesTheCounterWrap()
    {
        auto w = makeWindow();
        m_platform.now = 0xFFFFFFF0u;
        w->DoAction(QStringLiteral("Start"));
        m_platform.now += 25;
        w->core().clock().timTick_Timer();
        QCOMPARE(twips::top(w->rtDoc), -8.f);
    }

    // Shown as they come, the steps have a timer of their own: it wakes when a step is due, not every
    // millisecond; stopped, it is the designed timer.
    void clockWakesWhenTheStepIsDue()
    {
        modSettings::WriteSetting(QStringLiteral("General"), QStringLiteral("FrameSync"),
                                  QStringLiteral("False"));
        auto w = makeWindow();
        w->DoAction(QStringLiteral("Start"));
        QCOMPARE(w->core().clock().timTick->interval(), 19); // one early, then 1 ms to the due millisecond
        m_platform.now += 19;
        w->core().clock().timTick_Timer();
        QCOMPARE(twips::top(w->rtDoc), 0.f);
        QCOMPARE(w->core().clock().timTick->interval(), 1);
        m_platform.now += 1;
        w->core().clock().timTick_Timer();
        QCOMPARE(twips::top(w->rtDoc), -8.f);
        QCOMPARE(w->core().clock().timTick->interval(), 19);
        w->DoAction(QStringLiteral("Stop"));
        QVERIFY(!w->core().clock().timTick->isActive());
        QCOMPARE(w->core().clock().timTick->interval(), 1);
    }

    // With frame sync one timer wakes the program: each frame takes the steps due by then at the
    // moments they fell due, so the run keeps the clock's pace; after a stall it goes on from now.
    void framesCarryTheClockSteps()
    {
        auto w = makeWindow();
        ScrollClock &clock = w->core().clock();
        const quint32 t0 = m_platform.now;
        w->DoAction(QStringLiteral("Start"));
        QVERIFY(clock.ticking());
        QVERIFY(!clock.timTick->isActive());
        QVERIFY(clock.timFrame->isActive());
        QList<float> tops;
        QList<quint32> steps;
        for (int frame = 0; frame < 6; ++frame) {
            m_platform.now += 16;
            clock.timFrame_Timer();
            tops << twips::top(w->rtDoc);
            steps << clock.lastTick() - t0;
        }
        QCOMPARE(tops, (QList<float>{0, -8, -16, -24, -32, -32}));
        QCOMPARE(steps, (QList<quint32>{0, 20, 40, 60, 80, 80}));
        m_platform.now += 500;
        clock.timFrame_Timer();
        QCOMPARE(twips::top(w->rtDoc), -40.f);
        QCOMPARE(clock.lastTick(), m_platform.now);
        w->DoAction(QStringLiteral("Stop"));
        QVERIFY(!clock.ticking());
        m_platform.now += 40;
        clock.timFrame_Timer();
        QCOMPARE(twips::top(w->rtDoc), -40.f);
        QVERIFY(!clock.timFrame->isActive());
    }

    // Clock steps are shown by display frames, gliding between the last two steps; Top is exact at
    // once, and every other move is shown at once, the glide going on from there while running.
    void framesGlideBetweenClockSteps()
    {
        auto w = makeWindow();
        w->sldSpeed->setValue(16); // 53 twips a step
        w->DoAction(QStringLiteral("Start"));
        m_platform.now += 20;
        w->core().clock().timTick_Timer();
        QCOMPARE(twips::top(w->rtDoc), -53.f);
        QCOMPARE(w->rtDoc->y(), 0);
        QVERIFY(w->core().clock().timFrame->isActive());
        QList<int> shown;
        for (int frame = 0; frame < 4; ++frame) { // all before the next step falls due
            m_platform.now += 4;
            w->core().clock().timFrame_Timer();
            shown << w->rtDoc->y();
        }
        QCOMPARE(shown, (QList<int>{-1, -1, -2, -3}));
        QCOMPARE(twips::top(w->rtDoc), -53.f);

        w->HandleKey(40, 0); // Down: 605 twips at once
        QCOMPARE(twips::top(w->rtDoc), -658.f);
        const int glided = twips::toPixels(-605 - 53 * 16 / 20.f); // as far behind Top as before
        QCOMPARE(w->rtDoc->y(), glided);
        w->core().clock().timFrame_Timer();
        QCOMPARE(w->rtDoc->y(), glided);

        w->DoAction(QStringLiteral("Stop"));
        m_platform.now += 5;
        w->core().clock().timFrame_Timer();
        QCOMPARE(w->rtDoc->y(), twips::toPixels(-658));
        QVERIFY(!w->core().clock().timFrame->isActive()); // at rest: no more frames
    }

    // A far jump repaints the whole view: it is shown between two frames, never by the frame after it
    // (which would then be late), and the glide goes on from the new place.
    void farJumpShowsBetweenFrames()
    {
        auto w = makeWindow();
        w->sldSpeed->setValue(16);
        w->DoAction(QStringLiteral("Start"));
        m_platform.now += 20;
        ScrollClock &clock = w->core().clock();
        clock.timFrame_Timer();
        const int before = w->rtDoc->y();

        w->core().command({run::Verb::GoTo, 0, 0.5});
        const float top = twips::top(w->rtDoc);
        QVERIFY(twips::toPixels(-top) > w->picBack->height());
        QCOMPARE(w->rtDoc->y(), before);
        QVERIFY(!clock.timJump->isActive());

        m_platform.now += 4;
        clock.timFrame_Timer();
        QVERIFY(std::abs(w->rtDoc->y() - before) <= 2); // still the old place, gliding on
        QVERIFY(clock.timJump->isActive());
        clock.timJump_Timer();
        const int jumped = w->rtDoc->y();
        QVERIFY2(std::abs(jumped - twips::toPixels(top)) <= 4,
                 qPrintable(QString::number(jumped - twips::toPixels(top))));

        m_platform.now += 20;
        clock.timFrame_Timer();
        QVERIFY(w->rtDoc->y() < jumped);
        QVERIFY(w->rtDoc->y() >= jumped - 4);
    }

    // At a slow speed the clock sleeps through the frames that would show the picture where it is,
    // and wakes for each that moves it: as much motion, a pixel at a time, with fewer wake-ups.
    void slowSpeedSleepsThroughStillFrames()
    {
        auto w = makeWindow();
        w->sldSpeed->setValue(1); // 8 twips a step: a pixel every 37.5 ms
        w->DoAction(QStringLiteral("Start"));
        ScrollClock &clock = w->core().clock();
        const auto start = m_platform.now;
        int wakes = 0;
        int still = 0;
        while (m_platform.now - start < 1500) {
            QVERIFY(clock.timFrame->isActive());
            m_platform.now += clock.timFrame->interval();
            const int y = w->rtDoc->y();
            clock.timFrame_Timer();
            ++wakes;
            if (w->rtDoc->y() == y)
                ++still;
            else
                QCOMPARE(w->rtDoc->y(), y - 1);
        }
        QVERIFY2(wakes < 55, qPrintable(QString::number(wakes))); // 90 at a frame every 16.7 ms
        QVERIFY2(still * 5 < wakes, qPrintable(QString::number(still)));
        QVERIFY2(w->rtDoc->y() <= -38 && w->rtDoc->y() >= -41, qPrintable(QString::number(w->rtDoc->y())));
    }

    void frameSyncOffShowsEachStepAtOnce()
    {
        modSettings::WriteSetting(QStringLiteral("General"), QStringLiteral("FrameSync"),
                                  QStringLiteral("False"));
        QVERIFY(!Settings().frameSync());
        auto w = makeWindow();
        w->sldSpeed->setValue(16);
        w->DoAction(QStringLiteral("Start"));
        m_platform.now += 20;
        w->core().clock().timTick_Timer();
        QCOMPARE(w->rtDoc->y(), twips::toPixels(-53));
        QVERIFY(!w->core().clock().timFrame->isActive());
    }

    // The width watch rests once the width has settled and wakes when the window changes.
    void widthWatchRestsAndWakes()
    {
        QVERIFY(Settings().frameSync()); // the default
        auto w = makeWindow();
        for (int tick = 0; tick < 30; ++tick)
            w->timResize_Timer();
        QVERIFY(!w->timResize->isActive());
        w->resize(1200, w->height());
        QCoreApplication::processEvents();
        QVERIFY(w->timResize->isActive());
        holdWidth(*w);
        QCOMPARE(twips::width(w->picBack), twips::fromPixels(1200));
    }

    static int shownSeconds(const frmMain &w)
    {
        const QStringList parts = w.lblToGo->text().split(QLatin1Char(':'));
        return parts.value(0).toInt() * 60 + parts.value(1).toInt();
    }

    void countdownWhileGliding()
    {
        auto w = makeWindow(600);
        const float r = range(*w);
        twips::setTop(w->rtDoc, -(r - 8000)); // 8000 twips to go at 8 twips per step
        w->Form_Resize();
        QCOMPARE(w->lblToGo->text(), QStringLiteral("0:20"));

        w->optDown->setChecked(true); // the time back to the beginning instead
        w->Form_Resize();
        QCOMPARE(shownSeconds(*w), progress::read(twips::top(w->rtDoc), twips::height(w->rtDoc),
                                                  twips::height(w->picBack), 1, false)
                                       .seconds);
        w->optUp->setChecked(true);
        w->DoAction(QStringLiteral("Reset"));
        w->sldSpeed->setValue(16);
        w->Form_Resize();

        // Gliding: the shown time only goes down, a second at a time.
        w->DoAction(QStringLiteral("Start"));
        int last = shownSeconds(*w);
        for (int tick = 0; tick < 300; ++tick) {
            m_platform.now += 20;
            w->core().clock().timTick_Timer();
            const int shown = shownSeconds(*w);
            QVERIFY2(shown <= last && last - shown <= 1, qPrintable(w->lblToGo->text()));
            last = shown;
        }
        // A lower speed means more time to go: shown within the next second.
        w->sldSpeed->setValue(1);
        const int slower =
            progress::read(twips::top(w->rtDoc), twips::height(w->rtDoc), twips::height(w->picBack), 1, true)
                .seconds;
        QVERIFY(slower > last + 5);
        for (int tick = 0; tick < 50; ++tick) {
            m_platform.now += 20;
            w->core().clock().timTick_Timer();
        }
        QVERIFY(shownSeconds(*w) >= slower - 1);
    }

    void progressAtTheEndOfTheScript()
    {
        auto w = makeWindow();
        w->DoAction(QStringLiteral("Start"));
        w->HandleKey(keyinput::End, 0);
        QCOMPARE(w->prgDoc->value(), 100);
        QCOMPARE(w->lblToGo->text(), QStringLiteral("0:00"));
        const float end = twips::top(w->rtDoc);
        m_platform.now += 40;
        w->core().clock().timTick_Timer();
        QCOMPARE(twips::top(w->rtDoc), end);
        QVERIFY(w->core().running()); // reaching the end never stops the clock
    }

    void rangeShrunkBelowTheScrolledDistance()
    {
        auto w = makeWindow();
        w->HandleKey(keyinput::End, 0);
        w->resize(1600, 1000); // wider and taller: fewer lines, shorter range
        w->Form_Resize();
        QVERIFY(-twips::top(w->rtDoc) > range(*w));
        QCOMPARE(w->prgDoc->value(), 100);
        QCOMPARE(w->lblToGo->text(), QStringLiteral("0:00"));
    }

    void dispatchStopsTheClock_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("keepsRunning");
        QTest::newRow("EditText") << "EditText" << false;
        QTest::newRow("Start") << "Start" << true;
        QTest::newRow("Stop") << "Stop" << false;
        QTest::newRow("Reset") << "Reset" << false;
        QTest::newRow("Mark") << "Mark" << false;
        QTest::newRow("JumpTo") << "JumpTo" << false;
        QTest::newRow("Unmark") << "Unmark" << false;
        QTest::newRow("ClearAll") << "ClearAll" << true;
        QTest::newRow("FullScreen") << "FullScreen" << true;
        QTest::newRow("Options") << "Options" << false;
        QTest::newRow("Help") << "Help" << false;
        QTest::newRow("lower case start") << "start" << true;
        QTest::newRow("unknown") << "Rewind" << true;
    }

    void dispatchStopsTheClock()
    {
        QFETCH(QString, action);
        QFETCH(bool, keepsRunning);
        auto w = makeWindow();
        w->DoAction(QStringLiteral("Start"));
        w->tlbMain_ButtonClick(action);
        QCOMPARE(w->core().running(), keepsRunning);
        QCOMPARE(w->core().clock().ticking(), keepsRunning);
    }

    void lowerCaseStartDoesNothing()
    {
        auto w = makeWindow();
        w->DoAction(QStringLiteral("start"));
        QVERIFY(!w->core().running());
    }

    void resetWhileRunning()
    {
        auto w = makeWindow();
        w->DoAction(QStringLiteral("Start"));
        twips::setTop(w->rtDoc, -5000);
        w->tlbMain->actions().at(3)->trigger();
        QVERIFY(!w->core().running());
        QCOMPARE(twips::top(w->rtDoc), 0.f);
        QCOMPARE(w->prgDoc->value(), 0);
    }

    void helpOpensTheSiteLinkOrTheShippedPage_data()
    {
        QTest::addColumn<QByteArray>("ini");   // %1 stands for a file made beside the program
        QTest::addColumn<QString>("expected"); // relative to the program's directory when not a URL
        QTest::newRow("no link") << QByteArray() << "file:cuescroll-help.html";
        QTest::newRow("existing file beside the program")
            << QByteArray("[General]\nHelpLink=%1\n") << "file:%1";
        QTest::newRow("web address") << QByteArray("[General]\nHelpLink=https://example.org/help\n")
                                     << "https://example.org/help";
        QTest::newRow("address without a scheme")
            << QByteArray("[General]\nHelpLink=www.example.org/cuescroll/help.html\n")
            << "http://www.example.org/cuescroll/help.html";
        QTest::newRow("relative name of no file")
            << QByteArray("[General]\nHelpLink=docs/help.html\n") << "http://docs/help.html";
        QTest::newRow("Windows path") << QByteArray("[General]\nHelpLink=C:\\Program Files\\Cue\\help.html\n")
                                      << "file:///C:/Program Files/Cue/help.html";
    }

    void helpRefusesOtherSchemes_data()
    {
        QTest::addColumn<QString>("link");
        QTest::newRow("script") << "javascript:alert(1)";
        QTest::newRow("mail") << "mailto:a@example.org";
        QTest::newRow("data") << "data:text/html,<b>x</b>";
        QTest::newRow("ftp") << "ftp://example.org/help";
    }

    void helpRefusesOtherSchemes()
    {
        QFETCH(QString, link);
        QFile f(modSettings::iniFilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[General]\nHelpLink=" + link.toUtf8() + '\n');
        f.close();
        auto w = makeWindow(0);
        w->DoAction(QStringLiteral("Help"));
        QVERIFY(m_platform.opened.isEmpty());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().icon, Dialogs::Icon::Warning);
        QVERIFY(m_dialogs.shown.first().text.contains(link));
    }

    void helpOpensTheSiteLinkOrTheShippedPage()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        QTemporaryFile beside(QCoreApplication::applicationDirPath() + QStringLiteral("/help-XXXXXX.html"));
        QVERIFY(beside.open());
        const QString besideName = QFileInfo(beside.fileName()).fileName();
        if (!ini.isNull()) {
            QFile f(modSettings::iniFilePath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString::fromLatin1(ini).arg(besideName).toLatin1());
        }
        expected = expected.arg(besideName);
        auto w = makeWindow(0);
        w->DoAction(QStringLiteral("Start"));
        w->HandleKey(keyinput::F1, 0);
        QVERIFY(!w->core().running());
        QCOMPARE(m_platform.opened.size(), 1);
        const QUrl url = m_platform.opened.first();
        if (expected.startsWith(QLatin1String("file:")) && !expected.startsWith(QLatin1String("file:///"))) {
            QVERIFY(url.isLocalFile());
            QCOMPARE(url.toLocalFile(),
                     QCoreApplication::applicationDirPath() + QLatin1Char('/') + expected.mid(5));
        } else {
            QCOMPARE(url.toString(), expected);
        }
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void helpThatCannotBeOpenedSaysSo()
    {
        m_platform.browserWorks = false;
        auto w = makeWindow(0);
        w->DoAction(QStringLiteral("Help"));
        QCOMPARE(m_dialogs.shown.size(), 1);
        const FakeDialogs::Shown &box = m_dialogs.shown.first();
        QCOMPARE(box.kind, QStringLiteral("message"));
        QCOMPARE(box.icon, Dialogs::Icon::Warning);
        QCOMPARE(box.title, w->windowTitle());
        QVERIFY(box.text.contains(QLatin1String("cuescroll-help.html")));
    }

    void helpThatOpensShowsNoMessage()
    {
        auto w = makeWindow(0);
        w->DoAction(QStringLiteral("Help"));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    // What a screen reader hears: every control named, and the two changing captions with their names.
    void assistiveTechnologyHearsNamesAndValues()
    {
        auto w = makeWindow(600);
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(w->tlbMain);
        QVERIFY(bar);
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Toolbar"));
        for (const char *name : {"tlbMain", "picBack", "picLine", "rtDoc", "rtMirror", "txtFocus", "picMove",
                                 "picResize", "picPanel", "optDown", "optUp", "prgDoc", "sldSpeed",
                                 "lblWords", "lblToGo", "picMark", "cmdCancel", "cmdMark"}) {
            auto *control = w->findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(control, name);
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), name);
        }
        for (QAction *a : w->tlbMain->actions()) {
            QAccessibleInterface *iface =
                QAccessible::queryAccessibleInterface(w->tlbMain->widgetForAction(a));
            QVERIFY(iface && !iface->text(QAccessible::Name).trimmed().isEmpty());
            QCOMPARE(iface->text(QAccessible::Name), a->iconText().trimmed()); // no padding read out
        }

        twips::setTop(w->rtDoc, -(range(*w) - 8000));
        w->Form_Resize();
        QCOMPARE(w->lblToGo->text(), QStringLiteral("0:20"));
        QAccessibleInterface *toGo = QAccessible::queryAccessibleInterface(w->lblToGo);
        QVERIFY(toGo);
        QCOMPARE(toGo->text(QAccessible::Name), QStringLiteral("Time to go"));
        QCOMPARE(toGo->text(QAccessible::Description), QStringLiteral("0:20"));
        w->DoAction(QStringLiteral("Reset"));
        QVERIFY(w->lblToGo->text() != QStringLiteral("0:20"));
        QCOMPARE(toGo->text(QAccessible::Description), w->lblToGo->text());

        w->lblWords->setText(QStringLiteral("1234"));
        QAccessibleInterface *words = QAccessible::queryAccessibleInterface(w->lblWords);
        QVERIFY(words);
        QCOMPARE(words->text(QAccessible::Name), QStringLiteral("Words"));
        QCOMPARE(words->text(QAccessible::Description), QStringLiteral("1234"));
    }

    void sliderChangeRestartsTheCountdown()
    {
        // Gliding fast, the shown time is held to go only down; a slower speed is counted afresh.
        auto w = makeWindow();
        w->sldSpeed->setValue(16);
        w->DoAction(QStringLiteral("Start"));
        auto glide = [&] {
            for (int tick = 0; tick < 60; ++tick) {
                m_platform.now += 20;
                w->core().clock().timTick_Timer();
            }
        };
        glide();
        const int fast = shownSeconds(*w);
        w->sldSpeed->setValue(5);
        glide();
        const int slower =
            progress::read(twips::top(w->rtDoc), twips::height(w->rtDoc), twips::height(w->picBack), 5, true)
                .seconds;
        QVERIFY(slower > fast + 5);
        QVERIFY(shownSeconds(*w) >= slower - 1);
        QCOMPARE(w->core().timeToGo(), w->lblToGo->text());
        w->sldSpeed_Scroll();
        QCOMPARE(w->focusWidget(), w->txtFocus);
    }
};

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
