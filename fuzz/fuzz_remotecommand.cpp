// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything a remote may send: WebSocket messages and HTTP bodies, OSC packets, MIDI messages and
// the MIDI map from the settings file.
#include "remote/RemoteCommand.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const remote::Parsed &p : {remote::fromMessage(bytes), remote::fromSpeedBody(bytes),
                                    remote::fromJumpBody(bytes), remote::fromOsc(bytes)}) {
        if (p.command.has_value() == !p.error.isEmpty()) // a command, or a reason: never both, never neither
            std::abort();
        if (p.command && p.command->verb == remote::Verb::Speed &&
            (p.command->value < remote::kMinSpeed || p.command->value > remote::kMaxSpeed))
            std::abort();
    }
    const remote::MidiMap map = remote::parseMidiMap(QString::fromUtf8(bytes));
    if (map.isEmpty())
        std::abort();
    (void)remote::fromMidi(map, bytes);
    return 0;
}
