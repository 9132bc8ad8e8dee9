// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KeyInput.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolBar>
#include <QWheelEvent>
#include <QWindow>

void frmMain::tlbMain_ButtonClick(const QString &key)
{
    DoAction(key);
}

void frmMain::DoAction(const QString &sAction)
{
    m_core->doAction(sAction);
}

void frmMain::HandleKey(int keyCode, int shift)
{
    using namespace keyinput;
    PrompterCore &run = *m_core;
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
    m_core->wheel(angleDelta);
    txtFocus->setFocus();
}

void frmMain::sldSpeed_Scroll()
{
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
