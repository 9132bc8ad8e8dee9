// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "markers/CMarkers.h"
#include "settings/Appearance.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QTextDocument;

// What the run asks of the window that shows its script, beyond where the script stands: the script
// and its layout, its look, the marking of passages and the opening of files. The prompter window
// answers it; a test answers it with a document and no window.
class ScriptWindow
{
public:
    // What the window tells the run of its own accord.
    struct Heard
    {
        std::function<void(bool)> markModeChanged;
        std::function<void()> markersChanged;
        std::function<void()> jumped;                    // a jump moved the script
        std::function<void()> opening;                   // a file is about to be read: the run stops for it
        std::function<void(const QString &)> scriptRead; // a file's text, to become the script
    };

    virtual ~ScriptWindow() = default;
    virtual void hear(Heard heard) = 0;

    // The script, laid out at the view's width.
    virtual const QTextDocument &script() const = 0;
    // Its lines; a window that counted them while laying the script out answers without a walk.
    virtual int lineCount() const;
    // The text becomes the script, its words counted where the window shows them; `dress` formats it
    // before it is laid out.
    virtual void setScript(const QString &text, const std::function<void(QTextDocument &)> &dress) = 0;
    // The same with the cues marked, where the window may make and lay out the document away from its
    // thread and show it whole when ready: `showing` runs just before, with the old script still shown,
    // and `shown` once the new one shows, with the words read in it if the window counted them. A newer
    // script, setScript() or cancelOpening() drops one not shown yet.
    using Shown = std::function<void(std::optional<qint32> words)>;
    virtual void prepareScript(const QString &text, const std::function<void(QTextDocument &)> &dress,
                               bool hideCues, const std::function<void()> &showing, Shown shown)
    {
        showing();
        setScript(text, dress);
        markCues(hideCues);
        shown(std::nullopt);
    }
    // The same for another prompter's script with its formatting, or `refused` with the reason.
    using Refused = std::function<void(const QString &why)>;
    virtual void prepareRichScript(const QByteArray &rtf, bool hideCues, Shown shown, Refused refused)
    {
        if (const std::optional<QString> why = takeRichScript(rtf)) {
            refused(*why);
            return;
        }
        markCues(hideCues);
        shown(std::nullopt);
    }
    // Cue paragraphs take their style again, or are left out of the picture (`hidden`).
    virtual void markCues(bool hidden) = 0;
    virtual QByteArray scriptRtf() const = 0;
    // Another prompter's script with its formatting; why it was refused, if it was.
    virtual std::optional<QString> takeRichScript(const QByteArray &rtf) = 0;

    // The look as the script and the line show it; `scriptColor` when the view holds none.
    virtual appearance::Appearance shownAppearance(qint32 scriptColor) const = 0;
    virtual void applyAppearance(const appearance::Appearance &a) = 0;
    // Only what lies around the text, for a script that came with its own fonts and colours.
    virtual void showAppearance(const appearance::Appearance &a) = 0;

    virtual void warn(const QString &text) = 0;

    // Mark mode and the markers, `index` 1-based.
    virtual bool markMode() const = 0;
    virtual const CMarkers &markers() const = 0;
    virtual void markModeAction(const QString &sAction) = 0;
    virtual void enterMarkMode() = 0;
    virtual void jumpToMarker() = 0; // through the picker
    virtual void unmarkText() = 0;   // through the picker
    virtual void clearAllMarkers() = 0;
    virtual int pickMarker(const QString &caption) = 0; // the chosen index, or -1
    virtual bool jumpTo(int index) = 0;
    virtual bool markPassage(int start, int length) = 0;
    virtual bool unmark(int index) = 0;
    virtual void replaceMarkers(const CMarkers &markers) = 0;
    virtual void reapplyMarkerHighlights() = 0;
    virtual void showMirrorAt(float top) = 0; // mark mode's copy of the script moves with it

    virtual void openScript(const QString &path) = 0;
    virtual void cancelOpening() = 0;
};
