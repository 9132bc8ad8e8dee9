// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RichTextView.h"

#include "documents/Documents.h"
#include "documents/Rtf.h"
#include "documents/ScriptLines.h"
#include "documents/TextDecoding.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/LayoutBounds.h"
#include "ui/Tags.h"
#include "ui/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QBackingStore>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>

namespace {
// Far beyond any script; refusing it keeps the prompter from stalling on a stray huge file.
constexpr qint64 kMaxScriptBytes = 64 * 1024 * 1024;
constexpr int kMaxCachedCharacters = 2'000'000;
} // namespace

RichTextView::RichTextView(Input input, QWidget *parent)
    : QTextEdit(parent), m_input(input), m_backColor(colors::system(5)), m_selection(document())
{
    setAcceptRichText(false);
    setUndoRedoEnabled(input == Input::Typing);
    if (input != Input::Typing) {
        setReadOnly(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setContextMenuPolicy(Qt::NoContextMenu);
        document()->setDocumentMargin(0);
        // Opaque, so that moving the view by a scroll step lets the toolkit shift what is already
        // on screen and paint only the strip that comes into view.
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }
    if (input == Input::None) {
        setTextInteractionFlags(Qt::NoTextInteraction);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
        viewport()->setCursor(Qt::IBeamCursor);
    } else if (input == Input::Selection) {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        setFocusPolicy(Qt::ClickFocus);
    }
}

QString RichTextView::Text() const
{
    return textOf(*document());
}

QString RichTextView::textOf(const QTextDocument &doc)
{
    return ScriptLines(doc).text();
}

void RichTextView::fillPlain(QTextDocument &doc, const QString &text, const QFont &font,
                             const std::function<void()> &whileEmpty)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // One edit that inserts the text in the base font: the layout meets it as one new document, laid
    // out when first needed, and no pass over every paragraph sets its format afterwards.
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    QTextCursor all(&doc);
    all.beginEditBlock();
    doc.clear();
    QTextCharFormat base;
    base.setFont(font, QTextCharFormat::FontPropertiesAll);
    all.setBlockCharFormat(base);
    all.setCharFormat(base);
    if (whileEmpty)
        whileEmpty();
    all.insertText(plain, base);
    all.endEditBlock();
    doc.setUndoRedoEnabled(undo);
}

void RichTextView::setText(const QString &text)
{
    // Replacing the content, margins included, is no step the editor's Undo takes back.
    const bool undo = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    QTextCursor batch(document());
    batch.beginEditBlock();
    // Set while the document is empty: a new wrap mode lays out what the document holds at once.
    fillPlain(*document(), text, font(),
              [&] { setWordWrapMode(layoutbounds::wrapMode(layoutbounds::measure(text))); });
    contentReplaced();
    batch.endEditBlock();
    document()->setUndoRedoEnabled(undo);
    // Emptying the document put the cursor at the start; the editor shows it there without making
    // the layout reach the end first.
    if (m_input == Input::Typing)
        verticalScrollBar()->setValue(0);
}

// New content comes with a fresh root frame and invalidates the old selection.
void RichTextView::contentReplaced()
{
    m_selection = QTextCursor(document());
    // A paragraph's shaped glyphs are otherwise dropped after each layout and made again at every
    // paint that touches it: a scroll step, the reading band, a new width. Kept for scripts of a
    // sane length (about 30 bytes a character).
    if (m_input != Input::Typing && document()->characterCount() <= kMaxCachedCharacters) {
        for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
            b.layout()->setCacheEnabled(true);
    }
    QTextFrameFormat f = document()->rootFrame()->frameFormat();
    if (f.leftMargin() != m_leftMargin || f.rightMargin() != m_rightMargin) {
        f.setLeftMargin(m_leftMargin);
        f.setRightMargin(m_rightMargin);
        document()->rootFrame()->setFrameFormat(f);
    }
}

QByteArray RichTextView::TextRTF() const
{
    return rtf::write(document());
}

bool RichTextView::setTextRTF(const QByteArray &rtfData, documents::Error *refusal)
{
    const LoadResult r = readRTF(rtfData, false);
    if (refusal)
        *refusal = r.readError;
    return r.ok;
}

RichTextView::LoadResult RichTextView::loadTextRTF(const QByteArray &rtfData)
{
    return readRTF(rtfData, true);
}

RichTextView::LoadResult RichTextView::readRTF(QByteArrayView rtfData, bool bounded)
{
    // Within one edit block nothing is laid out, so a text the layout must not take is never shown.
    const QByteArray before = bounded && !document()->isEmpty() ? TextRTF() : QByteArray();
    QTextCursor batch(document());
    batch.beginEditBlock();
    LoadResult result;
    result.readError = rtf::read(rtfData, document());
    result.ok = result.readError == documents::Error::None;
    if (!result.ok) {
        result.error = documents::describe(documents::Result{result.readError, {}});
    } else {
        const layoutbounds::Shape shape = layoutbounds::measure(document()->toRawText());
        if (bounded)
            result.error = layoutbounds::refusal(shape);
        if (result.error.isEmpty()) {
            // Lays out the first paragraph once more, in the mode it needs, when the mode changes.
            setWordWrapMode(layoutbounds::wrapMode(shape));
        } else {
            result.ok = false;
            result.refused = true;
            if (before.isEmpty())
                document()->clear();
            else
                rtf::read(before, document());
        }
    }
    contentReplaced();
    batch.endEditBlock();
    return result;
}

void RichTextView::adoptDocument(std::unique_ptr<QTextDocument> doc)
{
    QTextDocument *old = document();
    doc->setDefaultFont(old->defaultFont());
    doc->setDocumentMargin(old->documentMargin());
    doc->setUndoRedoEnabled(false);
    const bool undo = old->isUndoRedoEnabled();
    // The view keeps its wrap mode and gives it to the new document; set while the old one is empty,
    // nothing is laid out again for it.
    old->clear();
    setWordWrapMode(layoutbounds::wrapMode(layoutbounds::measure(doc->toRawText())));
    // The text control deletes the document it made; one adopted before is ours to delete.
    const bool oldIsOurs = old->parent() == this;
    doc->setParent(this);
    setDocument(doc.release());
    if (oldIsOurs)
        delete old;
    QTextCursor batch(document());
    batch.beginEditBlock();
    contentReplaced();
    batch.endEditBlock();
    document()->setUndoRedoEnabled(undo);
    if (m_input == Input::Typing)
        verticalScrollBar()->setValue(0);
}

preparedlayout::Shape RichTextView::preparedShape() const
{
    return {document()->defaultFont().toString(), wordWrapMode(), maximumViewportSize().width(),
            document()->documentMargin(),         m_leftMargin,   m_rightMargin};
}

void RichTextView::showPrepared(std::unique_ptr<QTextDocument> doc)
{
    if (!preparedlayout::laidOutAt(*doc, preparedShape())) {
        adoptDocument(std::move(doc));
        return;
    }
    QTextDocument *old = document();
    const bool undo = old->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextDocument *shown = doc.release();
    shown->setParent(this);
    // Ours to delete from here, whether the text control made it or not.
    old->setParent(nullptr);
    {
        const preparedlayout::Keep keep(*shown);
        setDocument(shown);
    }
    QTextCursor batch(shown);
    batch.beginEditBlock();
    contentReplaced();
    batch.endEditBlock();
    shown->setUndoRedoEnabled(undo);
    delete old; // those watching the script take up the new one as the old goes
}

int RichTextView::textLength() const
{
    return ScriptLines(*document()).textLength();
}

int RichTextView::lineStartAt(int y) const
{
    ensureLayout();
    return ScriptLines(*document()).lineStartAt(y);
}

QRectF RichTextView::lineRect(int position) const
{
    ensureLayout();
    return ScriptLines(*document()).lineRect(position);
}

QRectF RichTextView::paragraphRect(int position) const
{
    ensureLayout();
    return ScriptLines(*document()).paragraphRect(position);
}

RichTextView::Span RichTextView::lineSpan(int position) const
{
    ensureLayout();
    return ScriptLines(*document()).lineSpan(position);
}

int RichTextView::toDocPosition(int textPosition) const
{
    return ScriptLines(*document()).toDocPosition(textPosition);
}

int RichTextView::toTextPosition(int docPosition) const
{
    return ScriptLines(*document()).toTextPosition(docPosition);
}

QTextCursor RichTextView::selection() const
{
    return m_input == Input::None ? m_selection : textCursor();
}

void RichTextView::setSelection(int anchor, int position)
{
    QTextCursor c(document());
    c.setPosition(anchor);
    c.setPosition(position, QTextCursor::KeepAnchor);
    if (m_input == Input::None)
        m_selection = c;
    else
        setTextCursor(c);
}

int RichTextView::SelStart() const
{
    return toTextPosition(selection().selectionStart());
}

void RichTextView::setSelStart(int position)
{
    const int p = toDocPosition(position);
    setSelection(p, p);
}

int RichTextView::SelLength() const
{
    const QTextCursor c = selection();
    return toTextPosition(c.selectionEnd()) - toTextPosition(c.selectionStart());
}

void RichTextView::setSelLength(int length)
{
    const int start = SelStart();
    const int end = start + std::max(0, length);
    setSelection(toDocPosition(start), toDocPosition(end));
}

QString RichTextView::SelText() const
{
    QString text = selection().selectedText();
    text.replace(QChar::LineSeparator, QLatin1Char('\v'));
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

void RichTextView::setSelColor(qint32 color)
{
    QTextCursor c = selection();
    if (!c.hasSelection())
        return;
    QTextCharFormat f;
    f.setForeground(colors::resolve(color, this));
    c.mergeCharFormat(f);
}

void RichTextView::colorRange(int start, int length, qint32 color)
{
    setSelStart(start);
    setSelLength(length);
    setSelColor(color);
    setSelLength(0);
}

void RichTextView::ensureLayout() const
{
    QTextDocument *doc = document();
    // Layout is lazy and a hidden widget gets its resize event late: lay out at the width it has now.
    const qreal width = maximumViewportSize().width();
    if (lineWrapMode() == WidgetWidth && doc->textWidth() != width)
        doc->setTextWidth(width);
    doc->documentLayout()->documentSize();
}

int RichTextView::GetLineFromChar(int position) const
{
    ensureLayout();
    return ScriptLines(*document()).lineOf(position);
}

int RichTextView::lineCount() const
{
    if (const std::optional<int> prepared = preparedlayout::lineCount(*document()))
        return *prepared;
    ensureLayout();
    return ScriptLines(*document()).lineCount();
}

RichTextView::LoadResult RichTextView::LoadFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {false, tr("The file “%1” does not exist.").arg(path)};
    if (!info.isFile())
        return {false, tr("“%1” is not a file.").arg(path)};
    if (info.size() > kMaxScriptBytes)
        return {false, tr("“%1” is too large to be a script.").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, tr("“%1” cannot be read: %2").arg(path, file.errorString())};
    const QByteArray data = file.read(kMaxScriptBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {false, tr("“%1” cannot be read: %2").arg(path, file.errorString())};

    if (rtf::looksLikeRtf(data)) {
        const LoadResult r = readRTF(data, true);
        if (r.refused)
            return {false, tr("“%1” cannot be shown: %2.").arg(path, r.error)};
        if (!r.ok)
            return {false, tr("“%1” is not a readable Rich Text file: %2").arg(path, r.error)};
    } else {
        if (documents::countParagraphs(data) > documents::kMaxParagraphs)
            return {false, tr("“%1” has more than %L2 paragraphs, too many for a script.")
                               .arg(path)
                               .arg(documents::kMaxParagraphs)};
        const QString text = textcodec::decodeText(data);
        const QString refusal = layoutbounds::refusal(layoutbounds::measure(text));
        if (!refusal.isEmpty())
            return {false, tr("“%1” cannot be shown: %2.").arg(path, refusal)};
        setText(text);
    }
    return {true, {}};
}

void RichTextView::mergeIntoAll(const QTextCharFormat &format)
{
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    c.mergeCharFormat(format);
}

QString RichTextView::FontName() const
{
    return font().family();
}
double RichTextView::FontSize() const
{
    return font().pointSizeF();
}
bool RichTextView::FontBold() const
{
    return font().bold();
}
bool RichTextView::FontItalic() const
{
    return font().italic();
}
bool RichTextView::FontUnderline() const
{
    return font().underline();
}
bool RichTextView::FontStrikethrough() const
{
    return font().strikeOut();
}

void RichTextView::setBaseFont(const QFont &font)
{
    QFont f = font;
    // Kerning and ligatures cost two thirds of every layout of a long script; writing systems that
    // need shaping to be legible are still shaped.
    f.setStyleStrategy(QFont::PreferNoShaping);
    setFont(f);
    document()->setDefaultFont(f);
    QTextCharFormat format;
    format.setFont(f, QTextCharFormat::FontPropertiesAll);
    mergeIntoAll(format);
}

void RichTextView::setFontName(const QString &name)
{
    QFont f = fonts::make(name, FontSize(), FontBold());
    f.setItalic(FontItalic());
    f.setUnderline(FontUnderline());
    f.setStrikeOut(FontStrikethrough());
    setBaseFont(f);
}

void RichTextView::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setBaseFont(f);
}

void RichTextView::setFontBold(bool on)
{
    QFont f = font();
    f.setBold(on);
    setBaseFont(f);
}

void RichTextView::setFontItalic(bool on)
{
    QFont f = font();
    f.setItalic(on);
    setBaseFont(f);
}

void RichTextView::setFontUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setBaseFont(f);
}

void RichTextView::setFontStrikethrough(bool on)
{
    QFont f = font();
    f.setStrikeOut(on);
    setBaseFont(f);
}

void RichTextView::setBackColor(qint32 color)
{
    m_backColor = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, colors::resolve(color, this));
    setPalette(p);
}

void RichTextView::showScript()
{
    colors::showsScript(this);
    // Text that no colouring has reached yet is drawn in the page's own text colour.
    QPalette p = palette();
    p.setColor(QPalette::Text, colors::scriptPalette().color(QPalette::Text));
    setPalette(p);
    setBackColor(m_backColor);
}

void RichTextView::setTextMargins(int left, int right)
{
    m_leftMargin = left;
    m_rightMargin = right;
    contentReplaced();
}

QString RichTextView::Tag() const
{
    return tags::tag(this);
}
void RichTextView::setTag(const QString &text)
{
    tags::setTag(this, text);
}

std::optional<qint32> RichTextView::scriptColor() const
{
    bool ok = false;
    const qint32 color = Tag().toInt(&ok);
    return ok ? std::optional<qint32>(color) : std::nullopt;
}

void RichTextView::keyPressEvent(QKeyEvent *event)
{
    // A soft line break would be one character in the document but no line end in Text().
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text());
        QTextEdit::keyPressEvent(&plain);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

namespace {
// Where a widget's painting goes at the moment, which only a widget may ask of itself.
struct PaintTarget : QWidget
{
    static QPaintDevice *of(const QWidget *w) { return (w->*(&PaintTarget::redirected))(nullptr); }
};
} // namespace

void RichTextView::paintEvent(QPaintEvent *event)
{
    // A frame on screen is painted into the window's backing store; render() and grab() elsewhere.
    if (m_beneath) {
        QBackingStore *store = window()->backingStore();
        if (store && PaintTarget::of(viewport()) == store->paintDevice()) {
            QPainter p(viewport());
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(event->rect(), Qt::transparent);
            return;
        }
    }
    QTextEdit::paintEvent(event);
}
