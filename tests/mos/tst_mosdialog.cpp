// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "mos/MosControl.h"
#include "mos/gui/dlgMos.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>

using namespace mos;

class TestMosDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void turnedOnItListensAsSetAndKeepsIt();
};

void TestMosDialog::turnedOnItListensAsSetAndKeepsIt()
{
    IsolatedSettings sandbox;
    Settings settings;
    FakePlatform platform;
    MosControl control(settings, [&] { return platform.now; });
    control.setListenAddress(QHostAddress::LocalHost);
    control.applySettings();
    QVERIFY(!control.listening()); // off until turned on

    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 taken = probe.serverPort();
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::LocalHost, 0));
    const quint16 lower = other.serverPort();
    other.close();

    dlgMos window(settings, control, QString());
    window.spnLower->setValue(lower);
    window.spnUpper->setValue(taken); // in use: the window says why nothing listens
    window.chkEnabled->setChecked(true);
    QVERIFY(!control.listening());
    QVERIFY2(window.lblStatus->text().contains(QString::number(taken)), qPrintable(window.lblStatus->text()));

    probe.close();
    window.spnUpper->setValue(taken);
    Q_EMIT window.spnUpper->editingFinished();
    QVERIFY(control.listening());
    QCOMPARE(control.device().lowerPort(), lower);
    QVERIFY(window.lblStatus->text().contains(QString::number(lower)));

    window.txtNcsID->setText(QStringLiteral("ncs.main"));
    Q_EMIT window.txtNcsID->editingFinished();
    Settings again;
    QVERIFY(again.mosEnabled());
    QCOMPARE(again.mosNcsID(), QStringLiteral("ncs.main"));
    QCOMPARE(again.mosUpperPort(), taken);
    QCOMPARE(again.mosID(), QStringLiteral("cuescroll.prompter.mos"));

    // The running orders received are there to pick from, by their names.
    QVERIFY(control.orders().create({QStringLiteral("RO7"), QStringLiteral("Late news"), {}, {}, false}));
    QCOMPARE(window.cboOrder->count(), 2);
    QCOMPARE(window.cboOrder->itemText(1), QStringLiteral("Late news"));
    QSignalSpy chosen(&window, &dlgMos::orderChosen);
    Q_EMIT window.cboOrder->activated(1);
    QCOMPARE(chosen.value(0).value(0).toString(), QStringLiteral("RO7"));
    if (!qEnvironmentVariableIsEmpty("CUESCROLL_SCREENSHOTS"))
        window.grab().save(qEnvironmentVariable("CUESCROLL_SCREENSHOTS") + QStringLiteral("/dlgMos.png"));

    window.chkEnabled->setChecked(false);
    QVERIFY(!control.listening());
}

QTEST_MAIN(TestMosDialog)
#include "tst_mosdialog.moc"
