// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/Cues.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

// The cues of a script: which paragraphs are cues, and how they stand in the script.
class tst_Cues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A cue stands smaller than the script it is in, at the script's own size, not the document's
    // default: a band too thin to read would be a fault.
    void cueBandsFollowTheScriptsSize_data()
    {
        QTest::addColumn<double>("scriptPoints");
        QTest::newRow("as the default") << 8.0;
        QTest::newRow("set large in the text") << 48.0;
    }

    void cueBandsFollowTheScriptsSize()
    {
        QFETCH(double, scriptPoints);
        QTextDocument doc;
        QFont base = doc.defaultFont();
        base.setPointSizeF(8);
        doc.setDefaultFont(base);
        doc.setPlainText(QStringLiteral("Good evening.\n[[roll VT]]\nOur top story."));
        QTextCursor all(&doc);
        all.select(QTextCursor::Document);
        QTextCharFormat size;
        size.setFontPointSize(scriptPoints);
        all.mergeCharFormat(size);
        cues::mark(doc, false);
        doc.setTextWidth(800);
        const auto height = [&](int block) {
            return doc.documentLayout()->blockBoundingRect(doc.findBlockByNumber(block)).height();
        };
        QVERIFY(height(1) >= height(0) / 3);
        QVERIFY(height(1) < height(0));
    }

    void cueParagraphs_data()
    {
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<QString>("cue");
        QTest::newRow("cue") << "[[roll VT]]"
                             << "roll VT";
        QTest::newRow("blanks around") << "  [[ lights up ]] "
                                       << "lights up";
        QTest::newRow("empty") << "[[  ]]"
                               << "";
        QTest::newRow("single brackets") << "[roll VT]"
                                         << "";
        QTest::newRow("within text") << "Now [[roll VT]]"
                                     << "";
        QTest::newRow("two cues in text") << "[[a]] and [[b]]"
                                          << "";
    }

    void cueParagraphs()
    {
        QFETCH(QString, paragraph);
        QFETCH(QString, cue);
        QCOMPARE(cues::cueText(paragraph), cue);
    }
};

QTEST_MAIN(tst_Cues)
#include "tst_cues.moc"
