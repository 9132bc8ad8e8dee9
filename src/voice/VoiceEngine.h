// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class Platform;

namespace voice {

// What the program asks of the voice module, which alone links the recogniser and the audio
// libraries. Plain C++ both sides build alike: no class of one side is needed by the other.
class Engine
{
public:
    struct Events
    {
        std::function<void(int character)> heard;
        std::function<void(int character)> leapt;
        std::function<void()> silence;
        std::function<void(float level)> level;
        std::function<void(const QString &reason)> failed;
    };
    struct Input
    {
        QByteArray id;
        QString description;
    };

    virtual ~Engine() = default;
    virtual void setScript(const QString &text) = 0;
    virtual void setPlace(int character) = 0;
    virtual int place() const = 0;
    virtual void setListening(bool on) = 0;
    // The capture device by id (empty: the system's default), or a WAV recording at the clock's pace.
    virtual void useMicrophone(const QByteArray &deviceId) = 0;
    virtual void useRecording(Platform &platform, const QString &path) = 0;
};

// The module's functions, by these names.
using MakeEngine = Engine *(*)(Engine::Events events);
using ListInputs = QList<Engine::Input> (*)();
inline constexpr char kModule[] = "voice";
inline constexpr char kMakeEngine[] = "cuescroll_voice_engine";
inline constexpr char kListInputs[] = "cuescroll_voice_inputs";

} // namespace voice
