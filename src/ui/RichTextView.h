// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "documents/Documents.h"
#include "documents/ScriptLines.h"
#include "ui/PreparedLayout.h"

#include <QMetaMethod>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>

#include <functional>
#include <memory>
#include <optional>

// The rich text view behind the script view, its mark-mode mirror and the editor box.
// Character positions count from 0 and agree between Text(), the selection and GetLineFromChar():
// every paragraph end counts as the two characters CR LF that Text() shows.
class RichTextView : public QTextEdit
{
    Q_OBJECT

public:
    enum class Input {
        None,      // no mouse or keyboard: events fall through to the parent
        Selection, // mouse selection only
        Typing     // an ordinary editor
    };

    struct LoadResult
    {
        bool ok = false;
        QString error;        // what went wrong, for the operator
        bool refused = false; // readable, but more than the layout takes quickly
        documents::Error readError = documents::Error::None; // why the reader refused it, if it did
    };

    explicit RichTextView(Input input, QWidget *parent = nullptr);

    QString Text() const;
    // The text of any document as Text() gives it.
    static QString textOf(const QTextDocument &doc);
    void setText(const QString &text); // replaces everything; the new text takes the base font
    // What setText() does, to a document of its own (one built off the window's thread).
    // `whileEmpty` runs once the old content is gone and before the new goes in.
    static void fillPlain(QTextDocument &doc, const QString &text, const QFont &font,
                          const std::function<void()> &whileEmpty = {});
    // Shows a document built elsewhere instead of the current content, with the view's base font.
    void adoptDocument(std::unique_ptr<QTextDocument> doc);
    // How a document must be laid out (preparedlayout::layOut) for the view to show it as it is.
    preparedlayout::Shape preparedShape() const;
    // Shows a document laid out elsewhere instead of the current content: with its lines as they are
    // when laid out at the view's shape, laid out again as adoptDocument() does otherwise.
    void showPrepared(std::unique_ptr<QTextDocument> doc);

    QByteArray TextRTF() const;
    // False when the data is no RTF or over a script's limits (`refusal` then says which).
    bool setTextRTF(const QByteArray &rtfData, documents::Error *refusal = nullptr);
    // As setTextRTF, but a text beyond what the layout takes quickly (ui/LayoutBounds.h) is refused
    // too; a refused text leaves the content as it was.
    LoadResult loadTextRTF(const QByteArray &rtfData);

    int SelStart() const;
    void setSelStart(int position);
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;
    void setSelColor(qint32 color);
    // Colours a range and leaves an empty selection at its start, as every colouring caller wants.
    void colorRange(int start, int length, qint32 color);

    // 0-based display line (word wrap included, at the current width) holding a position.
    int GetLineFromChar(int position) const;
    // Display lines of the whole text.
    int lineCount() const;

    // Rich Text Format when the file is one, else plain text in its detected encoding.
    // A path that is not a readable regular file leaves the content as it was.
    LoadResult LoadFile(const QString &path);

    // The base font: applies to the whole text.
    QString FontName() const;
    void setFontName(const QString &name);
    double FontSize() const;
    void setFontSize(double points);
    bool FontBold() const;
    void setFontBold(bool on);
    bool FontItalic() const;
    void setFontItalic(bool on);
    bool FontUnderline() const;
    void setFontUnderline(bool on);
    bool FontStrikethrough() const;
    void setFontStrikethrough(bool on);
    void setBaseFont(const QFont &font);

    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 color);
    // The view shows the script on its own page: its colours no longer follow the desktop's palette.
    void showScript();

    QString Tag() const;
    void setTag(const QString &text);
    // The script colour, which the script view keeps as decimal text in its Tag; nothing while the
    // Tag holds no number.
    std::optional<qint32> scriptColor() const;

    int textLength() const; // length of Text()
    // Where in Text() the display line at y pixels down the view begins.
    int lineStartAt(int y) const;
    // The display line holding a position, in pixels down and across the view: lines of a script in
    // several sizes differ in height.
    QRectF lineRect(int position) const;
    // The display line holding a position, as positions of Text(): its start and the next line's
    // (a paragraph's last line holds its line end).
    using Span = ScriptLines::Span;
    Span lineSpan(int position) const;
    // The paragraph holding a position, in pixels down and across the view.
    QRectF paragraphRect(int position) const;

    // Lays the document out at the view's width now: layout is lazy, and a hidden view is resized late.
    void ensureLayout() const;

    // Space kept free inside the view's left and right edges, in pixels.
    void setTextMargins(int left, int right);
    int leftTextMargin() const { return m_leftMargin; }
    int rightTextMargin() const { return m_rightMargin; }

    // The compositor shows the script beneath the window: on screen the view is clear, and only
    // pictures drawn elsewhere (render(), grab()) hold the text.
    void setShownBeneath(bool on) { m_beneath = on; }
    bool shownBeneath() const { return m_beneath; }

    // How far below its place in whole pixels the script truly lies (-0.5 to 0.5), for pictures of
    // it that the display places at a fraction of a pixel. A move of the view tells them with its
    // own event, so only a change without one is signalled.
    qreal shownFraction() const { return m_fraction; }
    // Whether a picture placed at fractions of a pixel follows the view now.
    bool fractionShown() const
    {
        return isSignalConnected(QMetaMethod::fromSignal(&RichTextView::shownFractionChanged));
    }
    void setShownFraction(qreal fraction, bool tell)
    {
        if (fraction == m_fraction)
            return;
        m_fraction = fraction;
        if (tell)
            Q_EMIT shownFractionChanged();
    }

Q_SIGNALS:
    void shownFractionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int toDocPosition(int textPosition) const;
    int toTextPosition(int docPosition) const;
    LoadResult readRTF(QByteArrayView rtfData, bool bounded);
    void mergeIntoAll(const QTextCharFormat &format);
    QTextCursor selection() const;
    void setSelection(int anchor, int position);
    void keyPressEvent(QKeyEvent *event) override;

    Input m_input;
    qint32 m_backColor;
    void contentReplaced();

    QTextCursor m_selection;
    int m_leftMargin = 0;
    int m_rightMargin = 0; // used while the view takes no input, so nothing scrolls it internally
    bool m_beneath = false;
    qreal m_fraction = 0;
};
