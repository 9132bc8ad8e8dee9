#include "editor/frmEditText.h"

#include "documents/DocConverter.h"
#include "editor/ScriptFile.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr float kButtonTop = 4560;
constexpr float kButtonWidth = 1305;
constexpr float kButtonHeight = 615;
constexpr int kBusyDialogDelayMs = 1000;

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}
} // namespace

// A normal window, not a dialog, so it keeps a taskbar entry to come back to when minimised.
frmEditText::frmEditText(Dialogs &dialogs, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_dialogs(dialogs)
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
    if (rtDoc)
        rtBody->setText(rtDoc->Text());
}

void frmEditText::cmdOpen_Click()
{
    const QString name = m_dialogs.openFileName(
        this, tr("Select the file"), programDir(),
        tr("Text Files (*.txt);;Word Files (*.doc);;Documents (*.docx *.odt *.rtf);;All Files (*)"));
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
    if (result.ok())
        rtBody->setText(result.text);
    else if (isVisible())
        openFailed(m_convertingPath, documents::describe(result));
}

void frmEditText::openFailed(const QString &path, const QString &reason)
{
    m_dialogs.message(this, Dialogs::Icon::Warning, tr("Open File"),
                      scriptfile::failureMessage(path, reason));
}

void frmEditText::cmdSave_Click()
{
    QString name = m_dialogs.saveFileName(this, tr("Save this file"), programDir(), tr("Text Files (*.txt)"));
    if (name.trimmed().isEmpty())
        return;
    // A name typed without an ending gets the one the dialog offers.
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".txt");
    const documents::Result r = documents::WriteTextFile(name, rtBody->Text());
    if (r.ok()) {
        m_dialogs.information(this, tr("Saved"), tr("The file has been saved : ") + shownPath(name));
    } else {
        m_dialogs.message(this, Dialogs::Icon::Critical, tr("Save"),
                          tr("The file “%1” could not be saved: %2. Nothing was changed on disk.")
                              .arg(shownPath(name), r.detail.isEmpty() ? tr("unknown error") : r.detail));
    }
}

void frmEditText::cmdClear_Click()
{
    rtBody->setText(QString());
}

void frmEditText::cmdDone_Click()
{
    if (rtDoc)
        scriptfile::apply(*rtDoc, lblWords, rtBody->Text());
    else if (lblWords)
        lblWords->setText(QString::number(documents::CountWords(rtBody->Text())) + QStringLiteral(" Words"));
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
    auto *b = new QToolButton(this);
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
