// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmMainUi.h"

#include "ui/Accessibility.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

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
    {"EditText", QT_TRANSLATE_NOOP("frmMain", "Edit Text"), "Edit",
     QT_TRANSLATE_NOOP("frmMain", "Edit Text  (F2)")},
    //: The blanks widen the button that starts the script; keep about as wide a caption.
    {"Start", QT_TRANSLATE_NOOP("frmMain", "     Start     "), "Start",
     QT_TRANSLATE_NOOP("frmMain", "Prompter Start  (F3)")},
    {"Stop", QT_TRANSLATE_NOOP("frmMain", "Stop"), "Stop",
     QT_TRANSLATE_NOOP("frmMain", "Prompter Stop  (F3)")},
    {"Reset", QT_TRANSLATE_NOOP("frmMain", "Reset"), "Reset", QT_TRANSLATE_NOOP("frmMain", "Reset  (F4)")},
    {"Mark", QT_TRANSLATE_NOOP("frmMain", "Mark"), "Mark", QT_TRANSLATE_NOOP("frmMain", "Mark  (F5)")},
    {"JumpTo", QT_TRANSLATE_NOOP("frmMain", "Jump To"), "JumpTo",
     QT_TRANSLATE_NOOP("frmMain", "Jump To Marker  (F6)")},
    {"Unmark", QT_TRANSLATE_NOOP("frmMain", "Unmark"), "Unmark",
     QT_TRANSLATE_NOOP("frmMain", "Unmark  (F7)")},
    {"ClearAll", QT_TRANSLATE_NOOP("frmMain", "Clear All"), "ClearAll",
     QT_TRANSLATE_NOOP("frmMain", "Clear All Markers  (F8)")},
    {"FullScreen", QT_TRANSLATE_NOOP("frmMain", "Full Screen"), "FullScreen",
     QT_TRANSLATE_NOOP("frmMain", "Full Screen Toggle  (F9)")},
    {"Options", QT_TRANSLATE_NOOP("frmMain", "Options"), "Options",
     QT_TRANSLATE_NOOP("frmMain", "Options  (F10)")},
    {"Help", QT_TRANSLATE_NOOP("frmMain", "Help"), "Help", QT_TRANSLATE_NOOP("frmMain", "Help  (F1)")},
    {"Exit", QT_TRANSLATE_NOOP("frmMain", "Exit"), "Exit", QT_TRANSLATE_NOOP("frmMain", "Exit  (Esc)")},
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

void frmMainUi::setupUi(QWidget *form)
{
    form->setWindowTitle(QStringLiteral("Cuescroll"));
    form->setWindowIcon(icons::app());
    form->setFont(fonts::standard());
    form->resize(twips::toPixels(8880), twips::toPixels(6465));
    // Narrow enough for a portrait screen 480 pixels wide, wide enough for the panel's time and word
    // count side by side and for every toolbar button as an icon.
    form->setMinimumWidth(kMinimumWidth);
    // Restoring from maximised brings the window back to the middle of the screen.
    if (const QScreen *s = QGuiApplication::primaryScreen())
        form->move(s->availableGeometry().center() - form->rect().center());

    timResize = named(new QTimer(form), "timResize");
    timResize->setInterval(10);

    tlbMain = named(new QToolBar(form), "tlbMain");
    tlbMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tlbMain->setIconSize(QSize(16, 16));
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    tlbMain->setFocusPolicy(Qt::NoFocus);
    tlbMain->setAccessibleName(QCoreApplication::translate("frmMain", "Toolbar"));
    auto *toolbarStyle = new FlushToolBarStyle(QApplication::style()->name());
    toolbarStyle->setParent(tlbMain);
    tlbMain->setStyle(toolbarStyle);
    twips::move(tlbMain, 0, 5925, 8880, 540);

    picBack = named(new QWidget(form), "picBack");
    picBack->setAccessibleName(QCoreApplication::translate("frmMain", "Script"));
    picBack->setFocusPolicy(Qt::StrongFocus);
    colors::showsScript(picBack);
    colors::setBackColor(picBack, 0x00C0FFFF);
    twips::move(picBack, 330, 390, 2445, 4515);

    picLine = named(new QWidget(picBack), "picLine");
    picLine->setAccessibleName(QCoreApplication::translate("frmMain", "Reading line"));
    colors::showsScript(picLine);
    colors::setBackColor(picLine, 0x0000C000);
    colors::setForeColor(picLine, colors::system(8));
    twips::move(picLine, 360, 2520, 1725, 465);
    picLine->hide();

    rtDoc = named(new RichTextView(RichTextView::Input::None, picBack), "rtDoc");
    rtDoc->setAccessibleName(QCoreApplication::translate("frmMain", "Script text"));
    rtDoc->showScript();
    rtDoc->setBaseFont(fonts::make(QStringLiteral("Times New Roman"), 36));
    rtDoc->setBackColor(0x00C0FFFF);
    twips::move(rtDoc, 0, 120, 1875, 3885);
    // The viewport reaches past the window's right edge; wrap the text before it, not under the frame.
    rtDoc->setTextMargins(0, twips::toPixels(kViewportOverhang));

    rtMirror = named(new RichTextView(RichTextView::Input::Selection, picBack), "rtMirror");
    rtMirror->setAccessibleName(QCoreApplication::translate("frmMain", "Script to mark"));
    rtMirror->showScript();
    rtMirror->setBaseFont(fonts::make(QStringLiteral("Times New Roman"), 36));
    rtMirror->setBackColor(0x00C0FFFF);
    twips::move(rtMirror, 1290, 3840, 1065, 585);
    rtMirror->hide();

    txtFocus = named(new QLineEdit(form), "txtFocus");
    txtFocus->setAccessibleName(QCoreApplication::translate("frmMain", "Keyboard focus"));
    twips::move(txtFocus, 3000, 180, 1005, 315);

    picMove = named(new QWidget(form), "picMove");
    picMove->setAccessibleName(QCoreApplication::translate("frmMain", "Move reading line"));
    colors::showsScript(picMove); // the reading line's handles take its colour
    colors::setBackColor(picMove, colors::system(5));
    colors::setForeColor(picMove, colors::system(8));
    picMove->setCursor(Qt::SizeAllCursor);
    twips::move(picMove, 0, 0, 105, 885);

    picResize = named(new QWidget(form), "picResize");
    picResize->setAccessibleName(QCoreApplication::translate("frmMain", "Resize reading line"));
    colors::showsScript(picResize);
    colors::setBackColor(picResize, colors::system(5));
    colors::setForeColor(picResize, colors::system(8));
    picResize->setCursor(Qt::SizeVerCursor);
    twips::move(picResize, 0, 1740, 105, 45);

    picPanel = named(new QWidget(form), "picPanel");
    picPanel->setAccessibleName(QCoreApplication::translate("frmMain", "Control panel"));
    picPanel->setAutoFillBackground(true);
    twips::move(picPanel, 30, 5040, 10125, 915);

    optDown = named(new QToolButton(picPanel), "optDown");
    optDown->setToolTip(QCoreApplication::translate("frmMain", "Direction Down  (Ctrl+Dn)"));
    optDown->setAccessibleName(QCoreApplication::translate("frmMain", "Direction down"));
    twips::move(optDown, 3660, 480, 525, 345);

    optUp = named(new QToolButton(picPanel), "optUp");
    optUp->setToolTip(QCoreApplication::translate("frmMain", "Direction Up  (Ctrl+Up)"));
    optUp->setAccessibleName(QCoreApplication::translate("frmMain", "Direction up"));
    twips::move(optUp, 3660, 120, 525, 345);
    for (QToolButton *b : {optUp, optDown}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    optUp->setChecked(true);

    prgDoc = named(new QProgressBar(picPanel), "prgDoc");
    prgDoc->setAccessibleName(QCoreApplication::translate("frmMain", "Progress"));
    prgDoc->setRange(0, 100);
    prgDoc->setValue(0);
    prgDoc->setTextVisible(false);
    prgDoc->setFocusPolicy(Qt::NoFocus);
    twips::move(prgDoc, 6180, 120, 3435, 195);

    sldSpeed = named(new QSlider(Qt::Horizontal, picPanel), "sldSpeed");
    sldSpeed->setAccessibleName(QCoreApplication::translate("frmMain", "Speed"));
    sldSpeed->setToolTip(QCoreApplication::translate("frmMain", "Speed Up / Down  (Left / Right)"));
    sldSpeed->setRange(1, 16);
    sldSpeed->setValue(1);
    sldSpeed->setSingleStep(1);
    sldSpeed->setPageStep(2);
    sldSpeed->setTickPosition(QSlider::TicksBelow);
    sldSpeed->setTickInterval(1);
    sldSpeed->setFocusPolicy(Qt::NoFocus);
    twips::move(sldSpeed, 30, 60, 3615, 495);

    lblWords = panelLabel(picPanel, "lblWords", QString());
    lblWords->setAccessibleName(QCoreApplication::translate("frmMain", "Words"));
    a11y::exposeCaption(lblWords);
    lblWords->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    twips::move(lblWords, 8070, 390, 1545, 225);

    lblToGo = panelLabel(picPanel, "lblToGo", QStringLiteral("00:00"));
    lblToGo->setAccessibleName(QCoreApplication::translate("frmMain", "Time to go"));
    a11y::exposeCaption(lblToGo);
    twips::move(lblToGo, 6180, 390, 585, 225);

    // Their captions say all there is ("Leading 2 prompters"), so they are their names too.
    lblFollow = panelLabel(picPanel, "lblFollow", QString());
    a11y::nameIsCaption(lblFollow);
    twips::move(lblFollow, 6180, 660, 3435, 225);
    lblFollow->hide();

    lblRemote = panelLabel(picPanel, "lblRemote", QString());
    a11y::nameIsCaption(lblRemote);
    twips::move(lblRemote, 100, 660, 3435, 225);
    lblRemote->hide();

    // In the panel's own type and size, in red: the operator must not miss it.
    lblCueProblem = panelLabel(picPanel, "lblCueProblem", QString());
    a11y::nameIsCaption(lblCueProblem);
    colors::setReadableForeColor(lblCueProblem, colors::rgb(0xC0, 0x00, 0x00));
    lblCueProblem->setAutoFillBackground(true); // over the remote control's line
    twips::move(lblCueProblem, 100, 660, 3435, 225);
    lblCueProblem->hide();

    // Over the row of the remote's and the following's lines: rare, and more urgent.
    lblStudio = panelLabel(picPanel, "lblStudio", QString());
    a11y::nameIsCaption(lblStudio);
    lblStudio->setAutoFillBackground(true);
    twips::move(lblStudio, 100, 660, 3435, 225);
    lblStudio->hide();

    picMark = named(new QWidget(form), "picMark");
    picMark->setAccessibleName(QCoreApplication::translate("frmMain", "Mark panel"));
    picMark->setAutoFillBackground(true);
    twips::move(picMark, 30, 5040, 11265, 915);
    picMark->hide();

    cmdCancel = graphicalButton(picMark, "cmdCancel", QCoreApplication::translate("frmMain", "&Cancel"));
    twips::move(cmdCancel, 9570, 150, 1305, 615);
    cmdMark = graphicalButton(picMark, "cmdMark", QCoreApplication::translate("frmMain", "&Mark"));
    twips::move(cmdMark, 8100, 150, 1305, 615);

    lblHeightFinder = named(new QLabel(QStringLiteral("Height Finder"), form), "lblHeightFinder");
    lblHeightFinder->setFont(fonts::make(QStringLiteral("Times New Roman"), 27.75));
    twips::move(lblHeightFinder, 4470, 960, 3015, 630);

    // Earlier controls of the design lie in front of later ones; labels lie beneath everything.
    for (QWidget *w :
         std::initializer_list<QWidget *>{picMark, picPanel, picResize, picMove, txtFocus, picBack})
        w->raise();
    lblHeightFinder->lower();

    // Keyboard focus order; the viewport comes first so it has the focus when the window opens.
    QWidget::setTabOrder(picBack, txtFocus);
}

void frmMainUi::addToolbarButtons()
{
    for (const ButtonDef &def : kButtons) {
        const QString caption = QCoreApplication::translate("frmMain", def.caption);
        auto *action = new QAction(icons::tool(QLatin1String(def.image)), caption, tlbMain);
        action->setObjectName(QLatin1String(def.key));
        action->setIconText(caption); // keeps the padding of the Start caption
        action->setToolTip(QCoreApplication::translate("frmMain", def.toolTip));
        tlbMain->addAction(action);
        if (QWidget *button = tlbMain->widgetForAction(action)) {
            button->setFocusPolicy(Qt::NoFocus);
            // A screen reader reads the caption, not the blanks that widen the Start button.
            button->setAccessibleName(action->iconText().trimmed());
        }
    }
}

// Where the run's script and reading line stand: the script view in the viewport, the line over it.
float frmMainUi::scriptTop() const
{
    return twips::top(rtDoc);
}

void frmMainUi::setScriptTop(float top)
{
    // Placed, not glided: the pictures of it show the place to the fraction as well.
    const float pixels = top / twips::kPerPixel;
    const int y = static_cast<int>(std::nearbyint(pixels));
    rtDoc->setShownFraction(pixels - static_cast<float>(y), y == rtDoc->y());
    twips::setTop(rtDoc, top);
}

float frmMainUi::scriptHeight() const
{
    return twips::height(rtDoc);
}

float frmMainUi::viewportHeight() const
{
    return twips::height(picBack);
}

float frmMainUi::readingLineTop() const
{
    return twips::top(picLine);
}

float frmMainUi::readingLineHeight() const
{
    return twips::height(picLine);
}

float frmMainUi::fontLineHeight() const
{
    return twips::height(lblHeightFinder);
}

void frmMainUi::keepScriptTop(float top)
{
    twips::Rect g = twips::rect(rtDoc);
    g.top = top;
    twips::store(rtDoc, g);
}

int frmMainUi::shownScriptY() const
{
    return rtDoc->y();
}

bool frmMainUi::showsFractions() const
{
    return rtDoc->fractionShown();
}

// The fraction goes with the move when there is one: pictures following the view read it then.
void frmMainUi::presentScript(int y, float fraction)
{
    const bool moves = y != rtDoc->y();
    rtDoc->setShownFraction(fraction, !moves);
    if (moves)
        showScriptAt(y);
}

void frmMainUi::showScriptAt(int y)
{
    if (!scriptBeneath) {
        rtDoc->move(rtDoc->x(), y);
        return;
    }
    // The toolkit would repaint all the viewport where it cannot shift its pixels; here they are
    // clear and stay so.
    const bool backOff = picBack->testAttribute(Qt::WA_UpdatesDisabled);
    const bool docOff = rtDoc->testAttribute(Qt::WA_UpdatesDisabled);
    picBack->setAttribute(Qt::WA_UpdatesDisabled, true);
    rtDoc->setAttribute(Qt::WA_UpdatesDisabled, true);
    rtDoc->move(rtDoc->x(), y);
    rtDoc->setAttribute(Qt::WA_UpdatesDisabled, docOff);
    picBack->setAttribute(Qt::WA_UpdatesDisabled, backOff);
}

double frmMainUi::refreshRate() const
{
    const QScreen *s = rtDoc->screen();
    return s ? s->refreshRate() : 0.0;
}
