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
// the recogniser forced onto an ad-lib, cannot pull the place far away; and near the place it only
// moves forward. When that stretch shows nothing, a run of heard words found only once in the rest
// of the script shows a skip, a start further down or a presenter going back, once the next result
// still shows it: the recogniser's guess at its latest words comes and goes, and one passing guess
// that happens to match elsewhere would otherwise lose the place. Such a far place is provisional:
// it stands once the words heard next carry it on, the more of them the farther it is, and the
// place goes back where it was when they go on matching there instead, or do not match at the new
// place. A misheard word can make a phrase that stands once far away; a presenter who really went
// there goes on reading there.
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
    static constexpr int kFarBack = 40;  // how far behind a run must be to take the place back there
    // A far place stands once the words heard next carry it this many words on, and one more for
    // every kConfirmPer words it is away; it is given up when the place it left is carried kTakeBack
    // words on first, or after kMisses changed results that did not carry it.
    static constexpr int kConfirm = 2;
    static constexpr int kConfirmPer = 200;
    static constexpr int kTakeBack = 2;
    static constexpr int kMisses = 4;

    // The script's words, and which of them open a sentence (none marked when left empty).
    void setScript(std::vector<QString> words, std::vector<bool> opensSentence = {});
    void setScript(const QList<ScriptWord> &words);
    int size() const { return int(m_script.size()); }

    // The index of the word last read; -1 before the first.
    int place() const { return m_t.place; }
    void setPlace(int wordIndex);

    // The heard words, oldest first (only the last kHeardWords count). Returns the new place when
    // they show the presenter further on, far away, or back where a far place was left; else nothing.
    std::optional<int> heard(const QStringList &words);
    // The last new place was found beyond the stretch near the old one: a skip, a late start, a
    // presenter going back, or a far place given up.
    bool leapt() const { return m_leapt; }
    // The place is far from where it was and not yet borne out.
    bool provisional() const { return m_guard.has_value(); }

private:
    struct Run
    {
        int end = -1;
        int length = 0;
    };
    // Where the voice is, with what the next result is weighed against.
    struct Track
    {
        int place = -1;
        bool leapt = false;
        int slackStart = -1;    // a run near a sentence's start last heard, waiting to be heard again
        Run far;                // a place far away last heard, waiting for the next result to bear it out
        QStringList lastRun;    // the last words heard
        QStringList lastWords;  // all of the last result
        QStringList staleRun;   // those when the place was set, which say nothing about where the voice went
        QStringList anchorTail; // the heard words up to the one the place was last set from
    };
    // A far place not yet borne out.
    struct Guard
    {
        Track before;    // the place had it not been taken, followed on all the same
        int from = -1;   // where the place stood then
        int stayed = -1; // where before stood when it was taken
        int landed = -1; // where it put the place
        int misses = 0;  // changed results since that carried it no further
    };
    std::optional<int> follow(Track &t, const QStringList &words, bool leaps) const;
    std::optional<Run> farAway(const Track &t, const QStringList &words) const;
    bool stillHeard(const QStringList &words, Run run) const;
    struct Anchor
    {
        int end = -1; // a script word
        int row = -1; // how many heard words up to the one taken for it
    };
    Anchor carriedOn(const QStringList &words, Anchor at) const;
    int anchorRow(const Track &t, const QStringList &words) const;

    std::vector<QString> m_script;
    std::vector<bool> m_opens;
    Track m_t;
    bool m_leapt = false;
    std::optional<Guard> m_guard;
};

} // namespace voice
