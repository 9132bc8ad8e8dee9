// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace follow {
class Discovery;
}

// "Follow prompter": the leader's address (typed, pasted whole with its token, or one of the leaders
// the network lists) and its token; what went wrong the last time, if anything, said above them.
class dlgFollow : public QDialog
{
    Q_OBJECT

public:
    dlgFollow(follow::Discovery &discovery, const QString &address, const QString &token,
              const QString &problem = QString(), QWidget *parent = nullptr);

    QString address() const;
    QString token() const;

    // An address with its token in it (the remote control's page, or a follow address with
    // ?token=): the address alone and the token; nothing for any other text.
    static std::optional<std::pair<QString, QString>> splitToken(const QString &text);

    QLabel *lblProblem;
    QLabel *lblNoLeaders;
    QComboBox *cboAddress;
    QLineEdit *txtToken;
    QCheckBox *chkShowToken;

private:
    void listLeaders();
    void takeTokenFromAddress();
    follow::Discovery &m_discovery;
};
