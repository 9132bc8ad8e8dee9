// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/gui/FollowSeat.h"

#include "follow/FollowLink.h"
#include "follow/gui/dlgFollow.h"
#include "follow/gui/dlgLeading.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

FollowSeat::FollowSeat(FollowSession &session, QLabel *status, QObject *parent)
    : QObject(parent), m_session(session)
{
    if (!status)
        return;
    const auto show = [status](const QString &text, const QString &detail) {
        status->setText(text);
        status->setToolTip(detail);
        status->setVisible(!text.isEmpty());
    };
    // The session may be older than the window: leading since the program started.
    show(m_session.status(), m_session.statusDetail());
    connect(&m_session, &FollowSession::statusChanged, status, show);
}

void FollowSeat::fillMenu(QMenu &menu, Dialogs &dialogs, QWidget *window,
                          const std::function<void()> &leadNow)
{
    menu.addSeparator();
    QAction *followItem = menu.addAction(tr("F&ollow prompter…"));
    followItem->setObjectName(QStringLiteral("mnuFollow"));
    connect(followItem, &QAction::triggered, this,
            [this, &dialogs, window] { chooseLeader(dialogs, window); });
    if (m_session.following()) {
        QAction *stop = menu.addAction(tr("&Stop following"));
        stop->setObjectName(QStringLiteral("mnuStopFollowing"));
        connect(stop, &QAction::triggered, &m_session, &FollowSession::stopFollowing);
        QAction *promoteItem = menu.addAction(tr("&Lead in the leader's place"));
        promoteItem->setObjectName(QStringLiteral("mnuPromote"));
        connect(promoteItem, &QAction::triggered, this, [this] { m_session.promote(); });
    } else if (!m_session.leading()) {
        QAction *leadItem = menu.addAction(tr("&Let other prompters follow this one"));
        leadItem->setObjectName(QStringLiteral("mnuLead"));
        connect(leadItem, &QAction::triggered, this, leadNow);
    } else {
        QAction *how = menu.addAction(tr("&How to follow this prompter…"));
        how->setObjectName(QStringLiteral("mnuHowToFollow"));
        connect(how, &QAction::triggered, this, [this, &dialogs, window] { showLeading(dialogs, window); });
        QAction *stop = menu.addAction(tr("Stop l&eading"));
        stop->setObjectName(QStringLiteral("mnuStopLeading"));
        connect(stop, &QAction::triggered, &m_session, &FollowSession::stopLeading);
    }
}

void FollowSeat::showLeading(Dialogs &dialogs, QWidget *window)
{
    if (!m_session.leading())
        return;
    dlgLeading dialog(m_session.leadAddresses(), m_session.token(), window);
    if (dialogs.showModal(dialog) == dlgLeading::kStopLeading)
        m_session.stopLeading();
}

void FollowSeat::chooseLeader(Dialogs &dialogs, QWidget *window, const QString &problem)
{
    dlgFollow dialog(m_session.discovery(), m_session.lastLeader(), m_session.token(), problem, window);
    if (dialogs.showModal(dialog) != QDialog::Accepted)
        return;
    const std::optional<QUrl> url = follow::FollowLink::addressOf(dialog.address());
    if (!url) {
        dialogs.warning(window, window->windowTitle(),
                        tr("“%1” is no prompter's address.").arg(dialog.address()));
        return;
    }
    m_session.follow(*url, dialog.token());
}
