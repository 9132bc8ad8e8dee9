// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/WavFile.h"

#include "common/Platform.h"
#include "voice/Decoder.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace voice {

namespace {

QString tr(const char *s)
{
    return QCoreApplication::translate("voice", s);
}

} // namespace

Recording readWav(const QString &path)
{
    Recording r;
    // A recording for a script, not an album: a few hours at most.
    const RegularFileRead read = readRegularFile(path, 1LL << 30);
    switch (read.status) {
    case RegularFileRead::Ok:
        break;
    case RegularFileRead::Absent:
        r.error = tr("There is no such file.");
        return r;
    case RegularFileRead::NotRegular:
        r.error = tr("It is not a regular file.");
        return r;
    case RegularFileRead::TooLarge:
        r.error = tr("The recording is larger than 1 GB.");
        return r;
    case RegularFileRead::NoPermission:
        r.error = tr("It may not be read.");
        return r;
    case RegularFileRead::Unreadable:
        r.error = read.detail;
        return r;
    }
    const QByteArray &data = read.data;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(data.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(data.constData() + at); };
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") {
        r.error = tr("It is not a WAV recording.");
        return r;
    }
    int channels = 0, rate = 0, bits = 0;
    qsizetype pcmAt = -1, pcmSize = 0;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= data.size()) {
            if (u16(body) != 1) {
                r.error = tr("Only uncompressed (PCM) WAV recordings can be read.");
                return r;
            }
            channels = u16(body + 2);
            rate = int(u32(body + 4));
            bits = u16(body + 14);
        } else if (id == "data") {
            pcmAt = body;
            pcmSize = std::min(size, data.size() - body); // a stream cut short still plays
            break;
        }
        at = body + size + (size & 1);
    }
    if (pcmAt < 0 || channels < 1 || rate < 4000 || rate > 192000 || (bits != 8 && bits != 16)) {
        r.error = tr("The WAV recording must be PCM of 8 or 16 bits.");
        return r;
    }
    const int frameBytes = channels * bits / 8;
    const qsizetype frames = pcmSize / frameBytes;
    std::vector<float> mono(size_t(frames), 0.0f);
    for (qsizetype i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) {
            const qsizetype at = pcmAt + i * frameBytes + c * bits / 8;
            sum += bits == 16 ? float(qint16(u16(at))) : float((quint8(data[at]) - 128) * 256);
        }
        mono[size_t(i)] = sum / float(channels);
    }
    // Linear interpolation is enough for speech recognition's 130–6800 Hz band from 16 kHz and up;
    // from a lower rate the band is not there to lose.
    const double step = double(rate) / Decoder::kSampleRate;
    const auto out = size_t(std::floor(double(frames) / step));
    r.samples.resize(out);
    for (size_t i = 0; i < out; ++i) {
        const double x = double(i) * step;
        const auto k = size_t(x);
        const float a = mono[k];
        const float b = k + 1 < mono.size() ? mono[k + 1] : a;
        const float v = a + float(x - double(k)) * (b - a);
        r.samples[i] = std::int16_t(std::clamp(std::lround(v), -32768L, 32767L));
    }
    return r;
}

} // namespace voice
