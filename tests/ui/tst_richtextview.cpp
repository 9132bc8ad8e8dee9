// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HostileText.h"
#include "ui/Colors.h"
#include "ui/LayoutBounds.h"
#include "ui/PreparedLayout.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

class tst_RichTextView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return path;
    }

    static QByteArray rtfOf(const QString &text)
    {
        QByteArray rtf = "{\\rtf1\\ansi ";
        for (const QChar c : text)
            rtf += c == QLatin1Char('\n') ? QByteArray("\\par ")
                   : c.unicode() < 0x80   ? QByteArray(1, char(c.unicode()))
                                          : "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
        return rtf + '}';
    }

private Q_SLOTS:
    void textUsesCrLfAndPositionsAgree_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::newRow("one line") << "Hello"
                                  << "Hello";
        QTest::newRow("LF") << "a\nbc\n\nd"
                            << "a\r\nbc\r\n\r\nd";
        QTest::newRow("CR LF") << "a\r\nbc"
                               << "a\r\nbc";
        QTest::newRow("lone CR") << "a\rbc"
                                 << "a\r\nbc";
        QTest::newRow("trailing line end") << "a\n"
                                           << "a\r\n";
        QTest::newRow("empty") << ""
                               << "";
    }

    void textUsesCrLfAndPositionsAgree()
    {
        QFETCH(QString, input);
        QFETCH(QString, text);
        RichTextView v(RichTextView::Input::None);
        v.setText(input);
        QCOMPARE(v.Text(), text);
        QCOMPARE(v.textLength(), text.size());
        // Every substring chosen by position in Text() is what the selection gives back.
        for (int start = 0; start <= text.size(); ++start) {
            for (int len = 0; start + len <= text.size(); ++len) {
                const auto insideLineEnd = [&](int p) {
                    return p > 0 && text.at(p - 1) == QLatin1Char('\r');
                };
                if (insideLineEnd(start) || insideLineEnd(start + len))
                    continue; // a position cannot split CR LF
                v.setSelStart(start);
                v.setSelLength(len);
                QCOMPARE(v.SelStart(), start);
                QCOMPARE(v.SelText(), text.mid(start, len));
                QCOMPARE(v.SelLength(), len);
            }
        }
    }

    void selectAllAndColour()
    {
        RichTextView v(RichTextView::Input::None);
        v.setText(QStringLiteral("first line\nsecond line"));
        v.setSelStart(0);
        v.setSelLength(v.textLength());
        QCOMPARE(v.SelText(), v.Text());
        v.setSelColor(colors::rgb(255, 0, 0));
        v.setSelLength(0); // keeps the colour and clears the selection
        QCOMPARE(v.SelLength(), 0);
        for (QTextBlock b = v.document()->begin(); b.isValid(); b = b.next()) {
            QTextCursor c(b);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0));
        }
        v.setSelStart(1000); // past the end: an empty selection at the end
        v.setSelLength(5);
        QCOMPARE(v.SelStart(), v.textLength());
        QCOMPARE(v.SelLength(), 0);
    }

    void colourOnlyThePassage()
    {
        RichTextView v(RichTextView::Input::Selection);
        v.setText(QStringLiteral("one\r\ntwo three"));
        v.setSelStart(5);
        v.setSelLength(3);
        QCOMPARE(v.SelText(), QStringLiteral("two"));
        v.setSelColor(colors::rgb(0, 0, 255));
        QTextCursor c(v.document());
        c.setPosition(4 + 1); // inside "two" (document positions count a paragraph end once)
        QCOMPARE(c.charFormat().foreground().color(), QColor(0, 0, 255));
        c.setPosition(2);
        QVERIFY(c.charFormat().foreground().color() != QColor(0, 0, 255));
    }

    void scriptColorReadsTheTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<std::optional<qint32>>("color");
        QTest::newRow("colour") << "255" << std::optional<qint32>(255);
        QTest::newRow("system colour") << "-2147483630" << std::optional<qint32>(-2147483630);
        QTest::newRow("never set") << "" << std::optional<qint32>();
        QTest::newRow("no number") << "red" << std::optional<qint32>();
        QTest::newRow("beyond 32 bits") << "4294967296" << std::optional<qint32>();
    }

    void scriptColorReadsTheTag()
    {
        QFETCH(QString, tag);
        QFETCH(std::optional<qint32>, color);
        RichTextView v(RichTextView::Input::None);
        v.setTag(tag);
        QCOMPARE(v.scriptColor(), color);
    }

    void lineFromCharCountsWrappedLines()
    {
        RichTextView v(RichTextView::Input::None);
        v.setBaseFont(QFont(QStringLiteral("Liberation Sans"), 20));
        v.setText(QStringLiteral("short"));
        twips::move(&v, 0, 0, twips::fromPixels(400), twips::fromPixels(300));
        QCOMPARE(v.GetLineFromChar(v.textLength()), 0);

        QString para;
        for (int i = 0; i < 60; ++i)
            para += QStringLiteral("word ");
        v.setText(para + QStringLiteral("\nlast"));
        const int wrapped = v.GetLineFromChar(para.size() - 1);
        QVERIFY(wrapped >= 5);
        QCOMPARE(v.GetLineFromChar(v.textLength()), wrapped + 1);
        QCOMPARE(v.GetLineFromChar(0), 0);

        // Wider view, fewer lines: the count follows the current width.
        twips::setWidth(&v, twips::fromPixels(1600));
        QVERIFY(v.GetLineFromChar(v.textLength()) < wrapped + 1);
    }

    // Texts that are slowest to lay out are wrapped within the width and shown as they are.
    void hostileTextIsShownAsItIs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("unbroken run") << hostileText(Hostile::UnbrokenRun, 3000);
        QTest::newRow("run after words")
            << QStringLiteral("a few words ") + hostileText(Hostile::UnbrokenRun, 600);
        QTest::newRow("one paragraph") << hostileText(Hostile::OneParagraph, 20000);
        QTest::newRow("direction controls at the bound")
            << hostileText(Hostile::DirectionControls, 3000, layoutbounds::kMaxDirectionControls);
        QTest::newRow("writing system at every letter") << hostileText(Hostile::ScriptAtEveryLetter, 3000);
    }

    void hostileTextIsShownAsItIs()
    {
        QFETCH(QString, text);
        const QString shown = QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        for (const bool rich : {false, true}) {
            RichTextView v(RichTextView::Input::None);
            v.setBaseFont(QFont(QStringLiteral("Liberation Sans"), 20));
            twips::move(&v, 0, 0, twips::fromPixels(400), twips::fromPixels(300));
            if (rich)
                QVERIFY(v.loadTextRTF(rtfOf(text)).ok);
            else
                v.setText(text);
            QCOMPARE(v.Text(), shown);
            int line = 0;
            for (int p = 0; p < shown.size(); p += 97) {
                v.setSelStart(p);
                v.setSelLength(7);
                QCOMPARE(v.SelText(), shown.mid(p, 7));
                const int next = v.GetLineFromChar(p);
                QVERIFY(next >= line);
                line = next;
            }
            QVERIFY(v.document()->idealWidth() <= v.document()->textWidth());
        }
    }

    void tooMuchForTheLayoutIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        const qsizetype controls = layoutbounds::kMaxDirectionControls;
        QTest::newRow("longest paragraph")
            << hostileText(Hostile::UnbrokenRun, layoutbounds::kMaxParagraphLength) << false;
        QTest::newRow("one character more")
            << hostileText(Hostile::UnbrokenRun, layoutbounds::kMaxParagraphLength + 1) << true;
        QTest::newRow("direction controls over two paragraphs")
            << hostileText(Hostile::DirectionControls, 2 * controls, controls) << false;
        QTest::newRow("direction controls in one paragraph")
            << hostileText(Hostile::DirectionControls, 2 * controls, 2 * controls) << true;
        QTest::newRow("writing system at every letter")
            << hostileText(Hostile::ScriptAtEveryLetter, layoutbounds::kMaxRunChanges * 6 / 5) << true;
    }

    void tooMuchForTheLayoutIsRefused()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        const QString path = writeFile(QStringLiteral("hostile.txt"), text.toUtf8());
        for (const bool rich : {false, true}) {
            RichTextView v(RichTextView::Input::Typing);
            v.setText(QStringLiteral("keep me"));
            const RichTextView::LoadResult r = rich ? v.loadTextRTF(rtfOf(text)) : v.LoadFile(path);
            QCOMPARE(r.ok, !refused);
            QCOMPARE(v.Text() == QStringLiteral("keep me"), refused);
            if (refused)
                QVERIFY(!r.error.isEmpty());
        }
    }

    // A script laid out on another thread shows with the lines it was given there, where the view's
    // own layout puts them; one laid out for a view that has changed since is laid out again.
    void preparedDocumentShowsAsLaidOut_data()
    {
        QTest::addColumn<int>("widthMeanwhile"); // 0: the view keeps its width
        QTest::addColumn<bool>("kept");
        QTest::newRow("same view") << 0 << true;
        QTest::newRow("view narrowed meanwhile") << 300 << false;
    }
    void preparedDocumentShowsAsLaidOut()
    {
        QFETCH(int, widthMeanwhile);
        QFETCH(bool, kept);
        QString text;
        for (int i = 0; i < 300; ++i)
            text += QStringLiteral("good evening and welcome to the news%1").arg(i % 9 ? u' ' : u'\n');
        const auto view = [] {
            auto v = std::make_unique<RichTextView>(RichTextView::Input::None);
            v->setBaseFont(QFont(QStringLiteral("Liberation Sans"), 28));
            v->setTextMargins(10, 30);
            twips::move(v.get(), 0, 0, twips::fromPixels(640), twips::fromPixels(480));
            v->show(); // a hidden view takes its width late
            return v;
        };
        const auto shown = view();
        const auto own = view();
        const preparedlayout::Shape shape = shown->preparedShape();
        auto prepared = QtConcurrent::run([text, shape] {
                            auto doc = std::make_shared<std::unique_ptr<QTextDocument>>(
                                std::make_unique<QTextDocument>());
                            QFont font;
                            font.fromString(shape.font);
                            RichTextView::fillPlain(**doc, text, font);
                            preparedlayout::layOut(**doc, shape);
                            (*doc)->moveToThread(nullptr);
                            return doc;
                        }).result();
        std::unique_ptr<QTextDocument> doc = std::move(*prepared);
        doc->moveToThread(QThread::currentThread());
        if (widthMeanwhile) {
            twips::setWidth(shown.get(), twips::fromPixels(widthMeanwhile));
            twips::setWidth(own.get(), twips::fromPixels(widthMeanwhile));
        }
        const int layouts = preparedlayout::wholeLayouts();
        shown->showPrepared(std::move(doc));
        own->setText(text);
        QCOMPARE(shown->Text(), own->Text());
        for (const int at : {0, 500, shown->textLength()})
            QCOMPARE(shown->lineRect(at), own->lineRect(at));
        QCOMPARE(shown->GetLineFromChar(shown->textLength()), own->GetLineFromChar(own->textLength()));
        QCOMPARE(preparedlayout::wholeLayouts() == layouts, kept);
        QCOMPARE(shown->document()->rootFrame()->frameFormat().rightMargin(), 30.0);
        // The lines counted while preparing stand only as long as that layout does.
        const int lines = shown->lineCount();
        QCOMPARE(lines, own->lineCount());
        twips::setWidth(shown.get(), twips::fromPixels(widthMeanwhile ? 640 : 300));
        twips::setWidth(own.get(), twips::fromPixels(widthMeanwhile ? 640 : 300));
        QCOMPARE_NE(shown->lineCount(), lines);
        QCOMPARE(shown->lineCount(), own->lineCount());
    }

    void marginsSurviveNewText()
    {
        RichTextView v(RichTextView::Input::None);
        v.setTextMargins(0, 7);
        v.setText(QStringLiteral("new script"));
        QCOMPARE(v.document()->rootFrame()->frameFormat().rightMargin(), 7.0);
    }

    void baseFontAppliesToAllText()
    {
        RichTextView v(RichTextView::Input::None);
        v.setText(QStringLiteral("a\nb"));
        v.setFontSize(28);
        v.setFontBold(true);
        v.setFontName(QStringLiteral("Liberation Serif"));
        for (QTextBlock b = v.document()->begin(); b.isValid(); b = b.next()) {
            QTextCursor c(b);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QCOMPARE(c.charFormat().fontPointSize(), 28.0);
            QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
        }
        QCOMPARE(v.FontName(), QStringLiteral("Liberation Serif"));
        v.setText(QStringLiteral("fresh")); // new text takes the base font
        QCOMPARE(v.document()->defaultFont().pointSizeF(), 28.0);
        QVERIFY(v.FontBold());
    }

    void newTextTakesTheBaseFont_data()
    {
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("Text") << false;
        QTest::newRow("LoadFile of plain text") << true;
    }

    // Whatever the previous content looked like, new plain text shows the base font.
    void newTextTakesTheBaseFont()
    {
        QFETCH(bool, fromFile);
        RichTextView v(RichTextView::Input::Typing);
        QFont base(QStringLiteral("Liberation Serif"), 28);
        base.setItalic(true);
        v.setBaseFont(base);
        QVERIFY(
            v.setTextRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;}"
                         "\\f0\\fs16\\b\\cf1 rich content}"));
        if (fromFile)
            QVERIFY(v.LoadFile(writeFile(QStringLiteral("plain.txt"), "new script\nsecond line")).ok);
        else
            v.setText(QStringLiteral("new script\r\nsecond line"));
        const QTextDocument *doc = v.document();
        for (int p = 0; p < doc->characterCount() - 1; ++p) {
            QTextCursor c(const_cast<QTextDocument *>(doc));
            c.setPosition(p + 1);
            const QTextCharFormat f = c.charFormat();
            const QFont shown = f.font().resolve(doc->defaultFont());
            QCOMPARE(shown.family(), QStringLiteral("Liberation Serif"));
            QCOMPARE(shown.pointSizeF(), 28.0);
            QVERIFY(!shown.bold());
            QVERIFY(shown.italic());
            QVERIFY(!f.hasProperty(QTextFormat::ForegroundBrush));
        }
        QCOMPARE(v.FontName(), QStringLiteral("Liberation Serif"));
        QCOMPARE(v.FontSize(), 28.0);
    }

    void loadFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                             "e\ncaf\xc3\xa9")
                               << QString::fromUtf8("Grüße\r\ncafé");
        QTest::newRow("UTF-8 BOM") << QByteArray("\xef\xbb\xbfhi") << "hi";
        QTest::newRow("UTF-16 LE BOM") << QByteArray("\xff\xfeh\0i\0", 6) << "hi";
        QTest::newRow("Windows-1252")
            << QByteArray("caf\xe9 \x93quoted\x94") << QString::fromUtf8("café “quoted”");
        QTest::newRow("rich text") << QByteArray("{\\rtf1\\ansi {\\b bold} plain\\par second}")
                                   << "bold plain\r\nsecond";
        QTest::newRow("empty file") << QByteArray() << "";
    }

    void loadFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        RichTextView v(RichTextView::Input::Typing);
        const RichTextView::LoadResult r = v.LoadFile(writeFile(QStringLiteral("script.txt"), bytes));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(v.Text(), text);
    }

    void loadFailureKeepsTheContent_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("nope.txt"));
        QTest::newRow("directory") << m_dir.path();
        QTest::newRow("empty path") << QString();
    }

    void loadFailureKeepsTheContent()
    {
        QFETCH(QString, path);
        RichTextView v(RichTextView::Input::Typing);
        v.setText(QStringLiteral("keep me"));
        const RichTextView::LoadResult r = v.LoadFile(path);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(v.Text(), QStringLiteral("keep me"));
    }

    void rtfRoundTripThroughTheView()
    {
        RichTextView a(RichTextView::Input::None);
        a.setText(QStringLiteral("marked passage\nrest"));
        a.setSelStart(0);
        a.setSelLength(6);
        a.setSelColor(colors::rgb(0, 128, 255));
        RichTextView b(RichTextView::Input::Selection);
        QVERIFY(b.setTextRTF(a.TextRTF()));
        QCOMPARE(b.Text(), a.Text());
        QTextCursor c(b.document());
        c.setPosition(1);
        QCOMPARE(c.charFormat().foreground().color(), QColor(0, 128, 255));
    }

    void scriptViewTakesNoInput()
    {
        RichTextView v(RichTextView::Input::None);
        QVERIFY(v.testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(v.focusPolicy(), Qt::NoFocus);
        RichTextView body(RichTextView::Input::Typing);
        QVERIFY(!body.isReadOnly());
    }
};

QTEST_MAIN(tst_RichTextView)
#include "tst_richtextview.moc"
