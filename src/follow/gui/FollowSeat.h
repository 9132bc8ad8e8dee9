// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "follow/FollowSession.h"

#include <functional>

class Dialogs;
class QLabel;
class QMenu;
class QWidget;

// The session with its place in the window: its status in a label of the operator's panel, its items
// in the studio menu and the windows they open.
class FollowSeat : public QObject
{
    Q_OBJECT

public:
    FollowSeat(FollowSession &session, QLabel *status, QObject *parent = nullptr);
    FollowSession &session() const { return m_session; }

    // The studio menu's items: follow a leader (picked in a dialog), stop following, lead in the
    // leader's place, or let others follow, through the remote control's port while it listens.
    void fillMenu(QMenu &menu, Dialogs &dialogs, QWidget *window, const std::function<void()> &leadNow);
    void chooseLeader(Dialogs &dialogs, QWidget *window, const QString &problem = QString());
    // While leading: how other prompters follow this one (addresses, port, token), and stopping that.
    void showLeading(Dialogs &dialogs, QWidget *window);

private:
    FollowSession &m_session;
};
