// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/gui/frmEditText.h"

#include "documents/DocConverter.h"
#include "editor/gui/Log.h"
#include "editor/gui/ScriptFile.h"
#include "settings/Settings.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QAbstractUndoItem>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QScreen>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {
constexpr float kButtonTop = 4560;
constexpr float kButtonWidth = 1305;
constexpr float kButtonHeight = 615;
constexpr int kBusyDialogDelayMs = 1000;

// Where the file dialogs open: the folder of the last script opened or saved, else the documents
// folder. Never the program's own folder, which is a system folder once installed.
QString startFolder(const Settings &settings)
{
    const QString last = settings.lastScriptFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void rememberFolderOf(Settings &settings, const QString &path)
{
    settings.setLastScriptFolder(QFileInfo(path).absolutePath());
}

// Undone first when Clear is undone. The text coming back would otherwise be laid out in one go
// before the undo returns, which takes seconds for a long script; with no page size during the
// undo, the size set back afterwards lays it out the way a newly loaded text is, the part in view
// first and the rest in steps while the editor stays responsive.
class RelayoutLazily final : public QAbstractUndoItem
{
public:
    explicit RelayoutLazily(QTextDocument *doc) : m_doc(doc) {}

    void undo() override
    {
        QTextDocument *doc = m_doc;
        const QSizeF page = doc->pageSize();
        doc->setPageSize(QSizeF(0, 0));
        // Emitted once the undo has put everything back.
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(doc, &QTextDocument::contentsChanged, doc, [doc, page, once] {
            QObject::disconnect(*once);
            doc->setPageSize(page);
        });
    }
    void redo() override {}

private:
    QTextDocument *m_doc;
};

// A command button that always shows when it has the focus, whatever the style: Space presses it, and
// styles that frame only focus moved by Tab leave the operator guessing which button that is.
class CommandButton final : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        opt.state &= ~QStyle::State_HasFocus; // one frame, ours, not the style's as well
        p.drawComplexControl(QStyle::CC_ToolButton, opt);
        if (!hasFocus())
            return;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 2, 2);
    }
};
} // namespace

// A normal window, not a dialog, so it keeps a taskbar entry to come back to when minimised.
frmEditText::frmEditText(Dialogs &dialogs, Settings &settings, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_dialogs(dialogs), m_settings(settings)
{
    setObjectName(QStringLiteral("frmEditText"));
    setWindowTitle(tr("Edit Text"));
    setWindowIcon(icons::app());
    setFont(fonts::standard());
    twips::setClientSize(this, 7710, 5550);

    cmdOpen = addButton("cmdOpen", tr("&Open File"), QStringLiteral("Open"), 450);
    cmdSave = addButton("cmdSave", tr("&Save"), QStringLiteral("Save"), 1740);
    cmdClear = addButton("cmdClear", tr("C&lear"), QStringLiteral("Clear"), 3030);
    cmdCancel = addButton("cmdCancel", tr("&Cancel"), QStringLiteral("Cancel"), 4650);
    cmdDone = addButton("cmdDone", tr("&Done"), QStringLiteral("Done"), 5940);

    rtBody = new RichTextView(RichTextView::Input::Typing, this);
    rtBody->setObjectName(QStringLiteral("rtBody"));
    rtBody->setAccessibleName(tr("Script text"));
    rtBody->setBackColor(colors::system(5));
    twips::move(rtBody, 390, 480, 6855, 3525);

    QWidget::setTabOrder(cmdOpen, cmdSave);
    QWidget::setTabOrder(cmdSave, cmdCancel);
    QWidget::setTabOrder(cmdCancel, cmdDone);
    QWidget::setTabOrder(cmdDone, rtBody);
    QWidget::setTabOrder(rtBody, cmdClear);

    connect(cmdOpen, &QToolButton::clicked, this, &frmEditText::cmdOpen_Click);
    connect(cmdSave, &QToolButton::clicked, this, &frmEditText::cmdSave_Click);
    connect(cmdClear, &QToolButton::clicked, this, &frmEditText::cmdClear_Click);
    connect(cmdDone, &QToolButton::clicked, this, &frmEditText::cmdDone_Click);
    connect(cmdCancel, &QToolButton::clicked, this, &frmEditText::cmdCancel_Click);

    m_reader = new scriptfile::Reader(this);
    connect(m_reader, &scriptfile::Reader::finished, this, &frmEditText::readFinished);
    m_converter = new DocConverter(this);
    connect(m_converter, &DocConverter::finished, this, &frmEditText::conversionFinished);
    m_busyDelay.setSingleShot(true);
    m_busyDelay.setInterval(kBusyDialogDelayMs);
    connect(&m_busyDelay, &QTimer::timeout, this, &frmEditText::timBusy_Timer);
}

frmEditText::~frmEditText()
{
    delete m_progress;
}

void frmEditText::Form_Load()
{
    m_loaded = true;
    // Only the plain text comes over: the script colour and the marker highlights stay behind.
    if (rtDoc) {
        rtBody->setText(rtDoc->Text());
        // Typing starts where the box shows the script: at its beginning.
        rtBody->moveCursor(QTextCursor::Start);
    }
}

void frmEditText::cmdOpen_Click()
{
    // The first filter shows every kind the editor reads.
    const QString filter = tr("Scripts (*.txt *.rtf *.doc *.docx *.odt);;"
                              "Text Files (*.txt);;Word Files (*.doc);;Documents (*.docx *.odt *.rtf);;"
                              "All Files (*)");
    const QString name = m_dialogs.openFileName(this, tr("Select the file"), startFolder(m_settings), filter);
    if (name.trimmed().isEmpty())
        return;
    OpenFile(name);
}

void frmEditText::OpenFile(const QString &path)
{
    if (isOpening())
        return;
    m_convertingPath = path;
    beginBusy();
    m_reader->start(path, scriptfile::Reader::Into::View, rtBody->font());
}

void frmEditText::readFinished(const scriptfile::Read &read)
{
    switch (read.opened.state) {
    case scriptfile::Opened::State::Loaded:
        endBusy();
        rtBody->adoptDocument(std::move(*read.document));
        rememberFolderOf(m_settings, m_convertingPath);
        break;
    case scriptfile::Opened::State::Failed:
        endBusy();
        m_dialogs.message(this, Dialogs::Icon::Warning, tr("Open File"), read.opened.message);
        break;
    case scriptfile::Opened::State::NeedsConverter:
        // Still busy: the converter runs on its own and reports later.
        m_converter->start(m_convertingPath);
        break;
    }
}

bool frmEditText::isOpening() const
{
    return m_reader->isRunning() || isConverting();
}

bool frmEditText::isConverting() const
{
    return m_converter->isRunning();
}

void frmEditText::beginBusy()
{
    // The window keeps painting and can still be closed; nothing else may change the text meanwhile.
    setCursor(Qt::WaitCursor);
    rtBody->setCursor(Qt::WaitCursor);
    for (QWidget *w :
         {static_cast<QWidget *>(cmdOpen), static_cast<QWidget *>(cmdSave), static_cast<QWidget *>(cmdClear),
          static_cast<QWidget *>(cmdDone), static_cast<QWidget *>(cmdCancel), static_cast<QWidget *>(rtBody)})
        w->setEnabled(false);
    m_busyDelay.start();
}

void frmEditText::cancelOpening()
{
    // A read in progress just stops reporting; the converter reports its cancellation itself.
    if (m_reader->isRunning()) {
        m_reader->cancel();
        endBusy();
    } else if (isConverting()) {
        m_converter->cancel();
    }
}

void frmEditText::timBusy_Timer()
{
    if (!isOpening() || m_progress)
        return;
    m_progress = new QProgressDialog(tr("Reading “%1”…").arg(QFileInfo(m_convertingPath).fileName()),
                                     tr("&Cancel"), 0, 0, this);
    m_progress->setObjectName(QStringLiteral("dlgBusy"));
    m_progress->setWindowTitle(tr("Open File"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress.data(), &QProgressDialog::canceled, this, &frmEditText::cancelOpening);
    m_progress->show();
}

void frmEditText::endBusy()
{
    m_busyDelay.stop();
    if (m_progress) {
        m_progress->disconnect(this);
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    for (QWidget *w :
         {static_cast<QWidget *>(cmdOpen), static_cast<QWidget *>(cmdSave), static_cast<QWidget *>(cmdClear),
          static_cast<QWidget *>(cmdDone), static_cast<QWidget *>(cmdCancel), static_cast<QWidget *>(rtBody)})
        w->setEnabled(true);
    unsetCursor();
    rtBody->setCursor(Qt::IBeamCursor);
}

void frmEditText::conversionFinished(const documents::TextResult &result)
{
    endBusy();
    const QString refusal = result.ok() ? layoutbounds::refusal(result.text) : documents::describe(result);
    if (refusal.isEmpty()) {
        rtBody->setText(result.text);
        rememberFolderOf(m_settings, m_convertingPath);
    } else if (isVisible()) {
        openFailed(m_convertingPath, refusal);
    }
}

void frmEditText::openFailed(const QString &path, const QString &reason)
{
    m_dialogs.message(this, Dialogs::Icon::Warning, tr("Open File"),
                      scriptfile::failureMessage(path, reason));
}

void frmEditText::cmdSave_Click()
{
    QString name =
        m_dialogs.saveFileName(this, tr("Save this file"), startFolder(m_settings), tr("Text Files (*.txt)"));
    if (name.trimmed().isEmpty())
        return;
    // A name typed without an ending gets the one the dialog offers.
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".txt");
    const documents::Result r = documents::WriteTextFile(name, rtBody->Text());
    if (r.ok()) {
        rememberFolderOf(m_settings, name);
        m_dialogs.information(this, tr("Saved"),
                              tr("The file has been saved : %1").arg(scriptfile::shownPath(name)));
    } else {
        m_dialogs.message(
            this, Dialogs::Icon::Critical, tr("Save"),
            tr("The file “%1” could not be saved: %2. Nothing was changed on disk.")
                .arg(scriptfile::shownPath(name), r.detail.isEmpty() ? tr("unknown error") : r.detail));
    }
}

void frmEditText::cmdClear_Click()
{
    // An edit like any other, so that Ctrl+Z brings the script back; the box takes the focus for it.
    rtBody->setFocus(Qt::OtherFocusReason);
    QTextDocument *doc = rtBody->document();
    if (doc->isEmpty())
        return; // no empty step for Ctrl+Z to go through
    // What is typed next takes the box's own font, not that of the text that was there.
    QTextCharFormat base;
    base.setFont(rtBody->font(), QTextCharFormat::FontPropertiesAll);
    QTextCursor c(doc);
    c.beginEditBlock();
    // Removed from the second character on first: the block then starts with a move to the
    // beginning, which is where its undo leaves the cursor, instead of at the end of the script,
    // where showing the cursor would lay out the whole of it at once.
    if (doc->characterCount() > 2) {
        c.setPosition(1);
        c.setPosition(doc->characterCount() - 1, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    c.setBlockCharFormat(base);
    doc->appendUndoItem(new RelayoutLazily(doc));
    c.endEditBlock();
}

void frmEditText::cmdDone_Click()
{
    const QString text = rtBody->Text();
    // Typed or pasted text meets the limits a file meets; what the prompter cannot take stays here.
    const documents::Error beyond = documents::checkTextLimits(text);
    const QString refusal = beyond != documents::Error::None
                                ? documents::describe(documents::Result{beyond, {}})
                                : layoutbounds::refusal(text);
    if (!refusal.isEmpty()) {
        qCInfo(lcEditor).noquote() << "Done refused -" << refusal;
        m_dialogs.message(
            this, Dialogs::Icon::Warning, tr("Done"),
            tr("The script cannot go to the prompter: %1. It stays in the editor.").arg(refusal));
        return;
    }
    qCDebug(lcEditor) << "Done:" << text.size() << "characters to the prompter";
    if (rtDoc)
        scriptfile::apply(*rtDoc, lblWords, text);
    else
        scriptfile::showWords(lblWords, text);
    close();
}

void frmEditText::cmdCancel_Click()
{
    close();
}

void frmEditText::closeEvent(QCloseEvent *event)
{
    // Like Cancel: a file still being read or converted is dropped and its text never arrives.
    if (m_reader->isRunning()) {
        m_reader->cancel();
        endBusy();
    }
    if (isConverting()) {
        m_converter->cancel();
        endBusy();
    }
    QWidget::closeEvent(event);
}

QToolButton *frmEditText::addButton(const char *name, const QString &caption, const QString &image,
                                    float left)
{
    auto *b = new CommandButton(this);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setIcon(icons::editor(image));
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFont(fonts::standardBold());
    // A command button: takes focus on click as well as on Tab.
    b->setFocusPolicy(Qt::StrongFocus);
    twips::move(b, left, kButtonTop, kButtonWidth, kButtonHeight);
    return b;
}

void frmEditText::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOverOwner();
        if (!m_loaded)
            Form_Load();
        // Typing goes into the script, not into whichever button comes first.
        rtBody->setFocus(Qt::OtherFocusReason);
    }
    QWidget::showEvent(event);
}

void frmEditText::centreOverOwner()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QPoint centre = owner && owner->isVisible() ? owner->frameGeometry().center() : area.center();
    QRect r(QPoint(0, 0), frameGeometry().size());
    r.moveCenter(centre);
    // Never leave the title bar off screen.
    if (area.isValid()) {
        r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() - r.width() + 1)));
        r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() - r.height() + 1)));
    }
    move(r.topLeft());
}
