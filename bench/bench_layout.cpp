// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The worst the layout is asked to do: texts that cost the most per character, each at the bound the
// view keeps (a longer paragraph or more direction controls is refused). The work is linear in the
// text's length, so a figure here scales to a longer script.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_layout
#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "HostileText.h"
#include "app/frmMain.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"

#include <QTest>

class bench_layout : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;

private Q_SLOTS:

    void layoutOfAHostileScript_data()
    {
        QTest::addColumn<QString>("text");
        const qsizetype paragraph = layoutbounds::kMaxParagraphLength;
        const qsizetype changes = layoutbounds::kMaxRunChanges * 9 / 10;
        QTest::newRow("unbroken run, longest paragraph") << hostileText(Hostile::UnbrokenRun, paragraph);
        QTest::newRow("words, longest paragraph") << hostileText(Hostile::OneParagraph, paragraph);
        QTest::newRow("direction controls, 0.9 M")
            << hostileText(Hostile::DirectionControls, changes, layoutbounds::kMaxDirectionControls);
        QTest::newRow("writing system at every letter, 0.9 M characters")
            << hostileText(Hostile::ScriptAtEveryLetter, changes);
    }

    // What Done costs: the text reaches the prompter, which lays it out at its width.
    void layoutOfAHostileScript()
    {
        QFETCH(QString, text);
        QVERIFY(layoutbounds::refusal(text).isEmpty());
        frmMain w(m_platform, m_dialogs);
        w.resize(1800, 1000);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QBENCHMARK
        {
            w.rtDoc->setText(text);
            w.Form_Resize();
        }
        QVERIFY(w.rtDoc->GetLineFromChar(w.rtDoc->textLength()) > 0);
    }
};

QTEST_MAIN(bench_layout)
#include "bench_layout.moc"
