#include "markers/dlgSelectMarker.h"

#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

dlgSelectMarker::dlgSelectMarker(QWidget *parent)
    : FixedDialog("dlgSelectMarker", tr("Select Marker"), 4680, 3090, parent)
{
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

    cmdSelect = addButton("cmdSelect", tr("&Select"), true);
    twips::move(cmdSelect, 900, 2550, 1305, 435);
    cmdCancel = addButton("cmdCancel", tr("&Cancel"), true);
    twips::move(cmdCancel, 2460, 2550, 1305, 435);

    QWidget::setTabOrder(lvwMarkers, cmdSelect);
    QWidget::setTabOrder(cmdSelect, cmdCancel);

    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}
