// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/Denoiser.h"
#include "voice/Model.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

struct ps_decoder_s;

namespace voice {

// Streaming recognition of 16 kHz mono 16-bit audio against one script's model. Not thread-safe:
// one thread feeds it.
class Decoder
{
public:
    static constexpr int kSampleRate = 16000;

    Decoder();
    ~Decoder();
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    // Loads the model; on failure the reason, and the decoder does nothing.
    QString load(const Model &model);
    bool loaded() const { return m_ps != nullptr; }

    struct Result
    {
        QStringList words;   // what has been said lately, oldest first: the current utterance last
        bool speech = false; // the voice is on
        bool ended = false;  // an utterance has just ended in silence
        QString error;       // the decoder failed and has stopped
    };
    Result feed(const std::int16_t *samples, std::size_t count);

private:
    QString restartUtterance();

    ps_decoder_s *m_ps = nullptr;
    Denoiser m_denoiser;
    std::shared_ptr<void> m_model; // the files the decoder reads stay while it lives
    bool m_inUtterance = false;    // speech has begun in the current utterance
    QStringList m_said;            // earlier utterances' words, the last few
};

} // namespace voice
