// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Rich Text files for measuring the reader: what a word processor writes, and a file whose
// formatting changes far more often than any writer would.

#include <QByteArray>
#include <QString> // the + of byte arrays, under QT_USE_QSTRINGBUILDER

#include <array>
#include <cstdint>

namespace rtfsamples {

// The same text for every run and machine: a small linear congruential generator, not a seeded
// library one whose sequence could change between versions.
class Dice
{
public:
    explicit Dice(std::uint32_t seed) : m_state(seed) {}
    int below(int n)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return int((m_state >> 8) % std::uint32_t(n));
    }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint32_t m_state;
};

// A script of about `bytes` bytes as a word processor saves it: font and colour tables, a
// \pard\plain at each paragraph of 50 to 150 words, font, size and colour changing every few words,
// words in bold or italic, \'hh and \uN for the letters outside ASCII, and \par after each paragraph.
inline QByteArray realistic(qsizetype bytes)
{
    static constexpr std::array<const char *, 40> kWords = {
        "good",   "evening", "and",     "welcome", "to",      "the",      "news",    "at",
        "nine",   "tonight", "we",      "look",    "harbour", "project",  "weather", "a",
        "story",  "from",    "valley",  "where",   "river",   "has",      "changed", "its",
        "course", "council", "members", "said",    "on",      "Tuesday",  "that",    "work",
        "will",   "begin",   "in",      "spring",  "despite", "concerns", "over",    "cost"};
    // Written the ways word processors write letters beyond ASCII: a code-page byte, or \uN with
    // its fallback.
    static constexpr std::array<const char *, 6> kForeign = {"caf\\'e9",
                                                             "na\\'efve",
                                                             "\\u8211?",
                                                             "Z\\u252?rich",
                                                             "\\u8220?quoted\\u8221?",
                                                             "\\u1052?\\u1080?\\u1088?"};

    QByteArray out;
    out.reserve(bytes + 4096);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang2057"
           "{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Calibri;}{\\f1\\froman\\fprq2\\fcharset0 Times New "
           "Roman;}{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}{\\f3\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
           "{\\colortbl ;\\red0\\green0\\blue0;\\red31\\green73\\blue125;\\red192\\green0\\blue0;"
           "\\red0\\green112\\blue192;\\red118\\green146\\blue60;}\r\n"
           "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n";
    Dice dice(20240611u);
    while (out.size() < bytes) {
        out += "\\pard\\plain\\sa200\\sl276\\slmult1\\f0\\fs24\\cf1\\lang9 ";
        const int words = 50 + dice.below(101);
        int untilChange = 3 + dice.below(6);
        for (int w = 0; w < words; ++w) {
            if (--untilChange == 0) {
                untilChange = 3 + dice.below(6);
                out += "\\f" + QByteArray::number(dice.below(4)) + "\\fs" +
                       QByteArray::number(20 + 2 * dice.below(7)) + "\\cf" +
                       QByteArray::number(1 + dice.below(5)) + ' ';
            }
            const QByteArray word = dice.chance(3)
                                        ? QByteArray(kForeign[size_t(dice.below(int(kForeign.size())))])
                                        : QByteArray(kWords[size_t(dice.below(int(kWords.size())))]);
            const bool last = w + 1 == words;
            const char *gap = last ? "." : (dice.chance(8) ? ", " : " ");
            if (dice.chance(6))
                out += "\\b " + word + "\\b0 " + gap;
            else if (dice.chance(4))
                out += "\\i " + word + "\\i0 " + gap;
            else if (dice.chance(2))
                out += "{\\ul " + word + '}' + gap;
            else
                out += word + gap;
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

// About `bytes` bytes of two-letter words with bold on for the first letter and off for the
// second: two format changes per word, a paragraph every 100 words.
inline QByteArray boldToggles(qsizetype bytes)
{
    QByteArray out = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 ";
    out.reserve(bytes + 64);
    for (int word = 1; out.size() < bytes; ++word)
        out += word % 100 == 0 ? "\\b a\\b0 b\\par " : "\\b a\\b0 b ";
    out += '}';
    return out;
}

} // namespace rtfsamples
