// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FollowSeat.h"
#include "app/KeyInput.h"
#include "app/dlgFollow.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "follow/FollowLink.h"
#include "markers/Marking.h"
#include "net/Token.h"
#include "remote/RemoteControl.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"

#include <QEvent>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>
#include <QToolBar>
#include <QWheelEvent>
#include <QWindow>

void frmMain::tlbMain_ButtonClick(const QString &key)
{
    DoAction(key);
}

void frmMain::DoAction(const QString &sAction)
{
    if (LocalWhileFollowing(sAction))
        m_core->doAction(sAction);
}

// Exit, Options, Help and full screen are this prompter's own; the editor and marking would change a
// script that is the leader's; everything else goes to the leader.
bool frmMain::LocalWhileFollowing(const QString &sAction)
{
    if (!m_follow || !m_follow->following() || m_core->markMode())
        return true;
    if (sAction == QLatin1String("Start"))
        ForwardToLeader(QStringLiteral("start"));
    else if (sAction == QLatin1String("Stop"))
        ForwardToLeader(QStringLiteral("stop"));
    else if (sAction == QLatin1String("Reset"))
        ForwardToLeader(QStringLiteral("reset"));
    else if (sAction == QLatin1String("ClearAll"))
        ForwardToLeader(QStringLiteral("clearMarkers"));
    else if (sAction == QLatin1String("JumpTo") || sAction == QLatin1String("Unmark")) {
        // Picked from this prompter's copy of the leader's markers, carried out by the leader.
        const bool jump = sAction == QLatin1String("JumpTo");
        if (const int index = m_core->marking().PickMarker(jump ? QStringLiteral("Jump To") : sAction);
            index > 0)
            ForwardToLeader(jump ? QStringLiteral("jump") : QStringLiteral("unmark"), index);
    } else
        // A passage is chosen here in mark mode; Mark sends it to the leader (see MarkOrForward).
        return sAction == QLatin1String("Mark") || sAction == QLatin1String("FullScreen") ||
               sAction == QLatin1String("Options") || sAction == QLatin1String("Help") ||
               sAction == QLatin1String("Exit");
    return false;
}

bool frmMain::ForwardToLeader(const QString &name, int value, int length)
{
    return m_follow && m_follow->forward({name, value, length});
}

void frmMain::cmdMark_Click()
{
    Marking &marking = m_core->marking();
    if (!m_follow || !m_follow->following()) {
        marking.cmdMark_Click();
        return;
    }
    // The leader marks it, and its markers come back here.
    if (rtMirror->SelLength() > 0)
        ForwardToLeader(QStringLiteral("mark"), rtMirror->SelStart(), rtMirror->SelLength());
    marking.cmdCancel_Click();
}

void frmMain::HandleKey(int keyCode, int shift)
{
    using namespace keyinput;
    PrompterCore &run = *m_core;
    if (m_follow && m_follow->following() && !m_core->markMode()) {
        // The run is the leader's: its keys go there.
        const bool ctrl = shift == CtrlBit;
        switch (keyCode) {
        case Up:
            ForwardToLeader(ctrl ? QStringLiteral("direction") : QStringLiteral("stepBack"), 1);
            return;
        case Down:
            ForwardToLeader(ctrl ? QStringLiteral("direction") : QStringLiteral("stepForward"), -1);
            return;
        case PageUp:
            ForwardToLeader(QStringLiteral("pageBack"));
            return;
        case PageDown:
            ForwardToLeader(QStringLiteral("pageForward"));
            return;
        case Home:
            ForwardToLeader(QStringLiteral("home"));
            return;
        case End:
            ForwardToLeader(QStringLiteral("end"));
            return;
        case Left:
            ForwardToLeader(QStringLiteral("slower"));
            return;
        case Right:
            ForwardToLeader(QStringLiteral("faster"));
            return;
        case Space:
        case F3:
            ForwardToLeader(QStringLiteral("toggle"));
            return;
        default:
            break; // the rest through DoAction, which knows what stays here
        }
    }
    switch (keyCode) {
    case Up:
        if (shift == CtrlBit)
            run.setDirection(PrompterCore::Direction::Up);
        else
            run.stepBack();
        break;
    case Down:
        if (shift == CtrlBit)
            run.setDirection(PrompterCore::Direction::Down);
        else
            run.stepForward();
        break;
    case PageUp:
        run.pageBack();
        break;
    case PageDown:
        run.pageForward();
        break;
    case Home:
        run.home();
        break;
    case End:
        run.end();
        break;
    case Left:
        run.slower();
        break;
    case Right:
        run.faster();
        break;
    case Space:
    case F3:
        run.toggle();
        break;
    case Back:
    case F4:
        DoAction(QStringLiteral("Reset"));
        break;
    case F1:
        DoAction(QStringLiteral("Help"));
        break;
    case F2:
        DoAction(QStringLiteral("EditText"));
        break;
    case F5:
        DoAction(QStringLiteral("Mark"));
        break;
    case F6:
        DoAction(QStringLiteral("JumpTo"));
        break;
    case F7:
        DoAction(QStringLiteral("Unmark"));
        break;
    case F8:
        DoAction(QStringLiteral("ClearAll"));
        break;
    case F9:
        run.toggleFullScreen();
        break;
    case F10:
        DoAction(QStringLiteral("Options"));
        break;
    case Escape:
        DoAction(QStringLiteral("Exit"));
        break;
    case Return:
        DoAction(QStringLiteral("FullScreen"));
        break;
    default:
        break;
    }
}

void frmMain::ToggleFullScreen(bool bEnter)
{
    m_core->setFullScreen(bEnter);
}

void frmMain::ShowFullScreen(bool bEnter)
{
    if (bEnter) {
        tlbMain->hide();
        picPanel->hide();
        lOldWindowState = windowStateValue();
        setWindowStateValue(2);
    } else {
        tlbMain->show();
        picPanel->show();
        setWindowStateValue(lOldWindowState);
    }
    Form_Resize();
}

void frmMain::HandleWheel(int angleDelta)
{
    if (!ForwardToLeader(QStringLiteral("wheel"), angleDelta))
        m_core->wheel(angleDelta);
    txtFocus->setFocus();
}

void frmMain::sldSpeed_Scroll()
{
    // The slider already stands where the hand put it; the leader's answer confirms it.
    ForwardToLeader(QStringLiteral("speed"), sldSpeed->sliderPosition());
    txtFocus->setFocus();
}

void frmMain::picBack_KeyDown(int keyCode, int shift)
{
    HandleKey(keyCode, shift);
}

void frmMain::txtFocus_KeyDown(int keyCode, int shift)
{
    HandleKey(keyCode, shift);
}

void frmMain::picBack_KeyPress(int)
{
    if (m_core->fullScreen())
        ToggleFullScreen(false);
}

void frmMain::picBack_Click()
{
    if (m_core->fullScreen())
        ToggleFullScreen(false);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle()) {
        // Before the window paints for the first time: the layout that waited for this size.
        if (windowHandle()->isExposed() && !m_exposed) {
            m_exposed = true;
            windowHandle()->removeEventFilter(this);
            if (m_arrangePending)
                Form_Resize();
        }
        return false;
    }
    if (watched != picBack && watched != txtFocus)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab)
            return false;
        if (const auto key = keyinput::fromEvent(*ke)) {
            if (watched == picBack)
                picBack_KeyDown(key->code, key->shift);
            else
                txtFocus_KeyDown(key->code, key->shift);
        }
        if (watched == picBack) {
            if (const int ch = keyinput::typedCharacter(*ke))
                picBack_KeyPress(ch);
        }
        return true; // the focus holders never edit anything themselves
    }
    case QEvent::MouseButtonRelease:
        if (watched == picBack) {
            auto *me = static_cast<QMouseEvent *>(event);
            // The right button opens the studio menu; it is no click.
            if (me->button() != Qt::RightButton && picBack->rect().contains(me->position().toPoint()))
                picBack_Click();
        }
        break;
    case QEvent::Wheel:
        if (watched == picBack) {
            HandleWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::AddFollowItems(QMenu &menu)
{
    menu.addSeparator();
    QAction *followItem = menu.addAction(tr("Follow prompter…"));
    followItem->setObjectName(QStringLiteral("mnuFollow"));
    connect(followItem, &QAction::triggered, this, &frmMain::FollowPrompterAction);
    if (m_follow->following()) {
        QAction *stop = menu.addAction(tr("Stop following"));
        stop->setObjectName(QStringLiteral("mnuStopFollowing"));
        connect(stop, &QAction::triggered, m_follow, &FollowSeat::stopFollowing);
        QAction *promote = menu.addAction(tr("Lead in the leader's place"));
        promote->setObjectName(QStringLiteral("mnuPromote"));
        connect(promote, &QAction::triggered, m_follow, [this] { m_follow->promote(); });
    } else if (!m_follow->leading()) {
        QAction *lead = menu.addAction(tr("Let other prompters follow this one"));
        lead->setObjectName(QStringLiteral("mnuLead"));
        connect(lead, &QAction::triggered, this, [this] {
            // The remote control's port already takes followers, with its token.
            if (m_remote->listening()) {
                m_follow->leadThrough(m_remote->port(), m_remote->token());
                m_dialogs.information(this, windowTitle(),
                                      tr("Other prompters can follow this one on port %1 with the token %2.")
                                          .arg(m_follow->leadPort())
                                          .arg(m_remote->token()));
                return;
            }
            QString token = m_follow->token();
            // Nobody can follow without a token: a fresh one, shown to the operator to pass on.
            if (token.isEmpty())
                token = net::newToken();
            QString error;
            if (!m_follow->lead(QHostAddress::Any, follow::kDefaultPort, token, &error)) {
                m_dialogs.warning(this, windowTitle(), tr("This prompter cannot lead: %1").arg(error));
                return;
            }
            m_dialogs.information(this, windowTitle(),
                                  tr("Other prompters can follow this one on port %1 with the token %2.")
                                      .arg(m_follow->leadPort())
                                      .arg(token));
        });
    }
}

void frmMain::FollowPrompterAction()
{
    dlgFollow dialog(m_follow->discovery(), m_follow->token(), this);
    if (m_dialogs.showModal(dialog) != QDialog::Accepted)
        return;
    const std::optional<QUrl> url = follow::FollowLink::addressOf(dialog.address());
    if (!url) {
        m_dialogs.warning(this, windowTitle(), tr("“%1” is no prompter's address.").arg(dialog.address()));
        return;
    }
    m_follow->follow(*url, dialog.token());
}
