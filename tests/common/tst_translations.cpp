// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Translations.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString where, source, type; // type: empty once finished
    QStringList translations;    // one, or a form per plural
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    QList<Message> out;
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false; // the forms of a plural are elements of their own
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        if (xml.name() == u"message") {
            out.append({context, {}, {}, {}});
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        }
        if (xml.name() == u"source")
            out.last().source = xml.readElementText();
        if (xml.name() == u"translation")
            out.last().type = xml.attributes().value(QLatin1String("type")).toString();
        if (xml.name() == u"numerusform" || (xml.name() == u"translation" && !numerus))
            out.last().translations << xml.readElementText();
    }
    return out;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogue_data();
    void catalogue();
    void chooseLanguage_data();
    void chooseLanguage();
};

void tst_Translations::catalogue_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("options");
    for (const char *language : {"de", "es", "fr", "pt_BR"})
        QTest::newRow(language) << QString::fromLatin1(language) << QStringList();
    // English only needs its plurals: "1 device", "2 devices".
    QTest::newRow("en") << QStringLiteral("en") << QStringList{QStringLiteral("-pluralonly")};
}

// lupdate, run into a copy, marks what the code says and the catalogue lacks as unfinished, and what
// the catalogue holds but the code no longer says as vanished.
void tst_Translations::catalogue()
{
    QFETCH(QString, language);
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(QStringLiteral(CUESCROLL_TRANSLATIONS "/cuescroll_%1.ts").arg(language), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(CUESCROLL_LUPDATE),
                  options + QStringList{QStringLiteral(CUESCROLL_SOURCES), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    const auto placeholders = [](const QString &text) {
        static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2}|n)"));
        QStringList found;
        for (auto it = marker.globalMatch(text); it.hasNext();)
            found << it.next().captured(1);
        found.sort();
        return found;
    };
    const QList<Message> messages = readCatalogue(copy);
    QVERIFY(!messages.isEmpty());
    QStringList faults;
    for (const Message &m : messages) {
        if (!m.type.isEmpty() || m.translations.isEmpty() || m.translations.contains(QString()))
            faults << QStringLiteral("%1 [%2] %3").arg(m.type, m.where, m.source);
        for (const QString &t : m.translations) {
            if (placeholders(t) != placeholders(m.source)) // %1…%99, with or without L, and %n
                faults << QStringLiteral("placeholders [%1] %2 -> %3").arg(m.where, m.source, t);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_Translations::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("shipped");
    const QStringList others{"de", "es", "fr", "pt_BR"};
    const QStringList withEnglish = others + QStringList{"en"};
    QTest::newRow("region falls back") << QStringList{"de-AT", "de"} << "de" << others;
    QTest::newRow("region kept") << QStringList{"pt-BR"} << "pt_BR" << others;
    QTest::newRow("other region: none") << QStringList{"pt-PT", "pt"} << "" << others;
    QTest::newRow("next choice") << QStringList{"ja-JP", "fr-FR"} << "fr" << others;
    QTest::newRow("English before German") << QStringList{"en-US", "de-DE"} << "" << others;
    QTest::newRow("C") << QStringList{"C"} << "" << others;
    // The English catalogue only holds plurals, but English texts need them too.
    QTest::newRow("English: its plurals") << QStringList{"en-GB", "de-DE"} << "en" << withEnglish;
    QTest::newRow("C: English plurals") << QStringList{"C"} << "en" << withEnglish;
    QTest::newRow("none shipped: English") << QStringList{"ja-JP"} << "en" << withEnglish;
    QTest::newRow("German still German") << QStringList{"de-DE", "en-US"} << "de" << withEnglish;
}

void tst_Translations::chooseLanguage()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, expected);
    QFETCH(QStringList, shipped);
    QCOMPARE(translations::chooseLanguage(wanted, shipped), expected);
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
