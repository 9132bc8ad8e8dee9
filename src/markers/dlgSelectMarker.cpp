#include "markers/dlgSelectMarker.h"

#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

dlgSelectMarker::dlgSelectMarker(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("dlgSelectMarker"));
    setWindowTitle(tr("Select Marker"));
    setWindowIcon(icons::app());
    twips::setClientSize(this, 4680, 3090);
    setFixedSize(size());

    lvwMarkers = new QTreeWidget(this);
    lvwMarkers->setObjectName(QStringLiteral("lvwMarkers"));
    lvwMarkers->setAccessibleName(tr("Markers"));
    // A flat report list; its columns are set up by whoever fills it.
    lvwMarkers->setColumnCount(0);
    lvwMarkers->setRootIsDecorated(false);
    lvwMarkers->setItemsExpandable(false);
    lvwMarkers->setUniformRowHeights(true);
    lvwMarkers->setAllColumnsShowFocus(true);
    lvwMarkers->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwMarkers->setSelectionMode(QAbstractItemView::SingleSelection);
    twips::move(lvwMarkers, 90, 90, 4485, 2325);

    cmdSelect = addButton("cmdSelect", tr("&Select"));
    twips::move(cmdSelect, 900, 2550, 1305, 435);
    cmdCancel = addButton("cmdCancel", tr("&Cancel"));
    twips::move(cmdCancel, 2460, 2550, 1305, 435);

    QWidget::setTabOrder(lvwMarkers, cmdSelect);
    QWidget::setTabOrder(cmdSelect, cmdCancel);

    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton *dlgSelectMarker::addButton(const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    // No default button: Enter belongs to whichever control has the focus.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setFont(fonts::make(QStringLiteral("MS Sans Serif"), 8.25, true));
    return b;
}

void dlgSelectMarker::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        // Esc presses no button here.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button still answers Enter as it would on click.
        if (auto *b = qobject_cast<QAbstractButton *>(focusWidget()); b && b->isEnabled())
            b->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
