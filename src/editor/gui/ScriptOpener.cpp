// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/gui/ScriptOpener.h"

#include "common/LocalPath.h"
#include "documents/DocConverter.h"
#include "editor/gui/Log.h"
#include "editor/gui/ScriptFile.h"
#include "ui/Dialogs.h"
#include "ui/LayoutBounds.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// The local files a drag carries, as paths the program can open; empty for text or remote addresses.
QStringList droppedFiles(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    QStringList out;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            return {};
        const QString local = url.toLocalFile();
        // Bytes that are not UTF-8 come percent-encoded; QUrl would decode them lossily.
        out << (!local.contains(QChar::ReplacementCharacter)
                    ? local
                    : localpath::usable(
                          QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())));
    }
    return out;
}

// Takes files dropped on the viewport; everything else dropped there is refused.
class ScriptDropTarget final : public QObject
{
public:
    ScriptDropTarget(ScriptOpener &opener, QWidget *viewport, std::function<QString()> busy)
        : QObject(viewport), m_opener(opener), m_busy(std::move(busy))
    {
        viewport->setAcceptDrops(true);
        viewport->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDropEvent *>(event);
            if (wanted(drag->mimeData()).isEmpty())
                drag->ignore();
            else
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QStringList paths = wanted(drop->mimeData());
            if (paths.isEmpty()) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            // Opened once the drop is over: a message about the file must not hold up the drag source.
            QMetaObject::invokeMethod(
                &m_opener,
                [opener = &m_opener, paths] {
                    // A folder or a rundown is a show of several scripts, as several files are.
                    const QFileInfo one(paths.first());
                    if (paths.size() == 1 && !one.isDir() &&
                        one.suffix().compare(QLatin1String("cuerundown"), Qt::CaseInsensitive) != 0)
                        opener->OpenScript(paths.first());
                    else
                        Q_EMIT opener->showDropped(paths);
                },
                Qt::QueuedConnection);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    QStringList wanted(const QMimeData *mime) const
    {
        return m_busy().isEmpty() ? droppedFiles(mime) : QStringList();
    }

    ScriptOpener &m_opener;
    std::function<QString()> m_busy;
};

} // namespace

ScriptOpener::ScriptOpener(Dialogs &dialogs, Controls controls, std::function<QString()> busy)
    : QObject(controls.window), m_dialogs(dialogs), m_c(controls), m_busy(std::move(busy))
{
    new ScriptDropTarget(*this, m_c.picBack, m_busy);
}

void ScriptOpener::OpenScript(const QString &path)
{
    // As for Edit Text; and the editor or a dialog over the prompter has the operator's attention.
    if (const QString busy = m_busy(); !busy.isEmpty()) {
        qCInfo(lcEditor).noquote() << path << "not opened:" << busy;
        return;
    }
    Q_EMIT opening();
    CancelOpening();
    if (!m_reader) {
        m_reader = new scriptfile::Reader(this);
        connect(m_reader, &scriptfile::Reader::finished, this, &ScriptOpener::ScriptRead);
    }
    // Read off the window's thread: the window keeps answering and shows that it is busy.
    m_openingPath = path;
    m_wordsBeforeOpening = m_c.lblWords->text();
    m_c.lblWords->setText(tr("Opening…"));
    m_c.window->setCursor(Qt::WaitCursor);
    m_c.picBack->setCursor(Qt::WaitCursor);
    m_reader->start(path, scriptfile::Reader::Into::Text);
}

bool ScriptOpener::isOpening() const
{
    return (m_reader && m_reader->isRunning()) || (m_opening && m_opening->isRunning());
}

void ScriptOpener::ScriptRead(const scriptfile::Read &read)
{
    const scriptfile::Opened &opened = read.opened;
    switch (opened.state) {
    case scriptfile::Opened::State::Loaded:
        EndOpening();
        Q_EMIT scriptRead(read.text);
        break;
    case scriptfile::Opened::State::Failed:
        EndOpening();
        m_dialogs.message(m_c.window, Dialogs::Icon::Warning, tr("Open File"), opened.message);
        break;
    case scriptfile::Opened::State::NeedsConverter:
        if (!m_opening) {
            m_opening = new DocConverter(this);
            connect(m_opening, &DocConverter::finished, this, &ScriptOpener::OpeningFinished);
        }
        m_opening->start(m_openingPath);
        return;
    }
    Q_EMIT openingEnded();
}

void ScriptOpener::OpeningFinished(const documents::TextResult &result)
{
    EndOpening();
    if (result.error == documents::Error::Cancelled) {
        Q_EMIT openingEnded();
        return;
    }
    const QString refusal = result.ok() ? layoutbounds::refusal(result.text) : documents::describe(result);
    if (refusal.isEmpty())
        Q_EMIT scriptRead(result.text);
    else
        m_dialogs.message(m_c.window, Dialogs::Icon::Warning, tr("Open File"),
                          scriptfile::failureMessage(m_openingPath, refusal));
    Q_EMIT openingEnded();
}

void ScriptOpener::EndOpening()
{
    m_c.window->unsetCursor();
    m_c.picBack->setCursor(Qt::IBeamCursor);
    if (m_wordsBeforeOpening) {
        m_c.lblWords->setText(*m_wordsBeforeOpening);
        m_wordsBeforeOpening.reset();
    }
}

void ScriptOpener::CancelOpening()
{
    if (m_reader && m_reader->isRunning()) {
        m_reader->cancel();
        EndOpening();
        Q_EMIT openingEnded();
    }
    if (m_opening && m_opening->isRunning())
        m_opening->cancel();
}
