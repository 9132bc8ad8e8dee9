// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keys/KeyMap.h"
#include "ui/frmMainUi.h"

#include <QWidget>

class Dialogs;
class FollowSeat;
class FollowSession;
class LineHandles;
class Platform;
class PrompterControls;
class PrompterCore;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QScreen;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;
class RichTextView;
class RundownPanel;
class Settings;
class ShowControl;
class ShowRun;
class Studio;
class VoiceFollowing;
class frmLine;
namespace remote {
class RemoteControl;
}
namespace mos {
class MosControl;
}
namespace app {
class Application;
}

// The prompter window: its controls and their layout, and the dispatch of the operator's keys and
// buttons to the run (`PrompterCore`), which owns everything a run is.
class frmMain : public QWidget, public frmMainUi
{
    Q_OBJECT

public:
    // The window over services built before it; the run is shown here until the window goes.
    explicit frmMain(app::Application &services, QWidget *parent = nullptr);
    // With services of its own, started as the settings ask.
    frmMain(Platform &platform, Dialogs &dialogs, Settings &settings, QWidget *parent = nullptr);
    // With settings of its own, read from the store as a fresh start of the program reads them.
    frmMain(Platform &platform, Dialogs &dialogs, QWidget *parent = nullptr);
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    PrompterCore &core() const { return *m_core; }
    PrompterControls &controls() const { return *m_controls; }
    LineHandles &lineHandles() const { return *m_handles; }
    // Studio output: talent screen, mirrored prompter, countdown before Start (all off by default).
    Studio *studio() const { return m_studio; }
    // Phones, control desks, OSC and MIDI: off until the operator turns it on.
    remote::RemoteControl &remote() const { return *m_remote; }
    // "Remote control…" from the studio menu.
    void ShowRemoteWindow();
    // Running orders from a newsroom system: off until the operator turns it on.
    mos::MosControl &mos() const { return *m_mos; }
    // "Newsroom system (MOS)…" from the studio menu.
    void ShowMosWindow();
    // The script following the presenter's voice (off by default).
    VoiceFollowing *voice() const { return m_voice; }
    // Cues, messages to the presenter, the look-ahead.
    ShowControl &showControl() const { return *m_show; }
    // The show of several scripts: its rundown, stories and timers.
    ShowRun &showRun() const { return *m_showRun; }
    // Leading other prompters and following one.
    FollowSeat &followSeat() const { return *m_follow; }
    FollowSession &followSession() const;
    // "Follow prompter…": the leader's address and token, leaders on the network listed; `problem`
    // says why the last ones did not do.
    void FollowPrompterAction(const QString &problem = QString());
    // Lets other prompters follow this one, as --lead does, and shows the operator how.
    void LeadOthers();
    // A show of several scripts (folders, a rundown file), its rundown panel shown; a problem is told.
    void OpenShow(const QStringList &paths);
    // The rundown beside the script, on the operator's side only.
    RundownPanel &rundown() const { return *m_rundown; }
    void ShowRundown(bool on);

    void DoAction(const QString &sAction);
    void HandleKey(int keyCode, int shift);
    void ToggleFullScreen(bool bEnter);

    // Event handlers, public so that tests drive them without waiting on real time.
    // The width watch: a new width is laid out once it has held for kWidthHoldTicks ticks, so a drag
    // re-wraps the script when the hand stops, not at every width it passes through.
    void timResize_Timer();
    static constexpr int kWidthHoldTicks = 3;
    void tlbMain_ButtonClick(const QString &key);
    void sldSpeed_Scroll();
    void picBack_KeyDown(int keyCode, int shift);
    void picBack_KeyPress(int keyAscii);
    void picBack_Click();
    void txtFocus_KeyDown(int keyCode, int shift);
    // One wheel event over the viewport, in angle units (120 per classic notch).
    void HandleWheel(int angleDelta);
    void Form_Resize();

    // The outer width last laid out, in twips, and the window state before full screen.
    qint32 lastWidth() const { return lLastWidth; }
    qint32 oldWindowState() const { return lOldWindowState; }
    // Window state as the classic values: 0 normal, 1 minimised, 2 maximised.
    qint32 windowStateValue() const;
    void setWindowStateValue(qint32 state);

Q_SIGNALS:
    // The window has closed for good; the program ends.
    void unloaded();
    // Opening a file from outside has ended: the script replaced, a message shown, or cancelled.
    void openingEnded();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The Keys page, over `parent`; the keys it confirms are kept in the settings and work at once.
    void ShowKeysWindow(QWidget *parent);
    const keys::KeyMap &keyMap() const { return m_keys; }
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void BindRun();
    void ShowTimeToGo(); // the show's time to go in a show, else the script's countdown
    void CreateStudio();
    void BindRemote();
    void BindMos();
    void cmdMark_Click();
    void Form_Load();
    void InitPrompter();
    void Form_Unload();
    // Stops the timers and gives back the timer resolution, once; Form_Unload and the destructor.
    void ReleaseRun();
    void ShowFullScreen(bool bEnter);
    void ShowHelp();
    // Once the window's screen is known, the talent window may keep off it.
    void PlaceStudio();
    // Onto another screen than `avoid`, in the state the window has.
    void MoveOffScreen(QScreen *avoid);
    static bool onWayland();
    void ArrangeControls();
    void MeasureLineHeight();
    void FitToolbar(int clientWidth);
    bool awaitingExposure() const;
    void watchWidth();
    void ReadKeys();
    float rundownWidth() const; // twips the rundown panel takes beside the viewport

    static app::Application &startedServices(Platform &platform, Dialogs &dialogs, Settings &settings);

    app::Application &m_app;
    Platform &m_platform;
    Dialogs &m_dialogs;
    Settings &m_settings;
    PrompterControls *m_controls = nullptr;
    PrompterCore *m_core = nullptr;
    LineHandles *m_handles = nullptr;
    Studio *m_studio = nullptr;
    remote::RemoteControl *m_remote = nullptr;
    mos::MosControl *m_mos = nullptr;
    VoiceFollowing *m_voice = nullptr;
    FollowSeat *m_follow = nullptr;
    keys::KeyMap m_keys;
    ShowControl *m_show = nullptr;
    ShowRun *m_showRun = nullptr;
    RundownPanel *m_rundown = nullptr;
    bool m_rundownOn = false; // the operator wants the rundown shown (full screen hides it anyway)
    bool m_wasShow = false;
    qint32 lOldWindowState = 0;
    Qt::WindowStates m_stateBeforeFullScreen; // the Qt states full screen returns to
    qint32 lLastWidth = 0;
    float sngTextHeight = 0;
    bool m_unloaded = false;
    bool m_lineSettled = false;       // the line has had its first placement on screen
    int m_settledTicks = 0;           // watch ticks without a change of width
    int m_heldWidth = -1;             // the outer width the watch last saw, in pixels
    int m_heldTicks = 0;              // watch ticks it has held for
    int m_laidOutWidth = -1;          // client width of the last layout
    bool m_exposed = false;           // the window has been on screen
    bool m_arrangePending = false;    // a layout waits for the window's first exposure
    int m_captionedToolbarWidth = -1; // toolbar width its buttons need with their captions, pixels

public:
    // The form the prompter hangs its reading line's band on.
    frmLine *lineWindow = nullptr;
};
