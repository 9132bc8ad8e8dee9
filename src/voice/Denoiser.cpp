// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Denoiser.h"

#include "voice/Decoder.h"

#include <algorithm>
#include <cmath>
#include <speex/speex_preprocess.h>

namespace voice {

namespace {

constexpr double kSilence = -120;
// Suppressing deeper than the preprocessor's usual 15 dB kept the recogniser on the script in pink
// noise 10 dB below the voice.
constexpr int kSuppressDb = -30;
// Between leaving audio alone and cleaning it, so that a level near the line does not flip it.
constexpr double kHysteresis = 3;

} // namespace

Denoiser::Denoiser()
{
    reset();
}

Denoiser::~Denoiser()
{
    speex_preprocess_state_destroy(m_state);
}

void Denoiser::reset()
{
    if (m_state)
        speex_preprocess_state_destroy(m_state);
    m_state = speex_preprocess_state_init(kFrameSamples, Decoder::kSampleRate);
    spx_int32_t on = 1;
    speex_preprocess_ctl(m_state, SPEEX_PREPROCESS_SET_DENOISE, &on);
    spx_int32_t suppress = kSuppressDb;
    speex_preprocess_ctl(m_state, SPEEX_PREPROCESS_SET_NOISE_SUPPRESS, &suppress);
    m_pending.clear();
    m_work.assign(kFrameSamples, 0);
    m_quietest.fill(0);
    m_loudest.fill(kSilence);
    m_span = 0;
    m_framesInSpan = 0;
    m_suppressing = false;
    m_frames = 0;
}

void Denoiser::track(const std::int16_t *frame)
{
    double sum = 0;
    for (int i = 0; i < kFrameSamples; ++i)
        sum += double(frame[i]) * double(frame[i]);
    const double meanSquare = sum / kFrameSamples / (32768.0 * 32768.0);
    const double db = meanSquare > 0 ? std::max(kSilence, 10 * std::log10(meanSquare)) : kSilence;
    if (m_framesInSpan == kFramesASpan) {
        m_framesInSpan = 0;
        m_span = (m_span + 1) % kSpans;
        m_quietest[size_t(m_span)] = 0;
        m_loudest[size_t(m_span)] = kSilence;
    }
    ++m_framesInSpan;
    m_quietest[size_t(m_span)] = std::min(m_quietest[size_t(m_span)], db);
    m_loudest[size_t(m_span)] = std::max(m_loudest[size_t(m_span)], db);
    const double range = *std::max_element(m_loudest.cbegin(), m_loudest.cend()) -
                         *std::min_element(m_quietest.cbegin(), m_quietest.cend());
    if (m_frames < kFramesASpan * 2) {
        ++m_frames; // too soon to tell
        return;
    }
    m_suppressing = range < kQuietRoom + (m_suppressing ? kHysteresis : -kHysteresis);
}

const std::vector<std::int16_t> &Denoiser::clean(const std::int16_t *samples, std::size_t count)
{
    m_pending.insert(m_pending.end(), samples, samples + count);
    const std::size_t whole = m_pending.size() / kFrameSamples * kFrameSamples;
    m_out.assign(m_pending.begin(), m_pending.begin() + std::ptrdiff_t(whole));
    m_pending.erase(m_pending.begin(), m_pending.begin() + std::ptrdiff_t(whole));
    for (std::size_t at = 0; at < whole; at += kFrameSamples) {
        std::int16_t *frame = m_out.data() + at;
        track(frame);
        // The preprocessor hears every frame, so that it knows the noise when it is needed, but
        // cleans only while its output is used. It gives each frame back a frame late; audio left
        // alone is not delayed, so that a quiet room is heard exactly as it comes. Changing over
        // repeats or drops 20 ms, which the recogniser shrugs off.
        std::copy(frame, frame + kFrameSamples, m_work.begin());
        if (m_suppressing) {
            speex_preprocess_run(m_state, m_work.data());
            std::copy(m_work.cbegin(), m_work.cend(), frame);
        } else {
            speex_preprocess_estimate_update(m_state, m_work.data());
        }
    }
    return m_out;
}

} // namespace voice
