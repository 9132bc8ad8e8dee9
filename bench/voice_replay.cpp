// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays a recording through the voice follower's own parts, as fast as they go, and prints where
// the follower puts the presenter after each 100 ms of audio with the time that chunk took to
// recognise. bench/measure-voice turns this into figures.
//
//   build/bench/voice-replay [--from WORD] [--heard] SCRIPT.txt RECORDING.wav [MORE.wav...]
//
// --from puts the follower at that word first, as the operator would before the presenter begins;
// --heard prints to standard error, whenever they change, the words the recogniser gives the aligner.
//
//   build/bench/voice-replay --words SCRIPT.txt
//
// prints the script's words as the follower counts them, "<character> <word>" a line, so that the
// truth is told in the same words (numbers as they are said, abbreviations spelt out).
//
// Output: "model <ms to build> <ms to load>", then per chunk and recording
// "<recording index> <audio ms at chunk end> <µs to recognise> <µs of CPU> <word index shown or -1> <speech>
// <ended> <leapt>", leapt when the place was found far from the last one and the program cuts to it.

#include "voice/Aligner.h"
#include "voice/Decoder.h"
#include "voice/Model.h"
#include "voice/ScriptWords.h"
#include "voice/VoiceFollower.h"
#include "voice/WavFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

qint64 threadCpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--words")) {
        QFile f(args[2]);
        if (!f.open(QIODevice::ReadOnly))
            return 2;
        QTextStream out(stdout);
        for (const voice::ScriptWord &w : voice::scriptWords(QString::fromUtf8(f.readAll())))
            out << w.start << ' ' << w.text << '\n';
        return 0;
    }
    int from = -1;
    bool heard = false;
    for (bool more = true; more;) {
        more = false;
        if (args.size() > 2 && args[1] == QLatin1String("--from")) {
            from = args[2].toInt() - 1;
            args.remove(1, 2);
            more = true;
        } else if (args.size() > 1 && args[1] == QLatin1String("--heard")) {
            heard = true;
            args.remove(1);
            more = true;
        }
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: voice-replay SCRIPT.txt RECORDING.wav [MORE.wav...]\n");
        return 2;
    }
    QFile f(args[1]);
    if (!f.open(QIODevice::ReadOnly))
        return 2;
    const QString text = QString::fromUtf8(f.readAll());

    QElapsedTimer t;
    t.start();
    const voice::Model model = voice::buildModel(text);
    const qint64 built = t.restart();
    voice::Decoder decoder;
    const QString error = decoder.load(model);
    const qint64 loaded = t.elapsed();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList lastHeard;
    out << "model " << built << ' ' << loaded << ' ' << model.words << ' ' << model.guessed << '\n';

    const QList<voice::ScriptWord> words = voice::scriptWords(text);
    voice::Aligner aligner;
    aligner.setScript(words);
    aligner.setPlace(from);

    for (qsizetype r = 2; r < args.size(); ++r) {
        const voice::Recording rec = voice::readWav(args[r]);
        if (!rec.error.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(args[r]), qPrintable(rec.error));
            return 1;
        }
        constexpr std::size_t n = voice::VoiceFollower::kChunkSamples;
        for (std::size_t at = 0; at + n <= rec.samples.size(); at += n) {
            t.restart();
            const qint64 cpu0 = threadCpuUs();
            const voice::Decoder::Result res = decoder.feed(rec.samples.data() + at, n);
            if (!res.error.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(res.error));
                return 1;
            }
            if (heard && res.words != lastHeard) {
                lastHeard = res.words;
                err << (at + n) / 16 << ' ' << res.words.join(u' ') << Qt::endl;
            }
            const bool moved = aligner.heard(res.words).has_value();
            // As the follower tells it: the word after the one last heard, which the voice is on.
            const int shown = aligner.place() < 0 ? -1 : std::min(aligner.place() + 1, aligner.size() - 1);
            const qint64 us = t.nsecsElapsed() / 1000;
            out << (r - 2) << ' ' << (at + n) / 16 << ' ' << us << ' ' << threadCpuUs() - cpu0 << ' ' << shown
                << ' ' << int(res.speech) << ' ' << int(res.ended) << ' ' << int(moved && aligner.leapt())
                << '\n';
        }
    }
    return 0;
}
