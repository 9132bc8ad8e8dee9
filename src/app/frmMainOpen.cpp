#include "app/Log.h"
#include "app/frmMain.h"
#include "common/LocalPath.h"
#include "documents/DocConverter.h"
#include "editor/ScriptFile.h"
#include "ui/Dialogs.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

namespace {

// The one local file a drag carries, as a path the program can open; empty for text, several
// files or remote addresses.
QString droppedFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString local = urls.first().toLocalFile();
    if (!local.contains(QChar::ReplacementCharacter))
        return local;
    // Bytes that are not UTF-8 come percent-encoded; QUrl would decode them lossily.
    return localpath::usable(
        QByteArray::fromPercentEncoding(urls.first().path(QUrl::FullyEncoded).toLatin1()));
}

// Takes files dropped on the viewport; everything else dropped there is refused.
class ScriptDropTarget final : public QObject
{
public:
    ScriptDropTarget(frmMain &prompter, QWidget *viewport) : QObject(viewport), m_prompter(prompter)
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
            const QString path = wanted(drop->mimeData());
            if (path.isEmpty()) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            // Opened once the drop is over: a message about the file must not hold up the drag source.
            QMetaObject::invokeMethod(
                &m_prompter, [prompter = &m_prompter, path] { prompter->OpenScript(path); },
                Qt::QueuedConnection);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    QString wanted(const QMimeData *mime) const
    {
        if (m_prompter.bMarkMode || m_prompter.ModalWindowOpen())
            return {};
        return droppedFile(mime);
    }

    frmMain &m_prompter;
};

} // namespace

void frmMain::EnableDrops()
{
    new ScriptDropTarget(*this, picBack);
}

bool frmMain::ModalWindowOpen() const
{
    if (QApplication::activeModalWidget())
        return true;
    const QList<QWidget *> children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(),
                       [](const QWidget *w) { return w->isWindow() && w->isVisible(); });
}

void frmMain::OpenScript(const QString &path)
{
    // As for Edit Text; and the editor or a dialog over the prompter has the operator's attention.
    if (bMarkMode || ModalWindowOpen()) {
        qCInfo(lcApp).noquote() << path
                                << "not opened:" << (bMarkMode ? "marking a passage" : "a window is open");
        return;
    }
    StopPrompter();
    CancelOpening();
    if (!m_reader) {
        m_reader = new scriptfile::Reader(this);
        connect(m_reader, &scriptfile::Reader::finished, this, &frmMain::ScriptRead);
    }
    // Read off the window's thread: the window keeps answering and shows that it is busy.
    m_openingPath = path;
    m_wordsBeforeOpening = lblWords->text();
    lblWords->setText(tr("Opening…"));
    setCursor(Qt::WaitCursor);
    picBack->setCursor(Qt::WaitCursor);
    m_reader->start(path, scriptfile::Reader::Into::Text);
}

bool frmMain::isOpening() const
{
    return (m_reader && m_reader->isRunning()) || (m_opening && m_opening->isRunning());
}

void frmMain::ScriptRead(const scriptfile::Read &read)
{
    const scriptfile::Opened &opened = read.opened;
    switch (opened.state) {
    case scriptfile::Opened::State::Loaded:
        EndOpening();
        ApplyScript(read.text);
        break;
    case scriptfile::Opened::State::Failed:
        EndOpening();
        m_dialogs.message(this, Dialogs::Icon::Warning, tr("Open File"), opened.message);
        break;
    case scriptfile::Opened::State::NeedsConverter:
        if (!m_opening) {
            m_opening = new DocConverter(this);
            connect(m_opening, &DocConverter::finished, this, &frmMain::OpeningFinished);
        }
        m_opening->start(m_openingPath);
        return;
    }
    Q_EMIT openingEnded();
}

void frmMain::OpeningFinished(const documents::TextResult &result)
{
    EndOpening();
    if (result.error == documents::Error::Cancelled) {
        Q_EMIT openingEnded();
        return;
    }
    const QString refusal = result.ok() ? layoutbounds::refusal(result.text) : documents::describe(result);
    if (refusal.isEmpty())
        ApplyScript(result.text);
    else
        m_dialogs.message(this, Dialogs::Icon::Warning, tr("Open File"),
                          scriptfile::failureMessage(m_openingPath, refusal));
    Q_EMIT openingEnded();
}

void frmMain::EndOpening()
{
    unsetCursor();
    picBack->setCursor(Qt::IBeamCursor);
    if (m_wordsBeforeOpening) {
        lblWords->setText(*m_wordsBeforeOpening);
        m_wordsBeforeOpening.reset();
    }
}

void frmMain::CancelOpening()
{
    // What the operator does next (editing, another file) wins over a file still being read.
    if (m_reader && m_reader->isRunning()) {
        m_reader->cancel();
        EndOpening();
        Q_EMIT openingEnded();
    }
    if (m_opening && m_opening->isRunning())
        m_opening->cancel();
}

void frmMain::ApplyScript(const QString &text)
{
    QElapsedTimer laying;
    if (lcApp().isDebugEnabled())
        laying.start();
    scriptfile::apply(*rtDoc, lblWords, text);
    ScriptReplaced();
    if (laying.isValid())
        qCDebug(lcApp) << "new script laid out:" << text.size() << "characters,"
                       << (rtDoc->wordWrapMode() == QTextOption::WrapAnywhere ? "wrapped anywhere"
                                                                              : "wrapped at words")
                       << "in" << laying.elapsed() << "ms";
}

void frmMain::ScriptReplaced()
{
    Form_Resize();
    twips::setTop(rtDoc, 0);
    UpdateProgress(false);
}
