// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/ScriptWords.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace voice {

// Finds where in the script the presenter is from the last words the recogniser heard. Only a
// stretch near the current place is searched, so a phrase that also occurs elsewhere, or words
// the recogniser forced onto an ad-lib, cannot pull the place far away; and the place only moves
// forward, unless the operator puts it somewhere else. When that stretch shows nothing, a run of
// heard words found only once in the rest of the script shows a skip, or a start further down,
// once the next result still shows it: the recogniser's guess at its latest words comes and goes,
// and one passing guess that happens to match further on would otherwise lose the place for good.
class Aligner
{
public:
    static constexpr int kHeardWords = 10;   // the recent words aligned
    static constexpr int kBehind = 10;       // how far back the search reaches
    static constexpr int kAhead = 40;        // how far ahead
    static constexpr int kFarRun = 4;        // words in a row that place the voice beyond that
    static constexpr int kFarOpeningRun = 3; // or from a sentence's start
    static constexpr int kCarryGap = 3;  // misheard words after which a heard one still carries the place on
    static constexpr int kCarryPair = 8; // how far ahead two heard in a row do

    // The script's words, and which of them open a sentence (none marked when left empty).
    void setScript(std::vector<QString> words, std::vector<bool> opensSentence = {});
    void setScript(const QList<ScriptWord> &words);
    int size() const { return int(m_script.size()); }

    // The index of the word last read; -1 before the first.
    int place() const { return m_place; }
    void setPlace(int wordIndex);

    // The heard words, oldest first (only the last kHeardWords count). Returns the new place when
    // they show the presenter further on, else nothing.
    std::optional<int> heard(const QStringList &words);
    // The last new place was found beyond the stretch near the old one: a skip or a late start.
    bool leapt() const { return m_leapt; }

private:
    struct Run
    {
        int end = -1;
        int length = 0;
    };
    std::optional<Run> farAhead(const QStringList &words);
    bool stillHeard(const QStringList &words, Run run) const;
    struct Anchor
    {
        int end = -1; // a script word
        int row = -1; // how many heard words up to the one taken for it
    };
    Anchor carriedOn(const QStringList &words, Anchor at) const;
    int anchorRow(const QStringList &words) const;

    std::vector<QString> m_script;
    std::vector<bool> m_opens;
    int m_place = -1;
    bool m_leapt = false;
    int m_slackStart = -1;    // a run near a sentence's start last heard, waiting to be heard again
    Run m_far;                // a place far ahead last heard, waiting for the next result to bear it out
    QStringList m_lastRun;    // the last words heard
    QStringList m_lastWords;  // all of the last result
    QStringList m_staleRun;   // those when the place was set, which say nothing about where the voice went
    QStringList m_anchorTail; // the heard words up to the one the place was last set from
};

} // namespace voice
