// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// What the operator passes on to let other prompters follow this one: this computer's addresses,
// the port and the token, to read out or copy; and a way to stop leading.
class dlgLeading : public QDialog
{
    Q_OBJECT

public:
    // The result when the operator chose to stop leading.
    static constexpr int kStopLeading = 2;

    dlgLeading(const QStringList &addresses, const QString &token, QWidget *parent = nullptr);

    QPlainTextEdit *txtAddresses;
    QLineEdit *txtToken;
    QPushButton *cmdCopy;
    QPushButton *cmdStop;
};
