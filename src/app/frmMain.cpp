// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmMain.h"

#include "app/Application.h"
#include "app/KeyInput.h"
#include "app/Log.h"
#include "app/gui/PrompterControls.h"
#include "common/Platform.h"
#include "common/Trace.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "editor/gui/ScriptOpener.h"
#include "editor/gui/frmEditText.h"
#include "follow/gui/FollowSeat.h"
#include "keys/gui/dlgKeys.h"
#include "line/gui/LineHandles.h"
#include "line/gui/frmLine.h"
#include "markers/gui/Marking.h"
#include "mos/MosControl.h"
#include "remote/gui/RemoteControl.h"
#include "remote/gui/dlgRemote.h"
#include "scroll/ScrollClock.h"
#include "scroll/ScrollEngine.h"
#include "settings/Settings.h"
#include "settings/gui/dlgOptions.h"
#include "settings/modSettings.h"
#include "show/CueWatch.h"
#include "show/gui/RundownPanel.h"
#include "show/gui/ShowControl.h"
#include "studio/Studio.h"
#include "studio/ViewportScroll.h"
#include "ui/Accessibility.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"
#include "voice/gui/VoiceFollowing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QProxyStyle>
#include <QScreen>
#include <QSlider>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <utility>

frmMain::frmMain(QWidget *parent) : frmMain(Platform::system(), Dialogs::system(), parent) {}

frmMain::frmMain(Platform &platform, Dialogs &dialogs, QWidget *parent)
    : frmMain(platform, dialogs, *new Settings, parent)
{
    // Its last child, so that the studio and the editor are gone before it is.
    m_settings.setParent(this);
}

frmMain::frmMain(Platform &platform, Dialogs &dialogs, Settings &settings, QWidget *parent)
    : frmMain(startedServices(platform, dialogs, settings), parent)
{
    // Its services go after its windows.
    m_app.setParent(this);
}

app::Application &frmMain::startedServices(Platform &platform, Dialogs &dialogs, Settings &settings)
{
    auto *services = new app::Application(platform, dialogs, settings);
    services->startServices();
    return *services;
}

frmMain::frmMain(app::Application &services, QWidget *parent)
    : QWidget(parent), m_app(services), m_platform(services.platform()), m_dialogs(services.dialogs()),
      m_settings(services.settings()), m_core(&services.core()), m_remote(&services.remote()),
      m_mos(&services.mos()), m_showRun(&services.showRun())
{
    setObjectName(QStringLiteral("frmMain"));
    createControls();
    PrompterControls::Hooks ch;
    ch.lineMoved = [this] { lineWindow->ResizeLine(); };
    ch.fullScreen = [this] { return m_core->fullScreen(); };
    ch.toReadingLine = [this] { return m_studio && m_studio->options().jumpToReadingLine; };
    ch.scriptColor = [this] { return m_core->appearance().lForeColor; };
    m_controls = new PrompterControls(
        m_dialogs,
        {this, rtDoc, rtMirror, picBack, picLine, picMark, picPanel, txtFocus, lblWords, lblHeightFinder},
        std::move(ch));
    PrompterCore::Window hooks;
    hooks.layout = [this] { Form_Resize(); };
    hooks.fullScreen = [this](bool enter) { ShowFullScreen(enter); };
    hooks.close = [this] { close(); };
    hooks.help = [this] { ShowHelp(); };
    hooks.editText = [this] {
        frmEditText editor(m_dialogs, m_settings, this);
        editor.rtDoc = rtDoc;
        editor.lblWords = lblWords;
        m_dialogs.showModal(editor);
    };
    hooks.options = [this](const appearance::Appearance &shown) {
        dlgOptions options(m_dialogs, this);
        options.current = shown;
        options.keysPage = [this, &options] { ShowKeysWindow(&options); };
        m_dialogs.showModal(options);
        return options.chosen;
    };
    m_core->attach(*this, *m_controls, std::move(hooks), this);
    ReadKeys();
    connect(&m_settings, &Settings::changed, this, [this](Settings::Key key) {
        if (key == Settings::Key::Keys)
            ReadKeys();
    });
    BindRun();
    connect(cmdMark, &QToolButton::clicked, this, &frmMain::cmdMark_Click);
    connect(cmdCancel, &QToolButton::clicked, &m_controls->marking(), &Marking::cmdCancel_Click);
    connect(m_controls, &PrompterControls::openingEnded, this, &frmMain::openingEnded);
    connect(&m_controls->opener(), &ScriptOpener::showDropped, this, &frmMain::OpenShow);
    connect(m_showRun, &ShowRun::wordsCounted, this, [this](int words) {
        lblWords->setText(QCoreApplication::translate("frmMain", "%n Words", nullptr, words));
    });
    m_rundown = new RundownPanel(*m_core, *m_showRun, m_dialogs, m_settings, this);
    m_rundown->hide();
    connect(m_showRun, &ShowRun::rundownChanged, this, [this] {
        // A show just opened brings its rundown up; the operator may put it away again.
        const bool show = m_showRun->isShow();
        if (show && !std::exchange(m_wasShow, show))
            ShowRundown(true);
        m_wasShow = show;
        ShowTimeToGo();
    });
    connect(m_showRun, &ShowRun::timersChanged, this, &frmMain::ShowTimeToGo);
    trace::watchMoves(rtDoc);
    Form_Load();
    CreateStudio();
    BindRemote();
    BindMos();
    m_show = new ShowControl({m_core, this, &m_settings, m_studio, m_remote, this, lblCueProblem}, this);
    connect(m_show, &ShowControl::panelToggled, this, &frmMain::ArrangeControls);
    // In a show, cues, the countdown and the look-ahead go by its stories.
    m_show->watch().setStoryOf([this](int block) {
        if (!m_showRun->isShow())
            return 1;
        return std::max(1, m_showRun->storyAt(rtDoc->document()->findBlockByNumber(block).position()) + 1);
    });
    m_show->setSecondsToEnd([this]() -> std::optional<int> {
        if (!m_showRun->isShow())
            return m_core->toGoSeconds();
        return m_showRun->timings().storyToGo;
    });
    m_show->setNextStory([this] {
        // The next story shown: a missing one has no place in the script.
        for (int next = m_showRun->current() + 1; m_showRun->isShow() && next < m_showRun->stories().size();
             ++next)
            if (m_showRun->storyStart(next) >= 0)
                return m_showRun->stories().at(next).shownTitle();
        return QString();
    });
    m_follow = new FollowSeat(m_app.follow(), lblFollow, this);
    // Refused at once, the operator's choice is put back before them with what was wrong.
    connect(&m_app.follow(), &FollowSession::refused, this, [this](const QString &said, bool fresh) {
        if (fresh)
            QTimer::singleShot(0, this, [this, said] { FollowPrompterAction(said); });
    });
    connect(&m_app.follow(), &FollowSession::followingChanged, this, [this](bool on) {
        tlbMain->setToolTip(on ? tr("Keys and buttons drive the leader") : QString());
    });
}

FollowSession &frmMain::followSession() const
{
    return m_app.follow();
}

// The panel shows the run as the core holds it, and sends the operator's hand back as commands. A
// control set by other means than the hand still moves the run with it.
void frmMain::BindRun()
{
    connect(m_core, &PrompterCore::speedChanged, sldSpeed, &QSlider::setValue);
    // What the core itself set comes back here equal to it and goes no further; a change of the
    // control's own is a command, and put back where the command is refused.
    connect(sldSpeed, &QSlider::valueChanged, m_core, [this](int value) {
        if (value != m_core->speed() && m_core->command({run::Verb::Speed, value}).refused())
            sldSpeed->setValue(m_core->speed());
    });
    const auto showDirection = [this](PrompterCore::Direction d) {
        (d == PrompterCore::Direction::Up ? optUp : optDown)->setChecked(true);
    };
    connect(m_core, &PrompterCore::directionChanged, this, showDirection);
    connect(optUp, &QToolButton::toggled, m_core, [this, showDirection](bool up) {
        const PrompterCore::Direction d = up ? PrompterCore::Direction::Up : PrompterCore::Direction::Down;
        if (d != m_core->direction() && m_core->command({up ? run::Verb::Up : run::Verb::Down}).refused())
            showDirection(m_core->direction());
    });
    connect(m_core, &PrompterCore::progressChanged, prgDoc, [this](int value) {
        // A progress bar repaints at once, and with it whatever else waits to be painted: after a
        // jump, the whole script, inside the command. Painted with the next frame instead.
        prgDoc->setUpdatesEnabled(false);
        prgDoc->setValue(value);
        prgDoc->setUpdatesEnabled(true);
    });
    connect(m_core, &PrompterCore::timeToGoChanged, this, &frmMain::ShowTimeToGo);
    sldSpeed->setValue(m_core->speed());
    optUp->setChecked(m_core->direction() == PrompterCore::Direction::Up);
    prgDoc->setValue(m_core->progress());
    ShowTimeToGo();
}

void frmMain::ShowTimeToGo()
{
    lblToGo->setText(m_showRun ? m_showRun->timeToGo() : m_core->timeToGo());
}

// Studio output hooks into the prompter here and at Start and Stop only.
void frmMain::CreateStudio()
{
    Studio::Prompter p;
    p.picBack = picBack;
    p.rtDoc = rtDoc;
    p.band = lineWindow;
    p.startClock = [this](quint32 tick) { m_core->command({run::Verb::StartAt, int(tick)}); };
    p.key = [this](QKeyEvent *event) {
        if (const auto key = keyinput::fromEvent(*event))
            HandleKey(key->code, key->shift);
    };
    p.stored = [this] { m_core->reportStoreProblem(); };
    m_voice = new VoiceFollowing(*m_core, m_platform, m_dialogs, m_settings, {this, picPanel, prgDoc});
    p.moreItems = [this](QMenu &menu) {
        menu.addSeparator();
        QAction *remote = menu.addAction(tr("&Remote control…"));
        remote->setObjectName(QStringLiteral("mnuRemote"));
        connect(remote, &QAction::triggered, this, &frmMain::ShowRemoteWindow, Qt::QueuedConnection);
        QAction *newsroom = menu.addAction(tr("Ne&wsroom system (MOS)…"));
        newsroom->setObjectName(QStringLiteral("mnuMos"));
        connect(newsroom, &QAction::triggered, this, &frmMain::ShowMosWindow, Qt::QueuedConnection);
        m_follow->fillMenu(menu, m_dialogs, this, [this] { LeadOthers(); });
        m_voice->fillMenu(menu);
        QMenu &show = m_show->fillMenu(menu);
        QAction *rundown = new QAction(tr("Run&down"), &show);
        rundown->setObjectName(QStringLiteral("mnuRundown"));
        rundown->setCheckable(true);
        rundown->setChecked(m_rundownOn);
        connect(rundown, &QAction::toggled, this, &frmMain::ShowRundown);
        show.insertAction(show.actions().value(0), rundown);
    };
    p.moveOff = [this](QScreen *avoid) { MoveOffScreen(avoid); };
    p.notice = [this](const QString &text) {
        lblStudio->setText(text);
        lblStudio->setToolTip(text);
        lblStudio->setVisible(!text.isEmpty());
        if (!text.isEmpty())
            lblStudio->raise();
    };
    m_studio = new Studio(m_platform, m_settings, std::move(p), this);
    m_core->setStudio(m_studio);
}

void frmMain::BindRemote()
{
    // In the operator's panel only: the talent's picture never shows it. Listening since before the
    // window, maybe.
    const auto showStatus = [this] {
        lblRemote->setText(tr("Remote control on, %n device(s)", nullptr, m_remote->devices()));
        lblRemote->setVisible(m_remote->listening());
    };
    showStatus();
    connect(m_remote, &remote::RemoteControl::statusChanged, this, showStatus);
    if (m_app.remoteTrouble()) {
        // Once the window is up, so that the message stands over it.
        QTimer::singleShot(0, this, [this] {
            // A game controller's or MIDI's module missing leaves the server listening.
            const QString text = m_remote->listening() || !m_settings.remoteEnabled()
                                     ? tr("Part of the remote control cannot start:\n%1")
                                     : tr("Remote control is turned on but cannot listen:\n%1");
            m_dialogs.warning(this, windowTitle(), text.arg(m_remote->error()));
        });
    }
}

void frmMain::OpenShow(const QStringList &paths)
{
    QString error;
    if (!m_showRun->open(paths, &error))
        m_dialogs.warning(this, windowTitle(), error);
}

void frmMain::ShowRundown(bool on)
{
    m_rundownOn = on;
    Form_Resize();
}

void frmMain::ShowRemoteWindow()
{
    remote::dlgRemote window(m_settings, *m_remote, m_dialogs, this);
    m_dialogs.showModal(window);
    m_core->reportStoreProblem();
}

frmMain::~frmMain()
{
    // Destroyed without a close (its owner is going): release what the run holds, and emit nothing.
    ReleaseRun();
    // The run outlives its window, which lets go of it.
    m_app.windowGone();
}

// The window as designed, and what it does with its controls' events.
void frmMain::createControls()
{
    // On Wayland the compositor may show the script beneath the window (studio/ViewportScroll): the
    // window then needs clear pixels, decided before it is made.
    if (onWayland())
        setAttribute(Qt::WA_TranslucentBackground);
    setupUi(this);

    picBack->installEventFilter(this);
    txtFocus->installEventFilter(this);

    connect(timResize, &QTimer::timeout, this, &frmMain::timResize_Timer);
    connect(tlbMain, &QToolBar::actionTriggered, this,
            [this](QAction *a) { tlbMain_ButtonClick(a->objectName()); });
    // Any use of the slider by the mouse (drag, click on the track) hands the keys back.
    connect(sldSpeed, &QSlider::actionTriggered, this, &frmMain::sldSpeed_Scroll);

    timResize->start();
}

void frmMain::Form_Load()
{
    InitPrompter();
    twips::move(rtDoc, 0, 0, twips::width(picBack), 100000000);
}

void frmMain::InitPrompter()
{
    setWindowTitle(modSettings::GetAppName());

    addToolbarButtons();

    // The wheel needs no set-up: its events come to the viewport.
    m_platform.timeBeginPeriod(1);

    lineWindow = new frmLine(this);
    lineWindow->setSources(picBack, picLine); // shows it once it has its place
    auto *beneath = new ViewportScroll(this, picBack, rtDoc, lineWindow);
    beneath->onActive = [this](bool on) { scriptBeneath = on; };
    m_handles = new LineHandles({this, picBack, picLine, picMove, picResize});

    picBack->setCursor(Qt::IBeamCursor);
    twips::setHeight(picMove, 460 - twips::height(picResize));
    optUp->setIcon(icons::tool(QStringLiteral("Up")));
    optDown->setIcon(icons::tool(QStringLiteral("Down")));
    cmdCancel->setIcon(icons::tool(QStringLiteral("Cancel")));
    cmdMark->setIcon(icons::tool(QStringLiteral("Mark")));

    m_core->applyStoredAppearance();
}

qint32 frmMain::windowStateValue() const
{
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized)
        return 1;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}

void frmMain::setWindowStateValue(qint32 state)
{
    switch (state) {
    case 1:
        setWindowState(windowState() | Qt::WindowMinimized);
        break;
    case 2:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    default:
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    }
}

// Wayland tells a window its output only once the compositor shows it, after its first frame:
// if it stays where Qt first guessed, no change of screen comes, so a while without one says so.
constexpr int kWaylandOutputWaitMs = 500;

bool frmMain::onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void frmMain::PlaceStudio()
{
    if (!onWayland()) {
        m_studio->prompterPlaced();
        return;
    }
    connect(windowHandle(), &QWindow::screenChanged, m_studio, &Studio::prompterPlaced,
            Qt::SingleShotConnection);
    QTimer::singleShot(kWaylandOutputWaitMs, m_studio, &Studio::prompterPlaced);
}

void frmMain::MoveOffScreen(QScreen *avoid)
{
    QScreen *target = nullptr;
    for (QScreen *s : QGuiApplication::screens()) {
        if (s != avoid && (!target || s == QGuiApplication::primaryScreen()))
            target = s;
    }
    QWindow *handle = windowHandle();
    if (!target || !handle)
        return;
    const Qt::WindowStates states = windowState() & ~Qt::WindowMinimized;
    qCDebug(lcApp).noquote() << "prompter window to" << target->name() << "off" << avoid->name();
    if (onWayland()) {
        // A Wayland client cannot place its window, but it may ask for full screen on an output;
        // the compositor keeps the window on that output when it returns to its state.
        handle->setScreen(target);
        setWindowState(states | Qt::WindowFullScreen);
        const auto restore = [this, states] {
            if (!m_core->fullScreen() && (windowState() & Qt::WindowFullScreen))
                setWindowState(states);
        };
        connect(handle, &QWindow::screenChanged, this, restore, Qt::SingleShotConnection);
        QTimer::singleShot(2 * kWaylandOutputWaitMs, this, restore);
        return;
    }
    // A maximised window is placed by the window manager: normal while it moves, then as it was.
    setWindowState(Qt::WindowNoState);
    handle->setScreen(target);
    const QRect area = target->availableGeometry();
    const QSize size = normalGeometry().size().boundedTo(area.size());
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    setWindowState(states);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    ReleaseRun();
    // Nothing of the program outlives the prompter window.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible())
            w->close();
    }
    Q_EMIT unloaded();
}

void frmMain::ReleaseRun()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_core->clock().release();
    m_app.release();
    timResize->stop();
    lineWindow->timResize->stop();
    m_platform.timeEndPeriod(1);
}

void frmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_exposed && windowHandle())
        windowHandle()->installEventFilter(this);
    // The viewport is first in the focus order: keys reach the prompter from the first moment.
    if (!focusWidget())
        picBack->setFocus();
}

bool frmMain::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
        if (trace::enabled()) {
            // Paint and flush of everything left dirty; the first on screen ends the start-up.
            const trace::Span paint('P', windowHandle() && windowHandle()->isExposed());
            return QWidget::event(event);
        }
        break;
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::WindowStateChange:
    case QEvent::ScreenChangeInternal:
        watchWidth();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void frmMain::resizeEvent(QResizeEvent *)
{
    watchWidth();
    // A new width re-wraps the whole script: while the width keeps changing (a drag, or a window
    // opening and then maximising) the watch waits for it to settle and lays out once.
    if (width() != m_laidOutWidth && m_laidOutWidth >= 0) {
        timResize->start();
        return;
    }
    Form_Resize();
}

void frmMain::Form_Resize()
{
    // Laid out here; the width watch has nothing left to do for this size.
    lLastWidth = scroll::roundToInt(twips::fromPixels(frameGeometry().width()));
    ArrangeControls();
}
