// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/KeyInput.h"
#include "app/Log.h"
#include "app/frmMain.h"
#include "app/gui/PrompterControls.h"
#include "common/Platform.h"
#include "common/ProgramFiles.h"
#include "common/Translations.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "follow/gui/FollowSeat.h"
#include "keys/gui/dlgKeys.h"
#include "markers/gui/Marking.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QToolBar>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>

void frmMain::tlbMain_ButtonClick(const QString &key)
{
    DoAction(key);
}

void frmMain::DoAction(const QString &sAction)
{
    m_core->command(PrompterCore::toolbarCommand(sAction));
}

void frmMain::cmdMark_Click()
{
    Marking &marking = m_controls->marking();
    if (!m_core->following()) {
        marking.cmdMark_Click();
        return;
    }
    // The leader marks it, and its markers come back here.
    if (rtMirror->SelLength() > 0)
        m_core->command({run::Verb::Mark, rtMirror->SelStart(), 0, rtMirror->SelLength()});
    marking.cmdCancel_Click();
}

void frmMain::HandleKey(int keyCode, int shift)
{
    std::optional<run::Verb> verb = m_keys.verbFor(keyinput::combination(keyCode, shift));
    // With a single script there is no story to move to: the key does what it does without its
    // modifiers (Ctrl+Page Down pages, as scroll keys with modifiers do).
    if ((verb == run::Verb::NextStory || verb == run::Verb::PrevStory) && !m_showRun->isShow() &&
        !m_core->following() && shift != 0)
        verb = m_keys.verbFor(keyinput::combination(keyCode, 0));
    if (verb)
        m_core->command({*verb});
}

void frmMain::ReadKeys()
{
    m_keys = keyinput::defaultKeys();
    QStringList unread;
    m_keys.read(m_settings.keys(), &unread);
    if (!unread.isEmpty())
        qCWarning(lcApp) << "Keys: left out:" << unread.join(QStringLiteral(", "));
}

void frmMain::ShowKeysWindow(QWidget *parent)
{
    dlgKeys page(m_keys, parent);
    m_dialogs.showModal(page);
    if (page.chosen)
        m_settings.setKeys(page.chosen->text()); // read back at once, as any change of the store
}

void frmMain::ToggleFullScreen(bool bEnter)
{
    m_core->command({run::Verb::SetFullScreen, bEnter ? 1 : 0});
}

void frmMain::ShowHelp()
{
    const QString link = modSettings::GetHelpLink().trimmed();
    // No link: the page shipped with the program. A script or any other scheme in the site file never
    // reaches the desktop.
    QUrl url = link.isEmpty()
                   ? QUrl::fromLocalFile(programfiles::locate(QStringLiteral("cuescroll-help.html")))
                   : programfiles::helpAddress(link, QCoreApplication::applicationDirPath());
    // A page on this machine may have a sibling in the operator's language, as the shipped one has.
    if (url.isLocalFile())
        url.setPath(QUrl::fromLocalFile(translations::localizedPath(url.toLocalFile())).path());
    if (!url.isValid() || !m_platform.openUrl(url)) {
        m_dialogs.warning(
            this, windowTitle(),
            tr("The help page could not be opened:\n%1").arg(url.isValid() ? url.toDisplayString() : link));
    }
}

void frmMain::ShowFullScreen(bool bEnter)
{
    if (bEnter) {
        tlbMain->hide();
        picPanel->hide();
        lOldWindowState = windowStateValue();
        if (windowState() & Qt::WindowFullScreen) {
            // Entered again: leaving will keep the window maximised.
            m_stateBeforeFullScreen = Qt::WindowMaximized;
        } else {
            m_stateBeforeFullScreen = windowState() & ~Qt::WindowMinimized;
            // The platform's full screen: over the title bar and the desktop's panels, which a
            // maximised window leaves in view.
            setWindowState(m_stateBeforeFullScreen | Qt::WindowFullScreen);
        }
    } else {
        tlbMain->show();
        picPanel->show();
        // Back to the state and, through Qt, the normal geometry the window had before.
        setWindowState(m_stateBeforeFullScreen);
        setWindowStateValue(lOldWindowState);
    }
    Form_Resize();
}

void frmMain::HandleWheel(int angleDelta)
{
    m_core->command({run::Verb::Wheel, angleDelta});
    txtFocus->setFocus();
}

void frmMain::sldSpeed_Scroll()
{
    // The slider already stands where the hand put it; a leader's answer confirms it.
    m_core->command({run::Verb::Speed, sldSpeed->sliderPosition()});
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
            PlaceStudio();
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

void frmMain::LeadOthers()
{
    const commandline::Leading how = commandline::lead(m_app.follow(), *m_remote);
    if (!how.refusal.isEmpty()) {
        m_dialogs.warning(this, windowTitle(), tr("This prompter cannot lead: %1").arg(how.refusal));
        return;
    }
    m_follow->showLeading(m_dialogs, this);
}

void frmMain::FollowPrompterAction(const QString &problem)
{
    m_follow->chooseLeader(m_dialogs, this, problem);
}
