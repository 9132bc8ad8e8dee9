// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "documents/Cues.h"

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class PrompterCore;
class QTextDocument;
class ScriptView;

// Which paragraph the reading line is on, and the cues it passes. A cue fires once per pass: when the
// reading line moves down onto or past it, and again only after the line has gone back above it or
// the script was loaded afresh. A jump of more than a screen passes cues without firing them, and a
// follower fires none (its leader fires them for the show). At the top of the script, the cues above
// the line fire in order at the first Start. At each frame this costs a comparison
// with the paragraph's extent; the layout is asked only when the line leaves that paragraph.
class CueWatch : public QObject
{
    Q_OBJECT

public:
    // The story on air, 1-based: the whole script is story 1 until it is a rundown.
    using StoryOf = std::function<int(int block)>;

    CueWatch(PrompterCore &core, ScriptView &view, QObject *parent = nullptr);
    void setStoryOf(StoryOf storyOf) { m_storyOf = std::move(storyOf); }

    const QList<cues::Cue> &cues() const { return m_cues; }
    int block() const { return m_block; } // the paragraph under the reading line
    int story() const;

    // The script moved: a frame shown, a key, a jump.
    void moved();

Q_SIGNALS:
    void fired(const cues::Cue &cue, int story);
    // The reading line is on another paragraph, or the script was laid out anew.
    void blockChanged(int block);

private:
    void reload();
    void relaid();
    void fireHead();
    double readingY() const; // the reading line's middle, pixels down the script
    int blockAt(double y);
    // The prompter's script: a new one may come as a new document, which is watched from then on.
    void watchDocument();

    PrompterCore &m_core;
    ScriptView &m_view;
    const QTextDocument *m_doc;
    StoryOf m_storyOf;
    QList<cues::Cue> m_cues;
    std::vector<bool> m_fired; // by cue, this pass
    int m_block = -1;
    double m_top = 0, m_bottom = -1; // the current paragraph's extent, pixels down the script
    double m_lastY = 0;
    bool m_stale = false; // the text or its formats changed since the cues were read
    bool m_head = false;  // at the top, not yet started: the cues above the line wait for Start
};
