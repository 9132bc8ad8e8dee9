// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "markers/gui/Marking.h"

#include "markers/gui/dlgSelectMarker.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>

Marking::Marking(Dialogs &dialogs, Controls controls, Hooks hooks, QWidget *window)
    : QObject(window), m_dialogs(dialogs), m_c(controls), m_hooks(std::move(hooks)), m_window(window)
{}

void Marking::setMarkMode(bool on)
{
    if (bMarkMode == on)
        return;
    bMarkMode = on;
    Q_EMIT markModeChanged(on);
}

void Marking::MarkModeAction(const QString &sAction)
{
    if (markers::markModeCommand(sAction) == markers::MarkModeCommand::Cancel)
        cmdCancel_Click();
}

// The operator selects in a copy of the script view laid exactly over it: same text and colours,
// font, margins and width (so the same line breaks) and the same scroll place.
void Marking::EnterMarkMode()
{
    setMarkMode(true);
    m_c.picMark->show();
    m_c.picPanel->hide();
    // In full screen the panel's place lies under the viewport; the mark panel must stay reachable.
    m_c.picMark->raise();
    m_c.rtDoc->hide();
    m_c.rtMirror->show();

    m_c.rtMirror->setText(QString());
    m_c.rtMirror->setTextMargins(m_c.rtDoc->leftTextMargin(), m_c.rtDoc->rightTextMargin());
    m_c.rtMirror->setTextRTF(m_c.rtDoc->TextRTF());
    m_c.rtMirror->setPalette(m_c.rtDoc->palette());
    m_c.rtMirror->setBaseFont(m_c.rtDoc->font());
    m_c.rtMirror->setBackColor(m_c.rtDoc->BackColor());
    twips::setRect(m_c.rtMirror, twips::rect(m_c.rtDoc));

    twips::setRect(m_c.picMark, twips::rect(m_c.picPanel));
    // The band moves into the mirror now rather than at the overlay's next tick.
    m_hooks.lineMoved();
}

void Marking::cmdMark_Click()
{
    const qint32 start = m_c.rtMirror->SelStart();
    const qint32 length = m_c.rtMirror->SelLength();
    if (length <= 0)
        return;
    const QString text = m_c.rtMirror->SelText();

    m_c.rtDoc->colorRange(start, length, markers::kHighlightColor);

    oMarkers.Add({start, length, text});
    Q_EMIT markersChanged();
    cmdCancel_Click();
}

void Marking::cmdCancel_Click()
{
    m_c.rtDoc->show();
    m_c.rtMirror->hide();
    m_hooks.lineMoved();
    m_c.picMark->hide();
    if (!m_hooks.fullScreen()) // the full-screen view has no panel
        m_c.picPanel->show();
    setMarkMode(false);
    // The mirror may have held the keyboard; give the keys back to the prompter.
    if (!m_c.txtFocus->hasFocus())
        m_c.picBack->setFocus();
}

qint32 Marking::PickMarker(const QString &sCaption)
{
    if (!m_picker)
        m_picker = new dlgSelectMarker(m_window);
    m_picker->oMarkers = &oMarkers;
    m_picker->sAction = sCaption;
    m_dialogs.showModal(*m_picker);
    return m_picker ? m_picker->lSelectedIndex : -1;
}

std::optional<Marking::PickedPassage> Marking::passageOf(qint32 index) const
{
    if (index < 0)
        return std::nullopt;
    const std::optional<CMarker> marker = oMarkers.Item(index);
    if (!marker)
        return std::nullopt;
    // The script may have been replaced by a shorter one since the marker was made.
    return PickedPassage{index,
                         markers::clampPassage(marker->lStartFrom, marker->lLength, m_c.rtDoc->textLength())};
}

void Marking::UnmarkText()
{
    Unmark(PickMarker(tr("Unmark")));
}

bool Marking::Unmark(qint32 index)
{
    const std::optional<PickedPassage> picked = passageOf(index);
    if (!picked)
        return false;
    m_c.rtDoc->colorRange(picked->passage.start, picked->passage.length, m_hooks.scriptColor());
    if (oMarkers.Remove(picked->index))
        Q_EMIT markersChanged();
    return true;
}

bool Marking::MarkPassage(qint32 start, qint32 length)
{
    const markers::Passage p = markers::clampPassage(start, length, m_c.rtDoc->textLength());
    if (p.length <= 0)
        return false;
    RichTextView *rtDoc = m_c.rtDoc;
    rtDoc->setSelStart(p.start);
    rtDoc->setSelLength(p.length);
    const QString text = rtDoc->SelText();
    rtDoc->colorRange(p.start, p.length, markers::kHighlightColor);
    oMarkers.Add({p.start, p.length, text});
    Q_EMIT markersChanged();
    return true;
}

void Marking::ClearAllMarkers()
{
    m_c.rtDoc->colorRange(0, m_c.rtDoc->textLength(), m_hooks.scriptColor());
    const bool had = oMarkers.Count() > 0;
    oMarkers.Clear();
    if (had)
        Q_EMIT markersChanged();
}

void Marking::JumpToMarker()
{
    JumpTo(PickMarker(tr("Jump To")));
}

bool Marking::JumpTo(qint32 index)
{
    const std::optional<PickedPassage> picked = passageOf(index);
    if (!picked)
        return false;
    // A marker past the end of a shorter script lands on the last line.
    const markers::Passage p = picked->passage;
    RichTextView *rtDoc = m_c.rtDoc;
    rtDoc->setSelStart(p.start);
    rtDoc->setSelLength(p.length);

    const qint32 line = rtDoc->GetLineFromChar(p.start);
    const float lineHeight = twips::height(m_c.lblHeightFinder);
    const float target = markers::lineTop(lineHeight, line);
    const float viewport = twips::height(m_c.picBack);
    if (m_hooks.toReadingLine())
        twips::setTop(rtDoc,
                      markers::readingLineTop(target, lineHeight, twips::top(m_c.picLine),
                                              twips::height(m_c.picLine), twips::height(rtDoc) - viewport));
    else
        twips::setTop(rtDoc, markers::jumpTop(twips::top(rtDoc), viewport, target));
    Q_EMIT jumped();
    return true;
}

void Marking::ReplaceMarkers(const CMarkers &markers)
{
    // A passage no longer marked there looks unmarked here too.
    for (qint32 i = 1; i <= oMarkers.Count(); ++i) {
        const CMarker old = *oMarkers.Item(i);
        bool kept = false;
        for (qint32 j = 1; j <= markers.Count() && !kept; ++j)
            kept = *markers.Item(j) == old;
        const markers::Passage p =
            markers::clampPassage(old.lStartFrom, old.lLength, m_c.rtDoc->textLength());
        if (!kept && p.length > 0)
            m_c.rtDoc->colorRange(p.start, p.length, m_hooks.scriptColor());
    }
    oMarkers = markers;
    ReapplyMarkerHighlights();
    Q_EMIT markersChanged();
}

void Marking::ReapplyMarkerHighlights()
{
    RichTextView *rtDoc = m_c.rtDoc;
    const qint32 length = rtDoc->textLength();
    for (qint32 i = 1; i <= oMarkers.Count(); ++i) {
        const std::optional<CMarker> marker = oMarkers.Item(i);
        if (!marker)
            continue;
        const markers::Passage p = markers::clampPassage(marker->lStartFrom, marker->lLength, length);
        if (p.length <= 0)
            continue;
        rtDoc->setSelStart(p.start);
        rtDoc->setSelLength(p.length);
        // A script taken since the marker was made may hold other words there, never marked.
        if (rtDoc->SelText() == marker->sText)
            rtDoc->colorRange(p.start, p.length, markers::kHighlightColor);
    }
    rtDoc->setSelLength(0);
}
