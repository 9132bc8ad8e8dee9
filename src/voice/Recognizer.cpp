// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Recognizer.h"

namespace voice {

void Recognizer::load(const Model &model, int generation)
{
    m_generation = generation;
    Q_EMIT loaded(generation, m_decoder.load(model));
}

void Recognizer::feed(const QByteArray &samples)
{
    if (!m_decoder.loaded())
        return;
    const Decoder::Result r = m_decoder.feed(reinterpret_cast<const std::int16_t *>(samples.constData()),
                                             std::size_t(samples.size()) / sizeof(std::int16_t));
    if (!r.error.isEmpty())
        Q_EMIT failed(m_generation, r.error);
    else
        Q_EMIT recognised(m_generation, r.words, r.speech, r.ended);
}

} // namespace voice
