// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/AudioInput.h"

#include "common/Platform.h"
#include "voice/Decoder.h"
#include "voice/Log.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace voice {

Microphone::Microphone(const QByteArray &deviceId, QObject *parent) : AudioInput(parent), m_deviceId(deviceId)
{}

Microphone::~Microphone()
{
    stop();
}

void Microphone::start()
{
    if (m_source)
        return;
    QAudioDevice device = QMediaDevices::defaultAudioInput();
    for (const QAudioDevice &d : QMediaDevices::audioInputs())
        if (!m_deviceId.isEmpty() && d.id() == m_deviceId)
            device = d;
    if (device.isNull()) {
        Q_EMIT failed(tr("No microphone was found."));
        return;
    }
    QAudioFormat format;
    format.setSampleRate(Decoder::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        // Taken as the device gives it and converted here.
        format = device.preferredFormat();
        if (format.sampleFormat() != QAudioFormat::Int16)
            format.setSampleFormat(QAudioFormat::Float);
    }
    m_rate = format.sampleRate();
    m_channels = std::max(1, format.channelCount());
    m_float = format.sampleFormat() == QAudioFormat::Float;
    m_phase = 0;
    m_source = new QAudioSource(device, format, this);
    m_source->setBufferSize(format.bytesForDuration(200000));
    m_io = m_source->start();
    if (!m_io || m_source->error() != QAudio::NoError) {
        stop();
        Q_EMIT failed(tr("The microphone \"%1\" could not be opened.").arg(device.description()));
        return;
    }
    qCDebug(lcVoice) << "listening on" << device.description() << m_rate << "Hz," << m_channels << "channels";
    connect(m_io, &QIODevice::readyRead, this, &Microphone::readAvailable);
}

void Microphone::stop()
{
    if (!m_source)
        return;
    m_source->stop();
    delete m_source;
    m_source = nullptr;
}

void Microphone::readAvailable()
{
    if (!m_io)
        return;
    const QByteArray raw = m_io->readAll();
    const int bytes = m_float ? 4 : 2;
    const qsizetype frames = raw.size() / (bytes * m_channels);
    if (frames == 0)
        return;
    const auto sampleAt = [&](qsizetype frame) {
        float sum = 0;
        for (int c = 0; c < m_channels; ++c) {
            const char *p = raw.constData() + (frame * m_channels + c) * bytes;
            if (m_float) {
                float f;
                std::memcpy(&f, p, 4);
                sum += f * 32767.0f;
            } else {
                qint16 s;
                std::memcpy(&s, p, 2);
                sum += float(s);
            }
        }
        return sum / float(m_channels);
    };
    QByteArray out;
    if (m_rate == Decoder::kSampleRate && m_channels == 1 && !m_float) {
        out = raw.left(frames * 2);
    } else {
        // Picks the nearest frame: the device's rate is a multiple or near one of 16 kHz in practice,
        // and the recogniser listens below 7 kHz.
        const double step = double(m_rate) / Decoder::kSampleRate;
        for (; m_phase < double(frames); m_phase += step) {
            const auto v = qint16(std::clamp(std::lround(sampleAt(qsizetype(m_phase))), -32768L, 32767L));
            out.append(reinterpret_cast<const char *>(&v), 2);
        }
        m_phase -= double(frames);
    }
    Q_EMIT samples(out);
}

RecordingInput::RecordingInput(Platform &platform, const QString &path, QObject *parent)
    : AudioInput(parent), timer(new QTimer(this)), m_platform(platform), m_path(path)
{
    timer->setInterval(50);
    connect(timer, &QTimer::timeout, this, &RecordingInput::tick);
}

void RecordingInput::start()
{
    if (m_recording.samples.empty()) {
        m_recording = readWav(m_path);
        if (!m_recording.error.isEmpty()) {
            Q_EMIT failed(tr("The recording %1 could not be read: %2").arg(m_path, m_recording.error));
            return;
        }
    }
    // Starts again from the beginning: a demonstration plays the whole recording each time.
    m_sent = 0;
    m_startedAt = m_platform.timeGetTime();
    timer->start();
}

void RecordingInput::stop()
{
    timer->stop();
}

void RecordingInput::tick()
{
    if (!timer->isActive())
        return;
    const qint32 ms = std::max(0, elapsedMs(m_platform.timeGetTime(), m_startedAt));
    const std::size_t due =
        std::min(m_recording.samples.size(), std::size_t(ms) * (Decoder::kSampleRate / 1000));
    if (due > m_sent) {
        Q_EMIT samples(QByteArray(reinterpret_cast<const char *>(m_recording.samples.data() + m_sent),
                                  qsizetype((due - m_sent) * sizeof(std::int16_t))));
        m_sent = due;
    }
    if (m_sent >= m_recording.samples.size()) {
        timer->stop();
        Q_EMIT finished();
    }
}

} // namespace voice
