// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTreeWidget;
class Settings;

namespace mos {
class MosControl;

// "Newsroom (MOS)…": on or off, the ids, ports and the newsroom's addresses, what the link is doing,
// and which of the running orders received is shown. Every change applies and is kept at once.
class dlgMos : public QDialog
{
    Q_OBJECT

public:
    dlgMos(Settings &settings, MosControl &control, const QString &shownOrder, QWidget *parent = nullptr);

    QCheckBox *chkEnabled;
    QLineEdit *txtMosID;
    QLineEdit *txtNcsID;
    QSpinBox *spnLower;
    QSpinBox *spnUpper;
    QLineEdit *txtAllow;
    QLabel *lblStatus;
    // Each connection: the newsroom's id, its address, its last heartbeat and last message.
    QTreeWidget *lstConnections;
    QLabel *lblError;
    QComboBox *cboOrder;

    void refresh();

Q_SIGNALS:
    // The operator picked a running order to show; empty: none.
    void orderChosen(const QString &orderId);

private:
    void applyChoices();
    void listOrders();
    void listConnections();

    Settings &m_settings;
    MosControl &m_control;
};

} // namespace mos
