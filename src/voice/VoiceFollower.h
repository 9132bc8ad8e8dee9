// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/Aligner.h"
#include "voice/AudioInput.h"
#include "voice/Model.h"
#include "voice/ScriptWords.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <memory>

namespace voice {

class Recognizer;

// Follows a script as it is read aloud: builds the recogniser's model for each script off the
// caller's thread, streams the input's audio to the recogniser's thread in 100 ms chunks and tells
// where in the script the voice is.
class VoiceFollower : public QObject
{
    Q_OBJECT

public:
    static constexpr int kChunkSamples = 1600; // 100 ms at 16 kHz

    explicit VoiceFollower(QObject *parent = nullptr);
    ~VoiceFollower() override;

    // The script, as plain text; character offsets in heard() are into it.
    void setScript(const QString &text);
    bool ready() const { return m_ready; }

    // The voice's source, owned from now on; it starts when listening does.
    void setInput(AudioInput *input);
    AudioInput *input() const { return m_input; }
    void setListening(bool on);
    bool listening() const { return m_listening; }

    // The operator put the script there: following goes on from that character, back or forward.
    void setPlace(int character);
    // The character of the word last heard; -1 before the first.
    int place() const;

    // Audio from any source, 16 kHz mono 16-bit; only used while listening.
    void feed(const QByteArray &pcm);

Q_SIGNALS:
    void heard(int character); // the voice has reached the word beginning there
    // The voice was found far from where it was (a skipped paragraph, a start further down): there
    // is nothing to read on the way there.
    void leapt(int character);
    void silence();          // the voice has stopped
    void level(float level); // loudness of the last chunk, 0 to 1
    void modelReady();
    void failed(const QString &reason);

private:
    void modelBuilt();
    void loaded(int generation, const QString &error);
    void recognised(int generation, const QStringList &words, bool speech, bool ended);
    void fail(const QString &reason);
    void startInput();

    QThread m_thread;
    Recognizer *m_recognizer; // lives on m_thread
    QPointer<AudioInput> m_input;
    QFutureWatcher<Model> m_building;
    QList<ScriptWord> m_words;
    Aligner m_aligner;
    QByteArray m_pending; // audio short of a whole chunk
    int m_generation = 0;
    bool m_ready = false;
    bool m_listening = false;
    bool m_inputRunning = false;
    bool m_speaking = false;
};

} // namespace voice
