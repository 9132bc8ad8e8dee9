// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the operator feels: how long a layout of a long script takes, and what one clock step costs
// with its repaint. Run: QT_QPA_PLATFORM=offscreen build/bench/bench_scroll
#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PaintedArea.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "line/gui/frmLine.h"
#include "scroll/ScrollClock.h"
#include "studio/ScriptPicture.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QPaintEvent>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

namespace {

QString words(int count)
{
    static const QStringList pool =
        QStringLiteral(
            "good evening and welcome to the news at nine tonight we look at the harbour project the weather "
            "and a remarkable story from the valley where the river has changed its course")
            .split(QLatin1Char(' '));
    QString text;
    text.reserve(count * 7);
    for (int i = 0; i < count; ++i) {
        text += pool.at(i % pool.size());
        text += (i % 60 == 59) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return text;
}

} // namespace

class bench_scroll : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    IsolatedSettings m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;

    // The prompter on screen at 1800 x 1000 with a script of `count` words (none for 0).
    static bool showWithScript(frmMain &w, int count)
    {
        w.resize(1800, 1000);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            return false;
        if (count > 0) {
            w.rtDoc->setText(words(count));
            w.Form_Resize();
        }
        return true;
    }

private Q_SLOTS:

    void layoutOfALongScript_data()
    {
        QTest::addColumn<int>("wordCount");
        QTest::newRow("5000 words") << 5000;
        QTest::newRow("50000 words") << 50000;
    }

    void layoutOfALongScript()
    {
        QFETCH(int, wordCount);
        frmMain w(m_platform, m_dialogs);
        QVERIFY(showWithScript(w, 0));
        const QString text = words(wordCount);
        QBENCHMARK
        {
            w.rtDoc->setText(text);
            w.Form_Resize();
        }
    }

    // A window drag that settles on a new width: the script is re-wrapped, not re-read.
    void layoutAfterAWidthChange()
    {
        frmMain w(m_platform, m_dialogs);
        QVERIFY(showWithScript(w, 50000));
        int width = 1800;
        QBENCHMARK
        {
            width = width == 1800 ? 1500 : 1800;
            w.resize(width, 1000);
            w.Form_Resize(); // as the watch does once the width holds
        }
    }

    void clockStepWithRepaint()
    {
        frmMain w(m_platform, m_dialogs);
        QVERIFY(showWithScript(w, 20000));
        w.sldSpeed->setValue(16);
        QBENCHMARK
        {
            m_platform.now += 20;
            w.core().clock().timTick_Timer();
            w.core().clock().timFrame_Timer();
            w.picBack->repaint();
        }
    }

    // The step as the event loop shows it: only what the step left dirty is painted and flushed.
    void clockStepAsShown() { stepAsShown(false); }
    // The same with the talent screen's picture following the prompter in a window of its own.
    void clockStepWithTalent() { stepAsShown(true); }

    void stepAsShown(bool talent)
    {
        frmMain w(m_platform, m_dialogs);
        QVERIFY(showWithScript(w, 20000));
        std::unique_ptr<ScriptPicture> picture;
        if (talent) {
            picture = std::make_unique<ScriptPicture>(w.picBack, w.rtDoc, w.lineWindow);
            picture->setMirror(true, false);
            picture->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
            picture->resize(1280, 720);
            picture->show();
            QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
        }
        w.sldSpeed->setValue(16);
        w.lineWindow->ResizeLine(); // as its timer would by now
        m_platform.now += 20;
        w.core().clock().timTick_Timer(); // a step under way, so that every frame below moves the script
        QCoreApplication::processEvents();
        PaintedArea painted;
        w.rtDoc->viewport()->installEventFilter(&painted);
        int steps = 0;
        QBENCHMARK
        {
            m_platform.now += 20;
            w.core().clock().timTick_Timer();
            w.core()
                .clock()
                .timFrame_Timer(); // the frame that shows the step before (a no-op with frame sync off)
            QCoreApplication::sendPostedEvents(&w, QEvent::UpdateRequest);
            if (picture)
                QCoreApplication::sendPostedEvents(picture.get(), QEvent::UpdateRequest);
            ++steps;
        }
        static bool told[2] = {}; // the benchmark runs this function several times
        if (!std::exchange(told[talent], true))
            qInfo("script pixels painted per step: %lld of %d", painted.pixels / qMax(1, steps),
                  w.rtDoc->viewport()->width() * w.picBack->height());
    }

    void lineOfTheLastCharacter()
    {
        frmMain w(m_platform, m_dialogs);
        QVERIFY(showWithScript(w, 50000));
        int line = 0;
        QBENCHMARK
        {
            line = w.rtDoc->GetLineFromChar(w.rtDoc->textLength());
        }
        QVERIFY(line > 0);
    }
};

QTEST_MAIN(bench_scroll)
#include "bench_scroll.moc"
