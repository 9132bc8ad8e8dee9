// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/Unread.h"
#include "show/RundownFile.h"
#include "show/ShowText.h"
#include "show/ShowTimers.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace show;

namespace {

const QString kFolder = QStringLiteral("/shows/evening");

Story story(const QString &path, const QString &text = {})
{
    Story s;
    s.path = path;
    s.text = text;
    return s;
}

// Rates at each speed: the speed's number of words a second, for figures easy to follow.
Place placeOf(int showWords, int speed = 2, int planned = -1)
{
    Place p;
    p.showWordsToGo = showWords;
    p.storyWordsToGo = showWords;
    p.plannedSeconds = planned;
    for (int s = 1; s <= kSpeeds; ++s)
        p.speedRates[s - 1] = s;
    p.speed = speed;
    return p;
}

} // namespace

class tst_Show : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Everything the operator set comes back from the file, the scripts where they were.
    void fileRoundTrips()
    {
        Rundown r;
        r.stories << story(kFolder + QStringLiteral("/a.txt"))
                  << story(kFolder + QStringLiteral("/sub dir/b é.rtf"))
                  << story(QStringLiteral("/shows/shared/c.docx"));
        r.stories[0].title = QStringLiteral("Headlines: tonight");
        r.stories[0].planned = 95;
        r.stories[2].planned = 3725;
        r.target = {Target::Kind::End, 18 * 3600 + 30 * 60};
        const QByteArray written = writeRundown(r, kFolder);
        QVERIFY(written.contains("story: ../shared/c.docx\n"));
        QVERIFY(written.contains("planned: 1:02:05\n"));

        const ReadRundown back = readRundown(written, kFolder);
        QVERIFY2(back.ok(), qPrintable(back.error));
        QCOMPARE(back.ignoredLines, 0);
        QCOMPARE(back.rundown.target, r.target);
        QCOMPARE(back.rundown.stories.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(back.rundown.stories.at(i).path, r.stories.at(i).path);
            QCOMPARE(back.rundown.stories.at(i).title, r.stories.at(i).title);
            QCOMPARE(back.rundown.stories.at(i).planned, r.stories.at(i).planned);
        }
        // Moved elsewhere with its scripts, it finds them there.
        const ReadRundown moved = readRundown(written, QStringLiteral("/archive/evening"));
        QCOMPARE(moved.rundown.stories.at(1).path, QStringLiteral("/archive/evening/sub dir/b é.rtf"));
    }

    void malformedFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("stories");
        QTest::addColumn<int>("ignored");
        const QByteArray head = "Cuescroll rundown 1\n";
        QTest::newRow("empty") << QByteArray() << false << 0 << 0;
        QTest::newRow("another file") << QByteArray("story: a.txt\n") << false << 0 << 0;
        QTest::newRow("not UTF-8") << head + "story: \xff\xfe.txt\n" << false << 0 << 0;
        QTest::newRow("too large") << head + QByteArray(kMaxRundownBytes, '#') << false << 0 << 0;
        QTest::newRow("BOM and CR LF") << "\xef\xbb\xbf" + head + "story: a.txt\r\nplanned: 1:00\r\n"
                                       << true << 1 << 0;
        QTest::newRow("lone CR") << head + "story: a.txt\rstory: b.txt" << true << 2 << 0;
        QTest::newRow("title before any story") << head + "title: x\nstory: a.txt\n" << true << 1 << 1;
        QTest::newRow("story without a path") << head + "story:\nstory: a.txt\n" << true << 1 << 1;
        QTest::newRow("unreadable times")
            << head + "story: a.txt\nplanned: 1:75\nplanned: -3\ntarget-end: 25:00\ntarget-duration: x\n"
            << true << 1 << 4;
        QTest::newRow("unknown keys and comments")
            << head + "# made by hand\ncolour: red\nno colon here\nstory: a.txt\n"
            << true << 1 << 2;
        QByteArray many = head;
        for (int i = 0; i <= kMaxStories; ++i)
            many += "story: s" + QByteArray::number(i) + ".txt\n";
        QTest::newRow("too many stories") << many << true << kMaxStories << 1;
    }
    void malformedFiles()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, ok);
        QFETCH(int, stories);
        QFETCH(int, ignored);
        const ReadRundown r = readRundown(data, kFolder);
        QCOMPARE(r.ok(), ok);
        QCOMPARE(r.error.isEmpty(), ok);
        QCOMPARE(r.rundown.stories.size(), stories);
        QCOMPARE(r.ignoredLines, ignored);
    }

    // Stories follow each other behind unread breaks titled with the next; a missing one is left out.
    void storiesMakeOneScript()
    {
        QList<Story> stories{
            story(QStringLiteral("/s/one.txt"), QStringLiteral("First story.\r\nTwo words\r\n")),
            story(QStringLiteral("/s/gone.txt")),
            story(QStringLiteral("/s/three.rtf"), QStringLiteral("Third\u2029story here"))};
        stories[1].missing = true;
        stories[2].title = QStringLiteral("The weather");
        const ShowText show = compose(stories);
        QCOMPARE(show.firstBlocks, (QList<int>{0, -1, 3}));
        QCOMPARE(show.breakBlocks, QList<int>{2});

        QTextDocument doc;
        doc.setPlainText(show.text);
        QVERIFY(markBreaks(doc, show, Qt::white, Qt::black));
        QCOMPARE(doc.findBlockByNumber(2).text(), QStringLiteral("The weather"));
        QCOMPARE(unread::kindOf(doc.findBlockByNumber(2)), unread::Kind::StoryBreak);
        QVERIFY(!unread::isUnread(doc.findBlockByNumber(3)));
        // Positions count a paragraph end as two characters, as the prompter's text does.
        QCOMPARE(
            storyStarts(doc, show),
            (QList<int>{0, -1, int(QStringLiteral("First story.\r\nTwo words\r\nThe weather\r\n").size())}));
        // The break's title is no word the presenter reads.
        QCOMPARE(wordsBefore(doc), (QList<int>{0, 2, 4, 4, 5, 7}));

        QTextDocument other;
        other.setPlainText(QStringLiteral("edited"));
        QVERIFY(!markBreaks(other, show, Qt::white, Qt::black));
    }

    // A story changed under the reading line: the line stays on the words it was reading.
    void placeInAChangedStory_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<int>("paragraphAfter");
        QTest::addColumn<int>("offsetAfter");
        const QString text = QStringLiteral("One.\nTwo is read.\nThree.");
        QTest::newRow("a paragraph put before it") << text << QStringLiteral("New.\n") + text << 1 << 2 << 4;
        QTest::newRow("its own words changed: the same paragraph by number")
            << text << QStringLiteral("One.\nTwo was.\nThree.") << 1 << 1 << 4;
        QTest::newRow("twice in the new text: the nearer")
            << QStringLiteral("a\nb\nsame\nc") << QStringLiteral("same\na\nb\nsame\nc") << 2 << 3 << 4;
        QTest::newRow("shorter: held within it") << text << QStringLiteral("One.\nTw") << 1 << 1 << 2;
        QTest::newRow("the story emptied") << text << QString() << 2 << 0 << 0;
    }
    void placeInAChangedStory()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, paragraph);
        QFETCH(int, paragraphAfter);
        QFETCH(int, offsetAfter);
        const TextPlace to = samePlace(paragraphsOf(before), {paragraph, 4}, paragraphsOf(after));
        QCOMPARE(to, (TextPlace{paragraphAfter, offsetAfter}));
    }

    void timers_data()
    {
        QTest::addColumn<int>("targetKind");
        QTest::addColumn<int>("targetSeconds");
        QTest::addColumn<int>("planned");
        QTest::addColumn<int>("wordsToGo");
        QTest::addColumn<QString>("endTime");
        QTest::addColumn<bool>("hasPlan");
        QTest::addColumn<int>("overUnder");
        QTest::addColumn<int>("paceSpeed"); // 0: none
        // Started at 20:00:00, now 60 s in, speed 2: two words a second.
        QTest::newRow("no plan") << 0 << 0 << -1 << 600 << "20:06:00" << false << 0 << 0;
        QTest::newRow("planned, under") << 0 << 0 << 600 << 600 << "20:06:00" << true << 240 << 2;
        QTest::newRow("planned, over") << 0 << 0 << 300 << 600 << "20:06:00" << true << -60 << 3;
        QTest::newRow("end time, over")
            << 2 << (20 * 3600 + 5 * 60) << -1 << 600 << "20:06:00" << true << -60 << 3;
        QTest::newRow("end time past midnight")
            << 2 << (0 * 3600 + 10 * 60) << -1 << 600 << "20:06:00" << true << 4 * 3600 + 4 * 60 << 1;
        QTest::newRow("duration, under") << 1 << 900 << 300 << 600 << "20:06:00" << true << 540 << 1;
        QTest::newRow("out of time") << 1 << 60 << -1 << 600 << "20:06:00" << true << -300 << 0;
        QTest::newRow("faster than the fastest") << 1 << 61 << -1 << 600 << "20:06:00" << true << -299 << 0;
        QTest::newRow("nothing left")
            << 2 << (20 * 3600 + 5 * 60) << -1 << 0 << "20:01:00" << true << 240 << 0;
    }
    void timers()
    {
        QFETCH(int, targetKind);
        QFETCH(int, targetSeconds);
        QFETCH(int, planned);
        QFETCH(int, wordsToGo);
        QFETCH(QString, endTime);
        QFETCH(bool, hasPlan);
        QFETCH(int, overUnder);
        QFETCH(int, paceSpeed);
        ShowTimers t;
        t.setWallClock(4000, QDateTime(QDate(2026, 12, 8), QTime(20, 0)));
        t.setTarget({Target::Kind(targetKind), targetSeconds});
        t.start(4000);
        t.start(30000); // only the first Start starts the show
        const Timings r = t.read(64000, placeOf(wordsToGo, 2, planned));
        QCOMPARE(r.elapsed, 60);
        QCOMPARE(r.showToGo, wordsToGo / 2);
        QCOMPARE(r.endTime.toString(QStringLiteral("HH:mm:ss")), endTime);
        QCOMPARE(r.planned, hasPlan);
        QCOMPARE(r.overUnder, overUnder);
        QCOMPARE(r.paceSpeed.value_or(0), paceSpeed);
    }

    // The presenter's own pace counts once read long enough; jumps and pauses do not count.
    void measuredRate()
    {
        ShowTimers t;
        t.setWallClock(0, QDateTime(QDate(2026, 12, 8), QTime(20, 0)));
        t.start(0);
        quint32 now = 0;
        double words = 0;
        const auto read = [&](int seconds, double perSecond, bool running) {
            for (int i = 0; i < seconds * 4; ++i) {
                now += 250;
                words += perSecond / 4;
                t.reading(now, int(words), running);
            }
        };
        read(20, 3, true);
        QVERIFY(!t.read(now, placeOf(300)).measured);
        QCOMPARE(t.read(now, placeOf(300)).showToGo, 150); // meanwhile the speed's two words a second
        read(30, 0, false); // stopped: the show's clock runs on, the reading does not
        read(1, 3, true);
        words += 2000; // a jump far ahead while running
        read(1, 0, true);
        read(14, 3, true);
        const Timings r = t.read(now, placeOf(300));
        QVERIFY(r.measured);
        QVERIFY2(qAbs(r.rate - 3) < 0.2, qPrintable(QString::number(r.rate)));
    }
};

QTEST_MAIN(tst_Show)
#include "tst_show.moc"
