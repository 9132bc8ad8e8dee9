// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/gui/ScriptFile.h"

#include "documents/Cues.h"
#include "documents/Documents.h"
#include "documents/Rtf.h"
#include "editor/gui/Log.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QTextCursor>
#include <QTextDocument>
#include <QtConcurrent/QtConcurrentRun>

namespace scriptfile {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("scriptfile", text);
}

} // namespace

namespace {

Opened refused(const QString &path, const QString &reason)
{
    qCInfo(lcEditor).noquote() << "not opened" << path << "-" << reason;
    return {Opened::State::Failed, failureMessage(path, reason)};
}

// Reads the file once and hands its text on: plain text to `plain`, Rich Text to `rich`; each returns
// why it refused the text, or nothing.
template <class Plain, class Rich> Opened readInto(const QString &path, Plain plain, Rich rich)
{
    const documents::FileData file = documents::readScriptFile(path);
    if (!file.ok())
        return refused(path, documents::describe(file));
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
            return refused(path, documents::describe(r));
        refusal = plain(r.text);
        break;
    }
    case documents::Kind::WordBinary:
        qCDebug(lcEditor).noquote() << path << "needs the converter";
        return {Opened::State::NeedsConverter, {}};
    }
    if (!refusal.isEmpty())
        return refused(path, refusal);
    qCDebug(lcEditor).noquote() << "opened" << path << "as" << documents::kindName(file.kind);
    return {Opened::State::Loaded, {}};
}

} // namespace

Opened open(const QString &path, QTextDocument &into, const QFont &font)
{
    return readInto(
        path,
        [&into, &font](const QString &text) {
            QString refusal = layoutbounds::refusal(text);
            if (refusal.isEmpty())
                RichTextView::fillPlain(into, text, font);
            return refusal;
        },
        [&into](const QByteArray &data) {
            if (const documents::Error why = rtf::read(data, &into); why != documents::Error::None)
                return documents::describe(documents::Result{why, {}});
            return layoutbounds::refusal(into.toRawText());
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
            if (const documents::Error why = rtf::read(data, &doc); why != documents::Error::None)
                return documents::describe(documents::Result{why, {}});
            out.text = RichTextView::textOf(doc);
            return layoutbounds::refusal(out.text);
        });
    return out;
}

namespace {

bool g_readInline = false;

// Runs on the worker. The document is handed over with no thread of its own, so that the window's
// thread can take it, or a dropped read free it wherever its result goes.
Read readFile(const QString &path, Reader::Into into, const QFont &font)
{
    Read out;
    if (into == Reader::Into::Text) {
        OpenedText read = openText(path);
        out.opened = std::move(read.opened);
        out.text = std::move(read.text);
        return out;
    }
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(font);
    out.opened = open(path, *doc, font);
    if (out.opened.state == Opened::State::Loaded) {
        doc->moveToThread(nullptr);
        out.document = std::make_shared<std::unique_ptr<QTextDocument>>(std::move(doc));
    }
    return out;
}

} // namespace

Reader::Reader(QObject *parent) : QObject(parent) {}

Reader::~Reader()
{
    cancel();
}

void Reader::setReadInline(bool on)
{
    g_readInline = on;
}

void Reader::start(const QString &path, Into into, const QFont &font)
{
    cancel();
    if (g_readInline) {
        deliver(readFile(path, into, font));
        return;
    }
    auto *watcher = new QFutureWatcher<Read>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        if (watcher != m_watcher)
            return;
        m_watcher = nullptr;
        watcher->deleteLater();
        deliver(watcher->result());
    });
    m_watcher = watcher;
    watcher->setFuture(QtConcurrent::run(readFile, path, into, font));
}

void Reader::cancel()
{
    // The worker cannot be interrupted: it runs to its end and its result goes with the future.
    if (m_watcher) {
        m_watcher->disconnect(this);
        m_watcher->deleteLater();
        m_watcher = nullptr;
    }
}

void Reader::deliver(Read result)
{
    if (result.document && *result.document)
        (*result.document)->moveToThread(thread());
    Q_EMIT finished(result);
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString failureMessage(const QString &path, const QString &reason)
{
    return tr("The file “%1” cannot be opened: %2.").arg(shownPath(path), reason);
}

void apply(RichTextView &rtDoc, QLabel *lblWords, const QString &text)
{
    // Inside one edit block the text, the selection and the colour do not lay the long text out;
    // the prompter's layout that follows does it once.
    QTextCursor batch(rtDoc.document());
    batch.beginEditBlock();
    rtDoc.setText(text);
    rtDoc.colorRange(0, rtDoc.textLength(), rtDoc.scriptColor().value_or(0));
    cues::mark(*rtDoc.document());
    batch.endEditBlock();
    showWords(lblWords, text);
}

void showWords(QLabel *lblWords, const QString &text)
{
    if (lblWords) {
        const int words = cues::readWords(text);
        lblWords->setText(QCoreApplication::translate("frmMain", "%n Words", nullptr, words));
    }
}

} // namespace scriptfile
