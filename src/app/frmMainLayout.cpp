// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Log.h"
#include "app/frmMain.h"
#include "common/Trace.h"
#include "core/PrompterCore.h"
#include "line/ReadingLine.h"
#include "scroll/ScrollEngine.h"
#include "show/gui/RundownPanel.h"
#include "show/gui/ShowControl.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/RichTextView.h"
#include "ui/Tags.h"
#include "ui/Twips.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <algorithm>

namespace {
constexpr float kMargin = 100;           // viewport left edge; slider left edge in the panel
constexpr float kSliderGap = 100;        // slider to direction buttons
constexpr float kButtonsGap = 200;       // direction buttons to progress bar
constexpr float kPanelUnshared = 800;    // panel width the slider and progress bar do not share
constexpr float kCancelGap = 200;        // right of the Cancel button
constexpr float kMarkGap = 50;           // between Mark and Cancel
constexpr float kBottomMargin = 50;      // viewport to panel (or to the bottom edge in full screen)
constexpr float kLineOffset = 60;        // first line placement below the viewport's middle
constexpr float kHandleOverhang = 10000; // handles reach past both window edges
constexpr float kLineInset = 30;         // line's left edge inside the viewport
constexpr quint32 kHandleColorOffset = 200;
constexpr float kToGoWidth = 585;   // the time label's design width
constexpr float kLabelHeight = 225; // the panel labels' design height
} // namespace

namespace {
// The watch rests after this many ticks without a change of width; a move, resize, show or change
// of window state wakes it again.
constexpr int kTicksToSettle = 20;
} // namespace

void frmMain::timResize_Timer()
{
    const int outerWidth = frameGeometry().width();
    const bool changed = scroll::roundToInt(twips::fromPixels(outerWidth)) != lLastWidth ||
                         (width() != m_laidOutWidth && m_laidOutWidth >= 0);
    if (!changed) {
        if (++m_settledTicks >= kTicksToSettle)
            timResize->stop();
        return;
    }
    m_settledTicks = 0;
    if (outerWidth != m_heldWidth) {
        m_heldWidth = outerWidth;
        m_heldTicks = 0;
    }
    if (++m_heldTicks < kWidthHoldTicks)
        return;
    lLastWidth = scroll::roundToInt(twips::fromPixels(outerWidth));
    ArrangeControls();
}

void frmMain::watchWidth()
{
    m_settledTicks = 0;
    if (!timResize->isActive() && !m_unloaded)
        timResize->start();
}

bool frmMain::awaitingExposure() const
{
    return isVisible() && !m_exposed;
}

void frmMain::ArrangeControls()
{
    const trace::Span span('L', width());
    m_laidOutWidth = width();
    const float scaleWidth = twips::fromPixels(width());
    const float scaleHeight = twips::fromPixels(height());

    if (!m_core->fullScreen())
        FitToolbar(width());
    // One button high. No bottom-aligned toolbars outside a main window: place it on the bottom edge
    // here, except in full screen, where it is hidden and keeps where it was.
    const QList<QAction *> buttons = tlbMain->actions();
    const QWidget *button = buttons.isEmpty() ? nullptr : tlbMain->widgetForAction(buttons.first());
    const float toolbarHeight = twips::fromPixels(button ? button->sizeHint().height() : 0);
    if (m_core->fullScreen())
        twips::setHeight(tlbMain, toolbarHeight);
    else
        twips::move(tlbMain, 0, scaleHeight - toolbarHeight, scaleWidth, toolbarHeight);

    const float panelHeight = twips::height(picPanel);
    if (!m_core->fullScreen()) {
        twips::move(picPanel, 0, scaleHeight - toolbarHeight - panelHeight, scaleWidth, panelHeight);
        const float panelWidth = twips::width(picPanel);
        twips::setLeft(sldSpeed, kMargin);
        twips::setWidth(sldSpeed, (panelWidth - twips::width(optUp) - kPanelUnshared) / 2);
        twips::setLeft(optUp, twips::left(sldSpeed) + twips::width(sldSpeed) + kSliderGap);
        twips::setLeft(optDown, twips::left(optUp));
        twips::setLeft(prgDoc, twips::left(optUp) + twips::width(optUp) + kButtonsGap);
        twips::setWidth(prgDoc, twips::width(sldSpeed));
        twips::setLeft(lblToGo, twips::left(prgDoc));
        // Long scripts run to hours, more digits than the design's box holds: the time may use the
        // bar's width (the word count beside it is right-aligned) and the font's full height.
        twips::setWidth(lblToGo, std::max(kToGoWidth, twips::width(prgDoc)));
        for (QLabel *l : {lblToGo, lblWords, lblFollow, lblRemote, lblCueProblem, lblStudio})
            twips::setHeight(l, std::max(kLabelHeight, twips::fromPixels(l->fontMetrics().height())));
        twips::setLeft(lblWords, twips::left(prgDoc) + twips::width(prgDoc) - twips::width(lblWords));
        // Below the time and the word count, as wide as the bar.
        twips::move(lblFollow, twips::left(prgDoc), twips::top(lblToGo) + twips::height(lblToGo),
                    twips::width(prgDoc), twips::height(lblFollow));
        // On the same row, under the slider.
        twips::move(lblRemote, kMargin, twips::top(lblFollow), twips::width(sldSpeed),
                    twips::height(lblRemote));
        // In its place while a cue destination fails.
        twips::setRect(lblCueProblem, twips::rect(lblRemote));
        ShowControl::fitProblems(*lblCueProblem);
        // The whole row: over the remote's and the following's lines while it has something to say.
        twips::move(lblStudio, kMargin, twips::top(lblFollow),
                    twips::left(prgDoc) + twips::width(prgDoc) - kMargin, twips::height(lblStudio));

        twips::setRect(picMark, twips::rect(picPanel));
        twips::setLeft(cmdCancel, twips::width(picMark) - twips::width(cmdCancel) - kCancelGap);
        twips::setLeft(cmdMark, twips::left(cmdCancel) - twips::width(cmdMark) - kMarkGap);
    }

    // Too low to lay out (minimised, say): everything else keeps its geometry.
    if (float(toolbarHeight + panelHeight + kBottomMargin) > scaleHeight)
        return;

    float backHeight = scaleHeight - kBottomMargin;
    if (!m_core->fullScreen())
        backHeight -= toolbarHeight + panelHeight;
    // The rundown stands at the right, beside the script and never over it; full screen hides it.
    const float side = rundownWidth();
    if (m_rundown)
        m_rundown->setVisible(side > 0);
    if (side > 0) {
        twips::move(m_rundown, scaleWidth - side, 0, side, backHeight + kBottomMargin);
        m_rundown->raise();
    }
    const float backWidth = side > 0 ? scaleWidth - side - kMargin : scaleWidth;
    // The look-ahead, for the operator's eyes only, takes the bottom of the picture.
    const float lookAheadHeight = m_show ? m_show->panelHeight(m_core->fullScreen()) : 0;
    backHeight -= lookAheadHeight;
    twips::move(picBack, kMargin, 0, backWidth, backHeight);
    if (m_show)
        m_show->placePanel(QRect(0, twips::toPixels(backHeight), twips::toPixels(kMargin + backWidth),
                                 twips::toPixels(lookAheadHeight)),
                           lookAheadHeight > 0);

    // A window opening maximised is first sized as restored: the script is wrapped once, at the size
    // the window shows at, not at each size it passes through before.
    if (awaitingExposure()) {
        m_arrangePending = true;
    } else {
        m_arrangePending = false;
        const trace::Span wrap('W', isVisible()); // the script re-wrapped
        QElapsedTimer wrapping;
        if (lcApp().isDebugEnabled())
            wrapping.start();
        m_core->beforeRelayout(); // a show keeps its place by its words, a single script its Top
        twips::setWidth(rtDoc, twips::width(picBack)); // Left and Top stay: the scroll position survives
        MeasureLineHeight();
        if (wrapping.isValid())
            qCDebug(lcApp) << "script wrapped at" << rtDoc->width() << "px:" << rtDoc->textLength()
                           << "characters in" << wrapping.elapsed() << "ms";
    }

    twips::setLeft(picMove, -kHandleOverhang);
    twips::setWidth(picMove, twips::fromPixels(frameGeometry().width()) + kHandleOverhang);
    // Centre the line at every layout until the window is first on screen, not only at the first one:
    // a maximised window is first laid out in its restored size, and a line placed then would sit off
    // the middle of the real viewport. Nobody can have dragged it before the window shows.
    const bool onScreen = windowHandle() && windowHandle()->isExposed();
    if (twips::top(picMove) == 0 || !m_lineSettled) {
        m_lineSettled = onScreen;
        twips::setTop(picMove, twips::top(picBack) + twips::height(picBack) / 2 - twips::height(picLine) / 2 +
                                   kLineOffset);
    }
    colors::setBackColor(picMove, qint32(quint32(colors::backColor(picLine)) + kHandleColorOffset));

    twips::move(picResize, twips::left(picMove), twips::top(picMove) + twips::height(picMove),
                twips::width(picMove), twips::height(picResize));
    colors::setBackColor(picResize, colors::backColor(picMove));

    twips::move(picLine, kLineInset, twips::top(picMove) - readingline::kLineOverlap, twips::width(picBack),
                twips::height(picResize) + twips::height(picMove));

    m_core->afterRelayout();
}

float frmMain::rundownWidth() const
{
    if (!m_rundown || m_core->fullScreen() || !m_rundownOn)
        return 0;
    const float wide = twips::fromPixels(std::clamp(width() / 3, 320, 480));
    return std::min(wide, twips::fromPixels(width() / 2));
}

void frmMain::FitToolbar(int clientWidth)
{
    // A row of captioned buttons wider than the window would put some behind the toolbar's overflow
    // button, two clicks away and out of sight: below that width every button shows its icon only.
    if (m_captionedToolbarWidth < 0 && tlbMain->toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
        tlbMain->layout()->invalidate();
        m_captionedToolbarWidth = tlbMain->sizeHint().width();
    }
    const bool captioned = m_captionedToolbarWidth >= 0 && clientWidth >= m_captionedToolbarWidth;
    tlbMain->setToolButtonStyle(captioned ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

void frmMain::MeasureLineHeight()
{
    lblHeightFinder->setVisible(false);
    // The script's size and face, resolved as the script view resolves it; the rest stays as designed.
    QFont f = lblHeightFinder->font();
    f.setPointSizeF(rtDoc->FontSize());
    lblHeightFinder->setFont(fonts::withFace(f, rtDoc->font()));
    lblHeightFinder->setText(QStringLiteral("Some Text"));
    lblHeightFinder->adjustSize(); // sizes itself to its caption
    // One script line: the font's height and its leading, the pitch the script view lays lines out at.
    const float lineHeight = float(fonts::linePitch(lblHeightFinder->font()) * twips::kPerPixel);
    twips::setHeight(lblHeightFinder, lineHeight);

    const qint32 lastLine = rtDoc->lineCount() - 1;
    const scroll::Measure m = scroll::measure(lineHeight, lastLine, twips::height(picBack));
    sngTextHeight = m.textHeight;
    twips::setHeight(rtDoc, m.viewHeight);
}
