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
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "mos/MosDevice.h"
#include "mos/MosShow.h"
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

    // What a newsroom's change to the running order shown costs the window's thread while the
    // prompter runs: three stories of 2,000 words, the reading line in the second.
    void newsroomChangeWhileRunning_data()
    {
        QTest::addColumn<bool>("body");
        QTest::newRow("the body of the story on air") << true;
        QTest::newRow("a story inserted after it, and taken out") << false;
    }
    void newsroomChangeWhileRunning()
    {
        QFETCH(bool, body);
        const auto paragraphs = [](const QString &name, int edit) {
            QList<mos::Paragraph> out;
            for (int i = 0; i < 200; ++i)
                out << mos::Paragraph{QStringLiteral("%1 %2 has words to read on camera tonight %3.")
                                          .arg(name)
                                          .arg(i)
                                          .arg(i == 100 ? edit : 0)};
            return out;
        };
        frmMain w(m_platform, m_dialogs);
        w.resize(1800, 1000);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        mos::RunningOrders orders;
        mos::MosDevice device(orders, [this] { return m_platform.now; });
        mos::MosShow shown(orders, device, w.showRun());
        mos::RunningOrder order;
        order.id = QStringLiteral("RO");
        for (const char *id : {"A", "B", "C"})
            order.stories << mos::Story{QLatin1String(id), QLatin1String(id),
                                        paragraphs(QLatin1String(id), 0)};
        QVERIFY(orders.create(order));
        shown.show(order.id);
        QCOMPARE(w.showRun().words(), 3 * 2000);
        w.core().command({run::Verb::JumpChar, w.showRun().storyStart(1) + 5000});
        w.core().command({run::Verb::Start});
        int edit = 0;
        QBENCHMARK
        {
            ++edit;
            if (body) {
                orders.setBody(order.id, QStringLiteral("B"), paragraphs(QStringLiteral("B"), edit));
            } else {
                const QString id = QStringLiteral("N%1").arg(edit);
                orders.insert(order.id, QStringLiteral("C"), {mos::Story{id, id, paragraphs(id, 0)}});
                orders.removeStories(order.id, {id});
            }
        }
        QVERIFY(w.core().running());
        QCOMPARE(w.showRun().current(), 1);
    }
};

QTEST_MAIN(bench_layout)
#include "bench_layout.moc"
