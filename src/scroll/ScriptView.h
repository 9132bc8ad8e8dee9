// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// What the run asks of the view that shows its script: where the script and the reading line stand
// and how tall they are, in twips down the viewport. The prompter window answers it.
class ScriptView
{
public:
    virtual ~ScriptView() = default;

    virtual float scriptTop() const = 0; // 0 at the beginning, negative further on
    virtual void setScriptTop(float top) = 0;
    virtual float scriptHeight() const = 0; // the script as laid out
    virtual float viewportHeight() const = 0;
    virtual float readingLineTop() const = 0;
    virtual float readingLineHeight() const = 0;
    virtual float fontLineHeight() const = 0; // a line of the script's font

    // For the clock's frames, which show the script in whole pixels apart from where it stands.
    virtual void keepScriptTop(float top) = 0; // recorded only: a later frame shows it
    virtual int shownScriptY() const = 0;      // pixels down the viewport
    virtual void showScriptAt(int y) = 0;
    // Each frame: the script at `y`, and how far past it (-0.5 to 0.5 px) it truly lies, for a view
    // the display can place at a fraction of a pixel. Others move in whole pixels.
    virtual bool showsFractions() const { return false; }
    virtual void presentScript(int y, float fraction)
    {
        Q_UNUSED(fraction)
        if (y != shownScriptY())
            showScriptAt(y);
    }
    virtual double refreshRate() const = 0; // of the screen showing the view; 0 when not known
};
