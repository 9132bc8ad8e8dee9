#include "editor/frmEditText.h"

#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr float kButtonTop = 4560;
constexpr float kButtonWidth = 1305;
constexpr float kButtonHeight = 615;
} // namespace

// A normal window, not a dialog, so it keeps a taskbar entry to come back to when minimised.
frmEditText::frmEditText(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
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

    connect(cmdCancel, &QToolButton::clicked, this, &QWidget::close);
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
    b->setFont(fonts::make(QStringLiteral("MS Sans Serif"), 8.25, true));
    // A command button: takes focus on click as well as on Tab.
    b->setFocusPolicy(Qt::StrongFocus);
    twips::move(b, left, kButtonTop, kButtonWidth, kButtonHeight);
    return b;
}

void frmEditText::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        centreOverOwner();
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
