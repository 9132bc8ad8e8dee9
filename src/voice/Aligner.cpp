// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Aligner.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace voice {

namespace {

constexpr int kMatch = 2;
constexpr int kMismatch = -2;
constexpr int kGap = -1;
// Three words in a row, or four with a slip between: fewer matches the recogniser makes up on
// its own from the script's vocabulary while the presenter ad-libs.
constexpr int kMinScore = 6;
// Words heard in a row that show where the voice went when older words align better elsewhere.
constexpr int kRun = 3;
// After a sentence is finished, two from the start of another: a presenter who leaves something out
// leaves out whole sentences, and resumes where one begins. Up to kOpeningSlack of its first words
// may be misheard, having nothing before them to go on; such a run must still be there the next
// time, since the recogniser's guess at its last words comes and goes.
constexpr int kOpeningRun = 2;
constexpr int kOpeningSlack = 2;
constexpr int kShortWord = 3;
// Beyond this many words past the place, a run holding a tiny word must be a word longer. In noise
// the recogniser fills in the shortest common words ("on the", "here in the", "are on our"), which,
// with a word or two of the script's, match somewhere ahead often enough to lose the place for good;
// the word after them rarely matches too.
constexpr int kNear = 12;
constexpr int kTinyWord = 2;

bool tinyAmong(const std::vector<QString> &script, int first, int last)
{
    for (int k = std::max(0, first); k <= std::min(last, int(script.size()) - 1); ++k)
        if (script[size_t(k)].size() <= kTinyWord)
            return true;
    return false;
}

} // namespace

void Aligner::setScript(std::vector<QString> words, std::vector<bool> opensSentence)
{
    m_script = std::move(words);
    m_opens = std::move(opensSentence);
    m_opens.resize(m_script.size(), false);
    m_t = {};
    m_leapt = false;
    m_guard.reset();
}

void Aligner::setScript(const QList<ScriptWord> &words)
{
    std::vector<QString> spelt;
    std::vector<bool> opens;
    spelt.reserve(size_t(words.size()));
    opens.reserve(size_t(words.size()));
    for (qsizetype i = 0; i < words.size(); ++i) {
        spelt.push_back(words[i].text);
        opens.push_back(i == 0 || words[i - 1].sentenceEnd);
    }
    setScript(std::move(spelt), std::move(opens));
}

void Aligner::setPlace(int wordIndex)
{
    m_t.place = std::clamp(wordIndex, -1, int(m_script.size()) - 1);
    m_t.slackStart = -1;
    m_t.far = {};
    // Words still heard from before the operator moved would carry the place back to the voice's
    // old spot after a jump back: only a run that has changed since counts.
    m_t.staleRun = m_t.lastRun;
    m_t.anchorTail.clear();
    m_guard.reset();
}

std::optional<int> Aligner::heard(const QStringList &words)
{
    if (words.isEmpty() || m_script.empty())
        return std::nullopt;
    const bool changed = words != m_t.lastWords;
    const int was = m_t.place;
    // The place as it would be without a far place taken, to go back to.
    Track stay = m_guard ? std::move(m_guard->before) : m_t;
    const std::optional<int> moved = follow(m_t, words, true);
    m_leapt = m_t.leapt;
    if (!m_guard && !m_leapt)
        return moved;
    follow(stay, words, false);
    if (m_leapt) {
        const int from = m_guard ? m_guard->from : was;
        const int stayed = stay.place;
        m_guard = Guard{std::move(stay), from, stayed, m_t.place, 0};
        return moved;
    }
    Guard &g = *m_guard;
    g.before = std::move(stay);
    const int on = m_t.place - g.landed;
    if (on >= kConfirm + std::abs(g.landed - g.from) / kConfirmPer) {
        m_guard.reset();
        return moved;
    }
    if (moved)
        g.misses = 0;
    else if (changed)
        ++g.misses;
    if (g.before.place - g.stayed < kTakeBack && g.misses < kMisses)
        return moved;
    m_t = std::move(g.before);
    m_guard.reset();
    m_leapt = true;
    return m_t.place;
}

std::optional<Aligner::Run> Aligner::farAway(const Track &t, const QStringList &words) const
{
    if (words.size() < kFarOpeningRun || t.lastRun == t.staleRun)
        return std::nullopt;
    // Where the last n heard words stand in the script if they stand there once only, so that a
    // phrase just read that comes again later stays put.
    const auto once = [&](int n) {
        int found = -1;
        if (words.size() < n)
            return found;
        for (int k = 0; k + n <= size(); ++k) {
            if (!std::equal(words.cend() - n, words.cend(), m_script.cbegin() + k))
                continue;
            if (found >= 0)
                return -1;
            found = k;
        }
        return found;
    };
    // Behind, only well before the stretch searched: a presenter going back over what was just read
    // is followed no further than that.
    const auto away = [&t](int end) { return end > t.place || end < t.place - kFarBack; };
    if (const int k = once(kFarRun); k >= 0 && away(k + kFarRun - 1))
        return Run{k + kFarRun - 1, kFarRun};
    // Fewer will do where a sentence begins, which is where a presenter who leaves something out
    // resumes: three long words take as long to say as the two seconds allowed to find the place.
    // Its first word may be misheard, having nothing before it to go on.
    if (const int k = once(kFarOpeningRun);
        k >= 0 && (m_opens[size_t(k)] || (k > 0 && m_opens[size_t(k) - 1])) && away(k + kFarOpeningRun - 1))
        return Run{k + kFarOpeningRun - 1, kFarOpeningRun};
    return std::nullopt;
}

bool Aligner::stillHeard(const QStringList &words, Run run) const
{
    const auto first = m_script.cbegin() + (run.end - run.length + 1);
    for (qsizetype i = words.size() - run.length; i >= 0; --i)
        if (std::equal(first, first + run.length, words.cbegin() + i))
            return true;
    return false;
}

Aligner::Anchor Aligner::carriedOn(const QStringList &words, Anchor at) const
{
    // The words heard since the aligned ones, each where it would stand in the script had the
    // recogniser heard one word for each spoken, give or take one. In noise the recogniser mishears
    // many words but still names some: waiting for three in a row leaves the place words behind.
    for (int i = at.row + 1; i <= words.size(); ++i) {
        const int said = i - at.row;
        bool found = false;
        // A short word is common enough for the recogniser to make up: only exactly where it would stand.
        const int slack = words[i - 1].size() > kShortWord ? 1 : 0;
        for (int d = std::max(1, said - slack);
             said <= kCarryGap && d <= said + slack && at.end + d < size() && !found; ++d) {
            found = m_script[size_t(at.end + d)] == words[i - 1];
            if (found)
                at = {at.end + d, i};
        }
        // Two in a row carry it further, the recogniser having perhaps made one word of several; but
        // not many more than were heard, which a passing guess at the latest words could do, nor
        // many fewer, which is what an ad-lib heard as the script's words looks like.
        const int reach = said + kCarryGap;
        for (int d = std::max(1, said - 1);
             reach <= kCarryPair && i < words.size() && d <= reach && at.end + d + 1 < size() && !found;
             ++d) {
            found =
                m_script[size_t(at.end + d)] == words[i - 1] && m_script[size_t(at.end + d + 1)] == words[i];
            if (found)
                at = {at.end + d + 1, ++i};
        }
    }
    return at;
}

int Aligner::anchorRow(const Track &t, const QStringList &words) const
{
    if (t.anchorTail.isEmpty())
        return -1;
    for (qsizetype i = words.size() - t.anchorTail.size(); i >= 0; --i)
        if (std::equal(t.anchorTail.cbegin(), t.anchorTail.cend(), words.cbegin() + i))
            return int(i + t.anchorTail.size());
    return -1;
}

std::optional<int> Aligner::follow(Track &t, const QStringList &words, bool leaps) const
{
    if (words.isEmpty() || m_script.empty())
        return std::nullopt;
    t.lastRun = words.mid(std::max<qsizetype>(0, words.size() - kFarRun));
    const bool unchanged = words == t.lastWords;
    t.lastWords = words;
    const int nh = int(std::min<qsizetype>(words.size(), kHeardWords));
    const int h0 = int(words.size()) - nh;
    const int from = std::max(0, t.place - kBehind);
    const int to = std::min(int(m_script.size()), t.place + 1 + kAhead);
    const int ns = to - from;
    if (ns <= 0)
        return std::nullopt;

    // Smith–Waterman over the window: rows are heard words, columns script words. Alongside, the
    // run of heard words matching in a row that ends at each cell.
    std::vector<int> prev(size_t(ns) + 1, 0), cur(size_t(ns) + 1, 0);
    std::vector<int> prevRun(size_t(ns) + 1, 0), curRun(size_t(ns) + 1, 0);
    struct Best
    {
        int score = 0;
        int end = -1;
        int row = 0;
    };
    Best strongest; // the best alignment: where the voice was, surely
    Best latest;    // the latest run of kRun words: where the voice is now, after a skip too
    const auto opensNear = [this](int k) {
        for (int o = k; o >= std::max(0, k - kOpeningSlack); --o)
            if (m_opens[size_t(o)])
                return true;
        return false;
    };
    struct Resume
    {
        int end = -1;
        int row = 0;
        int start = -1; // the script word the run begins with
    };
    Resume resume; // the latest run of kOpeningRun words from near a sentence's start
    // Words in a row a run from first to end needs, at least base.
    const auto needed = [this, &t](int first, int end, int base) {
        return end > t.place + kNear && tinyAmong(m_script, first, first + base - 1) ? base + 1 : base;
    };
    const auto nearer = [&t](int a, int b) { return std::abs(a - t.place) < std::abs(b - t.place); };
    for (int i = 1; i <= nh; ++i) {
        const QString &w = words[h0 + i - 1];
        cur[0] = 0;
        curRun[0] = 0;
        for (int j = 1; j <= ns; ++j) {
            const bool same = m_script[size_t(from + j - 1)] == w;
            const int diag = prev[size_t(j) - 1] + (same ? kMatch : kMismatch);
            const int s = std::max({0, diag, prev[size_t(j)] + kGap, cur[size_t(j) - 1] + kGap});
            cur[size_t(j)] = s;
            curRun[size_t(j)] = same ? prevRun[size_t(j) - 1] + 1 : 0;
            // Only an alignment that ends on a matched word says where the presenter is.
            if (!same)
                continue;
            const int end = from + j - 1;
            const int run = curRun[size_t(j)];
            const int start = end - run + 1;
            if (run == needed(start, end, kOpeningRun) && opensNear(start) &&
                (i > resume.row || nearer(end, resume.end)))
                resume = {end, i, start};
            if (s < kMinScore)
                continue;
            // Far on, the words in a row must say enough by themselves.
            if (end > t.place + kNear && run < needed(end - std::min(run, kRun) + 1, end, kRun))
                continue;
            // At equal strength the later heard word (the voice has moved on past a word the
            // recogniser missed), or the nearer place, so that a phrase repeated elsewhere keeps
            // the reader where they are. But not a lone short word after a finished sentence: an
            // ad-lib there is full of them, and a presenter resuming is heard by two in a row.
            const bool stray = run == 1 && w.size() <= kShortWord && strongest.end >= 0 &&
                               strongest.end + 1 < size() && m_opens[size_t(strongest.end) + 1];
            if (s > strongest.score ||
                (s == strongest.score && ((i > strongest.row && !stray) || nearer(end, strongest.end))))
                strongest = {s, end, i};
            // A lone stray word joined to a good alignment across a gap does not count here.
            if (run >= kRun &&
                (i > latest.row || s > latest.score || (s == latest.score && nearer(end, latest.end))))
                latest = {s, end, i};
        }
        std::swap(prev, cur);
        std::swap(prevRun, curRun);
    }
    const Best &was = latest.row > strongest.row ? latest : strongest;
    int bestEnd = was.end;
    int bestRow = was.row;
    const int lastSlack = std::exchange(t.slackStart, -1);
    // Heard words after the sentence's end.
    const int between = resume.row - (resume.end - resume.start + 1) - was.row;
    if (resume.end > was.end && was.end >= 0 && was.end + 1 < size() && m_opens[size_t(was.end) + 1] &&
        between >= 0 && between <= kOpeningSlack) {
        if (m_opens[size_t(resume.start)] || resume.start == lastSlack) {
            bestEnd = resume.end;
            bestRow = resume.row;
        } else {
            t.slackStart = resume.start;
        }
    }
    // Where the place was last set from, when that is later than what aligned now: with many words
    // misheard, the recent ones may hold no alignment at all.
    Anchor anchor{bestEnd, bestEnd >= 0 ? h0 + bestRow : -1};
    if (const int row = anchorRow(t, words); row > anchor.row && t.place >= bestEnd)
        anchor = {t.place, row};
    if (anchor.row >= 0) {
        anchor = carriedOn(words, anchor);
        bestEnd = anchor.end;
    }
    t.leapt = false;
    const Run lastFar = std::exchange(t.far, {});
    if (bestEnd <= t.place) {
        if (anchor.row >= 0 && anchor.end == t.place)
            t.anchorTail = words.mid(std::max(0, anchor.row - kFarRun), std::min(anchor.row, kFarRun));
        // The recogniser saying the same again bears out nothing: a passing guess can last a while.
        if (unchanged) {
            t.far = lastFar;
            return std::nullopt;
        }
        const std::optional<Run> far = leaps ? farAway(t, words) : std::nullopt;
        // Borne out: the same run heard again, or carried on by a word or a few; one holding a tiny
        // word only when carried on.
        const bool tiny =
            lastFar.end >= 0 && tinyAmong(m_script, lastFar.end - lastFar.length + 1, lastFar.end);
        const bool borne =
            leaps && lastFar.end >= 0 &&
            (far ? far->end >= lastFar.end + (tiny ? 1 : 0) && far->end <= lastFar.end + kFarRun
                 : !tiny && stillHeard(words, lastFar));
        if (!borne) {
            t.far = far.value_or(Run{});
            return std::nullopt;
        }
        bestEnd = far ? far->end : lastFar.end;
        anchor.row = int(words.size());
        t.leapt = true;
    }
    t.place = bestEnd;
    t.anchorTail = words.mid(std::max(0, anchor.row - kFarRun), std::min(anchor.row, kFarRun));
    return t.place;
}

} // namespace voice
