// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Decoder.h"

#include "voice/Log.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <pocketsphinx.h>

namespace voice {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("voice", text);
}

constexpr int kKeptWords = 20;

QStringList wordsOf(const char *hyp)
{
    QStringList out;
    if (!hyp)
        return out;
    for (QString w : QString::fromUtf8(hyp).split(u' ', Qt::SkipEmptyParts)) {
        // Alternative pronunciations come back as word(2); fillers as <sil>, [noise] and the like.
        if (const qsizetype paren = w.indexOf(u'('); paren > 0)
            w.truncate(paren);
        if (!w.startsWith(u'<') && !w.startsWith(u'['))
            out << w;
    }
    return out;
}

} // namespace

Decoder::Decoder() = default;

Decoder::~Decoder()
{
    if (m_ps)
        ps_free(m_ps);
}

QString Decoder::load(const Model &model)
{
    if (m_ps) {
        ps_free(m_ps);
        m_ps = nullptr;
    }
    m_said.clear();
    m_inUtterance = false;
    m_denoiser.reset();
    if (!model.error.isEmpty())
        return model.error;
    const QByteArray hmm = model.acousticModel.toLocal8Bit();
    const QByteArray lm = model.languageModel.toLocal8Bit();
    const QByteArray dict = model.dictionary.toLocal8Bit();
    // Only the first pass: the later ones rescore a whole utterance when it ends, which blocks the
    // recogniser for seconds at every paragraph's pause, long after the first pass had the place.
    // The language model is the script itself: weighted above the usual 6.5 it holds the recogniser
    // to the script's word order where the sound is poor (a synthetic voice, a noisy room).
    cmd_ln_t *config = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", hmm.constData(), "-lm", lm.constData(),
                                   "-dict", dict.constData(), "-fwdflat", "no", "-bestpath", "no", "-lw",
                                   "10", "-logfn", "/dev/null", nullptr);
    if (!config)
        return tr("the recogniser's settings were refused");
    m_ps = ps_init(config);
    cmd_ln_free_r(config);
    if (!m_ps)
        return tr("the recogniser could not load the model from %1").arg(model.acousticModel);
    m_model = model.dir;
    if (ps_start_utt(m_ps) < 0) {
        ps_free(m_ps);
        m_ps = nullptr;
        return tr("the recogniser did not start");
    }
    return {};
}

QString Decoder::restartUtterance()
{
    if (ps_end_utt(m_ps) < 0)
        return tr("the recogniser failed to end an utterance");
    const QStringList words = wordsOf(ps_get_hyp(m_ps, nullptr));
    m_said << words;
    if (m_said.size() > kKeptWords)
        m_said = m_said.mid(m_said.size() - kKeptWords);
    if (ps_start_utt(m_ps) < 0)
        return tr("the recogniser failed to start an utterance");
    m_inUtterance = false;
    return {};
}

Decoder::Result Decoder::feed(const std::int16_t *samples, std::size_t count)
{
    Result r;
    if (!m_ps) {
        r.error = tr("no model is loaded");
        return r;
    }
    const std::vector<std::int16_t> &clean = m_denoiser.clean(samples, count);
    samples = clean.data();
    count = clean.size();
    if (ps_process_raw(m_ps, samples, count, FALSE, FALSE) < 0) {
        r.error = tr("the recogniser failed on the audio");
    } else {
        r.speech = ps_get_in_speech(m_ps) != 0;
        if (r.speech) {
            m_inUtterance = true;
        } else if (m_inUtterance) {
            r.error = restartUtterance();
            r.ended = true;
        }
    }
    if (!r.error.isEmpty()) {
        // Once a call has failed the decoder's state is unknown: it is not called again.
        qCWarning(lcVoice) << r.error;
        ps_free(m_ps);
        m_ps = nullptr;
        return r;
    }
    r.words = m_said;
    if (m_inUtterance)
        r.words << wordsOf(ps_get_hyp(m_ps, nullptr));
    return r;
}

} // namespace voice
