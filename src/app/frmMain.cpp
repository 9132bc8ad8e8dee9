#include "app/frmMain.h"

#include "app/KeyInput.h"
#include "common/Platform.h"
#include "common/Trace.h"
#include "line/frmLine.h"
#include "scroll/ScrollEngine.h"
#include "settings/Settings.h"
#include "settings/dlgOptions.h"
#include "settings/modSettings.h"
#include "studio/Studio.h"
#include "ui/Accessibility.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {

struct ButtonDef
{
    const char *key;
    const char *caption;
    const char *image;
    const char *toolTip;
};

// The toolbar, in order: the key is the action a click passes on.
constexpr ButtonDef kButtons[] = {
    {"EditText", "Edit Text", "Edit", "Edit Text  (F2)"},
    {"Start", "     Start     ", "Start", "Prompter Start  (F3)"},
    {"Stop", "Stop", "Stop", "Prompter Stop  (F3)"},
    {"Reset", "Reset", "Reset", "Reset  (F4)"},
    {"Mark", "Mark", "Mark", "Mark  (F5)"},
    {"JumpTo", "Jump To", "JumpTo", "Jump To Marker  (F6)"},
    {"Unmark", "Unmark", "Unmark", "Unmark  (F7)"},
    {"ClearAll", "Clear All", "ClearAll", "Clear All Markers  (F8)"},
    {"FullScreen", "Full Screen", "FullScreen", "Full Screen Toggle  (F9)"},
    {"Options", "Options", "Options", "Options  (F10)"},
    {"Help", "Help", "Help", "Help  (F1)"},
    {"Exit", "Exit", "Exit", "Exit  (Esc)"},
};

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton *graphicalButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = named(new QToolButton(parent), name);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFont(fonts::standardBold());
    return b;
}

QLabel *panelLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *l = named(new QLabel(caption, parent), name);
    l->setFont(fonts::standardBold());
    colors::setReadableForeColor(l, 0x000040C0);
    return l;
}

// The toolbar is one row of buttons and nothing else: no frame or margin of its own.
class FlushToolBarStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ToolBarFrameWidth || metric == PM_ToolBarItemMargin)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

constexpr int kMinimumWidth = 400;

// How far the viewport reaches past the window's right edge (it is as wide as the window, 100 in).
constexpr float kViewportOverhang = 100;

} // namespace

frmMain::frmMain(QWidget *parent) : frmMain(Platform::system(), Dialogs::system(), parent) {}

frmMain::frmMain(Platform &platform, Dialogs &dialogs, QWidget *parent)
    : frmMain(platform, dialogs, *new Settings, parent)
{
    // Its last child, so that the studio and the editor are gone before it is.
    m_settings.setParent(this);
}

frmMain::frmMain(Platform &platform, Dialogs &dialogs, Settings &settings, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_dialogs(dialogs), m_settings(settings)
{
    setObjectName(QStringLiteral("frmMain"));
    createControls();
    Form_Load();
    EnableDrops();
    CreateStudio();
}

// Studio output hooks into the prompter here and at Start and Stop only.
void frmMain::CreateStudio()
{
    Studio::Prompter p;
    p.picBack = picBack;
    p.rtDoc = rtDoc;
    p.band = lineWindow;
    p.startClock = [this](quint32 tick) { StartClock(tick); };
    p.key = [this](QKeyEvent *event) {
        if (const auto key = keyinput::fromEvent(*event))
            HandleKey(key->code, key->shift);
    };
    p.stored = [this] { ReportStoreProblem(); };
    studio = new Studio(m_platform, m_settings, std::move(p), this);
}

frmMain::~frmMain()
{
    // Destroyed without a close (its owner is going): release what the run holds, and emit nothing.
    ReleaseRun();
}

// The window as designed, before any of the prompter's own set-up.
void frmMain::createControls()
{
    setWindowTitle(QStringLiteral("Cuescroll"));
    setWindowIcon(icons::app());
    setFont(fonts::standard());
    resize(twips::toPixels(8880), twips::toPixels(6465));
    // Narrow enough for a portrait screen 480 pixels wide, wide enough for the panel's time and word
    // count side by side and for every toolbar button as an icon.
    setMinimumWidth(kMinimumWidth);
    // Restoring from maximised brings the window back to the middle of the screen.
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    timResize = named(new QTimer(this), "timResize");
    timResize->setInterval(10);
    timTick = named(new QTimer(this), "timTick");
    timTick->setTimerType(Qt::PreciseTimer);
    timTick->setInterval(1);
    timFrame = named(new QTimer(this), "timFrame");
    timFrame->setTimerType(Qt::PreciseTimer);
    timFrame->setSingleShot(true);

    tlbMain = named(new QToolBar(this), "tlbMain");
    tlbMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tlbMain->setIconSize(QSize(16, 16));
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    tlbMain->setFocusPolicy(Qt::NoFocus);
    tlbMain->setAccessibleName(tr("Toolbar"));
    auto *toolbarStyle = new FlushToolBarStyle(QApplication::style()->name());
    toolbarStyle->setParent(tlbMain);
    tlbMain->setStyle(toolbarStyle);
    twips::move(tlbMain, 0, 5925, 8880, 540);

    picBack = named(new QWidget(this), "picBack");
    picBack->setAccessibleName(tr("Script"));
    picBack->setFocusPolicy(Qt::StrongFocus);
    colors::showsScript(picBack);
    colors::setBackColor(picBack, 0x00C0FFFF);
    twips::move(picBack, 330, 390, 2445, 4515);

    picLine = named(new QWidget(picBack), "picLine");
    picLine->setAccessibleName(tr("Reading line"));
    colors::showsScript(picLine);
    colors::setBackColor(picLine, 0x0000C000);
    colors::setForeColor(picLine, colors::system(8));
    twips::move(picLine, 360, 2520, 1725, 465);
    picLine->hide();

    rtDoc = named(new RichTextView(RichTextView::Input::None, picBack), "rtDoc");
    rtDoc->setAccessibleName(tr("Script text"));
    rtDoc->showScript();
    rtDoc->setBaseFont(fonts::make(QStringLiteral("Times New Roman"), 36));
    rtDoc->setBackColor(0x00C0FFFF);
    twips::move(rtDoc, 0, 120, 1875, 3885);
    // The viewport reaches past the window's right edge; wrap the text before it, not under the frame.
    rtDoc->setTextMargins(0, twips::toPixels(kViewportOverhang));

    rtMirror = named(new RichTextView(RichTextView::Input::Selection, picBack), "rtMirror");
    rtMirror->setAccessibleName(tr("Script to mark"));
    rtMirror->showScript();
    rtMirror->setBaseFont(fonts::make(QStringLiteral("Times New Roman"), 36));
    rtMirror->setBackColor(0x00C0FFFF);
    twips::move(rtMirror, 1290, 3840, 1065, 585);
    rtMirror->hide();

    txtFocus = named(new QLineEdit(this), "txtFocus");
    txtFocus->setAccessibleName(tr("Keyboard focus"));
    twips::move(txtFocus, 3000, 180, 1005, 315);

    picMove = named(new QWidget(this), "picMove");
    picMove->setAccessibleName(tr("Move reading line"));
    colors::showsScript(picMove); // the reading line's handles take its colour
    colors::setBackColor(picMove, colors::system(5));
    colors::setForeColor(picMove, colors::system(8));
    picMove->setCursor(Qt::SizeAllCursor);
    twips::move(picMove, 0, 0, 105, 885);

    picResize = named(new QWidget(this), "picResize");
    picResize->setAccessibleName(tr("Resize reading line"));
    colors::showsScript(picResize);
    colors::setBackColor(picResize, colors::system(5));
    colors::setForeColor(picResize, colors::system(8));
    picResize->setCursor(Qt::SizeVerCursor);
    twips::move(picResize, 0, 1740, 105, 45);

    picPanel = named(new QWidget(this), "picPanel");
    picPanel->setAccessibleName(tr("Control panel"));
    picPanel->setAutoFillBackground(true);
    twips::move(picPanel, 30, 5040, 10125, 915);

    optDown = named(new QToolButton(picPanel), "optDown");
    optDown->setToolTip(QStringLiteral("Direction Down  (Ctrl+Dn)"));
    optDown->setAccessibleName(tr("Direction down"));
    twips::move(optDown, 3660, 480, 525, 345);

    optUp = named(new QToolButton(picPanel), "optUp");
    optUp->setToolTip(QStringLiteral("Direction Up  (Ctrl+Up)"));
    optUp->setAccessibleName(tr("Direction up"));
    twips::move(optUp, 3660, 120, 525, 345);
    for (QToolButton *b : {optUp, optDown}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    optUp->setChecked(true);

    prgDoc = named(new QProgressBar(picPanel), "prgDoc");
    prgDoc->setAccessibleName(tr("Progress"));
    prgDoc->setRange(0, 100);
    prgDoc->setValue(0);
    prgDoc->setTextVisible(false);
    prgDoc->setFocusPolicy(Qt::NoFocus);
    twips::move(prgDoc, 6180, 120, 3435, 195);

    sldSpeed = named(new QSlider(Qt::Horizontal, picPanel), "sldSpeed");
    sldSpeed->setAccessibleName(tr("Speed"));
    sldSpeed->setToolTip(QStringLiteral("Speed Up / Down  (Left / Right)"));
    sldSpeed->setRange(1, 16);
    sldSpeed->setValue(1);
    sldSpeed->setSingleStep(1);
    sldSpeed->setPageStep(2);
    sldSpeed->setTickPosition(QSlider::TicksBelow);
    sldSpeed->setTickInterval(1);
    sldSpeed->setFocusPolicy(Qt::NoFocus);
    twips::move(sldSpeed, 30, 60, 3615, 495);

    lblWords = panelLabel(picPanel, "lblWords", QString());
    lblWords->setAccessibleName(tr("Words"));
    a11y::exposeCaption(lblWords);
    lblWords->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    twips::move(lblWords, 8070, 390, 1545, 225);

    lblToGo = panelLabel(picPanel, "lblToGo", QStringLiteral("00:00"));
    lblToGo->setAccessibleName(tr("Time to go"));
    a11y::exposeCaption(lblToGo);
    twips::move(lblToGo, 6180, 390, 585, 225);

    picMark = named(new QWidget(this), "picMark");
    picMark->setAccessibleName(tr("Mark panel"));
    picMark->setAutoFillBackground(true);
    twips::move(picMark, 30, 5040, 11265, 915);
    picMark->hide();

    cmdCancel = graphicalButton(picMark, "cmdCancel", QStringLiteral("&Cancel"));
    twips::move(cmdCancel, 9570, 150, 1305, 615);
    cmdMark = graphicalButton(picMark, "cmdMark", QStringLiteral("&Mark"));
    twips::move(cmdMark, 8100, 150, 1305, 615);

    lblHeightFinder = named(new QLabel(QStringLiteral("Height Finder"), this), "lblHeightFinder");
    lblHeightFinder->setFont(fonts::make(QStringLiteral("Times New Roman"), 27.75));
    twips::move(lblHeightFinder, 4470, 960, 3015, 630);

    // Earlier controls of the design lie in front of later ones; labels lie beneath everything.
    for (QWidget *w :
         std::initializer_list<QWidget *>{picMark, picPanel, picResize, picMove, txtFocus, picBack})
        w->raise();
    lblHeightFinder->lower();

    // Keyboard focus order; the viewport comes first so it has the focus when the window opens.
    setTabOrder(picBack, txtFocus);

    picBack->installEventFilter(this);
    txtFocus->installEventFilter(this);

    connect(timResize, &QTimer::timeout, this, &frmMain::timResize_Timer);
    connect(timTick, &QTimer::timeout, this, &frmMain::timTick_Timer);
    connect(timFrame, &QTimer::timeout, this, &frmMain::timFrame_Timer);
    connect(tlbMain, &QToolBar::actionTriggered, this,
            [this](QAction *a) { tlbMain_ButtonClick(a->objectName()); });
    connect(sldSpeed, &QSlider::valueChanged, this, &frmMain::sldSpeed_Change);
    connect(cmdMark, &QToolButton::clicked, this, &frmMain::cmdMark_Click);
    connect(cmdCancel, &QToolButton::clicked, this, &frmMain::cmdCancel_Click);
    // Any use of the slider by the mouse (drag, click on the track) hands the keys back.
    connect(sldSpeed, &QSlider::actionTriggered, this, &frmMain::sldSpeed_Scroll);

    timResize->start();
    timTick->start();
    trace::watchMoves(rtDoc);
}

void frmMain::Form_Load()
{
    InitPrompter();
    twips::move(rtDoc, 0, 0, twips::width(picBack), 100000000);
}

void frmMain::InitPrompter()
{
    setWindowTitle(modSettings::GetAppName());

    for (const ButtonDef &def : kButtons) {
        auto *action =
            new QAction(icons::tool(QLatin1String(def.image)), QLatin1String(def.caption), tlbMain);
        action->setObjectName(QLatin1String(def.key));
        action->setIconText(QLatin1String(def.caption)); // keeps the padding of the Start caption
        action->setToolTip(QLatin1String(def.toolTip));
        tlbMain->addAction(action);
        if (QWidget *button = tlbMain->widgetForAction(action)) {
            button->setFocusPolicy(Qt::NoFocus);
            // A screen reader reads the caption, not the blanks that widen the Start button.
            button->setAccessibleName(action->iconText().trimmed());
        }
    }

    // The wheel needs no set-up: its events come to the viewport.
    m_platform.timeBeginPeriod(1);
    timTick->stop();

    if (!lineWindow) {
        lineWindow = new frmLine(this);
        lineWindow->setSources(picBack, picLine); // shows it once it has its place
    }
    if (!lineDrag)
        connectLineHandles();

    picBack->setCursor(Qt::IBeamCursor);
    twips::setHeight(picMove, 460 - twips::height(picResize));
    optUp->setIcon(icons::tool(QStringLiteral("Up")));
    optDown->setIcon(icons::tool(QStringLiteral("Down")));
    cmdCancel->setIcon(icons::tool(QStringLiteral("Cancel")));
    cmdMark->setIcon(icons::tool(QStringLiteral("Mark")));

    const appearance::Appearance stored = m_settings.appearance();
    KeepAppearance(stored);
    m_frameSync = m_settings.frameSync();

    appearance::apply(stored, *rtDoc, *picLine);
    colors::setBackColor(picBack, rtDoc->BackColor());
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

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload(); // never refuses
    Form_Unload();
    event->accept();
}

void frmMain::Form_QueryUnload()
{
    // Nothing waits on a wheel loop: wheel events come to the viewport directly.
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
    timTick->stop();
    timFrame->stop();
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
