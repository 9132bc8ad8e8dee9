// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/VoiceFollower.h"

#include "voice/AudioInput.h"
#include "voice/Log.h"
#include "voice/Model.h"
#include "voice/Recognizer.h"

#include <QElapsedTimer>
#include <QtConcurrent>

#include <algorithm>
#include <cmath>

namespace voice {

namespace {

// Root mean square in decibels below full scale, shown from -60 dB (0) to 0 dB (1).
float loudness(const QByteArray &pcm)
{
    const auto *s = reinterpret_cast<const std::int16_t *>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    if (n == 0)
        return 0;
    double sum = 0;
    for (qsizetype i = 0; i < n; ++i)
        sum += double(s[i]) * double(s[i]);
    const double rms = std::sqrt(sum / double(n)) / 32768.0;
    const double db = rms > 0 ? 20.0 * std::log10(rms) : -100.0;
    return float(std::clamp((db + 60.0) / 60.0, 0.0, 1.0));
}

} // namespace

VoiceFollower::VoiceFollower(QObject *parent) : QObject(parent), m_recognizer(new Recognizer)
{
    m_thread.setObjectName(QStringLiteral("voice"));
    m_recognizer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_recognizer, &QObject::deleteLater);
    connect(m_recognizer, &Recognizer::loaded, this, &VoiceFollower::loaded);
    connect(m_recognizer, &Recognizer::recognised, this, &VoiceFollower::recognised);
    connect(m_recognizer, &Recognizer::failed, this, [this](int generation, const QString &error) {
        if (generation == m_generation)
            fail(tr("Speech recognition stopped: %1").arg(error));
    });
    connect(&m_building, &QFutureWatcher<Model>::finished, this, &VoiceFollower::modelBuilt);
    m_thread.start();
}

VoiceFollower::~VoiceFollower()
{
    if (m_input)
        m_input->stop();
    m_building.waitForFinished();
    m_thread.quit();
    m_thread.wait();
}

void VoiceFollower::setScript(const QString &text)
{
    ++m_generation;
    m_ready = false;
    m_speaking = false;
    m_pending.clear();
    m_words = scriptWords(text);
    m_aligner.setScript(m_words);
    if (m_words.isEmpty()) // nothing to follow until a script with words comes
        return;
    // A model being built for the script before is still finished, and then dropped.
    m_building.setFuture(QtConcurrent::run([text] { return buildModel(text); }));
}

void VoiceFollower::modelBuilt()
{
    // The watcher only reports the future of the latest script.
    const Model model = m_building.result();
    const int generation = m_generation;
    QMetaObject::invokeMethod(
        m_recognizer, [r = m_recognizer, model, generation] { r->load(model, generation); },
        Qt::QueuedConnection);
}

void VoiceFollower::loaded(int generation, const QString &error)
{
    if (generation != m_generation)
        return;
    if (!error.isEmpty()) {
        fail(tr("The script's words could not be prepared for recognition: %1").arg(error));
        return;
    }
    m_ready = true;
    Q_EMIT modelReady();
    startInput();
}

void VoiceFollower::setInput(AudioInput *input)
{
    if (m_input) {
        m_input->stop();
        m_input->deleteLater();
    }
    m_inputRunning = false;
    m_input = input;
    if (!input)
        return;
    input->setParent(this);
    connect(input, &AudioInput::samples, this, &VoiceFollower::feed);
    connect(input, &AudioInput::failed, this, &VoiceFollower::fail);
    // A recording that has ended is heard as silence, not as its last chunk's loudness.
    connect(input, &AudioInput::finished, this, [this] { Q_EMIT level(0); });
    startInput();
}

// A recording plays from the moment the first model is ready, so that none of it is lost to the
// model's building; after that the input runs for as long as following does.
void VoiceFollower::startInput()
{
    if (m_input && m_listening && m_ready && !m_inputRunning) {
        m_inputRunning = true;
        m_input->start();
    }
}

void VoiceFollower::setListening(bool on)
{
    if (m_listening == on)
        return;
    m_listening = on;
    m_pending.clear();
    m_speaking = false;
    if (on) {
        startInput();
    } else if (m_input && m_inputRunning) {
        m_inputRunning = false;
        m_input->stop();
    }
}

void VoiceFollower::setPlace(int character)
{
    // The word the character is in, or the last one before it.
    const auto after = std::upper_bound(m_words.cbegin(), m_words.cend(), character,
                                        [](int c, const ScriptWord &w) { return c < w.start; });
    m_aligner.setPlace(int(after - m_words.cbegin()) - 1);
}

int VoiceFollower::place() const
{
    const int p = m_aligner.place();
    return p < 0 ? -1 : m_words[p].start;
}

void VoiceFollower::feed(const QByteArray &pcm)
{
    if (!m_listening)
        return;
    m_pending += pcm;
    constexpr qsizetype kChunkBytes = kChunkSamples * 2;
    while (m_pending.size() >= kChunkBytes) {
        const QByteArray chunk = m_pending.left(kChunkBytes);
        m_pending.remove(0, kChunkBytes);
        Q_EMIT level(loudness(chunk));
        if (m_ready)
            QMetaObject::invokeMethod(
                m_recognizer, [r = m_recognizer, chunk] { r->feed(chunk); }, Qt::QueuedConnection);
    }
}

void VoiceFollower::recognised(int generation, const QStringList &words, bool speech, bool ended)
{
    if (generation != m_generation || !m_listening)
        return;
    // A word is recognised once it has been said: the voice is on the next one by then.
    if (const std::optional<int> w = m_aligner.heard(words)) {
        const int character = m_words[std::min(*w + 1, int(m_words.size()) - 1)].start;
        if (m_aligner.leapt())
            Q_EMIT leapt(character);
        else
            Q_EMIT heard(character);
    }
    if (speech)
        m_speaking = true;
    if (ended && m_speaking) {
        m_speaking = false;
        Q_EMIT silence();
    }
}

void VoiceFollower::fail(const QString &reason)
{
    qCWarning(lcVoice) << reason;
    m_ready = false;
    setListening(false);
    Q_EMIT failed(reason);
}

} // namespace voice
