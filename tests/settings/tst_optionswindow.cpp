// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "WindowChecks.h"
#include "settings/gui/dlgOptions.h"

#include <QTest>

// The options dialog as designed: its controls, tab order, frame, keys and buttons.
class tst_OptionsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data();
    void controls();
    void tabOrder_data();
    void tabOrder();
    void frame_data();
    void frame();
    void dialogKeys_data();
    void dialogKeys();
    void closingButtons_data();
    void closingButtons();
};

void tst_OptionsWindow::controls_data()
{
    windowchecks::controlColumns();
    QTest::newRow("options cmdCancel") << "cmdCancel"
                                       << "QPushButton"
                                       << "&Cancel" << QRectF(2805, 3630, 1245, 435) << true << "";
    QTest::newRow("options cmdOk") << "cmdOk"
                                   << "QPushButton"
                                   << "&OK" << QRectF(1305, 3630, 1245, 435) << true << "";
    QTest::newRow("options cmdLineColor") << "cmdLineColor"
                                          << "QPushButton"
                                          << "Line Color" << QRectF(3510, 2730, 1365, 405) << false << "";
    QTest::newRow("options picPreview")
        << "picPreview"
        << "QFrame"
        << "" << QRectF(510, 2460, 4365, 75) << false << "Line colour preview";
    QTest::newRow("options cmdBackColor") << "cmdBackColor"
                                          << "QPushButton"
                                          << "Back Color" << QRectF(1980, 2730, 1395, 405) << false << "";
    QTest::newRow("options cmdFont") << "cmdFont"
                                     << "QPushButton"
                                     << "Font" << QRectF(480, 2730, 1365, 405) << false << "";
    QTest::newRow("options txtPreview")
        << "txtPreview"
        << "QTextEdit"
        << "Set your Cuescroll Preferences Here" << QRectF(480, 450, 4425, 1905) << false << "Font preview";
}

void tst_OptionsWindow::controls()
{
    FakeDialogs dialogs;
    dlgOptions w(dialogs);
    windowchecks::control(w);
}

void tst_OptionsWindow::tabOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::newRow("options") << QStringList{"txtPreview",   "cmdFont", "cmdBackColor", "picPreview",
                                            "cmdLineColor", "cmdOk",   "cmdCancel"};
}

void tst_OptionsWindow::tabOrder()
{
    QFETCH(QStringList, order);
    FakeDialogs dialogs;
    dlgOptions w(dialogs);
    windowchecks::tabOrder(w, order);
}

void tst_OptionsWindow::frame_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSizeF>("client");
    QTest::newRow("options") << "Options" << QSizeF(5355, 4350);
}

void tst_OptionsWindow::frame()
{
    QFETCH(QString, caption);
    QFETCH(QSizeF, client);
    QWidget owner;
    FakeDialogs dialogs;
    dlgOptions w(dialogs, &owner);
    windowchecks::frame(w, caption, client, true);
}

void tst_OptionsWindow::dialogKeys_data()
{
    windowchecks::dialogKeyColumns();
    QTest::newRow("options: Esc in the preview") << "txtPreview" << int(Qt::Key_Escape) << -1;
    QTest::newRow("options: Esc on OK") << "cmdOk" << int(Qt::Key_Escape) << -1;
    QTest::newRow("options: Enter on the font button") << "cmdFont" << int(Qt::Key_Return) << -1;
    QTest::newRow("options: Enter on OK") << "cmdOk" << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("options: keypad Enter on Cancel")
        << "cmdCancel" << int(Qt::Key_Enter) << int(QDialog::Rejected);
}

void tst_OptionsWindow::dialogKeys()
{
    FakeDialogs dialogs;
    dlgOptions w(dialogs);
    windowchecks::dialogKey(w);
}

void tst_OptionsWindow::closingButtons_data()
{
    windowchecks::closingButtonColumns();
    QTest::newRow("options Font") << "cmdFont" << false;
    QTest::newRow("options Line Color") << "cmdLineColor" << false;
    QTest::newRow("options OK") << "cmdOk" << true;
    QTest::newRow("options Cancel") << "cmdCancel" << true;
}

void tst_OptionsWindow::closingButtons()
{
    FakeDialogs dialogs;
    dlgOptions w(dialogs);
    windowchecks::closingButton(w);
}

QTEST_MAIN(tst_OptionsWindow)
#include "tst_optionswindow.moc"
