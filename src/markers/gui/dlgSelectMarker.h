// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FixedDialog.h"

#include <QString>

class CMarkers;
class QPushButton;
class QTreeWidget;

// Picks one of the script's markers, for jumping to it or removing it.
class dlgSelectMarker : public FixedDialog
{
    Q_OBJECT

public:
    explicit dlgSelectMarker(QWidget *parent = nullptr);

    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdSelect = nullptr;
    QTreeWidget *lvwMarkers = nullptr;

    // Set by the caller before showing: the markers to list (read only) and the select button's caption.
    const CMarkers *oMarkers = nullptr;
    QString sAction;
    // The 1-based index of the chosen marker, or -1 when the operator cancelled or closed the window.
    int lSelectedIndex = 0;

    void SetupMarkerColumns();
    void FillMarkerList();
    void cmdSelect_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
