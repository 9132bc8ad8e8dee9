// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Aligner.h"

#include <algorithm>
#include <cstdlib>

namespace voice {

namespace {

constexpr int kMatch = 2;
constexpr int kMismatch = -2;
constexpr int kGap = -1;
// Three words in a row, or four with a slip between: fewer matches the recogniser makes up on
// its own from the script's vocabulary while the presenter ad-libs.
constexpr int kMinScore = 6;
// A place further ahead must be shown by more words: a skipped sentence is caught after a few
// words, an accidental match far off is not taken.
constexpr int kFarAhead = 12;
constexpr int kFarScore = 8;

} // namespace

void Aligner::setScript(std::vector<QString> words)
{
    m_script = std::move(words);
    m_place = -1;
}

void Aligner::setPlace(int wordIndex)
{
    m_place = std::clamp(wordIndex, -1, int(m_script.size()) - 1);
}

std::optional<int> Aligner::heard(const QStringList &words)
{
    if (words.isEmpty() || m_script.empty())
        return std::nullopt;
    const int nh = int(std::min<qsizetype>(words.size(), kHeardWords));
    const int h0 = int(words.size()) - nh;
    const int from = std::max(0, m_place - kBehind);
    const int to = std::min(int(m_script.size()), m_place + 1 + kAhead);
    const int ns = to - from;
    if (ns <= 0)
        return std::nullopt;

    // Smith–Waterman over the window: rows are heard words, columns script words.
    std::vector<int> prev(size_t(ns) + 1, 0), cur(size_t(ns) + 1, 0);
    int bestScore = 0;
    int bestEnd = -1;
    int bestRow = 0;
    for (int i = 1; i <= nh; ++i) {
        const QString &w = words[h0 + i - 1];
        cur[0] = 0;
        for (int j = 1; j <= ns; ++j) {
            const bool same = m_script[size_t(from + j - 1)] == w;
            const int diag = prev[size_t(j) - 1] + (same ? kMatch : kMismatch);
            const int s = std::max({0, diag, prev[size_t(j)] + kGap, cur[size_t(j) - 1] + kGap});
            cur[size_t(j)] = s;
            // Only an alignment that ends on a matched word says where the presenter is.
            if (!same || s < kMinScore)
                continue;
            const int end = from + j - 1;
            const int needed = end > m_place + kFarAhead ? kFarScore : kMinScore;
            if (s < needed)
                continue;
            // Equal evidence: the later heard word wins, as it is where the voice is now; then the
            // nearer place, so that a phrase repeated elsewhere keeps the reader where they are.
            const bool better =
                s > bestScore ||
                (s == bestScore && (i > bestRow || std::abs(end - m_place) < std::abs(bestEnd - m_place)));
            if (better) {
                bestScore = s;
                bestEnd = end;
                bestRow = i;
            }
        }
        std::swap(prev, cur);
    }
    if (bestEnd <= m_place)
        return std::nullopt;
    m_place = bestEnd;
    return m_place;
}

} // namespace voice
