// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/MidiInput.h"

#include "remote/Log.h"

#include <QByteArray>
#include <QMetaObject>

#include <rtmidi/RtMidi.h>

namespace remote {

MidiInput::MidiInput(QObject *parent) : QObject(parent) {}

MidiInput::~MidiInput()
{
    close();
}

QStringList MidiInput::open()
{
    close();
    try {
        RtMidiIn probe;
        const unsigned count = probe.getPortCount();
        for (unsigned i = 0; i < count; ++i) {
            auto in = std::make_unique<RtMidiIn>(RtMidi::UNSPECIFIED, "Cuescroll");
            const std::string name = in->getPortName(i);
            in->setCallback(&MidiInput::received, this);
            in->ignoreTypes(true, true, true); // no SysEx, timing or active sensing
            in->openPort(i, "Cuescroll remote");
            m_names << QString::fromStdString(name);
            m_inputs.push_back(std::move(in));
        }
    } catch (const RtMidiError &e) {
        qCWarning(lcRemote) << "MIDI:" << e.what();
    }
    qCInfo(lcRemote) << "MIDI inputs:" << m_names;
    return m_names;
}

void MidiInput::close()
{
    // Closing waits for rtmidi's thread, so no callback runs once this returns.
    for (auto &in : m_inputs) {
        try {
            in->closePort();
        } catch (const RtMidiError &e) {
            qCWarning(lcRemote) << "MIDI:" << e.what();
        }
    }
    m_inputs.clear();
    m_names.clear();
}

void MidiInput::received(double, std::vector<unsigned char> *message, void *self)
{
    auto *input = static_cast<MidiInput *>(self);
    const QByteArray bytes(reinterpret_cast<const char *>(message->data()), qsizetype(message->size()));
    QMetaObject::invokeMethod(
        input,
        [input, bytes] {
            if (const auto command = fromMidi(input->m_map, bytes))
                Q_EMIT input->commandReceived(*command);
        },
        Qt::QueuedConnection);
}

} // namespace remote
