#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTreeWidget;

// Picks one of the script's markers, for jumping to it or removing it.
class dlgSelectMarker : public QDialog
{
    Q_OBJECT

public:
    explicit dlgSelectMarker(QWidget *parent = nullptr);

    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdSelect = nullptr;
    QTreeWidget *lvwMarkers = nullptr;

    QString sAction;
    int lSelectedIndex = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *addButton(const char *name, const QString &caption);
};
