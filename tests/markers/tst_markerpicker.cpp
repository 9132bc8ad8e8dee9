// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowChecks.h"
#include "markers/dlgSelectMarker.h"

#include <QTest>

// The marker picker as built: its controls, tab order, frame, place, keys and buttons.
class tst_MarkerPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data();
    void controls();
    void tabOrder_data();
    void tabOrder();
    void frame_data();
    void frame();
    void centredOverOwner_data();
    void centredOverOwner();
    void dialogKeys_data();
    void dialogKeys();
    void closingButtons_data();
    void closingButtons();
};

void tst_MarkerPicker::controls_data()
{
    windowchecks::controlColumns();
    QTest::newRow("marker cmdCancel") << "cmdCancel"
                                      << "QPushButton"
                                      << "&Cancel" << QRectF(2460, 2550, 1305, 435) << true << "";
    QTest::newRow("marker cmdSelect") << "cmdSelect"
                                      << "QPushButton"
                                      << "&Select" << QRectF(900, 2550, 1305, 435) << true << "";
    QTest::newRow("marker lvwMarkers") << "lvwMarkers"
                                       << "QTreeWidget"
                                       << "" << QRectF(90, 90, 4485, 2325) << false << "Markers";
}

void tst_MarkerPicker::controls()
{
    dlgSelectMarker w;
    windowchecks::control(w);
}

void tst_MarkerPicker::tabOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::newRow("marker") << QStringList{"lvwMarkers", "cmdSelect", "cmdCancel"};
}

void tst_MarkerPicker::tabOrder()
{
    QFETCH(QStringList, order);
    dlgSelectMarker w;
    windowchecks::tabOrder(w, order);
}

void tst_MarkerPicker::frame_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSizeF>("client");
    QTest::newRow("marker") << "Select Marker" << QSizeF(4680, 3090);
}

void tst_MarkerPicker::frame()
{
    QFETCH(QString, caption);
    QFETCH(QSizeF, client);
    QWidget owner;
    dlgSelectMarker w(&owner);
    windowchecks::frame(w, caption, client, true);
}

void tst_MarkerPicker::centredOverOwner_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("marker") << "dlgSelectMarker";
}

void tst_MarkerPicker::centredOverOwner()
{
    QWidget owner;
    windowchecks::showOwner(owner);
    dlgSelectMarker w(&owner);
    windowchecks::centredOverOwner(owner, w);
}

void tst_MarkerPicker::dialogKeys_data()
{
    windowchecks::dialogKeyColumns();
    QTest::newRow("marker: Esc in the list") << "lvwMarkers" << int(Qt::Key_Escape) << -1;
    QTest::newRow("marker: Enter in the list") << "lvwMarkers" << int(Qt::Key_Return) << -1;
    QTest::newRow("marker: Enter on Cancel") << "cmdCancel" << int(Qt::Key_Return) << int(QDialog::Rejected);
}

void tst_MarkerPicker::dialogKeys()
{
    dlgSelectMarker w;
    windowchecks::dialogKey(w);
}

void tst_MarkerPicker::closingButtons_data()
{
    windowchecks::closingButtonColumns();
    QTest::newRow("marker Cancel") << "cmdCancel" << true;
}

void tst_MarkerPicker::closingButtons()
{
    dlgSelectMarker w;
    windowchecks::closingButton(w);
}

QTEST_MAIN(tst_MarkerPicker)
#include "tst_markerpicker.moc"
