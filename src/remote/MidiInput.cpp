// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/MidiInput.h"

#include "common/Modules.h"
#include "remote/Log.h"
#include "remote/MidiDevices.h"

#include <QByteArray>
#include <QMetaObject>

namespace remote {

MidiInput::MidiInput(QObject *parent) : QObject(parent) {}

MidiInput::~MidiInput()
{
    close();
}

QStringList MidiInput::open()
{
    close();
    if (!m_inputs) {
        const auto make = modules::function<MakeMidiIn>(QLatin1String(kMidiModule), kMakeMidiIn, &m_error);
        if (!make)
            return {};
        m_error.clear();
        m_inputs.reset(make());
    }
    // A message arrives on rtmidi's thread and is handed to this object's thread as a command.
    m_names = m_inputs->open([this](const QByteArray &bytes) {
        QMetaObject::invokeMethod(
            this,
            [this, bytes] {
                if (const auto command = fromMidi(m_map, bytes))
                    Q_EMIT commandReceived(*command);
            },
            Qt::QueuedConnection);
    });
    qCInfo(lcRemote) << "MIDI inputs:" << m_names;
    return m_names;
}

void MidiInput::close()
{
    if (m_inputs)
        m_inputs->close();
    m_names.clear();
}

} // namespace remote
