// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace follow {
class Discovery;
}

// "Follow prompter": the leader's address (typed, or one of the leaders the network lists) and its
// token.
class dlgFollow : public QDialog
{
    Q_OBJECT

public:
    dlgFollow(follow::Discovery &discovery, const QString &token, QWidget *parent = nullptr);

    QString address() const;
    QString token() const;

    QComboBox *cboAddress;
    QLineEdit *txtToken;

private:
    void listLeaders();
    follow::Discovery &m_discovery;
};
