#include "app/frmMain.h"
#include "markers/MarkerPlaces.h"
#include "settings/Appearance.h"
#include "settings/Settings.h"
#include "settings/dlgOptions.h"
#include "settings/modSettings.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

void frmMain::OptionsAction()
{
    dlgOptions options(m_dialogs, this);
    options.current = appearance::of(*rtDoc, *picLine, lForeColor);
    m_dialogs.showModal(options);
    if (options.chosen) {
        appearance::apply(*options.chosen, *rtDoc, *picLine);
        // The viewport shows below the end of the script: one background, not two.
        colors::setBackColor(picBack, rtDoc->BackColor());
        // OK coloured every character; the markers are still there and must still look marked.
        ReapplyMarkerHighlights();
    }
    Form_Resize();
    twips::setTop(rtDoc, 0);
    UpdateProgress(false);
    SaveAppearance();
}

void frmMain::ReapplyMarkerHighlights()
{
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

void frmMain::SaveAppearance()
{
    // Every writer of the tag writes a number; keep the colour known so far should one not.
    const appearance::Appearance shown = appearance::of(*rtDoc, *picLine, lForeColor);
    KeepAppearance(shown);
    m_settings.setAppearance(shown);
    ReportStoreProblem();
}

void frmMain::KeepAppearance(const appearance::Appearance &a)
{
    lForeColor = a.lForeColor;
    sFontName = a.sFontName;
    bFontBold = a.bFontBold;
    bFontItalic = a.bFontItalic;
    iFontSize = appearance::storedFontSize(a.dFontSize);
    bFontStrikethrough = a.bFontStrikethrough;
    bFontUnderline = a.bFontUnderline;
    lBackColor = a.lBackColor;
    lLineColor = a.lLineColor;
}

// Whichever change finds the store unable to keep it, the operator hears of it once.
void frmMain::ReportStoreProblem()
{
    if (const std::optional<QString> problem = modSettings::takeStoreProblem())
        m_dialogs.warning(this, windowTitle(), *problem);
}
