// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct SpeexPreprocessState_;

namespace voice {

// Takes steady background noise (a fan, air conditioning, hiss) out of 16 kHz audio before the
// recogniser hears it, which otherwise takes the noise for words. Suppressing noise also dulls
// speech a little, which costs words where there is no noise to speak of: while the quietest
// moments lie far enough below the loudest, the audio passes as it came.
class Denoiser
{
public:
    static constexpr int kFrameSamples = 320; // 20 ms
    // Loudest less quietest over the last seconds, in dB, above which the audio is left alone.
    static constexpr double kQuietRoom = 42;

    Denoiser();
    ~Denoiser();
    Denoiser(const Denoiser &) = delete;
    Denoiser &operator=(const Denoiser &) = delete;

    // The audio of whole frames so far; a tail short of a frame waits for the next call.
    const std::vector<std::int16_t> &clean(const std::int16_t *samples, std::size_t count);
    // Forgets the noise learnt, for audio from elsewhere.
    void reset();
    // Whether the last frame was cleaned, not passed as it came.
    bool suppressing() const { return m_suppressing; }

private:
    void track(const std::int16_t *frame);

    SpeexPreprocessState_ *m_state = nullptr;
    std::vector<std::int16_t> m_pending;
    std::vector<std::int16_t> m_out;
    std::vector<std::int16_t> m_work;
    // The quietest and loudest frame in each half second of the last few, in dB below full scale.
    static constexpr int kSpans = 16;
    static constexpr int kFramesASpan = 25;
    std::array<double, kSpans> m_quietest{};
    std::array<double, kSpans> m_loudest{};
    int m_span = 0;
    int m_framesInSpan = 0;
    int m_frames = 0; // heard since the start, up to a second
    bool m_suppressing = false;
};

} // namespace voice
