#include "app/frmMain.h"
#include "line/frmLine.h"
#include "markers/MarkerPlaces.h"
#include "markers/dlgSelectMarker.h"
#include "studio/Studio.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

void frmMain::MarkAction()
{
    EnterMarkMode();
}

void frmMain::JumpToAction()
{
    JumpToMarker();
}

void frmMain::UnmarkAction()
{
    UnmarkText();
}

void frmMain::ClearAllAction()
{
    ClearAllMarkers();
}

void frmMain::MarkModeAction(const QString &sAction)
{
    if (markers::markModeCommand(sAction) == markers::MarkModeCommand::Cancel)
        cmdCancel_Click();
}

// The operator selects in a copy of the script view laid exactly over it: same text and colours,
// font, margins and width (so the same line breaks) and the same scroll place.
void frmMain::EnterMarkMode()
{
    bMarkMode = true;
    picMark->show();
    picPanel->hide();
    // In full screen the panel's place lies under the viewport; the mark panel must stay reachable.
    picMark->raise();
    rtDoc->hide();
    rtMirror->show();

    rtMirror->setText(QString());
    rtMirror->setTextMargins(rtDoc->leftTextMargin(), rtDoc->rightTextMargin());
    rtMirror->setTextRTF(rtDoc->TextRTF());
    rtMirror->setPalette(rtDoc->palette());
    rtMirror->setBaseFont(rtDoc->font());
    rtMirror->setBackColor(rtDoc->BackColor());
    twips::setRect(rtMirror, twips::rect(rtDoc));

    twips::setRect(picMark, twips::rect(picPanel));
    // The band moves into the mirror now rather than at the overlay's next tick.
    lineWindow->ResizeLine();
}

void frmMain::cmdMark_Click()
{
    const qint32 start = rtMirror->SelStart();
    const qint32 length = rtMirror->SelLength();
    if (length <= 0)
        return;
    const QString text = rtMirror->SelText();

    rtDoc->colorRange(start, length, markers::kHighlightColor);

    oMarkers.Add({start, length, text});
    cmdCancel_Click();
}

void frmMain::cmdCancel_Click()
{
    rtDoc->show();
    rtMirror->hide();
    lineWindow->ResizeLine();
    picMark->hide();
    if (!bFullScreen) // the full-screen view has no panel
        picPanel->show();
    bMarkMode = false;
    // The mirror may have held the keyboard; give the keys back to the prompter.
    if (!txtFocus->hasFocus())
        picBack->setFocus();
}

qint32 frmMain::PickMarker(const QString &sCaption)
{
    if (!m_picker)
        m_picker = new dlgSelectMarker(this);
    m_picker->oMarkers = &oMarkers;
    m_picker->sAction = sCaption;
    m_dialogs.showModal(*m_picker);
    return m_picker ? m_picker->lSelectedIndex : -1;
}

std::optional<frmMain::PickedPassage> frmMain::PickPassage(const QString &sCaption)
{
    const qint32 index = PickMarker(sCaption);
    if (index < 0)
        return std::nullopt;
    const std::optional<CMarker> marker = oMarkers.Item(index);
    if (!marker)
        return std::nullopt;
    // The script may have been replaced by a shorter one since the marker was made.
    return PickedPassage{index,
                         markers::clampPassage(marker->lStartFrom, marker->lLength, rtDoc->textLength())};
}

void frmMain::UnmarkText()
{
    const std::optional<PickedPassage> picked = PickPassage(QStringLiteral("Unmark"));
    if (!picked)
        return;
    const qint32 index = picked->index;
    const markers::Passage p = picked->passage;
    rtDoc->colorRange(p.start, p.length, lForeColor);
    [[maybe_unused]] const bool removed = oMarkers.Remove(index);
}

void frmMain::ClearAllMarkers()
{
    rtDoc->colorRange(0, rtDoc->textLength(), lForeColor);
    oMarkers.Clear();
}

void frmMain::JumpToMarker()
{
    const std::optional<PickedPassage> picked = PickPassage(QStringLiteral("Jump To"));
    if (!picked)
        return;
    // A marker past the end of a shorter script lands on the last line.
    const markers::Passage p = picked->passage;
    rtDoc->setSelStart(p.start);
    rtDoc->setSelLength(p.length);

    const qint32 line = rtDoc->GetLineFromChar(p.start);
    const float lineHeight = twips::height(lblHeightFinder);
    const float target = markers::lineTop(lineHeight, line);
    if (studio && studio->options().jumpToReadingLine)
        twips::setTop(rtDoc,
                      markers::readingLineTop(target, lineHeight, twips::top(picLine), twips::height(picLine),
                                              twips::height(rtDoc) - twips::height(picBack)));
    else
        twips::setTop(rtDoc, markers::jumpTop(twips::top(rtDoc), twips::height(picBack), target));
    UpdateProgress(false);
}
