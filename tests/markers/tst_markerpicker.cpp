// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowChecks.h"
#include "markers/CMarkers.h"
#include "markers/gui/dlgSelectMarker.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

CMarker marker(const QString &text, qint32 start = 0)
{
    return {start, qint32(text.size()), text};
}

QStringList rowTexts(const QTreeWidget *list, int column)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(column);
    return out;
}

} // namespace

// The marker picker: its controls, tab order, frame, place, keys and buttons, and the markers it lists.
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
    void pickerColumns();
    void pickerListsMarkersInOrder();
    void pickerEnds_data();
    void pickerEnds();
    void pickerWithoutMarkers();
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

void tst_MarkerPicker::pickerColumns()
{
    dlgSelectMarker d;
    QTreeWidget *list = d.lvwMarkers;
    QCOMPARE(list->columnCount(), 2);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Index"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Marker"));
    QVERIFY(list->isColumnHidden(0));
    QCOMPARE(list->header()->sectionSize(0), 0);
    QCOMPARE(list->columnWidth(1), twips::toPixels(4485 - 80));
    QCOMPARE(d.lSelectedIndex, 0);
}

void tst_MarkerPicker::pickerListsMarkersInOrder()
{
    CMarkers m;
    m.Add(marker("A", 40));
    m.Add(marker("B", 0));
    m.Add(marker("C", 20));
    dlgSelectMarker d;
    d.oMarkers = &m;
    d.sAction = QStringLiteral("Jump To");
    d.show();
    QCOMPARE(rowTexts(d.lvwMarkers, 1), (QStringList{"A", "B", "C"}));
    QCOMPARE(rowTexts(d.lvwMarkers, 0), (QStringList{"", "", ""}));
    QVERIFY(d.lvwMarkers->selectedItems().isEmpty());
    QCOMPARE(d.cmdSelect->text(), QStringLiteral("Jump To"));

    // Select without a row is ignored.
    d.cmdSelect->click();
    QVERIFY(d.isVisible());
    QCOMPARE(d.lSelectedIndex, 0);

    d.lvwMarkers->setCurrentItem(d.lvwMarkers->topLevelItem(1));
    d.cmdSelect->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(d.lSelectedIndex, 2);

    // Shown again: listed afresh, nothing selected, the last choice kept until a new one.
    m.Add(marker("D"));
    d.sAction = QStringLiteral("Unmark");
    d.show();
    QCOMPARE(rowTexts(d.lvwMarkers, 1), (QStringList{"A", "B", "C", "D"}));
    QVERIFY(d.lvwMarkers->selectedItems().isEmpty());
    QCOMPARE(d.cmdSelect->text(), QStringLiteral("Unmark"));
    QCOMPARE(d.lSelectedIndex, 2);
}

void tst_MarkerPicker::pickerEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("want");
    QTest::newRow("double click on row 3") << "double click" << 3;
    QTest::newRow("Cancel") << "cancel" << -1;
    QTest::newRow("close box") << "close" << -1;
    QTest::newRow("close box after a row was chosen") << "choose, close" << -1;
}

void tst_MarkerPicker::pickerEnds()
{
    QFETCH(QString, how);
    QFETCH(int, want);
    CMarkers m;
    for (const char *t : {"A", "B", "C"})
        m.Add(marker(QLatin1String(t)));
    dlgSelectMarker d;
    d.oMarkers = &m;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    if (how == QLatin1String("double click")) {
        QTreeWidgetItem *row = d.lvwMarkers->topLevelItem(2);
        const QPoint at = d.lvwMarkers->visualItemRect(row).center();
        QTest::mouseClick(d.lvwMarkers->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(d.lvwMarkers->viewport(), Qt::LeftButton, {}, at);
    } else if (how == QLatin1String("cancel")) {
        d.lvwMarkers->setCurrentItem(d.lvwMarkers->topLevelItem(0));
        d.cmdCancel->click();
    } else {
        d.lvwMarkers->setCurrentItem(d.lvwMarkers->topLevelItem(0));
        if (how.startsWith(QLatin1String("choose"))) {
            d.cmdSelect->click();
            d.show();
            d.lvwMarkers->setCurrentItem(d.lvwMarkers->topLevelItem(1));
        }
        d.close();
    }
    QVERIFY(!d.isVisible());
    QCOMPARE(d.lSelectedIndex, want);
}

void tst_MarkerPicker::pickerWithoutMarkers()
{
    CMarkers m;
    dlgSelectMarker d;
    d.oMarkers = &m;
    d.show();
    QCOMPARE(d.lvwMarkers->topLevelItemCount(), 0);
    d.cmdSelect->click();
    QVERIFY(d.isVisible());
    d.cmdCancel->click();
    QCOMPARE(d.lSelectedIndex, -1);
}

QTEST_MAIN(tst_MarkerPicker)
#include "tst_markerpicker.moc"
