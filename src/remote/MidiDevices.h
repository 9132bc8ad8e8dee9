// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace remote {

// What the program asks of the MIDI module, which alone links rtmidi and the sound system's
// libraries: raw messages in and out.
class MidiIn
{
public:
    virtual ~MidiIn() = default;
    // Listens to every input present and names them; `received` is called on rtmidi's thread.
    virtual QStringList open(std::function<void(const QByteArray &message)> received) = 0;
    // Waits for rtmidi's threads: no call of `received` follows.
    virtual void close() = 0;
};

class MidiOut
{
public:
    virtual ~MidiOut() = default;
    // Empty when sent, else why not. The port is opened with the first message.
    virtual QString send(const QByteArray &message) = 0;
};

using MakeMidiIn = MidiIn *(*)();
using MakeMidiOut = MidiOut *(*)();
inline constexpr char kMidiModule[] = "midi";
inline constexpr char kMakeMidiIn[] = "cuescroll_midi_in";
inline constexpr char kMakeMidiOut[] = "cuescroll_midi_out";

} // namespace remote
