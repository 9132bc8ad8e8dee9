// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PrompterWindow.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "line/gui/frmLine.h"
#include "markers/MarkerPlaces.h"
#include "markers/gui/dlgSelectMarker.h"
#include "scroll/Progress.h"
#include "settings/modSettings.h"
#include "studio/Studio.h"
#include "ui/Colors.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>

#include <cmath>
#include <memory>

namespace {

// Where "Line n of" begins in a script of numbered lines.
int lineStart(const RichTextView *view, int n)
{
    return int(view->Text().indexOf(QStringLiteral("Line %1 of").arg(n)));
}

QString paragraphs(int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("Paragraph %1 runs on and on so that it wraps over several lines of the "
                              "prompter, which is where a mirror with the wrong width would break its lines "
                              "elsewhere and the operator would mark the wrong words.")
                   .arg(i);
    return out.join(QLatin1String("\r\n"));
}

// The picker answered by choosing a row with Select; `caption` records the select button's text.
std::function<int(QWidget &)> chooseRow(int row, QString *caption = nullptr)
{
    return [row, caption](QWidget &w) {
        auto *d = qobject_cast<dlgSelectMarker *>(&w);
        if (caption)
            *caption = d->cmdSelect->text();
        d->lvwMarkers->setCurrentItem(d->lvwMarkers->topLevelItem(row - 1));
        d->cmdSelect->click();
        return 0;
    };
}

std::function<int(QWidget &)> cancelPicker(QString *caption = nullptr)
{
    return [caption](QWidget &w) {
        auto *d = qobject_cast<dlgSelectMarker *>(&w);
        if (caption)
            *caption = d->cmdSelect->text();
        d->lvwMarkers->setCurrentItem(d->lvwMarkers->topLevelItem(0));
        d->cmdCancel->click();
        return 0;
    };
}

} // namespace

class tst_MarkMode : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_iniDir;

    std::unique_ptr<frmMain> makeWindow(const QString &script = scriptOfLines(300))
    {
        auto w = showPrompter(m_platform, m_dialogs, script);
        w->lineWindow->ResizeLine(); // the band in place, as the overlay's next tick puts it
        return w;
    }

    static void mark(frmMain &w, int start, int length)
    {
        w.DoAction(QStringLiteral("Mark"));
        w.rtMirror->setSelStart(start);
        w.rtMirror->setSelLength(length);
        w.cmdMark->click();
    }

    static QColor normal(const frmMain &w) { return colors::toQColor(w.core().appearance().lForeColor); }
    static QColor blue() { return colors::toQColor(markers::kHighlightColor); }
    static float lineHeight(const frmMain &w) { return twips::height(w.lblHeightFinder); }

    // Top that puts the display line holding a position at the top of the viewport.
    static float topOfLineAt(const frmMain &w, int position)
    {
        return -std::nearbyint(lineHeight(w) * float(w.rtDoc->GetLineFromChar(position)));
    }

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_iniDir); }

    void mirrorShowsWhatTheScriptViewShowed()
    {
        const auto w = makeWindow(paragraphs(40));
        w->rtDoc->setSelStart(400);
        w->rtDoc->setSelLength(30);
        w->rtDoc->setSelColor(markers::kHighlightColor);
        w->rtDoc->setSelLength(0);
        twips::setTop(w->rtDoc, -9000);
        const QImage before = w->picBack->grab().toImage();

        w->DoAction(QStringLiteral("Mark"));
        QVERIFY(w->core().markMode());
        QVERIFY(w->picMark->isVisible());
        QVERIFY(!w->picPanel->isVisible());
        QVERIFY(!w->rtDoc->isVisible());
        QVERIFY(w->rtMirror->isVisible());
        QCOMPARE(twips::rect(w->picMark).top, twips::rect(w->picPanel).top);
        QCOMPARE(twips::rect(w->picMark).width, twips::rect(w->picPanel).width);

        const twips::Rect doc = twips::rect(w->rtDoc);
        const twips::Rect mirror = twips::rect(w->rtMirror);
        QCOMPARE(mirror.left, doc.left);
        QCOMPARE(mirror.top, doc.top);
        QCOMPARE(mirror.width, doc.width);
        QCOMPARE(mirror.height, doc.height);
        QCOMPARE(w->rtMirror->Text(), w->rtDoc->Text());
        QCOMPARE(w->rtMirror->font(), w->rtDoc->font());
        QCOMPARE(w->rtMirror->BackColor(), w->rtDoc->BackColor());
        QCOMPARE(colourAt(w->rtMirror, 410), blue());
        QCOMPARE(colourAt(w->rtMirror, 399), colourAt(w->rtDoc, 399));
        for (int p = 0; p < w->rtDoc->textLength(); p += 97)
            QCOMPARE(w->rtMirror->GetLineFromChar(p), w->rtDoc->GetLineFromChar(p));
        // The same pixels: the operator selects the words they were looking at.
        QCOMPARE(w->picBack->grab().toImage(), before);
    }

    void mirrorFollowsScrollKeysAndWheel()
    {
        const auto w = makeWindow();
        twips::setTop(w->rtDoc, -3000);
        w->DoAction(QStringLiteral("Mark"));
        QTest::keyClick(w->picBack, Qt::Key_PageDown);
        QVERIFY(twips::top(w->rtDoc) < -3000);
        QCOMPARE(twips::top(w->rtMirror), twips::top(w->rtDoc));
        w->HandleWheel(120);
        QCOMPARE(twips::top(w->rtMirror), twips::top(w->rtDoc));
        QVERIFY(w->core().markMode());
    }

    void markWithoutSelectionKeepsThePanelUp()
    {
        const auto w = makeWindow();
        w->DoAction(QStringLiteral("Mark"));
        w->cmdMark->click();
        QVERIFY(w->core().markMode());
        QVERIFY(w->picMark->isVisible());
        QCOMPARE(w->core().markers().Count(), 0);
    }

    void markColoursExactlyThePassage()
    {
        const auto w = makeWindow();
        m_platform.now = 5000;
        w->DoAction(QStringLiteral("Start"));
        const int start = lineStart(w->rtDoc, 3) + 5;
        mark(*w, start, 70); // runs over a line end
        QVERIFY(!w->core().running());
        QVERIFY(!w->core().markMode());
        QVERIFY(w->rtDoc->isVisible());
        QVERIFY(!w->rtMirror->isVisible());
        QVERIFY(w->picPanel->isVisible());
        QVERIFY(!w->picMark->isVisible());

        for (int p = start; p < start + 70; ++p) {
            if (w->rtDoc->Text().at(p) != QLatin1Char('\r') && w->rtDoc->Text().at(p) != QLatin1Char('\n'))
                QCOMPARE(colourAt(w->rtDoc, p), blue());
        }
        QVERIFY(colourAt(w->rtDoc, start + 70) != blue());
        QVERIFY(colourAt(w->rtDoc, start - 1) != blue());
        QCOMPARE(w->rtDoc->SelStart(), start);
        QCOMPARE(w->rtDoc->SelLength(), 0);

        QCOMPARE(w->core().markers().Count(), 1);
        const CMarker m = *w->core().markers().Item(1);
        QCOMPARE(m.lStartFrom, start);
        QCOMPARE(m.lLength, 70);
        QCOMPARE(m.sText, w->rtDoc->Text().mid(start, 70));

        // The same passage again: a second, equal marker.
        mark(*w, start, 70);
        QCOMPARE(w->core().markers().Count(), 2);
        QCOMPARE(*w->core().markers().Item(2), m);
    }

    void leavingMarkModeChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "cancel";
        QTest::newRow("Exit action") << "exit";
        QTest::newRow("Esc on the viewport") << "esc";
        QTest::newRow("Esc in the mirror") << "esc mirror";
    }

    void leavingMarkModeChangesNothing()
    {
        QFETCH(QString, how);
        const auto w = makeWindow();
        mark(*w, 20, 10);
        const QByteArray rtf = w->rtDoc->TextRTF();
        w->DoAction(QStringLiteral("Mark"));
        w->rtMirror->setSelStart(100);
        w->rtMirror->setSelLength(40);
        if (how == QLatin1String("cancel")) {
            w->cmdCancel->click();
        } else if (how == QLatin1String("exit")) {
            w->DoAction(QStringLiteral("Exit"));
        } else if (how == QLatin1String("esc")) {
            QTest::keyClick(w->picBack, Qt::Key_Escape);
        } else {
            w->rtMirror->setFocus();
            QTest::keyClick(w->rtMirror, Qt::Key_Escape);
        }
        QVERIFY(!w->core().markMode());
        QVERIFY(w->isVisible()); // Exit only ended mark mode
        QVERIFY(w->rtDoc->isVisible());
        QVERIFY(w->picPanel->isVisible());
        QVERIFY(!w->picMark->isVisible());
        QCOMPARE(w->core().markers().Count(), 1);
        QCOMPARE(w->rtDoc->TextRTF(), rtf);
        QVERIFY(w->picBack->hasFocus() || !w->isActiveWindow());
    }

    void markModeRefusesEveryOtherAction_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *a : {"EditText", "Start", "Stop", "Reset", "Mark", "JumpTo", "Unmark", "ClearAll",
                              "FullScreen", "Options", "Help", "exit"})
            QTest::newRow(a) << QString::fromLatin1(a);
    }

    void markModeRefusesEveryOtherAction()
    {
        QFETCH(QString, action);
        const auto w = makeWindow();
        mark(*w, 20, 10);
        const QByteArray rtf = w->rtDoc->TextRTF();
        twips::setTop(w->rtDoc, -3000);
        w->DoAction(QStringLiteral("Mark"));
        w->rtMirror->setSelStart(100);
        w->rtMirror->setSelLength(40);

        w->DoAction(action);
        QVERIFY(w->core().markMode());
        QVERIFY(w->picMark->isVisible());
        QVERIFY(w->rtMirror->isVisible());
        QCOMPARE(w->rtMirror->SelLength(), 40);
        QVERIFY(!w->core().running());
        QVERIFY(!w->core().fullScreen());
        QVERIFY(w->isVisible());
        QCOMPARE(twips::top(w->rtDoc), -3000.0f);
        QCOMPARE(w->core().markers().Count(), 1);
        QCOMPARE(w->rtDoc->TextRTF(), rtf);
        QVERIFY(m_dialogs.shown.isEmpty());
        QVERIFY(m_platform.opened.isEmpty());
    }

    void unmarkThenCancelChangesNothing()
    {
        const auto w = makeWindow();
        mark(*w, 20, 10);
        mark(*w, 200, 30);
        const QByteArray rtf = w->rtDoc->TextRTF();
        QString caption;
        m_dialogs.modals << cancelPicker(&caption);
        w->DoAction(QStringLiteral("Unmark"));
        QCOMPARE(caption, QStringLiteral("Unmark"));
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().text, QStringLiteral("dlgSelectMarker"));
        QCOMPARE(w->core().markers().Count(), 2);
        QCOMPARE(w->rtDoc->TextRTF(), rtf);
    }

    void unmarkOneOfTwoOverlappingMarkers()
    {
        const auto w = makeWindow();
        mark(*w, 10, 30); // A: 10..39
        mark(*w, 30, 30); // B: 30..59
        const CMarker b = *w->core().markers().Item(2);
        m_platform.now = 5000;
        w->DoAction(QStringLiteral("Start"));
        m_dialogs.modals << chooseRow(1);
        w->DoAction(QStringLiteral("Unmark"));
        QVERIFY(!w->core().running());
        for (int p = 10; p < 40; ++p)
            QCOMPARE(colourAt(w->rtDoc, p), normal(*w));
        for (int p = 40; p < 60; ++p)
            QCOMPARE(colourAt(w->rtDoc, p), blue());
        QCOMPARE(w->core().markers().Count(), 1);
        QCOMPARE(*w->core().markers().Item(1), b);
        QCOMPARE(w->rtDoc->SelStart(), 10);
        QCOMPARE(w->rtDoc->SelLength(), 0);
    }

    void clearAllRecoloursTheWholeScript()
    {
        const auto w = makeWindow();
        // Colouring that no marker made goes too.
        w->rtDoc->setSelStart(500);
        w->rtDoc->setSelLength(20);
        w->rtDoc->setSelColor(colors::rgb(255, 0, 0));
        QCOMPARE(colourAt(w->rtDoc, 505), colors::toQColor(colors::rgb(255, 0, 0)));
        m_platform.now = 5000;
        w->DoAction(QStringLiteral("Start"));
        w->DoAction(QStringLiteral("ClearAll"));
        QVERIFY(w->core().running()); // the scroll goes on
        const int length = w->rtDoc->textLength();
        for (int p : {0, 505, 1000, length - 1})
            QCOMPARE(colourAt(w->rtDoc, p), normal(*w));
        QCOMPARE(w->rtDoc->SelStart(), 0);
        QCOMPARE(w->rtDoc->SelLength(), 0);

        w->DoAction(QStringLiteral("Stop"));
        mark(*w, 10, 5);
        mark(*w, 40, 5);
        w->DoAction(QStringLiteral("ClearAll"));
        QCOMPARE(w->core().markers().Count(), 0);
        QCOMPARE(colourAt(w->rtDoc, 42), normal(*w));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void jumpTo_data()
    {
        QTest::addColumn<int>("topLine"); // script line at the top of the viewport before the jump
        QTest::addColumn<int>("markLine");
        QTest::addColumn<bool>("moves");
        QTest::newRow("visible") << 50 << 52 << false;
        QTest::newRow("at the viewport's top") << 50 << 50 << false;
        QTest::newRow("above") << 50 << 10 << true;
        QTest::newRow("below") << 50 << 200 << true;
        QTest::newRow("line 0, scrolled down") << 50 << 1 << true;
        QTest::newRow("line 0, at the start") << 1 << 1 << false;
    }

    void jumpTo()
    {
        QFETCH(int, topLine);
        QFETCH(int, markLine);
        QFETCH(bool, moves);
        const auto w = makeWindow();
        const int start = lineStart(w->rtDoc, markLine);
        mark(*w, start, 12);
        mark(*w, 0, 3); // a second marker, so that the right row counts
        const float top = topOfLineAt(*w, lineStart(w->rtDoc, topLine));
        twips::setTop(w->rtDoc, top);

        QString caption;
        m_dialogs.modals << chooseRow(1, &caption);
        w->DoAction(QStringLiteral("JumpTo"));
        QCOMPARE(caption, QStringLiteral("Jump To"));
        QCOMPARE(w->rtDoc->SelStart(), start);
        QCOMPARE(w->rtDoc->SelLength(), 12);
        const float want = moves ? topOfLineAt(*w, start) : top;
        QCOMPARE(twips::top(w->rtDoc), want);
        if (markLine == 1)
            QCOMPARE(twips::top(w->rtDoc), 0.0f);
        // Progress brought up to date, in the run and on the panel.
        const progress::Reading reading = progress::read(twips::top(w->rtDoc), twips::height(w->rtDoc),
                                                         twips::height(w->picBack), w->core().speed(), true);
        QCOMPARE(w->core().progress(), int(std::nearbyint(reading.percent)));
        QCOMPARE(w->prgDoc->value(), w->core().progress());
    }

    // Centred on the reading line, but the script never comes down past its start.
    void jumpToTheReadingLine()
    {
        const auto w = makeWindow();
        StudioOptions o;
        o.jumpToReadingLine = true;
        w->studio()->setOptions(o);
        mark(*w, 0, 4);
        const int start = lineStart(w->rtDoc, 52);
        mark(*w, start, 12);
        m_dialogs.modals << chooseRow(2) << chooseRow(1);
        w->DoAction(QStringLiteral("JumpTo"));
        const float lineMiddle = twips::top(w->rtDoc) - topOfLineAt(*w, start) + lineHeight(*w) / 2;
        QVERIFY(std::abs(lineMiddle - twips::top(w->picLine) - twips::height(w->picLine) / 2) <= 1);
        w->DoAction(QStringLiteral("JumpTo"));
        QCOMPARE(twips::top(w->rtDoc), 0.0f);
    }

    void pickerCancelledOrClosedLeavesEverything_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("cancel"); // else the close box
        QTest::newRow("JumpTo, Cancel") << "JumpTo" << true;
        QTest::newRow("JumpTo, close box") << "JumpTo" << false;
        QTest::newRow("Unmark, Cancel") << "Unmark" << true;
        QTest::newRow("Unmark, close box") << "Unmark" << false;
    }

    void pickerCancelledOrClosedLeavesEverything()
    {
        QFETCH(QString, action);
        QFETCH(bool, cancel);
        const auto w = makeWindow();
        mark(*w, lineStart(w->rtDoc, 200), 10);
        mark(*w, 5, 10);
        twips::setTop(w->rtDoc, -3000);
        const QByteArray rtf = w->rtDoc->TextRTF();
        // The close box on the very first use as well as after an earlier choice.
        for (int round = 0; round < 2; ++round) {
            if (cancel)
                m_dialogs.modals << cancelPicker();
            w->DoAction(action);
            QCOMPARE(twips::top(w->rtDoc), -3000.0f);
            QCOMPARE(w->core().markers().Count(), 2);
            QCOMPARE(w->rtDoc->TextRTF(), rtf);
            m_dialogs.modals << chooseRow(2);
            w->DoAction(QStringLiteral("JumpTo"));
            twips::setTop(w->rtDoc, -3000);
        }
    }

    void threeMarkersListedInOrder()
    {
        const auto w = makeWindow();
        const int a = lineStart(w->rtDoc, 30), b = lineStart(w->rtDoc, 5), c = lineStart(w->rtDoc, 90);
        mark(*w, a, 6);
        mark(*w, b, 7);
        mark(*w, c, 8);
        QStringList listed;
        m_dialogs.modals << [&listed](QWidget &win) {
            auto *d = qobject_cast<dlgSelectMarker *>(&win);
            for (int i = 0; i < d->lvwMarkers->topLevelItemCount(); ++i)
                listed << d->lvwMarkers->topLevelItem(i)->text(1);
            d->lvwMarkers->setCurrentItem(d->lvwMarkers->topLevelItem(1));
            d->cmdSelect->click();
            return 0;
        };
        w->DoAction(QStringLiteral("Unmark"));
        QCOMPARE(listed, (QStringList{w->rtDoc->Text().mid(a, 6), w->rtDoc->Text().mid(b, 7),
                                      w->rtDoc->Text().mid(c, 8)}));
        QCOMPARE(w->core().markers().Count(), 2);
        QCOMPARE(w->core().markers().Item(1)->lStartFrom, a);
        QCOMPARE(w->core().markers().Item(2)->lStartFrom, c);
        QCOMPARE(w->rtDoc->SelStart(), b);
    }

    void staleMarkersAfterAShorterScript()
    {
        const auto w = makeWindow(scriptOfLines(300));
        const int across = lineStart(w->rtDoc, 98);
        mark(*w, across, lineStart(w->rtDoc, 105) - across); // reaches past line 100
        mark(*w, lineStart(w->rtDoc, 250), 20);              // wholly past line 100
        w->rtDoc->setText(scriptOfLines(100));
        w->Form_Resize();
        const int length = w->rtDoc->textLength();
        twips::setTop(w->rtDoc, 0);

        m_dialogs.modals << chooseRow(2);
        w->DoAction(QStringLiteral("JumpTo"));
        QCOMPARE(w->rtDoc->SelStart(), length);
        QCOMPARE(w->rtDoc->SelLength(), 0);
        QCOMPARE(twips::top(w->rtDoc), topOfLineAt(*w, length)); // the last line
        QVERIFY(twips::top(w->rtDoc) < 0);

        m_dialogs.modals << chooseRow(1);
        w->DoAction(QStringLiteral("JumpTo"));
        QCOMPARE(w->rtDoc->SelStart(), across);
        QCOMPARE(w->rtDoc->SelStart() + w->rtDoc->SelLength(), length);

        m_dialogs.modals << chooseRow(1) << chooseRow(1);
        w->DoAction(QStringLiteral("Unmark"));
        for (int p : {across, length - 1})
            QCOMPARE(colourAt(w->rtDoc, p), normal(*w));
        QCOMPARE(w->rtDoc->SelStart(), across);
        w->DoAction(QStringLiteral("Unmark"));
        QCOMPARE(w->rtDoc->SelStart(), length);
        QCOMPARE(w->core().markers().Count(), 0);
    }
};

QTEST_MAIN(tst_MarkMode)
#include "tst_markmode.moc"
