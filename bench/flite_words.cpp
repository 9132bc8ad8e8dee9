// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speaks sentences with a flite voice and prints when each word is said: the truth that
// bench/measure-voice holds the voice follower to.
//
//   build/bench/flite-words VOICE STRETCH SENTENCES.txt OUT.wav
//
// VOICE is kal, kal16, slt, rms or awb; STRETCH is flite's duration_stretch (above 1 is slower).
// SENTENCES.txt holds one sentence a line, each synthesised on its own and the waves joined.
// Prints "<line> <word> <start s> <end s>" for every word as spoken (9 becomes nine).

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern "C" {
#include <flite/flite.h>
cst_voice *register_cmu_us_kal(const char *);
cst_voice *register_cmu_us_kal16(const char *);
cst_voice *register_cmu_us_slt(const char *);
cst_voice *register_cmu_us_rms(const char *);
cst_voice *register_cmu_us_awb(const char *);
}

namespace {

void put32(std::FILE *f, unsigned v)
{
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    std::fwrite(b, 1, 4, f);
}

void put16(std::FILE *f, unsigned v)
{
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: flite-words VOICE STRETCH SENTENCES.txt OUT.wav\n");
        return 2;
    }
    flite_init();
    const std::string name = argv[1];
    cst_voice *v = name == "kal"     ? register_cmu_us_kal(nullptr)
                   : name == "kal16" ? register_cmu_us_kal16(nullptr)
                   : name == "slt"   ? register_cmu_us_slt(nullptr)
                   : name == "rms"   ? register_cmu_us_rms(nullptr)
                   : name == "awb"   ? register_cmu_us_awb(nullptr)
                                     : nullptr;
    if (!v) {
        std::fprintf(stderr, "unknown voice %s\n", argv[1]);
        return 2;
    }
    feat_set_float(v->features, "duration_stretch", float(std::atof(argv[2])));

    std::ifstream in(argv[3]);
    std::vector<short> samples;
    int rate = 0;
    std::string sentence;
    for (int line = 0; std::getline(in, sentence); ++line) {
        if (sentence.empty())
            continue;
        cst_utterance *u = flite_synth_text(sentence.c_str(), v);
        cst_wave *w = utt_wave(u);
        rate = w->sample_rate;
        const double offset = double(samples.size()) / rate;
        for (cst_item *word = relation_head(utt_relation(u, "Word")); word; word = item_next(word)) {
            const float start = ffeature_float(word, "R:SylStructure.daughter1.daughter1.R:Segment.p.end");
            const float end = ffeature_float(word, "R:SylStructure.daughtern.daughtern.R:Segment.end");
            std::printf("%d %s %.3f %.3f\n", line, ffeature_string(word, "name"), offset + start,
                        offset + end);
        }
        samples.insert(samples.end(), w->samples, w->samples + w->num_samples * w->num_channels);
        delete_utterance(u);
    }
    std::FILE *f = std::fopen(argv[4], "wb");
    if (!f)
        return 1;
    const unsigned bytes = unsigned(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + bytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);
    put16(f, 1);
    put32(f, unsigned(rate));
    put32(f, unsigned(rate) * 2);
    put16(f, 2);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, bytes);
    std::fwrite(samples.data(), 2, samples.size(), f);
    return std::fclose(f) == 0 ? 0 : 1;
}
