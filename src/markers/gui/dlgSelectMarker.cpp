// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markers/gui/dlgSelectMarker.h"

#include "markers/CMarkers.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QHeaderView>
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

    connect(cmdSelect, &QPushButton::clicked, this, &dlgSelectMarker::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgSelectMarker::cmdCancel_Click);
    connect(lvwMarkers, &QTreeWidget::itemDoubleClicked, this, &dlgSelectMarker::cmdSelect_Click);

    SetupMarkerColumns();
}

void dlgSelectMarker::SetupMarkerColumns()
{
    lvwMarkers->clear();
    lvwMarkers->setColumnCount(2);
    lvwMarkers->setHeaderLabels({tr("Index"), tr("Marker")});
    // The index column is there for the row's number only; nobody can drag it into view.
    QHeaderView *header = lvwMarkers->header();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->setStretchLastSection(false);
    lvwMarkers->setColumnWidth(0, 0);
    lvwMarkers->setColumnHidden(0, true);
    lvwMarkers->setColumnWidth(1, twips::toPixels(twips::width(lvwMarkers) - 80));
}

void dlgSelectMarker::FillMarkerList()
{
    lvwMarkers->clear();
    const qint32 count = oMarkers ? oMarkers->Count() : 0;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(count);
    for (qint32 i = 1; i <= count; ++i) {
        auto *row = new QTreeWidgetItem;
        if (const std::optional<CMarker> marker = oMarkers->Item(i))
            row->setText(1, marker->sText);
        rows.append(row);
    }
    lvwMarkers->addTopLevelItems(rows);
    cmdSelect->setText(sAction);
}

void dlgSelectMarker::cmdSelect_Click()
{
    const QList<QTreeWidgetItem *> selected = lvwMarkers->selectedItems();
    if (selected.isEmpty())
        return;
    lSelectedIndex = lvwMarkers->indexOfTopLevelItem(selected.first()) + 1;
    accept(); // hides the window; it is kept for the next use
}

void dlgSelectMarker::cmdCancel_Click()
{
    lSelectedIndex = -1;
    reject();
}

void dlgSelectMarker::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    FillMarkerList();
}

// Each activation lists the markers afresh: whatever was chosen before is no longer selected.
void dlgSelectMarker::changeEvent(QEvent *event)
{
    FixedDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        FillMarkerList();
}

// The close box answers like Cancel, so a caller never acts on a stale or unlisted index.
void dlgSelectMarker::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        lSelectedIndex = -1;
    FixedDialog::closeEvent(event);
}
