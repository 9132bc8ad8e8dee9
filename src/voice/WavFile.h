// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace voice {

// A recording as the recogniser takes it: 16 kHz, one channel, 16-bit samples.
struct Recording
{
    std::vector<std::int16_t> samples;
    QString error; // empty when read
};

// Reads a PCM WAV file of 8 or 16 bits, any rate and channels; mixes the channels down and converts
// the rate.
Recording readWav(const QString &path);

} // namespace voice
