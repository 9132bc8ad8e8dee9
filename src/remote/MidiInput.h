// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RemoteCommand.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace remote {

class MidiIn;

// Every MIDI input present, read through the mapping; a message arrives on rtmidi's thread and is
// handed to this object's thread as a command.
class MidiInput : public QObject
{
    Q_OBJECT

public:
    explicit MidiInput(QObject *parent = nullptr);
    ~MidiInput() override;

    void setMap(const MidiMap &map) { m_map = map; }
    // The inputs it now listens to, by name; none when the system has no MIDI, or when MIDI's module
    // is missing, which error() tells.
    QStringList open();
    void close();
    QStringList inputs() const { return m_names; }
    QString error() const { return m_error; }

Q_SIGNALS:
    void commandReceived(const remote::Command &command);

private:
    MidiMap m_map = defaultMidiMap();
    std::unique_ptr<MidiIn> m_inputs; // loaded when first opened
    QStringList m_names;
    QString m_error;
};

} // namespace remote
