// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Model.h"

#include "voice/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <map>

extern "C" {
#include <flite/flite.h>
cst_lexicon *cmu_lex_init(void);
}

namespace voice {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("voice", text);
}

constexpr double kDiscount = 0.5;
// The share of a script's words not in the dictionary beyond which it is taken for another language:
// an English script with many names stays well below it (a sixth), Spanish or German well above.
constexpr double kMostlyForeign = 0.4;
const QString kStart = QStringLiteral("<s>");
const QString kEnd = QStringLiteral("</s>");

// The acoustic model's phones: a pronunciation with any other cannot be used.
const QSet<QString> &phoneSet()
{
    static const QSet<QString> phones = [] {
        QSet<QString> s;
        for (const char *p : {"AA", "AE", "AH", "AO", "AW", "AY", "B",  "CH", "D", "DH", "EH", "ER", "EY",
                              "F",  "G",  "HH", "IH", "IY", "JH", "K",  "L",  "M", "N",  "NG", "OW", "OY",
                              "P",  "R",  "S",  "SH", "T",  "TH", "UH", "UW", "V", "W",  "Y",  "Z",  "ZH"})
            s.insert(QString::fromLatin1(p));
        return s;
    }();
    return phones;
}

// flite's rules spell phones in lower case with stress digits (ah0); the recogniser has neither.
QString letterToSound(const QString &word)
{
    static QMutex mutex; // flite's lexicon is one shared object
    const QMutexLocker lock(&mutex);
    static cst_lexicon *lex = cmu_lex_init();
    if (!lex)
        return {};
    QString w;
    for (QChar c : word) // the rules know a to z only
        if (c >= u'a' && c <= u'z')
            w += c;
    if (w.isEmpty())
        return {};
    // The rules' phones the acoustic model lacks, as the nearest it has.
    static const QHash<QString, QString> nearest{
        {QStringLiteral("AX"), QStringLiteral("AH")},   {QStringLiteral("AXR"), QStringLiteral("ER")},
        {QStringLiteral("IX"), QStringLiteral("IH")},   {QStringLiteral("UX"), QStringLiteral("UW")},
        {QStringLiteral("DX"), QStringLiteral("D")},    {QStringLiteral("NX"), QStringLiteral("N")},
        {QStringLiteral("HV"), QStringLiteral("HH")},   {QStringLiteral("EL"), QStringLiteral("AH L")},
        {QStringLiteral("EM"), QStringLiteral("AH M")}, {QStringLiteral("EN"), QStringLiteral("AH N")}};
    cst_val *phones = lex_lookup(lex, w.toLatin1().constData(), nullptr, nullptr);
    QStringList out;
    bool usable = true;
    for (const cst_val *p = phones; p; p = val_cdr(p)) {
        QString ph = QString::fromLatin1(val_string(val_car(p))).toUpper();
        while (!ph.isEmpty() && ph.back().isDigit())
            ph.chop(1);
        ph = nearest.value(ph, ph);
        if (!phoneSet().contains(ph.section(u' ', 0, 0)))
            usable = false;
        out << ph;
    }
    delete_val(phones);
    return usable ? out.join(u' ') : QString();
}

QString logProb(double p)
{
    return QString::number(p > 0 ? std::log10(p) : -99.0, 'f', 4);
}

} // namespace

QString modelFolder()
{
    const QByteArray env = qgetenv("CUESCROLL_VOICE_MODEL");
    return env.isEmpty() ? QStringLiteral(CUESCROLL_POCKETSPHINX_MODELDIR "/en-us")
                         : QString::fromLocal8Bit(env);
}

QString arpaText(const QList<ScriptWord> &words)
{
    using Key = std::vector<QString>;
    std::map<QString, int> uni;
    std::map<Key, int> bi, tri;
    QStringList sentence{kStart};
    auto close = [&] {
        sentence << kEnd;
        for (qsizetype i = 0; i < sentence.size(); ++i) {
            ++uni[sentence[i]];
            if (i >= 1)
                ++bi[{sentence[i - 1], sentence[i]}];
            if (i >= 2)
                ++tri[{sentence[i - 2], sentence[i - 1], sentence[i]}];
        }
        sentence = {kStart};
    };
    for (const ScriptWord &w : words) {
        sentence << w.text;
        if (w.sentenceEnd)
            close();
    }
    if (sentence.size() > 1)
        close();

    // Unigrams: relative frequency of every word that can follow; <s> only begins a sentence.
    long total = 0;
    for (const auto &[w, c] : uni)
        if (w != kStart)
            total += c;
    std::map<QString, double> p1;
    for (const auto &[w, c] : uni)
        p1[w] = w == kStart ? 0.0 : double(c) / double(total);

    // Each history's count and the number of different words seen after it.
    auto histories = [](const auto &grams) {
        std::map<Key, std::pair<int, int>> h;
        for (const auto &[k, c] : grams) {
            auto &e = h[Key(k.begin(), k.end() - 1)];
            e.first += c;
            e.second += 1;
        }
        return h;
    };
    const auto h1 = histories(bi);
    const auto h2 = histories(tri);

    std::map<Key, double> p2;
    for (const auto &[k, c] : bi) {
        const auto &h = h1.at({k[0]});
        p2[k] = (c - kDiscount) / h.first;
    }
    // Back-off weight: the mass discounted from a history, spread over the lower order's
    // probabilities of the words never seen after it.
    auto weight = [](double freed, double seenLower) { return freed / std::max(1e-9, 1.0 - seenLower); };
    std::map<QString, double> b1;
    {
        std::map<QString, double> seenLower;
        for (const auto &[k, c] : bi)
            seenLower[k[0]] += p1[k[1]];
        for (const auto &[h, e] : h1)
            b1[h[0]] = weight(kDiscount * e.second / e.first, seenLower[h[0]]);
    }
    auto bigram = [&](const QString &a, const QString &b) {
        const auto it = p2.find({a, b});
        if (it != p2.end())
            return it->second;
        const auto w = b1.find(a);
        return (w == b1.end() ? 1.0 : w->second) * p1[b];
    };
    std::map<Key, double> b2;
    {
        std::map<Key, double> seenLower;
        for (const auto &[k, c] : tri)
            seenLower[{k[0], k[1]}] += bigram(k[1], k[2]);
        for (const auto &[h, e] : h2)
            b2[h] = weight(kDiscount * e.second / e.first, seenLower[h]);
    }

    QString out;
    QTextStream s(&out);
    s << "\\data\\\n"
      << "ngram 1=" << p1.size() << "\n"
      << "ngram 2=" << bi.size() << "\n"
      << "ngram 3=" << tri.size() << "\n\n\\1-grams:\n";
    for (const auto &[w, p] : p1) {
        s << logProb(p) << ' ' << w;
        if (const auto b = b1.find(w); b != b1.end())
            s << ' ' << logProb(b->second);
        s << '\n';
    }
    s << "\n\\2-grams:\n";
    for (const auto &[k, p] : p2) {
        s << logProb(p) << ' ' << k[0] << ' ' << k[1];
        if (const auto b = b2.find(k); b != b2.end())
            s << ' ' << logProb(b->second);
        s << '\n';
    }
    s << "\n\\3-grams:\n";
    for (const auto &[k, c] : tri)
        s << logProb((c - kDiscount) / h2.at({k[0], k[1]}).first) << ' ' << k[0] << ' ' << k[1] << ' ' << k[2]
          << '\n';
    s << "\n\\end\\\n";
    s.flush();
    return out;
}

QHash<QString, QStringList> pronunciations(const QStringList &words, const QString &dictionaryFile,
                                           int *guessed, QSet<QString> *byRules)
{
    QHash<QString, QStringList> found;
    const QSet<QString> wanted(words.begin(), words.end());
    // A word without a vowel ("nhs", "bbc") is said letter by letter, as the dictionary says them.
    const auto spelt = [](const QString &w) {
        return w.size() <= 6 && std::all_of(w.cbegin(), w.cend(), [](QChar c) {
                   return c >= u'a' && c <= u'z' && !QStringView(u"aeiouy").contains(c);
               });
    };
    QSet<QString> lookedUp = wanted;
    for (const QString &w : wanted)
        if (spelt(w))
            for (QChar c : w)
                lookedUp.insert(QString(c));
    QFile f(dictionaryFile);
    if (f.open(QIODevice::ReadOnly)) {
        // One pass over the dictionary, keeping only the script's words.
        while (!f.atEnd()) {
            const QByteArray line = f.readLine().trimmed();
            const qsizetype space = line.indexOf(' ');
            if (space <= 0)
                continue;
            QByteArray key = line.left(space);
            if (const qsizetype paren = key.indexOf('('); paren > 0)
                key.truncate(paren);
            const QString word = QString::fromUtf8(key);
            if (lookedUp.contains(word) && (wanted.contains(word) || !found.contains(word)))
                found[word] << QString::fromUtf8(line.mid(space + 1).simplified());
        }
    }
    int n = 0;
    for (const QString &w : wanted) {
        if (found.contains(w))
            continue;
        if (spelt(w)) {
            QStringList letters;
            for (QChar c : w)
                letters << found.value(QString(c)).value(0);
            if (!letters.contains(QString())) {
                found[w] << letters.join(u' ');
                continue;
            }
        }
        const QString p = letterToSound(w);
        if (!p.isEmpty()) {
            found[w] << p;
            ++n;
            if (byRules)
                byRules->insert(w);
        }
    }
    if (guessed)
        *guessed = n;
    // Letters looked up only to spell other words with.
    for (auto it = found.begin(); it != found.end();)
        it = wanted.contains(it.key()) ? std::next(it) : found.erase(it);
    return found;
}

Model buildModel(const QString &text, const QString &folder)
{
    Model m;
    m.acousticModel = folder + QStringLiteral("/en-us");
    QList<ScriptWord> words = scriptWords(text);
    // A number's other reading, in the language model as a sentence of its own within two words of
    // its context each side, so that either way of saying it is likely.
    const qsizetype spokenWords = words.size();
    for (qsizetype i = 0; i < spokenWords; ++i) {
        const QStringList other = words[i].otherReading;
        if (other.isEmpty())
            continue;
        qsizetype after = i;
        while (after < spokenWords && words[after].start == words[i].start)
            ++after;
        for (qsizetype k = std::max<qsizetype>(0, i - 2); k < i; ++k)
            words.append({QString(words[k].text), 0, 0, false, {}});
        for (const QString &w : other)
            words.append({w, 0, 0, false, {}});
        for (qsizetype k = after; k < std::min(after + 2, spokenWords); ++k)
            words.append({QString(words[k].text), 0, 0, false, {}});
        words.last().sentenceEnd = true;
    }
    QStringList distinct;
    {
        QSet<QString> seen;
        for (const ScriptWord &w : words)
            if (!seen.contains(w.text)) {
                seen.insert(w.text);
                distinct << w.text;
            }
    }
    QSet<QString> byRules;
    const QHash<QString, QStringList> prons =
        pronunciations(distinct, folder + QStringLiteral("/cmudict-en-us.dict"), &m.guessed, &byRules);
    // A script in another language gets English sounds for its words and is followed wrongly: it is
    // refused when too many of its words are not in the dictionary.
    const auto foreign =
        std::count_if(words.cbegin(), words.cbegin() + spokenWords, [&](const ScriptWord &w) {
            return byRules.contains(w.text) || !prons.contains(w.text);
        });
    if (spokenWords > 0 && double(foreign) > kMostlyForeign * double(spokenWords)) {
        m.error = tr("most of the script's words are not English, the only language of the installed "
                     "speech model");
        return m;
    }
    // A word nobody can pronounce cannot be in the language model either.
    words.erase(std::remove_if(words.begin(), words.end(),
                               [&](const ScriptWord &w) {
                                   if (prons.contains(w.text))
                                       return false;
                                   return true;
                               }),
                words.end());
    if (words.isEmpty()) {
        m.error = tr("no words to recognise");
        return m;
    }
    m.words = int(prons.size());

    auto dir = std::make_shared<QTemporaryDir>();
    if (!dir->isValid()) {
        m.error = dir->errorString();
        return m;
    }
    // In a fixed order: the recogniser breaks ties between words by it, and a script must be
    // followed the same way each time.
    QStringList keys = prons.keys();
    keys.sort();
    QString dict;
    for (const QString &key : keys)
        for (qsizetype i = 0; i < prons[key].size(); ++i)
            dict +=
                (i == 0 ? key : QStringLiteral("%1(%2)").arg(key).arg(i + 1)) + u' ' + prons[key][i] + u'\n';
    const auto write = [&](const QString &name, const QString &content) -> QString {
        const QString path = dir->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content.toUtf8()) < 0 || !f.flush()) {
            m.error = f.errorString();
            return {};
        }
        return path;
    };
    m.dictionary = write(QStringLiteral("script.dict"), dict);
    m.languageModel = write(QStringLiteral("script.arpa"), arpaText(words));
    if (m.error.isEmpty())
        m.dir = std::move(dir);
    qCDebug(lcVoice) << "model:" << words.size() << "words," << m.words << "distinct," << m.guessed
                     << "by letter-to-sound";
    return m;
}

} // namespace voice
