// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ZipWriter.h"
#include "documents/DocConverter.h"
#include "documents/Documents.h"
#include "documents/Rtf.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <sys/stat.h>

using documents::Error;
using documents::Kind;

Q_DECLARE_METATYPE(documents::Error)
Q_DECLARE_METATYPE(documents::Kind)

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(CUESCROLL_TEST_DATA "/") + name;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString expectedText()
{
    return QString::fromUtf8(readAll(dataPath(QStringLiteral("sample_expected.txt")))).trimmed();
}

// A stand-in for the converter: a shell script with the given body.
QString standIn(const QTemporaryDir &dir, const QString &name, const QByteArray &body)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

documents::TextResult convert(DocConverter &converter, const QString &path)
{
    QSignalSpy spy(&converter, &DocConverter::finished);
    converter.start(path);
    if (spy.isEmpty())
        spy.wait(10000);
    return spy.isEmpty() ? documents::TextResult{} : spy.first().first().value<documents::TextResult>();
}

bool haveAntiword()
{
    return !QStandardPaths::findExecutable(QStringLiteral("antiword")).isEmpty();
}

} // namespace

Q_DECLARE_METATYPE(documents::TextResult)

class tst_Documents : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<documents::TextResult>(); }

    void detectKind_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("ole2") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1rest") << Kind::WordBinary;
        QTest::newRow("ole2 cut short") << QByteArray("\xD0\xCF\x11\xE0") << Kind::PlainText;
        QTest::newRow("zip") << QByteArray("PK\x03\x04....") << Kind::Zip;
        QTest::newRow("rtf") << QByteArray("{\\rtf1\\ansi x}") << Kind::Rtf;
        QTest::newRow("rtf after blanks") << QByteArray("\r\n {\\rtf1 x}") << Kind::Rtf;
        QTest::newRow("text") << QByteArray("Hello {\\rtf") << Kind::PlainText;
        QTest::newRow("empty") << QByteArray() << Kind::PlainText;
    }
    void detectKind()
    {
        QFETCH(QByteArray, head);
        QFETCH(Kind, kind);
        QCOMPARE(documents::detectKind(head), kind);
    }

    // Each bad file, and each place that is no readable file, gives its own error, fast.
    void readScriptFileErrors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Error>("error");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("missing") << dataPath("no such file.txt") << Error::NotFound << Kind::PlainText;
        QTest::newRow("empty name") << QString() << Error::NotFound << Kind::PlainText;
        QTest::newRow("folder") << dataPath("bad") << Error::NotAFile << Kind::PlainText;
        QTest::newRow("device") << "/dev/null" << Error::NotAFile << Kind::PlainText;
        QTest::newRow("empty.doc") << dataPath("bad/empty.doc") << Error::Empty << Kind::PlainText;
        QTest::newRow("random.doc") << dataPath("bad/random.doc") << Error::NotText << Kind::PlainText;
        QTest::newRow("random.docx") << dataPath("bad/random.docx") << Error::NotText << Kind::PlainText;
        QTest::newRow("text_renamed.doc")
            << dataPath("bad/text_renamed.doc") << Error::None << Kind::PlainText;
        QTest::newRow("docx_renamed.doc") << dataPath("bad/docx_renamed.doc") << Error::None << Kind::Zip;
        QTest::newRow("truncated_sample.doc")
            << dataPath("bad/truncated_sample.doc") << Error::None << Kind::WordBinary;
        QTest::newRow("sample.rtf") << dataPath("sample.rtf") << Error::None << Kind::Rtf;
    }
    void readScriptFileErrors()
    {
        QFETCH(QString, path);
        QFETCH(Error, error);
        QFETCH(Kind, kind);
        const documents::FileData r = documents::readScriptFile(path);
        QCOMPARE(r.error, error);
        if (r.ok())
            QCOMPARE(r.kind, kind);
        else
            QVERIFY(!documents::describe(r).isEmpty());
    }

    void readScriptFileTooLarge()
    {
        const QString path = m_dir.filePath(QStringLiteral("huge.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(documents::kMaxFileBytes + 1));
        f.close();
        QCOMPARE(documents::readScriptFile(path).error, Error::TooLarge);
        QVERIFY(f.resize(documents::kMaxFileBytes));
        QCOMPARE(documents::readScriptFile(path).error, Error::NotText); // all NUL bytes, but in size
    }

    void readScriptFileParagraphLimit_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR") << QByteArray("\r");
        QTest::newRow("UTF-16 CR LF") << QByteArray("\r\0\n\0", 4);
    }
    void readScriptFileParagraphLimit()
    {
        QFETCH(QByteArray, lineEnd);
        const QByteArray bom = lineEnd.size() == 4 ? QByteArray("\xFF\xFE") : QByteArray();
        const QByteArray x = lineEnd.size() == 4 ? QByteArray("x\0", 2) : QByteArray("x");
        const QString path = m_dir.filePath(QStringLiteral("lines.txt"));
        for (const qsizetype ends : {documents::kMaxParagraphs - 1, documents::kMaxParagraphs}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bom + x + lineEnd.repeated(ends) + x);
            f.close();
            QCOMPARE(documents::readScriptFile(path).error,
                     ends < documents::kMaxParagraphs ? Error::None : Error::TooManyParagraphs);
        }
    }

    void packagesGiveTheBodyText_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("docx") << "sample.docx";
        QTest::newRow("odt") << "sample.odt";
        QTest::newRow("docx named .doc") << "bad/docx_renamed.doc";
    }
    void packagesGiveTheBodyText()
    {
        QFETCH(QString, file);
        const documents::TextResult r = documents::readPackageText(readAll(dataPath(file)));
        QVERIFY2(r.ok(), qPrintable(documents::describe(r)));
        QCOMPARE(r.text, expectedText());
    }

    void packageMarkup_data()
    {
        QTest::addColumn<QByteArray>("package");
        QTest::addColumn<QString>("text");
        QTest::newRow("docx deleted and inserted")
            << makeDocx(
                   "<w:p><w:r><w:t>keep </w:t></w:r><w:del><w:r><w:delText>gone </w:delText></w:r></w:del>"
                   "<w:ins><w:r><w:t>new</w:t></w:r></w:ins></w:p>")
            << "keep new";
        QTest::newRow("docx field code, result kept")
            << makeDocx("<w:p><w:r><w:t>Page </w:t></w:r><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
                        "<w:r><w:instrText> PAGE </w:instrText></w:r><w:r><w:fldChar "
                        "w:fldCharType=\"separate\"/></w:r>"
                        "<w:r><w:t>7</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>")
            << "Page 7";
        QTest::newRow("docx tab stop is no tab")
            << makeDocx("<w:p><w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr>"
                        "<w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t></w:r></w:p><w:p/>")
            << "a\tb\nc\n";
        QTest::newRow("docx page break is no line")
            << makeDocx("<w:p><w:r><w:br w:type=\"page\"/><w:t>x</w:t></w:r></w:p>") << "x";
        QTest::newRow("docx alternate content once")
            << makeDocx("<w:p><w:r><mc:AlternateContent><mc:Choice><w:t>A</w:t></mc:Choice>"
                        "<mc:Fallback><w:t>A</w:t></mc:Fallback></mc:AlternateContent></w:r></w:p>")
            << "A";
        QTest::newRow("odt spaces, notes, comments, changes")
            << makeOdt("<text:tracked-changes><text:changed-region><text:deletion><text:p>old</text:p></"
                       "text:deletion>"
                       "</text:changed-region></text:tracked-changes>"
                       "<text:h>Title</text:h><text:p>a<text:s text:c=\"3\"/>b<text:s/>c"
                       "<text:note><text:note-citation>1</text:note-citation><text:note-body><text:p>foot</"
                       "text:p>"
                       "</text:note-body></text:note><office:annotation><text:p>remark</text:p></"
                       "office:annotation>"
                       "</text:p>")
            << "Title\na   b c";
    }
    void packageMarkup()
    {
        QFETCH(QByteArray, package);
        QFETCH(QString, text);
        const documents::TextResult r = documents::readPackageText(package);
        QVERIFY2(r.ok(), qPrintable(documents::describe(r)));
        QCOMPARE(r.text, text);
    }

    void damagedPackages_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<Error>("error");
        QTest::newRow("bomb") << readAll(dataPath("bad/bomb.docx")) << Error::UnpackedTooLarge;
        QTest::newRow("truncated") << readAll(dataPath("bad/truncated.docx")) << Error::Damaged;
        QTest::newRow("corrupt xml") << readAll(dataPath("bad/corrupt_xml.docx")) << Error::Damaged;
        QTest::newRow("random") << readAll(dataPath("bad/random.docx")) << Error::Damaged;
        QTest::newRow("spreadsheet") << makeZip(
                                            {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                             {"content.xml", "<x/>"}})
                                     << Error::NotATextDocument;
        QTest::newRow("plain zip") << makeZip({{"a.txt", "hello"}}) << Error::NotATextDocument;
        QTest::newRow("docx without body")
            << makeZip({{"[Content_Types].xml", "<Types/>"}}) << Error::Damaged;
    }
    void damagedPackages()
    {
        QFETCH(QByteArray, data);
        QFETCH(Error, error);
        const documents::TextResult r = documents::readPackageText(data);
        QCOMPARE(r.error, error);
        QVERIFY(r.text.isEmpty());
    }

    void countWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("one word") << "word" << 1;
        QTest::newRow("two, one space") << "a b" << 2;
        QTest::newRow("two, two spaces") << "a  b" << 2;
        QTest::newRow("three spaces only") << "   " << 0;
        QTest::newRow("trailing space") << "word " << 1;
        QTest::newRow("leading blanks") << " \t word" << 1;
        QTest::newRow("one word a line") << "one\r\ntwo\r\nthree\r\n" << 3;
        QTest::newRow("tabs") << "a\tb\tc" << 3;
        QTest::newRow("no-break and ideographic spaces") << QString::fromUtf8("a\u00A0b\u3000c\u2029d") << 4;
        QTest::newRow("punctuation is part of a word") << "well, -- then!" << 3;
        QTest::newRow("non-latin") << QString::fromUtf8("Grüße Ελληνικά 日本語") << 3;
    }
    void countWords()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(documents::CountWords(text), count);
    }

    void writeTextFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << "" << QByteArray("\r\n");
        QTest::newRow("ends in a line end") << "a\r\n" << QByteArray("a\r\n\r\n");
        QTest::newRow("beyond any code page")
            << QString::fromUtf8("Grüße € 日本語") << QString::fromUtf8("Grüße € 日本語\r\n").toUtf8();
    }
    void writeTextFile()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("out.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x')); // a longer old file leaves no trace
        old.close();
        QVERIFY(documents::WriteTextFile(path, text).ok());
        QCOMPARE(readAll(path), bytes);
    }

    void writeTextFileFailureKeepsTheOldFile()
    {
        // A folder in the way of the file.
        const QString folder = m_dir.filePath(QStringLiteral("folder.txt"));
        QVERIFY(QDir().mkpath(folder));
        const documents::Result r = documents::WriteTextFile(folder, QStringLiteral("x"));
        QCOMPARE(r.error, Error::WriteFailed);
        QVERIFY(QFileInfo(folder).isDir());
        // A folder that does not exist.
        QCOMPARE(
            documents::WriteTextFile(m_dir.filePath(QStringLiteral("none/x.txt")), QStringLiteral("x")).error,
            Error::WriteFailed);
        // A folder nobody may write to; root may write anywhere, so only as an ordinary user.
        QTemporaryDir locked;
        const QString path = locked.filePath(QStringLiteral("script.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
        f.close();
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool root = QFileInfo(locked.path()).isWritable();
        if (!root) {
            QCOMPARE(documents::WriteTextFile(path, QStringLiteral("new")).error, Error::WriteFailed);
            QCOMPARE(readAll(path), QByteArray("old"));
        }
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Saving onto a pipe or a device fails and leaves it what it was, never a file in its place.
    void writeTextFileRefusesWhatIsNoFile()
    {
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.txt"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QCOMPARE(documents::WriteTextFile(fifo, QStringLiteral("x")).error, Error::WriteFailed);
        QVERIFY(!QFileInfo(fifo).isFile());
        const QString full = QStringLiteral("/dev/full");
        if (QFileInfo::exists(full)) {
            QCOMPARE(documents::WriteTextFile(full, QStringLiteral("x")).error, Error::WriteFailed);
            QVERIFY(!QFileInfo(full).isFile());
        }
    }

    // A script exactly at the size limit opens; one byte more is refused.
    void readScriptFileAtTheSizeLimit()
    {
        const QString path = m_dir.filePath(QStringLiteral("limit.txt"));
        QByteArray line(399, 'a'); // long lines: the paragraph limit stays out of the way
        line += '\n';
        QByteArray text = line.repeated(int(documents::kMaxTextBytes / line.size()));
        text += QByteArray(int(documents::kMaxTextBytes - text.size()), 'b');
        QCOMPARE(qint64(text.size()), documents::kMaxTextBytes);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(text), qint64(text.size()));
        f.close();
        const documents::FileData at = documents::readScriptFile(path);
        QCOMPARE(at.error, Error::None);
        QCOMPARE(at.kind, documents::Kind::PlainText);
        QVERIFY(f.open(QIODevice::Append));
        f.write("b");
        f.close();
        QCOMPARE(documents::readScriptFile(path).error, Error::TooLarge);
    }

    // Every reader stops at the first paragraph or character over the limits of a script, however
    // little the input is; the text counts in UTF-8, and every kind of line end is a line end.
    void hostileTextIsRefused_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QByteArray>("input"); // for the converter: its stand-in's script
        QTest::addColumn<Error>("error");
        const QByteArray euros = QString(6'000'000, QChar(0x20AC)).toUtf8(); // 18 MB, 6 M characters
        QTest::newRow("docx, a million empty paragraphs")
            << "package" << makeDocx(QByteArray("<w:p/>").repeated(1'000'000)) << Error::TooManyParagraphs;
        QTest::newRow("docx, line breaks")
            << "package" << makeDocx("<w:p><w:r>" + QByteArray("<w:br/>").repeated(60'000) + "</w:r></w:p>")
            << Error::TooManyParagraphs;
        QTest::newRow("docx, 18 MB of text")
            << "package" << makeDocx("<w:p><w:r><w:t>" + euros + "</w:t></w:r></w:p>") << Error::TooLarge;
        QTest::newRow("odt, a million paragraphs")
            << "package" << makeOdt(QByteArray("<text:p/>").repeated(1'000'000)) << Error::TooManyParagraphs;
        QTest::newRow("odt, repeated runs of spaces")
            << "package"
            << makeOdt("<text:p>" + QByteArray("<text:s text:c=\"10000\"/>").repeated(2000) + "</text:p>")
            << Error::TooLarge;
        QTest::newRow("text, line separators")
            << "text" << QByteArray(QString::fromUtf8("x\u2028").repeated(50'000).toUtf8() + "x")
            << Error::TooManyParagraphs;
        QTest::newRow("text, vertical tabs and form feeds")
            << "text"
            << QByteArray(QByteArray("x\v").repeated(30'000) + QByteArray("x\f").repeated(20'000) + "x")
            << Error::TooManyParagraphs;
        QTest::newRow("text, 18 MB in UTF-16")
            << "text" << QByteArray("\xFF\xFE" + QByteArray("\xAC\x20").repeated(6'000'000))
            << Error::TooLarge;
        QTest::newRow("rtf, 18 MB from Windows-1252")
            << "rtf" << QByteArray("{\\rtf1\\ansi " + QByteArray(6'000'000, '\x80') + "}") << Error::TooLarge;
        QTest::newRow("rtf, line separators")
            << "rtf" << QByteArray("{\\rtf1 " + QByteArray("x\\u8232?").repeated(50'000) + "x}")
            << Error::TooManyParagraphs;
        QTest::newRow("converter, a million lines")
            << "converter" << QByteArray("seq 1000000") << Error::TooManyParagraphs;
        QTest::newRow("converter, one endless line")
            << "converter" << QByteArray("head -c 40000000 /dev/zero | tr '\\0' a") << Error::TooLarge;
    }
    void hostileTextIsRefused()
    {
        QFETCH(QString, reader);
        QFETCH(QByteArray, input);
        QFETCH(Error, error);
        documents::Result r;
        if (reader == QLatin1String("package")) {
            r = documents::readPackageText(input);
        } else if (reader == QLatin1String("text")) {
            const QString path = m_dir.filePath(QStringLiteral("hostile.txt"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(input);
            f.close();
            r = documents::readScriptFile(path);
        } else if (reader == QLatin1String("rtf")) {
            QTextDocument doc;
            r.error = rtf::read(input, &doc);
            QVERIFY(doc.isEmpty());
        } else {
            DocConverter converter;
            converter.setProgram(standIn(m_dir, QStringLiteral("talker"), input));
            r = convert(converter, dataPath(QStringLiteral("sample.doc")));
            QVERIFY(!converter.isRunning());
        }
        QCOMPARE(r.error, error);
        QVERIFY(documents::describe(r).startsWith(QLatin1String("its text")));
    }

    // What the editor saves (paragraphs joined by CR LF, soft line breaks as vertical tabs) opens
    // again as the same text at both limits; a byte or a line more is refused.
    void savedScriptOpensAgain_data()
    {
        QTest::addColumn<QString>("change"); // put in place of the first character
        QTest::addColumn<Error>("error");
        QTest::newRow("at both limits") << "x" << Error::None;
        QTest::newRow("a byte more") << QString::fromUtf8("é") << Error::TooLarge;
        QTest::newRow("a line more") << "\v" << Error::TooManyParagraphs;
    }
    void savedScriptOpensAgain()
    {
        QFETCH(QString, change);
        QFETCH(Error, error);
        // The last paragraph is empty: the text ends with a line end, and saving adds one more.
        QString text = QStringLiteral("Soft\vbreak\r\n") +
                       QString::fromUtf8("Grüße €\r\n").repeated(documents::kMaxParagraphs - 3);
        const qint64 saved = (text + QStringLiteral("\r\n")).toUtf8().size() - text.count(u"\r\n") - 1;
        text.prepend(QString(documents::kMaxTextBytes - saved, QLatin1Char('x')));
        text.replace(0, 1, change);
        const QString path = m_dir.filePath(QLatin1String(QTest::currentDataTag()) + QStringLiteral(".txt"));
        // A text that could not be opened again is not saved at all.
        const documents::Result written = documents::WriteTextFile(path, text);
        QCOMPARE(written.ok(), error == Error::None);
        if (!written.ok()) {
            QVERIFY(!QFile::exists(path));
            return;
        }
        const documents::FileData opened = documents::readScriptFile(path);
        QVERIFY(opened.ok());
        QVERIFY(opened.text == text);
    }

    void converterReadsAWordDocument()
    {
        if (!haveAntiword())
            QFAIL("antiword is not installed (scripts/install-deps installs it)");
        DocConverter converter;
        QCOMPARE(converter.timeLimit(), 20000);
        const documents::TextResult r = convert(converter, dataPath(QStringLiteral("sample.doc")));
        QVERIFY2(r.ok(), qPrintable(documents::describe(r)));
        QVERIFY(r.text.startsWith(QStringLiteral("P1 First paragraph")));
        // Every paragraph outside the table comes through as its own line, characters intact.
        const QStringList lines = r.text.split(QLatin1Char('\n'));
        for (const QString &line : expectedText().split(QLatin1Char('\n'))) {
            if (!line.startsWith(QStringLiteral("Cell")))
                QVERIFY2(lines.contains(line) || lines.contains(line + QStringLiteral("[1]")),
                         qPrintable(line));
        }
        QVERIFY(!converter.isRunning());
    }

    void converterFailures_data()
    {
        QTest::addColumn<QString>("program"); // empty: the real antiword
        QTest::addColumn<QString>("file");
        QTest::addColumn<Error>("error");
        QTest::newRow("crash on damaged .doc") << ""
                                               << "bad/converter_crash.doc" << Error::ConverterCrashed;
        QTest::newRow("truncated .doc") << ""
                                        << "bad/truncated_sample.doc" << Error::ConverterFailed;
        QTest::newRow("too small a text") << ""
                                          << "plain_from_txt.doc" << Error::ConverterFailed;
        QTest::newRow("missing converter") << "/nonexistent/antiword"
                                           << "sample.doc" << Error::ConverterMissing;
        QTest::newRow("stand-in crashes") << "crash"
                                          << "sample.doc" << Error::ConverterCrashed;
        QTest::newRow("stand-in fails") << "fail"
                                        << "sample.doc" << Error::ConverterFailed;
    }
    void converterFailures()
    {
        QFETCH(QString, program);
        QFETCH(QString, file);
        QFETCH(Error, error);
        DocConverter converter;
        if (program == QLatin1String("crash"))
            program = standIn(m_dir, program, "kill -SEGV $$");
        else if (program == QLatin1String("fail"))
            program = standIn(m_dir, program, "echo \"$5 is not a Word Document.\" >&2; exit 1");
        else if (program.isEmpty() && !haveAntiword())
            QFAIL("antiword is not installed (scripts/install-deps installs it)");
        if (!program.isEmpty())
            converter.setProgram(program);
        const documents::TextResult r = convert(converter, dataPath(file));
        QCOMPARE(r.error, error);
        QVERIFY(r.text.isEmpty());
        QVERIFY(!converter.isRunning());
        if (program.endsWith(QLatin1String("fail")))
            QCOMPARE(r.detail, QStringLiteral("is not a Word Document."));
        if (error == Error::ConverterMissing)
            QVERIFY(documents::describe(r).contains(QStringLiteral("Debian package “antiword”")));
    }

    // A converter that hangs is stopped at the limit (reached here without waiting for it).
    void converterStoppedAtTheLimitOrOnCancel_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("time limit") << false;
        QTest::newRow("cancel") << true;
    }
    void converterStoppedAtTheLimitOrOnCancel()
    {
        QFETCH(bool, cancel);
        DocConverter converter;
        converter.setProgram(standIn(m_dir, QStringLiteral("sleeper"), "exec sleep 60"));
        converter.setTimeLimit(5000);
        QSignalSpy spy(&converter, &DocConverter::finished);
        converter.start(dataPath(QStringLiteral("sample.doc")));
        QVERIFY(converter.isRunning());
        if (cancel)
            converter.cancel();
        else
            converter.timeLimitReached();
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.size(), 1);
        const auto r = spy.first().first().value<documents::TextResult>();
        QCOMPARE(r.error, cancel ? Error::Cancelled : Error::ConverterTimedOut);
        QVERIFY(!converter.isRunning());
    }
};

QTEST_GUILESS_MAIN(tst_Documents)
#include "tst_documents.moc"
