// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/Log.h"
#include "remote/MidiDevices.h"

#include <memory>
#include <rtmidi/RtMidi.h>
#include <vector>

namespace {

class RtInputs final : public remote::MidiIn
{
public:
    ~RtInputs() override { close(); }

    QStringList open(std::function<void(const QByteArray &)> received) override
    {
        close();
        m_received = std::move(received);
        QStringList names;
        try {
            RtMidiIn probe;
            const unsigned count = probe.getPortCount();
            for (unsigned i = 0; i < count; ++i) {
                auto in = std::make_unique<RtMidiIn>(RtMidi::UNSPECIFIED, "Cuescroll");
                const std::string name = in->getPortName(i);
                in->setCallback(&RtInputs::arrived, this);
                in->ignoreTypes(true, true, true); // no SysEx, timing or active sensing
                in->openPort(i, "Cuescroll remote");
                names << QString::fromStdString(name);
                m_inputs.push_back(std::move(in));
            }
        } catch (const RtMidiError &e) {
            qCWarning(lcRemote) << "MIDI:" << e.what();
        }
        return names;
    }

    void close() override
    {
        for (auto &in : m_inputs) {
            try {
                in->closePort();
            } catch (const RtMidiError &e) {
                qCWarning(lcRemote) << "MIDI:" << e.what();
            }
        }
        m_inputs.clear();
    }

private:
    static void arrived(double, std::vector<unsigned char> *message, void *self)
    {
        static_cast<RtInputs *>(self)->m_received(
            QByteArray(reinterpret_cast<const char *>(message->data()), qsizetype(message->size())));
    }

    std::function<void(const QByteArray &)> m_received;
    std::vector<std::unique_ptr<RtMidiIn>> m_inputs;
};

class RtOutput final : public remote::MidiOut
{
public:
    QString send(const QByteArray &message) override
    {
        try {
            if (!m_out) {
                auto out = std::make_unique<RtMidiOut>(RtMidi::UNSPECIFIED, "Cuescroll");
                // A port of its own that a console or a show controller connects to, where the system
                // offers one; else the first output there is.
                try {
                    out->openVirtualPort("Cuescroll cues");
                } catch (const RtMidiError &) {
                    if (out->getPortCount() == 0)
                        throw;
                    out->openPort(0, "Cuescroll cues");
                }
                m_out = std::move(out);
            }
            m_out->sendMessage(reinterpret_cast<const unsigned char *>(message.constData()),
                               std::size_t(message.size()));
            return {};
        } catch (const RtMidiError &e) {
            return QString::fromStdString(e.getMessage());
        }
    }

private:
    std::unique_ptr<RtMidiOut> m_out;
};

} // namespace

extern "C" Q_DECL_EXPORT remote::MidiIn *cuescroll_midi_in()
{
    return new RtInputs;
}

extern "C" Q_DECL_EXPORT remote::MidiOut *cuescroll_midi_out()
{
    return new RtOutput;
}
