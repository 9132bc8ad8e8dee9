// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/ScriptWords.h"

#include <QHash>

namespace voice {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == QChar(0x2019);
}

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'?' || c == u'!' || c == u'\r' || c == u'\n' || c == QChar(0x2029);
}

const char *const kOnes[] = {"zero",     "one",     "two",     "three",     "four",     "five",    "six",
                             "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
                             "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
const char *const kTens[] = {"",      "",      "twenty",  "thirty", "forty",
                             "fifty", "sixty", "seventy", "eighty", "ninety"};

// Below a thousand, with "and" after the hundreds as British and most other speakers say it.
void belowThousand(int n, QStringList &out)
{
    if (n >= 100) {
        out << QLatin1String(kOnes[n / 100]) << QStringLiteral("hundred");
        n %= 100;
        if (n == 0)
            return;
        out << QStringLiteral("and");
    }
    if (n >= 20) {
        out << QLatin1String(kTens[n / 10]);
        if (n % 10)
            out << QLatin1String(kOnes[n % 10]);
    } else {
        out << QLatin1String(kOnes[n]);
    }
}

QString ordinalOf(const QString &w)
{
    static const QHash<QString, QString> irregular{{QStringLiteral("one"), QStringLiteral("first")},
                                                   {QStringLiteral("two"), QStringLiteral("second")},
                                                   {QStringLiteral("three"), QStringLiteral("third")},
                                                   {QStringLiteral("five"), QStringLiteral("fifth")},
                                                   {QStringLiteral("eight"), QStringLiteral("eighth")},
                                                   {QStringLiteral("nine"), QStringLiteral("ninth")},
                                                   {QStringLiteral("twelve"), QStringLiteral("twelfth")}};
    if (const auto it = irregular.find(w); it != irregular.end())
        return *it;
    if (w.endsWith(u'y'))
        return w.chopped(1) + QStringLiteral("ieth");
    return w + QStringLiteral("th");
}

// Abbreviations whose full stop ends no sentence, and what is said for them.
const QHash<QString, QString> &abbreviations()
{
    static const QHash<QString, QString> a{
        {QStringLiteral("dr"), QStringLiteral("doctor")},
        {QStringLiteral("mr"), QStringLiteral("mister")},
        {QStringLiteral("mrs"), QStringLiteral("missus")},
        {QStringLiteral("ms"), QStringLiteral("miz")},
        {QStringLiteral("st"), QStringLiteral("saint")},
        {QStringLiteral("ltd"), QStringLiteral("limited")},
        {QStringLiteral("prof"), QStringLiteral("professor")},
        {QStringLiteral("capt"), QStringLiteral("captain")},
        {QStringLiteral("sgt"), QStringLiteral("sergeant")},
        {QStringLiteral("gen"), QStringLiteral("general")},
        {QStringLiteral("jr"), QStringLiteral("junior")},
        {QStringLiteral("sr"), QStringLiteral("senior")},
        {QStringLiteral("mt"), QStringLiteral("mount")},
        {QStringLiteral("vs"), QStringLiteral("versus")},
        {QStringLiteral("approx"), QStringLiteral("approximately")},
        {QStringLiteral("inc"), QStringLiteral("inc")},
        {QStringLiteral("co"), QStringLiteral("co")},
    };
    return a;
}

bool isDigit(const QString &text, int i)
{
    return i >= 0 && i < text.size() && text[i].isDigit();
}

} // namespace

QStringList spokenNumber(qint64 n, bool ordinal)
{
    QStringList out;
    if (n < 0 || n >= 1000000000000LL)
        return out;
    static const char *const kScales[] = {"billion", "million", "thousand"};
    qint64 scale = 1000000000;
    const qint64 whole = n;
    for (const char *name : kScales) {
        if (n >= scale) {
            belowThousand(int(n / scale), out);
            out << QLatin1String(name);
            n %= scale;
        }
        scale /= 1000;
    }
    if (n > 0 || whole == 0) {
        // "two thousand and six", as after the hundreds.
        if (whole >= 1000 && n < 100)
            out << QStringLiteral("and");
        belowThousand(int(n), out);
    }
    if (ordinal)
        out.last() = ordinalOf(out.last());
    return out;
}

QStringList spokenYear(int n)
{
    // 1100 to 1999 and 2010 to 2099 in pairs: "nineteen oh five", "twenty twenty six".
    if (n < 1100 || n > 2099 || (n >= 2000 && n < 2010) || n % 100 == 0)
        return {};
    QStringList out;
    belowThousand(n / 100, out);
    if (n % 100 < 10)
        out << QStringLiteral("oh");
    belowThousand(n % 100, out);
    return out;
}

QString normalWord(const QString &token)
{
    QString w;
    w.reserve(token.size());
    bool letter = false;
    for (QChar c : token) {
        if (isApostrophe(c))
            w += u'\'';
        else if (isWordChar(c)) {
            w += c.toLower();
            letter = letter || c.isLetter();
        } else
            return {};
    }
    while (w.startsWith(u'\''))
        w.remove(0, 1);
    while (w.endsWith(u'\''))
        w.chop(1);
    return letter ? w : QString();
}

QList<ScriptWord> scriptWords(const QString &text)
{
    QList<ScriptWord> words;
    const int n = int(text.size());
    int i = 0;
    bool stopEnds = true; // whether a full stop here ends a sentence
    const auto add = [&words](const QStringList &said, int from, int to) {
        for (const QString &w : said)
            words.append({w, from, to, false, {}});
    };
    while (i < n) {
        if (!isWordChar(text[i])) {
            if (endsSentence(text[i]) && !words.isEmpty() && (stopEnds || text[i] != u'.'))
                words.last().sentenceEnd = true;
            // A per cent sign said after its number.
            if (text[i] == u'%' && isDigit(text, i - 1))
                add({QStringLiteral("percent")}, i, i + 1);
            stopEnds = true;
            ++i;
            continue;
        }
        if (text[i].isDigit()) {
            // Digits with thousands' commas, a decimal part, and an ordinal's ending.
            int j = i;
            QString digits;
            while (j < n &&
                   (text[j].isDigit() || (text[j] == u',' && isDigit(text, j + 1) && isDigit(text, j + 2) &&
                                          isDigit(text, j + 3) && !isDigit(text, j + 4)))) {
                if (text[j].isDigit())
                    digits += text[j];
                ++j;
            }
            QString decimals;
            if (j + 1 < n && text[j] == u'.' && text[j + 1].isDigit()) {
                ++j;
                while (j < n && text[j].isDigit())
                    decimals += text[j++];
            }
            const QString suffix = text.mid(j, 2).toLower();
            const bool ordinal = decimals.isEmpty() &&
                                 (suffix == QLatin1String("st") || suffix == QLatin1String("nd") ||
                                  suffix == QLatin1String("rd") || suffix == QLatin1String("th")) &&
                                 (j + 2 >= n || !text[j + 2].isLetterOrNumber());
            if (ordinal)
                j += 2;
            const bool lettered = j < n && text[j].isLetter(); // "4x4": read as it comes
            while (lettered && j < n && isWordChar(text[j]))
                ++j;
            bool ok = false;
            const qint64 value = digits.toLongLong(&ok);
            QStringList said = ok ? spokenNumber(value, ordinal) : QStringList();
            if (said.isEmpty() || lettered) {
                const QString w = normalWord(text.mid(i, j - i));
                if (!w.isEmpty())
                    words.append({w, i, j, false, {}});
                i = j;
                continue;
            }
            for (QChar d : decimals) {
                if (d == decimals.front())
                    said << QStringLiteral("point");
                said << QLatin1String(kOnes[d.digitValue()]);
            }
            const QStringList year =
                decimals.isEmpty() && !ordinal && j - i == 4 ? spokenYear(int(value)) : QStringList();
            const qsizetype first = words.size();
            add(year.isEmpty() ? said : year, i, j);
            if (!year.isEmpty())
                words[first].otherReading = said;
            i = j;
            continue;
        }
        int j = i;
        // An apostrophe belongs to the word only between letters: "don't", not "'quoted'".
        while (j < n &&
               (isWordChar(text[j]) || (isApostrophe(text[j]) && j + 1 < n && isWordChar(text[j + 1]))))
            ++j;
        const QString w = normalWord(text.mid(i, j - i));
        if (!w.isEmpty()) {
            // An abbreviation's or an initial's stop: "Dr. Okafor", "J. R. Ward".
            const bool stopped = j < n && text[j] == u'.';
            const auto abbreviation = abbreviations().find(w);
            if (stopped && abbreviation != abbreviations().end()) {
                words.append({*abbreviation, i, j, false, {}});
                stopEnds = false;
            } else {
                words.append({w, i, j, false, {}});
                stopEnds = !(stopped && j - i == 1 && text[i].isUpper());
            }
        }
        i = j;
    }
    if (!words.isEmpty())
        words.last().sentenceEnd = true;
    return words;
}

} // namespace voice
