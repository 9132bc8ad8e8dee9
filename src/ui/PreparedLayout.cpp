// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PreparedLayout.h"

#include "documents/ScriptLines.h"
#include "ui/LayoutBounds.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QThread>

#include <atomic>
#include <optional>
#include <private/qtextdocumentlayout_p.h>

namespace preparedlayout {
namespace {

std::atomic<int> g_wholeLayouts{0};

// The toolkit's own document layout, with one change: a text view that takes a document sets its page
// size, and the stock layout then lays everything out again even when the size is the one it has.
class KeptLayout final : public QTextDocumentLayout
{
public:
    explicit KeptLayout(QTextDocument *doc) : QTextDocumentLayout(doc) {}

    void documentChanged(int from, int oldLength, int length) override
    {
        const bool whole = from == 0 && oldLength == 0 && length == document()->characterCount();
        if (whole && keeping && laidOutAt && document()->pageSize().width() == laidOutAt->width)
            return;
        if (whole && document()->pageSize().width() > 0)
            ++g_wholeLayouts;
        laidOutAt.reset();
        QTextDocumentLayout::documentChanged(from, oldLength, length);
    }

    std::optional<Shape> laidOutAt; // none once anything changed
    int lines = 0;                  // while laidOutAt holds
    bool keeping = false;
};

KeptLayout *kept(const QTextDocument &doc)
{
    return dynamic_cast<KeptLayout *>(doc.documentLayout());
}

} // namespace

void layOut(QTextDocument &doc, const Shape &shape)
{
    // A text the view would wrap otherwise is laid out by the view, once it has set the mode.
    if (layoutbounds::wrapMode(layoutbounds::measure(doc.toRawText())) != shape.wrap)
        return;
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(shape.wrap);
    doc.setDefaultTextOption(option);
    QFont font;
    font.fromString(shape.font);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(shape.documentMargin);
    QTextFrameFormat frame = doc.rootFrame()->frameFormat();
    frame.setLeftMargin(shape.leftMargin);
    frame.setRightMargin(shape.rightMargin);
    doc.rootFrame()->setFrameFormat(frame);
    // The width first and the layout after, so that the text is laid out once, at that width.
    doc.setTextWidth(shape.width);
    auto *layout = new KeptLayout(&doc);
    doc.setDocumentLayout(layout);
    layout->documentSize();
    layout->laidOutAt = shape;
    layout->lines = ScriptLines(doc).lineCount();
    // The layout tells its new size from a zero timer of this thread: let it go off before the
    // document moves on, rather than leave a timer behind in a thread it no longer lives in.
    if (QThread::currentThread() != QCoreApplication::instance()->thread())
        QCoreApplication::processEvents();
    // The glyphs were shaped with this thread's fonts: the window's thread shapes again with its own
    // when it paints. The lines stay.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextLayout *l = b.layout();
        l->setFont(l->font());
    }
}

bool laidOutAt(const QTextDocument &doc, const Shape &shape)
{
    const KeptLayout *layout = kept(doc);
    return layout && layout->laidOutAt && *layout->laidOutAt == shape;
}

std::optional<int> lineCount(const QTextDocument &doc)
{
    const KeptLayout *layout = kept(doc);
    if (!layout || !layout->laidOutAt)
        return std::nullopt;
    return layout->lines;
}

Keep::Keep(QTextDocument &doc) : m_doc(doc)
{
    if (KeptLayout *layout = kept(m_doc))
        layout->keeping = true;
}

Keep::~Keep()
{
    if (KeptLayout *layout = kept(m_doc))
        layout->keeping = false;
}

int wholeLayouts()
{
    return g_wholeLayouts.load();
}

} // namespace preparedlayout
