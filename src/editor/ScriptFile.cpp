#include "editor/ScriptFile.h"

#include "documents/Documents.h"
#include "documents/TextDecoding.h"
#include "ui/RichTextView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextCursor>

namespace scriptfile {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("frmEditText", text);
}

} // namespace

Opened open(const QString &path, RichTextView &into)
{
    const documents::FileData file = documents::readScriptFile(path);
    if (!file.ok())
        return {Opened::State::Failed, failureMessage(path, documents::describe(file))};
    // Only the bytes read above, never the path again: the file may change in between.
    switch (file.kind) {
    case documents::Kind::PlainText:
        into.setText(textcodec::decodeText(file.data));
        break;
    case documents::Kind::Rtf:
        // The data begins as RTF does, so the paragraph limit is the one thing the reader refuses.
        if (!into.setTextRTF(file.data))
            return {Opened::State::Failed,
                    failureMessage(path, documents::describe(
                                             documents::Result{documents::Error::TooManyParagraphs, {}}))};
        break;
    case documents::Kind::Zip: {
        const documents::TextResult r = documents::readPackageText(file.data);
        if (!r.ok())
            return {Opened::State::Failed, failureMessage(path, documents::describe(r))};
        into.setText(r.text);
        break;
    }
    case documents::Kind::WordBinary:
        return {Opened::State::NeedsConverter, {}};
    }
    return {Opened::State::Loaded, {}};
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
