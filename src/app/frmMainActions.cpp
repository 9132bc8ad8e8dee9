#include "app/KeyInput.h"
#include "app/frmMain.h"
#include "common/Platform.h"
#include "common/ProgramFiles.h"
#include "editor/frmEditText.h"
#include "scroll/ScrollEngine.h"
#include "settings/modSettings.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>

void frmMain::tlbMain_ButtonClick(const QString &key)
{
    DoAction(key);
}

void frmMain::DoAction(const QString &sAction)
{
    if (bMarkMode) {
        MarkModeAction(sAction);
        return;
    }
    if (sAction == QLatin1String("EditText")) {
        StopPrompter();
        EditTextAction();
    } else if (sAction == QLatin1String("Start")) {
        StartPrompter();
    } else if (sAction == QLatin1String("Stop")) {
        StopPrompter();
    } else if (sAction == QLatin1String("Reset")) {
        StopPrompter();
        twips::setTop(rtDoc, 0);
        UpdateProgress(false);
    } else if (sAction == QLatin1String("Mark")) {
        StopPrompter();
        MarkAction();
    } else if (sAction == QLatin1String("JumpTo")) {
        StopPrompter();
        JumpToAction();
    } else if (sAction == QLatin1String("Unmark")) {
        StopPrompter();
        UnmarkAction();
    } else if (sAction == QLatin1String("ClearAll")) {
        ClearAllAction();
    } else if (sAction == QLatin1String("FullScreen")) {
        ToggleFullScreen(true);
    } else if (sAction == QLatin1String("Options")) {
        StopPrompter();
        OptionsAction();
    } else if (sAction == QLatin1String("Help")) {
        StopPrompter();
        ShowHelp();
    } else if (sAction == QLatin1String("Exit")) {
        close();
    }
}

void frmMain::EditTextAction()
{
    CancelOpening();
    frmEditText editor(m_dialogs, m_settings, this);
    editor.rtDoc = rtDoc;
    editor.lblWords = lblWords;
    m_dialogs.showModal(editor);
    ScriptReplaced();
}

void frmMain::ShowHelp()
{
    const QString link = modSettings::GetHelpLink().trimmed();
    const QString programDir = QCoreApplication::applicationDirPath();
    // No link: the page shipped with the program. A script or any other scheme in the site file never
    // reaches the desktop.
    const QUrl url = link.isEmpty()
                         ? QUrl::fromLocalFile(programfiles::locate(QStringLiteral("cuescroll-help.html")))
                         : programfiles::helpAddress(link, programDir);
    if (!url.isValid() || !m_platform.openUrl(url)) {
        m_dialogs.warning(
            this, windowTitle(),
            tr("The help page could not be opened:\n%1").arg(url.isValid() ? url.toDisplayString() : link));
    }
}

void frmMain::HandleKey(int keyCode, int shift)
{
    using namespace keyinput;
    switch (keyCode) {
    case Up:
        if (shift == CtrlBit)
            optUp->setChecked(true);
        else
            Scroll(-1, scroll::kLineStep, false);
        break;
    case Down:
        if (shift == CtrlBit)
            optDown->setChecked(true);
        else
            Scroll(1, scroll::kLineStep, false);
        break;
    case PageUp:
        Scroll(-1, scroll::kPageStep, false);
        break;
    case PageDown:
        Scroll(1, scroll::kPageStep, false);
        break;
    case Home:
        Scroll(-1, scroll::kEndStep, false);
        break;
    case End:
        Scroll(1, scroll::kEndStep, false);
        break;
    case Left:
        if (sldSpeed->value() > sldSpeed->minimum())
            sldSpeed->setValue(sldSpeed->value() - 1);
        break;
    case Right:
        if (sldSpeed->value() < sldSpeed->maximum())
            sldSpeed->setValue(sldSpeed->value() + 1);
        break;
    case Space:
    case F3:
        DoAction(bRunning ? QStringLiteral("Stop") : QStringLiteral("Start"));
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
        if (bFullScreen)
            ToggleFullScreen(false);
        else
            DoAction(QStringLiteral("FullScreen"));
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
    if (bEnter) {
        bFullScreen = true;
        tlbMain->hide();
        picPanel->hide();
        lOldWindowState = windowStateValue();
        setWindowStateValue(2);
    } else {
        bFullScreen = false;
        tlbMain->show();
        picPanel->show();
        setWindowStateValue(lOldWindowState);
    }
    Form_Resize();
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
    if (bFullScreen)
        ToggleFullScreen(false);
}

void frmMain::picBack_Click()
{
    if (bFullScreen)
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
