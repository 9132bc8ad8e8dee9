// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/frmMain.h"
#include "app/gui/PrompterControls.h"
#include "core/PrompterCore.h"
#include "documents/DocConverter.h"
#include "editor/gui/ScriptFile.h"
#include "editor/gui/ScriptOpener.h"
#include "editor/gui/frmEditText.h"
#include "settings/modSettings.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QThreadPool>

#include <cstdio>
#include <memory>

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(CUESCROLL_TEST_DATA "/") + name;
}

QString samplePath()
{
    return QStringLiteral(CUESCROLL_TEST_DATA "/../../examples/sample-script.txt");
}

// Every character's colour, run by run.
QList<QColor> colours(const RichTextView &view)
{
    QList<QColor> out;
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out << it.fragment().charFormat().foreground().color();
    return out;
}

// Sends a drag over the viewport and then drops it: whether the viewport took it.
bool dropOn(frmMain &w, const QMimeData &mime)
{
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.picBack, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.picBack, &drop);
    QCoreApplication::sendPostedEvents();
    return enter.isAccepted() && drop.isAccepted();
}

bool needsConverter(const QString &path)
{
    return path.endsWith(QLatin1String(".doc"));
}

} // namespace

class tst_Open : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    QTemporaryDir m_dir;

    std::unique_ptr<frmMain> makeWindow(FakeDialogs &dialogs)
    {
        auto w = std::make_unique<frmMain>(m_platform, dialogs);
        w->resize(1000, 700);
        w->show();
        w->rtDoc->setTag(QStringLiteral("255"));
        w->Form_Resize();
        return w;
    }

    static void waitForConverter(DocConverter *converter)
    {
        if (converter && converter->isRunning()) {
            QSignalSpy spy(converter, &DocConverter::finished);
            QVERIFY(spy.wait(10000));
        }
    }

private Q_SLOTS:
    // Reads finish inside OpenScript, except where a test wants the worker thread.
    void initTestCase() { scriptfile::Reader::setReadInline(true); }

    // On the worker: the prompter shows it is busy, a second file wins over the first, whose text never
    // arrives, and the window can go while a read runs.
    void secondFileWinsOverOneStillBeingRead()
    {
        scriptfile::Reader::setReadInline(false);
        const auto restore = qScopeGuard([] { scriptfile::Reader::setReadInline(true); });
        FakeDialogs dialogs;
        auto w = makeWindow(dialogs);
        const QString words = w->lblWords->text();
        w->core().command({run::Verb::OpenScript, 0, 0, 0, dataPath(QStringLiteral("sample.rtf"))});
        QVERIFY(w->controls().opener().isOpening());
        QCOMPARE(w->picBack->cursor().shape(), Qt::WaitCursor);
        QVERIFY(w->lblWords->text() != words);
        w->core().command({run::Verb::OpenScript, 0, 0, 0, samplePath()});
        QTRY_VERIFY_WITH_TIMEOUT(!w->controls().opener().isOpening(), 10000);
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QVERIFY(w->rtDoc->Text().startsWith(QStringLiteral("Good evening, and welcome")));
        QCOMPARE(w->picBack->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(dialogs.shown.size(), 0);

        w->core().command({run::Verb::OpenScript, 0, 0, 0, dataPath(QStringLiteral("sample.docx"))});
        w.reset();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
    }
    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>();
        modSettings::setIniFilePath(m_dir.filePath(QStringLiteral("Settings.ini")));
    }

    // Opening from outside gives the very prompter the editor's Open File and Done give.
    void sameAsEditorDone_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("text") << samplePath();
        QTest::newRow("rtf") << dataPath(QStringLiteral("sample.rtf"));
        QTest::newRow("docx") << dataPath(QStringLiteral("sample.docx"));
        QTest::newRow("odt") << dataPath(QStringLiteral("sample.odt"));
        QTest::newRow("doc") << dataPath(QStringLiteral("sample.doc"));
    }
    void sameAsEditorDone()
    {
        QFETCH(QString, path);
        if (needsConverter(path) && QStandardPaths::findExecutable(QStringLiteral("antiword")).isEmpty())
            QFAIL("antiword is not installed (scripts/install-deps installs it)");

        FakeDialogs editorDialogs;
        const auto edited = makeWindow(editorDialogs);
        editorDialogs.modals << [&](QWidget &window) -> int {
            auto &editor = static_cast<frmEditText &>(window);
            editor.OpenFile(path);
            waitForConverter(editor.converter());
            editor.cmdDone_Click();
            return 0;
        };
        edited->DoAction(QStringLiteral("EditText"));

        FakeDialogs dialogs;
        const auto opened = makeWindow(dialogs);
        twips::setTop(opened->rtDoc, -300);
        opened->core().command({run::Verb::OpenScript, 0, 0, 0, path});
        waitForConverter(opened->controls().opener().converter());

        QCOMPARE(dialogs.shown.size(), 0);
        QVERIFY(!opened->rtDoc->Text().isEmpty());
        QCOMPARE(opened->rtDoc->Text(), edited->rtDoc->Text());
        QCOMPARE(opened->lblWords->text(), edited->lblWords->text());
        QCOMPARE(twips::top(opened->rtDoc), 0.0f);
        QCOMPARE(twips::height(opened->rtDoc), twips::height(edited->rtDoc));
        QCOMPARE(opened->prgDoc->value(), edited->prgDoc->value());
        QCOMPARE(opened->lblToGo->text(), edited->lblToGo->text());
        const QList<QColor> all = colours(*opened->rtDoc);
        QCOMPARE(all, colours(*edited->rtDoc));
        QVERIFY(std::all_of(all.begin(), all.end(), [](const QColor &c) { return c == QColor(255, 0, 0); }));
    }

    // A file that cannot be read is named in the editor's message; the script stays as it was.
    void unreadableFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << dataPath(QStringLiteral("missing.txt")) << "does not exist";
        QTest::newRow("folder") << dataPath(QStringLiteral("bad")) << "not a file";
        QTest::newRow("damaged docx") << dataPath(QStringLiteral("bad/truncated.docx")) << "damaged";
        QTest::newRow("converter crash") << dataPath(QStringLiteral("bad/converter_crash.doc")) << "crashed";
    }
    void unreadableFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        if (needsConverter(path) && QStandardPaths::findExecutable(QStringLiteral("antiword")).isEmpty())
            QFAIL("antiword is not installed (scripts/install-deps installs it)");
        FakeDialogs dialogs;
        const auto w = makeWindow(dialogs);
        w->core().command({run::Verb::OpenScript, 0, 0, 0, path});
        waitForConverter(w->controls().opener().converter());
        QCOMPARE(w->rtDoc->Text(), QString());
        QCOMPARE(w->lblWords->text(), QString());
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Warning);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Open File"));
        QVERIFY2(dialogs.shown.first().text.contains(QFileInfo(path).fileName()),
                 qPrintable(dialogs.shown.first().text));
        QVERIFY2(dialogs.shown.first().text.contains(reason), qPrintable(dialogs.shown.first().text));
        QCOMPARE(w->picBack->cursor().shape(), Qt::IBeamCursor);
    }

    void stopsTheClockFirst()
    {
        FakeDialogs dialogs;
        const auto w = makeWindow(dialogs);
        w->DoAction(QStringLiteral("Start"));
        QVERIFY(w->core().running());
        w->core().command({run::Verb::OpenScript, 0, 0, 0, samplePath()});
        QVERIFY(!w->core().running());
    }

    // Editing the script while a .doc converts: the operator's edit wins.
    void editingCancelsAConversion()
    {
        FakeDialogs dialogs;
        const auto w = makeWindow(dialogs);
        const QString sleeper = m_dir.filePath(QStringLiteral("sleeper"));
        QFile f(sleeper);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nexec sleep 60\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        w->core().command({run::Verb::OpenScript, 0, 0, 0, dataPath(QStringLiteral("sample.doc"))});
        QVERIFY(w->controls().opener().converter());
        w->controls().opener().converter()->cancel();
        waitForConverter(w->controls().opener().converter());
        w->controls().opener().converter()->setProgram(sleeper);
        w->core().command({run::Verb::OpenScript, 0, 0, 0, dataPath(QStringLiteral("sample.doc"))});
        QVERIFY(w->controls().opener().converter()->isRunning());
        QCOMPARE(w->picBack->cursor().shape(), Qt::WaitCursor);
        dialogs.modals << [](QWidget &editor) -> int {
            static_cast<frmEditText &>(editor).rtBody->setText(QStringLiteral("typed"));
            static_cast<frmEditText &>(editor).cmdDone_Click();
            return 0;
        };
        w->DoAction(QStringLiteral("EditText"));
        waitForConverter(w->controls().opener().converter());
        QCOMPARE(w->rtDoc->Text(), QStringLiteral("typed"));
        QCOMPARE(w->picBack->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(dialogs.messages(), QStringList());
    }

    void drop_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        const QUrl sample = QUrl::fromLocalFile(samplePath());
        QTest::newRow("a file") << QList<QUrl>{sample} << QString() << true;
        QTest::newRow("text") << QList<QUrl>{} << QStringLiteral("Some dragged words") << false;
        // A show of two stories.
        QTest::newRow("two files") << QList<QUrl>{sample, QUrl::fromLocalFile(dataPath("sample.rtf"))}
                                   << QString() << true;
        QTest::newRow("a web address")
            << QList<QUrl>{QUrl(QStringLiteral("https://example.org/s.txt"))} << QString() << false;
    }
    void drop()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        FakeDialogs dialogs;
        const auto w = makeWindow(dialogs);
        w->rtDoc->setText(QStringLiteral("old"));
        w->DoAction(QStringLiteral("Start"));
        QMimeData mime;
        if (!urls.isEmpty())
            mime.setUrls(urls);
        if (!text.isEmpty())
            mime.setText(text);
        QCOMPARE(dropOn(*w, mime), taken);
        QCOMPARE(w->rtDoc->Text().startsWith(QStringLiteral("old")), !taken);
        QCOMPARE(w->core().running(), !taken);
        QCOMPARE(dialogs.shown.size(), 0);
    }

    // While the editor (or any dialog) is open over the prompter, a drop is refused.
    void dropWhileEditorOpen()
    {
        FakeDialogs dialogs;
        const auto w = makeWindow(dialogs);
        w->rtDoc->setText(QStringLiteral("old"));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(samplePath())});
        bool taken = true;
        dialogs.modals << [&](QWidget &) -> int {
            taken = dropOn(*w, mime);
            return 0;
        };
        w->DoAction(QStringLiteral("EditText")); // closed by its close box: Cancel
        QVERIFY(!taken);
        QCOMPARE(w->rtDoc->Text(), QStringLiteral("old"));
    }

    void dropInMarkMode()
    {
        FakeDialogs dialogs;
        const auto w = makeWindow(dialogs);
        w->rtDoc->setText(QStringLiteral("old words"));
        w->DoAction(QStringLiteral("Mark"));
        QVERIFY(w->core().markMode());
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(samplePath())});
        QVERIFY(!dropOn(*w, mime));
        QCOMPARE(w->rtDoc->Text(), QStringLiteral("old words"));
    }

    // A file manager sends a name that is not UTF-8 percent-encoded byte by byte.
    void dropLatin1Name()
    {
        const QByteArray raw = QFile::encodeName(m_dir.path()) + "/caf\xe9 script.txt";
        FILE *f = std::fopen(raw.constData(), "wb");
        QVERIFY(f);
        std::fputs("Bonsoir et bienvenue.\n", f);
        std::fclose(f);
        FakeDialogs dialogs;
        const auto w = makeWindow(dialogs);
        QMimeData mime;
        mime.setData(QStringLiteral("text/uri-list"), "file://" + raw.toPercentEncoding("/") + "\r\n");
        QVERIFY(dropOn(*w, mime));
        QCOMPARE(dialogs.messages(), QStringList());
        QCOMPARE(w->rtDoc->Text().trimmed(), QStringLiteral("Bonsoir et bienvenue."));
        QCOMPARE(w->lblWords->text(), QStringLiteral("3 Words"));
        std::remove(raw.constData()); // QTemporaryDir cannot name it either
    }
};

QTEST_MAIN(tst_Open)
#include "tst_open.moc"
