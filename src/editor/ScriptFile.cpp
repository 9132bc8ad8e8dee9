#include "editor/ScriptFile.h"

#include "documents/Documents.h"
#include "documents/Rtf.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextCursor>
#include <QTextDocument>

namespace scriptfile {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("frmEditText", text);
}

} // namespace

namespace {

// Reads the file once and hands its text on: plain text to `plain`, Rich Text to `rich`; each returns
// why it refused the text, or nothing.
template <class Plain, class Rich> Opened readInto(const QString &path, Plain plain, Rich rich)
{
    const documents::FileData file = documents::readScriptFile(path);
    if (!file.ok())
        return {Opened::State::Failed, failureMessage(path, documents::describe(file))};
    // Only the bytes read above, never the path again: the file may change in between.
    QString refusal;
    switch (file.kind) {
    case documents::Kind::PlainText:
        refusal = plain(file.text);
        break;
    case documents::Kind::Rtf:
        refusal = rich(file.data);
        break;
    case documents::Kind::Zip: {
        const documents::TextResult r = documents::readPackageText(file.data);
        if (!r.ok())
            return {Opened::State::Failed, failureMessage(path, documents::describe(r))};
        refusal = plain(r.text);
        break;
    }
    case documents::Kind::WordBinary:
        return {Opened::State::NeedsConverter, {}};
    }
    if (!refusal.isEmpty())
        return {Opened::State::Failed, failureMessage(path, refusal)};
    return {Opened::State::Loaded, {}};
}

} // namespace

Opened open(const QString &path, RichTextView &into)
{
    return readInto(
        path,
        [&into](const QString &text) {
            QString refusal = layoutbounds::refusal(text);
            if (refusal.isEmpty())
                into.setText(text);
            return refusal;
        },
        [&into](const QByteArray &data) {
            const RichTextView::LoadResult r = into.loadTextRTF(data);
            return r.ok ? QString() : r.error;
        });
}

OpenedText openText(const QString &path)
{
    OpenedText out;
    out.opened = readInto(
        path,
        [&out](const QString &text) {
            out.text = text;
            return layoutbounds::refusal(text);
        },
        [&out](const QByteArray &data) {
            // No view: nothing lays the formatted text out only to take its characters.
            QTextDocument doc;
            if (const documents::Error why = rtf::readWithin(data, &doc); why != documents::Error::None)
                return documents::describe(documents::Result{why, {}});
            out.text = RichTextView::textOf(doc);
            return layoutbounds::refusal(out.text);
        });
    return out;
}

QString failureMessage(const QString &path, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    return tr("The file “%1” cannot be opened: %2.").arg(shown, reason);
}

void apply(RichTextView &rtDoc, QLabel *lblWords, const QString &text)
{
    // Inside one edit block the text, the selection and the colour do not lay the long text out;
    // the prompter's layout that follows does it once.
    QTextCursor batch(rtDoc.document());
    batch.beginEditBlock();
    rtDoc.setText(text);
    rtDoc.setSelStart(0);
    rtDoc.setSelLength(rtDoc.textLength());
    rtDoc.setSelColor(rtDoc.Tag().toInt());
    rtDoc.setSelLength(0);
    batch.endEditBlock();
    if (lblWords)
        lblWords->setText(QString::number(documents::CountWords(text)) + QStringLiteral(" Words"));
}

} // namespace scriptfile
