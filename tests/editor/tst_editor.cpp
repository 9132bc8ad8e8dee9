// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "documents/DocConverter.h"
#include "editor/gui/ScriptFile.h"
#include "editor/gui/frmEditText.h"
#include "settings/Settings.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QThreadPool>
#include <QToolButton>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(CUESCROLL_TEST_DATA "/") + name;
}

QString expectedText()
{
    QFile f(dataPath(QStringLiteral("sample_expected.txt")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
}

// Lines logged under the program's categories while it lives, as "category: message"; other
// messages go on to the test's own handler.
class LogCapture
{
public:
    explicit LogCapture(const QString &rules)
    {
        QLoggingCategory::setFilterRules(rules);
        s_lines = &lines;
        s_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(s_previous);
        s_lines = nullptr;
        QLoggingCategory::setFilterRules({});
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    bool has(const QString &category, const QString &words) const
    {
        return std::any_of(lines.begin(), lines.end(), [&](const QString &l) {
            return l.startsWith(category + QStringLiteral(": ")) && l.contains(words);
        });
    }

    QStringList lines;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_lines && QByteArrayView(context.category).startsWith("cuescroll."))
            s_lines->append(QLatin1String(context.category) + QStringLiteral(": ") + message);
        else if (s_previous)
            s_previous(type, context, message);
    }
    static inline QStringList *s_lines = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
};

QString withCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void click(QWidget &w, const char *name)
{
    auto *b = w.findChild<QToolButton *>(QLatin1String(name));
    QVERIFY2(b, name);
    b->click();
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RichTextView *body(QWidget &w)
{
    return w.findChild<RichTextView *>(QStringLiteral("rtBody"));
}

} // namespace

class tst_Editor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    IsolatedSettings m_sandbox;
    Settings m_settings; // read once the sandbox is in place
    FakePlatform m_platform;

    std::unique_ptr<frmMain> makeMain(FakeDialogs &dialogs)
    {
        auto w = std::make_unique<frmMain>(m_platform, dialogs);
        w->resize(1000, 700);
        w->show();
        w->rtDoc->setText(QStringLiteral("The old script\r\nof four words"));
        w->lblWords->setText(QStringLiteral("4 Words"));
        return w;
    }

    // Opens the file in a fresh editor and waits for a .doc conversion to end.
    void openInEditor(frmEditText &editor, FakeDialogs &dialogs, const QString &path)
    {
        dialogs.fileNames << path;
        QSignalSpy spy(editor.converter(), &DocConverter::finished);
        click(editor, "cmdOpen");
        if (editor.isConverting())
            QVERIFY(spy.wait(10000));
    }

    // Writes the sample text in one encoding into the temporary folder.
    QString textFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }

private Q_SLOTS:
    // Reads finish inside OpenFile, except where a test wants the worker thread.
    void initTestCase() { scriptfile::Reader::setReadInline(true); }

    // On the worker the window is busy until the text arrives; closing or deleting it meanwhile
    // drops the read, which then never arrives.
    void readsOffTheWindowThread()
    {
        scriptfile::Reader::setReadInline(false);
        const auto restore = qScopeGuard([] { scriptfile::Reader::setReadInline(true); });
        FakeDialogs dialogs;
        auto editor = std::make_unique<frmEditText>(dialogs, m_settings);
        QSignalSpy arrived(editor->reader(), &scriptfile::Reader::finished);
        editor->OpenFile(dataPath(QStringLiteral("sample.rtf")));
        QVERIFY(editor->isOpening());
        QVERIFY(!editor->cmdDone->isEnabled());
        QCOMPARE(editor->cursor().shape(), Qt::WaitCursor);
        QVERIFY(arrived.wait(10000));
        QVERIFY(editor->cmdDone->isEnabled());
        QCOMPARE(editor->cursor().shape(), Qt::ArrowCursor);
        const QString rtfText = body(*editor)->Text();
        QCOMPARE(rtfText.trimmed(), withCrLf(expectedText()));

        editor->OpenFile(dataPath(QStringLiteral("sample.odt")));
        editor->close();
        QVERIFY(!editor->isOpening());
        QVERIFY(editor->cmdOpen->isEnabled());
        editor->OpenFile(dataPath(QStringLiteral("sample.docx")));
        editor.reset();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(arrived.count(), 1);
        QCOMPARE(dialogs.messages(), QStringList());
    }

    void opensEveryReadableKind_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        const QString expected = expectedText();
        const QByteArray utf8 = expected.toUtf8();
        QStringEncoder utf16(QStringEncoder::Utf16LE);
        QTest::newRow("utf-8") << dataPath("sample_expected.txt") << expected;
        QTest::newRow("utf-8 with bom") << textFile("bom.txt", "\xEF\xBB\xBF" + utf8) << expected;
        QTest::newRow("utf-16") << textFile("utf16.txt", "\xFF\xFE" + QByteArray(utf16(expected)))
                                << expected;
        QTest::newRow("windows-1252") << textFile("cp1252.txt", "Gr\xFC\xDF"
                                                                "e \x80 caf\xE9\r\nzwei")
                                      << QString::fromUtf8("Grüße € café\nzwei");
        QTest::newRow("rtf") << dataPath("sample.rtf") << expected;
        QTest::newRow("docx") << dataPath("sample.docx") << expected;
        QTest::newRow("odt") << dataPath("sample.odt") << expected;
        QTest::newRow("docx named .doc") << dataPath("bad/docx_renamed.doc") << expected;
        QTest::newRow("text named .doc") << dataPath("bad/text_renamed.doc") << QString();
    }
    void opensEveryReadableKind()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        openInEditor(editor, dialogs, path);
        QCOMPARE(dialogs.messages(), QStringList());
        if (text.isEmpty())
            QVERIFY(!body(editor)->Text().isEmpty());
        else
            QCOMPARE(body(editor)->Text().trimmed(), withCrLf(text));
    }

    void opensAWordDocumentWithoutBlocking()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("antiword")).isEmpty())
            QFAIL("antiword is not installed (scripts/install-deps installs it)");
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        dialogs.fileNames << dataPath(QStringLiteral("sample.doc"));
        QSignalSpy spy(editor.converter(), &DocConverter::finished);
        click(editor, "cmdOpen");
        QVERIFY(editor.isConverting()); // returned at once, the event loop keeps running
        QCOMPARE(editor.cursor().shape(), Qt::WaitCursor);
        QVERIFY(!editor.cmdDone->isEnabled());
        QVERIFY(spy.wait(10000));
        QVERIFY(editor.cmdDone->isEnabled());
        QCOMPARE(editor.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(body(editor)->Text().startsWith(QStringLiteral("P1 First paragraph, plain ASCII.\r\nP2 Gr")));
    }

    // Every file that cannot be read says so, naming the file, and leaves the text as it was.
    void badFilesLeaveTheTextAlone_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << dataPath("missing.txt") << "does not exist";
        QTest::newRow("folder") << dataPath("bad") << "not a file";
        QTest::newRow("empty") << dataPath("bad/empty.doc") << "empty";
        QTest::newRow("random .doc") << dataPath("bad/random.doc") << "neither text nor a document";
        QTest::newRow("random .docx") << dataPath("bad/random.docx") << "neither text nor a document";
        QTest::newRow("bomb") << dataPath("bad/bomb.docx") << "unpack to more than";
        QTest::newRow("truncated docx") << dataPath("bad/truncated.docx") << "damaged";
        QTest::newRow("corrupt xml") << dataPath("bad/corrupt_xml.docx") << "damaged";
        QTest::newRow("converter crash") << dataPath("bad/converter_crash.doc") << "crashed";
        QTest::newRow("truncated doc") << dataPath("bad/truncated_sample.doc") << "could not read it";
    }
    void badFilesLeaveTheTextAlone()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        if (path.endsWith(QLatin1String(".doc")) && !path.endsWith(QLatin1String("y.doc")) &&
            QStandardPaths::findExecutable(QStringLiteral("antiword")).isEmpty())
            QFAIL("antiword is not installed (scripts/install-deps installs it)");
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        editor.show();
        body(editor)->setText(QStringLiteral("typed text"));
        LogCapture log(QStringLiteral("cuescroll.*=true"));
        openInEditor(editor, dialogs, path);
        QVERIFY2(log.has(QStringLiteral("cuescroll.documents"), reason) ||
                     log.has(QStringLiteral("cuescroll.editor"), reason),
                 qPrintable(log.lines.join(QLatin1Char('\n'))));
        QCOMPARE(body(editor)->Text(), QStringLiteral("typed text"));
        QCOMPARE(dialogs.shown.size(), 2);
        const FakeDialogs::Shown &m = dialogs.shown.last();
        QCOMPARE(m.kind, QStringLiteral("message"));
        QCOMPARE(m.icon, Dialogs::Icon::Warning);
        QVERIFY2(m.text.contains(QFileInfo(path).fileName()), qPrintable(m.text));
        QVERIFY2(m.text.contains(reason), qPrintable(m.text));
    }

    // Opening, refusing and running say nothing unless the rules ask for the program's categories.
    void logsOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<bool>("logged");
        QTest::newRow("default") << QString() << false;
        QTest::newRow("all warnings") << "*.warning=true" << false;
        QTest::newRow("asked") << "cuescroll.*=true" << true;
    }
    void logsOnlyWhenAsked()
    {
        QFETCH(QString, rules);
        QFETCH(bool, logged);
        FakeDialogs dialogs;
        auto w = makeMain(dialogs);
        LogCapture log(rules);
        w->core().command({run::Verb::OpenScript, 0, 0, 0, dataPath(QStringLiteral("sample.docx"))});
        w->core().command({run::Verb::OpenScript, 0, 0, 0, dataPath(QStringLiteral("bad/random.docx"))});
        w->DoAction(QStringLiteral("Start"));
        w->DoAction(QStringLiteral("Stop"));
        QCOMPARE(dialogs.shown.size(), 1); // the refusal
        if (!logged) {
            QVERIFY2(log.lines.isEmpty(), qPrintable(log.lines.join(QLatin1Char('\n'))));
            return;
        }
        QVERIFY(log.has(QStringLiteral("cuescroll.documents"), QStringLiteral("sample.docx")));
        QVERIFY(log.has(QStringLiteral("cuescroll.core"), QStringLiteral("laid out")));
        QVERIFY(log.has(QStringLiteral("cuescroll.scroll"), QStringLiteral("clock started")));
        QVERIFY(log.has(QStringLiteral("cuescroll.scroll"), QStringLiteral("clock stopped")));
    }

    // The chosen file changes between the dialog's answer and the read: what lies there then either
    // opens whole or is refused with a message naming the file; the text is never half replaced and
    // a pipe nobody writes to is not waited on.
    void fileChangesAfterTheDialog_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("text");   // what the editor then holds
        QTest::addColumn<QString>("reason"); // empty: no message
        QTest::newRow("other text") << "text"
                                    << "the second version"
                                    << "";
        QTest::newRow("now rtf") << "rtf"
                                 << "bold then plain"
                                 << "";
        QTest::newRow("emptied") << "empty"
                                 << "typed text"
                                 << "empty";
        QTest::newRow("deleted") << "delete"
                                 << "typed text"
                                 << "does not exist";
        QTest::newRow("folder") << "folder"
                                << "typed text"
                                << "not a file";
        QTest::newRow("pipe") << "fifo"
                              << "typed text"
                              << "not a file";
        QTest::newRow("grown too large") << "large"
                                         << "typed text"
                                         << "too large";
        QTest::newRow("binary") << "binary"
                                << "typed text"
                                << "neither text nor a document";
        QTest::newRow("unreadable") << "unreadable"
                                    << "typed text"
                                    << "permission";
    }
    void fileChangesAfterTheDialog()
    {
        QFETCH(QString, change);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        if (change == u"unreadable" && ::geteuid() == 0)
            QSKIP("root reads every file");
        const QString path = textFile(QTest::currentDataTag() + QStringLiteral(".txt"), "the first version");
        FakeDialogs dialogs;
        dialogs.afterOpenAnswer = [&change](const QString &name) {
            QFile f(name);
            if (change == u"text" || change == u"rtf" || change == u"binary" || change == u"large") {
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                if (change == u"text")
                    f.write("the second version");
                else if (change == u"rtf")
                    f.write("{\\rtf1\\ansi {\\b bold} then plain}");
                else if (change == u"binary")
                    f.write(contentOf(dataPath(QStringLiteral("bad/random.doc"))));
                else
                    QVERIFY(f.resize(64 * 1024 * 1024));
            } else if (change == u"empty") {
                QVERIFY(f.resize(0));
            } else if (change == u"unreadable") {
                QVERIFY(f.setPermissions(QFileDevice::WriteOwner));
            } else {
                QVERIFY(f.remove());
                if (change == u"folder")
                    QVERIFY(QDir().mkdir(name));
                else if (change == u"fifo")
                    QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
            }
        };
        frmEditText editor(dialogs, m_settings);
        editor.show();
        body(editor)->setText(QStringLiteral("typed text"));
        openInEditor(editor, dialogs, path);
        QCOMPARE(body(editor)->Text(), text);
        if (reason.isEmpty()) {
            QCOMPARE(dialogs.messages(), QStringList());
        } else {
            QCOMPARE(dialogs.messages().size(), 1);
            const QString message = dialogs.messages().constFirst();
            QVERIFY2(message.contains(QFileInfo(path).fileName()), qPrintable(message));
            QVERIFY2(message.contains(reason), qPrintable(message));
        }
    }

    // The wait for the converter shows a progress dialog after a second; its Cancel stops it.
    void slowConverterCanBeCancelled()
    {
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        editor.show();
        body(editor)->setText(QStringLiteral("kept"));
        const QString sleeper = m_dir.filePath(QStringLiteral("sleeper"));
        QFile f(sleeper);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nexec sleep 60\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        editor.converter()->setProgram(sleeper);
        dialogs.fileNames << dataPath(QStringLiteral("sample.doc"));
        click(editor, "cmdOpen");
        QVERIFY(editor.isConverting());
        QVERIFY(!editor.progressDialog());
        editor.timBusy_Timer();
        QProgressDialog *progress = editor.progressDialog();
        QVERIFY(progress && progress->isVisible());
        QSignalSpy spy(editor.converter(), &DocConverter::finished);
        auto *cancel = progress->findChild<QPushButton *>();
        QVERIFY(cancel);
        QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));
        cancel->click();
        QVERIFY(spy.wait(3000));
        QVERIFY(!editor.isConverting());
        QVERIFY(!editor.progressDialog());
        QCOMPARE(body(editor)->Text(), QStringLiteral("kept"));
        QVERIFY(dialogs.messages().last().contains(QStringLiteral("cancelled")));
    }

    void openDialog()
    {
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        body(editor)->setText(QStringLiteral("x"));
        dialogs.fileNames << QStringLiteral("   ");
        click(editor, "cmdOpen");
        click(editor, "cmdOpen"); // cancelled: no name
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Select the file"));
        QCOMPARE(dialogs.shown.first().filter,
                 QStringLiteral("Scripts (*.txt *.rtf *.doc *.docx *.odt);;Text Files (*.txt);;Word Files "
                                "(*.doc);;Documents (*.docx *.odt *.rtf);;All Files (*)"));
        QCOMPARE(body(editor)->Text(), QStringLiteral("x"));
    }

    void save_data()
    {
        QTest::addColumn<QString>("typed");   // the name given in the dialog
        QTest::addColumn<QString>("written"); // the file that must appear
        QTest::newRow("txt") << "a.txt"
                             << "a.txt";
        QTest::newRow("upper-case TXT") << "b.TXT"
                                        << "b.TXT";
        QTest::newRow("no ending") << "script"
                                   << "script.txt";
        QTest::newRow("another ending") << "notes.md"
                                        << "notes.md";
    }
    void save()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        body(editor)->setText(QString::fromUtf8("Grüße\r\n日本"));
        dialogs.fileNames << m_dir.filePath(typed);
        click(editor, "cmdSave");
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Save this file"));
        QCOMPARE(dialogs.shown.first().filter, QStringLiteral("Text Files (*.txt)"));
        const QString path = m_dir.filePath(written);
        QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Saved|The file has been saved : ") + path});
        QCOMPARE(dialogs.shown.last().icon, Dialogs::Icon::Information);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QString::fromUtf8("Grüße\r\n日本\r\n").toUtf8());
    }

    // Both file dialogs start where a script was last opened or saved; a failure moves nothing.
    void dialogsStartWhereTheLastScriptWas()
    {
        m_settings.setLastScriptFolder(QString());
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        dialogs.fileNames << QString() << m_dir.filePath(QStringLiteral("kept.txt"))
                          << dataPath(QStringLiteral("bad/random.docx"));
        for (const char *button : {"cmdOpen", "cmdSave", "cmdOpen", "cmdOpen"})
            click(editor, button);
        QStringList dirs;
        for (const FakeDialogs::Shown &s : dialogs.shown)
            if (!s.dir.isEmpty())
                dirs << s.dir;
        QVERIFY(QFileInfo(dirs.first()).isDir() && dirs.first() != QCoreApplication::applicationDirPath());
        QCOMPARE(dirs, (QStringList{dirs.first(), dirs.first(), m_dir.path(), m_dir.path()}));
    }

    void saveFailureSaysSo()
    {
        FakeDialogs dialogs;
        frmEditText editor(dialogs, m_settings);
        dialogs.fileNames << m_dir.filePath(QStringLiteral("no folder/x.txt"));
        click(editor, "cmdSave");
        QCOMPARE(dialogs.shown.last().icon, Dialogs::Icon::Critical);
        QVERIFY(dialogs.shown.last().text.contains(QStringLiteral("x.txt")));
        QVERIFY(dialogs.shown.last().text.contains(QStringLiteral("could not be saved")));
    }

    // Done hands the text, the script colour and the word count to the prompter.
    void done_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::newRow("empty box") << ""
                                   << "0 Words";
        QTest::newRow("one word a line") << "one\r\ntwo\r\nthree"
                                         << "3 Words";
        QTest::newRow("one word") << "hello"
                                  << "1 Words";
    }
    void done()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        FakeDialogs dialogs;
        auto w = makeMain(dialogs);
        w->rtDoc->setTag(QStringLiteral("255")); // red
        w->rtDoc->setSelStart(0);
        w->rtDoc->setSelLength(3);
        w->rtDoc->setSelColor(0xFF00); // a marker highlight that must go
        twips::setTop(w->rtDoc, -500);
        dialogs.modals << [&](QWidget &editor) -> int {
            body(editor)->setText(text);
            click(editor, "cmdDone");
            return 0;
        };
        w->DoAction(QStringLiteral("EditText"));
        QCOMPARE(dialogs.shown.first().text, QStringLiteral("frmEditText"));
        QCOMPARE(w->rtDoc->Text(), text);
        QCOMPARE(w->lblWords->text(), words);
        QCOMPARE(twips::top(w->rtDoc), 0.0f);
        QCOMPARE(w->rtDoc->SelLength(), 0);
        for (QTextBlock b = w->rtDoc->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it)
                QCOMPARE(it.fragment().charFormat().foreground().color(), QColor(255, 0, 0));
        }
    }

    // Cancel, and the close box, change nothing, whatever happened in the editor before.
    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("type, Cancel") << "type";
        QTest::newRow("clear, Cancel") << "clear";
        QTest::newRow("open, Cancel") << "open";
        QTest::newRow("type, close box") << "close";
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, action);
        FakeDialogs dialogs;
        auto w = makeMain(dialogs);
        const QByteArray rtfBefore = w->rtDoc->TextRTF();
        QString atLoad, afterAction;
        dialogs.modals << [&](QWidget &editor) -> int {
            atLoad = body(editor)->Text();
            if (action == QLatin1String("clear")) {
                click(editor, "cmdClear");
            } else if (action == QLatin1String("open")) {
                dialogs.fileNames << dataPath(QStringLiteral("sample.docx"));
                click(editor, "cmdOpen");
            } else {
                QTest::keyClicks(body(editor), QStringLiteral("more"));
            }
            afterAction = body(editor)->Text();
            if (action == QLatin1String("close"))
                editor.close();
            else
                click(editor, "cmdCancel");
            return 0;
        };
        w->DoAction(QStringLiteral("EditText"));
        QVERIFY(dialogs.modals.isEmpty());
        QCOMPARE(atLoad, QStringLiteral("The old script\r\nof four words"));
        QVERIFY(afterAction != atLoad);
        QCOMPARE(w->rtDoc->TextRTF(), rtfBefore);
        QCOMPARE(w->lblWords->text(), QStringLiteral("4 Words"));
    }

    // The editor opens with the focus in the text, the focused button shows it, and Ctrl+Z undoes Clear.
    void typeClearAndUndo()
    {
        FakeDialogs dialogs;
        RichTextView script(RichTextView::Input::None);
        script.setText(QStringLiteral("evening"));
        frmEditText editor(dialogs, m_settings);
        editor.rtDoc = &script;
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Good "));
        QCOMPARE(body(editor)->Text(), QStringLiteral("Good evening"));
        const QImage unfocused = editor.cmdClear->grab().toImage();
        editor.cmdClear->setFocus();
        QVERIFY(editor.cmdClear->grab().toImage() != unfocused);
        openInEditor(editor, dialogs, dataPath(QStringLiteral("sample.rtf")));
        const QByteArray rtf = body(editor)->TextRTF();
        QTest::keyClick(editor.cmdClear, Qt::Key_Space);
        QCOMPARE(body(editor)->Text(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(body(editor)->TextRTF(), rtf);
        QCOMPARE(body(editor)->textCursor().position(), 0);
    }

    // What the prompter could not take, or a file could not hold, stays in the editor with a message.
    void doneRefusesWhatNoFileCouldHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("too many paragraphs")
            << QStringLiteral("line\n").repeated(documents::kMaxParagraphs + 1);
        QTest::newRow("paragraph too long")
            << QString(layoutbounds::kMaxParagraphLength + 1, QLatin1Char('a'));
    }
    void doneRefusesWhatNoFileCouldHold()
    {
        QFETCH(QString, text);
        FakeDialogs dialogs;
        auto w = makeMain(dialogs);
        const QString before = w->rtDoc->Text();
        dialogs.modals << [&](QWidget &editor) -> int {
            body(editor)->setText(text);
            click(editor, "cmdDone");
            return 0;
        };
        w->DoAction(QStringLiteral("EditText"));
        QCOMPARE(w->rtDoc->Text(), before);
        QCOMPARE(dialogs.shown.last().kind, QStringLiteral("message"));
        QVERIFY(dialogs.shown.last().text.endsWith(QStringLiteral("It stays in the editor.")));
    }

    void reopenedEditorShowsTheCurrentScript()
    {
        FakeDialogs dialogs;
        auto w = makeMain(dialogs);
        QStringList seen;
        auto record = [&](QWidget &editor) -> int {
            seen << body(editor)->Text();
            body(editor)->setText(QStringLiteral("typed then cancelled"));
            click(editor, "cmdCancel");
            return 0;
        };
        dialogs.modals << record << [&](QWidget &editor) -> int {
            seen << body(editor)->Text();
            body(editor)->setText(QStringLiteral("new script"));
            click(editor, "cmdDone");
            return 0;
        } << record;
        w->DoAction(QStringLiteral("EditText"));
        w->DoAction(QStringLiteral("EditText"));
        w->DoAction(QStringLiteral("EditText"));
        const QString old = QStringLiteral("The old script\r\nof four words");
        QCOMPARE(seen, (QStringList{old, old, QStringLiteral("new script")}));
    }
};

QTEST_MAIN(tst_Editor)
#include "tst_editor.moc"
