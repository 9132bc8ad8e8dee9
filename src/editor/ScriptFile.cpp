#include "editor/ScriptFile.h"

#include "documents/Documents.h"
#include "documents/Rtf.h"
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

// Reads the file once and hands its text on: plain text to `plain`, Rich Text to `rich` (which says
// why it refused it, if it did).
template <class Plain, class Rich> Opened readInto(const QString &path, Plain plain, Rich rich)
{
    const documents::FileData file = documents::readScriptFile(path);
    if (!file.ok())
        return {Opened::State::Failed, failureMessage(path, documents::describe(file))};
    // Only the bytes read above, never the path again: the file may change in between.
    switch (file.kind) {
    case documents::Kind::PlainText:
        plain(file.text);
        break;
    case documents::Kind::Rtf:
        if (const documents::Error why = rich(file.data); why != documents::Error::None)
            return {Opened::State::Failed,
                    failureMessage(path, documents::describe(documents::Result{why, {}}))};
        break;
    case documents::Kind::Zip: {
        const documents::TextResult r = documents::readPackageText(file.data);
        if (!r.ok())
            return {Opened::State::Failed, failureMessage(path, documents::describe(r))};
        plain(r.text);
        break;
    }
    case documents::Kind::WordBinary:
        return {Opened::State::NeedsConverter, {}};
    }
    return {Opened::State::Loaded, {}};
}

} // namespace

Opened open(const QString &path, RichTextView &into)
{
    return readInto(
        path, [&into](const QString &text) { into.setText(text); },
        [&into](const QByteArray &data) {
            documents::Error why = documents::Error::None;
            into.setTextRTF(data, &why);
            return why;
        });
}

OpenedText openText(const QString &path)
{
    OpenedText out;
    out.opened = readInto(
        path, [&out](const QString &text) { out.text = text; },
        [&out](const QByteArray &data) {
            // No view: nothing lays the formatted text out only to take its characters.
            QTextDocument doc;
            const documents::Error why = rtf::readWithin(data, &doc);
            out.text = RichTextView::textOf(doc);
            return why;
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
