#pragma once

#include "ui/FixedDialog.h"

#include <QString>

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

    QString sAction;
    int lSelectedIndex = 0;
};
