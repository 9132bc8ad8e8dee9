// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PaintedArea.h"
#include "PrompterWindow.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "line/ReadingLine.h"
#include "line/gui/ControlDrag.h"
#include "line/gui/LineHandles.h"
#include "line/gui/frmLine.h"
#include "settings/modSettings.h"
#include "ui/Colors.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QFile>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <memory>

namespace {

readingline::Geometry geometryOf(const frmMain &w)
{
    return {twips::top(w.picMove),      twips::height(w.picMove), twips::top(w.picResize),
            twips::height(w.picResize), twips::top(w.picLine),    twips::height(w.picLine)};
}

// A point of the window on the move handle's or resize handle's tab, left of the viewport.
QPoint onTab(const QWidget *handle)
{
    return QPoint(3, handle->geometry().center().y());
}

QColor blend(const QColor &under, const QColor &over)
{
    auto mix = [](int u, int o) { return (o * 128 + u * 127) / 255; };
    return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()),
                  mix(under.blue(), over.blue()));
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
}

} // namespace

class tst_Line : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_iniDir;

    std::unique_ptr<frmMain> makeWindow(QSize size = QSize(1000, 700))
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(300), size);
        w->lineWindow->ResizeLine();
        return w;
    }

    // Drags a handle with the mouse from its tab to a point of the window. The pressed handle keeps
    // the mouse until the release, so every event of the drag goes to it.
    static void drag(frmMain &w, QWidget *handle, QPoint to, const std::function<void()> &whileOver = {})
    {
        press(w, handle);
        moveTo(w, handle, to);
        if (whileOver)
            whileOver();
        QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->mapFrom(&w, to));
    }
    static void press(frmMain &w, QWidget *handle)
    {
        QTest::mousePress(handle, Qt::LeftButton, {}, handle->mapFrom(&w, onTab(handle)));
    }
    static void moveTo(frmMain &w, QWidget *handle, QPoint to)
    {
        QMouseEvent e(QEvent::MouseMove, handle->mapFrom(&w, to), w.mapToGlobal(QPointF(to)), Qt::NoButton,
                      Qt::LeftButton, {});
        QCoreApplication::sendEvent(handle, &e);
    }

    // The exact place of the band: over the reading line, 60 twips narrower, as high.
    static void verifyBandOnLine(const frmMain &w)
    {
        const frmLine *band = w.lineWindow;
        QCOMPARE(band->mapTo(&w, QPoint()), w.picLine->mapTo(&w, QPoint()));
        QCOMPARE(band->width(), twips::toPixels(twips::width(w.picLine) - 60));
        QCOMPARE(band->height(), w.picLine->height());
        const twips::Rect b = band->band();
        QCOMPARE(b.left, twips::left(w.picBack) + twips::left(w.picLine));
        QCOMPARE(b.top, twips::top(w.picBack) + twips::top(w.picLine));
        QCOMPARE(b.width, twips::width(w.picLine) - 60);
        QCOMPARE(b.height, twips::height(w.picLine));
    }

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_iniDir); }

    void dragMovesTheLine_data()
    {
        QTest::addColumn<QString>("handle");
        QTest::addColumn<QString>("onto");
        QTest::addColumn<bool>("changes");

        QTest::newRow("move to the left margin") << "picMove"
                                                 << "margin" << true;
        QTest::newRow("move to the strip under the viewport") << "picMove"
                                                              << "strip" << true;
        QTest::newRow("move down the move handle") << "picMove"
                                                   << "handle" << true;
        QTest::newRow("resize to the left margin") << "picResize"
                                                   << "margin" << true;
        QTest::newRow("resize on the move handle") << "picResize"
                                                   << "handle" << true;
        QTest::newRow("move over the script") << "picMove"
                                              << "script" << false;
        QTest::newRow("move onto the panel") << "picMove"
                                             << "panel" << false;
        QTest::newRow("move onto the toolbar") << "picMove"
                                               << "toolbar" << false;
        QTest::newRow("resize onto the script") << "picResize"
                                                << "script" << false;
        QTest::newRow("resize onto itself") << "picResize"
                                            << "resize" << false;
        QTest::newRow("move off the window") << "picMove"
                                             << "outside" << false;
    }

    void dragMovesTheLine()
    {
        QFETCH(QString, handle);
        QFETCH(QString, onto);
        QFETCH(bool, changes);

        const auto w = makeWindow();
        QWidget *source = handle == QLatin1String("picMove") ? w->picMove : w->picResize;
        const int backBottom = w->picBack->geometry().bottom();
        QPoint to;
        if (onto == QLatin1String("margin"))
            to = QPoint(3, w->picMove->y() + 120);
        else if (onto == QLatin1String("strip"))
            to = QPoint(500, backBottom + 2);
        else if (onto == QLatin1String("handle"))
            to = QPoint(3, w->picMove->y() + 10);
        else if (onto == QLatin1String("script"))
            to = QPoint(500, 100);
        else if (onto == QLatin1String("panel"))
            to = w->picPanel->geometry().center();
        else if (onto == QLatin1String("toolbar"))
            to = w->tlbMain->geometry().center();
        else if (onto == QLatin1String("resize"))
            to = onTab(w->picResize);
        else
            to = QPoint(-20, 100);

        const readingline::Geometry before = geometryOf(*w);
        const float viewportBottom = twips::top(w->picBack) + twips::height(w->picBack);
        readingline::Geometry expected = before;
        const auto source_ = readingline::handleNamed(handle);
        if (onto == QLatin1String("handle"))
            expected = readingline::dropOnMoveHandle(before, source_, float(to.y() - w->picMove->y()) * 15);
        else if (changes)
            expected = readingline::dropOnWindow(before, source_, float(to.y()) * 15, viewportBottom);

        drag(*w, source, to);
        QCOMPARE(geometryOf(*w), expected);
        QCOMPARE(geometryOf(*w) != before, changes);
        QVERIFY(readingline::invariantsHold(geometryOf(*w)));
        QVERIFY(!w->lineHandles().drag()->source());
    }

    // A move to window Y 1200 puts the handle 200 above the pointer; the invariants hold on screen.
    void moveDropPlacesTheHandles()
    {
        const auto w = makeWindow();
        drag(*w, w->picMove, QPoint(3, 80));
        QCOMPARE(twips::top(w->picMove), 1000.f);
        QCOMPARE(twips::top(w->picLine), 950.f);
        QCOMPARE(twips::top(w->picResize), 1415.f);
        QCOMPARE(twips::height(w->picLine), 460.f);
    }

    void pointerWhileDragging_data()
    {
        QTest::addColumn<QString>("handle");
        QTest::addColumn<int>("shape");
        QTest::newRow("move handle") << "picMove" << int(Qt::SizeAllCursor);
        QTest::newRow("resize handle") << "picResize" << int(Qt::SizeVerCursor);
    }

    void pointerWhileDragging()
    {
        QFETCH(QString, handle);
        QFETCH(int, shape);

        const auto w = makeWindow();
        QWidget *source = handle == QLatin1String("picMove") ? w->picMove : w->picResize;
        const QPoint script(500, 100);
        const QPoint margin(3, 20);

        press(*w, source);
        moveTo(*w, source, script);
        QCOMPARE(int(source->cursor().shape()), int(Qt::ForbiddenCursor));
        moveTo(*w, source, margin);
        QCOMPARE(int(source->cursor().shape()), shape);
        moveTo(*w, source, script);
        QTest::mouseRelease(source, Qt::LeftButton, {}, source->mapFrom(w.get(), script));
        QCOMPARE(int(source->cursor().shape()), shape); // a drop on the viewport gives it back

        // Past the script and dropped on the panel, the no-drop sign stays until the next drag.
        drag(*w, source, w->picPanel->geometry().center(), [&] { moveTo(*w, source, script); });
        QCOMPARE(int(source->cursor().shape()), int(Qt::ForbiddenCursor));
    }

    void layoutKeepsTheInvariants()
    {
        const auto w = makeWindow();
        w->lineHandles().Form_DragDrop(w->picResize, 0, twips::top(w->picMove) + 900);
        w->lineHandles().Form_DragDrop(w->picMove, 0, 3000);
        for (const QSize size : {QSize(800, 600), QSize(1200, 800)}) {
            w->resize(size);
            w->Form_Resize();
            QVERIFY(readingline::invariantsHold(geometryOf(*w)));
            QCOMPARE(twips::top(w->picMove), 2800.f); // a placed line stays put
            QCOMPARE(twips::height(w->picMove), 900.f);
        }
        w->ToggleFullScreen(true);
        QVERIFY(readingline::invariantsHold(geometryOf(*w)));
        w->ToggleFullScreen(false);
        QVERIFY(readingline::invariantsHold(geometryOf(*w)));
    }

    // A top of exactly 0 reads as a line never placed: the next layout centres it again.
    void moveToTheTopIsCentredAgain()
    {
        const auto w = makeWindow();
        const float centred = twips::top(w->picMove);
        w->lineHandles().Form_DragDrop(w->picMove, 0, 200);
        QCOMPARE(twips::top(w->picMove), 0.f);
        w->Form_Resize();
        QCOMPARE(twips::top(w->picMove), centred);
    }

    void overlayFollowsAtItsNextTick()
    {
        const auto w = makeWindow();
        verifyBandOnLine(*w);

        w->lineHandles().Form_DragDrop(w->picMove, 0, 1500);
        w->lineHandles().Form_DragDrop(w->picResize, 0, 2400);
        w->lineWindow->ResizeLine();
        verifyBandOnLine(*w);

        w->resize(1100, 650);
        w->Form_Resize();
        w->lineWindow->ResizeLine();
        verifyBandOnLine(*w);

        w->move(w->pos() + QPoint(40, 30));
        w->lineWindow->ResizeLine();
        verifyBandOnLine(*w);

        colors::setBackColor(w->picLine, colors::rgb(200, 0, 0));
        QVERIFY(w->lineWindow->lineColor() != colors::rgb(200, 0, 0));
        w->lineWindow->ResizeLine();
        QCOMPARE(w->lineWindow->lineColor(), colors::rgb(200, 0, 0));
    }

    // Before its first tick the band has no place: it must not lie over the window's corner meanwhile.
    void bandHiddenUntilPlaced()
    {
        frmMain w(m_platform, m_dialogs);
        w.show();
        QVERIFY(!w.lineWindow->isVisible());
        w.lineWindow->ResizeLine();
        verifyBandOnLine(w);
    }

    // No timer runs while nothing changes; a new place of the line calls for one tick.
    void bandTickComesOnlyAfterAChange()
    {
        const auto w = makeWindow();
        QTimer *tick = w->lineWindow->timResize;
        tick->stop();
        QVERIFY(tick->isSingleShot());
        twips::setTop(w->picLine, twips::top(w->picLine) + 300);
        QVERIFY(tick->isActive());
        w->lineWindow->ResizeLine();
        verifyBandOnLine(*w);
    }

    // The band stays on the line while the script moves under it, with no tick in between.
    void bandStaysPutWhileTheScriptMoves()
    {
        const auto w = makeWindow();
        const QPoint at = w->lineWindow->mapTo(w.get(), QPoint());
        w->core().Scroll(1, 16, true);
        w->core().Scroll(1, 200, false);
        QCOMPARE(w->lineWindow->mapTo(w.get(), QPoint()), at);
        verifyBandOnLine(*w);
    }

    // Moving the script repaints the strip that comes into view and the band, not the viewport.
    void aStepRepaintsOnlyAStrip()
    {
        const auto w = makeWindow();
        QCoreApplication::processEvents();
        PaintedArea painted;
        w->rtDoc->viewport()->installEventFilter(&painted);
        w->core().Scroll(1, 16, true);
        QCoreApplication::sendPostedEvents(w.get(), QEvent::UpdateRequest);
        const qint64 viewport = qint64(w->picBack->width()) * w->picBack->height();
        const qint64 band = qint64(w->rtDoc->viewport()->width()) * (w->lineWindow->height() + 10);
        QVERIFY2(painted.pixels > 0 && painted.pixels <= band, qPrintable(QString::number(painted.pixels)));
        QVERIFY(painted.pixels * 10 < viewport);
    }

    void bandBlendsWithTheScript_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("normal") << "normal";
        QTest::newRow("full screen") << "full screen";
        QTest::newRow("mark mode") << "mark mode";
    }

    void bandBlendsWithTheScript()
    {
        QFETCH(QString, mode);
        const auto w = makeWindow(QSize(1600, 700)); // the text ends well short of the band's right end
        RichTextView *view = w->rtDoc;
        if (mode == QLatin1String("full screen")) {
            w->ToggleFullScreen(true);
        } else if (mode == QLatin1String("mark mode")) {
            // The mirror takes the script's place.
            w->DoAction(QStringLiteral("Mark"));
            QVERIFY(w->core().markMode());
            view = w->rtMirror;
        }
        w->lineWindow->ResizeLine();
        QCOMPARE(w->lineWindow->parentWidget(), view->viewport());
        verifyBandOnLine(*w);

        const QImage shot = w->grab().toImage();
        const QRect band(w->lineWindow->mapTo(w.get(), QPoint()), w->lineWindow->size());
        const QColor paper = colors::toQColor(w->rtDoc->BackColor());
        const QColor line = colors::toQColor(colors::backColor(w->picLine));
        const QColor seen = blend(paper, line);
        // The band's right end lies past the text; the script shows through further left.
        const int right = std::min(band.right(), shot.width() - 1) - 3;
        const QColor bare = shot.pixelColor(right, band.center().y());
        QVERIFY2(near(bare, seen), qPrintable(bare.name() + QLatin1String(" for ") + seen.name()));
        QCOMPARE(shot.pixelColor(right, band.top() - 3), paper);
        int inked = 0;
        for (int x = band.left(); x < band.left() + 300; ++x) {
            for (int y = band.top(); y <= band.bottom(); ++y)
                inked += shot.pixelColor(x, y).lightness() < seen.lightness() - 60;
        }
        QVERIFY2(inked > 20, "no text seen through the band");
    }

    void clicksOnTheBandGoNowhere()
    {
        const auto w = makeWindow();
        w->ToggleFullScreen(true);
        w->lineWindow->ResizeLine();
        QVERIFY(w->core().fullScreen());
        const QPoint onBand = w->lineWindow->mapTo(w.get(), w->lineWindow->rect().center());
        // The script takes no pointer input: clicks over it come to the viewport.
        QTest::mouseClick(w->picBack, Qt::LeftButton, {}, w->picBack->mapFrom(w.get(), onBand));
        QVERIFY(w->core().fullScreen());
        const QPoint beside = onBand - QPoint(0, w->lineWindow->height());
        QTest::mouseClick(w->picBack, Qt::LeftButton, {}, w->picBack->mapFrom(w.get(), beside));
        QVERIFY(!w->core().fullScreen()); // a click on the script beside the band still has its meaning
    }
};

QTEST_MAIN(tst_Line)
#include "tst_line.moc"
