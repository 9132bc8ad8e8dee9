// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/AudioInput.h"
#include "voice/VoiceEngine.h"
#include "voice/VoiceFollower.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace {

class FollowerEngine final : public voice::Engine
{
public:
    explicit FollowerEngine(Events events)
    {
        using voice::VoiceFollower;
        // An event nobody asked for is not passed on.
        const auto pass = [this](auto signal, auto handler) {
            if (handler)
                QObject::connect(&m_follower, signal, std::move(handler));
        };
        pass(&VoiceFollower::heard, std::move(events.heard));
        pass(&VoiceFollower::leapt, std::move(events.leapt));
        pass(&VoiceFollower::silence, std::move(events.silence));
        pass(&VoiceFollower::level, std::move(events.level));
        pass(&VoiceFollower::failed, std::move(events.failed));
    }

    void setScript(const QString &text) override { m_follower.setScript(text); }
    void setPlace(int character) override { m_follower.setPlace(character); }
    int place() const override { return m_follower.place(); }
    void setListening(bool on) override { m_follower.setListening(on); }
    void useMicrophone(const QByteArray &deviceId) override
    {
        m_follower.setInput(new voice::Microphone(deviceId));
    }
    void useRecording(Platform &platform, const QString &path) override
    {
        m_follower.setInput(new voice::RecordingInput(platform, path));
    }

private:
    voice::VoiceFollower m_follower;
};

} // namespace

extern "C" Q_DECL_EXPORT voice::Engine *cuescroll_voice_engine(voice::Engine::Events events)
{
    return new FollowerEngine(std::move(events));
}

extern "C" Q_DECL_EXPORT QList<voice::Engine::Input> cuescroll_voice_inputs()
{
    QList<voice::Engine::Input> inputs;
    for (const QAudioDevice &d : QMediaDevices::audioInputs())
        inputs.append({d.id(), d.description()});
    return inputs;
}
