// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Aligner.h"
#include "voice/Denoiser.h"
#include "voice/Model.h"
#include "voice/ScriptWords.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

// The voice follower's text side, without the recogniser: where heard words put the presenter.
class tst_VoiceWords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Where the heard words put the presenter, from a place in a script of 70 words w0…w69 in which
    // the phrase "thank you for joining us" stands at 13–17 and again at 43–47, "on the" at 36–37 and
    // "are on our" at 64–66, and sentences begin at w12, w25, w31, 36, w52 and w63. wN is a word longer than
    // three letters. Calls are separated by "|"; "@n" is the operator putting the place at n.
    void aligns_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("leapt"); // found beyond the stretch near the place
        QTest::newRow("reading on") << 4 << "w3 w4 w5 w6 w7 w8" << 8 << false;
        QTest::newRow("a slip of the recogniser") << 4 << "w4 w5 w6 w40 w7 w8 w9" << 9 << false;
        QTest::newRow("ad-lib forced onto script words") << 8 << "w2 w30 w9 w21 w5 w11 w7" << 8 << false;
        QTest::newRow("phrase just read, also ahead") << 17 << "thank you for joining us" << 17 << false;
        QTest::newRow("phrase said again further on") << 20 << "thank you for joining us" << 20 << false;
        QTest::newRow("skipped sentence is caught") << 20 << "w31 w32 w33 w34" << 34 << false;
        QTest::newRow("two words in a row are not enough") << 0 << "w30 w31" << 0 << false;
        QTest::newRow("a sentence's first two after another's end")
            << 24 << "w22 w23 w24 w31 w32" << 32 << false;
        QTest::newRow("two just into a sentence, heard once")
            << 24 << "w22 w23 w24 uh w32 w33" << 24 << false;
        QTest::newRow("older words aligning better elsewhere")
            << 10 << "w7 w8 w9 w10 w11 w30 w31 w32" << 32 << false;
        QTest::newRow("past a word the recogniser missed")
            << 20 << "w18 w19 w20 uh er um w22 w23" << 23 << false;
        QTest::newRow("in noise, one word in three heard right")
            << 4 << "w2 w3 w4 uh er w7 um ah w10" << 10 << false;
        QTest::newRow("nothing aligns lately, carried from where the place was set")
            << 2 << "w0 w1 w2 w3 w4|w0 w1 w2 w3 w4 uh w6 er um w9 oh eh w12" << 12 << false;
        QTest::newRow("too many misheard to carry on")
            << 24 << "w22 w23 w24 uh er oh w27 um w40" << 24 << false;
        QTest::newRow("two in a row after one that stood for several")
            << 4 << "w2 w3 w4 uh er w9 w10" << 10 << false;
        QTest::newRow("two in a row far beyond the words heard") << 4 << "w2 w3 w4 w12 w13" << 4 << false;
        QTest::newRow("two in a row well short of the words heard")
            << 4 << "w2 w3 w4 uh er oh ah w7 w8" << 4 << false;
        QTest::newRow("a lone short word past a missed one") << 14 << "w12 thank you us" << 17 << false;
        QTest::newRow("a lone short word after a finished sentence") << 11 << "w9 w10 w11 you" << 11 << false;
        QTest::newRow("words behind do not pull back") << 30 << "w25 w26 w27" << 30 << false;
        QTest::newRow("a skipped paragraph: four once further on, heard on")
            << 0 << "w50 w51 w52 w53|w50 w51 w52 w53 w54" << 54 << true;
        QTest::newRow("four once further on, said again unchanged")
            << 0 << "w50 w51 w52 w53|w50 w51 w52 w53" << 0 << false;
        QTest::newRow("four once further on, then a word misheard")
            << 0 << "w50 w51 w52 w53|w50 w51 w52 w53 w9" << 53 << true;
        QTest::newRow("four once further on, heard only once") << 0 << "w50 w51 w52 w53" << 0 << false;
        QTest::newRow("a passing guess matching far on")
            << 5 << "w3 w4 w5 w50 w51 w52 w53|w3 w4 w5 w50 w51 w52 w53|w3 w4 w5 w6 w7" << 7 << false;
        QTest::newRow("two passing guesses matching far apart")
            << 0 << "w48 w49 w50 w51|w55 w56 w57 w58" << 0 << false;
        QTest::newRow("beyond reach: three far on are not enough")
            << 0 << "w50 w51 w52|w50 w51 w52 uh" << 0 << false;
        QTest::newRow("three far on from a sentence's start, heard on")
            << 0 << "w52 w53 w54|w52 w53 w54 w55" << 55 << true;
        QTest::newRow("three far on from a sentence's start, heard once") << 0 << "w52 w53 w54" << 0 << false;
        QTest::newRow("two far on from a sentence's start are not enough")
            << 0 << "w52 w53|w52 w53 uh" << 0 << false;
        QTest::newRow("three far on, its first word misheard")
            << 0 << "w9 w53 w54 w55|w9 w53 w54 w55 w56" << 56 << true;
        QTest::newRow("three far on, two words into a sentence")
            << 0 << "w54 w55 w56|w54 w55 w56 uh" << 0 << false;
        QTest::newRow("four far on, but slipped") << 0 << "w50 w51 w40 w53" << 0 << false;
        QTest::newRow("five once, but behind") << 58 << "w50 w51 w52 w53 w54" << 58 << false;
        QTest::newRow("jumped back while words from before are still heard")
            << 58 << "w50 w51 w52 w53 w54|@2|w50 w51 w52 w53 w54" << 2 << false;
        QTest::newRow("reading on after the jump back is followed")
            << 58 << "w50 w51 w52 w53 w54|@2|w50 w51 w52 w53 w54|w51 w52 w53 w54 w55|w52 w53 w54 w55 w56"
            << 56 << true;
        QTest::newRow("three in a row far on, one of them tiny") << 4 << "w2 w3 w4 on the w38" << 4 << false;
        QTest::newRow("four in a row far on, one of them tiny")
            << 4 << "w2 w3 w4 on the w38 w39" << 39 << false;
        QTest::newRow("a sentence's first two far on, tiny ones")
            << 22 << "w22 w23 w24 on the" << 24 << false;
        QTest::newRow("a sentence's first three far on, tiny ones")
            << 22 << "w22 w23 w24 on the w38" << 38 << false;
        QTest::newRow("three far on from a sentence, one of them tiny")
            << 0 << "are on our|are on our uh" << 0 << false;
        QTest::newRow("three far on from a sentence, one of them tiny, carried on")
            << 0 << "are on our|are on our w67" << 67 << true;
        QTest::newRow("started further down")
            << -1 << "w48 w49 w50 w51 w52|w48 w49 w50 w51 w52 w53" << 53 << true;
    }
    void aligns()
    {
        QFETCH(int, place);
        QFETCH(QString, heard);
        QFETCH(int, expected);
        QFETCH(bool, leapt);
        const QStringList phrase = QStringLiteral("thank you for joining us").split(u' ');
        std::vector<QString> script;
        std::vector<bool> opens;
        // Short words at 36–37 and 64–66.
        const QStringList shortOnes{QStringLiteral("on"), QStringLiteral("the"), QStringLiteral("are"),
                                    QStringLiteral("on"), QStringLiteral("our")};
        for (int i = 0; i < 70; ++i) {
            const bool inPhrase = (i >= 13 && i <= 17) || (i >= 43 && i <= 47);
            const int shortOne = i == 36 || i == 37 ? i - 36 : i >= 64 && i <= 66 ? i - 62 : -1;
            script.push_back(inPhrase        ? phrase[i % 10 - 3]
                             : shortOne >= 0 ? shortOnes[shortOne]
                                             : QStringLiteral("word%1").arg(i));
            opens.push_back(i == 12 || i == 25 || i == 31 || i == 36 || i == 52 || i == 63);
        }
        voice::Aligner a;
        a.setScript(script, opens);
        a.setPlace(place);
        for (const QString &call : heard.split(u'|')) {
            if (call.startsWith(u'@'))
                a.setPlace(call.mid(1).toInt());
            else
                a.heard(call.split(u' ').replaceInStrings(QRegularExpression(QStringLiteral("^w(\\d+)$")),
                                                          QStringLiteral("word\\1")));
        }
        QCOMPARE(a.place(), expected);
        QCOMPARE(a.leapt(), leapt);
    }

    // A place found far away stands only while what is heard next bears it out. A script of 600
    // words w0…w599 with sentences every twelve words, "the project centrepiece for" at 101–104 and a
    // sentence "the project stays on schedule" at 500–504. Before "|" what the recogniser heard until
    // the place was set; after it the words said, heard one at a time. `far`: the most words heard
    // while the place was more than 40 words from where it ends; five are two seconds of speech.
    void farPlaces_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("far");
        QTest::newRow("a phrase far ahead heard after a mishearing is given up")
            << 94 << "|uh er oh the project stays for w105 w106 w107 w108" << 108 << 1;
        QTest::newRow("the recogniser fills in the phrase's next words")
            << 94 << "|uh er oh the project stays on schedule for w105 w106 w107 w108" << 108 << 4;
        QTest::newRow("a skipped paragraph stays")
            << 96 << "w93 w94 w95 w96|w450 w451 w452 w453 w454 w455 w456 w457 w458" << 458 << 4;
        QTest::newRow("a skip not carried on is given up")
            << 96 << "w93 w94 w95 w96|w450 w451 w452 w453 w454 uh er um oh" << 96 << 4;
        QTest::newRow("gone back to read again stays")
            << 560 << "w557 w558 w559 w560|w200 w201 w202 w203 w204 w205 w206 w207 w208" << 208 << 4;
        QTest::newRow("a phrase far behind quoted is given up")
            << 560 << "w557 w558 w559 w560|the project centrepiece for w561 w562 w563 w564" << 564 << 1;
        QTest::newRow("a phrase behind, within reach, pulls nothing back")
            << 560 << "w557 w558 w559 w560|w530 w531 w532 w533 w534" << 560 << 0;
    }
    void farPlaces()
    {
        QFETCH(int, place);
        QFETCH(QString, said);
        QFETCH(int, expected);
        QFETCH(int, far);
        std::vector<QString> script;
        std::vector<bool> opens;
        const QStringList phrases{QStringLiteral("the project centrepiece for"),
                                  QStringLiteral("the project stays on schedule")};
        for (int i = 0; i < 600; ++i) {
            const int at = i >= 101 && i <= 104 ? 0 : i >= 500 && i <= 504 ? 1 : -1;
            script.push_back(at < 0 ? QStringLiteral("word%1").arg(i)
                                    : phrases[at].split(u' ')[i - (at == 0 ? 101 : 500)]);
            opens.push_back(i % 12 == 0 || i == 500);
        }
        const auto heard = [](const QString &words) {
            return words.split(u' ', Qt::SkipEmptyParts)
                .replaceInStrings(QRegularExpression(QStringLiteral("^w(\\d+)$")), QStringLiteral("word\\1"));
        };
        voice::Aligner a;
        a.setScript(script, opens);
        const QStringList parts = said.split(u'|');
        QStringList words = heard(parts[0]);
        a.heard(words);
        a.setPlace(place);
        int away = 0;
        int most = 0;
        for (const QString &w : heard(parts[1])) {
            words << w;
            a.heard(words.mid(std::max<qsizetype>(0, words.size() - voice::Aligner::kHeardWords)));
            away = std::abs(a.place() - expected) > 40 ? away + 1 : 0;
            most = std::max(most, away);
        }
        QCOMPARE(a.place(), expected);
        QCOMPARE(most, far);
        QVERIFY(!a.provisional());
    }

    // The words a script is said as; "|" after a word that ends a sentence, the other reading of a
    // number in brackets after its first word.
    void saidAs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("a year, two ways") << "In 2026 we"
                                          << "in twenty (two thousand and twenty six) twenty six we|";
        QTest::newRow("a year with a nought") << "1905"
                                              << "nineteen (one thousand nine hundred and five) oh five|";
        QTest::newRow("no year reading") << "2006 and 1800"
                                         << "two thousand and six and one thousand eight hundred|";
        QTest::newRow("decimal ends no sentence") << "Up 3.2 today."
                                                  << "up three point two today|";
        QTest::newRow("thousands' commas") << "1,250,000 or 12,5"
                                           << "one million two hundred and fifty thousand or twelve five|";
        QTest::newRow("a comma's thousands are no year") << "1,250"
                                                         << "one thousand two hundred and fifty|";
        QTest::newRow("ordinals") << "the 115th, 1st, 22nd and 3rd"
                                  << "the one hundred and fifteenth first twenty second and third|";
        QTest::newRow("per cent") << "5% rise"
                                  << "five percent rise|";
        QTest::newRow("abbreviations in their sentence") << "Dr. Okafor of Acme Ltd. said so. Then"
                                                         << "doctor okafor of acme limited said so| then|";
        QTest::newRow("initials") << "J. R. Ward wrote. a. b"
                                  << "j r ward wrote| a| b|";
        QTest::newRow("letters and digits") << "an mp3 of 4x4"
                                            << "an mp3 of 4x4|";
        QTest::newRow("a plain full stop") << "It ended. Then no."
                                           << "it ended| then no|";
    }
    void saidAs()
    {
        QFETCH(QString, text);
        QFETCH(QString, said);
        QStringList out;
        for (const voice::ScriptWord &w : voice::scriptWords(text)) {
            QVERIFY(w.start >= 0 && w.end <= text.size() && w.start < w.end);
            out << w.text + (w.sentenceEnd ? QStringLiteral("|") : QString());
            if (!w.otherReading.isEmpty())
                out << u'(' + w.otherReading.join(u' ') + u')';
        }
        QCOMPARE(out.join(u' '), said);
    }

    // Words the dictionary lacks still get a pronunciation in the acoustic model's phones.
    void pronounced_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected"); // empty: any
        QTest::newRow("letters of a word without vowels") << "nhs"
                                                          << "EH N EY CH EH S";
        QTest::newRow("rules giving a phone the model lacks") << "priya"
                                                              << "";
        QTest::newRow("another") << "oduya"
                                 << "";
        QTest::newRow("in the dictionary") << "doctor"
                                           << "D AA K T ER";
    }
    void pronounced()
    {
        QFETCH(QString, word);
        QFETCH(QString, expected);
        const QString dict = voice::modelFolder() + QStringLiteral("/cmudict-en-us.dict");
        QVERIFY2(QFile::exists(dict), "the recogniser's English model is needed");
        const QHash<QString, QStringList> p = voice::pronunciations({word}, dict);
        QCOMPARE(p.size(), 1);
        QVERIFY(!p[word].isEmpty());
        if (!expected.isEmpty())
            QCOMPARE(p[word].first(), expected);
    }

    // Bursts of a voice-like tone, a half second on and off, over hiss that many dB below them
    // (none: digital silence): a quiet room passes exactly as it came, steady hiss is taken out
    // where nobody speaks, and the audio may come in pieces of any size.
    void denoises_data()
    {
        QTest::addColumn<int>("hissDb");
        QTest::addColumn<bool>("suppressing");
        QTest::addColumn<int>("piece");
        QTest::newRow("silence between words") << 0 << false << 1600;
        QTest::newRow("a quiet room") << 60 << false << 1600;
        QTest::newRow("hiss 20 dB below") << 20 << true << 1600;
        QTest::newRow("hiss 10 dB below, odd pieces") << 10 << true << 777;
    }
    void denoises()
    {
        QFETCH(int, hissDb);
        QFETCH(bool, suppressing);
        QFETCH(int, piece);
        constexpr int kRate = 16000;
        QRandomGenerator random(7);
        std::vector<std::int16_t> in(kRate * 6);
        for (std::size_t i = 0; i < in.size(); ++i) {
            const bool on = i / (kRate / 2) % 2 == 1;
            const double tone = on ? 8000 * std::sin(double(i) * 0.09) * std::sin(double(i) * 0.0011) : 0;
            const double hiss =
                hissDb ? 8000 / std::pow(10, hissDb / 20.0) * (random.generateDouble() * 2 - 1) : 0;
            in[i] = std::int16_t(std::lround(tone + hiss));
        }
        voice::Denoiser d;
        std::vector<std::int16_t> out;
        for (std::size_t at = 0; at < in.size(); at += std::size_t(piece)) {
            const std::vector<std::int16_t> &c =
                d.clean(in.data() + at, std::min(std::size_t(piece), in.size() - at));
            out.insert(out.end(), c.cbegin(), c.cend());
        }
        QCOMPARE(d.suppressing(), suppressing);
        QVERIFY(in.size() - out.size() < std::size_t(voice::Denoiser::kFrameSamples));
        const auto energy = [](const std::vector<std::int16_t> &v, std::size_t from, std::size_t n) {
            double sum = 0;
            for (std::size_t i = from; i < from + n; ++i)
                sum += double(v[i]) * double(v[i]);
            return sum / double(n);
        };
        // The last pause, after the suppressor has learnt the hiss.
        const std::size_t pause = kRate * 5;
        if (!suppressing) {
            QVERIFY(std::equal(out.cbegin(), out.cend(), in.cbegin()));
        } else {
            QVERIFY(energy(out, pause, kRate / 2 - 400) * 4 < energy(in, pause, kRate / 2 - 400));
            QVERIFY(energy(out, pause - kRate / 2, kRate / 2) * 2 > energy(in, pause - kRate / 2, kRate / 2));
        }
    }

    // A script mostly in another language than the model's is refused rather than followed wrongly;
    // English with many names, numbers and abbreviations is not.
    void language_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("Spanish")
            << "Buenas noches y bienvenidos al noticiero. El ayuntamiento votó esta tarde "
               "arrendar el antiguo almacén de grano a la cooperativa. El puente peatonal "
               "cerrará durante tres semanas mientras los ingenieros reemplazan su cubierta."
            << true;
        QTest::newRow("German")
            << "Guten Abend und willkommen zu den Nachrichten. Der Stadtrat hat heute "
               "Nachmittag beschlossen, den alten Getreidespeicher an die Genossenschaft zu "
               "verpachten. Die Fußgängerbrücke wird drei Wochen lang gesperrt."
            << true;
        QTest::newRow("English, many names")
            << "Dr. Priya Oduya of Quizzleborn Ltd. told Ruth Adeyemi and Sam Okafor on Monday that the "
               "footbridge at Alder Point will close in 2026 for 3.2 weeks while the NHS trust decides."
            << false;
        QTest::newRow("English") << "Good evening and welcome to the news. The council voted this afternoon "
                                    "to lease the old grain store to the cooperative."
                                 << false;
    }
    void language()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        const voice::Model m = voice::buildModel(text);
        QCOMPARE(!m.error.isEmpty(), refused);
        QCOMPARE(m.error.contains(QLatin1String("English")), refused);
    }
};

QTEST_MAIN(tst_VoiceWords)
#include "tst_voicewords.moc"
