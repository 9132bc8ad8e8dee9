// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/WavFile.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class Platform;
class QAudioSource;
class QIODevice;
class QTimer;

namespace voice {

// Where the voice comes from: 16 kHz mono 16-bit samples as they arrive.
class AudioInput : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void stop() = 0;

Q_SIGNALS:
    void samples(const QByteArray &pcm);
    void failed(const QString &reason);
    void finished(); // a recording has played to its end
};

// The microphone, or another capture device by its id (empty: the system's default).
class Microphone final : public AudioInput
{
    Q_OBJECT

public:
    explicit Microphone(const QByteArray &deviceId, QObject *parent = nullptr);
    ~Microphone() override;
    void start() override;
    void stop() override;

private:
    void readAvailable();

    QByteArray m_deviceId;
    QAudioSource *m_source = nullptr;
    QPointer<QIODevice> m_io;
    int m_rate = 16000;
    int m_channels = 1;
    bool m_float = false;
    double m_phase = 0; // where the next output sample falls between input frames
};

// A WAV recording fed as if it came from the microphone, at the pace of the prompter's clock.
class RecordingInput final : public AudioInput
{
    Q_OBJECT

public:
    RecordingInput(Platform &platform, const QString &path, QObject *parent = nullptr);
    void start() override;
    void stop() override;
    // Hands on what is due by now; the timer calls it, tests too.
    void tick();

    QTimer *const timer;

private:
    Platform &m_platform;
    QString m_path;
    Recording m_recording;
    quint32 m_startedAt = 0;
    std::size_t m_sent = 0;
};

} // namespace voice
