// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the operator waits when opening a long script, and when pressing Done on one.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_documents
#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "RtfSamples.h"
#include "ZipWriter.h"
#include "app/frmMain.h"
#include "documents/DocConverter.h"
#include "documents/Documents.h"
#include "documents/Rtf.h"
#include "editor/gui/frmEditText.h"
#include "settings/Settings.h"
#include "ui/RichTextView.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

namespace {

const QStringList &pool()
{
    static const QStringList words =
        QStringLiteral(
            "good evening and welcome to the news at nine tonight we look at the harbour project the "
            "weather and a remarkable story from the valley where the river has changed its course")
            .split(QLatin1Char(' '));
    return words;
}

// 50,000 words in paragraphs of 60, some words bold as a word processor writes them.
QByteArray docxBody(int wordCount)
{
    QByteArray body;
    QByteArray paragraph;
    for (int i = 0; i < wordCount; ++i) {
        paragraph += pool().at(i % pool().size()).toUtf8() + ' ';
        if (i % 60 == 59 || i == wordCount - 1) {
            body += "<w:p><w:pPr><w:pStyle w:val=\"Normal\"/></w:pPr><w:r><w:t xml:space=\"preserve\">" +
                    paragraph + "</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>end.</w:t></w:r></w:p>";
            paragraph.clear();
        }
    }
    return body;
}

QString words(int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        text += pool().at(i % pool().size());
        text += (i % 60 == 59) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return text;
}

} // namespace

class bench_documents : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    IsolatedSettings m_sandbox;
    Settings m_settings; // read once the sandbox is in place
    FakePlatform m_platform;
    FakeDialogs m_dialogs;

private Q_SLOTS:

    // From the chosen name to the text in the editor box.
    void openDocx50000Words()
    {
        const QString path = m_dir.filePath(QStringLiteral("long.docx"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(makeDocx(docxBody(50000)));
        f.close();
        frmEditText editor(m_dialogs, m_settings);
        editor.resize(800, 600);
        editor.show();
        QBENCHMARK
        {
            editor.OpenFile(path);
        }
        QVERIFY(m_dialogs.messages().isEmpty());
        QCOMPARE(documents::CountWords(editor.rtBody->Text()), 50000 + 50000 / 60 + 1);
    }

    // Clear and Ctrl+Z on a script at the paragraph limit: the undo is what the operator waits for.
    void clearAndUndo50000Paragraphs()
    {
        frmEditText editor(m_dialogs, m_settings);
        editor.resize(800, 600);
        editor.show();
        editor.rtBody->setText(scriptOfLines(50000));
        QBENCHMARK
        {
            editor.cmdClear_Click();
            editor.rtBody->undo();
        }
        QCOMPARE(editor.rtBody->document()->blockCount(), 50000);
    }

    // No tool here writes Word 97-2003 files, so the sample document stands in: the time is mostly
    // the converter's start-up, which a longer document does not change.
    void openDocSample()
    {
        const QString path = QStringLiteral(CUESCROLL_TEST_DATA "/sample.doc");
        frmEditText editor(m_dialogs, m_settings);
        editor.show();
        QBENCHMARK
        {
            QSignalSpy spy(editor.converter(), &DocConverter::finished);
            editor.OpenFile(path);
            QVERIFY(spy.wait(10000));
        }
        QVERIFY(m_dialogs.messages().isEmpty());
        qInfo("sample.doc holds %d words", documents::CountWords(editor.rtBody->Text()));
    }

    // The reader alone, into a document no view shows: a word processor's 20 MB file, and one whose
    // formatting changes twice in every word.
    void readRtf_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("realistic 20 MB") << rtfsamples::realistic(20'000'000);
        QTest::newRow("bold toggles 12 MB") << rtfsamples::boldToggles(12'000'000);
    }
    void readRtf()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument doc;
        QBENCHMARK
        {
            QCOMPARE(rtf::read(rtf, &doc), documents::Error::None);
        }
        qInfo("%lld bytes: %d paragraphs, %d characters", qint64(rtf.size()), doc.blockCount(),
              doc.characterCount());
    }

    // Done on 50,000 words: text to the script view, colour, word count and the prompter's layout.
    void done50000Words()
    {
        frmMain w(m_platform, m_dialogs);
        w.resize(1800, 1000);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.rtDoc->setText(words(50000));
        w.Form_Resize();
        qint64 doneNs = 0;
        int runs = 0;
        QBENCHMARK
        {
            QElapsedTimer t;
            m_dialogs.modals << [&](QWidget &editor) -> int {
                t.start();
                editor.findChild<QToolButton *>(QStringLiteral("cmdDone"))->click();
                return 0;
            };
            w.DoAction(QStringLiteral("EditText"));
            doneNs += t.nsecsElapsed();
            ++runs;
        }
        QCOMPARE(w.lblWords->text(), QStringLiteral("50000 Words"));
        qInfo("Done with its layout alone: %.1f ms", double(doneNs) / runs / 1e6);
    }
};

QTEST_MAIN(bench_documents)
#include "bench_documents.moc"
