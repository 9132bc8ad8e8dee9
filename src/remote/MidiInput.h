// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RemoteCommand.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class RtMidiIn;

namespace remote {

// Every MIDI input present, read through the mapping; a message arrives on rtmidi's thread and is
// handed to this object's thread as a command.
class MidiInput : public QObject
{
    Q_OBJECT

public:
    explicit MidiInput(QObject *parent = nullptr);
    ~MidiInput() override;

    void setMap(const MidiMap &map) { m_map = map; }
    // The inputs it now listens to, by name; none when the system has no MIDI.
    QStringList open();
    void close();
    QStringList inputs() const { return m_names; }

Q_SIGNALS:
    void commandReceived(const remote::Command &command);

private:
    static void received(double stamp, std::vector<unsigned char> *message, void *self);

    MidiMap m_map = defaultMidiMap();
    std::vector<std::unique_ptr<RtMidiIn>> m_inputs;
    QStringList m_names;
};

} // namespace remote
