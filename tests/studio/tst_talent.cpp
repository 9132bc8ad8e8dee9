// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PaintedArea.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "scroll/ScrollClock.h"
#include "settings/modSettings.h"
#include "show/gui/ShowControl.h"
#include "studio/Studio.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <memory>

namespace {

// Mean difference per channel between two images of one size, 0 to 255.
double difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 255;
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// The talent screen on a second screen of a virtual X server.
class tst_talent : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;

    QScreen *second() const { return QGuiApplication::screens().value(1); }

    std::unique_ptr<frmMain> makeWindow(bool mirror = true, bool flip = false)
    {
        auto w = std::make_unique<frmMain>(m_platform, m_dialogs);
        w->rtDoc->setText(scriptOfLines(200));
        w->resize(900, 600);
        w->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(w.get());
        w->Form_Resize();
        StudioOptions o = w->studio()->options();
        o.talentScreen = Studio::screenKey(second());
        o.mirrorTalent = mirror;
        o.flipTalent = flip;
        w->studio()->setOptions(o);
        if (ScriptPicture *t = w->studio()->talentWindow()) [[maybe_unused]]
            const bool shown = QTest::qWaitForWindowExposed(t);
        return w;
    }

    // The talent screen's frame brought back to the viewport's size and orientation.
    static QImage talentAsViewport(frmMain &w, bool unmirror, bool unflip)
    {
        ScriptPicture *t = w.studio()->talentWindow();
        const QRect src = studio::visibleRect(w.picBack);
        const QImage shown = t->grab(t->frame()).toImage();
        return shown.scaled(src.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .mirrored(unmirror, unflip);
    }
    static QImage viewport(frmMain &w) { return w.picBack->grab(studio::visibleRect(w.picBack)).toImage(); }

    // Display frames of 16 ms, the windows drawn after every stepsPerPaint of them.
    void runFrames(frmMain &w, int frames, int stepsPerPaint = 1)
    {
        for (int frame = 0; frame < frames; ++frame) {
            m_platform.now += 16;
            w.core().clock().timFrame_Timer();
            if (frame % stepsPerPaint == 0)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        }
    }
    // How far what the X server shows of the window is from a fresh paint of it.
    static double shownAgainstFresh(ScriptPicture *t)
    {
        return difference(t->screen()->grabWindow(t->winId()).toImage(), t->grab().toImage());
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::screens().size() < 2)
            QSKIP("needs two screens: run under xvfb-run with +xinerama and two -screen options");
    }

    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>();
        m_platform = FakePlatform();
        m_dialogs = FakeDialogs();
    }

    void landsOnTheChosenScreenFullAndBorderless()
    {
        auto w = makeWindow();
        ScriptPicture *t = w->studio()->talentWindow();
        QVERIFY(t);
        QVERIFY(t->isVisible());
        QVERIFY(t->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(t->isFullScreen());
        QCOMPARE(t->screen(), second());
        QCOMPARE(t->geometry(), second()->geometry());
        QCOMPARE(t->frame().width(), second()->geometry().width());
        QTest::mouseClick(t->windowHandle(), Qt::RightButton, {}, t->rect().center());
        QVERIFY(w->picBack->findChild<QMenu *>(QStringLiteral("mnuStudio")));
    }

    void pixelsAreTheViewportsMirroredAndScaled_data()
    {
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<bool>("flip");
        QTest::newRow("mirrored") << true << false;
        QTest::newRow("mirrored and flipped") << true << true;
        QTest::newRow("flipped") << false << true;
        QTest::newRow("plain") << false << false;
    }
    void pixelsAreTheViewportsMirroredAndScaled()
    {
        QFETCH(bool, mirror);
        QFETCH(bool, flip);
        auto w = makeWindow(mirror, flip);
        w->HandleKey(34, 0); // Page Down: the band lies over text, and tiles meet inside the frame
        w->HandleKey(40, 0);
        const QImage back = viewport(*w);
        const double same = difference(talentAsViewport(*w, mirror, flip), back);
        const double wrongWay = difference(talentAsViewport(*w, !mirror, !flip), back);
        QVERIFY2(same < 8, qPrintable(QString::number(same)));
        QVERIFY2(wrongWay > 2 * same + 4, qPrintable(QString::number(wrongWay)));
    }

    void followsStepsKeysAndResetInTheSameFrame()
    {
        auto w = makeWindow();
        ScriptPicture *t = w->studio()->talentWindow();
        QCoreApplication::processEvents();
        PaintCounter painted;
        t->installEventFilter(&painted);
        auto check = [&](const char *what) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            QVERIFY2(painted.paints > 0, what);
            painted.paints = 0;
            const double d = difference(talentAsViewport(*w, true, false), viewport(*w));
            QVERIFY2(d < 8, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(what)).arg(d)));
        };
        w->DoAction(QStringLiteral("Start"));
        // With frame-synchronised presentation the display frames show the clock's steps, a pixel
        // at a time.
        const int startY = w->rtDoc->y();
        for (int i = 0; i < 50 && w->rtDoc->y() == startY; ++i) {
            m_platform.now += 10;
            w->core().clock().timTick_Timer();
            w->core().clock().timFrame_Timer();
        }
        QVERIFY(w->rtDoc->y() != startY);
        check("clock step");
        w->HandleKey(34, 0);
        check("Page Down");
        w->HandleKey(8, 0);
        QCOMPARE(twips::top(w->rtDoc), 0.0f);
        check("Reset");
    }

    void keysOnTheTalentScreenActAsInThePrompter()
    {
        auto w = makeWindow();
        ScriptPicture *t = w->studio()->talentWindow();
        QTest::keyClick(t, Qt::Key_End);
        QCOMPARE(-twips::top(w->rtDoc), std::nearbyint(twips::height(w->rtDoc) - twips::height(w->picBack)));
        QTest::keyClick(t, Qt::Key_Space);
        QVERIFY(w->core().running());
        QTest::keyClick(t, Qt::Key_F3);
        QVERIFY(!w->core().running());
        QTest::keyClick(t, Qt::Key_Escape); // the program would go where nobody can see it
        QCoreApplication::processEvents();
        QVERIFY(w->isVisible() && !w->studio()->talentWindow());
    }

    void scrollingDrawsNoNewTiles()
    {
        auto w = makeWindow();
        ScriptPicture *t = w->studio()->talentWindow();
        QCoreApplication::processEvents();
        t->repaint();
        const int before = t->tilesRendered();
        w->sldSpeed->setValue(8);
        w->DoAction(QStringLiteral("Start"));
        for (int i = 0; i < 20; ++i) {
            m_platform.now += 20;
            w->core().clock().timTick_Timer();
            t->repaint();
        }
        QVERIFY(t->tilesRendered() - before <= 1);
    }

    // Running, each frame moves the pixels already on the talent screen and draws only the rows coming
    // into view; what the screen then shows is what a fresh paint draws, band and tile seams included.
    void framesMoveThePictureAndDrawOnlyTheNewRows_data()
    {
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("clock"); // the time to the end over the picture
        QTest::addColumn<int>("stepsPerPaint");
        QTest::newRow("mirrored, speed 8") << true << false << 8 << false << 1;
        QTest::newRow("flipped, speed 16") << false << true << 16 << false << 1;
        QTest::newRow("both, back to front") << true << true << -16 << false << 1;
        QTest::newRow("mirrored, with the clock") << true << false << 8 << true << 1;
        QTest::newRow("flipped, with the clock") << false << true << 16 << true << 1;
        // Rows asked for and not yet drawn move with the picture.
        QTest::newRow("two steps a paint, with the clock") << true << false << 16 << true << 2;
    }
    void framesMoveThePictureAndDrawOnlyTheNewRows()
    {
        QFETCH(bool, mirror);
        QFETCH(bool, flip);
        QFETCH(int, speed);
        QFETCH(bool, clock);
        QFETCH(int, stepsPerPaint);
        auto w = makeWindow(mirror, flip);
        ScriptPicture *t = w->studio()->talentWindow();
        w->showControl().setTalentCountdown(clock);
        if (speed < 0) { // two screenfuls down, running back
            w->HandleKey(34, 0);
            w->HandleKey(34, 0);
        }
        QCoreApplication::processEvents();
        PaintedArea painted;
        t->installEventFilter(&painted);
        w->sldSpeed->setValue(std::abs(speed));
        if (speed < 0)
            w->core().command({run::Verb::Down});
        w->DoAction(QStringLiteral("Start"));
        const int startY = w->rtDoc->y();
        // Long enough to cross from one tile into the next.
        runFrames(*w, 300, stepsPerPaint);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QVERIFY(std::abs(w->rtDoc->y() - startY) > w->picBack->height() / 2);
        QCOMPARE(t->clock().isEmpty(), !clock);
        const qint64 fullFrames = 300LL * t->frame().width() * t->frame().height();
        QVERIFY2(painted.pixels < fullFrames / 10,
                 qPrintable(QString::number(double(painted.pixels) / fullFrames)));
        // On X11 the pixels go to the server without the backing store.
        QVERIFY(t->testAttribute(Qt::WA_PaintOnScreen));
        const double d = shownAgainstFresh(t);
        QVERIFY2(d < 0.5, qPrintable(QString::number(d)));
    }

    // Moved to another X screen of the same size its native window is made again there: the picture
    // goes with it.
    void movesToAnotherScreenWithItsPicture()
    {
        QVERIFY(QGuiApplication::screens().size() >= 3);
        auto w = makeWindow();
        QScreen *third = QGuiApplication::screens().at(2);
        StudioOptions o = w->studio()->options();
        o.talentScreen = Studio::screenKey(third);
        w->studio()->setOptions(o);
        ScriptPicture *t = w->studio()->talentWindow();
        QVERIFY(QTest::qWaitForWindowExposed(t));
        QCOMPARE(t->screen(), third);
        w->sldSpeed->setValue(8);
        w->DoAction(QStringLiteral("Start"));
        runFrames(*w, 50);
        const double d = shownAgainstFresh(t);
        QVERIFY2(d < 0.5, qPrintable(QString::number(d)));
    }

    // Opened where the desktop had its focus, on the talent's screen: the prompter window goes to
    // another screen and the talent window opens on its own, never over the prompter.
    void prompterOpenedOnTheTalentScreenMovesOff()
    {
        modSettings::WriteSetting(QStringLiteral("General"), QStringLiteral("TalentScreen"),
                                  Studio::screenKey(second()));
        frmMain w(m_platform, m_dialogs);
        w.rtDoc->setText(scriptOfLines(200));
        w.setScreen(second());
        w.setGeometry(second()->geometry().adjusted(0, 0, -100, -100));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.studio()->placed());
        QTRY_VERIFY(w.studio()->talentWindow() && w.studio()->talentWindow()->isVisible());
        QVERIFY(w.screen() != second());
        QCOMPARE(w.studio()->talentWindow()->screen(), second());
        QVERIFY(!w.lblStudio->isVisible());
    }

    // Moved later onto the talent's screen: the talent window closes and the panel says why; moved
    // away again, it comes back.
    void prompterMovedOntoTheTalentScreenClosesIt()
    {
        auto w = makeWindow();
        QVERIFY(w->studio()->talentWindow());
        QScreen *own = w->screen();
        w->windowHandle()->setScreen(second());
        QTRY_VERIFY(!w->studio()->talentWindow());
        // Moved to another X screen, the window is made again there and not yet shown.
        QVERIFY(!w->lblStudio->isHidden());
        QVERIFY(w->lblStudio->text().contains(second()->name()));
        w->windowHandle()->setScreen(own);
        QTRY_VERIFY(w->studio()->talentWindow());
        QVERIFY(w->lblStudio->isHidden());
    }

    void closesWhenItsScreenGoes()
    {
        auto w = makeWindow();
        QVERIFY(w->studio()->talentWindow());
        w->studio()->screenRemoved(QGuiApplication::screens().first()); // another screen: stays
        QVERIFY(w->studio()->talentWindow());
        w->studio()->screenRemoved(second());
        QVERIFY(!w->studio()->talentWindow());
    }

    void prompterMirrorFlipsTheViewport()
    {
        auto w = makeWindow();
        w->HandleKey(34, 0);
        const QImage plain = viewport(*w);
        StudioOptions o = w->studio()->options();
        o.mirrorPrompter = true;
        w->studio()->setOptions(o);
        QVERIFY(w->studio()->prompterMirror());
        const QImage mirrored = viewport(*w);
        QVERIFY(difference(mirrored.mirrored(true, false), plain) < 4);
        QVERIFY(difference(mirrored, plain) > 10);
        o.mirrorPrompter = false;
        w->studio()->setOptions(o);
        QVERIFY(!w->studio()->prompterMirror());
        QVERIFY(difference(viewport(*w), plain) < 1);
    }

    void countdownShowsOnTheTalentScreenToo()
    {
        auto w = makeWindow();
        StudioOptions o = w->studio()->options();
        o.countdownSeconds = 3;
        w->studio()->setOptions(o);
        w->DoAction(QStringLiteral("Start"));
        QCOMPARE(w->studio()->talentWindow()->countdown(), 3);
        w->DoAction(QStringLiteral("Stop"));
        QCOMPARE(w->studio()->talentWindow()->countdown(), 0);
    }
};

QTEST_MAIN(tst_talent)
#include "tst_talent.moc"
